#include "TextMask.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <type_traits>
#include <vector>

namespace {

constexpr double kFullCoverage = 255.0;
constexpr WORD kMissingGlyph = 0xFFFF;

struct DcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct ObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using DcHandle = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;
using ObjectHandle = std::unique_ptr<std::remove_pointer_t<HGDIOBJ>, ObjectDeleter>;

// Selects an object into a DC and puts the previous one back on destruction.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

void RequireGlyphs(HDC dc, const std::wstring& text) {
    std::vector<WORD> glyphs(text.size());
    const DWORD found =
        GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
    for (WORD glyph : glyphs) {
        if (found == GDI_ERROR || glyph == kMissingGlyph) {
            throw std::runtime_error("the CJK font lacks a character of the badge text");
        }
    }
}

void RequireFit(HDC dc, const std::wstring& text, const Box& area) {
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    if (extent.cx > area.right - area.left || extent.cy > area.bottom - area.top) {
        throw std::runtime_error("the badge text does not fit its place");
    }
}

}  // namespace

Canvas DrawTextMask(const std::wstring& text, const std::wstring& face, int pixelHeight, int width, int height,
                    const Box& area) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const DcHandle dc(CreateCompatibleDC(nullptr));
    const ObjectHandle bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const ObjectHandle font(CreateFontW(-pixelHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                                        DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
    if (!dc || !bitmap || !font || bits == nullptr) {
        throw std::runtime_error("cannot create the GDI objects for the badge text");
    }
    {
        const Selection bitmapSelection(dc.get(), bitmap.get());
        const Selection fontSelection(dc.get(), font.get());
        RequireGlyphs(dc.get(), text);
        RequireFit(dc.get(), text, area);
        // White text on the black the new DIB section starts with.
        SetBkMode(dc.get(), TRANSPARENT);
        SetTextColor(dc.get(), RGB(255, 255, 255));
        RECT rect = {static_cast<LONG>(area.left), static_cast<LONG>(area.top), static_cast<LONG>(area.right),
                     static_cast<LONG>(area.bottom)};
        DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &rect,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        GdiFlush();
    }
    Canvas mask(width, height);
    const auto* pixels = static_cast<const uint8_t*>(bits);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint8_t green = pixels[(static_cast<size_t>(y) * width + x) * 4 + 1];
            mask.Set(x, y, {1.0, 1.0, 1.0, green / kFullCoverage});
        }
    }
    return mask;
}
