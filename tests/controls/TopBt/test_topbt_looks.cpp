// What the button shows for each glyph and state, and its one size.
#include "Artwork.h"
#include "TopBtFixture.h"

namespace {

TEST_F(TopBtTest, EachGlyphShowsItsNormalPressedAndDisabledPicture) {
    Place();
    for (int32_t glyph = 0; glyph < 4; ++glyph) {
        SCOPED_TRACE(glyph);
        button->SetValue(glyph);
        EXPECT_EQ(Shown(), kTopBtPictures[glyph][0]);
        Mouse(WM_LBUTTONDOWN, MK_LBUTTON);
        EXPECT_EQ(Shown(), kTopBtPictures[glyph][1]);
        Mouse(WM_LBUTTONUP);
        EXPECT_EQ(Shown(), kTopBtPictures[glyph][0]);
        button->SetEnabled(false);
        EXPECT_EQ(Shown(), kTopBtPictures[glyph][2]);
        button->SetEnabled(true);
        EXPECT_EQ(Shown(), kTopBtPictures[glyph][0]);
    }
}

TEST_F(TopBtTest, ValueWhileDisabledShowsTheNormalLookUntilEnabledIsWritten) {
    Place();
    button->SetEnabled(false);
    button->SetValue(2);
    EXPECT_EQ(Shown(), kTopBt2Normal);
    button->SetEnabled(false);
    EXPECT_EQ(Shown(), kTopBt2Disabled);
}

TEST_F(TopBtTest, UnknownValueKeepsThePictureOnShow) {
    Place();
    button->SetValue(1);
    for (int32_t value : {7, -1, 4}) {
        SCOPED_TRACE(value);
        button->SetValue(value);
        EXPECT_EQ(button->Value(), value);
        EXPECT_EQ(Shown(), kTopBt1Normal);
        button->SetEnabled(false);
        EXPECT_EQ(Shown(), kTopBt1Normal);
        button->SetEnabled(true);
    }
}

TEST_F(TopBtTest, KeepsItsSizeWhateverIsAsked) {
    Place();
    button->Move(100, 200, 3000, 40);
    EXPECT_DOUBLE_EQ(button->Width(), 285);
    EXPECT_DOUBLE_EQ(button->Height(), 285);
    EXPECT_DOUBLE_EQ(button->Left(), 100);
    button->SetWidth(15);
    button->SetHeight(0);
    button->SetValue(3);
    EXPECT_DOUBLE_EQ(button->Width(), 285);
    EXPECT_DOUBLE_EQ(button->Height(), 285);
    RECT client;
    GetClientRect(button->hWnd(), &client);
    EXPECT_EQ(client.right, 19);
    EXPECT_EQ(client.bottom, 19);
}

}  // namespace
