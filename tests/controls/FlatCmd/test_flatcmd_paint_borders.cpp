// The flat button's backgrounds and borders: the one-pixel 3D borders, the
// default-button frame, the gradient bevels ring by ring, the XP flat look, the
// focus rectangle and the container's picture as background.
#include <functional>
#include <string>
#include <vector>

#include "FlatCmdPaintSupport.h"
#include "controls/FlatCmd/FlatCmdColors.h"

namespace flatcmd_test {
namespace {

using controls::flatcmd::XPFlatHoverColor;
using controls::flatcmd::XPFlatPressedColor;

constexpr int kW = 80, kH = 30;  // the fixture's button, in pixels
constexpr int kMidX = kW / 2, kMidY = kH / 2;

// What a probed pixel should be.
enum class Is { Face, Light, Dark };

COLORREF Expected(Is is) {
    switch (is) {
    case Is::Light: return Sys(COLOR_BTNHIGHLIGHT);
    case Is::Dark: return Sys(COLOR_BTNSHADOW);
    case Is::Face: break;
    }
    return Sys(COLOR_BTNFACE);
}

struct Spot {
    int x, y;
    Is is;
};

// The probes of the three looks of the outer ring (the inner pixel stays face).
std::vector<Spot> Edges(Is topLeft, Is bottomRight) {
    return {{kMidX, 0, topLeft},         {0, kMidY, topLeft},          {kW - 1, 0, topLeft},
            {0, kH - 1, topLeft},        {kW - 1, kMidY, bottomRight}, {kMidX, kH - 1, bottomRight},
            {kW - 1, kH - 1, bottomRight}, {1, 1, Is::Face}};
}
const std::vector<Spot> kNoBorder = Edges(Is::Face, Is::Face);
const std::vector<Spot> kRaised = Edges(Is::Light, Is::Dark);
const std::vector<Spot> kSunken = Edges(Is::Dark, Is::Light);

using Arrange = std::function<void(FlatCmd&, host::Form&)>;
const Arrange kAsIs = [](FlatCmd&, host::Form&) {};

struct BorderCase {
    const char* label;
    Arrange setup;
    PaintState state;
    std::vector<Spot> probes;
};

class FlatCmdPaintBorders : public FlatCmdTest {
protected:
    void SetUp() override {
        FlatCmdTest::SetUp();
        button->SetCaption(L"");
    }
    // A new button without caption for each row, on a form in its usual state.
    FlatCmd& Fresh() {
        form.SetDefaultControl(nullptr);
        form.SetUserMode(true);
        FlatCmd& b = Place(nullptr, L"FlatCmd" + std::to_wstring(++placed_));
        b.SetCaption(L"");
        return b;
    }
    void Check(const BorderCase& c) {
        SCOPED_TRACE(c.label);
        FlatCmd& b = Fresh();
        c.setup(b, form);
        Paint(b, c.state);
        for (const Spot& p : c.probes)
            EXPECT_EQ(Pixel(b, p.x, p.y), Expected(p.is)) << "at " << p.x << ", " << p.y;
    }

private:
    int placed_ = 1;
};

TEST_F(FlatCmdPaintBorders, OnePixelBordersByState) {
    const std::vector<BorderCase> cases{
        {"normal", kAsIs, {}, kNoBorder},
        {"normal, focused (no RAISED: no default frame)", kAsIs, {.focus = true}, kNoBorder},
        {"hovered", kAsIs, {.over = true}, kRaised},
        {"hovered, BEVEL 0", [](FlatCmd& b, host::Form&) { b.SetBEVEL(0); }, {.over = true}, kRaised},
        {"pressed", kAsIs, {.down = true}, kSunken},
        {"pressed and hovered", kAsIs, {.over = true, .down = true}, kSunken},
        {"pressed, BEVEL 0", [](FlatCmd& b, host::Form&) { b.SetBEVEL(0); }, {.down = true}, kSunken},
        {"normal, RAISED", [](FlatCmd& b, host::Form&) { b.SetRAISED(true); }, {}, kRaised},
        {"hovered, NoBorderEffect", [](FlatCmd& b, host::Form&) { b.SetNoBorderEffect(true); }, {.over = true},
         kNoBorder},
        {"normal, while designed", [](FlatCmd&, host::Form& f) { f.SetUserMode(false); }, {}, kRaised},
    };
    for (const auto& c : cases) Check(c);
}

// The default frame darkens a second pixel on the right and bottom edges.
TEST_F(FlatCmdPaintBorders, DefaultFrame) {
    const Arrange makeDefault = [](FlatCmd& b, host::Form& f) { f.SetDefaultControl(&b); };
    const Arrange raisedFocusFrame = [](FlatCmd& b, host::Form&) { b.SetRAISED(true); };
    const std::vector<BorderCase> cases{
        {"default button, normal",
         makeDefault,
         {},
         {{kW - 2, kMidY, Is::Dark}, {kMidX, kH - 2, Is::Dark}, {kW - 1, kMidY, Is::Face}, {0, kMidY, Is::Light},
          {kMidX, 0, Is::Light}}},
        {"default button, hovered", makeDefault, {.over = true}, {{kW - 1, kMidY, Is::Dark}, {kW - 2, kMidY, Is::Dark},
                                                                  {kMidX, kH - 2, Is::Dark}}},
        {"default button, pressed",
         makeDefault,
         {.down = true},
         {{kW - 1, kMidY, Is::Light}, {kW - 2, kMidY, Is::Dark}, {0, kMidY, Is::Light}, {kMidX, 0, Is::Light}}},
        {"focused, RAISED", raisedFocusFrame, {.focus = true}, {{kW - 1, kMidY, Is::Dark}, {kW - 2, kMidY, Is::Dark}}},
        {"focused, RAISED, no border on focus",
         [](FlatCmd& b, host::Form&) {
             b.SetRAISED(true);
             b.SetShowBorderOnFocus(false);
         },
         {.focus = true},
         {{kW - 1, kMidY, Is::Dark}, {kW - 2, kMidY, Is::Face}}},
        {"focused, RAISED, pressed", raisedFocusFrame, {.down = true, .focus = true},
         {{kW - 1, kMidY, Is::Light}, {kW - 2, kMidY, Is::Face}}},
    };
    for (const auto& c : cases) Check(c);
}

// Rings of BEVEL 2 at BEVELDEPTH 8 on RGB(100, 120, 192): three rings; boxes step
// by ShiftColor(-8) (blue by 8/192 of itself, truncated), top and left lines by +8.
constexpr COLORREF kBevelBack = RGB(100, 120, 192);
constexpr COLORREF kOneDarker = RGB(92, 112, 184);  // 192 - 1536 / 192
constexpr COLORREF kTwoDarker = RGB(84, 104, 177);  // 184 - 1472 / 192 = 184 - 7
constexpr COLORREF kThreeDarker = RGB(76, 96, 170);  // 177 - 1416 / 192 = 177 - 7
constexpr COLORREF kOneLighter = RGB(108, 128, 200);
constexpr COLORREF kTwoLighter = RGB(116, 136, 208);
constexpr COLORREF kThreeLighter = RGB(124, 144, 216);

struct Ring {
    int i;  // 2 innermost, 0 outermost
    COLORREF topLeft, bottomRight;
};

struct BevelCase {
    const char* label;
    PaintState state;
    std::vector<Ring> rings;
};

TEST_F(FlatCmdPaintBorders, GradientBevelRings) {
    const std::vector<BevelCase> cases{
        {"raised (hovered): lighter outward on top and left, darker outward on right and bottom",
         {.over = true},
         {{2, kOneLighter, kOneDarker}, {1, kTwoLighter, kTwoDarker}, {0, kThreeLighter, kThreeDarker}}},
        {"sunken (pressed): the other way round",
         {.down = true},
         {{2, kOneDarker, kOneLighter}, {1, kTwoDarker, kTwoLighter}, {0, kThreeDarker, kThreeLighter}}},
    };
    button->SetBackColor(kBevelBack);
    button->SetBEVEL(2);
    button->SetBEVELDEPTH(8);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Paint(*button, c.state);
        for (const Ring& r : c.rings) {
            SCOPED_TRACE("ring " + std::to_string(r.i));
            EXPECT_EQ(Pixel(*button, kMidX, r.i), r.topLeft);
            EXPECT_EQ(Pixel(*button, r.i, kMidY), r.topLeft);
            EXPECT_EQ(Pixel(*button, kW - 1 - r.i, kMidY), r.bottomRight);
            EXPECT_EQ(Pixel(*button, kMidX, kH - 1 - r.i), r.bottomRight);
            // The top line stops before the ring's right column, which keeps the box colour.
            EXPECT_EQ(Pixel(*button, kW - 1 - r.i, r.i), r.bottomRight);
        }
        EXPECT_EQ(Pixel(*button, 3, kMidY), kBevelBack) << "no fourth ring";
    }
}

// With a gradient bevel the default frame is a raised bevel three steps deeper.
TEST_F(FlatCmdPaintBorders, DefaultFrameWithGradientBevel) {
    button->SetBackColor(kBevelBack);
    button->SetBEVEL(2);
    form.SetDefaultControl(button);
    Paint(*button, {});
    EXPECT_EQ(Pixel(*button, kMidX, 0), RGB(133, 153, 225));  // + 3 x 11
    // Blue: 192 - 2112/192 = 181, 181 - 1991/192 = 171, 171 - 1881/192 = 162.
    EXPECT_EQ(Pixel(*button, kW - 1, kMidY), RGB(67, 87, 162));
}

struct XPFlatCase {
    const char* label;
    Arrange setup;
    PaintState state;
    std::function<COLORREF()> background;
    bool framed;
};

TEST_F(FlatCmdPaintBorders, XPFlatLook) {
    const auto highlight = [] { return Sys(COLOR_HIGHLIGHT); };
    const auto face = [] { return Sys(COLOR_BTNFACE); };
    const auto hover = [=] { return XPFlatHoverColor(highlight()); };
    const auto pressed = [=] { return XPFlatPressedColor(highlight()); };
    const Arrange ownColours = [](FlatCmd& b, host::Form&) {
        b.SetXPDefaultColors(false);
        b.SetXPColor_Hover(RGB(200, 210, 220));
        b.SetXPColor_Pressed(host::SystemColor(COLOR_BTNHIGHLIGHT));
    };
    const std::vector<XPFlatCase> cases{
        {"normal", kAsIs, {}, face, false},
        {"normal, border always", [](FlatCmd& b, host::Form&) { b.SetXPShowBorderAlways(true); }, {}, face, true},
        {"hovered, colours from the highlight", kAsIs, {.over = true}, hover, true},
        {"pressed with the mouse over", kAsIs, {.over = true, .down = true}, pressed, true},
        {"pressed with the mouse outside", kAsIs, {.down = true}, pressed, false},
        {"hovered, own colour", ownColours, {.over = true}, [] { return RGB(200, 210, 220); }, true},
        {"pressed, own colour as a system colour", ownColours, {.over = true, .down = true},
         [] { return Sys(COLOR_BTNHIGHLIGHT); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        FlatCmd& b = Fresh();
        b.SetXPWinStyle(false);
        b.SetXPStyle(true);
        c.setup(b, form);
        Paint(b, c.state);
        EXPECT_EQ(Pixel(b, kMidX, kMidY), c.background());
        const COLORREF edge = c.framed ? Sys(COLOR_BTNTEXT) : c.background();
        EXPECT_EQ(Pixel(b, 0, kMidY), edge);
        EXPECT_EQ(Pixel(b, kW - 1, kH - 1), edge);
    }
}

// The dotted focus rectangle 4 pixels inside the edges, only outside the XP
// window style.
TEST_F(FlatCmdPaintBorders, FocusRectangle) {
    Paint(*button, {});
    const Image unfocused = Snapshot(*button);

    Paint(*button, {.focus = true});
    EXPECT_EQ(Snapshot(*button), unfocused) << "XP window style (the default) draws no focus rectangle";

    button->SetShowFocusRect(false);
    button->SetXPWinStyle(false);
    Paint(*button, {.focus = true});
    EXPECT_EQ(Snapshot(*button), unfocused) << "ShowFocusRect off";

    button->SetShowFocusRect(true);
    Paint(*button, {.focus = true});
    const Image focused = Snapshot(*button);
    auto box = DifferenceBox(unfocused, focused);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->left, 4);
    EXPECT_EQ(box->top, 4);
    EXPECT_EQ(box->right, kW - 4);
    EXPECT_EQ(box->bottom, kH - 4);
    for (int y = 5; y < kH - 5; ++y)
        for (int x = 5; x < kW - 5; ++x) ASSERT_EQ(focused.At(x, y), unfocused.At(x, y)) << "inside at " << x << ", " << y;
}

TEST_F(FlatCmdPaintBorders, TransparentBackgroundShowsTheFormPictureUnderTheButton) {
    // The button sits at (40, 40) pixels of the form; the picture is red under
    // its top left part only.
    button->SetXPWinStyle(false);
    button->SetCaption(L"");
    button->SetTransparentBG(true);
    EXPECT_EQ(Pixel(*button, kMidX, kMidY), Sys(COLOR_BTNFACE)) << "no picture: the background stays";

    form.SetPicture(PaintedBitmap(200, 200, {{{0, 0, 200, 200}, RGB(0, 0, 255)}, {{40, 40, 60, 50}, RGB(255, 0, 0)}}));
    Paint(*button, {});
    EXPECT_EQ(Pixel(*button, 5, 5), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(*button, 19, 9), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(*button, 20, 5), RGB(0, 0, 255));
    EXPECT_EQ(Pixel(*button, 5, 10), RGB(0, 0, 255));

    button->SetXPStyle(true);
    Paint(*button, {.over = true, .down = true});
    EXPECT_EQ(Pixel(*button, 5, 5), XPFlatPressedColor(Sys(COLOR_HIGHLIGHT))) << "XP flat, pressed: plain colour";
}

}  // namespace
}  // namespace flatcmd_test
