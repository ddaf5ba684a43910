// The run cycle as the window's user sees it: counts, status, page fragment, notices, and what stops the cycle.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "Form1Fixture.h"
#include "app/Product.h"
#include "host/stock/Image.h"

namespace app {
namespace {

constexpr wchar_t kConnecting[] = L"正在连接微信平台...";

class RunCycleTest : public Form1Test {
protected:
    struct Snapshot {
        std::wstring count, status, notice;
        bool showsFragment = false;
        bool fragmentCleared = false;
    };

    // Runs `onTick` after each tick of the wait timer (after the window's own handler).
    void OnWaitTick(std::function<void(int tick)> onTick) {
        connections += Control<host::Timer>(L"tpt").TimerEvent.Connect([this, onTick] { onTick(++ticks); });
    }
    Snapshot Take() {
        auto& text2 = Control<host::TextBox>(L"Text2");
        return {Caption(L"Label5"), Caption(L"Label11"), Caption(L"Label10"),
                text2.Text() == Control<host::TextBox>(L"Text3").Text(), text2.Text().empty()};
    }
    void SetDelay(const std::wstring& text) { Control<host::TextBox>(L"Text1").SetText(text); }
    // Stops the cycle from inside it: the next wait finds a delay it refuses.
    void StopAtNextWait() { SetDelay(L"stop"); }

