// The title bar's pieces: their stacking order and where the layout puts them;
// the caption, shown twice and given to the window, and the property bag.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/xForm/xForm.h"
#include "host/Form.h"
#include "host/Label.h"

namespace {

struct Place {
    const wchar_t* piece;
    double left, top, width, height;
};

std::wstring LabelText(const controls::xForm& bar, const wchar_t* name) {
    return dynamic_cast<host::Label&>(*bar.Find(name)).Caption();
}

TEST(XForm, PiecesLieCaptionFirstAndFitTheSizeWithoutNegativeLengths) {
    const struct {
        const char* label;
        double width, height;  // 0: as placed, 6420 x 4365
        std::vector<Place> places;
    } cases[] = {
        {"as placed", 0, 0, {{L"Image7", 5085, 0, 1335, 420}, {L"Image4", 75, 4305, 6270, 60}}},
        {"9000 x 9000", 9000, 9000,
         {{L"Image1", 0, 0, 600, 420}, {L"Image8", 600, 0, 7065, 420}, {L"Image7", 7665, 0, 1335, 420},
          {L"Image2", 0, 420, 75, 8520}, {L"Image6", 8925, 420, 75, 8520}, {L"Image3", 0, 8940, 75, 60},
          {L"Image4", 75, 8940, 8850, 60}, {L"Image5", 8925, 8940, 75, 60}}},
        {"smaller than the fixed pieces: stretched ones get nothing", 1200, 300,
         {{L"Image8", 600, 0, 0, 420}, {L"Image7", -135, 0, 1335, 420}, {L"Image2", 0, 420, 75, 0},
          {L"Image6", 1125, 420, 75, 0}, {L"Image3", 0, 240, 75, 60}, {L"Image4", 75, 240, 1050, 60},
          {L"Image5", 1125, 240, 75, 60}}},
    };
    host::Form form(L"Form1");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        auto& bar = form.Add(std::make_unique<controls::xForm>(L"xForm1"));
        bar.Load(nullptr);
        if (c.width) bar.Move(0, 0, c.width, c.height);
        for (const Place& p : c.places) {
            const host::Control& piece = *bar.Find(p.piece);
            EXPECT_EQ((std::vector{piece.Left(), piece.Top(), piece.Width(), piece.Height()}),
                      (std::vector{p.left, p.top, p.width, p.height}))
                << p.piece;
        }
        std::vector<std::wstring> frontToBack;
        for (auto& child : bar.Children()) frontToBack.push_back(child->Name());
        EXPECT_EQ(frontToBack, (std::vector<std::wstring>{L"lbl1", L"lbl2", L"Image1", L"Image8", L"Image7", L"Image2",
                                                          L"Image6", L"Image3", L"Image4", L"Image5"}));
    }
}

TEST(XForm, WritingTheCaptionSetsBothLabelsAndTheWindowTitleAndAnnouncesIt) {
    host::Form form(L"Form1");
    form.SetCaption(L"before");
    auto& bar = form.Add(std::make_unique<controls::xForm>(L"xForm1"));
    std::vector<std::wstring> announced;
    bar.PropertyChangedNotice.Connect([&announced](const std::wstring& name) { announced.push_back(name); });
    bar.Load(nullptr);
    EXPECT_EQ(LabelText(bar, L"lbl2"), L"窗口");
    EXPECT_EQ(form.Caption(), L"before") << "a new title bar leaves the window's title";
    EXPECT_TRUE(announced.empty());

    const double shadowWidth = bar.Find(L"lbl2")->Width();
    bar.SetCaption(L"微信投票助手 2.0");
    EXPECT_EQ(LabelText(bar, L"lbl1"), L"微信投票助手 2.0");
    EXPECT_EQ(LabelText(bar, L"lbl2"), L"微信投票助手 2.0");
    EXPECT_GT(bar.Find(L"lbl2")->Width(), shadowWidth);  // the labels size themselves to the text
    EXPECT_EQ(form.Caption(), L"微信投票助手 2.0");
    EXPECT_EQ(announced, std::vector<std::wstring>{L"Caption"});
}

TEST(XForm, CaptionBagRoundTrips) {
    // No stored caption (null) shows the control's name.
    const struct { const wchar_t *stored, *shown; } cases[] = {{L"投票", L"投票"}, {L"", L""}, {nullptr, L"xForm1"}};
    host::Form form(L"Form1");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        host::PropertyBag stored;
        if (c.stored) stored.WriteProperty(L"Caption", c.stored);
        auto& bar = form.Add(std::make_unique<controls::xForm>(L"xForm1"));
        bar.Load(&stored);
        EXPECT_EQ(LabelText(bar, L"lbl2"), c.shown);
        EXPECT_EQ(form.Caption(), c.shown);  // loading re-captions the window
        const host::PropertyBag saved = bar.Save();
        EXPECT_EQ(saved.Contains(L"caption"), c.stored != nullptr);
        EXPECT_EQ(saved.ReadProperty(L"Caption", L"xForm1").ToString(), c.shown);
    }
}

}  // namespace
