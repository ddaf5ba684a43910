// Draws every picture of the program into the folder given on the command
// line: one .bmp per bitmap resource, named after it in lower case, and the
// program icon.

#include "Artwork.h"
#include "AppIcon.h"
#include "ChatBadge.h"
#include "CjkFont.h"
#include "ComboButton.h"
#include "FramePieces.h"
#include "ImageFiles.h"
#include "OptionButton.h"
#include "TopButton.h"

#include <cwctype>
#include <exception>
#include <filesystem>
#include <functional>
#include <iterator>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kIconFile[] = L"app_icon.ico";
constexpr int kIconSizes[] = {32, 16};
constexpr ButtonLook kLooks[] = {ButtonLook::Normal, ButtonLook::Pressed, ButtonLook::Disabled};
constexpr ComboButtonLook kComboLooks[] = {ComboButtonLook::Normal, ComboButtonLook::Hover, ComboButtonLook::Pressed,
                                           ComboButtonLook::Disabled};

struct Bitmap {
    const wchar_t* name;
    std::function<Canvas()> draw;
};

std::vector<Bitmap> Bitmaps(const CjkFont& font) {
    std::vector<Bitmap> bitmaps = {
        {kTitleLeft, [] { return DrawFramePiece(FramePiece::TitleLeft); }},
        {kTitleMiddle, [] { return DrawFramePiece(FramePiece::TitleMiddle); }},
        {kTitleRight, [] { return DrawFramePiece(FramePiece::TitleRight); }},
        {kBorderLeft, [] { return DrawFramePiece(FramePiece::BorderLeft); }},
        {kBorderRight, [] { return DrawFramePiece(FramePiece::BorderRight); }},
        {kCornerBottomLeft, [] { return DrawFramePiece(FramePiece::CornerBottomLeft); }},
        {kBorderBottom, [] { return DrawFramePiece(FramePiece::BorderBottom); }},
        {kCornerBottomRight, [] { return DrawFramePiece(FramePiece::CornerBottomRight); }},
        {kChatBadge, [&font] { return DrawChatBadge(font.Face()); }},
    };
    for (int glyph = 0; glyph < kTopButtonGlyphs; ++glyph) {
        for (size_t look = 0; look < std::size(kLooks); ++look) {
            bitmaps.push_back(
                {kTopBtPictures[glyph][look], [glyph, look] { return DrawTopButton(glyph, kLooks[look]); }});
        }
    }
    for (int index = 0; index < kOptionImageCount; ++index) {
        bitmaps.push_back({kOptionStatePictures[index], [index] { return DrawOptionState(index); }});
    }
    for (size_t look = 0; look < std::size(kComboLooks); ++look) {
        bitmaps.push_back({kComboButtonPictures[look], [look] { return DrawComboButton(kComboLooks[look]); }});
    }
    return bitmaps;
}

std::wstring FileName(const wchar_t* resourceName) {
    std::wstring name = resourceName;
    for (wchar_t& c : name) {
        c = static_cast<wchar_t>(std::towlower(c));
    }
    return name + L".bmp";
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::wcerr << L"usage: artwork_generator <output folder>\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        std::filesystem::create_directories(folder);
        const CjkFont font;
        for (const Bitmap& bitmap : Bitmaps(font)) {
            WriteBmp(folder / FileName(bitmap.name), bitmap.draw());
        }
        std::vector<Canvas> icons;
        for (int size : kIconSizes) {
            icons.push_back(DrawAppIcon(size));
        }
        WriteIco(folder / kIconFile, icons);
    } catch (const std::exception& error) {
        std::cerr << "artwork_generator: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
