// The flat button's properties, its lifecycle and its exchange with the property bag.
#include "controls/FlatCmd/FlatCmd.h"

#include <map>
#include <memory>

#include "host/values/Error.h"
#include "host/forms/FormBuilder.h"
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

// The value each bag key falls back to, typed as stored: an Integer 1 and a Boolean
// true convert differently under the bag's default rule. "Caption" and "Font" fall
// back to ambient values instead.
const Variant& BagDefault(const wchar_t* key) {
    static const std::map<std::wstring, Variant, std::less<>> defaults{
        {L"BackColor", Colour(kDefaultBackColor)},
        {L"ForeColor", Colour(kDefaultForeColor)},
        {L"ShowFocusRect", Variant::Bool(true)},
        {L"ShowBorderOnFocus", Variant::Bool(true)},
        {L"PicturePosition", Variant::Int(kPictureLeftOfCaption)},
        {L"Picture", Variant::Nothing()},
        {L"PictureWidth", Variant::Int(kSmallSide)},
        {L"PictureHeight", Variant::Int(kSmallSide)},
        {L"PictureSize", Variant::Int(kSizeLarge)},
        {L"OriginalPicSizeW", Variant::Int(kSmallSide)},
        {L"OriginalPicSizeH", Variant::Int(kSmallSide)},
        {L"PictureHover", Variant::Nothing()},
        {L"MouseIcon", Variant::Nothing()},
        {L"Enabled", Variant::Bool(true)},
        {L"MousePointer", Variant::Int(0)},
        {L"NoBorderEffect", Variant::Int(0)},
        {L"Raised", Variant::Int(0)},
        {L"URL", Variant(L"")},
        {L"XPStyle", Variant::Int(0)},
        {L"XPColor_Pressed", Colour(kDefaultXPPressed)},
        {L"XPColor_Hover", Colour(kDefaultXPHover)},
        {L"XPDefaultColors", Variant::Int(1)},
        {L"SoundOver", Variant(L"")},
        {L"SoundClick", Variant(L"")},
        {L"DefCurHand", Variant::Int(1)},
        {L"XPShowBorderAlways", Variant::Int(0)},
        {L"MaskColor", Variant::Int(0)},
        {L"TransparentBG", Variant::Int(0)},
        {L"BEVEL", Variant::Int(kDefaultBevel)},
        {L"BEVELDEPTH", Variant::Int(kDefaultBevelDepth)},
        {L"XPWinStyle", Variant::Int(1)},
    };
    return defaults.find(key)->second;
}

}  // namespace

FlatCmd::FlatCmd(std::wstring name) : UserControl(L"FlatCmd", std::move(name)) {
    OverTimer.SetEnabled(false);
    OverTimer.SetInterval(10);
    overTimerTicks_ = OverTimer.TimerEvent.Connect([this] { OverTimer_Timer(); });
}

// The host runs Terminate from its own destructor, when this part of the object is
// already gone; so the button runs it here while its state still exists (it only
// lets go of the font, so running it again does no harm).
FlatCmd::~FlatCmd() { OnTerminate(); }

void FlatCmd::Announce(const wchar_t* key, bool repaint) {
    PropertyChanged(key);
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
    Prop.Caption = ambient.DisplayName;
    Prop.PicturePosition = kPictureLeftOfCaption;
    Prop.PictureWidth = kSmallSide;
    Prop.PictureHeight = kSmallSide;
    Prop.PictureSize = kSizeSmall;
    Prop.PictureHover = host::LoadPicture();
    NormalPicture = host::LoadPicture();
    Prop.RAISED = false;
    Prop.URL.clear();
    Prop.XPStyle = false;
    Prop.XPColor_Pressed = kDefaultXPPressed;
    Prop.XPColor_Hover = kDefaultXPHover;
    Prop.XPDefaultColors = true;
    Prop.SoundOver.clear();
    Prop.SoundClick.clear();
    Prop.NoBorderEffect = false;
    Prop.MaskColor = 0;
    Prop.XPShowBorderAlways = false;
    Prop.TransparentBG = false;
    Prop.BEVEL = kDefaultBevel;
    Prop.BEVELDEPTH = kDefaultBevelDepth;
    Prop.XPWinStyle = true;
    Prop.ShowBorderOnFocus = true;
    Prop.ShowFocusRect = true;
    Prop.BackColor = kDefaultBackColor;
    Prop.ForeColor = kDefaultForeColor;
}

