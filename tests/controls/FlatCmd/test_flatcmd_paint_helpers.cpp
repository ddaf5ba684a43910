// The flat button's drawing helpers that need no button: the transparent copy,
// the picture-and-caption layout and the caption's code-page cut.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "controls/FlatCmd/FlatCmdDrawing.h"
#include "host/Error.h"
#include "host/Gdi.h"

namespace {

using namespace controls::flatcmd;

// A 32-bit memory image filled with one colour.
class Image {
public:
    Image(int width, int height, COLORREF fill) : dc_(nullptr) {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = width;
        bi.bmiHeader.biHeight = -height;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap_ = host::gdi::Bitmap(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
        select_.emplace(dc_, bitmap_);
        Fill(RECT{0, 0, width, height}, fill);
    }
    void Fill(const RECT& r, COLORREF colour) {
        host::gdi::Brush brush = host::gdi::SolidBrush(colour);
        FillRect(dc_, &r, brush);
    }
    HDC dc() const { return dc_; }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

private:
    host::gdi::MemoryDC dc_;
    host::gdi::Bitmap bitmap_;
    std::optional<host::gdi::Selection> select_;
};

constexpr COLORREF kBackground = RGB(200, 100, 50);
constexpr COLORREF kInk = RGB(10, 20, 30);

struct BlitCase {
    const char* label;
    COLORREF transparent;
};

const BlitCase kBlitCases[] = {
    {"magenta transparent", RGB(255, 0, 255)},
    {"black transparent (the default mask colour)", RGB(0, 0, 0)},
    {"white transparent", RGB(255, 255, 255)},
};

// The source: left half transparent colour, right half ink; copied from (1, 1)
// of the source to (2, 3) of the destination.
TEST(FlatCmdTransparentBlit, LeavesTransparentPixelsAsTheBackgroundWas) {
    for (const auto& c : kBlitCases) {
        SCOPED_TRACE(c.label);
        Image source(10, 6, c.transparent);
        source.Fill(RECT{5, 0, 10, 6}, kInk);
        Image target(16, 12, kBackground);

        TransparentBlit(target.dc(), target.dc(), source.dc(), 1, 1, 9, 5, 2, 3, c.transparent);

        for (int y = 0; y < 12; ++y) {
            for (int x = 0; x < 16; ++x) {
                const bool inside = x >= 2 && x < 10 && y >= 3 && y < 7;
                const bool opaque = inside && x - 2 + 1 >= 5;
                ASSERT_EQ(target.At(x, y), opaque ? kInk : kBackground) << "at " << x << ", " << y;
            }
        }
    }
}

TEST(FlatCmdTransparentBlit, SizesBeyondSixteenBitsOverflow) {
    Image source(4, 4, kInk);
    try {
        TransparentBlit(source.dc(), source.dc(), source.dc(), 0, 0, 40000, 4, 0, 0, 0);
        FAIL() << "no error";
    } catch (const host::HostError& e) {
        EXPECT_EQ(e.Number(), host::err::Overflow);
    }
}

// The content area of an 80 x 24 button, a 16 x 16 picture, a caption 40 x 12.
constexpr RECT kContent{4, 4, 77, 21};
constexpr SIZE kPicture{16, 16};
constexpr SIZE kCaption{40, 12};

struct LayoutCase {
    const char* label;
    long position;
    RECT picture;
    RECT caption;
};

// Left: the block is 16 + 4 + 40 = 60 wide, so it starts at 4 + (73 - 60) \ 2 = 10.
// Above and below: the block is 32 high in 17, so it starts at 4 + (-15 \ 2) = -3
// (the division truncates toward zero).
const LayoutCase kLayoutCases[] = {
    {"0 above", 0, {32, -3, 48, 13}, {20, 17, 60, 29}},
    {"1 left", 1, {10, 4, 26, 20}, {30, 6, 70, 18}},
    {"2 right", 2, {54, 4, 70, 20}, {10, 6, 50, 18}},
    {"3 below", 3, {32, 13, 48, 29}, {20, -3, 60, 9}},
};

void ExpectRect(const RECT& actual, const RECT& expected) {
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.right, expected.right);
    EXPECT_EQ(actual.bottom, expected.bottom);
}

TEST(FlatCmdLayout, PlacesPictureAndCaptionByPosition) {
    for (const auto& c : kLayoutCases) {
        SCOPED_TRACE(c.label);
        auto layout = LayoutPictureAndCaption(kContent, kPicture, kCaption, c.position);
        ASSERT_TRUE(layout);
        ExpectRect(layout->picture, c.picture);
        ExpectRect(layout->caption, c.caption);
    }
}

TEST(FlatCmdLayout, UnknownPositionHasNoLayout) {
    EXPECT_FALSE(LayoutPictureAndCaption(kContent, kPicture, kCaption, 4));
    EXPECT_FALSE(LayoutPictureAndCaption(kContent, kPicture, kCaption, -1));
}

TEST(FlatCmdLayout, CentresAPictureWithoutCaption) {
    ExpectRect(CentreIn(kContent, kPicture), RECT{32, 4, 48, 20});
}

struct CutCase {
    const char* label;
    const wchar_t* caption;
    const wchar_t* shown;
};

const CutCase kCutCases[] = {
    {"four characters and four blanks show the four characters", L"开始投票    ", L"开始投票"},
    {"plain text is kept whole", L"&OK", L"&OK"},
    {"two double-byte characters keep the first", L"开始", L"开"},
    {"mixed text cut after as many bytes as characters", L"开a始", L"开a"},
    {"a half character is left out", L"a开", L"a"},
    {"empty", L"", L""},
};

TEST(FlatCmdCaptionCut, CutsTheCodePageBytesToTheCharacterCount) {
    for (const auto& c : kCutCases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(CutCaptionToCodePage(c.caption), std::wstring(c.shown));
    }
}

}  // namespace
