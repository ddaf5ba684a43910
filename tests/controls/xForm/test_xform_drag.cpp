// Pressing the title bar hands the press to the system as a press on the
// window's caption, so that the window moves with the pointer.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <memory>
#include <set>
#include <string>

#include "MessagePump.h"
#include "controls/xForm/xForm.h"
#include "host/Form.h"

namespace {

using namespace std::chrono_literals;

void SendMouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

// The middle of a piece, in the title bar's client pixels.
POINT MiddleOf(const host::Control& piece) {
    const RECT r = piece.PixelRect();
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class XFormDrag : public testing::Test {
protected:
    void SetUp() override {
        form.SetBorderStyle(host::Form::BorderStyle::None);
        form.SetClientSize(6420, 4365);
        bar = &form.Add(std::make_unique<controls::xForm>(L"xForm1"));
        bar->Load(nullptr);
        form.Show();
        testsupport::PumpMessagesFor(100ms);
        captionPresses = 0;
        letMove = false;
        SetWindowSubclass(form.hWnd(), Watch, 1, 0);
    }
    void TearDown() override { RemoveWindowSubclass(form.hWnd(), Watch, 1); }

    // Counts the window's caption presses, keeping them from it unless a move is
    // wanted; inside the system's move loop, drags the pointer by (40, 30) and lets go.
    static LRESULT CALLBACK Watch(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
        if (msg == WM_NCLBUTTONDOWN && wParam == HTCAPTION && (++captionPresses, !letMove)) return 0;
        if (msg == WM_ENTERSIZEMOVE) {
            POINT p;
            GetCursorPos(&p);
            SetCursorPos(p.x + 40, p.y + 30);
            SendMouse(MOUSEEVENTF_MOVE);
            SendMouse(MOUSEEVENTF_LEFTUP);
        }
        return DefSubclassProc(hwnd, msg, wParam, lParam);
    }

    inline static int captionPresses = 0;
    inline static bool letMove = false;
    host::Form form{L"Form1"};
    controls::xForm* bar = nullptr;
};

TEST_F(XFormDrag, APressWithAnyButtonOnTheTitleBarOrItsCaptionBecomesACaptionPress) {
    const std::set<std::wstring> grips{L"lbl1", L"lbl2", L"Image1", L"Image8", L"Image7"};
    const struct { UINT down, up; WPARAM held; } buttons[] = {
        {WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON}, {WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON},
        {WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON}};
    for (auto& piece : bar->Children()) {
        for (auto& b : buttons) {
            SCOPED_TRACE(testing::Message() << piece->Name() << " message " << b.down);
            const int before = captionPresses;
            const POINT at = MiddleOf(*piece);
            SendMessageW(bar->hWnd(), b.down, b.held, MAKELPARAM(at.x, at.y));
            SendMessageW(bar->hWnd(), b.up, 0, MAKELPARAM(at.x, at.y));
            EXPECT_EQ(captionPresses - before, grips.contains(piece->Name()) ? 1 : 0);
        }
    }
}

// Real input: the pointer is placed and the button pressed through the system.
TEST_F(XFormDrag, ALeftPressAndDragOnTheBarMovesTheWindowWithThePointer) {
    RECT before, after;
    GetWindowRect(form.hWnd(), &before);
    POINT start = MiddleOf(*bar->Find(L"Image8"));
    ClientToScreen(bar->hWnd(), &start);
    letMove = true;
    SetCursorPos(start.x, start.y);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    for (int i = 0; i < 200 && captionPresses == 0; ++i) testsupport::PumpMessagesFor(10ms);
    EXPECT_EQ(captionPresses, 1);
    GetWindowRect(form.hWnd(), &after);
    EXPECT_EQ(after.left - before.left, 40);
    EXPECT_EQ(after.top - before.top, 30);
}

}  // namespace
