// A sampling profile of the main window's (startup_profile_app) or the workbench
// gallery's (startup_profile_gallery) start-up from inside the process, for
// where tools/bench-startup's breakdown leaves the time unexplained: a second
// thread stops the main thread every millisecond while it builds, shows and
// paints the window, and prints the call stack it finds, one line a sample:
//   module-of-the-innermost-frame  address address ...   (innermost first)
// The addresses are the program's own return addresses (the system's are left
// out but for the module they are in); tools/profile-startup names them.
#include <windows.h>

#include <psapi.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <vector>

#include "host/windows/Pump.h"
#ifdef PROFILE_OF_GALLERY
#include "workbench/CommandLine.h"
#include "workbench/WorkbenchWindow.h"
#else
#include "app/Form1.h"
#endif

namespace {

constexpr int kMaxFrames = 48;
constexpr DWORD kIntervalMs = 1;

struct Sample {
    DWORD64 innermost;
    int frames;
    DWORD64 addresses[kMaxFrames];
};

struct Module {
    DWORD64 base, end;
    const RUNTIME_FUNCTION* functions;
    size_t count;
};

HANDLE mainThread;
std::atomic<bool> sampling{true};
std::vector<Sample> samples;
std::vector<Module> modules;  // taken while the main thread runs: no lock is held while it is stopped
DWORD64 programBase, programEnd;

Module Describe(HMODULE handle) {
    auto base = reinterpret_cast<DWORD64>(handle);
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& table = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXCEPTION];
    return {base, base + nt->OptionalHeader.SizeOfImage,
            reinterpret_cast<const RUNTIME_FUNCTION*>(base + table.VirtualAddress),
            table.Size / sizeof(RUNTIME_FUNCTION)};
}

void TakeModules() {
    HMODULE handles[256];
    DWORD bytes = 0;
    if (!EnumProcessModules(GetCurrentProcess(), handles, sizeof handles, &bytes)) return;
    modules.clear();
    for (DWORD i = 0; i < bytes / sizeof(HMODULE) && i < 256; ++i) modules.push_back(Describe(handles[i]));
}

// The unwind entry for an address, found by reading the module's table only.
const RUNTIME_FUNCTION* FunctionAt(DWORD64 address, DWORD64& base) {
    for (const Module& m : modules) {
        if (address < m.base || address >= m.end) continue;
        base = m.base;
        const DWORD offset = static_cast<DWORD>(address - m.base);
        size_t low = 0, high = m.count;
        while (low < high) {
            size_t mid = (low + high) / 2;
            if (offset < m.functions[mid].BeginAddress)
                high = mid;
            else if (offset >= m.functions[mid].EndAddress)
                low = mid + 1;
            else
                return &m.functions[mid];
        }
        return nullptr;
    }
    return nullptr;
}

bool Readable(DWORD64 address) { return address > 0x10000 && address < 0x7fffffffffffULL; }

void TakeSample() {
    CONTEXT context{};
    context.ContextFlags = CONTEXT_FULL;
    if (!GetThreadContext(mainThread, &context)) return;
    Sample sample{};
    sample.innermost = context.Rip;
    for (int depth = 0; depth < 256 && Readable(context.Rip) && Readable(context.Rsp) && sample.frames < kMaxFrames;
         ++depth) {
        if (context.Rip >= programBase && context.Rip < programEnd) sample.addresses[sample.frames++] = context.Rip;
        DWORD64 imageBase = 0;
        const RUNTIME_FUNCTION* function = FunctionAt(context.Rip, imageBase);
        if (!function) {  // a leaf function or unknown code: the return address is on top of the stack
            context.Rip = *reinterpret_cast<DWORD64*>(context.Rsp);
            context.Rsp += 8;
            continue;
        }
        void* handlerData = nullptr;
        DWORD64 establisher = 0;
        RtlVirtualUnwind(UNW_FLAG_NHANDLER, imageBase, context.Rip, const_cast<RUNTIME_FUNCTION*>(function), &context,
                         &handlerData, &establisher, nullptr);
    }
    if (samples.size() < samples.capacity()) samples.push_back(sample);
}

DWORD WINAPI Sampler(void*) {
    while (sampling) {
        Sleep(kIntervalMs);
        TakeModules();
        if (SuspendThread(mainThread) == static_cast<DWORD>(-1)) break;
        TakeSample();
        ResumeThread(mainThread);
    }
    return 0;
}

void ModuleName(DWORD64 address, char (&name)[64]) {
    HMODULE module = nullptr;
    char path[MAX_PATH] = "?";
    if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCSTR>(address), &module))
        GetModuleFileNameA(module, path, MAX_PATH);
    const char* base = strrchr(path, '\\');
    lstrcpynA(name, base ? base + 1 : path, 64);
}

}  // namespace

int wmain() {
    programBase = reinterpret_cast<DWORD64>(GetModuleHandleW(nullptr));
    programEnd = Describe(GetModuleHandleW(nullptr)).end;
    modules.reserve(256);
    DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &mainThread, 0, FALSE,
                    DUPLICATE_SAME_ACCESS);
    samples.reserve(20000);
    HANDLE sampler = CreateThread(nullptr, 0, Sampler, nullptr, 0, nullptr);
    {
#ifdef PROFILE_OF_GALLERY
        workbench::WorkbenchWindow window;
        window.Start(workbench::CommandLine{});
#else
        app::Form1 form;
        form.Show();
#endif
        host::DoEvents();
        sampling = false;
        WaitForSingleObject(sampler, INFINITE);
    }
    for (const Sample& sample : samples) {
        char module[64];
        ModuleName(sample.innermost, module);
        std::printf("%s", module);
        for (int i = 0; i < sample.frames; ++i)
            std::printf(" %llx", static_cast<unsigned long long>(sample.addresses[i]));
        std::printf("\n");
    }
    return 0;
}
