#pragma once
// What the option button's tests share: a form, the parts by name, the image on show, messages, a log of what is heard.
#include <cmath>
#include <deque>

#include "TestKit.h"
#include "controls/Options/Options.h"
#include "host/forms/Form.h"

using namespace testkit;
using controls::Options;

template <class Part>
Part& PartOf(const Options& o, const wchar_t* name, int16_t index = -1) {
    return dynamic_cast<Part&>(*o.Find(name, index));
}
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
inline void PointerAway() { SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2); }
// Pumps until the last entry of `log` is `entry`, or about half a second.
inline void PumpUntilLast(const Log& log, const wchar_t* entry) {
    for (int i = 0; i < 50 && log.back() != entry; ++i) testsupport::PumpMessagesFor(std::chrono::milliseconds(10));
}

// "MouseDown 1 0 45 45": an event and its arguments.
template <class... Args>
void Note(Log& log, const wchar_t* name, Args... args) {
    log.push_back(name);
    ((log.back() += L" " + std::to_wstring(std::lround(args))), ...);
}

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
        for (Options* o : buttons) {
            kept_ += o->Click.Connect([&log] { Note(log, L"Click"); });
            kept_ += o->KeyDown.Connect([&log](int16_t k, int16_t s) { Note(log, L"KeyDown", k, s); });
            kept_ += o->KeyPress.Connect([&log](int16_t k) { Note(log, L"KeyPress", k); });
            kept_ += o->KeyUp.Connect([&log](int16_t k, int16_t s) { Note(log, L"KeyUp", k, s); });
            kept_ += o->MouseOut.Connect([&log] { Note(log, L"MouseOut"); });
            for (auto [event, name] :
                 {std::pair{&o->MouseDown, L"MouseDown"}, {&o->MouseMove, L"MouseMove"}, {&o->MouseUp, L"MouseUp"}})
                kept_ += event->Connect(
                    [&log, name](int16_t b, int16_t s, float x, float y) { Note(log, name, b, s, x, y); });
            kept_ += o->PropertyChangedNotice.Connect([&log](std::wstring n) { log.push_back(L"changed " + n); });
        }
        return log;
    }

    int placed_ = 0;
    std::deque<Log> logs_;
    host::Connections kept_;
    host::Form form_{L"OptionsForm"};
};
