// The option button's property bag and its first settings.
#include "controls/Options/Options.h"
#include "controls/Options/OptionsLook.h"
#include "host/forms/PropertyTable.h"

namespace controls {

using namespace options_look;

namespace {

host::Variant Colour(host::OleColor colour) { return host::Variant::Lng(static_cast<int32_t>(colour)); }

}  // namespace

void Options::OnInitProperties() {
    SetCaption(Ambient().DisplayName);
    SetEnabled(true);
    SetValue(false);
    SetFont(Ambient().Font);
    SetBackColor(kDefaultBackColor);
    SetForeColor(kDefaultForeColor);
}

// Each key goes through its property, so every side effect of setting it happens.
// A caption absent from the bag is the first caption a new button shows, and the
// writer leaves out exactly that caption, so every caption comes back.
void Options::OnReadProperties(const host::PropertyBag& bag) {
    SetEnabled(bag.ReadProperty(L"Enabled", host::Variant::Bool(true)).ToBool());
    SetValue(bag.ReadProperty(L"Value", host::Variant::Bool(false)).ToBool());
    SetGroup(bag.ReadProperty(L"Group", host::Variant::Bool(false)).ToBool());
    SetFont(bag.ReadProperty(L"Font", Ambient().Font).ToFont());
    SetCaption(bag.ReadProperty(L"Caption", kDefaultCaption).ToString());
    SetBackColor(static_cast<host::OleColor>(bag.ReadProperty(L"BackColor", Colour(kDefaultBackColor)).ToLong()));
    SetForeColor(static_cast<host::OleColor>(bag.ReadProperty(L"ForeColor", Colour(kDefaultForeColor)).ToLong()));
    SetIcon(bag.ReadProperty(L"Icon", image1_->GetPicture()).ToPicture());
}

// No picture equals the text default, so "Icon" is always stored; a button
// without an icon stores an empty picture.
void Options::OnWriteProperties(host::PropertyBag& bag) {
    bag.WriteProperty(L"Enabled", host::Variant::Bool(Enabled()), host::Variant::Bool(true));
    bag.WriteProperty(L"Value", host::Variant::Bool(value_), host::Variant::Bool(false));
    bag.WriteProperty(L"Group", host::Variant::Bool(group_), host::Variant::Bool(false));
    bag.WriteProperty(L"Font", font_, Ambient().Font);
    bag.WriteProperty(L"Caption", Caption(), kDefaultCaption);
    bag.WriteProperty(L"BackColor", Colour(backColor_), Colour(kDefaultBackColor));
    bag.WriteProperty(L"ForeColor", Colour(foreColor_), Colour(kDefaultForeColor));
    bag.WriteProperty(L"Icon", icon_ ? icon_ : host::LoadPicture(), L"");
}

const host::PublishedProperties* Options::Published() const {
    using Table = host::PropertyTable<Options>;
    static const Table table{{
        Table::Accessor(L"Enabled", L"Returns/sets whether the option button takes the user's input", &Options::Enabled,
                        &Options::SetEnabled),
        Table::Accessor(L"Group", L"Returns whether the button belongs to the second group of its container",
                        &Options::Group),
        Table::Accessor(L"Value", L"Returns/sets whether the option button is selected", &Options::Value,
                        &Options::SetValue),
        Table::Accessor(L"Font", L"Returns/sets the font of the caption", &Options::Font, &Options::SetFont),
        Table::Accessor(L"Caption", L"Returns/sets the text beside the button", &Options::Caption,
                        &Options::SetCaption),
        Table::Accessor(L"BackColor", L"Returns/sets the background colour", &Options::BackColor,
                        &Options::SetBackColor),
        Table::Accessor(L"ForeColor", L"Returns/sets the colour of the caption", &Options::ForeColor,
                        &Options::SetForeColor),
        Table::Accessor(L"Icon", L"Returns/sets the picture between the button and its caption", &Options::Icon,
                        &Options::SetIcon),
    }};
    return &table;
}

}  // namespace controls
