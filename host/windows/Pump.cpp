#include "host/windows/Pump.h"

#include "host/values/Runtime.h"

namespace host {

namespace {
MessageFilter filter = nullptr;

bool Filtered(const MSG& msg) { return filter && filter(msg); }
}  // namespace

void SetMessageFilter(MessageFilter f) { filter = f; }

void DoEvents() {
    // Only what is pending now: a timer whose handler outlasts its interval has a new
    // tick waiting after every dispatch and would keep the pass from ever ending.
    const DWORD start = GetTickCount();
    MSG msg;
    while (!Ending() && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            End();
            return;
        }
        if (!Filtered(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (static_cast<LONG>(msg.time - start) > 0) return;
    }
}

void WaitForEvents() { MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE); }

int RunMessageLoop() {
    MSG msg;
    while (!Ending() && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (Filtered(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

}  // namespace host
