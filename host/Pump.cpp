#include "host/Pump.h"

#include <cwctype>

#include "host/CommandButton.h"
#include "host/Form.h"
#include "host/Runtime.h"
#include "host/TextBox.h"
#include "host/UserControl.h"

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
    if (dynamic_cast<UserControl*>(focused)) return false;
    if (auto* box = dynamic_cast<TextBox*>(focused); box && box->MultiLine() && key == VK_RETURN) return false;
    if (auto* button = dynamic_cast<CommandButton*>(focused); button && key == VK_RETURN) {
        button->PerformClick();
        return true;
    }
    Control* target = key == VK_RETURN ? form.DefaultControl() : form.CancelControl();
    if (!target || !target->EnabledInTree()) return false;
    if (auto* button = dynamic_cast<CommandButton*>(target)) button->PerformClick();
    else if (auto* uc = dynamic_cast<UserControl*>(target)) uc->DeliverAccessKeyPress(key == VK_RETURN ? 13 : 27);
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
            Control* target = form->ControlWithAccessKey(static_cast<wchar_t>(std::towupper(static_cast<wint_t>(msg.wParam))));
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

void DoEvents() {
    // Only what is pending now: a timer whose handler outlasts its interval has a new
    // tick waiting after every dispatch and would keep the pass from ever ending.
    const DWORD start = GetTickCount();
    MSG msg;
    while (!Ending() && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            End();
            return;
        }
        if (!RouteFormKeyboard(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (static_cast<LONG>(msg.time - start) > 0) return;
    }
}

void WaitForEvents() {
    MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

int RunMessageLoop() {
    MSG msg;
    while (!Ending() && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (RouteFormKeyboard(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

}  // namespace host
