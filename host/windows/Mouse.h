#pragma once
// The mouse as the host's events see it: the Button and Shift arguments, and one
// click tracker for every window that turns presses into clicks.
#include <windows.h>

#include <cstdint>

namespace host {

// Button argument bits.
constexpr int16_t kLeftButton = 1;
constexpr int16_t kRightButton = 2;
constexpr int16_t kMiddleButton = 4;

int16_t ShiftState();                     // 1 Shift, 2 Ctrl, 4 Alt
int16_t ButtonsDown(WPARAM mouseWParam);  // the buttons held during a mouse message
int16_t ButtonOf(UINT msg);               // the button of a press, release or double click

bool IsPress(UINT msg);        // WM_?BUTTONDOWN
bool IsDoubleClick(UINT msg);  // WM_?BUTTONDBLCLK (the second press of a double click)
bool IsRelease(UINT msg);      // WM_?BUTTONUP

// The presses of one window: a press captures the mouse until every pressed button
// is up; the release of a pressed button over the target clicks, except the one
// that ends a double click. A press whose release never arrives (the capture went
// to a menu or another window) is dropped, and the capture with it.
class ClickTracker {
public:
    // A press or double click in `hwnd`.
    void Press(HWND hwnd, UINT msg);
    // A release in `hwnd`; true when it clicks (`inside`: over the target).
    bool Release(HWND hwnd, UINT msg, bool inside);
    // A move in `hwnd`: with no button down, a press still held is dropped.
    void Move(HWND hwnd, WPARAM wParam);
    // WM_CAPTURECHANGED or WM_CANCELMODE: every press is dropped.
    void Drop();
    bool Pressed() const { return pressed_ != 0; }

private:
    void Forget(HWND hwnd);
    int16_t pressed_ = 0;
    bool releaseEndsDblClick_ = false;
};

}  // namespace host
