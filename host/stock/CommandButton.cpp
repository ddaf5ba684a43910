#include "host/stock/CommandButton.h"

namespace host {

CommandButton::CommandButton(std::wstring name)
    : SystemControl(L"CommandButton", std::move(name), kButtonFace, kButtonText) {}

void CommandButton::CreateControlWindow(const WindowPlace& place) {
    CreateSystemWindow(L"BUTTON", WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | BS_PUSHBUTTON, 0, place, L"");
}

void CommandButton::OnAccessKey(wchar_t) {
    SetFocus();
    Click();
}

void CommandButton::OnCommand(WORD code) {
    if (code == BN_CLICKED) Click();
}

void CommandButton::SetDesignProperty(const std::wstring& key, const Variant& value) {
    if (SameName(key, L"Caption"))
        SetCaption(value.ToString());
    else
        SystemControl::SetDesignProperty(key, value);
}

}  // namespace host
