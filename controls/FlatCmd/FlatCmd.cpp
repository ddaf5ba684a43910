// The flat button's properties, its lifecycle and its exchange with the property bag.
#include "controls/FlatCmd/FlatCmd.h"

#include <memory>
#include <vector>

#include "host/values/Error.h"
#include "host/forms/FormBuilder.h"
#include "host/forms/PropertyTable.h"
#include "host/forms/PublishedEvents.h"
#include "host/values/Units.h"

namespace controls {

namespace {

using host::Variant;

constexpr bool kRepaint = true;
constexpr bool kNoRepaint = false;

constexpr host::OleColor kDefaultBackColor = host::SystemColor(COLOR_BTNFACE);
constexpr host::OleColor kDefaultForeColor = host::SystemColor(COLOR_BTNTEXT);
constexpr host::OleColor kDefaultXPPressed = host::SystemColor(COLOR_BTNHIGHLIGHT);
constexpr host::OleColor kDefaultXPHover = host::SystemColor(COLOR_3DLIGHT);

// Picture size presets (PictureSize) and their sides in pixels.
constexpr int32_t kSizeSmall = 0;
constexpr int32_t kSizeLarge = 1;
constexpr int32_t kSizeNatural = 2;
constexpr int32_t kSmallSide = 16;
constexpr int32_t kLargeSide = 32;  // also the natural size of no picture

constexpr int32_t kPictureLeftOfCaption = 1;
constexpr int16_t kDefaultBevel = 1;
constexpr int16_t kDefaultBevelDepth = 8;

Variant Colour(host::OleColor c) { return Variant::Lng(static_cast<int32_t>(c)); }
host::OleColor ToColour(const Variant& v) { return static_cast<host::OleColor>(v.ToLong()); }

// A stored value in the type its field has: Booleans, Integers (16 bits), Longs,
// colours (stored as Longs), texts and pictures.
Variant ToBag(bool value) { return Variant::Bool(value); }
Variant ToBag(int16_t value) { return Variant::Int(value); }
Variant ToBag(int32_t value) { return Variant::Lng(value); }
Variant ToBag(host::OleColor value) { return Colour(value); }
Variant ToBag(const std::wstring& value) { return Variant(value); }
Variant ToBag(const host::PicturePtr& value) { return Variant(value); }
void FromBag(const Variant& v, bool& field) { field = v.ToBool(); }
void FromBag(const Variant& v, int16_t& field) { field = v.ToInteger(); }
void FromBag(const Variant& v, int32_t& field) { field = v.ToLong(); }
void FromBag(const Variant& v, host::OleColor& field) { field = ToColour(v); }
void FromBag(const Variant& v, std::wstring& field) { field = v.ToString(); }
void FromBag(const Variant& v, host::PicturePtr& field) { field = v.ToPicture(); }

Variant AmbientName(const host::AmbientProperties& ambient) { return Variant(ambient.DisplayName); }
Variant AmbientFont(const host::AmbientProperties& ambient) { return Variant(ambient.Font); }

}  // namespace

// One stored key: its name, the value it falls back to, where a value read from the
// bag goes and the value written. The fallback is typed as stored: an Integer 1 and
// a Boolean true convert differently under the bag's default rule.
struct FlatCmd::BagKey {
    using Store = void (*)(FlatCmd&, const Variant&);
    using FromAmbient = Variant (*)(const host::AmbientProperties&);
    const wchar_t* name;
    Variant fallback;
    FromAmbient ambientFallback = nullptr;  // the container's value instead
    Store store = nullptr;
    Store storeAgain = nullptr;  // for a key read twice, the second read
    Variant (*value)(const FlatCmd&) = nullptr;

    Variant Default(const host::AmbientProperties& ambient) const {
        return ambientFallback ? ambientFallback(ambient) : fallback;
    }
};

// Every stored key, once; then the orders in which they are read and written.
struct FlatCmd::BagKeys {
    // A key kept in a field of the stored state, read and written in the field's type.
    template <auto field>
    static BagKey Field(const wchar_t* name, Variant fallback, BagKey::FromAmbient ambientFallback = nullptr) {
        return {name,
                std::move(fallback),
                ambientFallback,
                [](FlatCmd& b, const Variant& v) { FromBag(v, b.prop_.*field); },
                nullptr,
                [](const FlatCmd& b) { return ToBag(b.prop_.*field); }};
    }
    using P = Persisted;

