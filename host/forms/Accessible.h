#pragma once
// What assistive technology (a screen reader, a magnifier, a test tool) learns of
// a user control. The host answers WM_GETOBJECT for the control's window with an
// object built from the control's description: its role, name, value, states,
// default action and keyboard shortcut, the parts it draws itself (a tab strip's
// tabs) and the controls placed on it, windowless labels included. Whatever the
// description leaves out comes from the system's standard object for the window.
#include <windows.h>
#include <oleacc.h>

#include <optional>
#include <string>
#include <vector>

namespace host {

class Control;
class WindowOwner;

// A part of a control without a window of its own (a tab, a label).
struct AccessibleItem {
    AccessibleItem() = default;
    AccessibleItem(long role, std::wstring name, long state, RECT rect = {})
        : role(role), name(std::move(name)), state(state), rect(rect) {}

    long role = ROLE_SYSTEM_STATICTEXT;
    std::wstring name;
    long state = 0;
    RECT rect{};  // in client pixels of the control's window
    std::wstring defaultAction;
};

struct AccessibleDescription {
    AccessibleDescription(long role, std::wstring name) : role(role), name(std::move(name)) {}

    long role = ROLE_SYSTEM_CLIENT;
    std::wstring name;
    std::optional<std::wstring> value;
    // The control's own states; the host adds focusable, focused, unavailable and
    // invisible.
    long state = 0;
    std::wstring defaultAction;
    std::wstring keyboardShortcut;
    // Numbered from 1, before the controls placed on the control.
    std::vector<AccessibleItem> items;
};

// What the host asks of a control that describes itself (the user controls).
class AccessibleControl {
public:
    // The control's role, name, value, own states, default action, shortcut and
    // the parts it draws itself.
    virtual AccessibleDescription DescribeAccessible() const = 0;
    // The default action of the control (item 0) or of one of its parts; it runs
    // from the message queue once the request has been answered.
    virtual void DoAccessibleDefaultAction(long item) = 0;
    // Selects one of the parts, as a click on it would.
    virtual void SelectAccessibleItem(long item) = 0;

protected:
    ~AccessibleControl() = default;
};

// WM_GETOBJECT and the deferred requests for the window of `owner`, a control that
// describes itself; false leaves the message to the window's default handling.
bool HandleAccessibleMessage(WindowOwner& owner, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

// The focused window is the control's own or one of its constituents' (the option
// button's state box, the combo box's text field).
bool HoldsFocus(const Control& control);

// A caption as a screen reader reads it: the access-key "&" gone ("&&" reads "&"),
// and the spaces that pad it at either end.
std::wstring SpokenCaption(const std::wstring& caption);
// "Alt+X" for a caption whose access key is X; empty without one.
std::wstring AccessKeyShortcut(const std::wstring& caption);

}  // namespace host
