// Focus notifications in a shown form, and its keyboard: Tab order, default and cancel buttons, access keys.
#include "HostTestKit.h"
#include "host/windows/Pump.h"

using namespace host;
using namespace hosttest;

namespace {

template <class T>
T& Place(Container& container, std::unique_ptr<T> control, int16_t tabIndex, bool constituent = false) {
    T& placed = container.Add(std::move(control), constituent);
    placed.Move(0, tabIndex * 400.0, 1200, 300);
    placed.SetTabIndex(tabIndex);
    return placed;
}

}  // namespace

// Tab indexes: user control a 0 (holding a text box), t2 1, t1 2, "&Name" 3, t3 4, OK 5, Cancel 6, user control b 7.
class KeyboardTest : public ::testing::Test {
protected:
    KeyboardTest() {
        a.Load(nullptr);
        b.Load(nullptr);
        connections += t1.GotFocus.Connect([] { Journal().push_back(L"t1.GotFocus"); });
        connections += t1.LostFocus.Connect([] { Journal().push_back(L"t1.LostFocus"); });
        label.SetCaption(L"&Name");
        ok.SetCaption(L"&OK");
        form.SetDefaultControl(&ok);
        form.SetCancelControl(&cancel);
        connections += ok.Click.Connect([this] { clicks.push_back(L"ok"); });
        connections += cancel.Click.Connect([this] { clicks.push_back(L"cancel"); });
        form.Show();
        Journal().clear();
    }

    // Posts a key to the focused window and lets the pump route it.
    static void Press(UINT msg, WPARAM key) {
        PostMessageW(GetFocus(), msg, key, 0);
        DoEvents();
    }

    std::vector<HWND> TabThrough(int presses) {
        std::vector<HWND> visited;
        for (int i = 0; i < presses; ++i) {
            Press(WM_KEYDOWN, VK_TAB);
            visited.push_back(GetFocus());
        }
        return visited;
    }

    Form form{L"KeyboardForm"};
    Journaling& a = Place(form, std::make_unique<Journaling>(L"a"), 0);
    TextBox& inner = Place(a, std::make_unique<TextBox>(L"inner"), 0, /*constituent=*/true);
    TextBox& t1 = Place(form, std::make_unique<TextBox>(L"t1"), 2);
    TextBox& t2 = Place(form, std::make_unique<TextBox>(L"t2"), 1);
    Label& label = Place(form, std::make_unique<Label>(L"lbl"), 3);
    TextBox& t3 = Place(form, std::make_unique<TextBox>(L"t3"), 4);
    CommandButton& ok = Place(form, std::make_unique<CommandButton>(L"ok"), 5);
    CommandButton& cancel = Place(form, std::make_unique<CommandButton>(L"cancel"), 6);
    Journaling& b = Place(form, std::make_unique<Journaling>(L"b"), 7);
    Entries clicks;
    Connections connections;
};

TEST_F(KeyboardTest, EnterAndExitFocusWhenTheFocusCrossesAUserControlsEdge) {
    inner.SetFocus();
    t1.SetFocus();
    b.SetFocus();
    inner.SetFocus();
    a.SetFocus();
    EXPECT_EQ((Entries{L"a.LostFocus",                                   // into its own text box
                       L"a.ExitFocus", L"t1.GotFocus",                   // out of it
                       L"t1.LostFocus", L"b.EnterFocus", L"b.GotFocus",  // into the other one
                       L"b.LostFocus", L"b.ExitFocus", L"a.EnterFocus",  // back into the first
                       L"a.GotFocus"}),
              Journal());
}

TEST_F(KeyboardTest, TheFocusComesBackWhenTheFormIsActivatedAgain) {
    t1.SetFocus();
    Form other(L"OtherForm");
    other.Show();
    ASSERT_EQ(other.hWnd(), GetForegroundWindow());
    SetForegroundWindow(form.hWnd());
    EXPECT_EQ(t1.Hwnd(), GetFocus());
}

TEST_F(KeyboardTest, TabFollowsTheTabIndexWrapsAndSkipsWhatCannotTakeTheFocus) {
    ASSERT_EQ(a.hWnd(), GetFocus());
    EXPECT_EQ((std::vector<HWND>{inner.Hwnd(), t2.Hwnd(), t1.Hwnd(), t3.Hwnd(), ok.Hwnd(), cancel.Hwnd(), b.hWnd(),
                                 a.hWnd()}),
              TabThrough(8))
        << "a user control's constituents tab with it";
    t2.SetEnabled(false);
    t1.SetVisible(false);
    t3.SetTabStop(false);
    inner.SetTabStop(false);
    EXPECT_EQ((std::vector<HWND>{ok.Hwnd(), cancel.Hwnd(), b.hWnd(), a.hWnd()}), TabThrough(4));
}

TEST_F(KeyboardTest, EnterAndEscapeClickTheDefaultAndCancelButtons) {
    t1.SetFocus();
    Press(WM_KEYDOWN, VK_RETURN);
    Press(WM_KEYDOWN, VK_ESCAPE);
    cancel.SetFocus();
    Press(WM_KEYDOWN, VK_RETURN);  // a focused button is the one Enter presses
    a.SetFocus();
    Press(WM_KEYDOWN, VK_RETURN);  // a user control keeps its keys
    EXPECT_EQ((Entries{L"ok", L"cancel", L"cancel"}), clicks);

    form.SetDefaultControl(&a);  // a user control as the default gets Enter as an access key
    t1.SetFocus();
    Journal().clear();
    Press(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(Entries{L"a.AccessKeyPress 13"}, Journal());
    EXPECT_EQ(3u, clicks.size());
}

TEST_F(KeyboardTest, AltAndAnAccessKeyFocusesItsControlOrTheNextAfterALabel) {
    a.SetAccessKeys(L"q");
    t1.SetFocus();
    Press(WM_SYSCHAR, L'n');
    EXPECT_EQ(t3.Hwnd(), GetFocus());
    Press(WM_SYSCHAR, L'O');
    EXPECT_EQ(ok.Hwnd(), GetFocus());
    EXPECT_EQ(Entries{L"ok"}, clicks);
    Journal().clear();
    Press(WM_SYSCHAR, L'q');
    EXPECT_EQ(a.hWnd(), GetFocus());
    EXPECT_EQ((Entries{L"a.EnterFocus", L"a.GotFocus", L"a.AccessKeyPress 113"}), Journal());
}
