// The caption: both labels, the parent window's title, and the property bag.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/xForm/xForm.h"
#include "host/Form.h"
#include "host/Label.h"

namespace {

class XFormCaption : public testing::Test {
protected:
    void SetUp() override { form.SetCaption(L"before"); }

    controls::xForm& Place(const host::PropertyBag* bag) {
        auto& bar = form.Add(std::make_unique<controls::xForm>(L"xForm1"));
        bar.PropertyChangedNotice.Connect([this](const std::wstring& name) { announced.push_back(name); });
        bar.Load(bag);
        return bar;
    }

    static std::wstring LabelText(const controls::xForm& bar, const wchar_t* name) {
        return dynamic_cast<host::Label&>(*bar.Find(name)).Caption();
    }

    host::Form form{L"Form1"};
    std::vector<std::wstring> announced;
};

TEST_F(XFormCaption, NewInstanceShowsItsDesignTextAndLeavesTheWindowTitle) {
    auto& bar = Place(nullptr);
    EXPECT_EQ(bar.Caption(), L"窗口");
    EXPECT_EQ(LabelText(bar, L"lbl2"), L"窗口");
    EXPECT_EQ(form.Caption(), L"before");
    EXPECT_TRUE(announced.empty());
}

TEST_F(XFormCaption, WritingTheCaptionSetsBothLabelsAndTheWindowTitleAndAnnouncesIt) {
    auto& bar = Place(nullptr);
    const double shadowWidth = bar.Find(L"lbl2")->Width();
    bar.SetCaption(L"微信投票助手 2.0");
    EXPECT_EQ(bar.Caption(), L"微信投票助手 2.0");
    EXPECT_EQ(LabelText(bar, L"lbl1"), L"微信投票助手 2.0");
    EXPECT_EQ(LabelText(bar, L"lbl2"), L"微信投票助手 2.0");
    EXPECT_GT(bar.Find(L"lbl2")->Width(), shadowWidth);  // the labels size themselves to the text
    EXPECT_EQ(form.Caption(), L"微信投票助手 2.0");
    EXPECT_EQ(announced, std::vector<std::wstring>{L"Caption"});
}

TEST_F(XFormCaption, BagRoundTrips) {
    struct Case {
        const wchar_t* stored;  // null: no "caption" key
        const wchar_t* shown;
    };
    const Case cases[] = {
        {L"投票", L"投票"},
        {L"", L""},
        {nullptr, L"xForm1"},  // the default is the control's name
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        host::PropertyBag stored;
        if (c.stored) stored.WriteProperty(L"Caption", c.stored);
        auto& bar = Place(&stored);
        EXPECT_EQ(bar.Caption(), c.shown);
        EXPECT_EQ(LabelText(bar, L"lbl2"), c.shown);
        EXPECT_EQ(form.Caption(), c.shown);  // loading re-captions the window
        host::PropertyBag saved = bar.Save();
        EXPECT_EQ(saved.Contains(L"caption"), c.stored != nullptr);
        EXPECT_EQ(saved.ReadProperty(L"Caption", L"xForm1").ToString(), c.shown);
    }
}

}  // namespace
