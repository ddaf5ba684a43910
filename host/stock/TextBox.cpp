#include "host/stock/TextBox.h"

namespace host {

TextBox::TextBox(std::wstring name) : SystemControl(L"TextBox", std::move(name), kWindowBackground, kWindowText) {}

void TextBox::CreateControlWindow(HWND parent) {
    DWORD style = WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | ES_NOHIDESEL;
    style |= multiLine_ ? (ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN) : ES_AUTOHSCROLL;
    if (alignment_ == Alignment::Right) style |= ES_RIGHT;
    if (alignment_ == Alignment::Center) style |= ES_CENTER;
    if (scrollBars_ & 1) style |= WS_HSCROLL;
    if (scrollBars_ & 2) style |= WS_VSCROLL;
    if (locked_) style |= ES_READONLY;
    DWORD exStyle = 0;
    if (border_) {
        if (flat_) style |= WS_BORDER;
        else exStyle |= WS_EX_CLIENTEDGE;
    }
    CreateSystemWindow(L"EDIT", style, exStyle, parent, L"");
    if (maxLength_ > 0) SendMessageW(Handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TextBox::SetLocked(bool locked) {
    locked_ = locked;
    if (Handle()) SendMessageW(Handle(), EM_SETREADONLY, locked, 0);
}

void TextBox::SetMaxLength(int32_t length) {
    maxLength_ = length < 0 ? 0 : length;
    if (Handle()) SendMessageW(Handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
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

void TextBox::OnCommand(WORD code) {
    if (code == EN_CHANGE) Change();
}

void TextBox::SetDesignProperty(const std::wstring& key, const Variant& value) {
    if (SameName(key, L"Text")) SetText(value.ToString());
    else if (SameName(key, L"MultiLine")) SetMultiLine(value.ToBool());
    else if (SameName(key, L"Alignment")) SetAlignment(static_cast<Alignment>(value.ToInteger()));
    else if (SameName(key, L"BorderStyle")) SetBorder(value.ToInteger() != 0);
    else if (SameName(key, L"Appearance")) SetFlat(value.ToInteger() == 0);
    else if (SameName(key, L"ScrollBars")) SetScrollBars(value.ToInteger());
    else if (SameName(key, L"Locked")) SetLocked(value.ToBool());
    else if (SameName(key, L"MaxLength")) SetMaxLength(value.ToLong());
    else SystemControl::SetDesignProperty(key, value);
}

Variant TextBox::GetProperty(const std::wstring& name, const std::vector<Variant>& index) {
    if (SameName(name, L"Text")) return Variant(Text());
    return SystemControl::GetProperty(name, index);
}

void TextBox::LetProperty(const std::wstring& name, const Variant& value, const std::vector<Variant>& index) {
    if (SameName(name, L"Text") && index.empty()) SetText(value.ToString());
    else SystemControl::LetProperty(name, value, index);
}

}  // namespace host
