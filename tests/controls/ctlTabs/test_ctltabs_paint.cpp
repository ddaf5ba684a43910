// The tab strip's picture: the fresh strip pixel by pixel, every style's container
// and first tab, every caption place, and how absurd values draw.
#include <cmath>

#include "TabsTestSupport.h"
#include "host/WindowedControl.h"

namespace tabs_test {
namespace {

using TabsPaint = TabsTest;

// The width of `text`'s ink when printed alone in `font`.
LONG InkWidth(const host::Font& font, const std::wstring& text) {
    Canvas canvas(100, 40);
    const RECT all{0, 0, 100, 40};
    FillRect(canvas.Dc(), &all, host::gdi::SolidBrush(kYellow));
    const host::gdi::FontHandle handle(host::CreateFontFor(font));
    const host::gdi::Selection select(canvas.Dc(), handle);
    SetBkMode(canvas.Dc(), TRANSPARENT);
    SetTextColor(canvas.Dc(), kBlack);
    TextOutW(canvas.Dc(), 5, 5, text.c_str(), static_cast<int>(text.size()));
    const RECT ink = InkBox(canvas.Dc(), all, kBlack);
    return ink.right - ink.left;
}

TEST_F(TabsPaint, FreshStrip) {
    const COLORREF face = Sys(COLOR_BTNFACE), light = Sys(COLOR_BTNHIGHLIGHT), shadow = Sys(COLOR_BTNSHADOW);
    const struct {
        const char* label;
        int x, y;
        COLORREF colour;
    } pixels[] = {
        {"container inside", 100, 60, face},       {"container top edge", 150, 20, light},
        {"container left edge", 0, 50, light},     {"container right edge", 199, 50, shadow},
        {"container bottom edge", 100, 99, shadow}, {"tab 1 joins the container", 35, 20, face},
        {"tab 1 left edge", 0, 10, light},         {"tab 1 top edge", 35, 0, light},
        {"tab 1 right edge", 70, 10, shadow},      {"tab 2 fill", 72, 2, shadow},
        {"tab 2 last fill column", 139, 2, shadow}, {"gap after tab 2", 140, 10, kYellow},
        {"margin above tab 2", 100, 0, kYellow},   {"beyond the tabs", 150, 5, kYellow},
    };
    for (const auto& p : pixels) EXPECT_EQ(Pixel(*tabs, p.x, p.y), p.colour) << p.label;

    const RECT tab1{1, 1, 70, 20}, tab2{71, 1, 140, 20};
    const RECT ink1 = InkBox(tabs->hDC(), tab1, Sys(COLOR_BTNTEXT)), ink2 = InkBox(tabs->hDC(), tab2, light);
    EXPECT_EQ(ink1.right - ink1.left, InkWidth(*tabs->TabFontActive(), L"Tab 1")) << "bold caption in button text";
    EXPECT_EQ(ink2.right - ink2.left, InkWidth(*tabs->TabFont(), L"Tab 2")) << "plain caption in highlight";
    EXPECT_NEAR((ink1.left + ink1.right) / 2.0, 34.5, 2) << "centred";
}

// The container and the first (selected) tab of every style, for 200 x 100 pixels.
TEST_F(TabsPaint, EveryStylesContainerAndFirstTab) {
    const struct {
        int16_t style;
        RECT container, tab1;
        bool edged;
    } rows[] = {
        {0, {0, 20, 200, 100}, {0, 0, 71, 21}, true},    {1, {0, 20, 200, 100}, {59, 0, 130, 21}, true},
        {2, {0, 0, 200, 80}, {0, 79, 71, 100}, true},    {3, {0, 0, 200, 80}, {59, 79, 130, 100}, true},
        {4, {70, 0, 200, 100}, {0, 0, 71, 21}, true},    {5, {0, 0, 130, 100}, {129, 0, 200, 21}, true},
        {6, {70, 0, 200, 100}, {0, 59, 71, 80}, true},   {7, {0, 0, 130, 100}, {129, 59, 200, 80}, true},
        {9, {0, 0, 200, 100}, {0, 0, 71, 21}, false},  // stored out of range
    };
    const COLORREF face = Sys(COLOR_BTNFACE), light = Sys(COLOR_BTNHIGHLIGHT), shadow = Sys(COLOR_BTNSHADOW);
    for (const auto& row : rows) {
        host::PropertyBag bag;  // the captions are empty
        bag.WriteProperty(L"TABSTYLE", host::Variant::Int(row.style));
        ctlTabs& t = Place(&bag);
        const RECT c = row.container, r = controls::ctlTabsTestAccess::TabRects(t)[0];
        EXPECT_EQ(Corners(r), Corners(row.tab1)) << row.style;
        EXPECT_EQ(Pixel(t, (c.left + c.right) / 2, (c.top + c.bottom) / 2), face) << row.style;
        EXPECT_EQ(Pixel(t, c.right - 1, c.bottom - 1), shadow) << row.style;
        EXPECT_EQ(Pixel(t, r.left, r.top), row.edged ? light : face) << row.style;
        EXPECT_EQ(Pixel(t, r.right - 1, r.bottom - 1), row.edged ? shadow : face) << row.style;
    }
    tabs->SetStyle(1);
    EXPECT_EQ(Corners(controls::ctlTabsTestAccess::TabRects(*tabs)[1]), (std::array<LONG, 4>{130, 1, 199, 20}))
        << "the flush strip ends at the control's edge";
}

// Each caption place in a 100 x 50 tab, for every style: the caption's ink keeps
// the margins of its column and row.
TEST_F(TabsPaint, EveryCaptionPlaceInEveryStyle) {
    const std::vector<std::wstring> captions{L"Tab"};
    const auto font = host::Font::Create({.size = 12});
    Canvas canvas(300, 200);
    TEXTMETRICW metrics{};
    {
        const host::gdi::FontHandle handle(host::CreateFontFor(*font));
        const host::gdi::Selection select(canvas.Dc(), handle);
        GetTextMetricsW(canvas.Dc(), &metrics);
    }
    const double th = metrics.tmHeight;
    for (int16_t style = 0; style <= 7; ++style) {
        for (int16_t place = 0; place <= 8; ++place) {
            const controls::tabs::Look look{.size = {300, 200}, .tabWidth = 100, .tabHeight = 50, .tabs = 1,
                                            .selected = 1, .style = style, .captionAlignment = place,
                                            .captions = &captions, .font = font.get(), .fontActive = font.get(),
                                            .back = kYellow, .tab = kGreen, .tabActive = kBlue, .text = kBlack,
                                            .textActive = kRed};
            const RECT full = controls::tabs::PaintTabs(canvas.Dc(), look)[0];
            const RECT ink = InkBox(canvas.Dc(), full, kRed);
            const std::string label = "style " + std::to_string(style) + " place " + std::to_string(place);
            switch (place % 3) {
            case 0: EXPECT_GE(ink.left, full.left + 3) << label; EXPECT_LE(ink.left, full.left + 6) << label; break;
            case 1: EXPECT_NEAR((ink.left + ink.right) / 2.0, (full.left + full.right) / 2.0 - 1, 2) << label; break;
            default: EXPECT_LE(ink.right, full.right - 4) << label; EXPECT_GE(ink.right, full.right - 7) << label;
            }
            const double top = place / 3 == 0   ? full.top + 2
                               : place / 3 == 1 ? full.top + (full.bottom - full.top) / 2.0 - th / 2 - 1
                                                : full.bottom - th - 2;
            EXPECT_GE(ink.top, std::floor(top)) << label;
            EXPECT_LE(ink.bottom, std::ceil(top + th)) << label;
        }
    }
}

// Mended: an untranslatable colour used to fail every repaint; it draws black and
// stays stored. Out-of-range stored values draw as documented.
TEST_F(TabsPaint, AbsurdValuesGiveDrawingsNotErrors) {
    tabs->SetTabColor(0x12345678);
    tabs->SetTextColorActive(0x7F000000);
    EXPECT_EQ(Pixel(*tabs, 72, 2), kBlack) << "Mended: inactive fill";
    EXPECT_EQ(tabs->TabColor(), 0x12345678u);
    const RECT tab1{1, 1, 70, 20};
    EXPECT_LT(InkBox(tabs->hDC(), tab1, kBlack).left, 70) << "Mended: caption";

    host::PropertyBag bag;
    bag.WriteProperty(L"TABSELECTED", host::Variant::Int(7));
    bag.WriteProperty(L"CAPTIONSTYLE", host::Variant::Int(12));
    ctlTabs& stored = Place(&bag);
    EXPECT_EQ(Corners(controls::ctlTabsTestAccess::TabRects(stored)[0]), (std::array<LONG, 4>{1, 1, 70, 20}))
        << "no tab selected: all inactive";
    EXPECT_EQ(Pixel(stored, 2, 2), Sys(COLOR_BTNSHADOW));

    // Mended: positions past 32 bits used to raise the overflow error.
    EXPECT_EQ(ErrorOf([&] { tabs->SetTabsWidth(INT32_MAX); tabs->SetStyle(1); tabs->SetTabs(300); }), 0);
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
