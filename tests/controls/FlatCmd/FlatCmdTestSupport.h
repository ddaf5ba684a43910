#pragma once
// What the flat button's tests share: access to its private state, a log of what
// its container sees (events, announcements, and the sounds and addresses the
// button asks the host for), and a hidden form holding one button.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "MessagePump.h"
#include "controls/FlatCmd/FlatCmd.h"
#include "host/Form.h"
#include "host/Runtime.h"

namespace controls {

struct FlatCmdTestAccess {
    static bool IsDown(const FlatCmd& b) { return b.IsDown; }
    static bool IsOver(const FlatCmd& b) { return b.IsOver; }
    static host::PicturePtr ShownPicture(const FlatCmd& b) { return b.ShownPicture; }
    static bool StoredDefCurHand(const FlatCmd& b) { return b.Prop.StoredDefCurHand; }
    static int32_t PixelWidth(const FlatCmd& b) { return b.PixelWidth; }
};

}  // namespace controls

namespace flatcmd_test {

using controls::FlatCmd;
using Access = controls::FlatCmdTestAccess;
using Log = std::vector<std::wstring>;

// "MouseDown 1 0 5 5": a name and its arguments.
inline std::wstring Entry(const wchar_t* name, std::initializer_list<double> args) {
    std::wstring entry = name;
    for (double a : args) {
        wchar_t text[32];
        std::swprintf(text, 32, L" %g", a);
        entry += text;
    }
    return entry;
}

// Writes the button's requests to the outside world into the event log, so that
// their order among the events shows.
class EffectsRecorder : public host::SideEffects {
public:
    explicit EffectsRecorder(Log& log) : log_(log) {}
    intptr_t OpenWithShell(HWND owner, const std::wstring& operation, const std::wstring& file,
                           const std::wstring& parameters, const std::wstring& directory, int show) override {
        shellOwner = owner;
        log_.push_back(L"Shell " + operation + L" " + file + L" [" + parameters + L"][" + directory + L"] " +
                       std::to_wstring(show));
        return 33;
    }
    void NavigateTo(const std::wstring& address) override { log_.push_back(L"Navigate " + address); }
    bool PlaySoundFile(const std::string& ansiFile, unsigned flags) override {
        sounds.emplace_back(ansiFile, flags);
        log_.push_back(L"Sound");
        return true;
    }

    HWND shellOwner = nullptr;
    std::vector<std::pair<std::string, unsigned>> sounds;

private:
    Log& log_;
};

inline void RecordEvents(FlatCmd& b, Log& log) {
    auto mouse = [&log](const wchar_t* name) {
        return [&log, name](int16_t button, int16_t shift, float x, float y) {
            log.push_back(Entry(name, {double(button), double(shift), x, y}));
        };
    };
    b.Click.Connect([&log] { log.push_back(L"Click"); });
    b.KeyDown.Connect([&log](int16_t k, int16_t s) { log.push_back(Entry(L"KeyDown", {double(k), double(s)})); });
    b.KeyPress.Connect([&log](int16_t k) { log.push_back(Entry(L"KeyPress", {double(k)})); });
    b.KeyUp.Connect([&log](int16_t k, int16_t s) { log.push_back(Entry(L"KeyUp", {double(k), double(s)})); });
    b.MouseDown.Connect(mouse(L"MouseDown"));
    b.MouseMove.Connect(mouse(L"MouseMove"));
    b.MouseUp.Connect(mouse(L"MouseUp"));
    b.MouseIn.Connect([&log](int16_t s) { log.push_back(Entry(L"MouseIn", {double(s)})); });
    b.MouseOut.Connect([&log](int16_t s) { log.push_back(Entry(L"MouseOut", {double(s)})); });
    b.PropertyChangedNotice.Connect([&log](const std::wstring& key) { log.push_back(L"Changed " + key); });
}

// Pumps messages until `done` holds or a generous limit passes.
inline bool PumpUntil(const std::function<bool()>& done) {
    constexpr int kRounds = 300;
    for (int i = 0; i < kRounds && !done(); ++i) testsupport::PumpMessagesFor(std::chrono::milliseconds(10));
    return done();
}

// The test button is 80 x 30 pixels; a point inside it and one beside it.
constexpr float kInX = 5, kInY = 5, kOutX = 100, kOutY = 5;

class FlatCmdTest : public ::testing::Test {
protected:
    static constexpr double kPlaceLeft = 600, kPlaceTop = 600, kPlaceWidth = 1200, kPlaceHeight = 450;  // twips

    void SetUp() override {
        host::SetEffects(&effects);
        form.SetClientSize(6000, 4000);
        button = &Place(nullptr, L"FlatCmd1");
    }
    void TearDown() override { host::SetEffects(nullptr); }

    FlatCmd& Place(const host::PropertyBag* bag, const std::wstring& name) {
        auto& b = form.Add(std::make_unique<FlatCmd>(name));
        b.Move(kPlaceLeft, kPlaceTop, kPlaceWidth, kPlaceHeight);
        b.Load(bag);
        RecordEvents(b, log);
        return b;
    }

    Log log;
    EffectsRecorder effects{log};
    host::Form form{L"TestForm"};
    FlatCmd* button = nullptr;
};

}  // namespace flatcmd_test
