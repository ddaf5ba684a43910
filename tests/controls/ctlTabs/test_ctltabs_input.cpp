// The tab strip's input: clicks on the hit areas, the arrow keys at both ends, the
// pointer over tabs, the focus rectangle, and no GDI object left by repainting.
#include <windowsx.h>

#include "GdiObjectCount.h"
#include "MessagePump.h"
#include "TabsTestSupport.h"

namespace tabs_test {
namespace {

using TabsInput = TabsTest;

// Hit areas in a fresh strip: x 0 to 71, y 0 to 21 for tab 1, x 71 to 140, y 1 to
// 20 for tab 2, bounds included.
TEST_F(TabsInput, ClicksOnTheHitAreas) {
    const struct {
        const char* label;
        float x, y;
        Log expected;
    } clicks[] = {
        {"column 71 is tab 1's first", 71, 10, {L"Changed TABSELECTED", L"TabClick 1 1"}},
        {"tab 1's corner", 0, 0, {L"Changed TABSELECTED", L"TabClick 1 1"}},
        {"gap right of tab 2", 140, 10, {L"Changed TABSELECTED", L"TabClick 1 2"}},
        {"edge line below tab 2", 100, 20, {L"Changed TABSELECTED", L"TabClick 1 2"}},
        {"beyond the tabs", 150, 5, {}},
        {"below tab 2", 100, 21, {}},
        {"above tab 2", 100, 0, {}},
        {"container", 100, 50, {}},
    };
    for (const auto& c : clicks) {
        ctlTabs& t = Place(nullptr);
        log.clear();
        t.OnMouseDown(1, 0, c.x, c.y);
        EXPECT_EQ(log, c.expected) << c.label;
    }
}

// A real press of either button, through the control's window.
TEST_F(TabsInput, EitherButtonSelectsThroughTheWindow) {
    for (UINT press : {WM_LBUTTONDOWN, WM_RBUTTONDOWN}) {
        ctlTabs& t = Place(nullptr);
        log.clear();
        SendMessageW(t.hWnd(), press, 0, MAKELPARAM(100, 10));
        SendMessageW(t.hWnd(), press + 1, 0, MAKELPARAM(100, 10));
        EXPECT_EQ(log, (Log{L"Changed TABSELECTED", L"TabClick 1 2"})) << press;
        EXPECT_EQ(t.SelectedTab(), 2);
    }
}

// Mended: a press with no hit rectangles (before any paint) used to read past them.
TEST_F(TabsInput, PressBeforeAnyPaintHitsNothing) {
    controls::ctlTabsTestAccess::ForgetTabRects(*tabs);
    tabs->OnMouseDown(1, 0, 10, 10);
    tabs->OnMouseMove(0, 0, 10, 10);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(tabs->MousePointer(), 0);
}

TEST_F(TabsInput, ArrowKeysStopAtBothEnds) {
    const struct {
        const char* label;
        int16_t tabs, selected, key;
        Log expected;
        int16_t after;
    } keys[] = {
        {"left on tab 1", 2, 1, VK_LEFT, {L"Changed TABSELECTED", L"TabClick 1 0"}, 1},
        {"up on tab 1", 2, 1, VK_UP, {L"Changed TABSELECTED", L"TabClick 1 0"}, 1},
        {"right on tab 1", 2, 1, VK_RIGHT, {L"Changed TABSELECTED", L"TabClick 1 2"}, 2},
        {"right on the last", 2, 2, VK_RIGHT, {L"Changed TABSELECTED", L"TabClick 2 3"}, 2},
        {"down on the last", 3, 3, VK_DOWN, {L"Changed TABSELECTED", L"TabClick 3 4"}, 3},
        {"another key", 2, 1, VK_HOME, {}, 1},
        {"Mended: right on tab 32767", 32767, 32767, VK_RIGHT, {L"Changed TABSELECTED", L"TabClick 32767 32767"},
         32767},
    };
    for (const auto& k : keys) {
        ctlTabs& t = Place(nullptr);
        t.SetTabs(k.tabs);
        t.SetSelectedTab(k.selected);
        log.clear();
        t.OnKeyDown(k.key, 0);
        EXPECT_EQ(log, k.expected) << k.label;
        EXPECT_EQ(t.SelectedTab(), k.after) << k.label;
    }
    host::PropertyBag bag;
    bag.WriteProperty(L"TABSELECTED", host::Variant::Int(-32768));
    ctlTabs& stored = Place(&bag);
    log.clear();
    stored.OnKeyDown(VK_LEFT, 0);
    EXPECT_EQ(log, (Log{L"Changed TABSELECTED", L"TabClick -32768 -32768"})) << "Mended: left on stored -32768";
    EXPECT_EQ(stored.SelectedTab(), 1);
}

TEST_F(TabsInput, PointerShowsTheHandOverTabs) {
    for (const auto& [x, y, pointer] : {std::tuple(10.f, 10.f, 99), {100.f, 50.f, 0}, {140.f, 20.f, 99}, {150.f, 5.f, 0}}) {
        tabs->OnMouseMove(0, 0, x, y);
        EXPECT_EQ(tabs->MousePointer(), pointer) << x << "," << y;
    }
}

// The dotted rectangle shows inside the selected tab, inset 2 pixels, only while
// focused and only when asked for; without it focus changes do not repaint.
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
    EXPECT_EQ(focusLine(), plain);
    tabs->SetUseFocusRect(true);
    EXPECT_NE(focusLine(), plain) << "focused";
    EXPECT_EQ(Pixel(*tabs, 1, 1), Sys(COLOR_BTNFACE)) << "inside the inset only";
    tabs->OnLostFocus();
    EXPECT_EQ(focusLine(), plain) << "focus gone";
}

// Mended: the brushes were deleted only when the whole paint succeeded.
TEST_F(TabsInput, ThousandRepaintsLeaveNoGdiObject) {
    tabs->SetUseFocusRect(true);
    tabs->OnGotFocus();
    tabs->SetTabs(5);
    const auto counts = [] { return std::pair(host::gdi::LiveObjects(), testsupport::CountLiveGdiObjects()); };
    const auto before = counts();
    for (int i = 0; i < 1000; ++i) {
        if (i == 500) tabs->SetTabColor(0x12345678);
        tabs->OnKeyDown(i % 2 ? VK_LEFT : VK_RIGHT, 0);
    }
    testsupport::PumpMessagesFor(std::chrono::milliseconds(20));
    EXPECT_EQ(counts(), before);
}

}  // namespace
}  // namespace tabs_test