void FlatCmd::OnReadProperties(const host::PropertyBag& bag) {
    const host::AmbientProperties ambient = Ambient();
    auto read = [&bag](const wchar_t* key) { return bag.ReadProperty(key, BagDefault(key)); };
    Prop.BackColor = ToColour(read(L"BackColor"));
    Surface::SetBackColor(Prop.BackColor);
    Prop.ForeColor = ToColour(read(L"ForeColor"));
    Surface::SetForeColor(Prop.ForeColor);
    Prop.ShowFocusRect = read(L"ShowFocusRect").ToBool();
    Prop.ShowBorderOnFocus = read(L"ShowBorderOnFocus").ToBool();
    Prop.Caption = bag.ReadProperty(L"Caption", ambient.DisplayName).ToString();
    Prop.PicturePosition = read(L"PicturePosition").ToLong();
    ShownPicture = read(L"Picture").ToPicture();
    Prop.PictureWidth = read(L"PictureWidth").ToLong();
    Prop.PictureHeight = read(L"PictureHeight").ToLong();
    Prop.PictureSize = read(L"PictureSize").ToLong();
    Prop.OriginalPicSizeW = read(L"OriginalPicSizeW").ToLong();
    Prop.OriginalPicSizeH = read(L"OriginalPicSizeH").ToLong();
    Surface::SetFont(bag.ReadProperty(L"Font", ambient.Font).ToFont());
    BindFont(bag.ReadProperty(L"Font", ambient.Font).ToFont());
    Prop.PictureHover = read(L"PictureHover").ToPicture();
    NormalPicture = read(L"Picture").ToPicture();
    SetMouseIcon(read(L"MouseIcon").ToPicture());
    UserControl::SetEnabled(read(L"Enabled").ToBool());
    UserControl::SetMousePointer(read(L"MousePointer").ToLong());
    Prop.NoBorderEffect = read(L"NoBorderEffect").ToBool();
    Prop.RAISED = read(L"Raised").ToBool();
    Prop.URL = read(L"URL").ToString();
    Prop.XPStyle = read(L"XPStyle").ToBool();
    Prop.XPColor_Pressed = ToColour(read(L"XPColor_Pressed"));
    Prop.XPColor_Hover = ToColour(read(L"XPColor_Hover"));
    Prop.XPDefaultColors = read(L"XPDefaultColors").ToBool();
    Prop.SoundOver = read(L"SoundOver").ToString();
    Prop.SoundClick = read(L"SoundClick").ToString();
    Prop.StoredDefCurHand = read(L"DefCurHand").ToBool();
    Prop.XPShowBorderAlways = read(L"XPShowBorderAlways").ToBool();
    Prop.MaskColor = ToColour(read(L"MaskColor"));
    Prop.TransparentBG = read(L"TransparentBG").ToBool();
    Prop.BEVEL = read(L"BEVEL").ToInteger();
    Prop.BEVELDEPTH = read(L"BEVELDEPTH").ToInteger();
    Prop.XPWinStyle = read(L"XPWinStyle").ToBool();
    OnResize();
}

void FlatCmd::OnWriteProperties(host::PropertyBag& bag) {
    const host::AmbientProperties ambient = Ambient();
    auto write = [&bag](const wchar_t* key, const Variant& value) { bag.WriteProperty(key, value, BagDefault(key)); };
    bag.WriteProperty(L"Caption", Prop.Caption, ambient.DisplayName);
    write(L"PicturePosition", Variant::Lng(Prop.PicturePosition));
    // The normal picture, also while the hover picture is shown; an empty one is
    // stored as none, as a button that never had a picture stores it.
    write(L"Picture", PictureAbsent(NormalPicture) ? Variant::Nothing() : Variant(NormalPicture));
    write(L"PictureWidth", Variant::Lng(Prop.PictureWidth));
    write(L"PictureHeight", Variant::Lng(Prop.PictureHeight));
    write(L"PictureSize", Variant::Lng(Prop.PictureSize));
    write(L"OriginalPicSizeW", Variant::Lng(Prop.OriginalPicSizeW));
    write(L"OriginalPicSizeH", Variant::Lng(Prop.OriginalPicSizeH));
    write(L"PictureHover", Variant(Prop.PictureHover));
    write(L"Enabled", Variant::Bool(Enabled()));
    bag.WriteProperty(L"Font", Variant(GetFont()), Variant(ambient.Font));
    write(L"MouseIcon", Variant(MouseIcon()));
    write(L"MousePointer", Variant::Int(UserControl::MousePointer()));
    write(L"ShowBorderOnFocus", Variant::Bool(Prop.ShowBorderOnFocus));
    write(L"ShowFocusRect", Variant::Bool(Prop.ShowFocusRect));
    write(L"Raised", Variant::Bool(Prop.RAISED));
    write(L"URL", Variant(Prop.URL));
    write(L"XPStyle", Variant::Bool(Prop.XPStyle));
    write(L"XPColor_Pressed", Colour(Prop.XPColor_Pressed));
    write(L"XPColor_Hover", Colour(Prop.XPColor_Hover));
    write(L"XPDefaultColors", Variant::Bool(Prop.XPDefaultColors));
    write(L"BackColor", Colour(Prop.BackColor));
    write(L"ForeColor", Colour(Prop.ForeColor));
    write(L"SoundOver", Variant(Prop.SoundOver));
    write(L"SoundClick", Variant(Prop.SoundClick));
    write(L"NoBorderEffect", Variant::Bool(Prop.NoBorderEffect));
    write(L"DefCurHand", Variant::Bool(Prop.StoredDefCurHand));
    write(L"XPShowBorderAlways", Variant::Bool(Prop.XPShowBorderAlways));
    write(L"MaskColor", Colour(Prop.MaskColor));
    write(L"TransparentBG", Variant::Bool(Prop.TransparentBG));
    write(L"BEVEL", Variant::Int(Prop.BEVEL));
    write(L"BEVELDEPTH", Variant::Int(Prop.BEVELDEPTH));
    write(L"XPWinStyle", Variant::Bool(Prop.XPWinStyle));
}

