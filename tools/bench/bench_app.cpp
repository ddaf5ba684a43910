// Measures the main window from inside the process:
//   bench_app wait      the length of 1,000 ms waits of the run cycle
//   bench_app repaint   the time of a full repaint of the window
//   bench_app runs      call depth and memory over 10,000 runs with 1 ms delays
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "app/Form1.h"
#include "host/windows/Pump.h"
#include "host/values/Runtime.h"
#include "host/stock/TextBox.h"
#include "host/stock/Timer.h"

namespace {

double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Quiet : host::SideEffects {
    int ShowMessageBox(HWND, const std::wstring&, const std::wstring&, unsigned) override { return IDOK; }
};

void Summarise(const char* what, std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    double sum = 0;
    for (double s : samples) sum += s;
    std::printf("%s: n=%zu min=%.3f median=%.3f mean=%.3f max=%.3f ms\n", what, samples.size(), samples.front(),
                samples[samples.size() / 2], sum / static_cast<double>(samples.size()), samples.back());
}

// Each tick of the wait timer ends one wait; the next wait starts microseconds
// later, so the time between ticks is the length of a wait.
void MeasureWaits(app::Form1& form) {
    auto* delay = dynamic_cast<host::TextBox*>(form.FindControl(L"Text1"));
    auto* tpt = dynamic_cast<host::Timer*>(form.FindControl(L"tpt"));
    delay->SetText(L"1");
    std::vector<double> ticks;
    host::Connection ticking = tpt->TimerEvent.Connect([&] {
        ticks.push_back(NowMs());
        if (ticks.size() == 7) delay->SetText(L"stop");
    });
    form.FlatCmd1Click();
    std::vector<double> waits;
    for (size_t i = 1; i < ticks.size(); ++i) waits.push_back(ticks[i] - ticks[i - 1]);
    Summarise("wait of 1000 ms", waits);
}

// The process's working set (Wine reports no private usage).
SIZE_T MemoryInUse() {
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.WorkingSetSize;
}

// Each run has two waits; a tick handler notes the stack depth and the memory at
// run 100 and at run 10,000.
void MeasureRuns(app::Form1& form) {
    auto* delay = dynamic_cast<host::TextBox*>(form.FindControl(L"Text1"));
    auto* tpt = dynamic_cast<host::Timer*>(form.FindControl(L"tpt"));
    delay->SetText(L"0.001");
    constexpr int kRuns = 10000;
    int ticks = 0;
    uintptr_t depthEarly = 0, depthLate = 0;
    SIZE_T memoryEarly = 0, memoryLate = 0;
    double start = NowMs();
    host::Connection ticking = tpt->TimerEvent.Connect([&] {
        int marker = 0;
        ++ticks;
        if (ticks == 2 * 100) {
            depthEarly = reinterpret_cast<uintptr_t>(&marker);
            memoryEarly = MemoryInUse();
        } else if (ticks == 2 * kRuns) {
            depthLate = reinterpret_cast<uintptr_t>(&marker);
            memoryLate = MemoryInUse();
            delay->SetText(L"stop");
        }
    });
    form.FlatCmd1Click();
    std::printf(
        "runs: %d in %.1f s; stack depth change from run 100 to run %d: %lld bytes; working set %zu KiB -> %zu KiB\n",
        form.RunCount(), (NowMs() - start) / 1000.0, kRuns,
        static_cast<long long>(depthEarly) - static_cast<long long>(depthLate), memoryEarly / 1024, memoryLate / 1024);
}

double Median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

double RepaintMs(HWND window) {
    double start = NowMs();
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return NowMs() - start;
}

// Full repaints of the two windows taken in turn, so that a busy spell of the
// machine weighs on both alike; the ratio of the medians is the figure to watch.
void CompareRepaints(HWND main, HWND plain) {
    std::vector<double> mainSamples, plainSamples;
    for (int i = 0; i < 220; ++i) {
        double mainTook = RepaintMs(main);
        double plainTook = RepaintMs(plain);
        if (i < 20) continue;  // a warm-up
        mainSamples.push_back(mainTook);
        plainSamples.push_back(plainTook);
    }
    Summarise("full repaint of the main window", mainSamples);
    Summarise("full repaint of a plain window of system controls", plainSamples);
    std::printf("repaint ratio, main / plain (medians): %.2f\n", Median(mainSamples) / Median(plainSamples));
}

// For comparison: a plain system window of the same size holding as many system
// child windows (group boxes, edits, buttons, static texts) as the main window
// has windows. It stands beside the main window, which moves to the screen's
// corner, so neither hides part of the other.
HWND PlainWindowBeside(HWND main, int childWindows) {
    SetWindowPos(main, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT r;
    GetWindowRect(main, &r);
    HWND top =
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, r.right + 16, 0, r.right - r.left,
                        r.bottom - r.top, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    const wchar_t* classes[] = {L"BUTTON", L"EDIT", L"STATIC"};
    for (int i = 0; i < childWindows; ++i) {
        DWORD style = WS_CHILD | WS_VISIBLE | (i % 3 == 0 ? BS_GROUPBOX : 0);
        CreateWindowExW(0, classes[i % 3], L"文字", style, 10 + (i % 4) * 140, 10 + (i / 4) * 120, 130, 110, top,
                        nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    return top;
}

int CountWindows(HWND parent) {
    int n = 1;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        n += CountWindows(child);
    return n;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode != L"wait" && mode != L"repaint" && mode != L"runs") {
        std::fprintf(stderr, "usage: bench_app wait|repaint|runs\n");
        return 2;
    }
    Quiet quiet;
    host::SetEffects(&quiet);
    app::Form1 form;
    form.Show();
    host::DoEvents();
    if (mode == L"wait")
        MeasureWaits(form);
    else if (mode == L"runs")
        MeasureRuns(form);
    else {
        int windows = CountWindows(form.hWnd());
        HWND plain = PlainWindowBeside(form.hWnd(), windows - 1);
        host::DoEvents();
        std::printf("(%d windows each)\n", windows);
        CompareRepaints(form.hWnd(), plain);
        DestroyWindow(plain);
    }
    return 0;
}
