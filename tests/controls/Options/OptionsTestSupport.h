#pragma once
// Shared by the option button's tests: a form to place buttons on, the parts by
// name, the image on show, real window messages to the parts, and a log of what
// the container hears.
#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "MessagePump.h"
#include "controls/Options/Options.h"
#include "host/forms/Form.h"

using Log = std::vector<std::wstring>;

inline host::PictureBox& StateBox(const controls::Options& o) { return dynamic_cast<host::PictureBox&>(*o.Find(L"p")); }
inline host::Label& CaptionLabel(const controls::Options& o) { return dynamic_cast<host::Label&>(*o.Find(L"lbl")); }
inline host::Image& IconImage(const controls::Options& o) { return dynamic_cast<host::Image&>(*o.Find(L"Image1")); }
inline host::Timer& HoverTimer(const controls::Options& o) { return dynamic_cast<host::Timer&>(*o.Find(L"Timer1")); }

// The index of the state image `p` shows, -1 for none of them.
inline int ShownImage(const controls::Options& o) {
    for (int16_t k = 0; k < 8; ++k)
        if (StateBox(o).GetPicture() == dynamic_cast<host::PictureBox&>(*o.Find(L"img", k)).GetPicture()) return k;
    return -1;
}

inline void Send(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) { SendMessageW(hwnd, msg, wParam, lParam); }
inline LPARAM At(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

// "MouseDown 1 0 45 45": an event and its arguments.
inline std::wstring Entry(const wchar_t* name, std::initializer_list<double> args = {}) {
    std::wstring entry = name;
    for (double a : args) entry += L" " + std::to_wstring(std::lround(a));
    return entry;
}

// Every event of the button, and its announcements as "changed <name>".
inline void Record(controls::Options& o, Log& log) {
    auto mouse = [&log](const wchar_t* name) {
        return [&log, name](int16_t b, int16_t s, float x, float y) { log.push_back(Entry(name, {double(b), double(s), x, y})); };
    };
    o.Click.Connect([&log] { log.push_back(L"Click"); });
    o.KeyDown.Connect([&log](int16_t k, int16_t s) { log.push_back(Entry(L"KeyDown", {double(k), double(s)})); });
    o.KeyPress.Connect([&log](int16_t k) { log.push_back(Entry(L"KeyPress", {double(k)})); });
    o.KeyUp.Connect([&log](int16_t k, int16_t s) { log.push_back(Entry(L"KeyUp", {double(k), double(s)})); });
    o.MouseOut.Connect([&log] { log.push_back(L"MouseOut"); });
    o.MouseDown.Connect(mouse(L"MouseDown"));
    o.MouseMove.Connect(mouse(L"MouseMove"));
    o.MouseUp.Connect(mouse(L"MouseUp"));
    o.PropertyChangedNotice.Connect([&log](const std::wstring& name) { log.push_back(L"changed " + name); });
}

// Parks the pointer far from the test's windows.
inline void PointerAway() { SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2); }

class OptionsTest : public ::testing::Test {
protected:
    // A button placed on `container` (the form by default), loaded from a bag or new.
    controls::Options& Place(const std::wstring& name, host::Container* container = nullptr,
                             const host::PropertyBag* bag = nullptr) {
        host::Container& target = container ? *container : form_;
        auto& button = target.Add(std::make_unique<controls::Options>(name));
        button.Move(120, 120 + 300 * double(target.Children().size()), 1800, 195);
        button.Load(bag);
        return button;
    }
    controls::Options& PlaceInGroup(const std::wstring& name, host::Container* container = nullptr) {
        host::PropertyBag bag;
        bag.WriteProperty(L"Group", host::Variant::Bool(true));
        return Place(name, container, &bag);
    }
    // Pumps until `done` or about half a second.
    static void PumpUntil(const std::function<bool()>& done) {
        for (int i = 0; i < 50 && !done(); ++i) testsupport::PumpMessagesFor(std::chrono::milliseconds(10));
    }

    // A log of what the button raises, alive as long as the button.
    Log& Recorded(controls::Options& button) {
        Record(button, logs_.emplace_back());
        return logs_.back();
    }

    std::deque<Log> logs_;  // outlives the form
    host::Form form_{L"OptionsForm"};
};
