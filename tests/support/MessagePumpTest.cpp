#include "MessagePump.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <vector>

namespace {

using namespace std::chrono_literals;

constexpr UINT TestMessage = WM_APP + 1;
constexpr UINT_PTR TimerId = 1;
constexpr UINT TimerIntervalMs = 10;
constexpr int QuitCode = 7;

// A message-only window that records the messages it is sent.
class RecordingWindow {
public:
    RecordingWindow()
    {
        WNDCLASSW wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = ClassName;
        RegisterClassW(&wc);
        hwnd_ = CreateWindowExW(0, ClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                wc.hInstance, this);
    }
    ~RecordingWindow() { DestroyWindow(hwnd_); }
    RecordingWindow(const RecordingWindow&) = delete;
    RecordingWindow& operator=(const RecordingWindow&) = delete;

    HWND Handle() const { return hwnd_; }
    int Count(UINT message) const
    {
        return static_cast<int>(std::count(seen_.begin(), seen_.end(), message));
    }

private:
    static constexpr const wchar_t* ClassName = L"PumpTestWindow";

    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        if (auto* self = reinterpret_cast<RecordingWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))) {
            self->seen_.push_back(message);
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }

    HWND hwnd_ = nullptr;
    std::vector<UINT> seen_;
};

TEST(MessagePump, DispatchesPostedMessagesAndTimers)
{
    RecordingWindow window;
    ASSERT_NE(window.Handle(), nullptr);
    PostMessageW(window.Handle(), TestMessage, 0, 0);
    SetTimer(window.Handle(), TimerId, TimerIntervalMs, nullptr);

    testsupport::PumpMessagesFor(200ms);
    KillTimer(window.Handle(), TimerId);

    EXPECT_EQ(window.Count(TestMessage), 1);
    EXPECT_GE(window.Count(WM_TIMER), 1);
}

TEST(MessagePump, StopsAtQuitAndLeavesItQueued)
{
    RecordingWindow window;
    PostMessageW(window.Handle(), TestMessage, 0, 0);
    PostQuitMessage(QuitCode);

    testsupport::PumpMessagesFor(60s);

    EXPECT_EQ(window.Count(TestMessage), 1);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, WPARAM(QuitCode));
}

}  // namespace
