#pragma once
// What the host's and the controls' tests share: errors, colours, rectangles, pictures and GDI counts.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "GdiObjectCount.h"
#include "MessagePump.h"
#include "host/values/Color.h"
#include "host/values/Error.h"
#include "host/values/Gdi.h"
#include "host/values/Picture.h"

namespace testkit {

using Log = std::vector<std::wstring>;
constexpr int kNoError = 0;
constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 160, 0), kBlue = RGB(0, 0, 255), kBlack = RGB(0, 0, 0),
                   kWhite = RGB(255, 255, 255), kYellow = RGB(255, 255, 0);

inline host::OleColor Ole(COLORREF rgb) { return static_cast<host::OleColor>(rgb); }
inline COLORREF Sys(int index) { return GetSysColor(index); }
inline std::array<LONG, 4> Corners(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// The host error number a call raises, or kNoError.
inline int ErrorOf(const std::function<void()>& call) try {
    call();
    return kNoError;
} catch (const host::HostError& e) {
    return e.Number();
}

// The host's own GDI objects and the whole process's.
inline std::pair<long, int> GdiCounts() { return {host::gdi::LiveObjects(), testsupport::CountLiveGdiObjects()}; }

// A w x h bitmap (monochrome for a mask) painted with the given rectangles in order.
struct Fill {
    RECT area;
    COLORREF colour;
};
inline host::gdi::Bitmap PaintedBitmap(int w, int h, std::initializer_list<Fill> fills, bool mono = false) {
    host::gdi::WindowDC screen(nullptr);
    host::gdi::Bitmap bitmap = mono ? host::gdi::MonochromeBitmap(w, h) : host::gdi::CompatibleBitmap(screen, w, h);
    host::gdi::MemoryDC dc(screen);
    host::gdi::Selection select(dc, bitmap);
    for (const Fill& f : fills) FillRect(dc, &f.area, host::gdi::SolidBrush(f.colour));
    return bitmap;
}
inline host::PicturePtr BitmapPicture(int w, int h, std::initializer_list<Fill> fills = {}) {
    return host::PictureFromBitmap(reinterpret_cast<uintptr_t>(PaintedBitmap(w, h, fills).Release()));
}
inline host::PicturePtr SolidPicture(int w, int h, COLORREF colour) {
    return BitmapPicture(w, h, {{{0, 0, w, h}, colour}});
}

// The smallest rectangle of pixels of `ink` within `area` (empty when there is none).
inline RECT InkBox(HDC dc, const RECT& area, COLORREF ink) {
    RECT box{area.right, area.bottom, area.left, area.top};
    for (LONG y = area.top; y < area.bottom; ++y)
        for (LONG x = area.left; x < area.right; ++x)
            if (GetPixel(dc, x, y) == ink)
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
    return box;
}

}  // namespace testkit
