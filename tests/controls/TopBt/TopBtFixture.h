#pragma once
// A title-bar button placed on a hidden form, with what it shows and raises.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/TopBt/TopBt.h"
#include "host/Form.h"

class TopBtTest : public testing::Test {
protected:
    controls::TopBt& Place(const host::PropertyBag* bag = nullptr) {
        button = &form.Add(std::make_unique<controls::TopBt>(L"TopBt3"));
        button->Move(8040, 45, 285, 285);
        button->PropertyChangedNotice.Connect([this](const std::wstring& name) { log.push_back(L"changed " + name); });
        button->Click.Connect([this] { log.push_back(L"Click"); });
        button->MouseDown.Connect([this](int16_t b, int16_t, float, float) { log.push_back(L"MouseDown " + std::to_wstring(b)); });
        button->MouseUp.Connect([this](int16_t b, int16_t, float, float) { log.push_back(L"MouseUp " + std::to_wstring(b)); });
        button->KeyDown.Connect([this](int16_t k, int16_t) { log.push_back(L"KeyDown " + std::to_wstring(k)); });
        button->KeyUp.Connect([this](int16_t k, int16_t) { log.push_back(L"KeyUp " + std::to_wstring(k)); });
        button->Load(bag);
        return *button;
    }

    // The resource name of the picture on show.
    std::wstring Shown() const { return button->GetPicture()->Source().name; }

    // A mouse message as the system delivers it, at the button's middle.
    void Mouse(UINT msg, WPARAM buttons = 0) const {
        SendMessageW(button->hWnd(), msg, buttons, MAKELPARAM(9, 9));
    }

    host::Form form{L"Form1"};
    controls::TopBt* button = nullptr;
    std::vector<std::wstring> log;
};
