#pragma once
// What the host's behaviour tests share: the form they place controls on,
// catching host errors, colours and pictures, a recorder for the host's side
// effects, and a user control that journals its notifications.
#include <windows.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "MessagePump.h"
#include "host/forms/Control.h"
#include "host/values/Error.h"
#include "host/forms/Form.h"
#include "host/values/Picture.h"
#include "host/values/Runtime.h"
#include "host/forms/UserControl.h"

namespace hosttest {

constexpr int kNoError = 0;

// Recorded notifications or names, in order.
using Entries = std::vector<std::wstring>;

// The host error number a call raises, or kNoError.
int ErrorOf(const std::function<void()>& call);
// The format error a call raises, or one naming line 0 when it raises none.
host::TextFormatError FormatErrorOf(const std::function<void()>& call);

// A rectangle as left, top, right, bottom, which comparisons print readably.
inline std::array<LONG, 4> Corners(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 160, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// A plain colour as an OLE colour.
inline host::OleColor Ole(COLORREF rgb) { return static_cast<host::OleColor>(rgb); }
// A bitmap picture of one colour.
host::PicturePtr SolidPicture(int width, int height, COLORREF colour);
// Places a control at a place given in pixels.
void PlaceInPixels(host::Control& control, int left, int top, int width, int height);

// Records what the host would show or end instead of doing it; it is the host's
// side effects while it lives and clears the ending flag when it goes.
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

// The notifications every Journaling control received, as "Name.Notification"
// (with arguments after a blank), in order, across controls.
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
    void OnClick() override { Note(L"Click"); }
    void OnDblClick() override { Note(L"DblClick"); }
    void OnMouseDown(int16_t button, int16_t, float, float) override { Note(L"MouseDown " + std::to_wstring(button)); }
    void OnMouseUp(int16_t button, int16_t, float, float) override { Note(L"MouseUp " + std::to_wstring(button)); }

    // What ReadProperties found under "Value" (read as a Boolean), and the whole bag.
    bool value = false;
    host::PropertyBag stored;

private:
    void Note(const std::wstring& what) const { Journal().push_back(Name() + L"." + what); }
};

}  // namespace hosttest
