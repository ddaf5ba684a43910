// The main window as a screen reader reads it, in this process and from another.
#include <gtest/gtest.h>

#include <filesystem>

#include "AccessibleClient.h"
#include "Form1Fixture.h"
#include "MessagePump.h"
#include "controls/FlatCmd/FlatCmd.h"

namespace app {
namespace {

using testsupport::FindNode;
using testsupport::Walk;
using namespace std::chrono_literals;

// Starts the real program and finds its window; ends it when done.
struct RunningProgram {
    RunningProgram() {
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        const auto program = std::filesystem::path(self).parent_path() / L"../../app/WeVote.exe";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        if (!CreateProcessW(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
            return;
        WaitForInputIdle(info.hProcess, 10000);
        for (int i = 0; i < 100 && !window; ++i, Sleep(50))
            EnumWindows(
                [](HWND hwnd, LPARAM me) {
                    auto* program = reinterpret_cast<RunningProgram*>(me);
                    DWORD pid = 0;
                    GetWindowThreadProcessId(hwnd, &pid);
                    if (pid == program->info.dwProcessId && IsWindowVisible(hwnd)) program->window = hwnd;
                    return program->window ? FALSE : TRUE;
                },
                reinterpret_cast<LPARAM>(this));
    }
    ~RunningProgram() {
        TerminateProcess(info.hProcess, 0);
        WaitForSingleObject(info.hProcess, 5000);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
    PROCESS_INFORMATION info{};
    HWND window = nullptr;
};

// The run count reads "1" within a few seconds.
bool CountsOneRun(HWND window) {
    for (int i = 0; i < 50; ++i, testsupport::PumpMessagesFor(100ms))
        if (FindNode(Walk(window), ROLE_SYSTEM_STATICTEXT, L"1")) return true;
    return false;
}

TEST(Form1FromAnotherProcess, FindsStartAndExitAndPressesStart) {
    testsupport::ComSession com;
    RunningProgram program;
    ASSERT_NE(program.window, nullptr);
    const auto nodes = Walk(program.window);
    const auto* start = FindNode(nodes, ROLE_SYSTEM_PUSHBUTTON, L"开始投票");
    ASSERT_NE(start, nullptr);
    EXPECT_NE(FindNode(nodes, ROLE_SYSTEM_PUSHBUTTON, L"退出投票"), nullptr);
    EXPECT_NE(FindNode(nodes, ROLE_SYSTEM_TITLEBAR, L"微信投票助手"), nullptr);
    EXPECT_NE(FindNode(nodes, ROLE_SYSTEM_STATICTEXT, L"0"), nullptr);
    EXPECT_EQ(start->object->accDoDefaultAction(start->Id()), S_OK);
    EXPECT_TRUE(CountsOneRun(program.window));
}

// A disabled button; the start button's click deferred until the request has been answered.
TEST_F(Form1Test, DisabledButtonReadsUnavailableAndStartsRunOnceAnswered) {
    testsupport::ComSession com;
    form->Show();
    Control<controls::FlatCmd>(L"FlatCmd2").SetEnabled(false);
    const auto nodes = Walk(form->hWnd());
    const auto* exit = FindNode(nodes, ROLE_SYSTEM_PUSHBUTTON, L"退出投票");
    const auto* start = FindNode(nodes, ROLE_SYSTEM_PUSHBUTTON, L"开始投票");
    ASSERT_TRUE(exit && start);
    EXPECT_EQ(exit->state & (STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_FOCUSABLE), STATE_SYSTEM_UNAVAILABLE);
    EXPECT_EQ(exit->object->accDoDefaultAction(exit->Id()), E_FAIL);

    Control<host::TextBox>(L"Text1").SetText(L"stop");  // the first wait refuses the delay
    EXPECT_EQ(start->object->accDoDefaultAction(start->Id()), S_OK);
    EXPECT_EQ(form->RunCount(), 0);
    testsupport::PumpMessagesFor(100ms);
    EXPECT_EQ(form->RunCount(), 1);
    EXPECT_EQ(effects.ends, 0);
}

}  // namespace
}  // namespace app
