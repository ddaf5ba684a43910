#pragma once
// The main window: built from its design data, it runs the timed cycle of status
// texts when the start button is clicked, opens the contact link from the chat
// badge and ends the program from the exit button.
#include <cstdint>
#include <string>

#include "host/design/DesignData.h"
#include "host/forms/Form.h"

namespace host {
class Label;
class TextBox;
class Timer;
}  // namespace host

namespace app {

class Form1 : public host::Form {
public:
    Form1();

    int16_t RunCount() const { return runCount_; }
    // The address the contact link opens.
    static std::wstring ContactAddress();

    // Handlers, as the window's controls call them.
    void FlatCmd1Click();
    void Timer1Timer();
    void FlatCmd2Click();
    void Image1Click();
    void TptTimer();

private:
    friend struct Form1TestAccess;
    explicit Form1(const host::DesignNode& design);
    // Who began a run: its errors go to the host when the start button began it
    // and are ignored when the hand-over did.
    enum class Starter { StartButton, HandOver };

    void Connect();
    void RunCycles(Starter first);
    void RunCycle();
    bool TimedWait();  // false when the wait was abandoned for a new run
    int32_t DelayMilliseconds() const;
    void StopCycle(const std::wstring& reason);

    template <class T>
    T& Get(const wchar_t* name) const;

    int16_t runCount_ = 0;
    bool cycling_ = false;          // a cycle is advancing
    bool newRunRequested_ = false;  // the start button was clicked during a wait
    bool handedOver_ = false;       // the run ended by handing over to Timer1

    host::Label* label5_ = nullptr;
    host::Label* label10_ = nullptr;
    host::Label* label11_ = nullptr;
    host::TextBox* text1_ = nullptr;
    host::TextBox* text2_ = nullptr;
    host::TextBox* text3_ = nullptr;
    host::Timer* tpt_ = nullptr;
    host::Timer* timer1_ = nullptr;
    host::Connections handlers_;
};

// The design text with the product name and support number filled in.
std::wstring Form1DesignText();

}  // namespace app
