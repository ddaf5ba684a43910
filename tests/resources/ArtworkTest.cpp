// The embedded pictures: each is there at its size, the title-bar buttons fit
// their socket and show their states, the stretched pieces stretch cleanly and
// the frame pieces meet without seams.

#include "Artwork.h"
#include "ArtworkPixels.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <memory>
#include <type_traits>
#include <vector>

namespace {

constexpr int kTopButtonSize = 19;
constexpr int kNormal = 0;
constexpr int kPressed = 1;
constexpr int kDisabled = 2;
// The title-bar button's place on the right end of the bar.
constexpr POINT kSocketOrigin = {40, 3};
constexpr int kTitleBarHeight = 28;
// Where the caption's white text lies on the bar, and how dark the bar must stay there.
constexpr int kCaptionTop = 8;
constexpr int kCaptionBottom = 20;
constexpr double kBrightestCaptionBackground = 0.6;

struct Expected {
    const wchar_t* name;
    int width;
    int height;
};

constexpr Expected kFramePieces[] = {
    {kTitleLeft, 40, 28},    {kTitleMiddle, 67, 28},     {kTitleRight, 89, 28},
    {kBorderLeft, 5, 102},   {kBorderRight, 5, 139},     {kCornerBottomLeft, 5, 4},
    {kBorderBottom, 132, 4}, {kCornerBottomRight, 5, 4}, {kChatBadge, 71, 24},
};

TEST(Artwork, EveryBitmapIsEmbeddedAtItsSize) {
    for (const Expected& picture : kFramePieces) {
        const ArtworkPixels pixels = LoadArtwork(picture.name);
        EXPECT_EQ(pixels.width, picture.width) << picture.name;
        EXPECT_EQ(pixels.height, picture.height) << picture.name;
    }
    for (const auto& looks : kTopBtPictures) {
        for (const wchar_t* name : looks) {
            const ArtworkPixels pixels = LoadArtwork(name);
            EXPECT_EQ(pixels.width, kTopButtonSize) << name;
            EXPECT_EQ(pixels.height, kTopButtonSize) << name;
        }
    }
}

// The option button's state images: white corners, the ring at the top (beige
// when disabled), and the middle: the look's fill halfway along its gradient, or
// the dot of a selected button.
TEST(Artwork, OptionStatesShowRingFillAndDot) {
    constexpr uint32_t kRing = 0x215582, kBeige = 0xCECCBE, kGreen = 0x3BBB39;
    const uint32_t ringAndMiddle[8][2] = {{kRing, 0xEFEFEC}, {kRing, 0xF1EFDF}, {kRing, 0xD2D1C4}, {kBeige, 0xEDEDEA},
                                          {kRing, kGreen},   {kRing, kGreen},   {kRing, kGreen},   {kBeige, 0xC1C0B6}};
    auto close = [](uint32_t a, uint32_t b) {
        for (int shift : {0, 8, 16})
            if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 1) return false;
        return true;
    };
    for (int image = 0; image < 8; ++image) {
        const ArtworkPixels pixels = LoadArtwork(kOptionStatePictures[image]);
        ASSERT_EQ(pixels.width, 13) << image;
        EXPECT_EQ((std::vector{pixels.At(0, 0), pixels.At(12, 0), pixels.At(0, 12), pixels.At(12, 12)}),
                  std::vector<uint32_t>(4, 0xFFFFFF))
            << image;
        EXPECT_PRED2(close, pixels.At(6, 0), ringAndMiddle[image][0]) << image;
        EXPECT_PRED2(close, pixels.At(6, 6), ringAndMiddle[image][1]) << image;
    }
    const uint32_t band = LoadArtwork(kOptionState1).At(6, 2);  // the hover band: warm orange
    EXPECT_GT(int(band >> 16) - int(band & 0xFF), 80);
}

