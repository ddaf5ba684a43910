// The tab strip's input: hit areas, arrow keys at both ends, the pointer, the focus rectangle, no GDI object left.
#include "TabsTestSupport.h"

namespace tabs_test {
namespace {

using TabsInput = TabsTest;

const Log kSelect11{L"Changed TABSELECTED", L"TabClick 1 1"};
const Log kSelect12{L"Changed TABSELECTED", L"TabClick 1 2"};

// Tab 1 takes x 0-71, y 0-21; tab 2 x 71-140, y 1-20; either button selects; the hand shows over them.
TEST_F(TabsInput, ClicksOnTheHitAreas) {
    const struct {
        const char* label;
        int x, y;
        UINT press;
        Log expected;
    } clicks[] = {
        {"column 71 is tab 1's first", 71, 10, WM_LBUTTONDOWN, kSelect11},
        {"gap right of tab 2", 140, 10, WM_LBUTTONDOWN, kSelect12},
        {"edge line below tab 2, right button", 100, 20, WM_RBUTTONDOWN, kSelect12},
        {"beyond the tabs", 150, 5, WM_LBUTTONDOWN, {}},
        {"above tab 2", 100, 0, WM_LBUTTONDOWN, {}},
    };
    for (const auto& c : clicks) {
        ctlTabs& t = Place(nullptr);
        SendMessageW(t.hWnd(), WM_MOUSEMOVE, 0, MAKELPARAM(c.x, c.y));
        EXPECT_EQ(t.MousePointer(), c.expected.empty() ? 0 : 99) << c.label;
        log.clear();
        SendMessageW(t.hWnd(), c.press, 0, MAKELPARAM(c.x, c.y));
        SendMessageW(t.hWnd(), c.press + 1, 0, MAKELPARAM(c.x, c.y));
        EXPECT_EQ(log, c.expected) << c.label;
    }
    // Mended: with no hit rectangles (a press before any paint) the search read past them.
    controls::ctlTabsTestAccess::ForgetTabRects(*tabs);
    log.clear();
    tabs->OnMouseDown(1, 0, 10, 10);
    EXPECT_TRUE(log.empty());
}

TEST_F(TabsInput, ArrowKeysStopAtBothEnds) {
    const struct {
        const char* label;
        int16_t tabs, selected, key;
        const wchar_t* event;
        int16_t after;
    } keys[] = {
        {"left on tab 1", 2, 1, VK_LEFT, L"TabClick 1 0", 1},
        {"right on the last", 2, 2, VK_RIGHT, L"TabClick 2 3", 2},
        {"down on the last", 3, 3, VK_DOWN, L"TabClick 3 4", 3},
        {"Mended: right on tab 32767 (used to overflow)", 32767, 32767, VK_RIGHT, L"TabClick 32767 32767", 32767},
        {"Mended: left on a stored -32768", 2, -32768, VK_LEFT, L"TabClick -32768 -32768", 1},
    };
    for (const auto& k : keys) {
        ctlTabs& t =
            Stored({{L"TABCOUNT", host::Variant::Int(k.tabs)}, {L"TABSELECTED", host::Variant::Int(k.selected)}});
        log.clear();
        t.OnKeyDown(k.key, 0);
        t.OnKeyDown(VK_HOME, 0);
        EXPECT_EQ(log, (Log{L"Changed TABSELECTED", k.event})) << k.label;
        EXPECT_EQ(t.SelectedTab(), k.after) << k.label;
    }
}

// The dotted rectangle shows inset 2 pixels only while focused and asked for; else focus changes do not repaint.
TEST_F(TabsInput, FocusRectangleOnlyWhileFocusedAndAskedFor) {
    const auto focusLine = [this] {
        std::vector<COLORREF> line;
        for (int x = 2; x < 69; ++x) line.push_back(Pixel(*tabs, x, 2));
        return line;
    };
    const auto plain = focusLine();
    SetPixel(tabs->hDC(), 150, 5, kRed);
    tabs->OnGotFocus();
    EXPECT_EQ(Pixel(*tabs, 150, 5), kRed) << "no repaint without UseFocusRect";
    tabs->SetUseFocusRect(true);
    EXPECT_NE(focusLine(), plain) << "focused";
    EXPECT_EQ(Pixel(*tabs, 1, 1), Sys(COLOR_BTNFACE)) << "inside the inset only";
    tabs->OnLostFocus();
    EXPECT_EQ(focusLine(), plain) << "focus gone";
}

// Mended: a colour that failed between making and deleting the brushes left both behind on every repaint.
TEST_F(TabsInput, ThousandRepaintsLeaveNoGdiObject) {
    tabs->SetUseFocusRect(true);
    tabs->OnGotFocus();
    tabs->SetTabs(5);
    const auto before = GdiCounts();
    for (int i = 0; i < 1000; ++i) {
        if (i == 500) tabs->SetTabColor(0x12345678);
        tabs->OnKeyDown(i % 2 ? VK_LEFT : VK_RIGHT, 0);
    }
    EXPECT_EQ(GdiCounts(), before);
}

}  // namespace
}  // namespace tabs_test
