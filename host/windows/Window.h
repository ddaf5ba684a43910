#pragma once
// Routing of window messages to the objects that own the windows: our own window
// classes (form, picture box, frame, user control) and subclassed system controls.
#include <windows.h>

namespace host {

// Where a new window goes and how it starts. A window made in its place, shown or
// disabled from the start, needs no move, show or enable afterwards: under Wine
// each of those is a round trip to the window system.
struct WindowPlace {
    HWND parent = nullptr;
    RECT rect{};
    DWORD state = 0;  // WS_VISIBLE, WS_DISABLED
};

class WindowOwner {
public:
    virtual ~WindowOwner();
    static WindowOwner* FromHwnd(HWND hwnd);
    HWND Handle() const { return hwnd_; }

    // Handles a message of the owned window. The default routes notifications from
    // child windows to their owners and then runs the window's default procedure.
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);

    // A WM_COMMAND notification about this window, sent to its parent.
    virtual void OnCommand(WORD /*code*/) {}
    // WM_CTLCOLOR* for this window: the brush to paint with, or null for the default.
    virtual HBRUSH OnCtlColor(HDC /*dc*/) { return nullptr; }

protected:
    // Creates a window of one of the host's own classes, owned by this object.
    HWND CreateOwnWindow(const wchar_t* className, DWORD style, DWORD exStyle, const WindowPlace& place,
                         const wchar_t* text);
    // Creates a system control window and subclasses it.
    HWND CreateSystemWindow(const wchar_t* className, DWORD style, DWORD exStyle, const WindowPlace& place,
                            const wchar_t* text);
    LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam);
    void DestroyOwnedWindow();
    // The focus came into this window or one inside it (true), or left them all.
    virtual void FocusWithinChanged(bool /*within*/) {}

private:
    friend void NotifyFocusMove(HWND from, HWND to);
    friend LRESULT CALLBACK HostWindowProc(HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK HostSubclassProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
    bool subclassed_ = false;
    bool focusWithin_ = false;
};

// Focus moved from one window to another (either may be null or a foreign window):
// tells the owners of the windows around `from` that it left them and those around
// `to` that it came in, outermost first.
void NotifyFocusMove(HWND from, HWND to);

// Marks an area of the window's client area (all of it when `area` is null) to be
// painted, unless the window is hidden: a window is painted whole when it shows,
// and under Wine each mark is a round trip to the server, hundreds of them while
// a window is being built.
void InvalidateShown(HWND hwnd, const RECT* area = nullptr, bool erase = false);

// The host's window class names (registered on first use).
namespace window_class {
const wchar_t* Form();
const wchar_t* Container();  // picture box, frame and user control windows
}  // namespace window_class

}  // namespace host
