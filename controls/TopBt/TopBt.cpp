#include "controls/TopBt/TopBt.h"
#include "host/forms/PropertyTable.h"

#include <memory>

#include "Artwork.h"
#include "host/forms/FormBuilder.h"
#include "host/forms/PublishedEvents.h"

namespace controls {

namespace {

// 19 pixels at 15 twips a pixel, whatever the container asks for.
constexpr double kSide = 285;
constexpr int32_t kDefaultValue = 0;
constexpr bool kDefaultEnabled = true;

}  // namespace

TopBt::TopBt(std::wstring name) : UserControl(L"TopBt", std::move(name)) {
    Move(0, 0, kSide, kSide);
    AddPictures();
    SetPicture(pictures_[0]->GetPicture());
}

void TopBt::AddPictures() {
    for (int glyph = 0; glyph < kGlyphs; ++glyph) {
        for (int look = 0; look < kLooks; ++look) {
            int index = glyph * kLooks + look;
            auto& image = Add(std::make_unique<host::Image>(L"Image" + std::to_wstring(index + 1)), true);
            image.SetVisible(false);
            image.SetPicture(host::LoadResPicture(kTopBtPictures[glyph][look]));
            pictures_[static_cast<size_t>(index)] = &image;
        }
    }
}

void TopBt::Show(Look look) {
    if (value_ < 0 || value_ >= kGlyphs) return;
    auto index = static_cast<size_t>(value_ * kLooks + static_cast<int>(look));
    SetPicture(pictures_[index]->GetPicture());
}

void TopBt::KeepSize() {
    // Each change of size comes back here through OnResize.
    if (keepingSize_) return;
    keepingSize_ = true;
    SetHeight(kSide);
    SetWidth(kSide);
    keepingSize_ = false;
}

void TopBt::SetValue(int32_t value) {
    value_ = value;
    Show(Look::Normal);
    KeepSize();
    PropertyChanged(L"Value");
}

void TopBt::SetEnabled(bool enabled) {
    UserControl::SetEnabled(enabled);
    Show(enabled ? Look::Normal : Look::Disabled);
    KeepSize();
}

void TopBt::OnInitProperties() {
    SetValue(kDefaultValue);
    SetEnabled(kDefaultEnabled);
}

void TopBt::OnReadProperties(const host::PropertyBag& bag) {
    // The glyph alone changes no picture; the enabled state then shows it.
    value_ = bag.ReadProperty(L"Value", host::Variant::Lng(kDefaultValue)).ToLong();
    SetEnabled(bag.ReadProperty(L"Enabled", host::Variant::Bool(kDefaultEnabled)).ToBool());
}

void TopBt::OnWriteProperties(host::PropertyBag& bag) {
    bag.WriteProperty(L"Value", host::Variant::Lng(value_), host::Variant::Lng(kDefaultValue));
    bag.WriteProperty(L"Enabled", host::Variant::Bool(Enabled()), host::Variant::Bool(kDefaultEnabled));
}

void TopBt::OnResize() { KeepSize(); }

const host::PublishedProperties* TopBt::Published() const {
    using Table = host::PropertyTable<TopBt>;
    static const Table table{{
        Table::Accessor(L"Value", L"Returns/sets which glyph the button shows (0 to 3)", &TopBt::Value,
                        &TopBt::SetValue),
        Table::Accessor(L"Enabled", L"Returns/sets whether the button takes the user's input", &TopBt::Enabled,
                        &TopBt::SetEnabled),
        Table::Accessor(L"hwnd", L"Returns the handle of the button's window", &TopBt::hWnd),
    }};
    return &table;
}

namespace {
const host::ControlKind<TopBt> kKind{L"TopBt"};
const host::PublishedEvents<TopBt> kEvents{
    host::EventEntry(L"Click", &TopBt::Click), host::EventEntry(L"MouseDown", &TopBt::MouseDown),
    host::EventEntry(L"MouseUp", &TopBt::MouseUp), host::EventEntry(L"KeyDown", &TopBt::KeyDown),
    host::EventEntry(L"KeyUp", &TopBt::KeyUp)};
}  // namespace

}  // namespace controls
