// Real pointer input on the window: a press whose release never reaches the window leaves no capture behind.
#include <gtest/gtest.h>

#include <vector>

#include "Form1Fixture.h"

namespace app {
namespace {

void SendMouse(POINT screen, DWORD buttons) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = buttons | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof in);
}

POINT CentreOf(HWND parent, RECT r) {
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(parent, &p);
    return p;
}

class Form1MouseTest : public Form1Test {
protected:
    POINT Centre(const wchar_t* name) {
        host::Control& c = Control<host::Control>(name);
        HWND parent = c.GetContainer()->ContainerHwnd();
        return CentreOf(parent, c.PixelRect());
    }
};

// A menu's loop can take a click's release from the queue; here it is taken so, and the label never sees it.
TEST_F(Form1MouseTest, APressWhoseReleaseWasTakenLeavesNoCapture) {
    form->Show();
    Pump(100);
    auto& notice = Control<host::Label>(L"Label9");
    std::vector<std::wstring> seen;
    host::Connections watching;
    watching += notice.MouseDown.Connect([&](int16_t, int16_t, float, float) { seen.push_back(L"MouseDown"); });
    watching += notice.MouseUp.Connect([&](int16_t, int16_t, float, float) { seen.push_back(L"MouseUp"); });
    POINT label = Centre(L"Label9");
    SendMouse(label, 0);
    SendMouse(label, MOUSEEVENTF_LEFTDOWN);
    Pump(100);
    SendMouse(label, MOUSEEVENTF_LEFTUP);
    MSG release;
    for (int i = 0; i < 50 && !PeekMessageW(&release, nullptr, WM_LBUTTONUP, WM_LBUTTONUP, PM_REMOVE); ++i) Sleep(10);
    EXPECT_EQ(seen, std::vector<std::wstring>{L"MouseDown"});

    // Mended: the frame kept the capture, and the exit button never heard its click.
    POINT exit = Centre(L"FlatCmd2");
    SendMouse(exit, 0);
    Pump(100);
    EXPECT_EQ(GetCapture(), nullptr);
    SendMouse(exit, MOUSEEVENTF_LEFTDOWN);
    SendMouse(exit, MOUSEEVENTF_LEFTUP);
    Pump(300);
    EXPECT_EQ(effects.ends, 1) << "the exit button's click ends the program";
}

}  // namespace
}  // namespace app
