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

namespace {

// What a window is sent while it is placed, sized, styled and hidden: none of it
// reads or shows the text.
bool LeavesTextAlone(UINT msg, WPARAM wParam) {
    switch (msg) {
    case WM_SETFONT:
    case WM_WINDOWPOSCHANGING:
    case WM_WINDOWPOSCHANGED:
    case WM_MOVE:
    case WM_SIZE:
    case WM_NCCALCSIZE:
    case WM_GETMINMAXINFO:
    case WM_STYLECHANGING:
    case WM_STYLECHANGED:
    case WM_ENABLE:
    case WM_DESTROY:
    case WM_NCDESTROY: return true;
    case WM_SHOWWINDOW: return !wParam;
    default: return false;
    }
}

}  // namespace

void SystemControl::WindowCreated() {
    ApplyFont(font_);
    textWaiting_ = TextCanWait();
    if (!textWaiting_) SetWindowTextW(Handle(), pendingText_.c_str());
}

void SystemControl::GiveWaitingText() {
    textWaiting_ = false;
    SetWindowTextW(Handle(), pendingText_.c_str());
}

void SystemControl::SetBackColor(OleColor colour) {
    TranslateColor(colour);
    backColor_ = colour;
    brush_.Reset();
    if (Handle()) InvalidateShown(Handle(), nullptr, true);
}

void SystemControl::SetForeColor(OleColor colour) {
    TranslateColor(colour);
    foreColor_ = colour;
    if (Handle()) InvalidateShown(Handle(), nullptr, true);
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
    if (!Handle() || textWaiting_) return pendingText_;
    int n = GetWindowTextLengthW(Handle());
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    GetWindowTextW(Handle(), text.data(), n + 1);
    text.resize(static_cast<size_t>(n));
    return text;
}

void SystemControl::StoreWindowText(const std::wstring& text) {
    pendingText_ = text;
    textWaiting_ = Handle() && TextCanWait();
    if (Handle() && !textWaiting_) SetWindowTextW(Handle(), text.c_str());
}

LRESULT SystemControl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (textWaiting_ && !LeavesTextAlone(msg, wParam)) GiveWaitingText();
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
