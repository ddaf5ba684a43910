#include "host/forms/Container.h"

#include <windowsx.h>

#include "host/values/Gdi.h"
#include "host/forms/Windowless.h"
#include "host/windows/Window.h"

namespace host {

Container::~Container() { DestroyChildren(); }

void Container::DestroyChildren() {
    mouseOwner_ = nullptr;
    while (!children_.empty()) {
        children_.front()->BeforeDestroy();
        children_.erase(children_.begin());
    }
    placedCount_ = 0;
}

void Container::CreateChildWindows() const {
    for (auto& c : children_) c->ContainerWindowCreated();
    Restack();
}

void Container::AddChild(std::unique_ptr<Control> child, bool constituent) {
    Control* raw = child.get();
    if (constituent) {
        children_.push_back(std::move(child));
    } else {
        children_.insert(children_.begin() + static_cast<std::ptrdiff_t>(placedCount_), std::move(child));
        ++placedCount_;
    }
    raw->site_ = this;
    raw->Attach(this, constituent);
    if (!raw->IsWindowless())
        StackInPlace(*raw);
    else
        InvalidatePixels(raw->PixelRect());
}

Control* Container::Find(std::wstring_view name, int16_t index) const {
    for (auto& c : children_)
        if (SameName(c->Name(), name) && c->Index() == index) return c.get();
    return nullptr;
}

bool Container::ContainerShowing() const {
    Control* self = const_cast<Container*>(this)->AsControl();
    return !self || self->Showing();
}

bool Container::ContainerEnabled() const {
    Control* self = const_cast<Container*>(this)->AsControl();
    return !self || self->EnabledInTree();
}

void Container::PaintWindowless(HDC dc) const {
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        auto* w = dynamic_cast<const WindowlessControl*>(it->get());
        if (w && w->Visible()) w->Paint(dc);
    }
}

// Drawn straight onto the window, as the system's own controls draw: the window
// system shows a paint only once it is complete, and an off-screen copy of a
// container mostly covered by its children (a title bar around the whole window,
// a frame around other frames) cost more than everything else in a repaint.
void Container::PaintWindow(HWND hwnd, const std::function<void(HDC, const RECT&)>& background) const {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client, box;
    GetClientRect(hwnd, &client);
    if (GetClipBox(dc, &box) != NULLREGION) {
        background(dc, client);
        PaintWindowless(dc);
    }
    EndPaint(hwnd, &ps);
}

void Container::InvalidatePixels(const RECT& area) const {
    if (HWND hwnd = ContainerHwnd()) {
        RECT r = area;
        InflateRect(&r, 1, 1);
        InvalidateShown(hwnd, &r);
    }
}

namespace {
// Puts `h` just below `above` (null: at the top). Windows made in order are there
// already, and asking costs less than a move, which every window's procedure hears.
void StackBelow(HWND h, HWND above) {
    if (GetWindow(h, GW_HWNDPREV) == above) return;
    SetWindowPos(h, above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}
}  // namespace

void Container::Restack() const {
    HWND above = nullptr;
    for (auto& c : children_) {
        HWND h = c->Hwnd();
        if (!h) continue;
        StackBelow(h, above);
        above = h;
    }
}

// One window, not one per sibling: the others are in order already.
void Container::StackInPlace(const Control& child) const {
    HWND h = child.Hwnd();
    if (!h) return;
    HWND above = nullptr;
    for (auto& c : children_) {
        if (c.get() == &child) break;
        if (HWND w = c->Hwnd()) above = w;
    }
    StackBelow(h, above);
}

WindowlessControl* Container::WindowlessAt(POINT pixel) const {
    for (auto& c : children_) {
        auto* w = dynamic_cast<WindowlessControl*>(c.get());
        if (!w || !w->TakesMouse() || !w->Visible()) continue;
        RECT r = w->PixelRect();
        if (PtInRect(&r, pixel)) return w;
    }
    return nullptr;
}

void Container::AnnounceAmbientChange(const std::wstring& name) const {
    for (auto& child : children_) child->NotifyAmbientChanged(name);
}

double Container::PixelsToScaleX(double pixels) const {
    return ScaleX(pixels, ScaleMode::Pixels, ContainerScaleMode());
}

double Container::PixelsToScaleY(double pixels) const {
    return ScaleY(pixels, ScaleMode::Pixels, ContainerScaleMode());
}

bool Container::RouteMouseToWindowless(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    bool press = IsPress(msg) || IsDoubleClick(msg);
    bool release = IsRelease(msg);
    if (msg != WM_MOUSEMOVE && !press && !release) return false;
    if (msg == WM_MOUSEMOVE && mouseOwner_) {
        // A move with no button down: the release of the press never came.
        windowlessClicks_.Move(hwnd, wParam);
        if (!windowlessClicks_.Pressed()) mouseOwner_ = nullptr;
    }
    // A release, or a move with a button down, that follows a press on the container
    // itself stays with the container.
    if (!mouseOwner_ && (release || (msg == WM_MOUSEMOVE && ButtonsDown(wParam)))) return false;

    WindowlessControl* target = (press || !mouseOwner_) ? WindowlessAt(pt) : mouseOwner_;
    if (!target) return false;
    // A disabled control leaves the mouse to its container.
    if (!target->EnabledInTree()) return false;

    RECT r = target->PixelRect();
    float x = static_cast<float>(PixelsToScaleX(pt.x - r.left));
    float y = static_cast<float>(PixelsToScaleY(pt.y - r.top));
    int16_t shift = ShiftState();
    if (press) {
        mouseOwner_ = target;
        windowlessClicks_.Press(hwnd, msg);
        if (IsDoubleClick(msg))
            target->DblClick();
        else
            target->MouseDown(ButtonOf(msg), shift, x, y);
    } else if (release) {
        bool click = windowlessClicks_.Release(hwnd, msg, PtInRect(&r, pt) != FALSE);
        if (!windowlessClicks_.Pressed()) mouseOwner_ = nullptr;
        target->MouseUp(ButtonOf(msg), shift, x, y);
        if (click) target->Click();
    } else {
        target->MouseMove(ButtonsDown(wParam), shift, x, y);
    }
    return true;
}

}  // namespace host
