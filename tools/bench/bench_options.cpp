// Measures how long after the pointer leaves an option button its MouseOut
// arrives. The pointer is put on the button (the hover look goes on and polling
// starts), left there for 0 to 49 ms so that the leaving falls at every point of
// the 50 ms polling cycle, then moved away; 100 leaves.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "PaintTiming.h"
#include "controls/Options/Options.h"
#include "host/forms/Form.h"
#include "host/stock/TextBox.h"

namespace {

constexpr int kLeaves = 100;
constexpr int kPollMs = 50;

double NowMs() { return bench::NowUs() / 1e3; }

// Dispatches messages until `done` or `limitMs` passes, waking for each message.
template <class Done>
void PumpUntil(Done done, double limitMs) {
    const double end = NowMs() + limitMs;
    while (!done() && NowMs() < end) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

}  // namespace

int wmain() {
    host::Form form(L"BenchOptions");
    form.SetClientSize(4500, 1500);
    auto& button = form.Add(std::make_unique<controls::Options>(L"Option1"));
    button.Move(600, 600, 3000, 195);
    button.Load(nullptr);
    // The button keeps its hover look while it has the focus, so the focus goes elsewhere.
    auto& elsewhere = form.Add(std::make_unique<host::TextBox>(L"Text1"));
    elsewhere.Move(600, 1000, 1500, 300);
    form.Show();
    elsewhere.SetFocus();
    bool out = false;
    const host::Connection outs = button.MouseOut.Connect([&out] { out = true; });
    HWND stateBox = button.Find(L"p")->Hwnd();
    POINT inside{6, 6};
    ClientToScreen(stateBox, &inside);
    std::vector<double> delays;
    for (int i = 0; i < kLeaves; ++i) {
        SetCursorPos(inside.x, inside.y);
        SendMessageW(stateBox, WM_MOUSEMOVE, 0, MAKELPARAM(6, 6));
        PumpUntil([] { return false; }, i % kPollMs);
        out = false;
        SetCursorPos(inside.x + 400, inside.y + 400);
        const double left = NowMs();
        PumpUntil([&out] { return out; }, 1000);
        if (!out) {
            std::printf("no MouseOut within a second of leave %d\n", i + 1);
            return 1;
        }
        delays.push_back(NowMs() - left);
    }
    std::sort(delays.begin(), delays.end());
    std::printf("MouseOut after the pointer leaves (%d leaves): median %.1f ms, worst %.1f ms, best %.1f ms\n", kLeaves,
                delays[delays.size() / 2], delays.back(), delays.front());
    return 0;
}
