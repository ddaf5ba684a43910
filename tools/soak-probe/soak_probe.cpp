// What tools/soak checks inside the program under test, from outside it: the live
// GDI objects and the working set of the first process with the given name.
// Prints "gdi N workingset_kb N", or nothing (status 1) when no such process runs.
// Usage: soak_probe.exe PROGRAM.exe
#include <windows.h>

#include <psapi.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cwchar>

#include "GdiObjectCount.h"

namespace {

DWORD ProcessNamed(const wchar_t* name) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    DWORD id = 0;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !id; more = Process32NextW(snapshot, &entry))
        if (_wcsicmp(entry.szExeFile, name) == 0) id = entry.th32ProcessID;
    CloseHandle(snapshot);
    return id;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return 2;
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, ProcessNamed(argv[1]));
    if (!process) return 1;
    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(process, &memory, sizeof memory);
    std::printf("gdi %d workingset_kb %zu\n", testsupport::CountLiveGdiObjects(process), memory.WorkingSetSize / 1024);
    CloseHandle(process);
    return 0;
}
