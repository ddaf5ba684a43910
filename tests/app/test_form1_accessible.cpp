// The main window as a screen reader reads it, in this process and from another:
// the start and exit buttons by role and name, and the start button pressed
// through its default action.
#include <gtest/gtest.h>

#include <filesystem>

#include "AccessibleClient.h"
#include "Form1Fixture.h"
#include "MessagePump.h"
#include "controls/FlatCmd/FlatCmd.h"

namespace app {
namespace {

using testsupport::AccessibleNode;
using testsupport::FindNode;
using testsupport::Walk;
using namespace std::chrono_literals;

constexpr wchar_t kStart[] = L"开始投票";
constexpr wchar_t kExit[] = L"退出投票";

class Form1AccessibleTest : public Form1Test {
protected:
    testsupport::ComSession com;
};

TEST_F(Form1AccessibleTest, ButtonsReadByRoleNameActionAndState) {
    form->Show();
    const auto nodes = Walk(form->hWnd());
    struct Row {
        const wchar_t* name;
        long role;
        std::wstring action;
    } rows[] = {
        {kStart, ROLE_SYSTEM_PUSHBUTTON, L"Press"},    {kExit, ROLE_SYSTEM_PUSHBUTTON, L"Press"},
        {L"最小化", ROLE_SYSTEM_PUSHBUTTON, L"Press"}, {L"投票设置", ROLE_SYSTEM_GROUPING, L""},
        {L"运行次数：", ROLE_SYSTEM_STATICTEXT, L""},  {L"0", ROLE_SYSTEM_STATICTEXT, L""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(row.name)));
        const AccessibleNode* node = FindNode(nodes, row.role, row.name);
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(node->DefaultAction(), row.action);
        EXPECT_EQ(node->state & STATE_SYSTEM_UNAVAILABLE, 0);
    }
    EXPECT_NE(FindNode(nodes, ROLE_SYSTEM_PUSHBUTTON, kStart)->state & STATE_SYSTEM_FOCUSABLE, 0);
    // The title bar holds the window's content.
    const AccessibleNode* title = FindNode(nodes, ROLE_SYSTEM_TITLEBAR, form->Caption());
    ASSERT_NE(title, nullptr);
    EXPECT_LT(title->depth, FindNode(nodes, ROLE_SYSTEM_PUSHBUTTON, kStart)->depth);
}

TEST_F(Form1AccessibleTest, StartPressedThroughItsDefaultActionCountsARun) {
    form->Show();
    Control<host::TextBox>(L"Text1").SetText(L"0.02");
    const auto nodes = Walk(form->hWnd());
    const AccessibleNode* start = FindNode(nodes, ROLE_SYSTEM_PUSHBUTTON, kStart);
    ASSERT_NE(start, nullptr);
    bool countRead = false;
    host::Connection tick = Control<host::Timer>(L"tpt").TimerEvent.Connect([&] {
        countRead = countRead || FindNode(Walk(form->hWnd()), ROLE_SYSTEM_STATICTEXT, L"1") != nullptr;
        Control<host::TextBox>(L"Text1").SetText(L"stop");  // the next wait refuses the delay
    });

    EXPECT_EQ(start->DoDefaultAction(), S_OK);
    EXPECT_EQ(form->RunCount(), 0);  // the click runs once the request has been answered
    testsupport::PumpMessagesFor(300ms);
    EXPECT_EQ(form->RunCount(), 1);
    EXPECT_TRUE(countRead);
}

TEST_F(Form1AccessibleTest, DisabledButtonReadsUnavailableAndRefusesItsAction) {
    form->Show();
    auto& exit = Control<controls::FlatCmd>(L"FlatCmd2");
    exit.SetEnabled(false);
    const AccessibleNode* node = FindNode(Walk(form->hWnd()), ROLE_SYSTEM_PUSHBUTTON, kExit);
    ASSERT_NE(node, nullptr);
    EXPECT_NE(node->state & STATE_SYSTEM_UNAVAILABLE, 0);
    EXPECT_EQ(node->state & STATE_SYSTEM_FOCUSABLE, 0);
    EXPECT_EQ(node->DoDefaultAction(), E_FAIL);
    testsupport::PumpMessagesFor(50ms);
    EXPECT_EQ(effects.ends, 0);
}

// The real program, read and pressed from this process as a screen reader would.
class RunningProgram {
public:
    RunningProgram() {
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::wstring program = (std::filesystem::path(self).parent_path() / L"../../app/WeVote.exe").wstring();
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        if (!CreateProcessW(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_))
            return;
        WaitForInputIdle(info_.hProcess, 10000);
        for (int i = 0; i < 100 && !window_; ++i) {
            EnumWindows(
                [](HWND hwnd, LPARAM self) {
                    auto* me = reinterpret_cast<RunningProgram*>(self);
                    DWORD pid = 0;
                    GetWindowThreadProcessId(hwnd, &pid);
                    if (pid != me->info_.dwProcessId || !IsWindowVisible(hwnd)) return TRUE;
                    me->window_ = hwnd;
                    return FALSE;
                },
                reinterpret_cast<LPARAM>(this));
            if (!window_) Sleep(50);
        }
    }
    ~RunningProgram() {
        if (!info_.hProcess) return;
        TerminateProcess(info_.hProcess, 0);
        WaitForSingleObject(info_.hProcess, 5000);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    HWND Window() const { return window_; }

private:
    PROCESS_INFORMATION info_{};
    HWND window_ = nullptr;
};

TEST(Form1FromAnotherProcess, FindsTheButtonsAndPressesStart) {
    testsupport::ComSession com;
    RunningProgram program;
    ASSERT_NE(program.Window(), nullptr);
    const auto nodes = Walk(program.Window());
    const AccessibleNode* start = FindNode(nodes, ROLE_SYSTEM_PUSHBUTTON, kStart);
    ASSERT_NE(start, nullptr);
    ASSERT_NE(FindNode(nodes, ROLE_SYSTEM_PUSHBUTTON, kExit), nullptr);
    ASSERT_NE(FindNode(nodes, ROLE_SYSTEM_STATICTEXT, L"0"), nullptr);

    EXPECT_EQ(start->DoDefaultAction(), S_OK);
    bool counted = false;
    for (int i = 0; i < 50 && !counted; ++i) {
        testsupport::PumpMessagesFor(100ms);
        counted = FindNode(Walk(program.Window()), ROLE_SYSTEM_STATICTEXT, L"1") != nullptr;
    }
    EXPECT_TRUE(counted);
}

}  // namespace
}  // namespace app
