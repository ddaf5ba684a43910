// The forms' keyboard: Tab and Shift+Tab through the tab order, Enter and Escape
// for the default and cancel buttons, Alt + letter for access keys.
#include <cwctype>

#include "host/forms/Form.h"
#include "host/values/Runtime.h"

namespace host {

namespace {

Form* FormOfWindow(HWND hwnd) {
    HWND root = GetAncestor(hwnd, GA_ROOT);
    for (Form* f : OpenForms())
        if (f->Handle() == root) return f;
    return nullptr;
}

// Enter or Escape: the focused control keeps the key when it uses it itself;
// otherwise the form's default or cancel button clicks.
bool RouteDefaultKey(Form& form, Control* focused, WPARAM key) {
    if (focused) {
        switch (focused->FocusedDialogKey(key)) {
        case DialogKeyUse::Keep: return false;
        case DialogKeyUse::Used: return true;
        case DialogKeyUse::Pass: break;
        }
    }
    Control* target = key == VK_RETURN ? form.DefaultControl() : form.CancelControl();
    if (!target || !target->EnabledInTree()) return false;
    target->PressAsDialogButton(key == VK_RETURN ? 13 : 27);
    return true;
}

}  // namespace

bool RouteFormKeyboard(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSCHAR) return false;
    Form* form = FormOfWindow(msg.hwnd);
    if (!form) return false;
    Control* focused = form->ControlOfWindow(GetFocus());
    bool handled = false;
    Guarded([&] {
        if (msg.message == WM_SYSCHAR) {
            Control* target =
                form->ControlWithAccessKey(static_cast<wchar_t>(std::towupper(static_cast<wint_t>(msg.wParam))));
            if (target) target->OnAccessKey(static_cast<wchar_t>(msg.wParam));
            handled = target != nullptr;
            return;
        }
        bool ctrlOrAlt = GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
        if (msg.wParam == VK_TAB && !ctrlOrAlt) {
            if (Control* next = form->NextTabStop(focused, GetKeyState(VK_SHIFT) >= 0)) SetFocus(next->Hwnd());
            handled = true;
        } else if ((msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE) && !ctrlOrAlt) {
            handled = RouteDefaultKey(*form, focused, msg.wParam);
        }
    });
    return handled;
}

}  // namespace host
