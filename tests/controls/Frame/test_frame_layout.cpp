// Where the layout pass puts the outline, the caption and the icon.
#include <functional>
#include <map>
#include <vector>

#include "FrameTestSupport.h"

namespace frame_test {
namespace {

using LineTable = std::map<int, Ends>;  // line number -> ends

struct LayoutCase {
    const char* label;
    double width, height;
    const wchar_t* caption;
    bool icon;
    host::Label::BackStyle captionBack;
    // The expected ends, given R: the caption's right edge.
    std::function<LineTable(double r)> lines;
};

constexpr auto kOpaque = host::Label::BackStyle::Opaque;
constexpr auto kTransparent = host::Label::BackStyle::Transparent;

// The 3000 x 1500 outline whose top edge breaks for a caption or an icon.
LineTable Captioned3000x1500(double gapEnd) {
    return {{1, {0, 200, 0, 1500}},          {2, {0, 1470, 3000, 1470}},  {3, {2970, 1500, 2970, 200}},
            {4, {0, 200, 210, 200}},         {5, {9, 225, 9, 1470}},      {6, {0, 1490, 3000, 1490}},
            {7, {10, 215, 210, 215}},        {8, {2990, 1500, 2990, 190}}, {9, {gapEnd, 200, 2980, 200}},
            {10, {gapEnd, 215, 2970, 215}}};
}

const std::vector<LayoutCase> kLayoutCases = {
    {"caption without icon", 3000, 1500, L"投票设置", false, kOpaque,
     [](double r) { return Captioned3000x1500(r + 10); }},
    {"caption after a 16 x 16 icon", 3000, 1500, L"投票设置", true, kOpaque,
     [](double r) { return Captioned3000x1500(r + 10); }},
    {"icon without caption: the top runs on under the icon", 3000, 1500, L"", true, kTransparent,
     [](double) { return Captioned3000x1500(210); }},
    {"bare: the top edge moves up and runs unbroken", 3000, 1500, L"", false, kTransparent,
     [](double) {
         return LineTable{{1, {0, 100, 0, 1500}},     {2, {0, 1470, 3000, 1470}},  {3, {2970, 1500, 2970, 100}},
                          {4, {0, 100, 210, 100}},    {5, {9, 115, 9, 1470}},      {6, {0, 1490, 3000, 1490}},
                          {7, {10, 115, 210, 115}},   {8, {2990, 1500, 2990, 90}}, {9, {210, 100, 2980, 100}},
                          {10, {210, 115, 2970, 115}}};
     }},
    {"narrower than the caption: the right top lines run backwards", 600, 900, L"投票设置", false, kOpaque,
     [](double r) {
         return LineTable{{1, {0, 200, 0, 900}},      {2, {0, 870, 600, 870}},   {3, {570, 900, 570, 200}},
                          {4, {0, 200, 210, 200}},    {5, {9, 225, 9, 870}},     {6, {0, 890, 600, 890}},
                          {7, {10, 215, 210, 215}},   {8, {590, 900, 590, 190}}, {9, {r + 10, 200, 580, 200}},
                          {10, {r + 10, 215, 570, 215}}};
     }},
};

TEST_F(FrameTest, LayoutPlacesOutlineCaptionAndIcon) {
    for (const LayoutCase& c : kLayoutCases) {
        SCOPED_TRACE(c.label);
        form_.DestroyChildren();
        controls::Frame& frame = Place(c.width, c.height);
        frame.SetFont(CaptionFont());
        frame.SetCaption(c.caption);
        frame.SetIcon(c.icon ? SquareBitmap(16) : host::LoadPicture());

        const host::Label& lbl = CaptionLabel(frame);
        const host::Image& img = IconImage(frame);
        EXPECT_EQ(lbl.Top(), 100);
        EXPECT_EQ(lbl.GetBackStyle(), c.captionBack);
        if (c.icon) {
            EXPECT_EQ(img.Left(), 240);
            EXPECT_EQ(img.Top(), 70);
            EXPECT_NEAR(img.Width(), 16 * host::Screen::TwipsPerPixelX(), 1);
            EXPECT_EQ(lbl.Left(), 240 + img.Width() + 30);
        } else {
            EXPECT_EQ(lbl.Left(), 240);
        }
        if (*c.caption) {
            EXPECT_GT(lbl.Width(), 0);
        }

        for (auto& [number, ends] : c.lines(lbl.Left() + lbl.Width())) {
            SCOPED_TRACE("Line" + std::to_string(number));
            EXPECT_EQ(EndsOf(LineOf(frame, number)), ends);
        }
    }
}

// The light left line starts at the same height whatever pass came before.
TEST_F(FrameTest, LightLeftLineTopDependsOnlyOnTheCurrentLook) {
    auto& frame = form_.Add(std::make_unique<controls::Frame>(L"Frame1"));
    const host::LineControl& line5 = LineOf(frame, 5);
    EXPECT_EQ(line5.Y1(), 225) << "the first pass, at placing";

    const struct {
        const char* label;
        std::function<void()> act;
        double top;
    } steps[] = {
        {"loaded", [&] { frame.Move(0, 0, 3000, 1500); frame.Load(nullptr); }, 225},
        {"caption cleared", [&] { frame.SetCaption(L""); }, 115},
        {"resized while bare", [&] { frame.SetHeight(2000); }, 115},
        {"caption given after a bare pass", [&] { frame.SetCaption(L"A"); }, 225},
        {"caption cleared again", [&] { frame.SetCaption(L""); }, 115},
        {"icon given after a bare pass", [&] { frame.SetIcon(SquareBitmap(16)); }, 225},
    };
    for (auto& step : steps) {
        SCOPED_TRACE(step.label);
        step.act();
        EXPECT_EQ(line5.Y1(), step.top);
        EXPECT_EQ(line5.Y2(), frame.Height() - 30);
    }
}

}  // namespace
}  // namespace frame_test
