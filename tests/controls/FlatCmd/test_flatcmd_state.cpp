// The flat button's properties, their announcements and the exchange with the property bag.
#include "FlatCmdTestSupport.h"

namespace flatcmd_test {
namespace {

using host::PropertyBag;
using host::Variant;

constexpr int kBitmapSide = 48;
host::PicturePtr Bitmap() { return BitmapPicture(kBitmapSide, kBitmapSide); }

using FlatCmdState = FlatCmdTest;

// PictureSize 0 and DefCurHand false differ from their integer 1; a true XPWinStyle equals it.
TEST_F(FlatCmdState, FreshButtonStoresExactlyWhatDiffersFromTheTypedDefaults) {
    const PropertyBag first = button->Save();
    EXPECT_EQ(first.Keys(), (std::vector<std::wstring>{L"picturesize", L"originalpicsizew", L"originalpicsizeh",
                                                       L"picturehover", L"defcurhand", L"_extentx", L"_extenty"}));
    EXPECT_EQ(Place(&first, L"FlatCmd1").Save().SaveText(), first.SaveText());
    button->SetPictureSize(1);
    EXPECT_FALSE(button->Save().Contains(L"PictureSize"));
}

TEST_F(FlatCmdState, EveryKeyIsReadAndWrittenBackInOrder) {
    using V = Variant;
    // clang-format off
    const std::vector<std::pair<const wchar_t*, Variant>> entries{
        {L"Caption", V(L"开始投票")}, {L"PicturePosition", V::Lng(3)}, {L"Picture", V(Bitmap())},
        {L"PictureWidth", V::Lng(24)}, {L"PictureHeight", V::Lng(20)}, {L"PictureSize", V::Lng(7)},
        {L"OriginalPicSizeW", V::Lng(kBitmapSide)}, {L"OriginalPicSizeH", V::Lng(kBitmapSide)},
        {L"PictureHover", V(Bitmap())}, {L"Enabled", V::Bool(false)},
        {L"Font", V(host::Font::Create({.name = L"Arial", .size = 14}))}, {L"MouseIcon", V(Bitmap())},
        {L"MousePointer", V::Int(99)}, {L"ShowBorderOnFocus", V::Bool(false)}, {L"ShowFocusRect", V::Bool(false)},
        {L"Raised", V::Bool(true)}, {L"URL", V(L"mailto:a@b")}, {L"XPStyle", V::Bool(true)},
        {L"XPColor_Pressed", V::Lng(0x123456)}, {L"XPColor_Hover", V::Lng(0x654321)},
        {L"XPDefaultColors", V::Bool(false)}, {L"BackColor", V::Lng(0xFFEEDD)}, {L"ForeColor", V::Lng(0x112233)},
        {L"SoundOver", V(L"over.wav")}, {L"SoundClick", V(L"click.wav")}, {L"NoBorderEffect", V::Bool(true)},
        {L"DefCurHand", V::Bool(false)}, {L"XPShowBorderAlways", V::Bool(true)}, {L"MaskColor", V::Lng(0xFF00FF)},
        {L"TransparentBG", V::Bool(true)}, {L"BEVEL", V::Int(3)}, {L"BEVELDEPTH", V::Int(12)},
        {L"XPWinStyle", V::Bool(false)},
    };
    // clang-format on
    PropertyBag bag, saved;
    for (const auto& [key, value] : entries) bag.WriteProperty(key, value);
    Host(Place(&bag, L"FlatCmd1")).OnWriteProperties(saved);  // without the host's extent keys
    EXPECT_EQ(saved.SaveText(), bag.SaveText());
}

// XPWinStyle turns TransparentBG off through its setter, announcing both in order.
TEST_F(FlatCmdState, XPWinStyleTurnsTransparencyOffAndAnnouncesIt) {
    log.clear();
    button->SetTransparentBG(true);
    button->SetXPWinStyle(false);
    EXPECT_EQ(log, (Log{L"Changed TransparentBG", L"Changed XPWinStyle", L"Changed TransparentBG"}));
    EXPECT_FALSE(button->TransparentBG());
}

// Presets 0, 1, 2 give 16, 32, the natural size (32 without picture); others keep the sides.
// Mended: removing the picture under the natural-size preset failed on the absent picture.
TEST_F(FlatCmdState, PictureSizePresets) {
    struct Case {
        int32_t preset;
        bool picture;
        int32_t side;
    };
    for (const Case& c : {Case{0, true, 16}, {1, true, 32}, {2, false, 32}, {5, true, 20}, {2, true, kBitmapSide}}) {
        button->SetPicture(c.picture ? Bitmap() : nullptr);
        button->SetPictureWidth(20);
        button->SetPictureHeight(20);
        button->SetPictureSize(c.preset);
        EXPECT_EQ(std::pair(button->PictureWidth(), button->PictureHeight()), std::pair(c.side, c.side)) << c.preset;
    }
    EXPECT_NO_THROW(button->SetPicture(nullptr));
    EXPECT_EQ(std::pair(button->PictureWidth(), button->PictureHeight()), std::pair(32, 32));
}

// Mended: a button saved while its hover picture shows keeps its own picture.
TEST_F(FlatCmdState, SavedWhileHoveredKeepsTheNormalPicture) {
    host::PicturePtr normal = Bitmap(), hover = Bitmap();
    button->SetPicture(normal);
    button->SetPictureHover(hover);
    Host(*button).OnMouseMove(0, 0, kInX, kInY);
    ASSERT_EQ(Access::ShownPicture(*button), hover);
    const PropertyBag bag = button->Save();
    EXPECT_EQ(Access::ShownPicture(Place(&bag, L"Copy")), normal);
}

}  // namespace
}  // namespace flatcmd_test
