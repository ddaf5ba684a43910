#include "host/forms/Form.h"

#include <algorithm>
#include <functional>

#include "host/values/Gdi.h"
#include "host/windows/Pump.h"

namespace host {

namespace {
std::vector<Form*> forms;

void Collect(const Container& container, std::vector<Control*>& out) {
    for (auto& child : container.Children()) {
        if (child->IsConstituent()) continue;
        out.push_back(child.get());
        if (auto* inner = dynamic_cast<const Container*>(child.get())) Collect(*inner, out);
    }
}

// Every control that can hold the focus: placed controls and the constituents of
// user controls, which tab along with their user control.
void CollectFocusable(const Container& container, std::vector<Control*>& out) {
    for (auto& child : container.Children()) {
        if (child->CanTakeFocus()) out.push_back(child.get());
        if (auto* inner = dynamic_cast<const Container*>(child.get())) CollectFocusable(*inner, out);
    }
}

Control* FindIn(const Container& container, const std::function<bool(const Control&)>& match) {
    for (auto& child : container.Children()) {
        if (match(*child)) return child.get();
        if (auto* inner = dynamic_cast<const Container*>(child.get()))
            if (Control* found = FindIn(*inner, match)) return found;
    }
    return nullptr;
}
}  // namespace

const std::vector<Form*>& OpenForms() { return forms; }

Form::Form(std::wstring name, BorderStyle border) : name_(std::move(name)), border_(border) {
    SetFont(Font::Create());
    CreateOwnWindow(window_class::Form(), FrameStyle(), WS_EX_CONTROLPARENT, WindowPlace{}, name_.c_str());
    forms.push_back(this);
    SetMessageFilter(RouteFormKeyboard);
    OnCloseRequest = [this] {
        Hide();
        if (std::none_of(forms.begin(), forms.end(), [](Form* f) { return IsWindowVisible(f->Handle()); }))
            PostQuitMessage(0);
    };
}

Form::~Form() {
    forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
    DestroyChildren();
    DestroyOwnedWindow();
}

std::wstring Form::Caption() const {
    int n = GetWindowTextLengthW(Handle());
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    GetWindowTextW(Handle(), text.data(), n + 1);
    text.resize(static_cast<size_t>(n));
    return text;
}

void Form::SetCaption(const std::wstring& caption) { SetWindowTextW(Handle(), caption.c_str()); }

void Form::SetBorderStyle(BorderStyle style) {
    border_ = style;
    ApplyStyle();
}

void Form::SetMaxButton(bool on) {
    maxButton_ = on;
    ApplyStyle();
}

void Form::SetMinButton(bool on) {
    minButton_ = on;
    ApplyStyle();
}

DWORD Form::FrameStyle() const {
    DWORD style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;  // the system clips every top-level window's siblings
    switch (border_) {
    case BorderStyle::None: style |= WS_POPUP; break;
    case BorderStyle::FixedSingle: style |= WS_CAPTION | WS_SYSMENU | WS_BORDER; break;
    case BorderStyle::Sizable: style |= WS_OVERLAPPEDWINDOW & ~(WS_MAXIMIZEBOX | WS_MINIMIZEBOX); break;
    case BorderStyle::FixedDialog: style |= WS_CAPTION | WS_SYSMENU | WS_DLGFRAME; break;
    case BorderStyle::FixedToolWindow:
    case BorderStyle::SizableToolWindow: style |= WS_CAPTION | WS_SYSMENU; break;
    }
    if (border_ != BorderStyle::None) {
        if (maxButton_) style |= WS_MAXIMIZEBOX;
        if (minButton_) style |= WS_MINIMIZEBOX;
    }
    return style;
}

void Form::ApplyStyle() {
    const auto current = static_cast<DWORD>(GetWindowLongW(Handle(), GWL_STYLE));
    const DWORD style = FrameStyle() | (current & WS_VISIBLE);
    // Each change of frame is a round trip to the window system: a setting that
    // leaves the style as it is (a maximize button without a border) changes nothing.
    if (current == style) return;
    RECT client;
    GetClientRect(Handle(), &client);
    SetWindowLongW(Handle(), GWL_STYLE, static_cast<LONG>(style));
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    SetClientSize(PixelsToTwipsX(client.right), PixelsToTwipsY(client.bottom));
}

void Form::SetClientSize(double widthTwips, double heightTwips) {
    RECT r{0, 0, TwipsToPixelsX(widthTwips), TwipsToPixelsY(heightTwips)};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongW(Handle(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(Handle(), GWL_EXSTYLE)));
    const SIZE size{r.right - r.left, r.bottom - r.top};
    // A hidden form that opens centred goes there in the same call.
    const bool centre = centred_ && !IsWindowVisible(Handle());
    const POINT at = centre ? CentredOrigin(size) : POINT{};
    SetWindowPos(Handle(), nullptr, at.x, at.y, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | (centre ? 0 : SWP_NOMOVE));
}

void Form::SetIcon(PicturePtr icon) {
    icon_ = std::move(icon);
    LPARAM handle = icon_ && icon_->Type() == PictureType::Icon ? static_cast<LPARAM>(icon_->Handle()) : 0;
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, handle);
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, handle);
}

