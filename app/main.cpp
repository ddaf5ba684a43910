// The program starts with its main window and runs until the window ends it.
#include <windows.h>

#include "app/Form1.h"
#include "host/windows/Pump.h"
#include "host/values/Runtime.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int result = 0;
    host::Guarded([&] {
        static app::Form1 form;
        form.Show();
        result = host::RunMessageLoop();
    });
    return result;
}
