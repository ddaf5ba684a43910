#pragma once
// What the host's tests share: the stock controls, side effects recorded instead of done, a journaling user control.
#include "TestKit.h"
#include "host/forms/Control.h"
#include "host/forms/Form.h"
#include "host/forms/UserControl.h"
#include "host/stock/CommandButton.h"
#include "host/stock/HostFrame.h"
#include "host/stock/Image.h"
#include "host/stock/Label.h"
#include "host/stock/LineControl.h"
#include "host/stock/ListControls.h"
#include "host/stock/PictureBox.h"
#include "host/stock/Shape.h"
#include "host/stock/TextBox.h"
#include "host/values/Runtime.h"
#include "host/values/Units.h"

namespace hosttest {

using namespace testkit;
using Entries = Log;

// The format error a call raises, or one naming line 0 when it raises none.
host::TextFormatError FormatErrorOf(const std::function<void()>& call);
// Places a control at a place given in pixels.
void PlaceInPixels(host::Control& control, int left, int top, int width, int height);

// Records what the host would show or end instead of doing it, while it lives.
class RecordedEffects : public host::SideEffects {
public:
    // A modal recorder, like the real message box, keeps events running while it shows.
    explicit RecordedEffects(bool modal = false) : modal_(modal) { host::SetEffects(this); }
    ~RecordedEffects() override {
        host::SetEffects(nullptr);
        host::ResetEnding();
    }
    int ShowMessageBox(HWND, const std::wstring& text, const std::wstring&, unsigned) override {
        messages.push_back(text);
        if (modal_) testsupport::PumpMessagesFor(std::chrono::milliseconds(100));
        return IDOK;
    }
    void EndProgram(int) override { ++ends; }

    Entries messages;
    int ends = 0;

private:
    bool modal_;
};

// The notifications every Journaling control received, as "Name.Notification [arguments]", in order.
Entries& Journal();
// The journal's entries of one control, without the name.
Entries JournalOf(const std::wstring& name);

class Journaling : public host::UserControl {
public:
    explicit Journaling(const std::wstring& name) : host::UserControl(L"Journaling", name) {}

    using host::UserControl::PropertyChanged;

    void OnInitialize() override { Note(L"Initialize"); }
    void OnInitProperties() override { Note(L"InitProperties"); }
    void OnReadProperties(const host::PropertyBag& bag) override;
    void OnWriteProperties(host::PropertyBag& bag) override {
        bag.WriteProperty(L"Value", host::Variant::Bool(value), host::Variant::Bool(false));
    }
    void OnResize() override { Note(L"Resize"); }
    void OnTerminate() override { Note(L"Terminate"); }
    void OnAmbientChanged(const std::wstring& name) override { Note(L"AmbientChanged " + name); }
    void OnEnterFocus() override { Note(L"EnterFocus"); }
    void OnExitFocus() override { Note(L"ExitFocus"); }
    void OnGotFocus() override { Note(L"GotFocus"); }
    void OnLostFocus() override { Note(L"LostFocus"); }
    void OnAccessKeyPress(int16_t keyAscii) override { Note(L"AccessKeyPress " + std::to_wstring(keyAscii)); }

    // What ReadProperties found under "Value" (read as a Boolean), and the whole bag.
    bool value = false;
    host::PropertyBag stored;

private:
    void Note(const std::wstring& what) const { Journal().push_back(Name() + L"." + what); }
};

}  // namespace hosttest
