// The flat button's colour arithmetic and the drawing helpers that need no button, on worked values.
#include "FlatCmdTestSupport.h"
#include "controls/FlatCmd/FlatCmdColors.h"
#include "controls/FlatCmd/FlatCmdDrawing.h"

namespace flatcmd_test {
namespace {

using namespace controls::flatcmd;

// ShiftColor moves red and green by the amount, blue by amount/192 of itself (truncated); Add moves all three.
TEST(FlatCmdColors, ShiftAndAddClampEachComponent) {
    using Shade = COLORREF (*)(COLORREF, int);
    const Shade shift = ShiftColor, add = AddToComponents;
    struct Case {
        const char* label;
        Shade shade;
        COLORREF colour;
        int amount;
        COLORREF expected;
    };
    const Case cases[] = {
        {"lighten: blue 192 + 192 * 48 / 192", shift, RGB(100, 100, 192), 48, RGB(148, 148, 240)},
        {"blue -5.2 truncates to -5", shift, RGB(50, 50, 100), -10, RGB(40, 40, 95)},
        {"clamped at 0, blue loses its share only", shift, RGB(10, 10, 10), -84, RGB(0, 0, 6)},
        {"added alike, clamped at 255", add, RGB(100, 250, 128), 8, RGB(108, 255, 136)},
    };
    for (const Case& c : cases) EXPECT_EQ(c.shade(c.colour, c.amount), c.expected) << c.label;
}

TEST(FlatCmdColors, XPFlatBackgroundsAndTranslation) {
    EXPECT_EQ(XPFlatHoverColor(RGB(10, 36, 106)), RGB(181, 190, 214));
    EXPECT_EQ(XPFlatPressedColor(RGB(10, 36, 106)), RGB(166, 175, 214));
    EXPECT_EQ(TranslateColor(0x01000005), Sys(COLOR_WINDOW)) << "any value above the plain range";
}

// The source's right half is ink; copied from (1, 1)-(9, 5) to (2, 3), ink lands on columns 6..9, rows 3..6.
TEST(FlatCmdTransparentBlit, LeavesMaskColourPixelsAsTheBackgroundWas) {
    constexpr COLORREF kBackground = RGB(200, 100, 50), kInk = RGB(10, 20, 30);
    for (const COLORREF transparent : {RGB(255, 0, 255), kBlack, kWhite}) {
        SCOPED_TRACE(transparent);
        host::gdi::Bitmap source = PaintedBitmap(10, 6, {{{0, 0, 10, 6}, transparent}, {{5, 0, 10, 6}, kInk}});
        host::gdi::Bitmap target = PaintedBitmap(16, 12, {{{0, 0, 16, 12}, kBackground}});
        host::gdi::MemoryDC sourceDC(nullptr), targetDC(nullptr);
        host::gdi::Selection selectSource(sourceDC, source), selectTarget(targetDC, target);
        TransparentBlit(targetDC, targetDC, sourceDC, 1, 1, 9, 5, 2, 3, transparent);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 16; ++x)
                ASSERT_EQ(GetPixel(targetDC, x, y), x >= 6 && x < 10 && y >= 3 && y < 7 ? kInk : kBackground)
                    << "at " << x << ", " << y;
    }
}

// A 16 x 16 picture and a 40 x 12 caption: beside, 60 wide in 73 starts at 10; above, 32 high in 17 at -3.
TEST(FlatCmdLayout, PlacesPictureAndCaptionByPosition) {
    constexpr RECT kContent{4, 4, 77, 21};
    struct Case {
        long position;
        RECT picture, caption;
    };
    for (const Case& c : {Case{0, {32, -3, 48, 13}, {20, 17, 60, 29}}, Case{1, {10, 4, 26, 20}, {30, 6, 70, 18}},
                          Case{2, {54, 4, 70, 20}, {10, 6, 50, 18}}, Case{3, {32, 13, 48, 29}, {20, -3, 60, 9}}}) {
        const auto layout = LayoutPictureAndCaption(kContent, {16, 16}, {40, 12}, c.position);
        ASSERT_TRUE(layout) << c.position;
        EXPECT_EQ(Corners(layout->picture), Corners(c.picture)) << c.position;
        EXPECT_EQ(Corners(layout->caption), Corners(c.caption)) << c.position;
    }
}

// A caption shows its code-page bytes cut after as many bytes as it has characters.
TEST(FlatCmdCaptionCut, CutsTheCodePageBytesToTheCharacterCount) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"开始投票    ", L"开始投票"}, {L"&OK", L"&OK"}, {L"开a始", L"开a"}, {L"a开", L"a"}, {L"", L""},
    };
    for (const auto& [caption, shown] : cases) EXPECT_EQ(CutCaptionToCodePage(caption), shown) << caption;
}

}  // namespace
}  // namespace flatcmd_test
