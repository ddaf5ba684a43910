#include "host/forms/SurfaceContainer.h"

#include <windowsx.h>

namespace host {

bool SurfaceContainer::HandleSurfaceMouse(UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND hwnd = SurfaceWindow();
    // A move with no button down: the release of a press never came.
    if (msg == WM_MOUSEMOVE) clicks_.Move(hwnd, wParam);
    if (RouteMouseToWindowless(hwnd, msg, wParam, lParam)) return true;
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    float x = static_cast<float>(ScaleX(pt.x, ScaleMode::Pixels, GetScaleMode()));
    float y = static_cast<float>(ScaleY(pt.y, ScaleMode::Pixels, GetScaleMode()));
    int16_t shift = ShiftState();
    if (IsPress(msg) || IsDoubleClick(msg)) {
        clicks_.Press(hwnd, msg);
        if (IsDoubleClick(msg))
            OnDblClick();
        else
            OnMouseDown(ButtonOf(msg), shift, x, y);
    } else if (IsRelease(msg)) {
        RECT client;
        GetClientRect(hwnd, &client);
        bool click = clicks_.Release(hwnd, msg, PtInRect(&client, pt) != FALSE);
        OnMouseUp(ButtonOf(msg), shift, x, y);
        if (click) OnClick();
    } else if (msg == WM_MOUSEMOVE) {
        OnMouseMove(ButtonsDown(wParam), shift, x, y);
    } else {
        return false;
    }
    return true;
}

}  // namespace host
