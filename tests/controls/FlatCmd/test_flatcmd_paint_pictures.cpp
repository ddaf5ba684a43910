// The flat button's picture: where it goes, how bitmaps and icons are drawn
// (transparent colour, scaling, pressed offset, greyed when disabled) and that
// metafiles are not drawn.
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "FlatCmdPaintSupport.h"

namespace flatcmd_test {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr int kSide = 16;

// A 16 x 16 bitmap: a black border two pixels wide around red.
host::PicturePtr FramedRed() {
    return PaintedBitmap(kSide, kSide, {{{0, 0, kSide, kSide}, kBlack}, {{2, 2, kSide - 2, kSide - 2}, kRed}});
}

int32_t Himetric(int pixels) { return static_cast<int32_t>(std::lround(host::ScaleX(pixels, host::ScaleMode::Pixels, host::ScaleMode::Himetric))); }

// A 16 x 16 red icon whose left half is transparent.
host::PicturePtr HalfRedIcon() {
    host::gdi::WindowDC screen(nullptr);
    host::gdi::Bitmap colour = host::gdi::CompatibleBitmap(screen, kSide, kSide);
    host::gdi::Bitmap mask = host::gdi::MonochromeBitmap(kSide, kSide);
    {
        host::gdi::MemoryDC dc(screen);
        host::gdi::Selection select(dc, colour);
        RECT left{0, 0, kSide / 2, kSide}, right{kSide / 2, 0, kSide, kSide};
        FillRect(dc, &left, host::gdi::SolidBrush(kBlack));  // where the mask is set, the colour is black
        FillRect(dc, &right, host::gdi::SolidBrush(kRed));
    }
    {
        host::gdi::MemoryDC dc(screen);
        host::gdi::Selection select(dc, mask);
        RECT left{0, 0, kSide / 2, kSide}, right{kSide / 2, 0, kSide, kSide};
        FillRect(dc, &left, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        FillRect(dc, &right, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    ICONINFO info{TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&info);
    return std::make_shared<host::Picture>(host::PictureType::Icon, reinterpret_cast<uintptr_t>(icon),
                                           Himetric(kSide), Himetric(kSide), host::PictureSource{});
}

// An enhanced metafile that would paint its whole area red.
host::PicturePtr RedMetafile() {
    HDC recorder = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    RECT all{0, 0, kSide, kSide};
    FillRect(recorder, &all, host::gdi::SolidBrush(kRed));
    HENHMETAFILE emf = CloseEnhMetaFile(recorder);
    return std::make_shared<host::Picture>(host::PictureType::EnhMetafile, reinterpret_cast<uintptr_t>(emf),
                                           Himetric(kSide), Himetric(kSide), host::PictureSource{});
}

bool HasRed(const Image& image) {
    return BoxWhere(image, [&](int x, int y) { return image.At(x, y) == kRed; }).has_value();
}

// The button is 80 x 30 with no caption: the content area (4, 4)-(77, 27) puts a
// 16 x 16 picture at (32, 7), its red inside at (34, 9)-(45, 20).
struct Look {
    int x, y;
    std::function<COLORREF()> colour;
};
const auto kFace = [] { return Sys(COLOR_BTNFACE); };
const auto kIsRed = [] { return kRed; };
const auto kIsBlack = [] { return kBlack; };

struct PictureCase {
    const char* label;
    std::function<void(FlatCmd&)> setup;
    PaintState state;
    std::vector<Look> looks;
};

class FlatCmdPaintPictures : public FlatCmdTest {
protected:
    FlatCmd& Fresh() {
        FlatCmd& b = Place(nullptr, L"FlatCmd" + std::to_wstring(++placed_));
        b.SetCaption(L"");
        return b;
    }

private:
    int placed_ = 1;
};

TEST_F(FlatCmdPaintPictures, BitmapsAndIcons) {
    const std::vector<PictureCase> cases{
        {"bitmap: black (MaskColor 0) left out",
         [](FlatCmd& b) { b.SetPicture(FramedRed()); },
         {},
         {{34, 9, kIsRed}, {45, 20, kIsRed}, {32, 7, kFace}, {33, 8, kFace}, {46, 21, kFace}}},
        {"bitmap, pressed: one pixel right and down",
         [](FlatCmd& b) { b.SetPicture(FramedRed()); },
         {.down = true},
         {{35, 10, kIsRed}, {46, 21, kIsRed}, {34, 9, kFace}}},
        {"bitmap, MaskColor red: the black border shows",
         [](FlatCmd& b) {
             b.SetPicture(FramedRed());
             b.SetMaskColor(kRed);
         },
         {},
         {{32, 7, kIsBlack}, {34, 9, kFace}, {40, 15, kFace}}},
        {"bitmap scaled to 32 x 32",
         [](FlatCmd& b) {
             b.SetPicture(FramedRed());
             b.SetPictureSize(1);
         },
         {},
         // At (24, 0)-(56, 32), its red inside at (28, 4)-(51, 27).
         {{28, 4, kIsRed}, {51, 27, kIsRed}, {27, 4, kFace}, {28, 3, kFace}}},
        {"icon: its own mask",
         [](FlatCmd& b) { b.SetPicture(HalfRedIcon()); },
         {},
         {{33, 15, kFace}, {39, 15, kFace}, {40, 15, kIsRed}, {47, 22, kIsRed}}},
        {"icon, pressed",
         [](FlatCmd& b) { b.SetPicture(HalfRedIcon()); },
         {.down = true},
         {{40, 15, kFace}, {41, 16, kIsRed}}},
        {"icon: MaskColor is not used",
         [](FlatCmd& b) {
             b.SetPicture(HalfRedIcon());
             b.SetMaskColor(kRed);
         },
         {},
         {{40, 15, kIsRed}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        FlatCmd& b = Fresh();
        c.setup(b);
        Paint(b, c.state);
        for (const Look& l : c.looks) EXPECT_EQ(Pixel(b, l.x, l.y), l.colour()) << "at " << l.x << ", " << l.y;
    }
}

// Disabled, a bitmap is drawn greyed with its MaskColor areas as white background
// (so they take no shadow), an icon greyed with black transparent.
TEST_F(FlatCmdPaintPictures, DisabledPicturesAreGreyed) {
    struct Case {
        const char* label;
        std::function<host::PicturePtr()> picture;
        std::vector<Look> looks;
    };
    const auto shadow = [] { return Sys(COLOR_BTNSHADOW); };
    const std::vector<Case> cases{
        {"bitmap", FramedRed, {{34, 9, shadow}, {45, 20, shadow}, {32, 7, kFace}, {33, 8, kFace}}},
        {"icon", HalfRedIcon, {{33, 15, kFace}, {39, 15, kFace}, {41, 15, shadow}, {47, 21, shadow}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        FlatCmd& b = Fresh();
        b.SetPicture(c.picture());
        b.SetEnabled(false);
        Paint(b, {});
        EXPECT_FALSE(HasRed(Snapshot(b)));
        for (const Look& l : c.looks) EXPECT_EQ(Pixel(b, l.x, l.y), l.colour()) << "at " << l.x << ", " << l.y;
    }
}

TEST_F(FlatCmdPaintPictures, MetafilesAreNotDrawn) {
    Paint(*button, {});
    FlatCmd& b = Fresh();
    b.SetPicture(RedMetafile());
    Paint(b, {});
    EXPECT_FALSE(HasRed(Snapshot(b)));
}

// Picture and caption sit on the sides their position names, the picture centred
// across the other direction (its red inside is 2 pixels in from its edges).
TEST_F(FlatCmdPaintPictures, PositionsPlacePictureAndCaption) {
    constexpr int kWide = 120, kHigh = 60;
    struct Case {
        int32_t position;
        std::function<bool(const RECT& red, const RECT& ink)> placed;
    };
    const std::vector<Case> cases{
        {0, [](const RECT& red, const RECT& ink) { return red.bottom + 2 + 4 <= ink.top; }},
        {1, [](const RECT& red, const RECT& ink) { return red.right + 2 + 4 <= ink.left; }},
        {2, [](const RECT& red, const RECT& ink) { return ink.right + 4 + 2 <= red.left; }},
        {3, [](const RECT& red, const RECT& ink) { return ink.bottom + 4 + 2 <= red.top; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("position " + std::to_string(c.position));
        FlatCmd& b = Fresh();
        SizeInPixels(b, kWide, kHigh);
        b.SetCaption(L"Go");
        b.SetPicture(FramedRed());
        b.SetPicturePosition(c.position);
        Paint(b, {});
        const Image image = Snapshot(b);
        const COLORREF face = Sys(COLOR_BTNFACE);
        auto red = BoxWhere(image, [&](int x, int y) { return image.At(x, y) == kRed; });
        auto ink = BoxWhere(image, [&](int x, int y) { return image.At(x, y) != kRed && image.At(x, y) != face; });
        ASSERT_TRUE(red && ink);
        EXPECT_TRUE(c.placed(*red, *ink));
        const bool vertical = c.position == 0 || c.position == 3;
        const int redCentre = vertical ? (red->left + red->right) / 2 : (red->top + red->bottom) / 2;
        const int contentCentre = vertical ? (4 + kWide - 3) / 2 : (4 + kHigh - 3) / 2;
        EXPECT_NEAR(redCentre, contentCentre, 1);
    }
}

}  // namespace
}  // namespace flatcmd_test
