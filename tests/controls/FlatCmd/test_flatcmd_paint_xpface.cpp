// The XP window face: its gradients, frame and corner pixels, edge lines, the
// focus and hover rings, the disabled face, and the rounded window region.
#include <string>
#include <vector>

#include "FlatCmdPaintSupport.h"
#include "controls/FlatCmd/FlatCmdColors.h"

namespace flatcmd_test {
namespace {

using controls::flatcmd::ShiftColor;

constexpr int kW = 60, kH = 20;
constexpr int kMidX = kW / 2, kMidY = kH / 2;
constexpr COLORREF kBack = RGB(120, 130, 96);
// BackColor lifted by 48: blue by 48/192 of itself, 96 + 24.
constexpr COLORREF kBase = RGB(168, 178, 120);
// The pressed face's base is that lowered by 32: blue 120 - 3840/192 = 100.
constexpr COLORREF kPressedBase = RGB(136, 146, 100);

class FlatCmdPaintXPFace : public FlatCmdTest {
protected:
    void SetUp() override {
        FlatCmdTest::SetUp();
        button->SetCaption(L"");
        button->SetBackColor(kBack);
        button->SetXPStyle(true);
        SizeInPixels(*button, kW, kH);
    }
    COLORREF At(int x, int y) { return Pixel(*button, x, y); }
};

struct Row {
    int y;
    int shift;
};

// Normal face, 25 / 20 = 1.25 per line from the top: row y darkens by 1.25 y,
// halves rounded to even (7.5 to 8, 12.5 to 12, 17.5 to 18).
const std::vector<Row> kNormalGradient{{3, -4},   {4, -5},   {5, -6},   {6, -8},   {7, -9},
                                       {8, -10},  {9, -11},  {10, -12}, {11, -14}, {12, -15},
                                       {13, -16}, {14, -18}, {15, -19}, {16, -20}};
// Pressed face, 15 / 20 = 0.75 per line from the bottom: row y darkens by
// 0.75 (20 - y) (10.5 to 10, 7.5 to 8, 4.5 to 4).
const std::vector<Row> kPressedGradient{{3, -13}, {4, -12}, {5, -11}, {6, -10}, {7, -10}, {8, -9},  {9, -8},
                                        {10, -8}, {11, -7}, {12, -6}, {13, -5}, {14, -4}, {15, -4}, {16, -3}};

struct GradientCase {
    const char* label;
    PaintState state;
    COLORREF base;
    const std::vector<Row>& rows;
};

TEST_F(FlatCmdPaintXPFace, GradientLines) {
    const std::vector<GradientCase> cases{
        {"normal: darker downward", {}, kBase, kNormalGradient},
        {"pressed: darker upward", {.down = true}, kPressedBase, kPressedGradient},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Paint(*button, c.state);
        for (const Row& r : c.rows) EXPECT_EQ(At(kMidX, r.y), ShiftColor(c.base, r.shift)) << "row " << r.y;
    }
}

struct Spot {
    int x, y;
    int shift;
};

// One pixel of each edge line that no later line covers.
const std::vector<Spot> kNormalEdges{{kMidX, kH - 2, -48}, {kMidX, kH - 3, -32}, {kW - 2, kMidY, -36},
                                     {kW - 3, kMidY, -24}, {kMidX, 1, 16},       {kMidX, 2, 10},
                                     {1, kMidY, -5},       {2, kMidY, -10}};
const std::vector<Spot> kPressedEdges{{kMidX, kH - 2, 16}, {kMidX, kH - 3, 10}, {kW - 2, kMidY, 5},
                                      {kW - 3, kMidY, 0},  {kMidX, 1, -32},     {kMidX, 2, -24},
                                      {1, kMidY, -32},     {2, kMidY, -22}};

TEST_F(FlatCmdPaintXPFace, FrameCornersAndEdgeLines) {
    const std::vector<GradientCase> cases{
        {"normal", {}, kBase, {}},
        {"pressed", {.down = true}, kPressedBase, {}},
    };
    const COLORREF frame = Sys(COLOR_3DDKSHADOW);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Paint(*button, c.state);
        for (const POINT p : {POINT{0, 0}, POINT{kMidX, 0}, POINT{kW - 1, 0}, POINT{0, kMidY}, POINT{kW - 1, kMidY},
                              POINT{0, kH - 1}, POINT{kMidX, kH - 1}, POINT{kW - 1, kH - 1}})
            EXPECT_EQ(At(p.x, p.y), frame) << "frame at " << p.x << ", " << p.y;
        for (const POINT p : {POINT{1, 1}, POINT{kW - 2, 1}, POINT{1, kH - 2}, POINT{kW - 2, kH - 2}})
            EXPECT_EQ(At(p.x, p.y), frame) << "corner pixel at " << p.x << ", " << p.y;
        for (const Spot& s : c.state.down ? kPressedEdges : kNormalEdges)
            EXPECT_EQ(At(s.x, s.y), ShiftColor(c.base, s.shift)) << "edge line at " << s.x << ", " << s.y;
    }
}

// The ring's frame (1, 2)-(W - 1, H - 2) in the ring colour, with lines shifted from it.
struct RingSpot {
    int x, y;
    int focusShift, hoverShift;
};
const std::vector<RingSpot> kRing{{kMidX, kH - 2, -33, -40}, {kMidX, 1, 65, 200}, {kMidX, 2, 50, 35},
                                  {2, kMidY, 31, 20},        {kW - 3, kMidY, 31, 20}, {1, kMidY, 0, 0},
                                  {kW - 2, kMidY, 0, 0},     {kMidX, kH - 3, 0, 0}};

struct RingCase {
    const char* label;
    host::OleColor pressedColour, hoverColour;
};

TEST_F(FlatCmdPaintXPFace, FocusAndHoverRings) {
    const std::vector<RingCase> cases{
        {"plain colours", RGB(40, 80, 160), RGB(200, 120, 40)},
        {"the default system colours", host::SystemColor(COLOR_BTNHIGHLIGHT), host::SystemColor(COLOR_3DLIGHT)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        button->SetXPColor_Pressed(c.pressedColour);
        button->SetXPColor_Hover(c.hoverColour);
        const COLORREF p = controls::flatcmd::TranslateColor(c.pressedColour);
        const COLORREF h = controls::flatcmd::TranslateColor(c.hoverColour);

        Paint(*button, {.focus = true});
        for (const RingSpot& s : kRing) EXPECT_EQ(At(s.x, s.y), ShiftColor(p, s.focusShift)) << "focus ring at " << s.x << ", " << s.y;

        Paint(*button, {.over = true});
        for (const RingSpot& s : kRing) EXPECT_EQ(At(s.x, s.y), ShiftColor(h, s.hoverShift)) << "hover ring at " << s.x << ", " << s.y;
        const Image hovered = Snapshot(*button);

        Paint(*button, {.over = true, .focus = true});
        EXPECT_EQ(Snapshot(*button), hovered) << "the hover ring covers the focus ring";
        EXPECT_EQ(At(1, 1), Sys(COLOR_3DDKSHADOW)) << "corner pixels stay";
    }
}

TEST_F(FlatCmdPaintXPFace, PressedFaceShowsNoRing) {
    Paint(*button, {.down = true});
    const Image pressed = Snapshot(*button);
    Paint(*button, {.over = true, .down = true, .focus = true});
    EXPECT_EQ(Snapshot(*button), pressed);
}

TEST_F(FlatCmdPaintXPFace, DisabledFaceWhateverTheState) {
    button->SetEnabled(false);
    const std::vector<PaintState> states{{}, {.over = true}, {.down = true}, {.over = true, .down = true, .focus = true}};
    Paint(*button, states[0]);
    const Image disabled = Snapshot(*button);
    EXPECT_EQ(At(kMidX, kMidY), ShiftColor(kBase, -24));
    EXPECT_EQ(At(0, 0), ShiftColor(kBase, -24));
    for (const POINT p : {POINT{kMidX, 0}, POINT{kMidX, kH - 1}, POINT{0, kMidY}, POINT{kW - 1, kMidY}})
        EXPECT_EQ(At(p.x, p.y), ShiftColor(kBase, -84)) << "edge at " << p.x << ", " << p.y;
    for (const POINT p : {POINT{1, 1}, POINT{kW - 2, 1}, POINT{1, kH - 2}, POINT{kW - 2, kH - 2}})
        EXPECT_EQ(At(p.x, p.y), ShiftColor(kBase, -72)) << "corner pixel at " << p.x << ", " << p.y;
    for (size_t i = 1; i < states.size(); ++i) {
        Paint(*button, states[i]);
        EXPECT_EQ(Snapshot(*button), disabled) << "state " << i;
    }
}

TEST_F(FlatCmdPaintXPFace, NoBorderEffectDrawsNoFace) {
    button->SetNoBorderEffect(true);
    Paint(*button, {.over = true, .focus = true});
    for (const POINT p : {POINT{0, 0}, POINT{1, 1}, POINT{kMidX, 1}, POINT{kMidX, kMidY}, POINT{kW - 1, kH - 1}})
        EXPECT_EQ(At(p.x, p.y), kBack) << "at " << p.x << ", " << p.y;
}

// Which pixels near each corner the window keeps: each corner loses its outer two
// pixels and the next row's outer pixel.
struct CornerPoint {
    int dx, dy;  // from the corner, inward
    bool kept;
};
const std::vector<CornerPoint> kCorner{{0, 0, false}, {1, 0, false}, {2, 0, true}, {0, 1, false},
                                       {1, 1, true},  {0, 2, true},  {3, 3, true}};

void ExpectRoundCorners(HWND hwnd, int w, int h) {
    host::gdi::Region region = host::gdi::RectRegion(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(hwnd, region), ERROR) << "the window has a region";
    RECT box{};
    GetRgnBox(region, &box);
    EXPECT_EQ(box.right, w);
    EXPECT_EQ(box.bottom, h);
    for (const POINT corner : {POINT{0, 0}, POINT{1, 0}, POINT{0, 1}, POINT{1, 1}}) {
        for (const CornerPoint& p : kCorner) {
            const int x = corner.x ? w - 1 - p.dx : p.dx, y = corner.y ? h - 1 - p.dy : p.dy;
            EXPECT_EQ(PtInRegion(region, x, y) != FALSE, p.kept) << "at " << x << ", " << y;
        }
    }
}

TEST_F(FlatCmdPaintXPFace, WindowRegionCutsTheCorners) {
    ExpectRoundCorners(button->hWnd(), kW, kH);
    SizeInPixels(*button, 90, 31);
    ExpectRoundCorners(button->hWnd(), 90, 31);
}

TEST_F(FlatCmdPaintXPFace, RegionStaysWhenTheStyleIsTurnedOff) {
    button->SetXPStyle(false);
    button->SetXPWinStyle(false);  // also runs the resize step
    ExpectRoundCorners(button->hWnd(), kW, kH);
}

TEST_F(FlatCmdPaintXPFace, NoRegionWithoutTheXPWindowStyle) {
    FlatCmd& plain = Place(nullptr, L"FlatCmd2");
    host::gdi::Region region = host::gdi::RectRegion(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(plain.hWnd(), region), ERROR);
}

}  // namespace
}  // namespace flatcmd_test
