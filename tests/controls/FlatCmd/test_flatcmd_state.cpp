// The flat button's properties, their announcements and the exchange with the
// property bag.
#include <functional>
#include <string>
#include <vector>

#include "FlatCmdTestSupport.h"
#include "host/Picture.h"
#include "host/PropertyBag.h"

namespace flatcmd_test {
namespace {

using host::PropertyBag;
using host::Variant;
using Setter = std::function<void(FlatCmd&)>;

constexpr int kBitmapSide = 48;

host::PicturePtr Bitmap() {
    HDC screen = GetDC(nullptr);
    HBITMAP bmp = CreateCompatibleBitmap(screen, kBitmapSide, kBitmapSide);
    ReleaseDC(nullptr, screen);
    return host::PictureFromBitmap(reinterpret_cast<uintptr_t>(bmp));
}

using FlatCmdState = FlatCmdTest;

TEST_F(FlatCmdState, NewButtonTakesItsNameAndTheNewInstanceValues) {
    EXPECT_EQ(button->Caption(), L"FlatCmd1");
    EXPECT_EQ(button->PictureWidth(), 16);
    EXPECT_EQ(button->PictureSize(), 0);
    EXPECT_TRUE(button->XPWinStyle());
    EXPECT_FALSE(button->XPStyle());
}

TEST_F(FlatCmdState, FreshButtonStoresExactlyWhatDiffersFromTheTypedDefaults) {
    PropertyBag first = button->Save();
    const std::vector<std::wstring> keys{L"picturesize", L"originalpicsizew", L"originalpicsizeh", L"picturehover",
                                         L"defcurhand", L"_extentx", L"_extenty"};
    EXPECT_EQ(first.Keys(), keys);
    FlatCmd& copy = Place(&first, L"FlatCmd1");
    EXPECT_EQ(copy.Save().SaveText(), first.SaveText());
    EXPECT_EQ(copy.Caption(), L"FlatCmd1");
}

TEST_F(FlatCmdState, EmptyBagReadsTheBagDefaults) {
    PropertyBag empty;
    FlatCmd& b = Place(&empty, L"Loaded");
    EXPECT_EQ(b.Caption(), L"Loaded");
    EXPECT_EQ(b.PictureSize(), 1);
    EXPECT_TRUE(Access::StoredDefCurHand(b));
    EXPECT_TRUE(b.XPWinStyle());
}

// The bag the main window's start button is stored with comes back unchanged.
TEST_F(FlatCmdState, MainWindowButtonBagRoundTrips) {
    PropertyBag bag;
    bag.WriteProperty(L"Caption", Variant(L"开始投票    "));
    for (const wchar_t* key : {L"PictureSize", L"OriginalPicSizeW", L"OriginalPicSizeH"})
        bag.WriteProperty(key, Variant::Lng(0));
    bag.WriteProperty(L"Font", Variant(host::Font::Create()));
    bag.WriteProperty(L"MousePointer", Variant::Int(99));
    bag.WriteProperty(L"XPStyle", Variant::Bool(true));
    bag.WriteProperty(L"XPColor_Pressed", Variant::Lng(RGB(128, 128, 255)));
    bag.WriteProperty(L"XPColor_Hover", Variant::Lng(RGB(255, 192, 128)));
    bag.WriteProperty(L"DefCurHand", Variant::Bool(false));
    FlatCmd& b = Place(&bag, L"FlatCmd1");
    EXPECT_TRUE(b.XPStyle() && b.XPWinStyle());
    EXPECT_EQ(b.MousePointer(), 99);
    PropertyBag saved;  // without the host's extent keys
    b.OnWriteProperties(saved);
    EXPECT_EQ(saved.SaveText(), bag.SaveText());
}

TEST_F(FlatCmdState, IntegerAndBooleanDefaultsDecideWhatIsStored) {
    struct Case { const char* label; Setter set; const wchar_t* key; bool stored; };
    const std::vector<Case> cases{
        {"PictureSize 1", [](FlatCmd& b) { b.SetPictureSize(1); }, L"PictureSize", false},
        {"PictureSize 0", [](FlatCmd& b) { b.SetPictureSize(0); }, L"PictureSize", true},
        {"XPWinStyle true", [](FlatCmd& b) { b.SetXPWinStyle(true); }, L"XPWinStyle", false},
        {"XPWinStyle false", [](FlatCmd& b) { b.SetXPWinStyle(false); }, L"XPWinStyle", true},
        {"Raised true", [](FlatCmd& b) { b.SetRAISED(true); }, L"Raised", true},
        {"ShowFocusRect false", [](FlatCmd& b) { b.SetShowFocusRect(false); }, L"ShowFocusRect", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        c.set(*button);
        EXPECT_EQ(button->Save().Contains(c.key), c.stored);
    }
}

TEST_F(FlatCmdState, DefCurHandComesBackAsStored) {
    for (bool stored : {true, false}) {
        PropertyBag bag;
        bag.WriteProperty(L"DefCurHand", Variant::Bool(stored));
        FlatCmd& b = Place(&bag, L"Hand");
        EXPECT_EQ(Access::StoredDefCurHand(b), stored);
        EXPECT_EQ(b.Save().ReadProperty(L"DefCurHand", Variant::Int(1)).ToBool(), stored);
    }
}

TEST_F(FlatCmdState, EverySettingSurvivesARoundTrip) {
    FlatCmd& b = *button;
    b.SetCaption(L"开始投票");
    b.SetPicturePosition(3);
    b.SetPicture(Bitmap());
    b.SetPictureSize(7);
    b.SetPictureWidth(24);
    b.SetPictureHeight(20);
    b.SetPictureHover(Bitmap());
    b.SetRAISED(true);
    b.SetShowBorderOnFocus(false);
    b.SetShowFocusRect(false);
    b.SetURL(L"mailto:a@b");
    b.SetXPStyle(true);
    b.SetXPColor_Pressed(0x123456);
    b.SetXPColor_Hover(0x654321);
    b.SetXPDefaultColors(false);
    b.SetBackColor(0xFFEEDD);
    b.SetForeColor(0x112233);
    b.SetSoundOver(Variant(L"over.wav"));
    b.SetSoundClick(L"click.wav");
    b.SetNoBorderEffect(true);
    b.SetXPShowBorderAlways(true);
    b.SetMaskColor(0xFF00FF);
    b.SetBEVEL(3);
    b.SetBEVELDEPTH(12);
    b.SetXPWinStyle(false);
    b.SetTransparentBG(true);
    b.SetMousePointer(2);
    b.SetFont(host::Font::Create(host::FontDesc{.name = L"Arial", .size = 14}));
    b.SetEnabled(false);
    PropertyBag bag = b.Save();
    EXPECT_EQ(Place(&bag, L"FlatCmd1").Save().SaveText(), bag.SaveText());
}

TEST_F(FlatCmdState, SettersAnnounceTheirBagKeysInOrder) {
    struct Case { Setter set; Log expected; };
    const std::vector<Case> cases{
        {[](FlatCmd& b) { b.SetEnabled(false); }, {L"Changed Enabled"}},
        {[](FlatCmd& b) { b.SetFont(host::Font::Create()); }, {L"Changed Font"}},
        {[](FlatCmd& b) { b.SetMousePointer(99); }, {L"Changed MousePointer"}},
        {[](FlatCmd& b) { b.SetMouseIcon(nullptr); }, {L"Changed MouseIcon"}},
        {[](FlatCmd& b) { b.SetRAISED(true); }, {L"Changed Raised"}},
        {[](FlatCmd& b) { b.SetURL(L"x"); }, {L"Changed URL"}},
        {[](FlatCmd& b) { b.SetPicture(nullptr); }, {L"Changed Picture"}},
        {[](FlatCmd& b) { b.SetPictureSize(2); }, {L"Changed PictureSize"}},
        {[](FlatCmd& b) { b.SetXPColor_Hover(1); }, {L"Changed XPColor_Hover"}},
        {[](FlatCmd& b) { b.SetBackColor(0xFF); }, {L"Changed BackColor"}},
        {[](FlatCmd& b) { b.SetSoundOver(Variant::Int(7)); }, {L"Changed SoundOver"}},
        {[](FlatCmd& b) { b.SetBEVELDEPTH(4); }, {L"Changed BEVELDEPTH"}},
        {[](FlatCmd& b) { b.Setversion(L"1"); }, {}},
        {[](FlatCmd& b) { b.SetXPWinStyle(false); }, {L"Changed XPWinStyle", L"Changed TransparentBG"}},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        log.clear();
        cases[i].set(*button);
        EXPECT_EQ(log, cases[i].expected);
    }
}

TEST_F(FlatCmdState, AssigningVersionChangesNothing) {
    const std::wstring before = button->Save().SaveText();
    button->Setversion(L"999");
    EXPECT_EQ(button->version(), L"2712015");
    EXPECT_EQ(button->Save().SaveText(), before);
}

TEST_F(FlatCmdState, XPWinStyleTurnsTheTransparentBackgroundOffEitherWay) {
    for (bool style : {true, false}) {
        button->SetTransparentBG(true);
        button->SetXPWinStyle(style);
        EXPECT_FALSE(button->TransparentBG());
    }
}

TEST_F(FlatCmdState, PictureSizePresets) {
    struct Case { int32_t preset; bool picture; int32_t side; };
    const std::vector<Case> cases{{0, true, 16}, {1, true, 32}, {2, true, kBitmapSide}, {2, false, 32}, {5, true, 20}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.preset << (c.picture ? " with picture" : " without"));
        button->SetPicture(c.picture ? Bitmap() : nullptr);
        button->SetPictureWidth(20);
        button->SetPictureHeight(20);
        button->SetPictureSize(c.preset);
        EXPECT_EQ(button->PictureWidth(), c.side);
        EXPECT_EQ(button->PictureHeight(), c.side);
    }
}

// Mended: removing the picture under the natural-size preset used to fail on the
// absent picture; it now takes the no-picture size.
TEST_F(FlatCmdState, RemovingThePictureUnderTheNaturalSizePresetGives32) {
    button->SetPictureSize(2);
    button->SetPicture(Bitmap());
    EXPECT_EQ(button->PictureWidth(), kBitmapSide);
    EXPECT_NO_THROW(button->SetPicture(nullptr));
    EXPECT_EQ(button->PictureWidth(), 32);
    EXPECT_EQ(button->PictureHeight(), 32);
}

// Mended: a button saved while its hover picture shows keeps its own picture.
TEST_F(FlatCmdState, SavedWhileHoveredKeepsTheNormalPicture) {
    host::PicturePtr normal = Bitmap(), hover = Bitmap();
    button->SetPicture(normal);
    button->SetPictureHover(hover);
    button->OnMouseMove(0, 0, kInX, kInY);
    ASSERT_EQ(Access::ShownPicture(*button), hover);
    PropertyBag bag = button->Save();
    EXPECT_EQ(Access::ShownPicture(Place(&bag, L"Copy")), normal);
}

// The button's font is its own: changing it leaves the container's font alone.
TEST_F(FlatCmdState, FontSetterCopiesStyleIntoTheButtonsOwnFont) {
    const host::FontDesc containerFont = form.GetFont()->Desc();
    button->SetFont(host::Font::Create(
        host::FontDesc{.name = L"Arial", .size = 12, .weight = 800, .charset = 0, .italic = true}));
    const host::FontDesc got = button->Font()->Desc();
    EXPECT_EQ(got, (host::FontDesc{.name = L"Arial", .size = 12, .weight = 700, .charset = 134, .italic = true}));
    EXPECT_EQ(button->GetFont(), button->Font());
    EXPECT_EQ(form.GetFont()->Desc(), containerFont);
}

}  // namespace
}  // namespace flatcmd_test
