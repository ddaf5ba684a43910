// The flat button's faces: 3D borders, default frame, focus rectangle, bevels, XP looks, transparency, window region.
#include "FlatCmdTestSupport.h"
#include "controls/FlatCmd/FlatCmdColors.h"

namespace flatcmd_test {
namespace {

using namespace controls::flatcmd;
using Arrange = std::function<void(FlatCmd&)>;

using FlatCmdPaint = FlatCmdTest;

// Looks: top edge, bottom left corner, right edge, the column inside it (Face, Light, Dark); focus line (F or X).
TEST_F(FlatCmdPaint, OnePixelBordersDefaultFrameAndFocusRectangle) {
    constexpr POINT kProbes[] = {{kMidX, 0}, {0, kH - 1}, {kW - 1, kMidY}, {kW - 2, kMidY}};
    const COLORREF face = Sys(COLOR_BTNFACE), light = Sys(COLOR_BTNHIGHLIGHT), dark = Sys(COLOR_BTNSHADOW);
    const auto colour = [&](char look) { return look == 'L' ? light : look == 'D' ? dark : face; };
    const Arrange asIs = [](FlatCmd&) {}, raised = [](FlatCmd&b) { b.SetRAISED(true); };
    const Arrange makeDefault = [this](FlatCmd& b) { form.SetDefaultControl(&b); };
    // clang-format off
    const std::vector<std::tuple<const char*, Arrange, PaintState, const char*>> cases{
        {"focused, in the XP window style and without RAISED", asIs, {.focus = true}, "FFFFF"},
        {"hovered", asIs, {.over = true}, "LLDFF"},
        {"pressed and hovered", asIs, {.over = true, .down = true}, "DDLFF"},
        {"hovered, NoBorderEffect", [](FlatCmd& b) { b.SetNoBorderEffect(true); }, {.over = true}, "FFFFF"},
        {"hovered, BEVEL 0: the one-pixel border", [](FlatCmd& b) { b.SetBEVEL(0); }, {.over = true}, "LLDFF"},
        {"hovered, XP look in the window style, NoBorderEffect: no face",
            [](FlatCmd& b) { b.SetXPStyle(true); b.SetNoBorderEffect(true); }, {.over = true}, "FFFFF"},
        {"while designed", [this](FlatCmd&) { form.SetUserMode(false); }, {}, "LLDFF"},
        {"default", makeDefault, {}, "LLFDF"},
        {"default, pressed", makeDefault, {.down = true}, "LLLDF"},
        {"focused, RAISED", raised, {.focus = true}, "LLDDF"},
        {"focused, RAISED, pressed", raised, {.down = true, .focus = true}, "DDLFF"},
        {"focused, RAISED, no border on focus", [](FlatCmd& b) { b.SetRAISED(true); b.SetShowBorderOnFocus(false); },
            {.focus = true}, "LLDFF"},
        {"focused, not in the XP window style", [](FlatCmd& b) { b.SetXPWinStyle(false); }, {.focus = true}, "FFFFX"},
        {"focused, no focus rectangle", [](FlatCmd& b) { b.SetXPWinStyle(false); b.SetShowFocusRect(false); },
            {.focus = true}, "FFFFF"},
    };
    // clang-format on
    for (const auto& [label, arrange, state, looks] : cases) {
        SCOPED_TRACE(label);
        form.SetDefaultControl(nullptr);
        form.SetUserMode(true);
        FlatCmd& b = Fresh();
        arrange(b);
        Paint(b, state);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(Pixel(b, kProbes[i].x, kProbes[i].y), colour(looks[i])) << "probe " << i;
        EXPECT_EQ(Pixel(b, kMidX, 4) != face || Pixel(b, kMidX + 1, 4) != face, looks[4] == 'X') << "focus rectangle";
    }
}

// BEVEL 2 at BEVELDEPTH 8: three rings, boxes stepping by ShiftColor(-8), top and left lines by +8.
TEST_F(FlatCmdPaint, GradientBevelRings) {
    constexpr COLORREF kBack = RGB(100, 120, 192);
    constexpr COLORREF kDarker[] = {RGB(76, 96, 170), RGB(84, 104, 177), RGB(92, 112, 184)};  // outermost first
    constexpr COLORREF kLighter[] = {RGB(124, 144, 216), RGB(116, 136, 208), RGB(108, 128, 200)};
    button->SetCaption(L"");
    button->SetBackColor(kBack);
    button->SetBEVEL(2);
    button->SetBEVELDEPTH(8);
    for (const bool sunken : {false, true}) {
        Paint(*button, {.over = !sunken, .down = sunken});
        for (int i = 0; i < 3; ++i) {
            const COLORREF topLeft = sunken ? kDarker[i] : kLighter[i], bottomRight = sunken ? kLighter[i] : kDarker[i];
            EXPECT_EQ(std::tuple(Pixel(*button, kMidX, i), Pixel(*button, i, kMidY), Pixel(*button, kW - 1 - i, i),
                                 Pixel(*button, kW - 1 - i, kMidY), Pixel(*button, kMidX, kH - 1 - i)),
                      std::tuple(topLeft, topLeft, bottomRight, bottomRight, bottomRight))
                << (sunken ? "pressed" : "hovered") << ", ring " << i;
        }
        EXPECT_EQ(Pixel(*button, 3, kMidY), kBack) << "no fourth ring";
    }
    // The default frame: a raised bevel three steps deeper.
    form.SetDefaultControl(button);
    Paint(*button, {});
    EXPECT_EQ(std::tuple(Pixel(*button, kMidX, 0), Pixel(*button, kW - 1, kMidY)),
              std::tuple(RGB(133, 153, 225), RGB(67, 87, 162)));
}

// Backgrounds from the selection highlight, or from the button's own colours; a frame while hovered or always.
TEST_F(FlatCmdPaint, XPFlatLook) {
    const COLORREF text = Sys(COLOR_BTNTEXT), pressed = XPFlatPressedColor(Sys(COLOR_HIGHLIGHT));
    struct Case {
        const char* label;
        bool always, defaults;
        PaintState state;
        COLORREF background, edge;
    };
    const Case cases[] = {
        {"border always", true, true, {}, Sys(COLOR_BTNFACE), text},
        {"hovered", false, true, {.over = true}, XPFlatHoverColor(Sys(COLOR_HIGHLIGHT)), text},
        {"pressed", false, true, {.over = true, .down = true}, pressed, text},
        {"pressed, the mouse outside", false, true, {.down = true}, pressed, pressed},
        {"pressed, own colour", false, false, {.over = true, .down = true}, Sys(COLOR_BTNHIGHLIGHT), text},
    };
    for (const Case& c : cases) {
        FlatCmd& b = Fresh();
        b.SetXPWinStyle(false);
        b.SetXPStyle(true);
        b.SetXPShowBorderAlways(c.always);
        b.SetXPDefaultColors(c.defaults);
        Paint(b, c.state);
        EXPECT_EQ(std::tuple(Pixel(b, kMidX, kMidY), Pixel(b, 0, kMidY), Pixel(b, kW - 1, kH - 1)),
                  std::tuple(c.background, c.edge, c.edge))
            << c.label;
    }
}

// The form's picture is red under the button's top left 20 x 10 pixels, whatever the form's scale.
TEST_F(FlatCmdPaint, TransparentBackgroundShowsTheFormPictureUnderTheButton) {
    button->SetXPWinStyle(false);
    button->SetTransparentBG(true);
    form.SetPicture(BitmapPicture(200, 200, {{{0, 0, 200, 200}, kBlue}, {{40, 40, 60, 50}, kRed}}));
    const struct {
        const char* label;
        host::ScaleMode mode;
    } rows[] = {
        {"twips", host::ScaleMode::Twips},
        {"Mended: pixels (the place, in twips, was read as pixels: 15 times too far)", host::ScaleMode::Pixels},
    };
    for (const auto& row : rows) {
        form.SetScaleMode(row.mode);
        Paint(*button, {});
        EXPECT_EQ(std::tuple(Pixel(*button, 5, 5), Pixel(*button, 19, 9), Pixel(*button, 20, 5), Pixel(*button, 5, 10)),
                  std::tuple(kRed, kRed, kBlue, kBlue))
            << row.label;
    }
}

constexpr int kFaceW = 60, kFaceH = 20, kFaceMidX = kFaceW / 2, kFaceMidY = kFaceH / 2;
constexpr COLORREF kBase = RGB(168, 178, 120);         // RGB(120, 130, 96) lifted by 48: blue by 48/192 of itself
constexpr COLORREF kPressedBase = RGB(136, 146, 100);  // lowered again by 32: blue 120 - 20

struct Probe {
    int x, y, first, second = 0;
};

class FlatCmdXPFace : public FlatCmdTest {
protected:
    void SetUp() override {
        FlatCmdTest::SetUp();
        button->SetCaption(L"");
        button->SetBackColor(RGB(120, 130, 96));
        button->SetXPStyle(true);
        SizeInPixels(*button, kFaceW, kFaceH);
    }
    void ExpectShifted(COLORREF reference, const std::vector<Probe>& probes, bool second) {
        for (const Probe& p : probes)
            EXPECT_EQ(Pixel(*button, p.x, p.y), ShiftColor(reference, second ? p.second : p.first))
                << "at " << p.x << ", " << p.y;
    }
};

// Normal and pressed (on a 60 x 20 button): the gradient rows, each edge line, and the dark frame and corners.
TEST_F(FlatCmdXPFace, GradientsEdgeLinesAndFrame) {
    const std::vector<Probe> face{
        {kFaceMidX, 3, -4, -13},  {kFaceMidX, 4, -5, -12},  {kFaceMidX, 5, -6, -11},  {kFaceMidX, 6, -8, -10},
        {kFaceMidX, 7, -9, -10},  {kFaceMidX, 8, -10, -9},  {kFaceMidX, 9, -11, -8},  {kFaceMidX, 10, -12, -8},
        {kFaceMidX, 11, -14, -7}, {kFaceMidX, 12, -15, -6}, {kFaceMidX, 13, -16, -5}, {kFaceMidX, 14, -18, -4},
        {kFaceMidX, 15, -19, -4}, {kFaceMidX, 16, -20, -3}, {kFaceMidX, 18, -48, 16}, {kFaceMidX, 17, -32, 10},
        {58, kFaceMidY, -36, 5},  {57, kFaceMidY, -24, 0},  {kFaceMidX, 1, 16, -32},  {kFaceMidX, 2, 10, -24},
        {1, kFaceMidY, -5, -32},  {2, kFaceMidY, -10, -22}};
    for (const bool pressed : {false, true}) {
        SCOPED_TRACE(pressed ? "pressed, hovered and focused: no ring" : "normal");
        Paint(*button, {.over = pressed, .down = pressed, .focus = pressed});
        ExpectShifted(pressed ? kPressedBase : kBase, face, pressed);
        for (const POINT p : {POINT{0, 0}, {30, 0}, {59, 10}, {0, 19}, {1, 1}, {58, 1}, {1, 18}, {58, 18}})
            EXPECT_EQ(Pixel(*button, p.x, p.y), Sys(COLOR_3DDKSHADOW)) << "frame at " << p.x << ", " << p.y;
    }
}

// The ring in XPColor_Pressed when focused or XPColor_Hover when hovered, lines shifted from it.
TEST_F(FlatCmdXPFace, FocusAndHoverRings) {
    const std::vector<Probe> ring{{kFaceMidX, 18, -33, -40}, {kFaceMidX, 1, 65, 200}, {kFaceMidX, 2, 50, 35},
                                  {2, kFaceMidY, 31, 20},    {57, kFaceMidY, 31, 20}, {1, kFaceMidY, 0, 0},
                                  {58, kFaceMidY, 0, 0},     {kFaceMidX, 17, 0, 0}};
    const std::pair<host::OleColor, host::OleColor> colours[] = {
        {RGB(40, 80, 160), RGB(200, 120, 40)},
        {host::SystemColor(COLOR_BTNHIGHLIGHT), host::SystemColor(COLOR_3DLIGHT)}};
    for (const auto& [focus, hover] : colours) {
        button->SetXPColor_Pressed(focus);
        button->SetXPColor_Hover(hover);
        Paint(*button, {.focus = true});
        ExpectShifted(TranslateColor(focus), ring, false);
        Paint(*button, {.over = true, .focus = true});
        ExpectShifted(TranslateColor(hover), ring, true);
    }
}

TEST_F(FlatCmdXPFace, DisabledFace) {
    button->SetEnabled(false);
    Paint(*button, {.over = true, .down = true, .focus = true});
    ExpectShifted(kBase,
                  {{kFaceMidX, kFaceMidY, -24},
                   {0, 0, -24},
                   {kFaceMidX, 0, -84},
                   {kFaceMidX, 19, -84},
                   {0, kFaceMidY, -84},
                   {59, kFaceMidY, -84},
                   {1, 1, -72},
                   {58, 18, -72}},
                  false);
}

// Each corner loses its outer two pixels and the next row's outer one; the region stays with the style off.
TEST_F(FlatCmdXPFace, WindowRegionCutsTheCorners) {
    for (const bool off : {false, true}) {
        if (off) {
            button->SetXPStyle(false);
            button->SetXPWinStyle(false);  // also runs the resize step
        }
        host::gdi::Region region = host::gdi::RectRegion(0, 0, 0, 0);
        ASSERT_NE(GetWindowRgn(button->hWnd(), region), ERROR);
        for (const auto& [dx, dy, kept] :
             {std::tuple(0, 0, false), {1, 0, false}, {2, 0, true}, {0, 1, false}, {1, 1, true}, {0, 2, true}})
            for (const auto& [x, y] : {std::pair(dx, dy), {59 - dx, dy}, {dx, 19 - dy}, {59 - dx, 19 - dy}})
                EXPECT_EQ(PtInRegion(region, x, y) != FALSE, kept) << (off ? "style off, " : "") << x << ", " << y;
    }
}

}  // namespace
}  // namespace flatcmd_test
