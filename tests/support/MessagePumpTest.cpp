// The test pump dispatches timers while it waits and stops at WM_QUIT, leaving it
// queued for the caller's own loop.
#include "MessagePump.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

using namespace std::chrono_literals;

int ticks = 0;
void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) { ++ticks; }

TEST(MessagePump, DispatchesTimersAndStopsAtQuitLeavingItQueued) {
    UINT_PTR timer = SetTimer(nullptr, 0, 10, CountTick);
    testsupport::PumpMessagesFor(200ms);
    KillTimer(nullptr, timer);
    EXPECT_GE(ticks, 2);

    PostQuitMessage(7);
    testsupport::PumpMessagesFor(60s);  // returns at the quit, not after a minute
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, WPARAM{7});
}

}  // namespace
