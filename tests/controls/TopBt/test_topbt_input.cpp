// Presses, releases, clicks and keys, and the events they raise.
#include "Artwork.h"
#include "TopBtFixture.h"

namespace {

using Log = std::vector<std::wstring>;

TEST_F(TopBtTest, LeftPressShowsThePressedLookAndReleaseClicks) {
    Place();
    button->SetValue(1);
    log.clear();
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(Shown(), kTopBt1Pressed);
    EXPECT_EQ(log, (Log{L"MouseDown 1"}));
    Mouse(WM_LBUTTONUP);
    EXPECT_EQ(Shown(), kTopBt1Normal);
    EXPECT_EQ(log, (Log{L"MouseDown 1", L"MouseUp 1", L"Click"}));
}

TEST_F(TopBtTest, RightPressShowsNothingAndOnlyItsReleaseIsRaised) {
    Place();
    button->SetValue(1);
    log.clear();
    Mouse(WM_RBUTTONDOWN, MK_RBUTTON);
    EXPECT_EQ(Shown(), kTopBt1Normal);
    Mouse(WM_RBUTTONUP);
    EXPECT_EQ(log, (Log{L"MouseUp 2"}));
}

TEST_F(TopBtTest, ARightPressWhileLeftIsDownCancelsTheClick) {
    Place();
    log.clear();
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON);
    Mouse(WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON);
    Mouse(WM_RBUTTONUP, MK_LBUTTON);
    Mouse(WM_LBUTTONUP);
    EXPECT_EQ(log, (Log{L"MouseDown 1", L"MouseUp 2", L"MouseUp 1"}));
}

TEST_F(TopBtTest, UnknownValueStillRaisesPressesAndClicks) {
    Place();
    button->SetValue(7);
    log.clear();
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(Shown(), kTopBt0Normal);
    Mouse(WM_LBUTTONUP);
    EXPECT_EQ(log, (Log{L"MouseDown 1", L"MouseUp 1", L"Click"}));
}

TEST_F(TopBtTest, DisabledButtonTakesNoPress) {
    Place();
    button->SetEnabled(false);
    log.clear();
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(Shown(), kTopBt0Disabled);
    EXPECT_TRUE(log.empty());
}

TEST_F(TopBtTest, KeysAreRaisedAsTheyCome) {
    Place();
    log.clear();
    SendMessageW(button->hWnd(), WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(button->hWnd(), WM_KEYUP, VK_SPACE, 0);
    SendMessageW(button->hWnd(), WM_KEYUP, 'A', 0);
    EXPECT_EQ(log, (Log{L"KeyDown 32", L"KeyUp 32", L"KeyUp 65"}));
}

}  // namespace
