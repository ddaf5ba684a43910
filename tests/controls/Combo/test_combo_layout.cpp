// The size the control keeps, and the layout of its parts for width and font.
#include "ComboTestSupport.h"

namespace combo_test {
namespace {

// Every part follows the width the control keeps; the height is always 300; the panel hides the list box.
TEST_F(ComboTest, SizeRulesAndTheLayoutFollowingThem) {
    const struct {
        double askedWidth, askedHeight, width;
    } sizes[] = {{2000, 1000, 2000}, {300, 100, 400}, {400, 300, 400}, {6000, 600, 6000}};
    Combo& combo = Place();
    EXPECT_EQ(GetWindow(BackMain(combo).Hwnd(), GW_HWNDNEXT), Combo1(combo).Hwnd()) << "the panel hides the list box";
    const auto place = [](const host::Control& c) { return std::vector{c.Left(), c.Top(), c.Width(), c.Height()}; };
    for (const auto& s : sizes) {
        SCOPED_TRACE(testing::Message() << "asked " << s.askedWidth << " x " << s.askedHeight);
        combo.Move(120, 240, s.askedWidth, s.askedHeight);
        const double w = s.width;
        EXPECT_EQ((std::vector{combo.Width(), combo.Height()}), (std::vector{w, 300.0}));
        EXPECT_EQ(place(BackMain(combo)), (std::vector{0.0, 0.0, w, 465.0}));
        EXPECT_EQ(place(ShapeBorder(combo)), (std::vector{0.0, 0.0, w, 300.0}));
        EXPECT_EQ(place(ImgUp(combo)), (std::vector{w - 285, 30.0, 255.0, 240.0}));
        EXPECT_EQ(place(TxtData(combo)), (std::vector{75.0, 75.0, w - 375, 180.0}));
        EXPECT_EQ(place(Combo1(combo)).at(2), w);
    }
}

// Above 8 points the text area rises a pixel per point, rounded half to even.
TEST_F(ComboTest, TextAreaTopFollowsTheFontSize) {
    const struct { double points, top; } fonts[] = {{12, 30}, {8, 90}, {9, 75}, {10.5, 60}, {9.5, 60}, {6, 90}};
    Combo& combo = Place();
    for (const auto& f : fonts) {
        combo.SetFont(host::Font::Create(host::FontDesc{.size = f.points}));
        EXPECT_EQ(TxtData(combo).Top(), f.top) << f.points << " points";
    }
}

}  // namespace
}  // namespace combo_test
