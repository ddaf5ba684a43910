#include "host/stock/SystemControl.h"

#include "host/forms/Container.h"
#include "host/forms/Form.h"
#include "host/stock/ColourKeys.h"

namespace host {

SystemControl::SystemControl(std::wstring kind, std::wstring name, OleColor back, OleColor fore)
    : WindowedControl(std::move(kind), std::move(name)), backColor_(back), foreColor_(fore) {}

void SystemControl::Attach(Container* container, bool constituent) {
    // Like every control placed on a form, it starts with the form's font.
    if (!font_) {
        Form* form = container->OwningForm();
        font_ = form && form->GetFont() ? form->GetFont()->Clone() : Font::Create();
    }
    WindowedControl::Attach(container, constituent);
}

void SystemControl::WindowCreated() {
    ApplyFont(font_);
    SetWindowTextW(Handle(), pendingText_.c_str());
}

void SystemControl::SetBackColor(OleColor colour) {
    TranslateColor(colour);
    backColor_ = colour;
    brush_.Reset();
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

void SystemControl::SetForeColor(OleColor colour) {
    TranslateColor(colour);
    foreColor_ = colour;
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

void SystemControl::SetFont(FontPtr font) {
    font_ = std::move(font);
    if (Handle()) ApplyFont(font_);
}

HBRUSH SystemControl::OnCtlColor(HDC dc) {
    if (!brush_) brush_ = gdi::SolidBrush(TranslateColor(backColor_));
    SetTextColor(dc, TranslateColor(foreColor_));
    SetBkColor(dc, TranslateColor(backColor_));
    return brush_;
}

std::wstring SystemControl::ReadWindowText() const {
    if (!Handle()) return pendingText_;
    int n = GetWindowTextLengthW(Handle());
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    GetWindowTextW(Handle(), text.data(), n + 1);
    text.resize(static_cast<size_t>(n));
    return text;
}

void SystemControl::StoreWindowText(const std::wstring& text) {
    pendingText_ = text;
    if (Handle()) SetWindowTextW(Handle(), text.c_str());
}

LRESULT SystemControl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SETFOCUS: {
        // GotFocus follows the ExitFocus of a user control the focus came from.
        LRESULT result = WindowedControl::WindowProc(msg, wParam, lParam);
        GotFocus();
        return result;
    }
    case WM_KILLFOCUS: LostFocus(); break;
    case WM_KEYDOWN: KeyDown(static_cast<int16_t>(wParam), ShiftState()); break;
    case WM_KEYUP: KeyUp(static_cast<int16_t>(wParam), ShiftState()); break;
    case WM_CHAR: KeyPress(static_cast<int16_t>(wParam)); break;
    default: break;
    }
    return WindowedControl::WindowProc(msg, wParam, lParam);
}

void SystemControl::SetDesignProperty(const std::wstring& key, const Variant& value) {
    if (SetColourOrFontKey(*this, key, value)) return;
    WindowedControl::SetDesignProperty(key, value);
}

}  // namespace host
