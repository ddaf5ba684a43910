#pragma once
// The system's current look for what the system draws for the program (message
// boxes, tooltips). The program's resources may hold, under the isolation-aware
// manifest id, a manifest that asks for version 6 of the common controls; asked
// for only while such a window is made, the library stays out of the start.
#include <windows.h>

namespace host {

// Makes the windows created while it lives take the system's current look; does
// nothing when the program holds no such manifest.
class SystemLook {
public:
    SystemLook();
    ~SystemLook();
    SystemLook(const SystemLook&) = delete;
    SystemLook& operator=(const SystemLook&) = delete;

private:
    ULONG_PTR cookie_ = 0;
    bool active_ = false;
};

}  // namespace host
