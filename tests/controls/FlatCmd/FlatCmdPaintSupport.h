#pragma once
// What the flat button's painting tests share: reading the button's off-screen
// image, system colours, sizing the button in pixels, and finding what a change
// painted.
#include <windows.h>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <vector>

#include "FlatCmdTestSupport.h"
#include "host/Gdi.h"
#include "host/Picture.h"
#include "host/Units.h"

namespace controls {

// Puts the button in a run-time state and reads its size, for the painting tests.
struct FlatCmdPaintProbe {
    static void SetState(FlatCmd& b, bool over, bool down, bool focus) {
        b.IsOver = over;
        b.IsDown = down;
        b.HasFocus = focus;
    }
    static SIZE PixelSize(const FlatCmd& b) { return SIZE{b.PixelWidth, b.PixelHeight}; }
};

}  // namespace controls

namespace flatcmd_test {

using Probe = controls::FlatCmdPaintProbe;

inline COLORREF Pixel(FlatCmd& b, int x, int y) { return GetPixel(b.hDC(), x, y); }
inline COLORREF Sys(int index) { return GetSysColor(index); }

// Resizes the button to w x h pixels (the resize step repaints it).
inline void SizeInPixels(FlatCmd& b, int w, int h) {
    b.Move(b.Left(), b.Top(), host::PixelsToTwipsX(w), host::PixelsToTwipsY(h));
}

// Sets the run-time state and repaints, as the input handlers would.
struct PaintState {
    bool over = false;
    bool down = false;
    bool focus = false;
};
inline void Paint(FlatCmd& b, PaintState s) {
    Probe::SetState(b, s.over, s.down, s.focus);
    b.Refresh();
}

// A w x h bitmap picture painted with the given rectangles in order.
struct Fill {
    RECT area;
    COLORREF colour;
};
inline host::PicturePtr PaintedBitmap(int w, int h, std::initializer_list<Fill> fills) {
    host::gdi::WindowDC screen(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    {
        host::gdi::MemoryDC dc(screen);
        host::gdi::Selection select(dc, bitmap);
        for (const Fill& f : fills) FillRect(dc, &f.area, host::gdi::SolidBrush(f.colour));
    }
    return host::PictureFromBitmap(reinterpret_cast<uintptr_t>(bitmap));
}

// Every pixel of the button's image, row by row.
struct Image {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
    bool operator==(const Image&) const = default;
};
inline Image Snapshot(FlatCmd& b) {
    const SIZE size = Probe::PixelSize(b);
    Image image{size.cx, size.cy, {}};
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) image.pixels.push_back(Pixel(b, x, y));
    return image;
}

// The smallest rectangle holding every pixel of `image` for which `chosen` holds.
template <class Chosen>
std::optional<RECT> BoxWhere(const Image& image, Chosen chosen) {
    std::optional<RECT> box;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            if (!chosen(x, y)) continue;
            if (!box) box = RECT{x, y, x + 1, y + 1};
            box->left = std::min<LONG>(box->left, x);
            box->top = std::min<LONG>(box->top, y);
            box->right = std::max<LONG>(box->right, x + 1);
            box->bottom = std::max<LONG>(box->bottom, y + 1);
        }
    return box;
}

// The smallest rectangle holding every pixel that differs between two images.
inline std::optional<RECT> DifferenceBox(const Image& a, const Image& b) {
    return BoxWhere(a, [&](int x, int y) { return a.At(x, y) != b.At(x, y); });
}

}  // namespace flatcmd_test