POINT Form::CentredOrigin(SIZE size) {
    return POINT{(GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2, (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2};
}

void Form::CenterOnScreen() {
    RECT w;
    GetWindowRect(Handle(), &w);
    const POINT at = CentredOrigin(SIZE{w.right - w.left, w.bottom - w.top});
    if (at.x == w.left && at.y == w.top) return;  // sized there already
    SetWindowPos(Handle(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::Show() {
    if (centred_ && !IsWindowVisible(Handle())) CenterOnScreen();
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    // Activation leaves the focus on the form's own window: it goes on to the first control.
    HWND focus = GetFocus();
    if (!focus || focus == Handle() || GetAncestor(focus, GA_ROOT) != Handle())
        if (Control* first = NextTabStop(nullptr, true)) SetFocus(first->Hwnd());
    UpdateWindow(Handle());
}

void Form::Hide() { ShowWindow(Handle(), SW_HIDE); }

std::vector<Control*> Form::Controls() const {
    std::vector<Control*> all;
    Collect(*this, all);
    return all;
}

Control* Form::FindControl(std::wstring_view name, int16_t index) const {
    return FindIn(
        *this, [&](const Control& c) { return !c.IsConstituent() && SameName(c.Name(), name) && c.Index() == index; });
}

Control* Form::ControlOfWindow(HWND hwnd) const {
    for (HWND h = hwnd; h && h != Handle(); h = GetParent(h))
        if (Control* c = FindIn(*this, [h](const Control& c) { return c.Hwnd() == h; })) return c;
    return nullptr;
}

std::vector<Control*> Form::TabOrder() const {
    std::vector<Control*> order;
    CollectFocusable(*this, order);
    std::stable_sort(order.begin(), order.end(), [](Control* a, Control* b) {
        // Constituents tab with their user control, in their own tab order.
        auto owner = [](Control* c) {
            while (c->IsConstituent() && c->GetContainer()->AsControl()) c = c->GetContainer()->AsControl();
            return c;
        };
        Control* oa = owner(a);
        Control* ob = owner(b);
        if (oa != ob) return oa->TabIndex() < ob->TabIndex();
        return a->TabIndex() < b->TabIndex();
    });
    return order;
}

Control* Form::NextTabStop(const Control* from, bool forward) const {
    auto order = TabOrder();
    if (order.empty()) return nullptr;
    auto it = std::find(order.begin(), order.end(), from);
    if (it == order.end()) return forward ? order.front() : order.back();
    size_t i = static_cast<size_t>(it - order.begin());
    size_t n = order.size();
    return order[forward ? (i + 1) % n : (i + n - 1) % n];
}

Control* Form::ControlWithAccessKey(wchar_t key) const {
    return FindIn(*this, [key](const Control& c) { return c.AccessKey() == key && c.EnabledInTree() && c.Showing(); });
}

void Form::Paint() {
    PaintWindow(Handle(), [this](HDC dc, const RECT& client) { PaintBackground(dc, client); });
}

LRESULT Form::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SIZE: SurfaceResized(); break;
    case WM_CLOSE:
        if (OnCloseRequest) OnCloseRequest();
        return 0;
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE: MouseCaptureLost(); break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE)
            lastFocus_ = GetFocus();
        else if (lastFocus_ && IsWindow(lastFocus_)) {
            SetFocus(lastFocus_);
            return 0;
        }
        break;
    default:
        if (msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK && RouteMouseToWindowless(Handle(), msg, wParam, lParam))
            return 0;
        break;
    }
    return WindowOwner::WindowProc(msg, wParam, lParam);
}

}  // namespace host
