#pragma once
// Times a paint call in batches and prints the median and best per-call time, so
// that two paints measured in one run can be compared; and lets a system control
// paint itself into a memory bitmap, to compare with.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "host/values/Gdi.h"

namespace bench {

struct Batches {
    int warmUp;
    int count;
    int callsEach;
};

inline double NowUs() {
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
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

// A system control's window, painting its client area into a bitmap of its own
// (WM_PRINTCLIENT); destroyed with it.
class PrintedWindow {
public:
    PrintedWindow(HWND hwnd, int width, int height)
        : hwnd_(hwnd),
          screen_(nullptr),
          dc_(screen_),
          bitmap_(host::gdi::CompatibleBitmap(screen_, width, height)),
          select_(dc_, bitmap_) {}
    ~PrintedWindow() { DestroyWindow(hwnd_); }
    PrintedWindow(const PrintedWindow&) = delete;
    PrintedWindow& operator=(const PrintedWindow&) = delete;
    void Paint() {
        SendMessageW(hwnd_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_.Get()), PRF_CLIENT | PRF_ERASEBKGND);
    }

private:
    HWND hwnd_;
    host::gdi::WindowDC screen_;
    host::gdi::MemoryDC dc_;
    host::gdi::Bitmap bitmap_;
    host::gdi::Selection select_;
};

}  // namespace bench
