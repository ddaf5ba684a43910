// The title bar's pieces: their stacking order and where the layout puts them.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/xForm/xForm.h"
#include "host/Form.h"

namespace {

struct Place {
    const wchar_t* piece;
    double left, top, width, height;
};

class XFormLayout : public testing::Test {
protected:
    void SetUp() override {
        form.SetClientSize(10000, 10000);
        bar = &form.Add(std::make_unique<controls::xForm>(L"xForm1"));
        bar->Load(nullptr);
    }

    void ExpectPlaces(const std::vector<Place>& places) const {
        for (const Place& p : places) {
            SCOPED_TRACE(testing::Message() << "piece " << std::string(p.piece, p.piece + wcslen(p.piece)));
            host::Control* piece = bar->Find(p.piece);
            ASSERT_NE(piece, nullptr);
            EXPECT_DOUBLE_EQ(piece->Left(), p.left);
            EXPECT_DOUBLE_EQ(piece->Top(), p.top);
            EXPECT_DOUBLE_EQ(piece->Width(), p.width);
            EXPECT_DOUBLE_EQ(piece->Height(), p.height);
        }
    }

    host::Form form{L"Form1"};
    controls::xForm* bar = nullptr;
};

TEST_F(XFormLayout, PiecesLieFrontToBackWithTheCaptionOverItsShadowOverThePictures) {
    std::vector<std::wstring> names;
    for (auto& child : bar->Children()) names.push_back(child->Name());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"lbl1", L"lbl2", L"Image1", L"Image8", L"Image7", L"Image2",
                                                L"Image6", L"Image3", L"Image4", L"Image5"}));
}

TEST_F(XFormLayout, NewInstanceTakesItsDefaultSizeAndLaysOutForIt) {
    EXPECT_DOUBLE_EQ(bar->Width(), 6420);
    EXPECT_DOUBLE_EQ(bar->Height(), 4365);
    ExpectPlaces({{L"Image7", 5085, 0, 1335, 420}, {L"Image4", 75, 4305, 6270, 60}});
}

TEST_F(XFormLayout, ResizeFitsTheTitleBarAndBordersToTheNewSize) {
    bar->Move(0, 0, 9000, 9000);
    ExpectPlaces({
        {L"Image1", 0, 0, 600, 420},
        {L"Image8", 600, 0, 7065, 420},
        {L"Image7", 7665, 0, 1335, 420},
        {L"Image2", 0, 420, 75, 8520},
        {L"Image6", 8925, 420, 75, 8520},
        {L"Image3", 0, 8940, 75, 60},
        {L"Image4", 75, 8940, 8850, 60},
        {L"Image5", 8925, 8940, 75, 60},
    });
    EXPECT_DOUBLE_EQ(bar->Find(L"lbl1")->Left(), 600);
    EXPECT_DOUBLE_EQ(bar->Find(L"lbl1")->Top(), 115);
    EXPECT_DOUBLE_EQ(bar->Find(L"lbl2")->Left(), 600);
    EXPECT_DOUBLE_EQ(bar->Find(L"lbl2")->Top(), 130);
}

TEST_F(XFormLayout, SizeBelowTheFixedPiecesLeavesTheStretchedOnesEmpty) {
    bar->Move(0, 0, 1200, 300);
    ExpectPlaces({
        {L"Image8", 600, 0, 0, 420},
        {L"Image7", -135, 0, 1335, 420},
        {L"Image2", 0, 420, 75, 0},
        {L"Image6", 1125, 420, 75, 0},
        {L"Image3", 0, 240, 75, 60},
        {L"Image4", 75, 240, 1050, 60},
        {L"Image5", 1125, 240, 75, 60},
    });
}

}  // namespace
