// Twips and the screen's factors, ScaleX/ScaleY, places in pixels, and OLE colours.
#include "HostTestKit.h"
#include "host/values/Color.h"

using namespace host;
using namespace hosttest;

TEST(Units, ScaleConvertsBetweenModesWithTheScreensFactors) {
    HDC screen = GetDC(nullptr);
    const double tppx = 1440.0 / GetDeviceCaps(screen, LOGPIXELSX), tppy = 1440.0 / GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    // clang-format off
    const struct { const char* label; double value; ScaleMode from, to; double x, y; } rows[] = {
        {"twips to pixels", 1500, ScaleMode::Twips, ScaleMode::Pixels, 1500 / tppx, 1500 / tppy},
        {"an inch of twips in HIMETRIC", 1440, ScaleMode::Twips, ScaleMode::Himetric, 2540, 2540},
        {"points to twips", 9, ScaleMode::Points, ScaleMode::Twips, 180, 180},
        {"characters to twips", 2, ScaleMode::Characters, ScaleMode::Twips, 240, 480},
        {"centimetres to millimetres", 1, ScaleMode::Centimeters, ScaleMode::Millimeters, 10, 10},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_NEAR(row.x, ScaleX(row.value, row.from, row.to), 1e-9);
        EXPECT_NEAR(row.y, ScaleY(row.value, row.from, row.to), 1e-9);
    }
    EXPECT_EQ(err::InvalidProcedureCall, ErrorOf([] { ScaleX(1, ScaleMode::User, ScaleMode::Twips); }));
    EXPECT_EQ(err::InvalidPropertyValue, ErrorOf([] { ToScaleMode(9); }));
}

TEST(Units, ControlsArePlacedInPixelsFromTwips) {
    if (Screen::TwipsPerPixelX() != 15 || Screen::TwipsPerPixelY() != 15) GTEST_SKIP() << "the display is not 96 dpi";
    Form form(L"UnitsForm");
    form.SetClientSize(9010, 8990);  // to the nearest pixel
    RECT client;
    GetClientRect(form.hWnd(), &client);
    EXPECT_EQ(601, client.right);
    EXPECT_EQ(599, client.bottom);

    const RECT expected{105, 536, 105 + 73, 536 + 26};
    auto& label = form.Add(std::make_unique<Label>(L"lbl"));
    label.Move(1568, 8047, 1100, 383);
    EXPECT_EQ(Corners(expected), Corners(label.PixelRect()));
    auto& box = form.Add(std::make_unique<TextBox>(L"txt"));
    box.Move(1568, 8047, 1100, 383);
    RECT window;
    GetWindowRect(box.Hwnd(), &window);
    MapWindowPoints(nullptr, form.hWnd(), reinterpret_cast<POINT*>(&window), 2);
    EXPECT_EQ(Corners(expected), Corners(window));
    EXPECT_EQ(err::InvalidPropertyValue, ErrorOf([&] { box.SetWidth(-1); }));
}

TEST(Colors, InvalidColoursAreRefusedAndLeaveTheOldOne) {
    for (OleColor bad : {0x80000050u, 0x800000FFu, 0x7F000000u, 0x40FF0000u})
        EXPECT_EQ(err::InvalidPropertyValue, ErrorOf([bad] { TranslateColor(bad); })) << bad;
    Label label(L"lbl");
    EXPECT_EQ(err::InvalidPropertyValue, ErrorOf([&] { label.SetBackColor(0x80000050u); }));
    EXPECT_EQ(kButtonFace, label.BackColor());
}
