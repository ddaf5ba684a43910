// The flat button's caption: the code-page cut, centring, the access-key
// underline, the embossed disabled look, the pressed offset and ForeColor. Text
// pixels depend on the font, so these compare the button's images with each
// other instead of with stored pictures.
#include <string>
#include <vector>

#include "FlatCmdPaintSupport.h"

namespace flatcmd_test {
namespace {

class FlatCmdPaintCaption : public FlatCmdTest {
protected:
    // The image of the button with `caption` in state `s`.
    Image With(const std::wstring& caption, PaintState s = {}) {
        button->SetCaption(caption);
        Paint(*button, s);
        return Snapshot(*button);
    }
    // Where `caption` put ink, against the same state without caption.
    RECT Ink(const std::wstring& caption, PaintState s = {}) {
        const Image empty = With(L"", s);
        auto box = DifferenceBox(empty, With(caption, s));
        EXPECT_TRUE(box) << "nothing drawn";
        return box.value_or(RECT{});
    }
};

struct CutCase {
    const char* label;
    const wchar_t* caption;
    const wchar_t* sameAs;  // another caption that shows the same text
};

// A caption shows its code-page-936 bytes cut after as many bytes as it has
// characters: four Chinese characters need eight.
TEST_F(FlatCmdPaintCaption, ShowsTheCodePageBytesCutToTheCharacterCount) {
    const std::vector<CutCase> cases{
        {"four characters and four blanks show the four characters", L"开始投票    ", L"开始投票abcd"},
        {"two characters and two letters show the two characters", L"开始ab", L"开始  "},
        {"an odd cut leaves the half character out", L"a开始", L"a开 "},
    };
    button->SetXPStyle(true);
    SizeInPixels(*button, 73, 25);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_TRUE(With(c.caption) == With(c.sameAs));
    }
}

int TextExtent(FlatCmd& b, const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(b.hDC(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

TEST_F(FlatCmdPaintCaption, FourCharactersAndFourBlanksShowExactlyTheFourCharacters) {
    button->SetXPStyle(true);
    SizeInPixels(*button, 73, 25);
    const int four = TextExtent(*button, L"开始投票"), two = TextExtent(*button, L"开始");
    const RECT padded = Ink(L"开始投票    ");
    EXPECT_LE(padded.right - padded.left, four);
    EXPECT_GT(padded.right - padded.left, two + (four - two) / 2);
    const RECT bare = Ink(L"开始投票");
    EXPECT_LE(bare.right - bare.left, two) << "without the blanks only half the bytes fit the count";
}

TEST_F(FlatCmdPaintCaption, IsCentredInTheContentArea) {
    button->SetXPStyle(true);
    SizeInPixels(*button, 73, 25);
    const RECT ink = Ink(L"开始投票    ");
    // The content area is (4, 4)-(70, 22).
    EXPECT_NEAR((ink.left + ink.right) / 2.0, (4 + 70) / 2.0, 2.0);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, (4 + 22) / 2.0, 2.0);
}

TEST_F(FlatCmdPaintCaption, AmpersandUnderlinesTheNextCharacter) {
    const RECT plain = Ink(L"A"), marked = Ink(L"&A"), literal = Ink(L"&&A");
    EXPECT_LT(marked.right - marked.left, literal.right - literal.left) << "the ampersand itself is not drawn";
    auto underline = DifferenceBox(With(L"A"), With(L"&A"));
    ASSERT_TRUE(underline);
    EXPECT_EQ(underline->bottom - underline->top, 1) << "one row of underline";
    EXPECT_GE(underline->top, plain.bottom - 2) << "under the letter";
}

TEST_F(FlatCmdPaintCaption, PressedMovesOnePixelRightAndDown) {
    const RECT normal = Ink(L"Go"), pressed = Ink(L"Go", {.down = true});
    EXPECT_EQ(pressed.left, normal.left + 1);
    EXPECT_EQ(pressed.top, normal.top + 1);
    EXPECT_EQ(pressed.right, normal.right + 1);
    EXPECT_EQ(pressed.bottom, normal.bottom + 1);
}

// No component of any pixel is darker than that of the given colour.
bool NothingDarkerThan(const Image& image, COLORREF limit) {
    for (COLORREF c : image.pixels)
        if (GetRValue(c) < GetRValue(limit) || GetGValue(c) < GetGValue(limit) || GetBValue(c) < GetBValue(limit))
            return false;
    return true;
}

TEST_F(FlatCmdPaintCaption, DisabledIsEmbossedInHighlightAndShadow) {
    const RECT enabled = Ink(L"Go");
    EXPECT_FALSE(NothingDarkerThan(With(L"Go"), Sys(COLOR_BTNSHADOW))) << "enabled: drawn in ForeColor";

    button->SetEnabled(false);
    const RECT disabled = Ink(L"Go");
    EXPECT_EQ(disabled.left, enabled.left);
    EXPECT_EQ(disabled.top, enabled.top);
    EXPECT_EQ(disabled.right, enabled.right + 1) << "the highlight copy one pixel right";
    EXPECT_EQ(disabled.bottom, enabled.bottom + 1) << "and one pixel down";
    EXPECT_TRUE(NothingDarkerThan(With(L"Go"), Sys(COLOR_BTNSHADOW)));
}

TEST_F(FlatCmdPaintCaption, DrawnInForeColor) {
    button->SetForeColor(RGB(0, 0, 255));
    const Image image = With(L"开始");
    int bluest = 0;
    for (COLORREF c : image.pixels) bluest = std::max(bluest, GetBValue(c) - GetRValue(c));
    EXPECT_GT(bluest, 100);
}

TEST_F(FlatCmdPaintCaption, LongCaptionsWrapAtWordBreaks) {
    const RECT one = Ink(L"one");
    const RECT several = Ink(L"one two three four five six");
    EXPECT_GT(several.bottom - several.top, 2 * (one.bottom - one.top)) << "more than two lines";
    EXPECT_GE(several.left, 4);
    EXPECT_LE(several.right, 80 - 3);
}

}  // namespace
}  // namespace flatcmd_test