    // The colours are also the host's own background and foreground colours.
    BagKey backColor{L"BackColor",
                     Colour(kDefaultBackColor),
                     nullptr,
                     [](FlatCmd& b, const Variant& v) {
                         b.prop_.backColor = ToColour(v);
                         b.Surface::SetBackColor(b.prop_.backColor);
                     },
                     nullptr,
                     [](const FlatCmd& b) { return Colour(b.prop_.backColor); }};
    BagKey foreColor{L"ForeColor",
                     Colour(kDefaultForeColor),
                     nullptr,
                     [](FlatCmd& b, const Variant& v) {
                         b.prop_.foreColor = ToColour(v);
                         b.Surface::SetForeColor(b.prop_.foreColor);
                     },
                     nullptr,
                     [](const FlatCmd& b) { return Colour(b.prop_.foreColor); }};
    BagKey showFocusRect = Field<&P::showFocusRect>(L"ShowFocusRect", Variant::Bool(true));
    BagKey showBorderOnFocus = Field<&P::showBorderOnFocus>(L"ShowBorderOnFocus", Variant::Bool(true));
    BagKey caption = Field<&P::caption>(L"Caption", {}, AmbientName);
    BagKey picturePosition = Field<&P::picturePosition>(L"PicturePosition", Variant::Int(kPictureLeftOfCaption));
    // Read first as the picture on show, then again as the normal picture, which is
    // what is written, also while the hover picture shows; an empty picture is
    // written as none, as a button that never had a picture writes it.
    BagKey picture{L"Picture",
                   Variant::Nothing(),
                   nullptr,
                   [](FlatCmd& b, const Variant& v) { b.shownPicture_ = v.ToPicture(); },
                   [](FlatCmd& b, const Variant& v) { b.normalPicture_ = v.ToPicture(); },
                   [](const FlatCmd& b) {
                       return PictureAbsent(b.normalPicture_) ? Variant::Nothing() : Variant(b.normalPicture_);
                   }};
    BagKey pictureWidth = Field<&P::pictureWidth>(L"PictureWidth", Variant::Int(kSmallSide));
    BagKey pictureHeight = Field<&P::pictureHeight>(L"PictureHeight", Variant::Int(kSmallSide));
    BagKey pictureSize = Field<&P::pictureSize>(L"PictureSize", Variant::Int(kSizeLarge));
    BagKey originalPicSizeW = Field<&P::originalPicSizeW>(L"OriginalPicSizeW", Variant::Int(kSmallSide));
    BagKey originalPicSizeH = Field<&P::originalPicSizeH>(L"OriginalPicSizeH", Variant::Int(kSmallSide));
    // Read first as the host's font, then again as the button's own font.
    BagKey font{L"Font",
                {},
                AmbientFont,
                [](FlatCmd& b, const Variant& v) { b.Surface::SetFont(v.ToFont()); },
                [](FlatCmd& b, const Variant& v) { b.BindFont(v.ToFont()); },
                [](const FlatCmd& b) { return Variant(b.GetFont()); }};
    BagKey pictureHover = Field<&P::pictureHover>(L"PictureHover", Variant::Nothing());
    // The host keeps these three; the cursor picture is read through its setter.
    BagKey mouseIcon{L"MouseIcon", Variant::Nothing(),
                     nullptr,      [](FlatCmd& b, const Variant& v) { b.SetMouseIcon(v.ToPicture()); },
                     nullptr,      [](const FlatCmd& b) { return Variant(b.MouseIcon()); }};
    BagKey enabled{L"Enabled", Variant::Bool(true),
                   nullptr,    [](FlatCmd& b, const Variant& v) { b.UserControl::SetEnabled(v.ToBool()); },
                   nullptr,    [](const FlatCmd& b) { return Variant::Bool(b.Enabled()); }};
    BagKey mousePointer{
        L"MousePointer", Variant::Int(0),
        nullptr,         [](FlatCmd& b, const Variant& v) { b.UserControl::SetMousePointer(v.ToLong()); },
        nullptr,         [](const FlatCmd& b) { return Variant::Int(b.UserControl::MousePointer()); }};
    BagKey noBorderEffect = Field<&P::noBorderEffect>(L"NoBorderEffect", Variant::Int(0));
    BagKey raised = Field<&P::raised>(L"Raised", Variant::Int(0));
    BagKey url = Field<&P::url>(L"URL", Variant(L""));
    BagKey xpStyle = Field<&P::xpStyle>(L"XPStyle", Variant::Int(0));
    BagKey xpColorPressed = Field<&P::xpColorPressed>(L"XPColor_Pressed", Colour(kDefaultXPPressed));
    BagKey xpColorHover = Field<&P::xpColorHover>(L"XPColor_Hover", Colour(kDefaultXPHover));
    BagKey xpDefaultColors = Field<&P::xpDefaultColors>(L"XPDefaultColors", Variant::Int(1));
    BagKey soundOver = Field<&P::soundOver>(L"SoundOver", Variant(L""));
    BagKey soundClick = Field<&P::soundClick>(L"SoundClick", Variant(L""));
    BagKey defCurHand = Field<&P::storedDefCurHand>(L"DefCurHand", Variant::Int(1));
    BagKey xpShowBorderAlways = Field<&P::xpShowBorderAlways>(L"XPShowBorderAlways", Variant::Int(0));
    BagKey maskColor = Field<&P::maskColor>(L"MaskColor", Variant::Int(0));
    BagKey transparentBg = Field<&P::transparentBg>(L"TransparentBG", Variant::Int(0));
    BagKey bevel = Field<&P::bevel>(L"BEVEL", Variant::Int(kDefaultBevel));
    BagKey bevelDepth = Field<&P::bevelDepth>(L"BEVELDEPTH", Variant::Int(kDefaultBevelDepth));
    BagKey xpWinStyle = Field<&P::xpWinStyle>(L"XPWinStyle", Variant::Int(1));

