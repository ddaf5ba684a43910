// Pressing the title bar of a shown window hands the press to the system as a
// press on the window's caption, so the window moves with the pointer. Input is
// real: the pointer is placed and the buttons pressed through the system.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "MessagePump.h"
#include "controls/xForm/xForm.h"
#include "host/Form.h"

namespace {

using namespace std::chrono_literals;

// Watches the messages a window receives; optionally keeps caption presses from
// the window so that no move loop starts.
class CaptionPressRecorder {
public:
    CaptionPressRecorder(HWND hwnd, bool swallow) : hwnd_(hwnd), swallow_(swallow) {
        SetWindowSubclass(hwnd_, Proc, 1, reinterpret_cast<DWORD_PTR>(this));
    }
    ~CaptionPressRecorder() { RemoveWindowSubclass(hwnd_, Proc, 1); }

    int captionPresses = 0;
    std::function<void()> onEnterMove;  // runs when the system's move loop starts

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
        auto* self = reinterpret_cast<CaptionPressRecorder*>(data);
        if (msg == WM_NCLBUTTONDOWN && wParam == HTCAPTION) {
            ++self->captionPresses;
            if (self->swallow_) return 0;
        }
        if (msg == WM_ENTERSIZEMOVE && self->onEnterMove) self->onEnterMove();
        return DefSubclassProc(hwnd, msg, wParam, lParam);
    }

    HWND hwnd_;
    bool swallow_;
};

void SendMouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

class XFormDrag : public testing::Test {
protected:
    void SetUp() override {
        form.SetBorderStyle(host::Form::BorderStyle::None);
        form.SetClientSize(8775, 9495);
        bar = &form.Add(std::make_unique<controls::xForm>(L"xForm1"));
        bar->Move(0, 0, 8775, 9495);
        bar->Load(nullptr);
        SetWindowPos(form.hWnd(), nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        form.Show();
        testsupport::PumpMessagesFor(100ms);
        for (auto& child : bar->Children())
            dynamic_cast<host::WindowlessControl&>(*child).MouseDown.Connect(
                [this](int16_t, int16_t, float, float) { ++piecePresses; });
    }

    // The screen point at the middle of a piece of the title bar.
    POINT ScreenPointOf(const wchar_t* piece) const {
        RECT r = bar->Find(piece)->PixelRect();
        POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(bar->hWnd(), &p);
        return p;
    }

    // Presses a button over a piece, waits until the press got there, releases.
    void Press(const wchar_t* piece, DWORD down, DWORD up) {
        POINT p = ScreenPointOf(piece);
        SetCursorPos(p.x, p.y);
        const int before = piecePresses;
        SendMouse(down);
        PumpUntil([&] { return piecePresses != before; });
        SendMouse(up);
        testsupport::PumpMessagesFor(20ms);
    }

    static void PumpUntil(const std::function<bool()>& done) {
        for (int i = 0; i < 200 && !done(); ++i) testsupport::PumpMessagesFor(10ms);
    }

    host::Form form{L"Form1"};
    controls::xForm* bar = nullptr;
    int piecePresses = 0;  // presses that reached any piece
};

TEST_F(XFormDrag, PressesOnTheTitleBarWithAnyButtonBecomeCaptionPressesAndOthersDoNot) {
    struct Case {
        const wchar_t* piece;
        DWORD down, up;
        int captionPresses;
    };
    const Case cases[] = {
        {L"Image1", MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 1},
        {L"Image8", MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 1},
        {L"Image7", MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 1},
        {L"lbl1", MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 1},
        {L"Image8", MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, 1},
        {L"Image7", MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP, 1},
        {L"Image2", MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 0},
        {L"Image4", MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 0},
        {L"Image5", MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::string(c.piece, c.piece + wcslen(c.piece)) << " down " << c.down);
        CaptionPressRecorder recorder(form.hWnd(), /*swallow=*/true);
        const int before = piecePresses;
        Press(c.piece, c.down, c.up);
        ASSERT_EQ(piecePresses, before + 1);
        EXPECT_EQ(recorder.captionPresses, c.captionPresses);
    }
}

TEST_F(XFormDrag, LeftPressAndDragMovesTheWindowWithThePointer) {
    RECT before;
    GetWindowRect(form.hWnd(), &before);
    POINT start = ScreenPointOf(L"Image8");
    const POINT end{start.x + 40, start.y + 30};
    CaptionPressRecorder recorder(form.hWnd(), /*swallow=*/false);
    // Inside the move loop: drag the pointer and let go.
    recorder.onEnterMove = [end] {
        SetCursorPos(end.x, end.y);
        SendMouse(MOUSEEVENTF_MOVE);
        SendMouse(MOUSEEVENTF_LEFTUP);
    };
    SetCursorPos(start.x, start.y);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    PumpUntil([&] { return recorder.captionPresses != 0; });

    EXPECT_EQ(recorder.captionPresses, 1);
    RECT after;
    GetWindowRect(form.hWnd(), &after);
    EXPECT_EQ(after.left - before.left, 40);
    EXPECT_EQ(after.top - before.top, 30);
}

}  // namespace