void FlatCmd::OnTerminate() { BindFont(nullptr); }

// ---- Font ----

// The button keeps a font object of its own, so that changing the button's font
// never changes the container's font it started from.
void FlatCmd::BindFont(host::FontPtr font) {
    g_Font = font ? font->Clone() : nullptr;
    g_FontChanges = g_Font ? g_Font->Subscribe([this](const std::wstring&) { g_Font_FontChanged(); }) : host::Connection();
}

void FlatCmd::g_Font_FontChanged() {
    Surface::SetFont(g_Font);
    Refresh();
}

void FlatCmd::SetFont(const host::FontPtr& font) {
    if (!font) host::Raise(host::err::ObjectNotSet);
    const host::Font from(font->Desc());  // a copy: `font` may be g_Font itself
    g_Font->SetName(from.Name());
    g_Font->SetSize(from.Size());
    g_Font->SetBold(from.Bold());
    g_Font->SetItalic(from.Italic());
    g_Font->SetUnderline(from.Underline());
    g_Font->SetStrikethrough(from.Strikethrough());
    PropertyChanged(L"Font");
}

// ---- Properties ----

void FlatCmd::SetEnabled(bool enabled) {
    UserControl::SetEnabled(enabled);
    Announce(L"Enabled", kRepaint);
}

void FlatCmd::SetMousePointer(int32_t value) {
    UserControl::SetMousePointer(value);
    Announce(L"MousePointer", kNoRepaint);
}

void FlatCmd::SetMouseIcon(host::PicturePtr icon) {
    UserControl::SetMouseIcon(std::move(icon));
    Announce(L"MouseIcon", kNoRepaint);
}

void FlatCmd::SetShowBorderOnFocus(bool value) {
    Prop.ShowBorderOnFocus = value;
    Announce(L"ShowBorderOnFocus", kRepaint);
}

void FlatCmd::SetShowFocusRect(bool value) {
    Prop.ShowFocusRect = value;
    Announce(L"ShowFocusRect", kRepaint);
}

void FlatCmd::SetRAISED(bool value) {
    Prop.RAISED = value;
    Announce(L"Raised", kRepaint);
}

void FlatCmd::SetURL(const std::wstring& value) {
    Prop.URL = value;
    Announce(L"URL", kNoRepaint);
}

void FlatCmd::SetCaption(const std::wstring& value) {
    Prop.Caption = value;
    Announce(L"Caption", kRepaint);
}

void FlatCmd::SetPicturePosition(int32_t value) {
    Prop.PicturePosition = value;
    Announce(L"PicturePosition", kRepaint);
}

// Without a picture the natural size counts as 32 x 32, also for the size preset
// that follows the natural size (which would otherwise ask an absent picture).
void FlatCmd::SetPicture(const host::PicturePtr& picture) {
    ShownPicture = picture;
    NormalPicture = picture;
    if (PictureAbsent(picture)) {
        Prop.OriginalPicSizeW = kLargeSide;
        Prop.OriginalPicSizeH = kLargeSide;
    } else {
        const host::ScaleMode himetric = host::ScaleMode::Himetric;
        Prop.OriginalPicSizeW = host::RoundToLong(host::ScaleX(picture->Width(), himetric, GetScaleMode()));
        Prop.OriginalPicSizeH = host::RoundToLong(host::ScaleY(picture->Height(), himetric, GetScaleMode()));
    }
    PropertyChanged(L"Picture");
    if (Prop.PictureSize == kSizeNatural) {
        Prop.PictureWidth = Prop.OriginalPicSizeW;
        Prop.PictureHeight = Prop.OriginalPicSizeH;
    }
    Refresh();
}

