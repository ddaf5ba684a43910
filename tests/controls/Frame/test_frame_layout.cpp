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

// A w x h outline, its top edge broken up to gapEnd; with neither caption nor icon (bare) the top edge moves up.
Outline Expected(double w, double h, bool bare, double gapEnd) {
    const double top = bare ? 100 : 200, line5Top = bare ? 115 : 225;
    // clang-format off
    return {{{0, top, 0, h}, {0, h - 30, w, h - 30}, {w - 30, h, w - 30, top}, {0, top, 210, top}, {9, line5Top, 9, h - 30},
        {0, h - 10, w, h - 10}, {10, top + 15, 210, top + 15}, {w - 10, h, w - 10, top - 10}, {gapEnd, top, w - 20, top},
        {gapEnd, top + 15, w - 30, top + 15}}};
    // clang-format on
}

// One frame takes the looks in turn, so that each pass follows another look.
TEST_F(FrameTest, LayoutPlacesOutlineCaptionAndIconForTheCurrentLookOnly) {
    using enum host::Label::BackStyle;
    // A gapEnd of 0 stands for just right of the caption; narrower than the caption, the top lines run backwards.
    const struct {
        const char* label;
        double width, height;
        const wchar_t* caption;
        bool icon;
        host::Label::BackStyle captionBack;
        bool bare;
        double gapEnd;
    } cases[] = {
        {"caption without icon", 3000, 1500, L"投票设置", false, Opaque, false, 0},
        {"bare", 3000, 1500, L"", false, Transparent, true, 210},
        {"narrower than the caption, after a bare pass", 600, 900, L"投票设置", false, Opaque, false, 0},
        {"icon without caption, after a bare pass", 3000, 1500, L"", true, Transparent, false, 210},
        {"caption after a 16 x 16 icon", 3000, 1500, L"投票设置", true, Opaque, false, 0},
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
        const Outline expected =
            Expected(c.width, c.height, c.bare, c.gapEnd ? c.gapEnd : lbl.Left() + lbl.Width() + 10);
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
