#include "host/windows/Mouse.h"

namespace host {

int16_t ShiftState() {
    int16_t shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= 1;
    if (GetKeyState(VK_CONTROL) < 0) shift |= 2;
    if (GetKeyState(VK_MENU) < 0) shift |= 4;
    return shift;
}

int16_t ButtonsDown(WPARAM mouseWParam) {
    int16_t buttons = 0;
    if (mouseWParam & MK_LBUTTON) buttons |= kLeftButton;
    if (mouseWParam & MK_RBUTTON) buttons |= kRightButton;
    if (mouseWParam & MK_MBUTTON) buttons |= kMiddleButton;
    return buttons;
}

int16_t ButtonOf(UINT msg) {
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK: return kLeftButton;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK: return kRightButton;
    default: return kMiddleButton;
    }
}

bool IsPress(UINT msg) { return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN; }
bool IsDoubleClick(UINT msg) { return msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK; }
bool IsRelease(UINT msg) { return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP; }

void ClickTracker::Press(HWND hwnd, UINT msg) {
    pressed_ |= ButtonOf(msg);
    if (IsDoubleClick(msg)) releaseEndsDblClick_ = true;
    SetCapture(hwnd);
}

bool ClickTracker::Release(HWND hwnd, UINT msg, bool inside) {
    int16_t button = ButtonOf(msg);
    bool click = (pressed_ & button) != 0 && inside && !releaseEndsDblClick_;
    releaseEndsDblClick_ = false;
    pressed_ &= static_cast<int16_t>(~button);
    if (!pressed_) Forget(hwnd);
    return click;
}

void ClickTracker::Move(HWND hwnd, WPARAM wParam) {
    if (pressed_ && !ButtonsDown(wParam)) Forget(hwnd);
}

void ClickTracker::Drop() {
    pressed_ = 0;
    releaseEndsDblClick_ = false;
}

void ClickTracker::Forget(HWND hwnd) {
    Drop();
    if (GetCapture() == hwnd) ReleaseCapture();
}

}  // namespace host
