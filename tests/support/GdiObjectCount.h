#pragma once
// Counts the GDI objects a process holds, whoever created them, so a test can check that drawing leaks none.
#include <windows.h>

namespace testsupport {

// Live GDI objects of this process, stock objects excluded (Wine's GetGuiResources answers 0: its table is walked).
int CountLiveGdiObjects();
// The same for another process (opened with query and read rights); -1 when its table cannot be read.
int CountLiveGdiObjects(HANDLE process);

}  // namespace testsupport
