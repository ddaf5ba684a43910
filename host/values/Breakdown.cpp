#include "host/values/Breakdown.h"

#include <windows.h>

#include <psapi.h>

#include <vector>

namespace host::breakdown {

namespace detail {
bool on = false;
}  // namespace detail

namespace {

struct Counting {
    std::array<Figures, kKinds> totals{};
    std::vector<Work> open;  // innermost last
    LARGE_INTEGER since{};
    size_t workingSetSince = 0;
};

Counting& State() {
    static Counting state;
    return state;
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Charges what went since the last change of scope to the innermost open one.
// Reading the working set takes a while; that time is left out.
void ChargeInnermost() {
    Counting& state = State();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    const size_t workingSet = WorkingSet();
    if (!state.open.empty()) {
        Figures& figures = state.totals[static_cast<size_t>(state.open.back())];
        figures.milliseconds += Milliseconds(state.since, now);
        figures.bytes += static_cast<long long>(workingSet) - static_cast<long long>(state.workingSetSince);
    }
    state.workingSetSince = workingSet;
    QueryPerformanceCounter(&state.since);
}

}  // namespace

void detail::Enter(Work work) {
    ChargeInnermost();
    State().open.push_back(work);
    ++State().totals[static_cast<size_t>(work)].scopes;
}

void detail::Leave() {
    ChargeInnermost();
    State().open.pop_back();
}

void SwitchOn() { detail::on = true; }

bool On() { return detail::on; }

const std::array<Figures, kKinds>& Totals() { return State().totals; }

const wchar_t* NameOf(Work work) {
    static constexpr const wchar_t* kNames[] = {L"design data", L"controls",          L"windows", L"fonts",
                                                L"pictures",    L"off-screen images", L"painting"};
    return work == Work::None ? L"" : kNames[static_cast<size_t>(work)];
}

size_t WorkingSet() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.WorkingSetSize;
}

}  // namespace host::breakdown
