#include "host/forms/WindowedControl.h"

#include <cmath>

#include "host/forms/Container.h"
#include "host/values/Breakdown.h"

namespace host {

// The window goes before the font it uses.
WindowedControl::~WindowedControl() { DestroyOwnedWindow(); }

bool WindowedControl::CanTakeFocus() const { return Handle() && TabStop() && Showing() && EnabledInTree(); }

void WindowedControl::SetEnabled(bool enabled) {
    Control::SetEnabled(enabled);
    if (Handle()) EnableWindow(Handle(), enabled);
}

void WindowedControl::SetFocus() {
    if (Handle()) ::SetFocus(Handle());
}

void WindowedControl::Attach(Container* container, bool constituent) {
    Control::Attach(container, constituent);
    if (container->ContainerHwnd() && WindowWanted()) CreateWindowInContainer();
}

void WindowedControl::ContainerWindowCreated() {
    if (!Handle() && WindowWanted()) CreateWindowInContainer();
}

void WindowedControl::CreateWindowInContainer() {
    breakdown::Scope counted(breakdown::Work::Windows);
    placed_ = WindowRect();
    CreateControlWindow({GetContainer()->ContainerHwnd(), placed_,
                         static_cast<DWORD>((Visible() ? WS_VISIBLE : 0) | (Enabled() ? 0 : WS_DISABLED))});
    WindowCreated();
    if (auto* self = dynamic_cast<Container*>(this)) self->CreateChildWindows();
}

void WindowedControl::CreateContainerWindow(const WindowPlace& place, DWORD style, DWORD exStyle) {
    CreateOwnWindow(window_class::Container(), kContainerStyle | style, WS_EX_CONTROLPARENT | exStyle, place,
                    Name().c_str());
}

void WindowedControl::PlaceChanged() {
    if (!Handle()) return;
    const RECT r = WindowRect();
    if (EqualRect(&r, &placed_)) return;
    placed_ = r;
    SetWindowPos(Handle(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowedControl::VisibilityChanged() {
    if (Handle()) {
        ShowWindow(Handle(), Visible() ? SW_SHOWNA : SW_HIDE);
    } else if (Visible() && GetContainer() && GetContainer()->ContainerHwnd()) {
        CreateWindowInContainer();  // one that waited while hidden
        GetContainer()->StackInPlace(*this);
    }
}

void WindowedControl::ApplyFont(const FontPtr& font) {
    font_ = font;
    fontChanges_ = font_ ? font_->Subscribe([this](const std::wstring&) { FontAttributesChanged(); }) : Connection();
    FontAttributesChanged();
}

void WindowedControl::SetFontFromDesign(const Variant& value, FontPtr& field) {
    field = value.ToFont();
    ApplyFont(field);
}

void WindowedControl::FontAttributesChanged() {
    breakdown::Scope counted(breakdown::Work::Fonts);
    gdi::FontHandle font = font_ ? gdi::FontHandle(CreateFontFor(*font_)) : gdi::FontHandle();
    if (Handle()) SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
    hfont_ = std::move(font);  // the old one goes once the window no longer uses it
}

}  // namespace host
