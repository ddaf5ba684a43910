#pragma once
// Shared by the option button's tests: a form to place buttons on, the parts by
// name, the image on show, window messages to the state box, and a log of what
// the container hears.
#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "MessagePump.h"
#include "controls/Options/Options.h"
#include "host/forms/Form.h"

using controls::Options;
using Log = std::vector<std::wstring>;

template <class Part>
Part& PartOf(const Options& o, const wchar_t* name, int16_t index = -1) { return dynamic_cast<Part&>(*o.Find(name, index)); }
inline host::PictureBox& StateBox(const Options& o) { return PartOf<host::PictureBox>(o, L"p"); }

// The index of the state image on show, -1 for none.
inline int ShownImage(const Options& o) {
    for (int16_t k = 0; k < 8; ++k)
        if (StateBox(o).GetPicture() == PartOf<host::PictureBox>(o, L"img", k).GetPicture()) return k;
    return -1;
}

inline void Send(const Options& o, UINT msg, WPARAM wParam = 0, int x = 0, int y = 0) {
    SendMessageW(StateBox(o).Hwnd(), msg, wParam, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
}

// Parks the pointer far from the test's windows.
inline void PointerAway() { SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2); }

class OptionsTest : public ::testing::Test {
protected:
    // A button placed on `container` (the form by default), loaded from a bag or new.
    Options& Place(host::Container* container = nullptr, const host::PropertyBag* bag = nullptr) {
        host::Container& target = container ? *container : form_;
        auto& button = target.Add(std::make_unique<Options>(L"Option" + std::to_wstring(++placed_)));
        button.Move(120, 300.0 * placed_, 1800, 195);
        button.Load(bag);
        return button;
    }
    Options& PlaceInGroup(host::Container* container = nullptr) {
        host::PropertyBag bag;
        bag.WriteProperty(L"Group", host::Variant::Bool(true));
        return Place(container, &bag);
    }
    // Every event of the buttons, and their announcements as "changed <name>", in one log.
    Log& Record(std::initializer_list<Options*> buttons) {
        Log& log = logs_.emplace_back();
        auto add = [&log](const wchar_t* name, std::initializer_list<double> args) {
            std::wstring entry = name;
            for (double a : args) entry += L" " + std::to_wstring(std::lround(a));
            log.push_back(entry);
        };
        auto mouse = [add](const wchar_t* name) {
            return [add, name](int16_t b, int16_t s, float x, float y) { add(name, {double(b), double(s), x, y}); };
        };
        for (Options* o : buttons) {
            kept_ += o->Click.Connect([add] { add(L"Click", {}); });
            kept_ += o->KeyDown.Connect([add](int16_t k, int16_t s) { add(L"KeyDown", {double(k), double(s)}); });
            kept_ += o->KeyPress.Connect([add](int16_t k) { add(L"KeyPress", {double(k)}); });
            kept_ += o->KeyUp.Connect([add](int16_t k, int16_t s) { add(L"KeyUp", {double(k), double(s)}); });
            kept_ += o->MouseOut.Connect([add] { add(L"MouseOut", {}); });
            kept_ += o->MouseDown.Connect(mouse(L"MouseDown"));
            kept_ += o->MouseMove.Connect(mouse(L"MouseMove"));
            kept_ += o->MouseUp.Connect(mouse(L"MouseUp"));
            kept_ += o->PropertyChangedNotice.Connect([&log](const std::wstring& n) { log.push_back(L"changed " + n); });
        }
        return log;
    }
    // Pumps until `done` or about half a second.
    template <class Done>
    static void PumpUntil(Done done) {
        for (int i = 0; i < 50 && !done(); ++i) testsupport::PumpMessagesFor(std::chrono::milliseconds(10));
    }

    int placed_ = 0;
    std::deque<Log> logs_;
    host::Connections kept_;
    host::Form form_{L"OptionsForm"};
};