    struct Read {
        const BagKey* key;
        bool again = false;  // the key's second read
    };
    static constexpr bool kAgain = true;
    const std::vector<Read> readOrder{
        {&backColor},
        {&foreColor},
        {&showFocusRect},
        {&showBorderOnFocus},
        {&caption},
        {&picturePosition},
        {&picture},
        {&pictureWidth},
        {&pictureHeight},
        {&pictureSize},
        {&originalPicSizeW},
        {&originalPicSizeH},
        {&font},
        {&font, kAgain},
        {&pictureHover},
        {&picture, kAgain},
        {&mouseIcon},
        {&enabled},
        {&mousePointer},
        {&noBorderEffect},
        {&raised},
        {&url},
        {&xpStyle},
        {&xpColorPressed},
        {&xpColorHover},
        {&xpDefaultColors},
        {&soundOver},
        {&soundClick},
        {&defCurHand},
        {&xpShowBorderAlways},
        {&maskColor},
        {&transparentBg},
        {&bevel},
        {&bevelDepth},
        {&xpWinStyle},
    };
    const std::vector<const BagKey*> writeOrder{
        &caption,
        &picturePosition,
        &picture,
        &pictureWidth,
        &pictureHeight,
        &pictureSize,
        &originalPicSizeW,
        &originalPicSizeH,
        &pictureHover,
        &enabled,
        &font,
        &mouseIcon,
        &mousePointer,
        &showBorderOnFocus,
        &showFocusRect,
        &raised,
        &url,
        &xpStyle,
        &xpColorPressed,
        &xpColorHover,
        &xpDefaultColors,
        &backColor,
        &foreColor,
        &soundOver,
        &soundClick,
        &noBorderEffect,
        &defCurHand,
        &xpShowBorderAlways,
        &maskColor,
        &transparentBg,
        &bevel,
        &bevelDepth,
        &xpWinStyle,
    };
};

const FlatCmd::BagKeys& FlatCmd::Keys() {
    static const BagKeys keys;
    return keys;
}

FlatCmd::FlatCmd(std::wstring name) : UserControl(L"FlatCmd", std::move(name)) {
    overTimer_.SetEnabled(false);
    overTimer_.SetInterval(10);
    overTimerTicks_ = overTimer_.TimerEvent.Connect([this] { OverTimerTimer(); });
}

// The host runs Terminate from its own destructor, when this part of the object is
// already gone; so the button runs it here while its state still exists (it only
// lets go of the font, so running it again does no harm).
FlatCmd::~FlatCmd() { OnTerminate(); }

void FlatCmd::Announce(const BagKey& key, bool repaint) {
    PropertyChanged(key.name);
    if (repaint) Refresh();
}

// ---- Lifecycle ----

void FlatCmd::OnInitialize() {
    BindFont(host::Font::Create());
    SetScaleMode(host::ScaleMode::Pixels);
}

void FlatCmd::OnInitProperties() {
    const host::AmbientProperties ambient = Ambient();
    Surface::SetFont(ambient.Font);
    BindFont(ambient.Font);
    prop_.caption = ambient.DisplayName;
    prop_.picturePosition = kPictureLeftOfCaption;
    prop_.pictureWidth = kSmallSide;
    prop_.pictureHeight = kSmallSide;
    prop_.pictureSize = kSizeSmall;
    prop_.pictureHover = host::LoadPicture();
    normalPicture_ = host::LoadPicture();
    prop_.raised = false;
    prop_.url.clear();
    prop_.xpStyle = false;
    prop_.xpColorPressed = kDefaultXPPressed;
    prop_.xpColorHover = kDefaultXPHover;
    prop_.xpDefaultColors = true;
    prop_.soundOver.clear();
    prop_.soundClick.clear();
    prop_.noBorderEffect = false;
    prop_.maskColor = 0;
    prop_.xpShowBorderAlways = false;
    prop_.transparentBg = false;
    prop_.bevel = kDefaultBevel;
    prop_.bevelDepth = kDefaultBevelDepth;
    prop_.xpWinStyle = true;
    prop_.showBorderOnFocus = true;
    prop_.showFocusRect = true;
    prop_.backColor = kDefaultBackColor;
    prop_.foreColor = kDefaultForeColor;
}

void FlatCmd::OnReadProperties(const host::PropertyBag& bag) {
    const host::AmbientProperties ambient = Ambient();
    for (const BagKeys::Read& read : Keys().readOrder) {
        const BagKey& key = *read.key;
        const Variant value = bag.ReadProperty(key.name, key.Default(ambient));
        (read.again ? key.storeAgain : key.store)(*this, value);
    }
    OnResize();
}

void FlatCmd::OnWriteProperties(host::PropertyBag& bag) {
    const host::AmbientProperties ambient = Ambient();
    for (const BagKey* key : Keys().writeOrder) bag.WriteProperty(key->name, key->value(*this), key->Default(ambient));
}

void FlatCmd::OnTerminate() { BindFont(nullptr); }

// ---- Font ----

// The button keeps a font object of its own, so that changing the button's font
// never changes the container's font it started from.
void FlatCmd::BindFont(host::FontPtr font) {
    font_ = font ? font->Clone() : nullptr;
    fontChanges_ = font_ ? font_->Subscribe([this](const std::wstring&) { FontChanged(); }) : host::Connection();
}

void FlatCmd::FontChanged() {
    Surface::SetFont(font_);
    Refresh();
}

void FlatCmd::SetFont(const host::FontPtr& font) {
    if (!font) host::Raise(host::err::ObjectNotSet);
    const host::Font from(font->Desc());  // a copy: `font` may be font_ itself
    font_->SetName(from.Name());
    font_->SetSize(from.Size());
    font_->SetBold(from.Bold());
    font_->SetItalic(from.Italic());
    font_->SetUnderline(from.Underline());
    font_->SetStrikethrough(from.Strikethrough());
    PropertyChanged(Keys().font.name);
}

// ---- Properties ----

void FlatCmd::SetEnabled(bool enabled) {
    UserControl::SetEnabled(enabled);
    Announce(Keys().enabled, kRepaint);
}

void FlatCmd::SetMousePointer(int32_t value) {
    UserControl::SetMousePointer(value);
    Announce(Keys().mousePointer, kNoRepaint);
}

void FlatCmd::SetMouseIcon(host::PicturePtr icon) {
    UserControl::SetMouseIcon(std::move(icon));
    Announce(Keys().mouseIcon, kNoRepaint);
}

void FlatCmd::SetShowBorderOnFocus(bool value) {
    prop_.showBorderOnFocus = value;
    Announce(Keys().showBorderOnFocus, kRepaint);
}

void FlatCmd::SetShowFocusRect(bool value) {
    prop_.showFocusRect = value;
    Announce(Keys().showFocusRect, kRepaint);
}

void FlatCmd::SetRAISED(bool value) {
    prop_.raised = value;
    Announce(Keys().raised, kRepaint);
}

void FlatCmd::SetURL(const std::wstring& value) {
    prop_.url = value;
    Announce(Keys().url, kNoRepaint);
}

void FlatCmd::SetCaption(const std::wstring& value) {
    prop_.caption = value;
    Announce(Keys().caption, kRepaint);
    NotifyAccessible(EVENT_OBJECT_NAMECHANGE);
}

void FlatCmd::SetPicturePosition(int32_t value) {
    prop_.picturePosition = value;
    Announce(Keys().picturePosition, kRepaint);
}

// Without a picture the natural size counts as 32 x 32, also for the size preset
// that follows the natural size (which would otherwise ask an absent picture).
void FlatCmd::SetPicture(const host::PicturePtr& picture) {
    shownPicture_ = picture;
    normalPicture_ = picture;
    if (PictureAbsent(picture)) {
        prop_.originalPicSizeW = kLargeSide;
        prop_.originalPicSizeH = kLargeSide;
    } else {
        const host::ScaleMode himetric = host::ScaleMode::Himetric;
        prop_.originalPicSizeW = host::RoundToLong(host::ScaleX(picture->Width(), himetric, GetScaleMode()));
        prop_.originalPicSizeH = host::RoundToLong(host::ScaleY(picture->Height(), himetric, GetScaleMode()));
    }
    PropertyChanged(Keys().picture.name);
    if (prop_.pictureSize == kSizeNatural) {
        prop_.pictureWidth = prop_.originalPicSizeW;
        prop_.pictureHeight = prop_.originalPicSizeH;
    }
    Refresh();
}

void FlatCmd::SetPictureWidth(int32_t value) {
    prop_.pictureWidth = value;
    Announce(Keys().pictureWidth, kRepaint);
}

void FlatCmd::SetPictureHeight(int32_t value) {
    prop_.pictureHeight = value;
    Announce(Keys().pictureHeight, kRepaint);
}

void FlatCmd::SetPictureSize(int32_t value) {
    prop_.pictureSize = value;
    PropertyChanged(Keys().pictureSize.name);
    switch (value) {
    case kSizeSmall: prop_.pictureWidth = prop_.pictureHeight = kSmallSide; break;
    case kSizeLarge: prop_.pictureWidth = prop_.pictureHeight = kLargeSide; break;
    case kSizeNatural:
        prop_.pictureWidth = PictureAbsent(shownPicture_) ? kLargeSide : prop_.originalPicSizeW;
        prop_.pictureHeight = PictureAbsent(shownPicture_) ? kLargeSide : prop_.originalPicSizeH;
        break;
    default: break;  // keeps the width and height as set
    }
    Refresh();
}

void FlatCmd::SetPictureHover(const host::PicturePtr& picture) {
    prop_.pictureHover = picture;
    Announce(Keys().pictureHover, kNoRepaint);
}

void FlatCmd::SetXPStyle(bool value) {
    prop_.xpStyle = value;
    Announce(Keys().xpStyle, kRepaint);
}

void FlatCmd::SetXPColor_Pressed(host::OleColor value) {
    prop_.xpColorPressed = value;
    Announce(Keys().xpColorPressed, kNoRepaint);
}

void FlatCmd::SetXPColor_Hover(host::OleColor value) {
    prop_.xpColorHover = value;
    Announce(Keys().xpColorHover, kNoRepaint);
}

void FlatCmd::SetXPDefaultColors(bool value) {
    prop_.xpDefaultColors = value;
    Announce(Keys().xpDefaultColors, kNoRepaint);
}

void FlatCmd::SetBackColor(host::OleColor value) {
    prop_.backColor = value;
    PropertyChanged(Keys().backColor.name);
    Surface::SetBackColor(value);
    Refresh();
}

void FlatCmd::SetForeColor(host::OleColor value) {
    prop_.foreColor = value;
    PropertyChanged(Keys().foreColor.name);
    Surface::SetForeColor(value);
    Refresh();
}

void FlatCmd::SetSoundOver(const host::Variant& value) {
    prop_.soundOver = value.ToString();
    Announce(Keys().soundOver, kNoRepaint);
}

void FlatCmd::SetSoundClick(const std::wstring& value) {
    prop_.soundClick = value;
    Announce(Keys().soundClick, kNoRepaint);
}

void FlatCmd::Setversion(const std::wstring&) {}

void FlatCmd::SetNoBorderEffect(bool value) {
    prop_.noBorderEffect = value;
    Announce(Keys().noBorderEffect, kRepaint);
}

void FlatCmd::SetXPShowBorderAlways(bool value) {
    prop_.xpShowBorderAlways = value;
    Announce(Keys().xpShowBorderAlways, kNoRepaint);
}

void FlatCmd::SetMaskColor(host::OleColor value) {
    prop_.maskColor = value;
    Announce(Keys().maskColor, kRepaint);
}

void FlatCmd::SetTransparentBG(bool value) {
    prop_.transparentBg = value;
    Announce(Keys().transparentBg, kRepaint);
}

void FlatCmd::SetBEVEL(int16_t value) {
    prop_.bevel = value;
    Announce(Keys().bevel, kRepaint);
}

void FlatCmd::SetBEVELDEPTH(int16_t value) {
    prop_.bevelDepth = value;
    Announce(Keys().bevelDepth, kRepaint);
}

// The XP window face paints its own background, so a transparent one is switched
// off; the resize step then gives the window its rounded region.
void FlatCmd::SetXPWinStyle(bool value) {
    prop_.xpWinStyle = value;
    PropertyChanged(Keys().xpWinStyle.name);
    SetTransparentBG(false);
    OnResize();
}

// What by-name access and property browsers reach, in the order of the interface.
const host::PublishedProperties* FlatCmd::Published() const {
    using Table = host::PropertyTable<FlatCmd>;
    static const Table table{{
        Table::Accessor(L"Enabled", L"Returns/sets whether the button takes the user's input", &FlatCmd::Enabled,
                        &FlatCmd::SetEnabled),
        Table::Accessor(L"Font", L"Returns/sets the font of the caption", &FlatCmd::Font, &FlatCmd::SetFont),
        Table::Accessor(L"hwnd", L"Returns the handle of the button's window", &FlatCmd::hwnd),
        Table::Accessor(L"MousePointer", L"Returns/sets the shape of the mouse pointer over the button",
                        &FlatCmd::MousePointer, &FlatCmd::SetMousePointer),
        Table::Accessor(L"MouseIcon", L"Returns/sets the custom mouse pointer", &FlatCmd::MouseIcon,
                        &FlatCmd::SetMouseIcon),
        Table::Accessor(L"ShowBorderOnFocus",
                        L"Returns/sets whether a raised button shows the default frame while focused",
                        &FlatCmd::ShowBorderOnFocus, &FlatCmd::SetShowBorderOnFocus),
        Table::Accessor(L"ShowFocusRect", L"Returns/sets whether a dotted focus rectangle shows while focused",
                        &FlatCmd::ShowFocusRect, &FlatCmd::SetShowFocusRect),
        Table::Accessor(L"RAISED", L"Returns/sets whether the raised border shows also without the mouse over it",
                        &FlatCmd::RAISED, &FlatCmd::SetRAISED),
        Table::Accessor(L"URL", L"Returns/sets the address opened after each click", &FlatCmd::URL, &FlatCmd::SetURL),
        Table::Accessor(L"Caption", L"Returns/sets the text of the button; an ampersand marks the access key",
                        &FlatCmd::Caption, &FlatCmd::SetCaption),
        Table::Accessor(L"PicturePosition", L"Returns/sets where the picture goes beside the caption (0 to 3)",
                        &FlatCmd::PicturePosition, &FlatCmd::SetPicturePosition),
        Table::Accessor(L"Picture", L"Returns/sets the picture shown on the button", &FlatCmd::Picture,
                        &FlatCmd::SetPicture),
        Table::Accessor(L"PictureWidth", L"Returns/sets the width the picture is drawn at, in pixels",
                        &FlatCmd::PictureWidth, &FlatCmd::SetPictureWidth),
        Table::Accessor(L"PictureHeight", L"Returns/sets the height the picture is drawn at, in pixels",
                        &FlatCmd::PictureHeight, &FlatCmd::SetPictureHeight),
        Table::Accessor(L"PictureSize", L"Returns/sets the picture's size: 0 small, 1 large, 2 natural, other: as set",
                        &FlatCmd::PictureSize, &FlatCmd::SetPictureSize),
        Table::Accessor(L"PictureHover", L"Returns/sets the picture shown while the mouse is over the button",
                        &FlatCmd::PictureHover, &FlatCmd::SetPictureHover),
        Table::Accessor(L"XPStyle", L"Returns/sets whether the button uses the XP looks", &FlatCmd::XPStyle,
                        &FlatCmd::SetXPStyle),
        Table::Accessor(L"XPColor_Pressed", L"Returns/sets the XP look's background while pressed",
                        &FlatCmd::XPColor_Pressed, &FlatCmd::SetXPColor_Pressed),
        Table::Accessor(L"XPColor_Hover", L"Returns/sets the XP look's background while the mouse is over it",
                        &FlatCmd::XPColor_Hover, &FlatCmd::SetXPColor_Hover),
        Table::Accessor(L"XPDefaultColors", L"Returns/sets whether the XP look takes its colours from the system",
                        &FlatCmd::XPDefaultColors, &FlatCmd::SetXPDefaultColors),
        Table::Accessor(L"BackColor", L"Returns/sets the background colour", &FlatCmd::BackColor,
                        &FlatCmd::SetBackColor),
        Table::Accessor(L"ForeColor", L"Returns/sets the colour of the caption", &FlatCmd::ForeColor,
                        &FlatCmd::SetForeColor),
        Table::Accessor(L"SoundOver", L"Returns/sets the sound file played when the mouse enters", &FlatCmd::SoundOver,
                        &FlatCmd::SetSoundOver),
        Table::Accessor(L"SoundClick", L"Returns/sets the sound file played on a mouse click", &FlatCmd::SoundClick,
                        &FlatCmd::SetSoundClick),
        Table::Accessor(L"version", L"Returns the version of the button", &FlatCmd::version, &FlatCmd::Setversion),
        Table::Accessor(L"NoBorderEffect", L"Returns/sets whether the button draws no border at all",
                        &FlatCmd::NoBorderEffect, &FlatCmd::SetNoBorderEffect),
        Table::Accessor(L"XPShowBorderAlways", L"Returns/sets whether the XP flat look frames the button always",
                        &FlatCmd::XPShowBorderAlways, &FlatCmd::SetXPShowBorderAlways),
        Table::Accessor(L"MaskColor", L"Returns/sets the colour of the picture that is drawn transparent",
                        &FlatCmd::MaskColor, &FlatCmd::SetMaskColor),
        Table::Accessor(L"TransparentBG", L"Returns/sets whether the container's picture shows under the button",
                        &FlatCmd::TransparentBG, &FlatCmd::SetTransparentBG),
        Table::Accessor(L"BEVEL", L"Returns/sets the border: 0 or 1 a 3D line, 2 or more a gradient bevel",
                        &FlatCmd::BEVEL, &FlatCmd::SetBEVEL),
        Table::Accessor(L"BEVELDEPTH", L"Returns/sets the colour step between two bevel rings", &FlatCmd::BEVELDEPTH,
                        &FlatCmd::SetBEVELDEPTH),
        Table::Accessor(L"XPWinStyle", L"Returns/sets whether the XP look paints the XP window face",
                        &FlatCmd::XPWinStyle, &FlatCmd::SetXPWinStyle),
    }};
    return &table;
}

namespace {
const host::ControlKind<FlatCmd> kKind{L"FlatCmd"};
const host::PublishedEvents<FlatCmd> kEvents{
    host::EventEntry(L"Click", &FlatCmd::Click),         host::EventEntry(L"KeyDown", &FlatCmd::KeyDown),
    host::EventEntry(L"KeyPress", &FlatCmd::KeyPress),   host::EventEntry(L"KeyUp", &FlatCmd::KeyUp),
    host::EventEntry(L"MouseDown", &FlatCmd::MouseDown), host::EventEntry(L"MouseMove", &FlatCmd::MouseMove),
    host::EventEntry(L"MouseUp", &FlatCmd::MouseUp),     host::EventEntry(L"MouseIn", &FlatCmd::MouseIn),
    host::EventEntry(L"MouseOut", &FlatCmd::MouseOut)};
}  // namespace

}  // namespace controls
