#pragma once
// What the flat button's tests share: its run-time state, a log of what its container sees, and its image.
#include <algorithm>
#include <cmath>
#include <tuple>

#include "TestKit.h"
#include "controls/FlatCmd/FlatCmd.h"
#include "host/forms/Form.h"
#include "host/values/Runtime.h"
#include "host/values/Units.h"

namespace flatcmd_test {

struct PaintState {
    bool over = false, down = false, focus = false;
};

}  // namespace flatcmd_test

namespace controls {

struct FlatCmdTestAccess {
    static bool IsDown(const FlatCmd& b) { return b.isDown_; }
    static bool IsOver(const FlatCmd& b) { return b.isOver_; }
    static host::PicturePtr ShownPicture(const FlatCmd& b) { return b.shownPicture_; }
    static SIZE PixelSize(const FlatCmd& b) { return SIZE{b.pixelWidth_, b.pixelHeight_}; }
    // Sets the run-time state and repaints, as the input handlers would.
    static void Paint(FlatCmd& b, flatcmd_test::PaintState s) {
        b.isOver_ = s.over;
        b.isDown_ = s.down;
        b.hasFocus_ = s.focus;
        b.Refresh();
    }
};

}  // namespace controls

namespace flatcmd_test {

using namespace testkit;
using controls::FlatCmd;
using testkit::kWhite;  // over the control's own name for the same colour
using Access = controls::FlatCmdTestAccess;

// "MouseDown 1 0 5 5": a name and its arguments.
inline std::wstring Entry(const wchar_t* name, std::initializer_list<double> args) {
    std::wstring entry = name;
    for (double a : args) entry += L" " + std::to_wstring(std::lround(a));
    return entry;
}

// Writes the button's requests to the outside world into the event log, so that their order among the events shows.
struct EffectsRecorder : host::SideEffects {
    explicit EffectsRecorder(Log& events) : log(events) {}
    intptr_t OpenWithShell(HWND owner, const std::wstring& operation, const std::wstring& file,
                           const std::wstring& parameters, const std::wstring& directory, int show) override {
        shellOwner = owner;
        log.push_back(L"Shell " + operation + L" " + file + L" [" + parameters + directory + L"] " +
                      std::to_wstring(show));
        return 33;
    }
    void NavigateTo(const std::wstring& address) override { log.push_back(L"Navigate " + address); }
    bool PlaySoundFile(const std::string& ansiFile, unsigned flags) override {
        sounds.emplace_back(ansiFile, flags);
        log.push_back(L"Sound");
        return true;
    }

    Log& log;
    HWND shellOwner = nullptr;
    std::vector<std::pair<std::string, unsigned>> sounds;
};

template <class... Args>
host::Connection Record(host::Event<Args...>& event, Log& log, const wchar_t* name) {
    return event.Connect([&log, name](Args... args) { log.push_back(Entry(name, {double(args)...})); });
}

// The test button is 80 x 30 pixels at (40, 40) of the form; a point inside it and one beside it.
constexpr int kW = 80, kH = 30, kMidX = kW / 2, kMidY = kH / 2, kSide = 16;
constexpr float kInX = 5, kInY = 5, kOutX = 100;

class FlatCmdTest : public ::testing::Test {
protected:
    void SetUp() override {
        host::SetEffects(&effects);
        form.SetClientSize(6000, 4000);
        button = &Place(nullptr, L"FlatCmd1");
    }
    void TearDown() override { host::SetEffects(nullptr); }

    FlatCmd& Place(const host::PropertyBag* bag, const std::wstring& name) {
        auto& b = form.Add(std::make_unique<FlatCmd>(name));
        b.Move(600, 600, host::PixelsToTwipsX(kW), host::PixelsToTwipsY(kH));
        b.Load(bag);
        recording += Record(b.Click, log, L"Click");
        recording += Record(b.KeyDown, log, L"KeyDown");
        recording += Record(b.KeyUp, log, L"KeyUp");
        recording += Record(b.MouseDown, log, L"MouseDown");
        recording += Record(b.MouseMove, log, L"MouseMove");
        recording += Record(b.MouseUp, log, L"MouseUp");
        recording += Record(b.MouseIn, log, L"MouseIn");
        recording += Record(b.MouseOut, log, L"MouseOut");
        recording +=
            b.PropertyChangedNotice.Connect([this](const std::wstring& key) { log.push_back(L"Changed " + key); });
        return b;
    }
    // Another button, for one row of a table; without a name it has no caption.
    FlatCmd& Fresh() { return Place(nullptr, L""); }

    Log log;
    host::Connections recording;
    EffectsRecorder effects{log};
    host::Form form{L"TestForm"};
    FlatCmd* button = nullptr;
};

inline COLORREF Pixel(FlatCmd& b, int x, int y) { return GetPixel(b.hDC(), x, y); }
inline void Paint(FlatCmd& b, PaintState s) { Access::Paint(b, s); }
// The button as its host sees it: the notifications (OnMouseDown, ...) are the host's to call.
inline host::UserControl& Host(FlatCmd& b) { return b; }
// Resizes the button to w x h pixels (the resize step repaints it).
inline void SizeInPixels(FlatCmd& b, int w, int h) {
    b.Move(b.Left(), b.Top(), host::PixelsToTwipsX(w), host::PixelsToTwipsY(h));
}

// A 16 x 16 red icon whose left half is transparent.
inline host::PicturePtr HalfRedIcon() {
    const RECT left{0, 0, kSide / 2, kSide}, right{kSide / 2, 0, kSide, kSide};
    host::gdi::Bitmap colour = PaintedBitmap(kSide, kSide, {{left, kBlack}, {right, kRed}});
    host::gdi::Bitmap mask = PaintedBitmap(kSide, kSide, {{left, kWhite}, {right, kBlack}}, true);
    ICONINFO info{TRUE, 0, 0, mask, colour};
    const auto himetric = std::lround(host::ScaleX(kSide, host::ScaleMode::Pixels, host::ScaleMode::Himetric));
    const auto icon = reinterpret_cast<uintptr_t>(CreateIconIndirect(&info));
    return std::make_shared<host::Picture>(host::PictureType::Icon, icon, himetric, himetric, host::PictureSource{});
}

// Every pixel of the button's image, row by row.
struct Image {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
    bool operator==(const Image&) const = default;
};
inline Image Snapshot(FlatCmd& b) {
    const SIZE size = Access::PixelSize(b);
    Image image{size.cx, size.cy, {}};
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) image.pixels.push_back(Pixel(b, x, y));
    return image;
}

// The smallest rectangle holding every pixel that differs between two images (empty when none does).
inline RECT DifferenceBox(const Image& a, const Image& b) {
    RECT box{a.width, a.height, 0, 0};
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            if (a.At(x, y) != b.At(x, y))
                box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
                       std::max<LONG>(box.bottom, y + 1)};
    return box;
}

}  // namespace flatcmd_test
