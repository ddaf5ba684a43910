#pragma once
// A command button: a system BUTTON window.
#include "host/stock/SystemControl.h"

namespace host {

class CommandButton : public SystemControl {
public:
    explicit CommandButton(std::wstring name);

    std::wstring Caption() const { return ReadWindowText(); }
    void SetCaption(const std::wstring& caption) { StoreWindowText(caption); }
    // Presses the button as a click would.
    void PerformClick() { Click(); }

    Event<> Click;

    wchar_t AccessKey() const override { return AccessKeyOf(Caption()); }
    void OnAccessKey(wchar_t key) override;
    // A focused button clicks on Enter itself.
    DialogKeyUse FocusedDialogKey(WPARAM key) override {
        if (key != VK_RETURN) return DialogKeyUse::Pass;
        PerformClick();
        return DialogKeyUse::Used;
    }
    void PressAsDialogButton(int16_t) override { PerformClick(); }
    void OnCommand(WORD code) override;
    void SetDesignProperty(const std::wstring& key, const Variant& value) override;

protected:
    void CreateControlWindow(const WindowPlace& place) override;
};

}  // namespace host
