// Presses, releases and clicks, and the events they raise.
#include "Artwork.h"
#include "TopBtFixture.h"

namespace {

using Log = std::vector<std::wstring>;

TEST_F(TopBtTest, PressAndReleaseShowTheirLooksAndRaiseTheirEvents) {
    struct Case {
        int32_t value;
        UINT down;
        WPARAM held;
        UINT up;
        const wchar_t* whilePressed;
        const wchar_t* released;
        Log events;
    };
    const Case cases[] = {
        {1, WM_LBUTTONDOWN, MK_LBUTTON, WM_LBUTTONUP, kTopBt1Pressed, kTopBt1Normal,
         {L"MouseDown 1", L"MouseUp 1", L"Click"}},
        {1, WM_RBUTTONDOWN, MK_RBUTTON, WM_RBUTTONUP, kTopBt1Normal, kTopBt1Normal, {L"MouseUp 2"}},
        {2, WM_MBUTTONDOWN, MK_MBUTTON, WM_MBUTTONUP, kTopBt2Pressed, kTopBt2Normal, {L"MouseDown 4", L"MouseUp 4"}},
        // An unknown glyph keeps the picture a new button shows, but still reacts.
        {7, WM_LBUTTONDOWN, MK_LBUTTON, WM_LBUTTONUP, kTopBt0Normal, kTopBt0Normal,
         {L"MouseDown 1", L"MouseUp 1", L"Click"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "value " << c.value << " press " << c.down);
        Place();
        button->SetValue(c.value);
        log.clear();
        Mouse(c.down, c.held);
        EXPECT_EQ(Shown(), c.whilePressed);
        Mouse(c.up);
        EXPECT_EQ(Shown(), c.released);
        EXPECT_EQ(log, c.events);
    }
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

}  // namespace
