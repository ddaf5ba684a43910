#include "WindowFrame.h"

#include "Palette.h"

namespace {

// The bar has a glossy upper part and a slightly darker lower part,
// each with a gentle gradient of its own.
constexpr int kFirstBarRow = 2;
constexpr int kFirstBaseRow = 13;
constexpr int kLastBarRow = kTitleBarHeight - 2;

double Fraction(int value, int first, int last) { return static_cast<double>(value - first) / (last - first); }

Colour BarRow(int y) {
    if (y < kFirstBaseRow) {
        return Mix(kBarGlossTop, kBarGlossBottom, Fraction(y, kFirstBarRow, kFirstBaseRow - 1));
    }
    return Mix(kBarBaseTop, kBarBaseBottom, Fraction(y, kFirstBaseRow, kLastBarRow));
}

// The dark line around the window's content area, one pixel inside the
// borders and along the bottom row of the title bar.
bool OnInnerLine(int x, int y, int width, int height) {
    const int left = kSideBorderWidth - 1;
    const int right = width - kSideBorderWidth;
    const int top = kTitleBarHeight - 1;
    const int bottom = height - kBottomBorderHeight;
    const bool inColumns = x >= left && x <= right;
    const bool inRows = y >= top && y <= bottom;
    return (inColumns && (y == top || y == bottom)) || (inRows && (x == left || x == right));
}

Colour FramePixel(int x, int y, int width, int height) {
    const int fromRight = width - 1 - x;
    const int fromBottom = height - 1 - y;
    if (x == 0 || y == 0 || fromRight == 0 || fromBottom == 0) {
        return kFrameOutline;
    }
    // Lit from the top left: light inner edges there, shaded ones opposite.
    if (x == 1 || (y == 1 && fromRight > 1)) {
        return kFrameHighlight;
    }
    if (fromRight == 1 || fromBottom == 1) {
        return kFrameShadow;
    }
    if (OnInnerLine(x, y, width, height)) {
        return kFrameInnerLine;
    }
    return y < kTitleBarHeight - 1 ? BarRow(y) : kBorderBody;
}

}  // namespace

Canvas DrawFrame(int width, int height) {
    Canvas frame(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            frame.Set(x, y, FramePixel(x, y, width, height));
        }
    }
    return frame;
}
