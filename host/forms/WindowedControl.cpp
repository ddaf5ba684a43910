#include "host/forms/WindowedControl.h"

#include <cmath>

#include "host/forms/Container.h"
#include "host/values/Gdi.h"

namespace host {

WindowedControl::~WindowedControl() {
    if (font_) font_->Unsubscribe(fontToken_);
    DestroyOwnedWindow();
    if (hfont_) {
        DeleteObject(hfont_);
        gdi::detail::Deleted();
    }
}

bool WindowedControl::CanTakeFocus() const {
    return Handle() && TabStop() && Showing() && EnabledInTree();
}

void WindowedControl::SetEnabled(bool enabled) {
    Control::SetEnabled(enabled);
    if (Handle()) EnableWindow(Handle(), enabled);
}

void WindowedControl::SetFocus() {
    if (Handle()) ::SetFocus(Handle());
}

void WindowedControl::Attach(Container* container, bool constituent) {
    Control::Attach(container, constituent);
    CreateControlWindow(container->ContainerHwnd());
    EnableWindow(Handle(), Enabled());
    PlaceChanged();
    VisibilityChanged();
}

void WindowedControl::PlaceChanged() {
    if (!Handle()) return;
    RECT r = PixelRect();
    SetWindowPos(Handle(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowedControl::VisibilityChanged() {
    if (Handle()) ShowWindow(Handle(), Visible() ? SW_SHOWNA : SW_HIDE);
}

void WindowedControl::ApplyFont(const FontPtr& font) {
    if (font_) font_->Unsubscribe(fontToken_);
    font_ = font;
    if (font_) fontToken_ = font_->Subscribe([this](const std::wstring&) { FontAttributesChanged(); });
    FontAttributesChanged();
}

void WindowedControl::SetFontFromDesign(const Variant& value, FontPtr& field) {
    field = value.ToFont();
    ApplyFont(field);
}

void WindowedControl::FontAttributesChanged() {
    HFONT old = hfont_;
    hfont_ = font_ ? CreateFontFor(*font_) : nullptr;
    gdi::detail::Created(hfont_);
    if (Handle()) SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(hfont_), TRUE);
    if (old) {
        DeleteObject(old);
        gdi::detail::Deleted();
    }
}

}  // namespace host
