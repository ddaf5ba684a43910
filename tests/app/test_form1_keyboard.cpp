// Tab and Shift+Tab take the focus through the window's controls in tab-index order, as real key presses.
#include <gtest/gtest.h>

#include "Form1Fixture.h"

namespace app {
namespace {

// The controls that take the focus, in tab-index order (labels, frames, the title bar and hidden Text3 take none).
const wchar_t* const kTabOrder[] = {L"Text1", L"TopBt3",   L"Text4",    L"Text5",
                                    L"Text6", L"FlatCmd2", L"FlatCmd1", L"Text2"};

void Press(WORD key, bool shift) {
    std::vector<INPUT> inputs;
    auto add = [&](WORD vk, bool up) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(in);
    };
    if (shift) add(VK_SHIFT, false);
    add(key, false);
    add(key, true);
    if (shift) add(VK_SHIFT, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

class Form1KeyboardTest : public Form1Test {
protected:
    std::wstring Focused() {
        host::Control* c = form->ControlOfWindow(GetFocus());
        return c ? c->Name() : L"(none)";
    }
    // Waits for the focus to move, as real input arrives through the server.
    std::wstring FocusAfter(WORD key, bool shift) {
        std::wstring before = Focused();
        Press(key, shift);
        for (int i = 0; i < 50 && Focused() == before; ++i) Pump(10);
        return Focused();
    }
};

TEST_F(Form1KeyboardTest, RealTabAndShiftTabMoveTheFocus) {
    form->Show();
    Pump(100);
    EXPECT_EQ(Focused(), L"Text1");  // the first in tab order has the focus on opening
    for (size_t i = 1; i <= std::size(kTabOrder); ++i)
        EXPECT_EQ(FocusAfter(VK_TAB, false), kTabOrder[i % std::size(kTabOrder)]) << "forward step " << i;
    EXPECT_EQ(FocusAfter(VK_TAB, true), L"Text2");  // and round to the last
}

}  // namespace
}  // namespace app
