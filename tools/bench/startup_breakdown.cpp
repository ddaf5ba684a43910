// Where the start-up of a window goes, from inside the process: the main window
// (startup_breakdown_app) or the workbench with its gallery
// (startup_breakdown_gallery), built and shown as their programs do. Prints one line a row, fields separated by tabs:
//   row  milliseconds  working-set growth in KB  count
// (for the rows from process start, the working set itself)
// first the stages from process start to the painted window, then the work of
// building and showing by kind (host/values/Breakdown.h), where count is the
// number of times each kind was entered. For tools/bench-startup.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <memory>

#include "host/values/Breakdown.h"
#include "host/windows/Pump.h"
#ifdef BREAKDOWN_OF_GALLERY
#include "workbench/CommandLine.h"
#include "workbench/WorkbenchWindow.h"
#else
#include "app/Form1.h"
#endif

namespace {

namespace breakdown = host::breakdown;

double NowMs() {
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    return static_cast<double>(ULARGE_INTEGER{{now.dwLowDateTime, now.dwHighDateTime}}.QuadPart) / 1e4;
}

double ProcessStartMs() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    return static_cast<double>(ULARGE_INTEGER{{created.dwLowDateTime, created.dwHighDateTime}}.QuadPart) / 1e4;
}

void Row(const wchar_t* row, double ms, long long bytes, int count = 1) {
    std::printf("%ls\t%.2f\t%lld\t%d\n", row, ms, bytes / 1024, count);
}

// Runs one stage and prints its time and the growth of the working set.
double Stage(const wchar_t* row, const std::function<void()>& stage) {
    const size_t before = breakdown::WorkingSet();
    const double start = NowMs();
    stage();
    const double ms = NowMs() - start;
    Row(row, ms, static_cast<long long>(breakdown::WorkingSet()) - static_cast<long long>(before));
    return ms;
}

}  // namespace

int wmain() {
    Row(L"process start to main (working set then)", NowMs() - ProcessStartMs(),
        static_cast<long long>(breakdown::WorkingSet()));
    breakdown::SwitchOn();
    double staged = 0;
#ifdef BREAKDOWN_OF_GALLERY
    std::unique_ptr<workbench::WorkbenchWindow> window;
    staged += Stage(L"build the workbench", [&] { window = std::make_unique<workbench::WorkbenchWindow>(); });
    staged += Stage(L"build the gallery, show both", [&] { window->Start(workbench::CommandLine{}); });
#else
    std::unique_ptr<app::Form1> form;
    staged += Stage(L"build the window", [&] { form = std::make_unique<app::Form1>(); });
    staged += Stage(L"show", [&] { form->Show(); });
#endif
    staged += Stage(L"paint what is left", host::DoEvents);
    Row(L"from process start (working set then)", NowMs() - ProcessStartMs(),
        static_cast<long long>(breakdown::WorkingSet()));
    double inScopes = 0;
    for (size_t k = 0; k < breakdown::kKinds; ++k) {
        const breakdown::Figures& figures = breakdown::Totals()[k];
        inScopes += figures.milliseconds;
        Row(breakdown::NameOf(static_cast<breakdown::Work>(k)), figures.milliseconds, figures.bytes, figures.scopes);
    }
    Row(L"outside these kinds", staged - inScopes, 0);
    return 0;
}
