#include "host/values/Gdi.h"

#include <atomic>

namespace host::gdi {

namespace {
std::atomic<long> live{0};
}

long LiveObjects() { return live.load(); }

namespace detail {
void Created(const void* handle) {
    if (handle) ++live;
}
void Deleted() { --live; }
}  // namespace detail

Brush SolidBrush(COLORREF colour) { return Brush(CreateSolidBrush(colour)); }

Pen SolidPen(COLORREF colour, int width, int style) { return Pen(CreatePen(style, width, colour)); }

Bitmap CompatibleBitmap(HDC dc, int width, int height) {
    return Bitmap(CreateCompatibleBitmap(dc, width > 0 ? width : 1, height > 0 ? height : 1));
}

Bitmap MonochromeBitmap(int width, int height) {
    return Bitmap(CreateBitmap(width > 0 ? width : 1, height > 0 ? height : 1, 1, 1, nullptr));
}

Region RectRegion(int left, int top, int right, int bottom) { return Region(CreateRectRgn(left, top, right, bottom)); }

MemoryDC::MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) { detail::Created(dc_); }

MemoryDC::~MemoryDC() {
    if (dc_) {
        DeleteDC(dc_);
        detail::Deleted();
    }
}

}  // namespace host::gdi
