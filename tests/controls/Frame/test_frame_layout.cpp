// What lies in front of what, which lines are dark, and where each layout pass puts the outline, caption and icon.
#include <array>
#include <ostream>
#include <set>

#include "FrameTestSupport.h"

namespace {

struct Ends {
    double x1, y1, x2, y2;
    bool operator==(const Ends&) const = default;
};
void PrintTo(const Ends& e, std::ostream* os) { *os << e.x1 << ", " << e.y1 << " to " << e.x2 << ", " << e.y2; }
using Outline = std::array<Ends, 10>;  // Line1 to Line10

// The 3000 x 1500 outline, its top edge broken for a caption or an icon up to gapEnd.
Outline Captioned3000x1500(double gapEnd) {
    // clang-format off
    return {{{0, 200, 0, 1500}, {0, 1470, 3000, 1470}, {2970, 1500, 2970, 200}, {0, 200, 210, 200}, {9, 225, 9, 1470},
        {0, 1490, 3000, 1490}, {10, 215, 210, 215}, {2990, 1500, 2990, 190}, {gapEnd, 200, 2980, 200}, {gapEnd, 215,
        2970, 215}}};
    // clang-format on
}
// With neither caption nor icon the top edge moves up and runs unbroken.
Outline Bare3000x1500(double) {
    // clang-format off
    return {{{0, 100, 0, 1500}, {0, 1470, 3000, 1470}, {2970, 1500, 2970, 100}, {0, 100, 210, 100}, {9, 115, 9, 1470},
        {0, 1490, 3000, 1490}, {10, 115, 210, 115}, {2990, 1500, 2990, 90}, {210, 100, 2980, 100}, {210, 115, 2970,
        115}}};
    // clang-format on
}
// Narrower than its caption: the top lines right of the caption run backwards.
Outline Captioned600x900(double gapEnd) {
    // clang-format off
    return {{{0, 200, 0, 900}, {0, 870, 600, 870}, {570, 900, 570, 200}, {0, 200, 210, 200}, {9, 225, 9, 870}, {0,
        890, 600, 890}, {10, 215, 210, 215}, {590, 900, 590, 190}, {gapEnd, 200, 580, 200}, {gapEnd, 215, 570, 215}}};
    // clang-format on
}

// One frame takes the looks in turn, so that each pass follows another look.
TEST_F(FrameTest, LayoutPlacesOutlineCaptionAndIconForTheCurrentLookOnly) {
    using enum host::Label::BackStyle;
    // A gapEnd of 0 stands for just right of the caption.
    const struct {
        const char* label;
        double width, height;
        const wchar_t* caption;
        bool icon;
        host::Label::BackStyle captionBack;
        Outline (*outline)(double gapEnd);
        double gapEnd;
    } cases[] = {
        {"caption without icon", 3000, 1500, L"投票设置", false, Opaque, Captioned3000x1500, 0},
        {"bare", 3000, 1500, L"", false, Transparent, Bare3000x1500, 0},
        {"narrower than the caption, after a bare pass", 600, 900, L"投票设置", false, Opaque, Captioned600x900, 0},
        {"icon without caption, after a bare pass", 3000, 1500, L"", true, Transparent, Captioned3000x1500, 210},
        {"caption after a 16 x 16 icon", 3000, 1500, L"投票设置", true, Opaque, Captioned3000x1500, 0},
    };
    controls::Frame& frame = Place(3000, 1500);
    const host::Label& lbl = CaptionLabel(frame);
    const auto& img = dynamic_cast<host::Image&>(*frame.Find(L"img"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        frame.Move(120, 240, c.width, c.height);
        frame.SetCaption(c.caption);
        frame.SetIcon(c.icon ? Icon16() : host::LoadPicture());
        EXPECT_EQ(lbl.Top(), 100);
        EXPECT_EQ(lbl.GetBackStyle(), c.captionBack);
        EXPECT_EQ(lbl.Left(), c.icon ? 240 + img.Width() + 30 : 240);
        EXPECT_EQ(lbl.Width() > 0, *c.caption != L'\0');
        if (c.icon) {
            EXPECT_EQ((std::vector{img.Left(), img.Top()}), (std::vector{240.0, 70.0}));
            EXPECT_NEAR(img.Width(), 16 * host::Screen::TwipsPerPixelX(), 1);
        }
        const Outline expected = c.outline(c.gapEnd ? c.gapEnd : lbl.Left() + lbl.Width() + 10);
        for (int number = 1; number <= 10; ++number) {
            const host::LineControl& line = LineOf(frame, number);
            EXPECT_EQ((Ends{line.X1(), line.Y1(), line.X2(), line.Y2()}), expected[number - 1]) << "Line" << number;
        }
    }
}

// The dark outline lies over the light one, and the caption over the top lines right of it.
TEST_F(FrameTest, PartsLieInOrderWithTheDarkOutlineOutsideTheLightOne) {
    controls::Frame& frame = Place(3000, 1500);
    std::vector<std::wstring> names;
    for (auto& child : frame.Children()) names.push_back(child->Name());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Line4", L"Line3", L"Line2", L"Line1", L"Line5", L"Line6", L"Line7",
                                                L"Line8", L"lbl", L"img", L"Line9", L"Line10"}));
    const std::set<int> dark{1, 2, 3, 4, 9};  // left, bottom, right and top, each just outside a light line
    for (int number = 1; number <= 10; ++number)
        EXPECT_EQ(LineOf(frame, number).BorderColor(), dark.contains(number) ? RGB(75, 75, 75) : RGB(255, 255, 255))
            << "Line" << number;
}

}  // namespace
