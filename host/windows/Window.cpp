#include "host/windows/Window.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "host/values/Breakdown.h"
#include "host/values/Runtime.h"

namespace host {

LRESULT CALLBACK HostWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK HostSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

namespace {
// The owner of every window the host owns, and the original procedure of each
// subclassed system control, kept in the process: asking the window system
// (a window property, the common controls' subclass chain) is a round trip to
// the Wine server, and every message to every window would pay for it.
struct OwnedWindow {
    WindowOwner* owner = nullptr;
    WNDPROC original = nullptr;  // system controls only
};
std::unordered_map<HWND, OwnedWindow>& OwnedWindows() {
    static std::unordered_map<HWND, OwnedWindow> windows;
    return windows;
}
OwnedWindow* Find(HWND hwnd) {
    auto it = OwnedWindows().find(hwnd);
    return it == OwnedWindows().end() ? nullptr : &it->second;
}

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

std::vector<WindowOwner*> OwnersAround(HWND hwnd) {
    std::vector<WindowOwner*> chain;  // innermost first
    for (HWND h = hwnd; h; h = GetParent(h)) {
        if (WindowOwner* owner = WindowOwner::FromHwnd(h)) chain.push_back(owner);
        if (!(GetWindowLongW(h, GWL_STYLE) & WS_CHILD)) break;
    }
    return chain;
}

const wchar_t* Register(const wchar_t* name, UINT style, HBRUSH background) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = HostWindowProc;
    wc.hInstance = Instance();
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
    return name;
}
}  // namespace

namespace window_class {
const wchar_t* Form() {
    static const wchar_t* name = Register(L"HostForm", CS_DBLCLKS, nullptr);
    return name;
}
const wchar_t* Container() {
    static const wchar_t* name = Register(L"HostContainer", CS_DBLCLKS, nullptr);
    return name;
}
}  // namespace window_class

LRESULT CALLBACK HostWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* owner = static_cast<WindowOwner*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        owner->hwnd_ = hwnd;
        OwnedWindows()[hwnd].owner = owner;
    }
    WindowOwner* owner = WindowOwner::FromHwnd(hwnd);
    if (msg == WM_NCDESTROY) OwnedWindows().erase(hwnd);
    if (!owner) return DefWindowProcW(hwnd, msg, wParam, lParam);
    return owner->Dispatch(msg, wParam, lParam);
}

LRESULT CALLBACK HostSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    OwnedWindow* window = Find(hwnd);
    if (!window) return DefWindowProcW(hwnd, msg, wParam, lParam);
    WNDPROC original = window->original;
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        OwnedWindows().erase(hwnd);
        return CallWindowProcW(original, hwnd, msg, wParam, lParam);
    }
    if (!window->owner) return CallWindowProcW(original, hwnd, msg, wParam, lParam);
    return window->owner->Dispatch(msg, wParam, lParam);
}

WindowOwner::~WindowOwner() { DestroyOwnedWindow(); }

WindowOwner* WindowOwner::FromHwnd(HWND hwnd) {
    OwnedWindow* window = hwnd ? Find(hwnd) : nullptr;
    return window ? window->owner : nullptr;
}

bool IsPaintMessage(UINT msg) {
    return msg == WM_PAINT || msg == WM_ERASEBKGND || msg == WM_NCPAINT || msg == WM_PRINTCLIENT ||
           (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC);
}

LRESULT WindowOwner::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    breakdown::Scope counted(IsPaintMessage(msg) ? breakdown::Work::Paint : breakdown::Work::None);
    LRESULT result = 0;
    bool done = false;
    Guarded([&] {
        result = WindowProc(msg, wParam, lParam);
        done = true;
    });
    return done ? result : DefaultProc(msg, wParam, lParam);
}

LRESULT WindowOwner::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
        if (lParam) {
            if (auto* child = FromHwnd(reinterpret_cast<HWND>(lParam))) {
                child->OnCommand(HIWORD(wParam));
                return 0;
            }
        }
        break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        if (auto* child = FromHwnd(reinterpret_cast<HWND>(lParam))) {
            if (HBRUSH brush = child->OnCtlColor(reinterpret_cast<HDC>(wParam)))
                return reinterpret_cast<LRESULT>(brush);
        }
        break;
    case WM_SETFOCUS: NotifyFocusMove(reinterpret_cast<HWND>(wParam), hwnd_); break;
    case WM_KILLFOCUS:
        if (!FromHwnd(reinterpret_cast<HWND>(wParam))) NotifyFocusMove(hwnd_, reinterpret_cast<HWND>(wParam));
        break;
    default: break;
    }
    return DefaultProc(msg, wParam, lParam);
}

namespace {
HWND CreatePlacedWindow(const wchar_t* className, DWORD style, DWORD exStyle, const WindowPlace& place,
                        const wchar_t* text, void* owner) {
    const RECT& r = place.rect;
    return CreateWindowExW(exStyle, className, text, style | place.state, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, place.parent, nullptr, Instance(), owner);
}
}  // namespace

HWND WindowOwner::CreateOwnWindow(const wchar_t* className, DWORD style, DWORD exStyle, const WindowPlace& place,
                                  const wchar_t* text) {
    breakdown::Scope counted(breakdown::Work::Windows);
    CreatePlacedWindow(className, style, exStyle, place, text, this);
    return hwnd_;
}

HWND WindowOwner::CreateSystemWindow(const wchar_t* className, DWORD style, DWORD exStyle, const WindowPlace& place,
                                     const wchar_t* text) {
    breakdown::Scope counted(breakdown::Work::Windows);
    hwnd_ = CreatePlacedWindow(className, style, exStyle, place, text, nullptr);
    if (hwnd_) {
        auto original = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HostSubclassProc)));
        OwnedWindows()[hwnd_] = OwnedWindow{this, original};
        subclassed_ = true;
    }
    return hwnd_;
}

LRESULT WindowOwner::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    OwnedWindow* window = subclassed_ ? Find(hwnd_) : nullptr;
    return window ? CallWindowProcW(window->original, hwnd_, msg, wParam, lParam)
                  : DefWindowProcW(hwnd_, msg, wParam, lParam);
}

// The window goes without its owner hearing of it. A system control keeps its
// original procedure for the messages of its destruction.
void WindowOwner::DestroyOwnedWindow() {
    HWND hwnd = hwnd_;
    if (!hwnd) return;
    if (OwnedWindow* window = Find(hwnd)) {
        if (subclassed_)
            window->owner = nullptr;
        else
            OwnedWindows().erase(hwnd);
    }
    hwnd_ = nullptr;
    DestroyWindow(hwnd);
}

void InvalidateShown(HWND hwnd, const RECT* area, bool erase) {
    if (IsWindowVisible(hwnd)) InvalidateRect(hwnd, area, erase);
}

void NotifyFocusMove(HWND from, HWND to) {
    auto left = OwnersAround(from);
    auto entered = OwnersAround(to);
    for (WindowOwner* owner : left) {
        if (owner->focusWithin_ && std::find(entered.begin(), entered.end(), owner) == entered.end()) {
            owner->focusWithin_ = false;
            owner->FocusWithinChanged(false);
        }
    }
    for (auto it = entered.rbegin(); it != entered.rend(); ++it) {
        if (!(*it)->focusWithin_) {
            (*it)->focusWithin_ = true;
            (*it)->FocusWithinChanged(true);
        }
    }
}

}  // namespace host