// Each drop button shows its chevron in the look's colour on a face that is
// lighter under the pointer and darker when pressed.
TEST(Artwork, ComboButtonsShowTheirLooks) {
    constexpr uint32_t kChevron = 0x506880;          // RGB(80, 104, 128)
    constexpr uint32_t kDisabledChevron = 0xC0A888;  // RGB(192, 168, 136)
    constexpr POINT kOnChevron = {7, 8};
    const struct {
        const wchar_t* name;
        uint32_t chevron;
    } looks[] = {{kComboNormal, kChevron},
                 {kComboHover, kChevron},
                 {kComboPressed, kChevron},
                 {kComboDisabled, kDisabledChevron}};
    for (const auto& look : looks) {
        const ArtworkPixels pixels = LoadArtwork(look.name);
        ASSERT_EQ(pixels.width, 17) << look.name;
        ASSERT_EQ(pixels.height, 16) << look.name;
        EXPECT_EQ(pixels.At(kOnChevron.x, kOnChevron.y), look.chevron) << look.name;
    }
    const double normal = MeanLuminance(LoadArtwork(kComboNormal));
    EXPECT_GT(MeanLuminance(LoadArtwork(kComboHover)), normal);
    EXPECT_LT(MeanLuminance(LoadArtwork(kComboPressed)), normal);
    EXPECT_GT(MeanLuminance(LoadArtwork(kComboDisabled)), normal);
}

TEST(Artwork, ButtonCornersShowTheSocketGreen) {
    const ArtworkPixels bar = LoadArtwork(kTitleRight);
    ASSERT_EQ(bar.width, 89);
    const int last = kTopButtonSize - 1;
    const POINT corners[] = {{0, 0}, {last, 0}, {0, last}, {last, last}};
    for (const auto& looks : kTopBtPictures) {
        for (const wchar_t* name : looks) {
            const ArtworkPixels button = LoadArtwork(name);
            ASSERT_EQ(button.width, kTopButtonSize) << name;
            for (const POINT& corner : corners) {
                EXPECT_EQ(button.At(corner.x, corner.y), bar.At(kSocketOrigin.x + corner.x, kSocketOrigin.y + corner.y))
                    << name << " corner " << corner.x << "," << corner.y;
            }
            // The round button itself is not the socket.
            EXPECT_NE(button.At(kTopButtonSize / 2, kTopButtonSize / 2), button.At(0, 0)) << name;
        }
    }
}

TEST(Artwork, PressedButtonsAreDarkerAndDisabledOnesPaler) {
    for (const auto& looks : kTopBtPictures) {
        const double normal = MeanLuminance(LoadArtwork(looks[kNormal]));
        EXPECT_LT(MeanLuminance(LoadArtwork(looks[kPressed])), normal) << looks[kPressed];
        EXPECT_GT(MeanLuminance(LoadArtwork(looks[kDisabled])), normal) << looks[kDisabled];
    }
}

// A stretched piece must look the same wherever it is cut or repeated.
TEST(Artwork, StretchedPiecesAreUniformAlongTheirStretch) {
    struct Stretch {
        const wchar_t* name;
        bool horizontal;
    };
    const Stretch stretched[] = {
        {kTitleMiddle, true}, {kBorderBottom, true}, {kBorderLeft, false}, {kBorderRight, false}};
    for (const Stretch& piece : stretched) {
        const ArtworkPixels pixels = LoadArtwork(piece.name);
        ASSERT_GT(pixels.width, 0) << piece.name;
        for (int y = 0; y < pixels.height; ++y) {
            for (int x = 0; x < pixels.width; ++x) {
                const uint32_t first = piece.horizontal ? pixels.At(0, y) : pixels.At(x, 0);
                ASSERT_EQ(pixels.At(x, y), first) << piece.name << " at " << x << "," << y;
            }
        }
    }
}

