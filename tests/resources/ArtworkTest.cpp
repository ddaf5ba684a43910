// The embedded pictures: buttons showing their states, stretched pieces uniform, frame pieces meeting without seams.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "Artwork.h"

namespace {

constexpr int kTopButtonSize = 19, kNormal = 0, kPressed = 1, kDisabled = 2;
constexpr POINT kSocketOrigin = {40, 3};  // the title-bar button's place on the right end of the bar

// A bitmap resource of this program read back, 0x00RRGGBB from the top; width 0 when there is none.
struct Pixels {
    int width = 0, height = 0;
    std::vector<uint32_t> rgb;
    uint32_t At(int x, int y) const { return rgb.at(static_cast<size_t>(y) * width + x); }
};
Pixels Load(const wchar_t* name) {
    HBITMAP bitmap =
        static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return {};
    Pixels pixels{info.bmWidth, info.bmHeight, std::vector<uint32_t>(size_t(info.bmWidth) * info.bmHeight)};
    BITMAPINFO request{};
    request.bmiHeader = {sizeof(BITMAPINFOHEADER), info.bmWidth, -info.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC dc = CreateCompatibleDC(nullptr);
    GetDIBits(dc, bitmap, 0, info.bmHeight, pixels.rgb.data(), &request, DIB_RGB_COLORS);
    DeleteDC(dc);
    DeleteObject(bitmap);
    for (uint32_t& pixel : pixels.rgb) pixel &= 0x00FFFFFF;
    return pixels;
}

// Perceived brightness, 0 to 1, of a colour and of a whole picture.
double Luminance(uint32_t rgb) {
    return (0.299 * ((rgb >> 16) & 0xFF) + 0.587 * ((rgb >> 8) & 0xFF) + 0.114 * (rgb & 0xFF)) / 255.0;
}
double MeanLuminance(const wchar_t* name) {
    const Pixels pixels = Load(name);
    double sum = 0.0;
    for (uint32_t pixel : pixels.rgb) sum += Luminance(pixel);
    return pixels.rgb.empty() ? 0.0 : sum / static_cast<double>(pixels.rgb.size());
}

// White corners round each option picture; the hover band is warm orange.
TEST(Artwork, OptionStatesHaveWhiteCornersAndAWarmHoverBand) {
    for (int image = 0; image < 8; ++image) {
        const Pixels pixels = Load(kOptionStatePictures[image]);
        ASSERT_EQ(pixels.width, 13) << image;
        EXPECT_EQ((std::vector{pixels.At(0, 0), pixels.At(12, 0), pixels.At(0, 12), pixels.At(12, 12)}),
                  std::vector<uint32_t>(4, 0xFFFFFF))
            << image;
        EXPECT_NE(pixels.At(6, 0), pixels.At(6, 6)) << image << ": no ring round the middle";
    }
    const uint32_t band = Load(kOptionState1).At(6, 2);
    EXPECT_GT(int(band >> 16) - int(band & 0xFF), 80);
}

// Each drop button's face is lighter under the pointer and when disabled, darker when pressed.
TEST(Artwork, ComboButtonsShowTheirLooks) {
    for (const wchar_t* name : {kComboNormal, kComboHover, kComboPressed, kComboDisabled}) {
        const Pixels pixels = Load(name);
        EXPECT_EQ(std::pair(pixels.width, pixels.height), std::pair(17, 16)) << name;
    }
    const double normal = MeanLuminance(kComboNormal);
    EXPECT_GT(MeanLuminance(kComboHover), normal);
    EXPECT_LT(MeanLuminance(kComboPressed), normal);
    EXPECT_GT(MeanLuminance(kComboDisabled), normal);
}

// Each title-bar button is 19 pixels square, its corners the socket's, pressed darker and disabled paler.
TEST(Artwork, TitleBarButtonsFitTheSocketAndShowTheirStates) {
    const Pixels bar = Load(kTitleRight);
    ASSERT_EQ(bar.width, 89);
    const int last = kTopButtonSize - 1;
    for (const auto& looks : kTopBtPictures) {
        for (const wchar_t* name : looks) {
            const Pixels button = Load(name);
            ASSERT_EQ(std::pair(button.width, button.height), std::pair(kTopButtonSize, kTopButtonSize)) << name;
            for (const POINT& c : {POINT{0, 0}, {last, 0}, {0, last}, {last, last}})
                EXPECT_EQ(button.At(c.x, c.y), bar.At(kSocketOrigin.x + c.x, kSocketOrigin.y + c.y))
                    << name << " corner " << c.x << "," << c.y;
            EXPECT_NE(button.At(kTopButtonSize / 2, kTopButtonSize / 2), button.At(0, 0)) << name << " is no socket";
        }
        const double normal = MeanLuminance(looks[kNormal]);
        EXPECT_LT(MeanLuminance(looks[kPressed]), normal) << looks[kPressed];
        EXPECT_GT(MeanLuminance(looks[kDisabled]), normal) << looks[kDisabled];
    }
}

// A stretched piece looks the same wherever it is cut or repeated.
TEST(Artwork, StretchedPiecesAreUniformAlongTheirStretch) {
    const std::pair<const wchar_t*, bool> stretched[] = {
        {kTitleMiddle, true}, {kBorderBottom, true}, {kBorderLeft, false}, {kBorderRight, false}};
    for (const auto& [name, horizontal] : stretched) {
        const Pixels pixels = Load(name);
        ASSERT_GT(pixels.width, 0) << name;
        for (int y = 0; y < pixels.height; ++y)
            for (int x = 0; x < pixels.width; ++x)
                ASSERT_EQ(pixels.At(x, y), horizontal ? pixels.At(0, y) : pixels.At(x, 0))
                    << name << " " << x << "," << y;
    }
}

// Where two pieces meet in the window, the pixel lines on either side match.
TEST(Artwork, FramePiecesMeetWithoutSeams) {
    struct Line {
        const wchar_t* name;
        int x, y;
        bool vertical;
    };
    const struct {
        Line a, b;
        int length;
    } seams[] = {
        {{kTitleLeft, 39, 0, true}, {kTitleMiddle, 0, 0, true}, 28},
        {{kTitleMiddle, 66, 0, true}, {kTitleRight, 0, 0, true}, 28},
        {{kTitleLeft, 0, 27, false}, {kBorderLeft, 0, 0, false}, 5},
        {{kTitleRight, 84, 27, false}, {kBorderRight, 0, 0, false}, 5},
        {{kBorderLeft, 0, 101, false}, {kCornerBottomLeft, 0, 0, false}, 5},
        {{kBorderRight, 0, 138, false}, {kCornerBottomRight, 0, 0, false}, 5},
        {{kCornerBottomLeft, 4, 0, true}, {kBorderBottom, 0, 0, true}, 4},
        {{kBorderBottom, 131, 0, true}, {kCornerBottomRight, 0, 0, true}, 4},
    };
    const auto at = [](const Pixels& p, const Line& l, int i) {
        return l.vertical ? p.At(l.x, l.y + i) : p.At(l.x + i, l.y);
    };
    for (const auto& seam : seams) {
        const Pixels a = Load(seam.a.name), b = Load(seam.b.name);
        ASSERT_TRUE(a.width > 0 && b.width > 0) << seam.a.name << " / " << seam.b.name;
        for (int i = 0; i < seam.length; ++i)
            EXPECT_EQ(at(a, seam.a, i), at(b, seam.b, i)) << seam.a.name << " / " << seam.b.name << " at " << i;
    }
}

TEST(Artwork, TitleBarIsDarkEnoughForTheWhiteCaption) {
    const Pixels bar = Load(kTitleMiddle);
    ASSERT_GT(bar.width, 0);
    for (int y = 8; y <= 20; ++y) EXPECT_LT(Luminance(bar.At(0, y)), 0.6) << "row " << y;
}

// The icon group holds real 32 and 16 pixel images, transparent around the tile.
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
    HICON icon = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(IDI_APP_ICON), IMAGE_ICON, 32, 32, 0));
    EXPECT_NE(icon, nullptr);
    DestroyIcon(icon);
}

}  // namespace
