// The etched look as painted: dark outline outside, light outline inside it.
#include <windows.h>

#include "FrameTestSupport.h"
#include "host/Gdi.h"

namespace frame_test {
namespace {

constexpr COLORREF kDark = RGB(75, 75, 75);
constexpr COLORREF kLight = RGB(255, 255, 255);

// Paints the frame's constituents over its background into a bitmap and reads
// pixels back from it.
class Painted {
public:
    explicit Painted(const controls::Frame& frame)
        : screen_(nullptr), dc_(screen_), bitmap_(host::gdi::CompatibleBitmap(screen_, kSize, kSize)),
          select_(dc_, bitmap_) {
        RECT all{0, 0, kSize, kSize};
        host::gdi::Brush face = host::gdi::SolidBrush(GetSysColor(COLOR_BTNFACE));
        FillRect(dc_, &all, face);
        frame.PaintWindowless(dc_);
    }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

private:
    static constexpr int kSize = 400;
    host::gdi::WindowDC screen_;
    host::gdi::MemoryDC dc_;
    host::gdi::Bitmap bitmap_;
    host::gdi::Selection select_;
};

// A 3000 x 1500 twip frame is 200 x 100 pixels; R is well right of x = 60.
TEST_F(FrameTest, OutlineIsEtchedInEveryState) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const struct {
        const char* label;
        POINT at;
        COLORREF colour;
    } pixels[] = {
        {"dark left", {0, 50}, kDark},          {"light left", {1, 50}, kLight},
        {"dark bottom", {100, 98}, kDark},      {"light bottom", {100, 99}, kLight},
        {"dark right", {198, 50}, kDark},       {"light right", {199, 50}, kLight},
        {"dark top, left of the gap", {6, 13}, kDark},  {"light top, left of the gap", {6, 14}, kLight},
        {"dark top, right of the gap", {190, 13}, kDark}, {"light top, right of the gap", {190, 14}, kLight},
        {"the gap before the caption", {15, 13}, face}, {"inside", {100, 50}, face},
        {"above the top edge", {100, 5}, face},
    };
    const struct {
        const char* label;
        bool enabled;
    } states[] = {{"enabled", true}, {"disabled", false}};
    for (auto& state : states) {
        SCOPED_TRACE(state.label);
        form_.DestroyChildren();
        controls::Frame& frame = Place(3000, 1500);
        frame.SetFont(CaptionFont());
        frame.SetCaption(L"投票设置");
        frame.SetEnabled(state.enabled);
        Painted image(frame);
        for (auto& p : pixels) {
            SCOPED_TRACE(p.label);
            EXPECT_EQ(image.At(p.at.x, p.at.y), p.colour);
        }
    }
}

}  // namespace
}  // namespace frame_test
