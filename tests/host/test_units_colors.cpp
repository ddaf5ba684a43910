// Twips and the screen's factors, ScaleX/ScaleY, places in pixels, and OLE colours.
#include <gtest/gtest.h>

#include <memory>

#include "HostTestKit.h"
#include "host/Color.h"
#include "host/Form.h"
#include "host/Label.h"
#include "host/TextBox.h"
#include "host/Units.h"

using namespace host;
using hosttest::Corners;
using hosttest::ErrorOf;
using hosttest::kNoError;

namespace {

int ScreenDpi(int capability) {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, capability);
    ReleaseDC(nullptr, screen);
    return dpi;
}

}  // namespace

TEST(Units, ScreenFactorsComeFromTheDisplayResolution) {
    EXPECT_DOUBLE_EQ(1440.0 / ScreenDpi(LOGPIXELSX), Screen::TwipsPerPixelX());
    EXPECT_DOUBLE_EQ(1440.0 / ScreenDpi(LOGPIXELSY), Screen::TwipsPerPixelY());
}

TEST(Units, ScaleConvertsBetweenModes) {
    const double tppx = Screen::TwipsPerPixelX(), tppy = Screen::TwipsPerPixelY();
    struct Row { const char* label; double value; ScaleMode from, to; double x, y; };
    const Row rows[] = {
        {"twips to pixels", 1500, ScaleMode::Twips, ScaleMode::Pixels, 1500 / tppx, 1500 / tppy},
        {"pixels to twips", 10, ScaleMode::Pixels, ScaleMode::Twips, 10 * tppx, 10 * tppy},
        {"an inch of twips in HIMETRIC", 1440, ScaleMode::Twips, ScaleMode::Himetric, 2540, 2540},
        {"HIMETRIC to twips", 2540, ScaleMode::Himetric, ScaleMode::Twips, 1440, 1440},
        {"pixels to HIMETRIC", 96, ScaleMode::Pixels, ScaleMode::Himetric, 96 * tppx * 2540 / 1440,
         96 * tppy * 2540 / 1440},
        {"points to twips", 9, ScaleMode::Points, ScaleMode::Twips, 180, 180},
        {"characters to twips", 2, ScaleMode::Characters, ScaleMode::Twips, 240, 480},
        {"centimetres to millimetres", 1, ScaleMode::Centimeters, ScaleMode::Millimeters, 10, 10},
        {"same mode", 123.25, ScaleMode::Pixels, ScaleMode::Pixels, 123.25, 123.25},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_NEAR(row.x, ScaleX(row.value, row.from, row.to), 1e-9);
        EXPECT_NEAR(row.y, ScaleY(row.value, row.from, row.to), 1e-9);
    }
    EXPECT_EQ(err::InvalidProcedureCall, ErrorOf([] { ScaleX(1, ScaleMode::User, ScaleMode::Twips); }));
    EXPECT_EQ(err::InvalidProcedureCall, ErrorOf([] { ScaleY(1, ScaleMode::Twips, static_cast<ScaleMode>(9)); }));
}

TEST(Units, ScaleModeValuesOutsideTheRangeAreInvalid) {
    EXPECT_EQ(ScaleMode::Pixels, ToScaleMode(3));
    EXPECT_EQ(ScaleMode::Himetric, ToScaleMode(8));
    EXPECT_EQ(err::InvalidPropertyValue, ErrorOf([] { ToScaleMode(9); }));
    EXPECT_EQ(err::InvalidPropertyValue, ErrorOf([] { ToScaleMode(-1); }));
}

TEST(Units, ControlsArePlacedInPixelsFromTwips) {
    if (Screen::TwipsPerPixelX() != 15 || Screen::TwipsPerPixelY() != 15) GTEST_SKIP() << "the display is not 96 dpi";
    Form form(L"UnitsForm");
    form.SetClientSize(9000, 9000);
    RECT client;
    GetClientRect(form.hWnd(), &client);
    EXPECT_EQ(600, client.right);
    EXPECT_EQ(600, client.bottom);

    const RECT expected{104, 536, 104 + 73, 536 + 25};
    auto& label = form.Add(std::make_unique<Label>(L"lbl"));
    label.Move(1560, 8040, 1095, 375);
    EXPECT_EQ(Corners(expected), Corners(label.PixelRect()));

    auto& box = form.Add(std::make_unique<TextBox>(L"txt"));
    box.Move(1560, 8040, 1095, 375);
    RECT window;
    GetWindowRect(box.Hwnd(), &window);
    MapWindowPoints(nullptr, form.hWnd(), reinterpret_cast<POINT*>(&window), 2);
    EXPECT_EQ(Corners(expected), Corners(window));
    EXPECT_EQ(err::InvalidPropertyValue, ErrorOf([&] { box.SetWidth(-1); }));
    EXPECT_EQ(1095, box.Width());
}

TEST(Colors, SystemColoursTranslateToTheSystemsValues) {
    for (int index = COLOR_SCROLLBAR; index <= COLOR_MENUBAR; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(GetSysColor(index), TranslateColor(SystemColor(index)));
    }
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), TranslateColor(0x8000000F));
    EXPECT_EQ(RGB(0x12, 0x34, 0x56), TranslateColor(0x00563412));
}

TEST(Colors, InvalidColoursAreInvalidPropertyValues) {
    for (OleColor bad : {0x80000050u, 0x800000FFu, 0x7F000000u, 0x40FF0000u}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(err::InvalidPropertyValue, ErrorOf([bad] { TranslateColor(bad); }));
    }
    Label label(L"lbl");
    EXPECT_EQ(err::InvalidPropertyValue, ErrorOf([&] { label.SetBackColor(0x80000050u); }));
    EXPECT_EQ(kButtonFace, label.BackColor());
}
