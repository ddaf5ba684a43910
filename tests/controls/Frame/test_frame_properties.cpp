// The frame's properties: caption colours, announcements and the property bag.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "FrameTestSupport.h"

namespace frame_test {
namespace {

constexpr host::OleColor kBlue = RGB(0, 0, 255);

std::vector<std::wstring> Record(controls::Frame& frame, const std::function<void()>& act) {
    std::vector<std::wstring> names;
    frame.PropertyChangedNotice.Connect([&names](const std::wstring& name) { names.push_back(name); });
    act();
    return names;
}

TEST_F(FrameTest, CaptionColourLastsUntilTheNextLayoutPass) {
    const struct {
        const char* label;
        std::function<void(controls::Frame&)> act;
        host::OleColor caption;
    } cases[] = {
        {"fore colour while enabled", [](controls::Frame& f) { f.SetForeColor(kBlue); }, kBlue},
        {"fore colour while disabled", [](controls::Frame& f) { f.SetEnabled(false); f.SetForeColor(kBlue); },
         RGB(161, 161, 146)},
        {"disabled", [](controls::Frame& f) { f.SetEnabled(false); }, RGB(153, 153, 153)},
        {"enabled again after a fore colour",
         [](controls::Frame& f) { f.SetForeColor(kBlue); f.SetEnabled(false); f.SetEnabled(true); }, 0},
        {"resized after a fore colour", [](controls::Frame& f) { f.SetForeColor(kBlue); f.SetWidth(4000); }, 0},
        {"resized while disabled", [](controls::Frame& f) { f.SetEnabled(false); f.SetHeight(2000); }, 0},
        {"caption given while disabled", [](controls::Frame& f) { f.SetEnabled(false); f.SetCaption(L"X"); }, 0},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.label);
        form_.DestroyChildren();
        controls::Frame& frame = Place(3000, 1500);
        c.act(frame);
        EXPECT_EQ(CaptionLabel(frame).ForeColor(), c.caption);
    }
}

TEST_F(FrameTest, EnabledAndForeColorReadBackWhatWasGiven) {
    controls::Frame& frame = Place(3000, 1500);
    frame.SetEnabled(false);
    frame.SetForeColor(kBlue);
    EXPECT_FALSE(frame.Enabled());
    EXPECT_FALSE(IsWindowEnabled(frame.hWnd()));
    EXPECT_EQ(frame.ForeColor(), kBlue);
    frame.SetWidth(4000);
    EXPECT_EQ(frame.ForeColor(), kBlue) << "the layout pass recolours the caption, not the property";
}

TEST_F(FrameTest, EachSetterAnnouncesItsOwnNameOnce) {
    const struct {
        const char* label;
        std::function<void(controls::Frame&)> act;
        std::vector<std::wstring> names;
    } cases[] = {
        {"Font", [](controls::Frame& f) { f.SetFont(CaptionFont()); }, {L"Font"}},
        {"ForeColor", [](controls::Frame& f) { f.SetForeColor(kBlue); }, {L"ForeColor"}},
        {"Icon", [](controls::Frame& f) { f.SetIcon(SquareBitmap(16)); }, {L"Icon"}},
        {"Caption", [](controls::Frame& f) { f.SetCaption(L"返回信息"); }, {L"Caption"}},
        {"Enabled", [](controls::Frame& f) { f.SetEnabled(false); }, {L"Enabled"}},
        {"resize", [](controls::Frame& f) { f.SetWidth(4000); }, {}},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.label);
        form_.DestroyChildren();
        controls::Frame& frame = Place(3000, 1500);
        EXPECT_EQ(Record(frame, [&] { c.act(frame); }), c.names);
    }
}

TEST_F(FrameTest, FontGoesToTheFrameAndTheCaption) {
    controls::Frame& frame = Place(3000, 1500);
    const double before = CaptionLabel(frame).Width();
    host::FontPtr font = CaptionFont();
    font->SetSize(20);
    frame.SetFont(font);
    EXPECT_EQ(frame.Font(), font);
    EXPECT_EQ(frame.GetFont(), font);
    EXPECT_EQ(CaptionLabel(frame).GetFont(), font);
    EXPECT_GT(CaptionLabel(frame).Width(), before);
    EXPECT_EQ(LineOf(frame, 9).X1(), CaptionLabel(frame).Left() + CaptionLabel(frame).Width() + 10);
}

