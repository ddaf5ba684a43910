#include "host/stock/Timer.h"

#include <windows.h>

#include <map>

#include "host/values/Error.h"
#include "host/values/Runtime.h"

namespace host {

namespace {

std::map<UINT_PTR, Timer*>& Timers() {
    static std::map<UINT_PTR, Timer*> timers;
    return timers;
}

LRESULT CALLBACK TimerWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER) {
        auto it = Timers().find(wParam);
        if (it != Timers().end()) {
            Timer* timer = it->second;
            Guarded([timer] { timer->Tick(); });
        }
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// A message-only window that receives every host timer's WM_TIMER.
HWND TimerWindow() {
    static HWND hwnd = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = TimerWindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"HostTimers";
        RegisterClassExW(&wc);
        return CreateWindowExW(0, L"HostTimers", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    }();
    return hwnd;
}

UINT_PTR NextId() {
    static UINT_PTR next = 1;
    return next++;
}

}  // namespace

Timer::Timer(std::wstring name) : Control(L"Timer", std::move(name)), id_(NextId()) { Timers()[id_] = this; }

Timer::~Timer() {
    if (running_) KillTimer(TimerWindow(), id_);
    Timers().erase(id_);
}

void Timer::SetInterval(int32_t milliseconds) {
    if (milliseconds < 0) Raise(err::InvalidPropertyValue);
    interval_ = milliseconds;
    Restart();
}

void Timer::SetEnabled(bool enabled) {
    Control::SetEnabled(enabled);
    Restart();
}

// Only a running timer has anything to stop, and the timers' window is made
// when the first one runs: most wait, and each call is a window-system round trip.
void Timer::Restart() {
    if (running_) KillTimer(TimerWindow(), id_);
    running_ = Enabled() && interval_ > 0 && SetTimer(TimerWindow(), id_, static_cast<UINT>(interval_), nullptr);
}

void Timer::Tick() {
    // A handler that pumps events does not receive its own next tick inside
    // itself. The flag outlives the timer, which a handler may destroy.
    std::shared_ptr<bool> ticking = ticking_;
    if (*ticking || !Enabled() || interval_ == 0) return;
    *ticking = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{*ticking};
    TimerEvent();
}

void Timer::SetDesignProperty(const std::wstring& key, const Variant& value) {
    if (SameName(key, L"Interval"))
        SetInterval(value.ToLong());
    else
        Control::SetDesignProperty(key, value);
}

Variant Timer::GetProperty(const std::wstring& name, const std::vector<Variant>& index) {
    if (SameName(name, L"Interval")) return Variant::Lng(interval_);
    return Control::GetProperty(name, index);
}

}  // namespace host
