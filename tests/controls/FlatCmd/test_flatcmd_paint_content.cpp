// The flat button's picture and caption; caption images are compared with each other, as text depends on the font.
#include "FlatCmdTestSupport.h"

namespace flatcmd_test {
namespace {

// A 16 x 16 bitmap: a black border two pixels wide around red.
host::PicturePtr FramedRed() {
    return BitmapPicture(kSide, kSide, {{{0, 0, kSide, kSide}, kBlack}, {{2, 2, kSide - 2, kSide - 2}, kRed}});
}

// Where `caption` puts ink in state `s`, against the same state without caption.
RECT Ink(FlatCmd& b, const std::wstring& caption, PaintState s = {}) {
    Paint(b, s);
    b.SetCaption(L"");
    const Image empty = Snapshot(b);
    b.SetCaption(caption);
    return DifferenceBox(empty, Snapshot(b));
}

using FlatCmdContent = FlatCmdTest;

// A 16 x 16 picture at (32, 7); black is the default MaskColor; disabled pictures are greyed, masked areas unshaded.
TEST_F(FlatCmdContent, BitmapsAndIcons) {
    const COLORREF face = Sys(COLOR_BTNFACE), shadow = Sys(COLOR_BTNSHADOW);
    struct Case {
        const char* label;
        host::PicturePtr (*picture)();
        COLORREF mask;
        int32_t size;
        bool enabled;
        PaintState state;
        std::vector<std::tuple<int, int, COLORREF>> looks;
    };
    // clang-format off
    const std::vector<Case> cases{
        {"bitmap", FramedRed, kBlack, 0, true, {}, {{34, 9, kRed}, {45, 20, kRed}, {32, 7, face}, {46, 21, face}}},
        {"bitmap, MaskColor red", FramedRed, kRed, 0, true, {}, {{32, 7, kBlack}, {34, 9, face}, {40, 15, face}}},
        {"bitmap, PictureSize 1: 32 x 32 at (24, 0)", FramedRed, kBlack, 1, true, {}, {{28, 4, kRed}, {51, 27, kRed},
            {27, 4, face}, {28, 3, face}}},
        {"bitmap, disabled", FramedRed, kBlack, 0, false, {}, {{34, 9, shadow}, {45, 20, shadow}, {32, 7, face}}},
        {"icon", HalfRedIcon, kBlack, 0, true, {}, {{33, 15, face}, {39, 15, face}, {40, 15, kRed}, {47, 22, kRed}}},
        {"icon, disabled", HalfRedIcon, kBlack, 0, false, {}, {{33, 15, face}, {41, 15, shadow}, {47, 21, shadow}}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        FlatCmd& b = Fresh();
        b.SetPicture(c.picture());
        b.SetMaskColor(c.mask);
        b.SetPictureSize(c.size);
        b.SetEnabled(c.enabled);
        Paint(b, c.state);
        for (const auto& [x, y, colour] : c.looks) EXPECT_EQ(Pixel(b, x, y), colour) << "at " << x << ", " << y;
        EXPECT_TRUE(c.enabled || std::ranges::count(Snapshot(b).pixels, kRed) == 0) << "greyed";
    }
}

// Eight characters cut to eight bytes show exactly the four Chinese ones, centred in the content area.
TEST_F(FlatCmdContent, CaptionShowsItsCodePageCutCentred) {
    button->SetXPStyle(true);
    SizeInPixels(*button, 73, 25);
    const RECT four = Ink(*button, L"开始投票    ");
    const Image shown = Snapshot(*button);
    button->SetCaption(L"开始投票abcd");
    EXPECT_EQ(Snapshot(*button), shown);
    const RECT three = Ink(*button, L"开始投   ");
    EXPECT_GT(four.right - four.left, three.right - three.left);
    EXPECT_NEAR((four.left + four.right) / 2.0, (4 + 70) / 2.0, 2.0);
    EXPECT_NEAR((four.top + four.bottom) / 2.0, (4 + 22) / 2.0, 2.0);
}

// Pressed, the caption moves a pixel right and down; disabled, it is embossed in highlight and shadow.
TEST_F(FlatCmdContent, PressedAndDisabledCaptions) {
    const auto darkest = [this] {
        const auto sum = [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); };
        return std::ranges::min(Snapshot(*button).pixels, {}, sum);
    };
    const RECT r = Ink(*button, L"Go");
    EXPECT_EQ(darkest(), Sys(COLOR_BTNTEXT));
    EXPECT_EQ(Corners(Ink(*button, L"Go", {.down = true})),
              Corners(RECT{r.left + 1, r.top + 1, r.right + 1, r.bottom + 1}));
    button->SetEnabled(false);
    EXPECT_EQ(Corners(Ink(*button, L"Go")), Corners(RECT{r.left, r.top, r.right + 1, r.bottom + 1}));
    EXPECT_EQ(darkest(), Sys(COLOR_BTNSHADOW));
}

}  // namespace
}  // namespace flatcmd_test
