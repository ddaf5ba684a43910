// The frame's property bag and its first settings.
#include "controls/Frame/Frame.h"
#include "controls/Frame/FrameLook.h"
#include "host/forms/PropertyTable.h"

namespace controls {

using namespace frame_look;

void Frame::OnInitProperties() {
    SetEnabled(true);
    SetCaption(Ambient().DisplayName);
    SetFont(Ambient().Font);
}

// Each key goes through its property, so every side effect of setting it happens.
void Frame::OnReadProperties(const host::PropertyBag& bag) {
    SetEnabled(bag.ReadProperty(L"Enabled", host::Variant::Bool(true)).ToBool());
    SetFont(bag.ReadProperty(L"Font", Ambient().Font).ToFont());
    SetCaption(bag.ReadProperty(L"Caption", kInitialCaption).ToString());
    SetIcon(bag.ReadProperty(L"Icon", img_->GetPicture()).ToPicture());
    SetForeColor(static_cast<host::OleColor>(bag.ReadProperty(L"ForeColor", host::Variant::Lng(0)).ToLong()));
}

// No picture equals the text default, so "Icon" is always stored; a frame
// without an icon stores an empty picture.
void Frame::OnWriteProperties(host::PropertyBag& bag) {
    bag.WriteProperty(L"Caption", Caption(), kInitialCaption);
    bag.WriteProperty(L"Enabled", host::Variant::Bool(Enabled()), host::Variant::Bool(true));
    bag.WriteProperty(L"Icon", icon_ ? icon_ : host::LoadPicture(), L"");
    bag.WriteProperty(L"Font", font_, Ambient().Font);
    bag.WriteProperty(L"ForeColor", host::Variant::Lng(static_cast<int32_t>(foreColor_)), host::Variant::Lng(0));
}

const host::PublishedProperties* Frame::Published() const {
    using Table = host::PropertyTable<Frame>;
    static const Table table{{
        Table::Accessor(L"Font", L"Returns/sets the font of the caption", &Frame::Font, &Frame::SetFont),
        Table::Accessor(L"ForeColor", L"Returns/sets the colour of the caption", &Frame::ForeColor,
                        &Frame::SetForeColor),
        Table::Accessor(L"Icon", L"Returns/sets the picture before the caption", &Frame::Icon, &Frame::SetIcon),
        Table::Accessor(L"Caption", L"Returns/sets the text in the frame's top edge", &Frame::Caption,
                        &Frame::SetCaption),
        Table::Accessor(L"Enabled", L"Returns/sets whether the frame and what it holds take the user's input",
                        &Frame::Enabled, &Frame::SetEnabled),
    }};
    return &table;
}

}  // namespace controls
