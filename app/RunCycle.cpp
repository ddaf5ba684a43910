// The run cycle of the main window: each run counts itself, shows the status and
// the page fragment for one delay, clears them, waits one more delay and hands
// over to the next run.
#include <cmath>

#include "app/Form1.h"
#include "app/Product.h"
#include "host/values/Error.h"
#include "host/stock/Label.h"
#include "host/windows/Pump.h"
#include "host/values/Runtime.h"
#include "host/stock/TextBox.h"
#include "host/stock/Timer.h"

namespace app {

namespace {

constexpr wchar_t kConnecting[] = L"正在连接微信平台...";
constexpr wchar_t kThirdRunNotice[] = L"你的投票设置有误或者此投票软件不适用你的投票活动，请联系QQ:";
constexpr wchar_t kWaitPending[] = L"P";
constexpr wchar_t kWaitOver[] = L"R";
constexpr int16_t kLastRun = 32767;

// A delay the wait timer cannot run: the cycle stops and says why.
class DelayError : public host::HostError {
public:
    explicit DelayError(std::wstring why) : HostError(host::err::InvalidPropertyValue, std::move(why)) {}
};

// The cycle has counted as far as it can.
class RunCountExhausted : public host::HostError {
public:
    RunCountExhausted() : HostError(host::err::Overflow, host::StandardErrorText(host::err::Overflow)) {}
};

// Says why a delay was refused, quoting what was typed (its first characters, if
// long, cut between characters, not inside a surrogate pair), and which delays the
// wait takes: whole milliseconds from 1 to the timer's largest interval.
std::wstring DelayProblem(const std::wstring& text) {
    constexpr size_t kQuotedCharacters = 20;
    size_t cut = 0;
    for (size_t characters = 0; cut < text.size() && characters < kQuotedCharacters; ++characters) {
        bool pair = text[cut] >= 0xD800 && text[cut] <= 0xDBFF && cut + 1 < text.size() && text[cut + 1] >= 0xDC00 &&
                    text[cut + 1] <= 0xDFFF;
        cut += pair ? 2 : 1;
    }
    std::wstring quoted = cut < text.size() ? text.substr(0, cut) + L"…" : text;
    return L"投票间隔“" + quoted + L"”无效：请输入 0.001 到 2147483.647 之间的秒数。投票已停止。";
}

}  // namespace

void Form1::FlatCmd1Click() {
    if (cycling_) {
        // A click during a wait begins a new run at once; the waiting run never resumes.
        newRunRequested_ = true;
        return;
    }
    RunCycles(Starter::StartButton);
}

void Form1::Timer1Timer() {
    timer1_->SetEnabled(false);
    if (cycling_)
        handedOver_ = true;  // the cycle's loop begins the next run
    else
        RunCycles(Starter::HandOver);
}

void Form1::TptTimer() {
    tpt_->SetTag(kWaitOver);
    tpt_->SetEnabled(false);
}

// Runs follow one another in this loop rather than by calling each other, so any
// number of runs leaves the call depth and memory as they were.
void Form1::RunCycles(Starter first) {
    cycling_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{cycling_};
    Starter starter = first;
    for (;;) {
        newRunRequested_ = false;
        handedOver_ = false;
        try {
            RunCycle();
        } catch (const RunCountExhausted&) {
            StopCycle(L"运行次数已达上限（" + std::to_wstring(kLastRun) + L" 次），投票已停止。");
            return;
        } catch (const DelayError& e) {
            StopCycle(e.Description());
            return;
        } catch (const host::HostError&) {
            if (starter == Starter::StartButton) throw;
            return;  // the hand-over ignores errors: the cycle just ends
        }
        if (host::Ending()) return;
        if (newRunRequested_)
            starter = Starter::StartButton;
        else if (handedOver_)
            starter = Starter::HandOver;
        else
            return;
    }
}

void Form1::RunCycle() {
    if (runCount_ == kLastRun) throw RunCountExhausted();
    ++runCount_;
    label5_->SetCaption(std::to_wstring(runCount_));
    label11_->SetCaption(kConnecting);
    text2_->SetText(text3_->Text());
    if (runCount_ == 3) label10_->SetCaption(std::wstring(kThirdRunNotice) + kSupportNumber);
    if (!TimedWait()) return;
    text2_->SetText(L"");
    label11_->SetCaption(L"");
    if (!TimedWait()) return;
    Timer1Timer();
}

int32_t Form1::DelayMilliseconds() const {
    std::wstring text = text1_->Text();
    int32_t rounded = 0;
    try {
        double ms = host::Val(text) * 1000.0;
        if (!std::isfinite(ms)) host::Raise(host::err::Overflow);
        rounded = host::RoundToLong(ms);
    } catch (const host::HostError&) {
        throw DelayError(DelayProblem(text));  // too large for the timer
    }
    // The timer refuses a negative interval and never ticks at 0, so such a wait
    // would never end.
    if (rounded <= 0) throw DelayError(DelayProblem(text));
    return rounded;
}

bool Form1::TimedWait() {
    tpt_->SetInterval(DelayMilliseconds());
    tpt_->SetEnabled(true);
    tpt_->SetTag(kWaitPending);
    while (tpt_->Tag() == kWaitPending) {
        host::DoEvents();
        if (newRunRequested_ || host::Ending()) return false;
        if (tpt_->Tag() == kWaitPending) host::WaitForEvents();
    }
    return true;
}

void Form1::StopCycle(const std::wstring& reason) {
    tpt_->SetEnabled(false);
    // Nothing is connecting any more: the status and the page fragment go.
    label11_->SetCaption(L"");
    text2_->SetText(L"");
    host::Effects().ShowMessageBox(hWnd(), reason, kProductName, MB_OK | MB_ICONWARNING);
}

}  // namespace app
