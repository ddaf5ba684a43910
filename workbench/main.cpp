// The control workbench: shows the gallery of every control, or the form of a
// design file, with its event journal and property browser; or rewrites a
// design file from the form it builds (--resave) without showing a window.
#include <windows.h>

#include "host/values/Runtime.h"
#include "host/windows/Pump.h"
#include "workbench/CommandLine.h"
#include "workbench/DesignFile.h"
#include "workbench/Resave.h"
#include "workbench/WorkbenchWindow.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    host::SetApplicationTitle(L"Control workbench");
    workbench::CommandLine line;
    try {
        line = workbench::ParseCommandLine(workbench::ProcessArguments());
    } catch (const host::HostError& e) {
        workbench::WriteErrorLine(e.Description());
        return workbench::kFailedExit;
    }
    if (line.resave) return workbench::Resave(line.resaveIn, line.resaveOut);
    int result = 0;
    host::Guarded([&] {
        static workbench::WorkbenchWindow window;
        window.Start(line);
        result = host::RunMessageLoop();
    });
    return result;
}