void FlatCmd::SetPictureWidth(int32_t value) {
    Prop.PictureWidth = value;
    Announce(L"PictureWidth", kRepaint);
}

void FlatCmd::SetPictureHeight(int32_t value) {
    Prop.PictureHeight = value;
    Announce(L"PictureHeight", kRepaint);
}

void FlatCmd::SetPictureSize(int32_t value) {
    Prop.PictureSize = value;
    PropertyChanged(L"PictureSize");
    switch (value) {
    case kSizeSmall:
        Prop.PictureWidth = Prop.PictureHeight = kSmallSide;
        break;
    case kSizeLarge:
        Prop.PictureWidth = Prop.PictureHeight = kLargeSide;
        break;
    case kSizeNatural:
        Prop.PictureWidth = PictureAbsent(ShownPicture) ? kLargeSide : Prop.OriginalPicSizeW;
        Prop.PictureHeight = PictureAbsent(ShownPicture) ? kLargeSide : Prop.OriginalPicSizeH;
        break;
    default:
        break;  // keeps the width and height as set
    }
    Refresh();
}

void FlatCmd::SetPictureHover(const host::PicturePtr& picture) {
    Prop.PictureHover = picture;
    Announce(L"PictureHover", kNoRepaint);
}

void FlatCmd::SetXPStyle(bool value) {
    Prop.XPStyle = value;
    Announce(L"XPStyle", kRepaint);
}

void FlatCmd::SetXPColor_Pressed(host::OleColor value) {
    Prop.XPColor_Pressed = value;
    Announce(L"XPColor_Pressed", kNoRepaint);
}

void FlatCmd::SetXPColor_Hover(host::OleColor value) {
    Prop.XPColor_Hover = value;
    Announce(L"XPColor_Hover", kNoRepaint);
}

void FlatCmd::SetXPDefaultColors(bool value) {
    Prop.XPDefaultColors = value;
    Announce(L"XPDefaultColors", kNoRepaint);
}

void FlatCmd::SetBackColor(host::OleColor value) {
    Prop.BackColor = value;
    PropertyChanged(L"BackColor");
    Surface::SetBackColor(value);
    Refresh();
}

void FlatCmd::SetForeColor(host::OleColor value) {
    Prop.ForeColor = value;
    PropertyChanged(L"ForeColor");
    Surface::SetForeColor(value);
    Refresh();
}

void FlatCmd::SetSoundOver(const host::Variant& value) {
    Prop.SoundOver = value.ToString();
    Announce(L"SoundOver", kNoRepaint);
}

void FlatCmd::SetSoundClick(const std::wstring& value) {
    Prop.SoundClick = value;
    Announce(L"SoundClick", kNoRepaint);
}

void FlatCmd::Setversion(const std::wstring&) {}

void FlatCmd::SetNoBorderEffect(bool value) {
    Prop.NoBorderEffect = value;
    Announce(L"NoBorderEffect", kRepaint);
}

void FlatCmd::SetXPShowBorderAlways(bool value) {
    Prop.XPShowBorderAlways = value;
    Announce(L"XPShowBorderAlways", kNoRepaint);
}

void FlatCmd::SetMaskColor(host::OleColor value) {
    Prop.MaskColor = value;
    Announce(L"MaskColor", kRepaint);
}

void FlatCmd::SetTransparentBG(bool value) {
    Prop.TransparentBG = value;
    Announce(L"TransparentBG", kRepaint);
}

void FlatCmd::SetBEVEL(int16_t value) {
    Prop.BEVEL = value;
    Announce(L"BEVEL", kRepaint);
}

void FlatCmd::SetBEVELDEPTH(int16_t value) {
    Prop.BEVELDEPTH = value;
    Announce(L"BEVELDEPTH", kRepaint);
}

// The XP window face paints its own background, so a transparent one is switched
// off; the resize step then gives the window its rounded region.
void FlatCmd::SetXPWinStyle(bool value) {
    Prop.XPWinStyle = value;
    PropertyChanged(L"XPWinStyle");
    SetTransparentBG(false);
    OnResize();
}

namespace {
const host::ControlKind<FlatCmd> kKind{L"FlatCmd"};
}  // namespace

}  // namespace controls
