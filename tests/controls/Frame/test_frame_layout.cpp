// What lies in front of what, the etched outline as painted, and where the layout
// pass puts the outline, the caption and the icon, whatever the pass before did.
#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "FrameTestSupport.h"
#include "host/Gdi.h"

namespace {

struct Ends {
    double x1, y1, x2, y2;
    bool operator==(const Ends&) const = default;
};
void PrintTo(const Ends& e, std::ostream* os) { *os << "(" << e.x1 << ", " << e.y1 << ")-(" << e.x2 << ", " << e.y2 << ")"; }
using Outline = std::array<Ends, 10>;  // Line1 to Line10

// The 3000 x 1500 outline, its top edge broken for a caption or an icon up to gapEnd.
Outline Captioned3000x1500(double gapEnd) {
    return {{{0, 200, 0, 1500}, {0, 1470, 3000, 1470}, {2970, 1500, 2970, 200}, {0, 200, 210, 200},
             {9, 225, 9, 1470}, {0, 1490, 3000, 1490}, {10, 215, 210, 215}, {2990, 1500, 2990, 190},
             {gapEnd, 200, 2980, 200}, {gapEnd, 215, 2970, 215}}};
}
// With neither caption nor icon the top edge moves up and runs unbroken.
Outline Bare3000x1500(double) {
    return {{{0, 100, 0, 1500}, {0, 1470, 3000, 1470}, {2970, 1500, 2970, 100}, {0, 100, 210, 100},
             {9, 115, 9, 1470}, {0, 1490, 3000, 1490}, {10, 115, 210, 115}, {2990, 1500, 2990, 90},
             {210, 100, 2980, 100}, {210, 115, 2970, 115}}};
}
// Narrower than its caption: the top lines right of the caption run backwards.
Outline Captioned600x900(double gapEnd) {
    return {{{0, 200, 0, 900}, {0, 870, 600, 870}, {570, 900, 570, 200}, {0, 200, 210, 200}, {9, 225, 9, 870},
             {0, 890, 600, 890}, {10, 215, 210, 215}, {590, 900, 590, 190}, {gapEnd, 200, 580, 200},
             {gapEnd, 215, 570, 215}}};
}

// One frame takes the looks in turn, so that each pass follows another look.
TEST_F(FrameTest, LayoutPlacesOutlineCaptionAndIconForTheCurrentLookOnly) {
    using enum host::Label::BackStyle;
    const struct {
        const char* label;
        double width, height;
        const wchar_t* caption;
        bool icon;
        host::Label::BackStyle captionBack;
        Outline (*outline)(double gapEnd);
        double gapEnd;  // 0: just right of the caption
    } cases[] = {
        {"caption without icon", 3000, 1500, L"投票设置", false, Opaque, Captioned3000x1500, 0},
        {"bare", 3000, 1500, L"", false, Transparent, Bare3000x1500, 0},
        {"narrower than the caption, after a bare pass", 600, 900, L"投票设置", false, Opaque, Captioned600x900, 0},
        {"icon without caption, after a bare pass", 3000, 1500, L"", true, Transparent, Captioned3000x1500, 210},
        {"caption after a 16 x 16 icon", 3000, 1500, L"投票设置", true, Opaque, Captioned3000x1500, 0},
    };
    controls::Frame& frame = Place(3000, 1500);
    frame.SetFont(CaptionFont());
    const host::Label& lbl = CaptionLabel(frame);
    const host::Image& img = IconImage(frame);
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

// Of the frame's own parts the dark outline lies over the light one, and the
// caption over the top lines right of it.
TEST_F(FrameTest, PartsLieInOrderAndPaintAnEtchedOutline) {
    constexpr COLORREF kDark = RGB(75, 75, 75), kLight = RGB(255, 255, 255);
    controls::Frame& frame = Place(3000, 1500);
    std::vector<std::wstring> names;
    for (auto& child : frame.Children()) names.push_back(child->Name());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Line4", L"Line3", L"Line2", L"Line1", L"Line5", L"Line6", L"Line7",
                                                L"Line8", L"lbl", L"img", L"Line9", L"Line10"}));

    // 3000 x 1500 twips are 200 x 100 pixels; the caption starts at x = 16.
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    host::gdi::WindowDC screen(nullptr);
    host::gdi::MemoryDC dc(screen);
    host::gdi::Bitmap bitmap = host::gdi::CompatibleBitmap(screen, 200, 100);
    host::gdi::Selection select(dc, bitmap);
    RECT all{0, 0, 200, 100};
    FillRect(dc, &all, host::gdi::SolidBrush(face));
    frame.PaintWindowless(dc);
    const struct { const char* label; POINT at; COLORREF colour; } pixels[] = {
        {"dark left", {0, 50}, kDark},          {"light left", {1, 50}, kLight},
        {"dark bottom", {100, 98}, kDark},      {"light bottom", {100, 99}, kLight},
        {"dark right", {198, 50}, kDark},       {"light right", {199, 50}, kLight},
        {"dark top, left of the gap", {6, 13}, kDark},  {"light top, left of the gap", {6, 14}, kLight},
        {"dark top, right of the gap", {190, 13}, kDark}, {"light top, right of the gap", {190, 14}, kLight},
        {"the gap before the caption", {15, 13}, face}, {"inside", {100, 50}, face},
    };
    for (auto& p : pixels) EXPECT_EQ(GetPixel(dc, p.at.x, p.at.y), p.colour) << p.label;
}

}  // namespace
