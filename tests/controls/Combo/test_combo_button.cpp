// The drop button: which picture shows after what, the list it opens and closes, no GDI object left behind.
#include "ComboTestSupport.h"

namespace combo_test {
namespace {

void OverButton(const Combo& c) { Send(ImgUp(c).Hwnd(), WM_MOUSEMOVE); }
void OverText(const Combo& c) { Send(TxtData(c).Hwnd(), WM_MOUSEMOVE); }
void Release(const Combo& c) { Send(ImgUp(c).Hwnd(), WM_LBUTTONUP); }

// Each press toggles the list; the pressed picture stays through the release until the mouse next moves.
TEST_F(ComboTest, ButtonShowsThePictureOfItsStateAndTogglesTheList) {
    constexpr COLORREF kSilver = RGB(192, 192, 192);
    // clang-format off
    const struct {
        const char* label;
        std::function<void(Combo&)> act;
        int picture, dropped;
        COLORREF outline;
    } rows[] = {
        {"over the button", OverButton, kHover, 0, kOutline},
        {"pressed and released", [](Combo& c) { PressButton(c); Release(c); }, kPressed, 1, kOutline},
        {"pressed twice", [](Combo& c) { PressButton(c); Release(c); PressButton(c); }, kPressed, 0, kOutline},
        {"pressed, then over the button", [](Combo& c) { PressButton(c); OverButton(c); }, kHover, 1, kOutline},
        {"hover, then over the text", [](Combo& c) { OverButton(c); OverText(c); }, kNormal, 0, kOutline},
        {"hover, then ResetPic", [](Combo& c) { OverButton(c); c.ResetPic(); }, kNormal, 0, kOutline},
        {"disabled", [](Combo& c) { c.SetEnabled(false); }, kDisabled, 0, kSilver},
        {"disabled, then enabled", [](Combo& c) { c.SetEnabled(false); c.SetEnabled(true); }, kNormal, 0, kOutline},
    };
    // clang-format on
    for (const auto& row : rows) {
        Combo& combo = Place();
        row.act(combo);
        EXPECT_EQ(ButtonPicture(combo), row.picture) << row.label;
        EXPECT_EQ(SendMessageA(Combo1(combo).Hwnd(), CB_GETDROPPEDSTATE, 0, 0), row.dropped) << row.label;
        EXPECT_EQ(ShapeBorder(combo).BorderColor(), row.outline) << row.label;
        if (row.dropped) PressButton(combo);
    }
}

TEST_F(ComboTest, OpeningAndClosingLeavesNoGdiObjectBehind) {
    Combo& combo = Place();
    combo.AddItem(L"one");
    const auto cycle = [&combo] {
        for (auto over : {OverButton, OverText}) {
            PressButton(combo);
            over(combo);
            UpdateWindow(combo.hWnd());
        }
    };
    cycle();  // warm-up
    const auto before = GdiCounts();
    for (int i = 0; i < 1000; ++i) cycle();
    EXPECT_EQ(GdiCounts(), before);
}

}  // namespace
}  // namespace combo_test
