// Colour arithmetic of the flat button on worked values.
#include <gtest/gtest.h>
#include <windows.h>

#include "controls/FlatCmd/FlatCmdColors.h"

namespace {

using namespace controls::flatcmd;

struct ShiftCase {
    const char* label;
    COLORREF colour;
    int amount;
    COLORREF expected;
};

const ShiftCase kShiftCases[] = {
    // Blue moves by amount/192 of itself: 192 + 192 * 48 / 192 = 240.
    {"lighten, blue in proportion", RGB(100, 100, 192), 48, RGB(148, 148, 240)},
    {"darken, blue in proportion", RGB(100, 100, 96), -24, RGB(76, 76, 84)},
    // 100 * -10 / 192 = -5.2, truncated toward zero to -5 (not floored to -6).
    {"blue division truncates toward zero", RGB(50, 50, 100), -10, RGB(40, 40, 95)},
    {"no blue, blue stays", RGB(0, 0, 0), 100, RGB(100, 100, 0)},
    {"clamped at 255", RGB(250, 250, 250), 48, RGB(255, 255, 255)},
    {"clamped at 0, blue only loses its share", RGB(10, 10, 10), -84, RGB(0, 0, 6)},
    {"large amount on full blue", RGB(0, 0, 255), 200, RGB(200, 200, 255)},
    {"zero amount keeps the colour", RGB(12, 34, 56), 0, RGB(12, 34, 56)},
};

TEST(FlatCmdColors, ShiftColorMovesRedAndGreenByTheAmountAndBlueInProportion) {
    for (const auto& c : kShiftCases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(ShiftColor(c.colour, c.amount), c.expected);
    }
}

struct AddCase {
    const char* label;
    COLORREF colour;
    int amount;
    COLORREF expected;
};

const AddCase kAddCases[] = {
    {"every component alike", RGB(100, 10, 128), 8, RGB(108, 18, 136)},
    {"above 255 becomes 255", RGB(250, 10, 253), 8, RGB(255, 18, 255)},
    {"below 0 becomes 0", RGB(5, 100, 3), -8, RGB(0, 92, 0)},
};

TEST(FlatCmdColors, AddToComponentsClampsEachComponent) {
    for (const auto& c : kAddCases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(AddToComponents(c.colour, c.amount), c.expected);
    }
}

TEST(FlatCmdColors, XPFlatBackgroundsFollowTheHighlightColour) {
    const COLORREF highlight = RGB(10, 36, 106);
    EXPECT_EQ(XPFlatHoverColor(highlight), RGB(181, 190, 214));
    EXPECT_EQ(XPFlatPressedColor(highlight), RGB(166, 175, 214));
    // A light highlight saturates instead of wrapping into another colour.
    EXPECT_EQ(XPFlatHoverColor(RGB(200, 200, 200)), RGB(255, 255, 255));
}

TEST(FlatCmdColors, TranslateColorKeepsPlainValuesAndLooksUpSystemColours) {
    EXPECT_EQ(TranslateColor(0), 0u);
    EXPECT_EQ(TranslateColor(0xFFFFFF), 0xFFFFFFu);
    EXPECT_EQ(TranslateColor(RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(TranslateColor(0x8000000F), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(TranslateColor(0x80000016), GetSysColor(COLOR_3DLIGHT));
    // Any value above the plain range names the system colour of its low 24 bits.
    EXPECT_EQ(TranslateColor(0x01000005), GetSysColor(COLOR_WINDOW));
}

}  // namespace
