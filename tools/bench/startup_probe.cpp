// Launches a program and prints, on one line, the milliseconds from launch until
// its first top-level window is visible, the milliseconds until it has painted
// and waits for input (WaitForInputIdle), and its working set then in KB:
//   shown_ms ready_ms working_set_kb
// The program is ended afterwards. Exit status 1 when it showed no window.
// Usage: startup_probe.exe PROGRAM.exe [ARGS...]   (tools/bench-startup)
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "PaintTiming.h"

namespace {

constexpr DWORD kGiveUpMs = 30000;

double NowMs() { return bench::NowUs() / 1000; }

// The probe's own command line less its first argument: the program's.
std::wstring ProgramCommandLine() {
    const wchar_t* line = GetCommandLineW();
    bool quoted = false;
    for (; *line && (quoted || (*line != L' ' && *line != L'\t')); ++line)
        if (*line == L'"') quoted = !quoted;
    while (*line == L' ' || *line == L'\t') ++line;
    return line;
}

BOOL CALLBACK FindShown(HWND hwnd, LPARAM shown) {
    if (!IsWindowVisible(hwnd)) return TRUE;
    *reinterpret_cast<bool*>(shown) = true;
    return FALSE;
}

// Asks after the windows of the program's first thread only: each question is a
// round trip to the Wine server, whose time the program being measured needs.
bool HasShownWindow(DWORD threadId) {
    bool shown = false;
    EnumThreadWindows(threadId, FindShown, reinterpret_cast<LPARAM>(&shown));
    return shown;
}

}  // namespace

int wmain() {
    std::wstring command = ProgramCommandLine();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double start = NowMs();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "cannot start %ls (error %lu)\n", command.c_str(), GetLastError());
        return 2;
    }
    // Polled each millisecond; the wait ends early when the program ends.
    bool shown = false;
    while (!(shown = HasShownWindow(process.dwThreadId)) && NowMs() - start < kGiveUpMs)
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) break;
    const double shownAt = NowMs();
    WaitForInputIdle(process.hProcess, kGiveUpMs);
    const double readyAt = NowMs();
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, kGiveUpMs);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!shown) {
        std::fprintf(stderr, "%ls showed no window\n", command.c_str());
        return 1;
    }
    std::printf("%.1f %.1f %zu\n", shownAt - start, readyAt - start, memory.WorkingSetSize / 1024);
    return 0;
}