// Where two pieces meet in the window, the pixel lines on either side match.
TEST(Artwork, FramePiecesMeetWithoutSeams) {
    struct Line {
        const wchar_t* name;
        int x;
        int y;
        bool vertical;
    };
    struct Seam {
        Line a;
        Line b;
        int length;
    };
    const Seam seams[] = {
        {{kTitleLeft, 39, 0, true}, {kTitleMiddle, 0, 0, true}, kTitleBarHeight},
        {{kTitleMiddle, 66, 0, true}, {kTitleRight, 0, 0, true}, kTitleBarHeight},
        {{kTitleLeft, 0, 27, false}, {kBorderLeft, 0, 0, false}, 5},
        {{kTitleRight, 84, 27, false}, {kBorderRight, 0, 0, false}, 5},
        {{kBorderLeft, 0, 101, false}, {kCornerBottomLeft, 0, 0, false}, 5},
        {{kBorderRight, 0, 138, false}, {kCornerBottomRight, 0, 0, false}, 5},
        {{kCornerBottomLeft, 4, 0, true}, {kBorderBottom, 0, 0, true}, 4},
        {{kBorderBottom, 131, 0, true}, {kCornerBottomRight, 0, 0, true}, 4},
    };
    for (const Seam& seam : seams) {
        const ArtworkPixels a = LoadArtwork(seam.a.name);
        const ArtworkPixels b = LoadArtwork(seam.b.name);
        ASSERT_GT(a.width, 0) << seam.a.name;
        ASSERT_GT(b.width, 0) << seam.b.name;
        for (int i = 0; i < seam.length; ++i) {
            const uint32_t left = seam.a.vertical ? a.At(seam.a.x, seam.a.y + i) : a.At(seam.a.x + i, seam.a.y);
            const uint32_t right = seam.b.vertical ? b.At(seam.b.x, seam.b.y + i) : b.At(seam.b.x + i, seam.b.y);
            EXPECT_EQ(left, right) << seam.a.name << " / " << seam.b.name << " at " << i;
        }
    }
}

TEST(Artwork, TitleBarIsDarkEnoughForTheWhiteCaption) {
    const ArtworkPixels bar = LoadArtwork(kTitleMiddle);
    ASSERT_GT(bar.width, 0);
    for (int y = kCaptionTop; y <= kCaptionBottom; ++y) {
        EXPECT_LT(Luminance(bar.At(0, y)), kBrightestCaptionBackground) << "row " << y;
    }
}

// The icon group must hold real 32 and 16 pixel images, transparent around the tile.
TEST(Artwork, IconHasBothSizesWithTransparentCorners) {
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(IDI_APP_ICON), RT_GROUP_ICON);
    ASSERT_NE(group, nullptr);
    auto* directory = static_cast<BYTE*>(LockResource(LoadResource(module, group)));
    ASSERT_NE(directory, nullptr);
    for (int size : {32, 16}) {
        const int id = LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
        const HRSRC image = FindResourceW(module, MAKEINTRESOURCEW(id), RT_ICON);
        ASSERT_NE(image, nullptr) << size;
        const auto* header = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(module, image)));
        ASSERT_NE(header, nullptr) << size;
        EXPECT_EQ(header->biWidth, size);
        ASSERT_EQ(header->biBitCount, 32) << size;
        // Colour rows are stored bottom-up after the header, blue-green-red-alpha.
        const auto* pixels = reinterpret_cast<const BYTE*>(header + 1);
        auto alpha = [&](int x, int y) { return pixels[((size - 1 - y) * size + x) * 4 + 3]; };
        EXPECT_EQ(alpha(0, 0), 0) << size;
        EXPECT_EQ(alpha(size / 2, size / 2), 255) << size;
    }
    struct IconDeleter {
        void operator()(HICON icon) const { DestroyIcon(icon); }
    };
    const std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter> icon(
        static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(IDI_APP_ICON), IMAGE_ICON, 32, 32, 0)));
    EXPECT_NE(icon, nullptr);
}

}  // namespace
