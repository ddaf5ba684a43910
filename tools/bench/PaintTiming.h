#pragma once
// Times a paint call in batches and prints the median and best per-call time, so
// that two paints measured in one run can be compared.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace bench {

struct Batches {
    int warmUp;
    int count;
    int callsEach;
};

inline double NowUs() {
    static const LARGE_INTEGER frequency = [] { LARGE_INTEGER f; QueryPerformanceFrequency(&f); return f; }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1e6 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Per-call time of `paint`, from batches of calls: the median and best batch.
inline void Measure(const char* what, Batches batches, const std::function<void()>& paint) {
    for (int i = 0; i < batches.warmUp; ++i) paint();
    std::vector<double> perCall;
    for (int b = 0; b < batches.count; ++b) {
        const double start = NowUs();
        for (int i = 0; i < batches.callsEach; ++i) paint();
        perCall.push_back((NowUs() - start) / batches.callsEach);
    }
    std::sort(perCall.begin(), perCall.end());
    std::printf("%-44s median %7.1f us   best %7.1f us   (%d x %d calls)\n", what, perCall[perCall.size() / 2],
                perCall.front(), batches.count, batches.callsEach);
}

}  // namespace bench
