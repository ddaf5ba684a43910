#include "host/stock/TextBox.h"

#include <windowsx.h>

#include "host/forms/Container.h"
#include "host/values/Error.h"
#include "host/windows/Mouse.h"

namespace host {

TextBox::TextBox(std::wstring name) : SystemControl(L"TextBox", std::move(name), kWindowBackground, kWindowText) {}

void TextBox::CreateControlWindow(const WindowPlace& place) {
    DWORD style = WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | ES_NOHIDESEL;
    style |= multiLine_ ? (ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN) : ES_AUTOHSCROLL;
    if (alignment_ == Alignment::Right) style |= ES_RIGHT;
    if (alignment_ == Alignment::Center) style |= ES_CENTER;
    if (scrollBars_ & 1) style |= WS_HSCROLL;
    if (scrollBars_ & 2) style |= WS_VSCROLL;
    if (locked_) style |= ES_READONLY;
    CreateSystemWindow(L"EDIT", style | border_.Style(), border_.ExStyle(), place, L"");
    if (maxLength_ > 0) SendMessageW(Handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TextBox::WindowCreated() {
    SystemControl::WindowCreated();
    tooltip_.Show(Handle(), toolTipText_);
}

void TextBox::SetLocked(bool locked) {
    locked_ = locked;
    if (Handle()) SendMessageW(Handle(), EM_SETREADONLY, locked, 0);
}

void TextBox::SetMaxLength(int32_t length) {
    if (length < 0) Raise(err::InvalidPropertyValue);
    maxLength_ = length;
    if (Handle()) SendMessageW(Handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TextBox::SetToolTipText(const std::wstring& text) {
    toolTipText_ = text;
    tooltip_.Show(Handle(), text);
}

int32_t TextBox::SelStart() const {
    DWORD start = 0, end = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int32_t>(start);
}

int32_t TextBox::SelLength() const {
    DWORD start = 0, end = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int32_t>(end - start);
}

void TextBox::SetSelection(int32_t start, int32_t length) {
    SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(start + length));
}

LRESULT TextBox::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    // The box moves the caret or selects first, so handlers see where it went.
    LRESULT result = SystemControl::WindowProc(msg, wParam, lParam);
    if (msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK) RaiseMouseEvent(msg, wParam, lParam);
    return result;
}

// A release over the box after a press on it is a click. The box captures the
// mouse itself while a button is down.
void TextBox::RaiseMouseEvent(UINT msg, WPARAM wParam, LPARAM lParam) {
    const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const auto x = static_cast<float>(GetContainer()->PixelsToScaleX(pt.x));
    const auto y = static_cast<float>(GetContainer()->PixelsToScaleY(pt.y));
    if (msg == WM_MOUSEMOVE) {
        clicks_.Move(Handle(), wParam);
        MouseMove(ButtonsDown(wParam), ShiftState(), x, y);
    } else if (IsPress(msg) || IsDoubleClick(msg)) {
        clicks_.Press(Handle(), msg);
        if (IsPress(msg)) MouseDown(ButtonOf(msg), ShiftState(), x, y);
    } else if (IsRelease(msg)) {
        RECT client;
        GetClientRect(Handle(), &client);
        const bool click = clicks_.Release(Handle(), msg, PtInRect(&client, pt) != FALSE);
        MouseUp(ButtonOf(msg), ShiftState(), x, y);
        if (click) Click();
    }
}

void TextBox::OnCommand(WORD code) {
    if (code == EN_CHANGE) Change();
}

void TextBox::SetDesignProperty(const std::wstring& key, const Variant& value) {
    if (SameName(key, L"Text"))
        SetText(value.ToString());
    else if (SameName(key, L"MultiLine"))
        SetMultiLine(value.ToBool());
    else if (SameName(key, L"Alignment"))
        SetAlignment(static_cast<Alignment>(value.ToInteger()));
    else if (SameName(key, L"BorderStyle"))
        SetBorder(value.ToInteger() != 0);
    else if (SameName(key, L"Appearance"))
        SetFlat(value.ToInteger() == 0);
    else if (SameName(key, L"ScrollBars"))
        SetScrollBars(value.ToInteger());
    else if (SameName(key, L"Locked"))
        SetLocked(value.ToBool());
    else if (SameName(key, L"MaxLength"))
        SetMaxLength(value.ToLong());
    else if (SameName(key, L"ToolTipText"))
        SetToolTipText(value.ToString());
    else if (SameName(key, L"DataField"))
        SetDataField(value.ToString());
    else
        SystemControl::SetDesignProperty(key, value);
}

Variant TextBox::GetProperty(const std::wstring& name, const std::vector<Variant>& index) {
    if (SameName(name, L"Text")) return Variant(Text());
    return SystemControl::GetProperty(name, index);
}

void TextBox::LetProperty(const std::wstring& name, const Variant& value, const std::vector<Variant>& index) {
    if (SameName(name, L"Text") && index.empty())
        SetText(value.ToString());
    else
        SystemControl::LetProperty(name, value, index);
}

}  // namespace host
