#pragma once
// Counts the GDI objects the current process holds, whoever created them, so a
// test can check that drawing leaks none.
#include <windows.h>

namespace testsupport {

// Live GDI objects of this process, stock objects excluded. Under Wine this walks
// the process's GDI handle table (Wine's GetGuiResources always answers 0); on
// Windows it asks GetGuiResources.
int CountLiveGdiObjects();
// The same for another process (opened with query and read rights); -1 when its
// table cannot be read.
int CountLiveGdiObjects(HANDLE process);

}  // namespace testsupport
