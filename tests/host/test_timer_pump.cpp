// Timers, the event pump and the reporting of errors nobody handled.
#include <stdexcept>

#include "HostTestKit.h"
#include "host/stock/Timer.h"
#include "host/windows/Pump.h"

using namespace host;
using namespace std::chrono_literals;
using namespace hosttest;
using testsupport::PumpMessagesFor;

namespace {

struct CountingTimer {
    CountingTimer() {
        counting = timer.TimerEvent.Connect([this] { ++ticks; });
    }
    Timer timer{L"tmr"};
    Connection counting;
    int ticks = 0;
};

// A picture box on a hidden form that counts its clicks.
struct ClickTarget {
    ClickTarget() {
        box.Move(0, 0, 600, 600);
        counting = box.Click.Connect([this] { ++clicks; });
    }
    void PostClick() const {
        PostMessageW(box.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        PostMessageW(box.Hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    Form form{L"PumpForm"};
    PictureBox& box = form.Add(std::make_unique<PictureBox>(L"pic"));
    int clicks = 0;
    Connection counting;
};

}  // namespace

TEST(Timer, TicksOnlyWithAPositiveInterval) {
    CountingTimer t;
    PumpMessagesFor(100ms);
    EXPECT_EQ(0, t.ticks) << "an interval of 0 never ticks";
    t.timer.SetDesignProperty(L"interval", Variant(L"20"));
    PumpMessagesFor(300ms);
    EXPECT_GE(t.ticks, 3);
    EXPECT_EQ(err::InvalidPropertyValue, ErrorOf([&] { t.timer.SetInterval(-1); }));
}

TEST(Timer, AHandlerThatPumpsIsNotEnteredAgain) {
    constexpr int kTicks = 3;
    CountingTimer t;
    int depth = 0, deepest = 0;
    Connection handler = t.timer.TimerEvent.Connect([&] {
        deepest = std::max(deepest, ++depth);
        for (const auto until = std::chrono::steady_clock::now() + 40ms; std::chrono::steady_clock::now() < until;) {
            DoEvents();
            WaitForEvents();
        }
        if (t.ticks == kTicks) t.timer.SetEnabled(false);
        --depth;
    });
    t.timer.SetInterval(5);
    PumpMessagesFor(300ms);
    EXPECT_EQ(kTicks, t.ticks);
    EXPECT_EQ(1, deepest);
}

TEST(Timer, AHandlerMayDestroyItsOwnTimer) {
    auto timer = std::make_unique<Timer>(L"once");
    bool ticked = false;
    std::vector<std::string> scribbles;  // likely to take the freed timer's memory, so a later use of it shows
    Connection handler = timer->TimerEvent.Connect([&] {
        ticked = true;
        timer.reset();
        for (int i = 0; i < 16; ++i) scribbles.emplace_back(sizeof(Timer), '\xFF');
    });
    timer->SetInterval(5);
    for (int i = 0; i < 50 && !ticked; ++i) {
        WaitForEvents();
        DoEvents();
    }
    EXPECT_TRUE(ticked);
    EXPECT_EQ(timer, nullptr);
}

TEST(Timer, AnErrorInATickIsReportedOnceAndEndsTheProgram) {
    RecordedEffects effects(/*modal=*/true);
    CountingTimer t;
    Connection handler =
        t.timer.TimerEvent.Connect([] { throw HostError(err::Overflow, StandardErrorText(err::Overflow)); });
    t.timer.SetInterval(10);
    PumpMessagesFor(50ms);
    t.timer.SetEnabled(false);
    EXPECT_GT(t.ticks, 1);
    ASSERT_EQ(1u, effects.messages.size()) << "errors while the report shows add no further reports";
    EXPECT_EQ(0u, effects.messages[0].find(L"Run-time error '6'"));
    EXPECT_EQ(1, effects.ends);
}

TEST(Pump, DoEventsRunsWhatIsPendingUntilAnyErrorEndsTheProgram) {
    RecordedEffects effects;
    ClickTarget target;
    for (int i = 0; i < 3; ++i) target.PostClick();
    DoEvents();
    EXPECT_EQ(3, target.clicks);

    Connection handler =
        target.box.Click.Connect([] { throw std::runtime_error("broken"); });  // not only the host's own errors
    target.PostClick();
    target.PostClick();
    DoEvents();
    EXPECT_EQ(4, target.clicks) << "once the program ends, events are left alone";
    ASSERT_EQ(1u, effects.messages.size());
    EXPECT_NE(std::wstring::npos, effects.messages[0].find(L"broken"));
    EXPECT_EQ(1, effects.ends);
}

TEST(Pump, DoEventsReturnsWhenATimersHandlerOutlastsItsInterval) {
    constexpr int kGiveUp = 20;
    CountingTimer t;
    Connection handler = t.timer.TimerEvent.Connect([&] {
        Sleep(30);
        if (t.ticks == kGiveUp) t.timer.SetEnabled(false);
    });
    t.timer.SetInterval(1);
    Sleep(50);
    DoEvents();
    t.timer.SetEnabled(false);
    EXPECT_GE(t.ticks, 1);
    EXPECT_LT(t.ticks, kGiveUp);
}

TEST(Pump, AQuitMessageEndsTheMessageLoopAndDoEvents) {
    RecordedEffects effects;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);  // no quit left from before
    Form form(L"ClosingForm");
    form.Show();
    SendMessageW(form.hWnd(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    EXPECT_EQ(0, RunMessageLoop()) << "closing the last form ends the message loop";
    PostQuitMessage(0);
    DoEvents();
    EXPECT_EQ(1, effects.ends) << "a quit message during DoEvents ends the program";
}
