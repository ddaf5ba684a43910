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
    const std::vector<Probe> face{{kFaceMidX, 3, -4, -13},  {kFaceMidX, 10, -12, -8}, {kFaceMidX, 16, -20, -3},
                                  {kFaceMidX, 18, -48, 16}, {58, kFaceMidY, -36, 5},  {kFaceMidX, 1, 16, -32},
                                  {1, kFaceMidY, -5, -32}};
    for (const bool pressed : {false, true}) {
        SCOPED_TRACE(pressed ? "pressed, hovered and focused: no ring" : "normal");
        Paint(*button, {.over = pressed, .down = pressed, .focus = pressed});
        ExpectShifted(pressed ? kPressedBase : kBase, face, pressed);
        for (const POINT p : {POINT{0, 0}, {30, 0}, {59, 10}, {0, 19}, {1, 1}, {58, 1}, {1, 18}, {58, 18}})
            EXPECT_EQ(Pixel(*button, p.x, p.y), Sys(COLOR_3DDKSHADOW)) << "frame at " << p.x << ", " << p.y;
    }
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