    int ticks = 0;
    host::Connections connections;
};

TEST_F(RunCycleTest, RunsCountShowAndClearTheStatusAndFragmentInTurn) {
    SetDelay(L"0.02");
    std::vector<Snapshot> seen;
    OnWaitTick([&](int tick) {
        seen.push_back(Take());
        if (tick == 8) StopAtNextWait();
    });
    form->FlatCmd1Click();

    ASSERT_EQ(seen.size(), 8u);
    for (int run = 1; run <= 4; ++run) {
        SCOPED_TRACE(run);
        const Snapshot& showing = seen[2 * (run - 1)];
        const Snapshot& cleared = seen[2 * (run - 1) + 1];
        EXPECT_EQ(showing.count, std::to_wstring(run));
        EXPECT_EQ(showing.status, kConnecting);
        EXPECT_TRUE(showing.showsFragment);
        EXPECT_EQ(cleared.status, L"");
        EXPECT_TRUE(cleared.fragmentCleared);
        std::wstring notice =
            run >= 3 ? L"你的投票设置有误或者此投票软件不适用你的投票活动，请联系QQ:" + std::wstring(kSupportNumber)
                     : L"";
        EXPECT_EQ(showing.notice, notice);
    }
    // The fifth run begins, then refuses the delay and stops with a message.
    EXPECT_EQ(form->RunCount(), 5);
    EXPECT_EQ(Caption(L"Label5"), L"5");
    ASSERT_EQ(effects.messages.size(), 1u);
    EXPECT_NE(effects.messages[0].find(L"stop"), std::wstring::npos);
    EXPECT_EQ(effects.ends, 0);
}

TEST_F(RunCycleTest, DelayTextBecomesWholeMillisecondsOfTheWaitTimer) {
    struct Case {
        const wchar_t* text;
        int32_t ms;
    } cases[] = {
        {L"2.5", 2500},
        {L" 3", 3000},
        {L"1.0004", 1000},
        {L"7abc", 7000},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.text);
        SetDelay(c.text);
        int32_t interval = -1;
        host::Timer probe(L"probe");
        host::Connection probing = probe.TimerEvent.Connect([&] {
            interval = Control<host::Timer>(L"tpt").Interval();
            host::End();  // abandons the wait without waiting it out
        });
        probe.SetInterval(1);
        probe.SetEnabled(true);
        form->FlatCmd1Click();
        EXPECT_EQ(interval, c.ms);
        host::ResetEnding();
    }
}

TEST_F(RunCycleTest, AnEditOfTheDelayBetweenARunsTwoWaitsAppliesToItsSecondWait) {
    SetDelay(L"0.02");
    std::vector<int32_t> intervals;
    OnWaitTick([&](int tick) {
        intervals.push_back(Control<host::Timer>(L"tpt").Interval());
        if (tick == 1) SetDelay(L"0.03");
        if (tick == 2) StopAtNextWait();
    });
    form->FlatCmd1Click();
    EXPECT_EQ(intervals, (std::vector<int32_t>{20, 30}));
}

TEST_F(RunCycleTest, RefusedDelaysStopTheCycleWithAMessageInsteadOfHangingOrEnding) {
    std::wstring emoji;
    for (int i = 0; i < 25; ++i) emoji += L"\xD83D\xDE00";
    struct Row {
        const char* label;
        std::wstring text;
        std::wstring quoted;
    };
    const Row rows[] = {
        {"empty", L"", L"“”"},
        {"zero", L"0", L"“0”"},
        {"no number", L"abc", L"“abc”"},
        {"negative", L"-1", L"“-1”"},
        {"Mended: rounds to 0 ms, yet the message asked for more than 0", L"0.0004", L"“0.0004”"},
        {"too long for the timer", L"3e9", L"“3e9”"},
        {"overflows", L"1e400", L"“1e400”"},
        {"Mended: the quote of a long text was cut inside a surrogate pair", emoji, L"“" + emoji.substr(0, 40) + L"…”"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        effects.messages.clear();
        SetDelay(row.text);
        form->FlatCmd1Click();  // returns: the cycle stopped at its first wait
        ASSERT_EQ(effects.messages.size(), 1u);
        EXPECT_NE(effects.messages[0].find(L"投票间隔" + row.quoted + L"无效：请输入 0.001 到 2147483.647 之间的秒数"),
                  std::wstring::npos);
        // Mended: "正在连接微信平台..." and the page fragment stayed although nothing connects.
        EXPECT_EQ(Caption(L"Label11"), L"");
        EXPECT_EQ(Control<host::TextBox>(L"Text2").Text(), L"");
        EXPECT_FALSE(Control<host::Timer>(L"tpt").Enabled());
        EXPECT_EQ(effects.ends, 0);
    }
    EXPECT_EQ(form->RunCount(), static_cast<int>(std::size(rows)));  // each click still began one run
}

TEST_F(RunCycleTest, AStartClickDuringAWaitBeginsANewRunAtOnceAndTheOldNeverResumes) {
    SetDelay(L"5");
    std::vector<std::wstring> countsSeen;
    host::Timer probe(L"probe");
    int probes = 0;
    host::Connection probing = probe.TimerEvent.Connect([&] {
        ++probes;
        countsSeen.push_back(Caption(L"Label5"));
        if (probes == 1) {
            Control<host::TextBox>(L"Text2").SetText(L"");
            form->FlatCmd1Click();
        } else {
            host::End();
        }
    });
    probe.SetInterval(20);
    probe.SetEnabled(true);
    form->FlatCmd1Click();

    ASSERT_EQ(countsSeen.size(), 2u);
    EXPECT_EQ(countsSeen[0], L"1");
    EXPECT_EQ(countsSeen[1], L"2");  // the new run began without waiting out the 5 s
    EXPECT_EQ(Caption(L"Label11"), kConnecting);
    EXPECT_EQ(Control<host::TextBox>(L"Text2").Text(), Control<host::TextBox>(L"Text3").Text());
    EXPECT_EQ(form->RunCount(), 2);
}

TEST_F(RunCycleTest, TheExitButtonOrClosingTheWindowEndsTheProgramDuringAWait) {
    const std::pair<const char*, std::function<void()>> rows[] = {
        {"exit button", [this] { form->FlatCmd2Click(); }},
        {"close", [this] { PostMessageW(form->hWnd(), WM_CLOSE, 0, 0); }},
    };
    for (const auto& [label, stop] : rows) {
        SCOPED_TRACE(label);
        effects.ends = 0;
        SetDelay(L"5");
        host::Timer probe(L"probe");
        host::Connection probing = probe.TimerEvent.Connect(stop);
        probe.SetInterval(20);
        probe.SetEnabled(true);
        form->FlatCmd1Click();
        EXPECT_EQ(effects.ends, 1);
        host::ResetEnding();
    }
}

TEST_F(RunCycleTest, TheLastCountStopsTheCycleWithANotice) {
    Form1TestAccess::SetRunCount(*form, 32766);
    SetDelay(L"0.01");
    form->FlatCmd1Click();
    EXPECT_EQ(form->RunCount(), 32767);
    EXPECT_EQ(Caption(L"Label5"), L"32767");
    ASSERT_EQ(effects.messages.size(), 1u);
    EXPECT_NE(effects.messages[0].find(L"32767"), std::wstring::npos);
    EXPECT_EQ(effects.ends, 0);
    // A further click counts no further and says so again.
    form->FlatCmd1Click();
    EXPECT_EQ(form->RunCount(), 32767);
    EXPECT_EQ(effects.messages.size(), 2u);
}

TEST_F(RunCycleTest, ManyRunsLeaveTheCallDepthFlat) {
    SetDelay(L"0.001");
    std::vector<uintptr_t> depth;
    OnWaitTick([&](int tick) {
        int marker = 0;
        depth.push_back(reinterpret_cast<uintptr_t>(&marker));
        if (tick == 400) StopAtNextWait();
    });
    form->FlatCmd1Click();
    ASSERT_EQ(depth.size(), 400u);
    EXPECT_EQ(form->RunCount(), 201);
    // Every tick of every run comes in at the same stack depth.
    EXPECT_EQ(depth[1], depth[399]);
    EXPECT_EQ(depth[0], depth[398]);
}

// A real click on the badge, through its container's window.
TEST_F(RunCycleTest, TheChatBadgeOpensTheContactLink) {
    auto& badge = Control<host::Image>(L"Image1");
    RECT r = badge.PixelRect();
    LPARAM at = MAKELPARAM(r.left + 5, r.top + 5);
    HWND container = badge.GetContainer()->ContainerHwnd();
    SendMessageW(container, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(container, WM_LBUTTONUP, 0, at);
    ASSERT_EQ(effects.shell.size(), 1u);
    const auto& call = effects.shell[0];
    EXPECT_EQ(std::tuple(call.owner, call.operation, call.file, call.parameters, call.directory, call.show),
              std::tuple(form->hWnd(), L"open",
                         std::wstring(kContactHost) + L"/msgrd?v=3&uin=" + kSupportNumber + L"&site=qq&menu=yes", L"",
                         L"", 0));
}

}  // namespace
}  // namespace app
