// The frame raises MouseMove for its own surface only.
#include <windows.h>

#include <optional>
#include <tuple>

#include "FrameTestSupport.h"

namespace frame_test {
namespace {

using Move = std::tuple<int16_t, int16_t, float, float>;  // Button, Shift, X, Y

POINT CentreOf(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

TEST_F(FrameTest, MouseMoveIsRaisedOverTheSurfaceOnly) {
    controls::Frame& frame = Place(3000, 1500);
    frame.SetFont(CaptionFont());
    frame.SetCaption(L"投票设置");
    frame.SetIcon(SquareBitmap(16));
    std::optional<Move> raised;
    frame.MouseMove.Connect([&raised](int16_t b, int16_t s, float x, float y) { raised = Move{b, s, x, y}; });

    const double twips = host::Screen::TwipsPerPixelX();
    const struct {
        const char* label;
        POINT at;
        WPARAM buttons;
        std::optional<Move> expected;
    } cases[] = {
        {"inside the outline", {50, 60}, 0, Move{0, 0, float(50 * twips), float(60 * twips)}},
        {"on the outline, left button down", {0, 60}, MK_LBUTTON, Move{1, 0, 0.0f, float(60 * twips)}},
        {"over the caption", CentreOf(CaptionLabel(frame).PixelRect()), 0, std::nullopt},
        {"over the icon", CentreOf(IconImage(frame).PixelRect()), 0, std::nullopt},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.label);
        raised.reset();
        SendMessageW(frame.hWnd(), WM_MOUSEMOVE, c.buttons, MAKELPARAM(c.at.x, c.at.y));
        EXPECT_EQ(raised, c.expected);
    }
}

}  // namespace
}  // namespace frame_test
