// The frame's properties: caption colours, the property bag, and where it raises MouseMove.
#include <tuple>

#include "FrameTestSupport.h"

namespace {

constexpr host::OleColor kBlue = RGB(0, 0, 255);

TEST_F(FrameTest, CaptionColourLastsUntilTheNextLayoutPass) {
    using Frame = controls::Frame;
    // clang-format off
    const struct { const char* label; std::function<void(Frame&)> act; host::OleColor caption; } cases[] = {
        {"fore colour while enabled", [](Frame& f) { f.SetForeColor(kBlue); }, kBlue},
        {"fore colour while disabled", [](Frame& f) { f.SetEnabled(false); f.SetForeColor(kBlue); },
            RGB(161, 161, 146)},
        {"disabled", [](Frame& f) { f.SetEnabled(false); }, RGB(153, 153, 153)},
        {"enabled again", [](Frame& f) { f.SetForeColor(kBlue); f.SetEnabled(false); f.SetEnabled(true); }, 0},
        {"resized after a fore colour", [](Frame& f) { f.SetForeColor(kBlue); f.SetWidth(4000); }, 0},
        {"caption given while disabled", [](Frame& f) { f.SetEnabled(false); f.SetCaption(L"X"); }, 0},
    };
    // clang-format on
    for (auto& c : cases) {
        Frame& frame = Place(3000, 1500);
        c.act(frame);
        EXPECT_EQ(CaptionLabel(frame).ForeColor(), c.caption) << c.label;
    }
}

TEST_F(FrameTest, BagRoundTripsEveryKey) {
    controls::Frame& original = Place(3000, 1500);
    original.SetCaption(L"投票设置");
    original.SetFont(host::Font::Create(host::FontDesc{L"宋体", 10.5, 400, 134}));
    original.SetIcon(Icon16());
    original.SetEnabled(false);
    original.SetForeColor(kBlue);
    const host::PropertyBag bag = original.Save();
    EXPECT_EQ(bag.Keys(), (std::vector<std::wstring>{L"caption", L"enabled", L"icon", L"font", L"forecolor",
                                                     L"_extentx", L"_extenty"}));
    const host::PropertyBag text = host::PropertyBag::LoadText(bag.SaveText());
    controls::Frame& copy = Place(3000, 1500, &text);
    EXPECT_EQ(copy.Save().SaveText(), bag.SaveText());
    EXPECT_EQ(CaptionLabel(copy).Left(), CaptionLabel(original).Left()) << "the icon is back before the caption";
}

TEST_F(FrameTest, MouseMoveIsRaisedOverTheSurfaceOnly) {
    using Move = std::tuple<int16_t, int16_t, float, float>;  // Button, Shift, X, Y
    controls::Frame& frame = Place(3000, 1500);
    std::vector<Move> raised;
    host::Connection recording =
        frame.MouseMove.Connect([&raised](int16_t b, int16_t s, float x, float y) { raised.emplace_back(b, s, x, y); });
    const RECT caption = CaptionLabel(frame).PixelRect();
    const LPARAM overCaption = MAKELPARAM((caption.left + caption.right) / 2, (caption.top + caption.bottom) / 2);
    SendMessageW(frame.hWnd(), WM_MOUSEMOVE, 0, overCaption);
    SendMessageW(frame.hWnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(50, 60));  // inside the outline
    const float twips = float(host::Screen::TwipsPerPixelX());
    EXPECT_EQ(raised, std::vector<Move>{Move(1, 0, 50 * twips, 60 * twips)});
}

}  // namespace