TEST_F(FrameTest, NewFrameTakesItsNameAndTheAmbientFont) {
    controls::Frame& frame = Place(3000, 1500);
    EXPECT_EQ(frame.Caption(), L"Frame1");
    EXPECT_TRUE(frame.Enabled());
    EXPECT_EQ(frame.Font(), form_.GetFont());
    EXPECT_EQ(frame.ForeColor(), 0u);
    EXPECT_EQ(frame.BackColor(), host::kButtonFace);
    EXPECT_EQ(CaptionLabel(frame).BackColor(), host::kButtonFace);
}

TEST_F(FrameTest, ReadingAppliesEachKeyThroughItsProperty) {
    host::PropertyBag bag;
    bag.WriteProperty(L"Caption", L"返回信息");
    controls::Frame& frame = form_.Add(std::make_unique<controls::Frame>(L"Frame1"));
    frame.Move(0, 0, 3000, 1500);
    EXPECT_EQ(Record(frame, [&] { frame.Load(&bag); }),
              (std::vector<std::wstring>{L"Enabled", L"Font", L"Caption", L"Icon", L"ForeColor"}));
    EXPECT_EQ(frame.Caption(), L"返回信息");
    EXPECT_EQ(CaptionLabel(frame).Left(), 240) << "caption placement ran";
    EXPECT_EQ(frame.Font(), form_.GetFont()) << "the ambient font is the default";
}

TEST_F(FrameTest, SavedFrameLoadsBackTheSame) {
    controls::Frame& original = Place(3000, 1500);
    original.SetCaption(L"投票设置");
    original.SetFont(CaptionFont());
    original.SetIcon(SquareBitmap(16));
    original.SetEnabled(false);
    original.SetForeColor(kBlue);
    host::PropertyBag bag = original.Save();
    EXPECT_EQ(bag.Keys(), (std::vector<std::wstring>{L"caption", L"enabled", L"icon", L"font", L"forecolor",
                                                     L"_extentx", L"_extenty"}));

    controls::Frame& copy = form_.Add(std::make_unique<controls::Frame>(L"Frame2"));
    copy.Move(0, 0, 3000, 1500);
    copy.Load(&bag);
    EXPECT_EQ(copy.Caption(), L"投票设置");
    EXPECT_EQ(copy.Font()->Desc(), CaptionFont()->Desc());
    EXPECT_EQ(copy.Icon(), original.Icon());
    EXPECT_FALSE(copy.Enabled());
    EXPECT_EQ(copy.ForeColor(), kBlue);
    EXPECT_EQ(CaptionLabel(copy).Left(), CaptionLabel(original).Left());
}

// A frame that never had an icon still stores one: an empty picture, which reads
// back as no icon and is stored again.
TEST_F(FrameTest, IconEntryIsAlwaysStored) {
    controls::Frame& original = Place(3000, 1500);
    original.SetCaption(L"Frame");
    host::PropertyBag bag = original.Save();
    EXPECT_EQ(bag.Keys(), (std::vector<std::wstring>{L"icon", L"_extentx", L"_extenty"}));
    ASSERT_EQ(bag.ReadProperty(L"Icon").Type(), host::VarType::Picture);
    EXPECT_TRUE(bag.ReadProperty(L"Icon").ToPicture()->IsEmpty());

    host::PropertyBag reread = host::PropertyBag::LoadText(bag.SaveText());
    controls::Frame& copy = form_.Add(std::make_unique<controls::Frame>(L"Frame2"));
    copy.Move(0, 0, 3000, 1500);
    copy.Load(&reread);
    EXPECT_EQ(CaptionLabel(copy).Left(), 240) << "an empty picture is no icon";
    EXPECT_EQ(copy.Save().SaveText(), bag.SaveText());
}

}  // namespace
}  // namespace frame_test
