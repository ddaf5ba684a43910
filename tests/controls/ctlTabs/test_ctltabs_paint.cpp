// The tab strip's picture: the fresh strip, every style's container and first tab, every caption place, absurd values.
#include "TabsTestSupport.h"
#include "host/values/Font.h"

namespace tabs_test {
namespace {

using TabsPaint = TabsTest;
using Access = controls::ctlTabsTestAccess;

// The width of `text`'s ink when printed alone in `font` on a strip's image.
LONG InkWidth(ctlTabs& scratch, const host::Font& font, const std::wstring& text) {
    const host::gdi::FontHandle handle(host::CreateFontFor(font));
    const host::gdi::Selection select(scratch.hDC(), handle);
    SetTextColor(scratch.hDC(), kBlack);
    TextOutW(scratch.hDC(), 100, 50, text.c_str(), static_cast<int>(text.size()));
    const RECT ink = InkBox(scratch.hDC(), {0, 40, kW, kH}, kBlack);
    return ink.right - ink.left;
}

TEST_F(TabsPaint, FreshStrip) {
    const COLORREF face = Sys(COLOR_BTNFACE), light = Sys(COLOR_BTNHIGHLIGHT), shadow = Sys(COLOR_BTNSHADOW);
    const struct {
        const char* label;
        int x, y;
        COLORREF colour;
    } pixels[] = {
        {"container top edge", 150, 20, light},  {"tab 1 joins the container", 35, 20, face},
        {"tab 1 left edge", 0, 10, light},       {"tab 1 right edge", 70, 10, shadow},
        {"tab 2 fill", 72, 2, shadow},           {"gap after tab 2", 140, 10, kYellow},
        {"margin above tab 2", 100, 0, kYellow},
    };
    for (const auto& p : pixels) EXPECT_EQ(Pixel(*tabs, p.x, p.y), p.colour) << p.label;

    const RECT ink1 = InkBox(tabs->hDC(), {1, 1, 70, 20}, Sys(COLOR_BTNTEXT));
    const RECT ink2 = InkBox(tabs->hDC(), {71, 1, 140, 20}, light);
    EXPECT_EQ(ink1.right - ink1.left, InkWidth(Place(nullptr), *tabs->TabFontActive(), L"Tab 1"))
        << "bold, button text";
    EXPECT_EQ(ink2.right - ink2.left, InkWidth(Place(nullptr), *tabs->TabFont(), L"Tab 2")) << "plain, highlight";
    EXPECT_NEAR((ink1.left + ink1.right) / 2.0, 34.5, 2) << "centred";
}

// Every style's container and first (selected) tab: filled in the active colour, the bottom right corner in shadow.
TEST_F(TabsPaint, EveryStylesContainerAndFirstTab) {
    const struct {
        int16_t style;
        RECT container, tab1;
    } rows[] = {
        {0, {0, 20, 200, 100}, {0, 0, 71, 21}},  {1, {0, 20, 200, 100}, {59, 0, 130, 21}},
        {2, {0, 0, 200, 80}, {0, 79, 71, 100}},  {3, {0, 0, 200, 80}, {59, 79, 130, 100}},
        {4, {70, 0, 200, 100}, {0, 0, 71, 21}},  {5, {0, 0, 130, 100}, {129, 0, 200, 21}},
        {6, {70, 0, 200, 100}, {0, 59, 71, 80}}, {7, {0, 0, 130, 100}, {129, 59, 200, 80}},
        {9, {0, 0, 200, 100}, {0, 0, 71, 21}},  // stored out of range: no edge on the tab
    };
    const COLORREF face = Sys(COLOR_BTNFACE), light = Sys(COLOR_BTNHIGHLIGHT), shadow = Sys(COLOR_BTNSHADOW);
    for (const auto& row : rows) {
        ctlTabs& t = Stored({{L"TABSTYLE", host::Variant::Int(row.style)}});  // the captions are empty
        const RECT c = row.container, r = Access::tabRects_(t)[0];
        const bool edged = row.style <= 7;
        EXPECT_EQ(Corners(r), Corners(row.tab1)) << row.style;
        EXPECT_EQ(Pixel(t, (c.left + c.right) / 2, (c.top + c.bottom) / 2), face) << row.style;
        EXPECT_EQ(Pixel(t, c.right - 1, c.bottom - 1), shadow) << row.style;
        EXPECT_EQ(std::pair(Pixel(t, r.left, r.top), Pixel(t, r.right - 1, r.bottom - 1)),
                  edged ? std::pair(light, shadow) : std::pair(face, face))
            << row.style;
    }
    tabs->SetStyle(1);
    EXPECT_EQ(Corners(Access::tabRects_(*tabs)[1]), (std::array<LONG, 4>{130, 1, 199, 20})) << "flush with the edge";
}

// Mended: an untranslatable colour failed every repaint (it draws black); positions past 32 bits overflowed.
TEST_F(TabsPaint, AbsurdValuesGiveDrawingsNotErrors) {
    tabs->SetTabColor(0x12345678);
    tabs->SetTextColorActive(0x7F000000);
    EXPECT_EQ(Pixel(*tabs, 72, 2), kBlack) << "Mended: inactive fill";
    EXPECT_LT(InkBox(tabs->hDC(), {1, 1, 70, 20}, kBlack).left, 70) << "Mended: caption";
    EXPECT_EQ(ErrorOf([&] {
                  tabs->SetTabsWidth(INT32_MAX);
                  tabs->SetStyle(1);
                  tabs->SetTabs(300);
              }),
              0)
        << "Mended";

    ctlTabs& stored = Stored({{L"TABSELECTED", host::Variant::Int(7)}});
    EXPECT_EQ(Corners(Access::tabRects_(stored)[0]), (std::array<LONG, 4>{1, 1, 70, 20})) << "every tab inactive";
}

TEST_F(TabsPaint, OnlyTheContainersBackColourRepaints) {
    form.SetBackColor(Ole(kGreen));
    EXPECT_EQ(Pixel(*tabs, 150, 5), kGreen);
    SetPixel(tabs->hDC(), 150, 5, kRed);
    form.SetFont(host::Font::Create({.name = L"Arial", .size = 20}));
    EXPECT_EQ(Pixel(*tabs, 150, 5), kRed);
}

}  // namespace
}  // namespace tabs_test
