// The frame's properties: caption colours, the property bag, and where it raises
// MouseMove.
#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "FrameTestSupport.h"

namespace {

constexpr host::OleColor kBlue = RGB(0, 0, 255);

TEST_F(FrameTest, CaptionColourLastsUntilTheNextLayoutPass) {
    using Frame = controls::Frame;
    const struct { const char* label; std::function<void(Frame&)> act; host::OleColor caption; } cases[] = {
        {"fore colour while enabled", [](Frame& f) { f.SetForeColor(kBlue); }, kBlue},
        {"fore colour while disabled", [](Frame& f) { f.SetEnabled(false); f.SetForeColor(kBlue); },
         RGB(161, 161, 146)},
        {"disabled", [](Frame& f) { f.SetEnabled(false); }, RGB(153, 153, 153)},
        {"enabled again", [](Frame& f) { f.SetForeColor(kBlue); f.SetEnabled(false); f.SetEnabled(true); }, 0},
        {"resized after a fore colour", [](Frame& f) { f.SetForeColor(kBlue); f.SetWidth(4000); }, 0},
        {"caption given while disabled", [](Frame& f) { f.SetEnabled(false); f.SetCaption(L"X"); }, 0},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.label);
        Frame& frame = Place(3000, 1500);
        c.act(frame);
        EXPECT_EQ(CaptionLabel(frame).ForeColor(), c.caption);
    }
}

// Through the bag's text form into a new frame, which then stores the same and
// places its caption the same: an empty icon is stored and read back as none.
TEST_F(FrameTest, BagRoundTripsWithTheIconAlwaysStored) {
    for (bool set : {false, true}) {
        SCOPED_TRACE(set ? "every property set" : "new");
        controls::Frame& original = Place(3000, 1500);
        if (set) {
            original.SetCaption(L"投票设置");
            original.SetFont(CaptionFont());
            original.SetIcon(Icon16());
            original.SetEnabled(false);
            original.SetForeColor(kBlue);
        }
        const host::PropertyBag bag = original.Save();
        using Keys = std::vector<std::wstring>;
        const Keys keys = set ? Keys{L"caption", L"enabled", L"icon", L"font", L"forecolor", L"_extentx", L"_extenty"}
                              : Keys{L"caption", L"icon", L"_extentx", L"_extenty"};
        EXPECT_EQ(bag.Keys(), keys);
        const host::PropertyBag text = host::PropertyBag::LoadText(bag.SaveText());
        controls::Frame& copy = form_.Add(std::make_unique<controls::Frame>(L"Frame2"));
        copy.Move(120, 240, 3000, 1500);
        copy.Load(&text);
        EXPECT_EQ(copy.Caption(), original.Caption());
        EXPECT_EQ(copy.Save().SaveText(), bag.SaveText());
        EXPECT_EQ(CaptionLabel(copy).Left(), CaptionLabel(original).Left());
    }
}

TEST_F(FrameTest, MouseMoveIsRaisedOverTheSurfaceOnly) {
    using Move = std::tuple<int16_t, int16_t, float, float>;  // Button, Shift, X, Y
    controls::Frame& frame = Place(3000, 1500);
    std::optional<Move> raised;
    frame.MouseMove.Connect([&raised](int16_t b, int16_t s, float x, float y) { raised = Move{b, s, x, y}; });
    const float twips = float(host::Screen::TwipsPerPixelX());
    const RECT caption = CaptionLabel(frame).PixelRect();
    const struct { const char* label; POINT at; WPARAM buttons; std::optional<Move> expected; } cases[] = {
        {"inside the outline, left button down", {50, 60}, MK_LBUTTON, Move{1, 0, 50 * twips, 60 * twips}},
        {"over the caption", {(caption.left + caption.right) / 2, (caption.top + caption.bottom) / 2}, 0, std::nullopt},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.label);
        raised.reset();
        SendMessageW(frame.hWnd(), WM_MOUSEMOVE, c.buttons, MAKELPARAM(c.at.x, c.at.y));
        EXPECT_EQ(raised, c.expected);
    }
}

}  // namespace
