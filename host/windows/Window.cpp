#include "host/windows/Window.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "host/values/Runtime.h"

namespace host {

LRESULT CALLBACK HostWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK HostSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data);

namespace {
constexpr UINT_PTR kSubclassId = 0x484F5354;  // "HOST"
// Every window the host owns carries a pointer to its owner under this property.
constexpr wchar_t kOwnerProperty[] = L"HostWindowOwner";

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
        SetPropW(hwnd, kOwnerProperty, owner);
    }
    auto* owner = static_cast<WindowOwner*>(GetPropW(hwnd, kOwnerProperty));
    if (!owner) return DefWindowProcW(hwnd, msg, wParam, lParam);
    return owner->Dispatch(msg, wParam, lParam);
}

LRESULT CALLBACK HostSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* owner = reinterpret_cast<WindowOwner*>(data);
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, HostSubclassProc, kSubclassId);
        RemovePropW(hwnd, kOwnerProperty);
        return DefSubclassProc(hwnd, msg, wParam, lParam);
    }
    return owner->Dispatch(msg, wParam, lParam);
}

WindowOwner::~WindowOwner() { DestroyOwnedWindow(); }

WindowOwner* WindowOwner::FromHwnd(HWND hwnd) {
    return hwnd ? static_cast<WindowOwner*>(GetPropW(hwnd, kOwnerProperty)) : nullptr;
}

LRESULT WindowOwner::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
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
            if (HBRUSH brush = child->OnCtlColor(reinterpret_cast<HDC>(wParam))) return reinterpret_cast<LRESULT>(brush);
        }
        break;
    case WM_SETFOCUS:
        NotifyFocusMove(reinterpret_cast<HWND>(wParam), hwnd_);
        break;
    case WM_KILLFOCUS:
        if (!FromHwnd(reinterpret_cast<HWND>(wParam))) NotifyFocusMove(hwnd_, reinterpret_cast<HWND>(wParam));
        break;
    default: break;
    }
    return DefaultProc(msg, wParam, lParam);
}

HWND WindowOwner::CreateOwnWindow(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent,
                                  const wchar_t* text) {
    CreateWindowExW(exStyle, className, text, style, 0, 0, 0, 0, parent, nullptr, Instance(), this);
    return hwnd_;
}

HWND WindowOwner::CreateSystemWindow(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent,
                                     const wchar_t* text) {
    hwnd_ = CreateWindowExW(exStyle, className, text, style, 0, 0, 0, 0, parent, nullptr, Instance(), nullptr);
    if (hwnd_) {
        SetWindowSubclass(hwnd_, HostSubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
        SetPropW(hwnd_, kOwnerProperty, this);
        subclassed_ = true;
    }
    return hwnd_;
}

LRESULT WindowOwner::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    return subclassed_ ? DefSubclassProc(hwnd_, msg, wParam, lParam) : DefWindowProcW(hwnd_, msg, wParam, lParam);
}

void WindowOwner::DestroyOwnedWindow() {
    HWND hwnd = hwnd_;
    if (!hwnd) return;
    if (subclassed_) RemoveWindowSubclass(hwnd, HostSubclassProc, kSubclassId);
    RemovePropW(hwnd, kOwnerProperty);
    hwnd_ = nullptr;
    DestroyWindow(hwnd);
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
