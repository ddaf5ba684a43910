// The frame's properties: caption colours and the property bag.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "FrameTestSupport.h"

namespace frame_test {
namespace {

constexpr host::OleColor kBlue = RGB(0, 0, 255);

TEST_F(FrameTest, CaptionColourLastsUntilTheNextLayoutPass) {
    using Frame = controls::Frame;
    const struct {
        const char* label;
        std::function<void(Frame&)> act;
        host::OleColor caption;
    } cases[] = {
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
        form_.DestroyChildren();
        Frame& frame = Place(3000, 1500);
        c.act(frame);
        EXPECT_EQ(CaptionLabel(frame).ForeColor(), c.caption);
    }
}

TEST_F(FrameTest, ReadingAppliesEachKeyThroughItsProperty) {
    host::PropertyBag bag;
    bag.WriteProperty(L"Caption", L"返回信息");
    controls::Frame& frame = form_.Add(std::make_unique<controls::Frame>(L"Frame1"));
    frame.Move(0, 0, 3000, 1500);
    std::vector<std::wstring> announced;
    frame.PropertyChangedNotice.Connect([&announced](const std::wstring& name) { announced.push_back(name); });
    frame.Load(&bag);
    EXPECT_EQ(announced, (std::vector<std::wstring>{L"Enabled", L"Font", L"Caption", L"Icon", L"ForeColor"}));
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

// A new frame is captioned with its name and, never having had an icon, still
// stores one: an empty picture, which reads back as no icon and is stored again.
TEST_F(FrameTest, NewFrameStoresItsNameAndAnEmptyIcon) {
    host::PropertyBag bag = Place(3000, 1500).Save();
    EXPECT_EQ(bag.Keys(), (std::vector<std::wstring>{L"caption", L"icon", L"_extentx", L"_extenty"}));
    EXPECT_EQ(bag.ReadProperty(L"Caption").ToString(), L"Frame1");
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
