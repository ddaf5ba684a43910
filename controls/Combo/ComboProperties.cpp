// The combo box's properties and its property bag. Each setter applies the value
// to its part, then announces it.
#include "controls/Combo/Combo.h"
#include "host/forms/PropertyTable.h"
#include "host/values/Error.h"

namespace controls {

using namespace combo_look;

namespace {

host::Variant Colour(host::OleColor colour) { return host::Variant::Lng(static_cast<int32_t>(colour)); }
host::OleColor ColourOf(const host::Variant& value) { return static_cast<host::OleColor>(value.ToLong()); }

constexpr int16_t kNoItem = -1;

std::wstring ItemKey(int16_t index) { return L"List" + std::to_wstring(index); }

}  // namespace

void Combo::SetTEXT(const std::wstring& text) {
    txtData_->SetText(text);
    PropertyChanged(L"Text");
}

void Combo::AddItem(const std::wstring& item, std::optional<int32_t> index) {
    if (index && *index < 0) host::Raise(host::err::InvalidProcedureCall);
    combo1_->AddItem(item, index.value_or(-1));
}

void Combo::ApplyBackColor(host::OleColor colour) {
    txtData_->SetBackColor(colour);
    backMain_->SetBackColor(colour);
}

void Combo::SetBackColor(host::OleColor colour) {
    ApplyBackColor(colour);
    PropertyChanged(L"BackColor");
}

void Combo::Clear() { combo1_->Clear(); }

void Combo::SetFont(host::FontPtr font) {
    if (!font) host::Raise(host::err::ObjectNotSet);
    txtData_->SetFont(std::move(font));
    ResizeParts();
    PropertyChanged(L"Font");
}

void Combo::SetForeColor(host::OleColor colour) {
    txtData_->SetForeColor(colour);
    PropertyChanged(L"ForeColor");
}

int16_t Combo::ListIndex() const { return static_cast<int16_t>(combo1_->ListIndex()); }

// Choosing runs the list's Click, which puts the item's text in the field.
void Combo::SetListIndex(int16_t index) {
    combo1_->SetListIndex(index);
    ShowChosenItem();
    PropertyChanged(L"ListIndex");
}

int16_t Combo::ListCount() const { return static_cast<int16_t>(combo1_->ListCount()); }

void Combo::SetLocked(bool locked) {
    txtData_->SetLocked(locked);
    PropertyChanged(L"Locked");
}

void Combo::SetMaxLength(int32_t length) {
    txtData_->SetMaxLength(length);
    PropertyChanged(L"MaxLength");
}

void Combo::SetToolTipText(const std::wstring& text) {
    txtData_->SetToolTipText(text);
    PropertyChanged(L"ToolTipText");
}

void Combo::SetFieldName(const std::wstring& name) {
    txtData_->SetDataField(name);
    PropertyChanged(L"FieldName");
}

void Combo::SetEnabled(bool enabled) {
    enabledFlag_ = enabled;
    PropertyChanged(L"Enabled");
    txtData_->SetEnabled(enabled);
    host::UserControl::SetEnabled(enabled);
    if (enabled)
        ResetPic();
    else
        Show(kDisabled);
    shapeBorder_->SetBorderColor(enabled ? kOutline : kDisabledOutline);
}

// The list's items, kept so that design data can give a combo box its items:
// "ListCount", then "List0", "List1", …, stored only when there are items, just
// before the index that names one of them.
void Combo::ReadItems(const host::PropertyBag& bag) {
    const int16_t count = bag.ReadProperty(L"ListCount", host::Variant::Int(0)).ToInteger();
    if (count <= 0) return;
    combo1_->Clear();
    for (int16_t i = 0; i < count; ++i) combo1_->AddItem(bag.ReadProperty(ItemKey(i), host::Variant(L"")).ToString());
}

void Combo::WriteItems(host::PropertyBag& bag) const {
    const int16_t count = ListCount();
    bag.WriteProperty(L"ListCount", host::Variant::Int(count), host::Variant::Int(0));
    for (int16_t i = 0; i < count; ++i) bag.WriteProperty(ItemKey(i), combo1_->List(i), host::Variant(L""));
}

// A stored index that names no item (of the stored list, or of one filled
// before loading) is left at none rather than refused.
void Combo::OnReadProperties(const host::PropertyBag& bag) {
    txtData_->SetText(bag.ReadProperty(L"Text", kInitialText).ToString());
    ApplyBackColor(ColourOf(bag.ReadProperty(L"BackColor", Colour(kFieldBack))));
    const host::FontPtr ambient = Ambient().Font;
    const host::FontPtr font = bag.ReadProperty(L"Font", ambient).ToFont();
    txtData_->SetFont(font ? font : ambient);
    txtData_->SetForeColor(ColourOf(bag.ReadProperty(L"ForeColor", Colour(kFieldFore))));
    ReadItems(bag);
    const int16_t index = bag.ReadProperty(L"ListIndex", host::Variant::Int(kNoItem)).ToInteger();
    if (index >= 0 && index < ListCount()) combo1_->SetListIndex(index);
    txtData_->SetLocked(bag.ReadProperty(L"Locked", host::Variant::Bool(false)).ToBool());
    txtData_->SetMaxLength(bag.ReadProperty(L"MaxLength", host::Variant::Int(0)).ToLong());
    txtData_->SetToolTipText(bag.ReadProperty(L"ToolTipText", L"").ToString());
    txtData_->SetDataField(bag.ReadProperty(L"FieldName", L"").ToString());
    ResizeParts();
    // The reported value only: the parts, the button and the outline stay as they are.
    enabledFlag_ = bag.ReadProperty(L"Enabled", host::Variant::Bool(false)).ToBool();
}

void Combo::OnWriteProperties(host::PropertyBag& bag) {
    bag.WriteProperty(L"Text", TEXT(), kInitialText);
    bag.WriteProperty(L"BackColor", Colour(BackColor()), Colour(kFieldBack));
    bag.WriteProperty(L"Font", Font(), Ambient().Font);
    bag.WriteProperty(L"ForeColor", Colour(ForeColor()), Colour(kFieldFore));
    WriteItems(bag);
    bag.WriteProperty(L"ListIndex", host::Variant::Int(ListIndex()), host::Variant::Int(kNoItem));
    bag.WriteProperty(L"Locked", host::Variant::Bool(Locked()), host::Variant::Bool(false));
    bag.WriteProperty(L"MaxLength", host::Variant::Lng(MaxLength()), host::Variant::Int(0));
    bag.WriteProperty(L"ToolTipText", ToolTipText(), L"");
    bag.WriteProperty(L"FieldName", FieldName(), L"");
    bag.WriteProperty(L"Enabled", host::Variant::Bool(enabledFlag_), host::Variant::Bool(false));
}

const host::PublishedProperties* Combo::Published() const {
    using Table = host::PropertyTable<Combo>;
    static const Table table{{
        Table::Accessor(L"TEXT", L"Returns/sets the text in the field", &Combo::TEXT, &Combo::SetTEXT),
        Table::Accessor(L"BackColor", L"Returns/sets the background colour of the field", &Combo::BackColor,
                        &Combo::SetBackColor),
        Table::Accessor(L"Font", L"Returns/sets the font of the field", &Combo::Font, &Combo::SetFont),
        Table::Accessor(L"ForeColor", L"Returns/sets the colour of the field's text", &Combo::ForeColor,
                        &Combo::SetForeColor),
        Table::Accessor(L"hwnd", L"Returns the handle of the control's window", &Combo::hwnd),
        Table::Accessor(L"ListIndex", L"Returns/sets the chosen item (-1: none)", &Combo::ListIndex,
                        &Combo::SetListIndex),
        Table::Accessor(L"ListCount", L"Returns the number of items in the list", &Combo::ListCount),
        Table::Accessor(L"Locked", L"Returns/sets whether the field's text cannot be edited", &Combo::Locked,
                        &Combo::SetLocked),
        Table::Accessor(L"MaxLength", L"Returns/sets the longest text the field takes (0: no limit)", &Combo::MaxLength,
                        &Combo::SetMaxLength),
        Table::Accessor(L"ToolTipText", L"Returns/sets the tip shown when the mouse rests on the field",
                        &Combo::ToolTipText, &Combo::SetToolTipText),
        Table::Accessor(L"FieldName", L"Returns/sets the name of the data field the text is bound to",
                        &Combo::FieldName, &Combo::SetFieldName),
        Table::Accessor(L"Enabled", L"Returns/sets whether the control takes the user's input", &Combo::Enabled,
                        &Combo::SetEnabled),
    }};
    return &table;
}

}  // namespace controls
