#include "host/stock/ListControls.h"

#include "host/values/Error.h"

namespace host {

void ItemList::AddItem(const std::wstring& item, int32_t index) {
    if (index < -1 || index > ListCount()) Raise(err::InvalidProcedureCall);
    if (index == -1)
        SendMessageW(Handle(), Msg().add, 0, reinterpret_cast<LPARAM>(item.c_str()));
    else
        SendMessageW(Handle(), Msg().insert, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item.c_str()));
}

void ItemList::RemoveItem(int32_t index) {
    if (index < 0 || index >= ListCount()) Raise(err::InvalidProcedureCall);
    SendMessageW(Handle(), Msg().remove, static_cast<WPARAM>(index), 0);
}

void ItemList::Clear() { SendMessageW(Handle(), Msg().reset, 0, 0); }

int32_t ItemList::ListCount() const { return static_cast<int32_t>(SendMessageW(Handle(), Msg().count, 0, 0)); }

std::wstring ItemList::List(int32_t index) const {
    if (index < 0 || index >= ListCount()) return {};
    auto n = SendMessageW(Handle(), Msg().textLength, static_cast<WPARAM>(index), 0);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    SendMessageW(Handle(), Msg().text, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(n));
    return text;
}

void ItemList::SetList(int32_t index, const std::wstring& item) {
    if (index < 0 || index >= ListCount()) Raise(err::InvalidProcedureCall);
    int32_t selected = ListIndex();
    SendMessageW(Handle(), Msg().remove, static_cast<WPARAM>(index), 0);
    SendMessageW(Handle(), Msg().insert, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item.c_str()));
    if (selected == index) SendMessageW(Handle(), Msg().setSel, static_cast<WPARAM>(index), 0);
}

int32_t ItemList::ListIndex() const { return static_cast<int32_t>(SendMessageW(Handle(), Msg().getSel, 0, 0)); }

void ItemList::SetListIndex(int32_t index) {
    if (index < -1 || index >= ListCount()) Raise(err::InvalidPropertyValue);
    SendMessageW(Handle(), Msg().setSel, static_cast<WPARAM>(index), 0);
    Click();  // setting the index selects as the user would
}

void ItemList::OnCommand(WORD code) {
    if (code == Msg().selChange) Click();
}

void ItemList::SetDesignProperty(const std::wstring& key, const Variant& value) {
    if (SameName(key, L"ListIndex"))
        SetListIndex(value.ToLong());
    else
        SystemControl::SetDesignProperty(key, value);
}

Variant ItemList::GetProperty(const std::wstring& name, const std::vector<Variant>& index) {
    if (SameName(name, L"ListCount")) return Variant::Lng(ListCount());
    if (SameName(name, L"ListIndex")) return Variant::Lng(ListIndex());
    if (SameName(name, L"List") && index.size() == 1) return Variant(List(index[0].ToLong()));
    return SystemControl::GetProperty(name, index);
}

void ItemList::LetProperty(const std::wstring& name, const Variant& value, const std::vector<Variant>& index) {
    if (SameName(name, L"List") && index.size() == 1)
        SetList(index[0].ToLong(), value.ToString());
    else if (SameName(name, L"ListIndex") && index.empty())
        SetListIndex(value.ToLong());
    else
        SystemControl::LetProperty(name, value, index);
}

ComboBox::ComboBox(std::wstring name) : ItemList(L"ComboBox", std::move(name), kWindowBackground, kWindowText) {}

const ItemList::Messages& ComboBox::Msg() const {
    static const Messages m{CB_ADDSTRING,    CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT, CB_GETCOUNT,
                            CB_GETLBTEXTLEN, CB_GETLBTEXT,    CB_GETCURSEL,    CB_SETCURSEL,    CBN_SELCHANGE};
    return m;
}

void ComboBox::CreateControlWindow(const WindowPlace& place) {
    DWORD kind = style_ == Style::Simple ? CBS_SIMPLE : style_ == Style::DropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN;
    CreateSystemWindow(L"COMBOBOX", WS_CHILD | WS_TABSTOP | WS_VSCROLL | WS_CLIPSIBLINGS | CBS_AUTOHSCROLL | kind, 0,
                       place, L"");
}

RECT ComboBox::WindowRect() const {
    // The window's height includes the dropped-down list; the field's height
    // follows the font.
    constexpr int kListHeight = 160;
    RECT r = PixelRect();
    if (style_ != Style::Simple) r.bottom += kListHeight;
    return r;
}

bool ComboBox::DroppedDown() const { return SendMessageW(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0; }

void ComboBox::ShowDropDown(bool show) { SendMessageW(Handle(), CB_SHOWDROPDOWN, show, 0); }

void ComboBox::OnCommand(WORD code) {
    if (code == CBN_EDITCHANGE)
        Change();
    else if (code == CBN_DROPDOWN)
        DropDown();
    else {
        // The system reports a picked item before its field shows it (the field
        // still holds the text from before), so Click handlers would read a stale
        // Text; the field takes the item's text first.
        if (code == CBN_SELCHANGE && ListIndex() >= 0) StoreWindowText(List(ListIndex()));
        ItemList::OnCommand(code);
    }
}

void ComboBox::SetDesignProperty(const std::wstring& key, const Variant& value) {
    if (SameName(key, L"Text"))
        SetText(value.ToString());
    else if (SameName(key, L"Style"))
        SetStyle(static_cast<Style>(value.ToInteger()));
    else
        ItemList::SetDesignProperty(key, value);
}

ListBox::ListBox(std::wstring name) : ItemList(L"ListBox", std::move(name), kWindowBackground, kWindowText) {}

const ItemList::Messages& ListBox::Msg() const {
    static const Messages m{LB_ADDSTRING,  LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT, LB_GETCOUNT,
                            LB_GETTEXTLEN, LB_GETTEXT,      LB_GETCURSEL,    LB_SETCURSEL,    LBN_SELCHANGE};
    return m;
}

void ListBox::CreateControlWindow(const WindowPlace& place) {
    CreateSystemWindow(L"LISTBOX",
                       WS_CHILD | WS_TABSTOP | WS_VSCROLL | WS_CLIPSIBLINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                       WS_EX_CLIENTEDGE, place, L"");
}

void ListBox::OnCommand(WORD code) {
    if (code == LBN_DBLCLK)
        DblClick();
    else
        ItemList::OnCommand(code);
}

}  // namespace host
