// The XP window face of the flat button: a vertical gradient from BackColor, a
// dark frame with cut corners, light and dark edge lines, and the focus and hover
// rings; and the window region with the matching rounded corners.
#include <algorithm>
#include <cmath>
#include <iterator>

#include "controls/FlatCmd/FlatCmd.h"
#include "controls/FlatCmd/FlatCmdColors.h"
#include "host/values/Gdi.h"

namespace controls {

using namespace flatcmd;

namespace {

// A coordinate counted from the near edge (0) or back from the far one (W or H).
struct Coord {
    int offset;
    bool fromFar;
    int At(int extent) const { return fromFar ? extent - offset : offset; }
};
constexpr Coord N(int offset) { return Coord{offset, false}; }
constexpr Coord F(int offset) { return Coord{offset, true}; }

// The ring's frame sits inside the dark frame: (1, 2)-(W - 1, H - 2).
constexpr Coord kRingLeft = N(1), kRingTop = N(2), kRingRight = F(1), kRingBottom = F(2);

// The pixel just inside each corner of the frame.
void SetCornerPixels(HDC dc, int w, int h, COLORREF colour) {
    for (const POINT p : {POINT{1, 1}, POINT{1, h - 2}, POINT{w - 2, 1}, POINT{w - 2, h - 2}})
        SetPixelV(dc, p.x, p.y, colour);
}

// The eight cut rectangles of the rounded window region, as (x1, y1, x2, y2): two
// pixels of each corner's outer row and one of the next row.
struct Cut {
    Coord x1, y1, x2, y2;
};
constexpr Cut kRegionCuts[] = {
    {N(0), N(0), N(2), N(1)}, {N(0), F(0), N(2), F(1)}, {F(0), N(0), F(2), N(1)}, {F(0), F(0), F(2), F(1)},
    {N(0), N(1), N(1), N(2)}, {N(0), F(1), N(1), F(2)}, {F(0), N(1), F(1), N(2)}, {F(0), F(1), F(1), F(2)},
};

}  // namespace

// One edge line: from (x1, y1) to (x2, y2), end excluded, in a reference colour
// shifted by `shift`.
struct FlatCmd::FaceLine {
    Coord x1, y1, x2, y2;
    int shift;
};

// State 0 is the normal face (with the focus ring and, when `hover`, the hover ring
// over it), state 2 the pressed face; disabled, one flat face whatever the state.
void FlatCmd::DrawXPWinFace(int state, bool hover) {
    DrawRect(hDC(), 0, 0, pixelWidth_, pixelHeight_, prop_.backColor, true);
    if (!Enabled())
        DrawXPDisabledFace();
    else if (state == kFacePressed)
        DrawXPPressedFace();
    else if (state == kFaceNormal)
        DrawXPNormalFace(hover);
}

void FlatCmd::DrawXPDisabledFace() {
    static constexpr FaceLine kDisabledEdges[] = {
        {N(2), N(0), F(2), N(0), kDisabledEdgeShift},
        {N(2), F(1), F(2), F(1), kDisabledEdgeShift},
        {N(0), N(2), N(0), F(2), kDisabledEdgeShift},
        {F(1), N(2), F(1), F(2), kDisabledEdgeShift},
    };
    const COLORREF base = ShiftColor(TranslateColor(prop_.backColor), kFaceLift);
    DrawRect(hDC(), 0, 0, pixelWidth_, pixelHeight_, ShiftColor(base, kDisabledFillShift), true);
    DrawFaceLines(std::begin(kDisabledEdges), std::end(kDisabledEdges), base);
    SetCornerPixels(hDC(), pixelWidth_, pixelHeight_, ShiftColor(base, kDisabledCornerShift));
}

void FlatCmd::DrawXPPressedFace() {
    static constexpr FaceLine kPressedLines[] = {
        {N(2), F(2), F(2), F(2), 16},  {N(1), F(3), F(2), F(3), 10},  {F(2), N(2), F(2), F(2), 5},
        {F(3), N(3), F(3), F(3), 0},   {N(2), N(1), F(2), N(1), -32}, {N(1), N(2), F(2), N(2), -24},
        {N(1), N(2), N(1), F(2), -32}, {N(2), N(2), N(2), F(2), -22},
    };
    const COLORREF base = ShiftColor(ShiftColor(TranslateColor(prop_.backColor), kFaceLift), kPressedBaseShift);
    DrawXPGradient(base, kPressedGradientDepth, true);
    DrawXPFrame();
    DrawFaceLines(std::begin(kPressedLines), std::end(kPressedLines), base);
}

void FlatCmd::DrawXPNormalFace(bool hover) {
    static constexpr FaceLine kNormalLines[] = {
        {N(2), F(2), F(2), F(2), -48}, {N(1), F(3), F(2), F(3), -32}, {F(2), N(2), F(2), F(2), -36},
        {F(3), N(3), F(3), F(3), -24}, {N(2), N(1), F(2), N(1), 16},  {N(1), N(2), F(2), N(2), 10},
        {N(1), N(2), N(1), F(2), -5},  {N(2), N(3), N(2), F(3), -10},
    };
    static constexpr FaceLine kFocusRingLines[] = {
        {N(2), F(2), F(2), F(2), -33}, {N(2), N(1), F(2), N(1), 65}, {N(1), N(2), F(1), N(2), 50},
        {N(2), N(3), N(2), F(3), 31},  {F(3), N(3), F(3), F(3), 31},
    };
    static constexpr FaceLine kHoverRingLines[] = {
        {N(2), F(2), F(2), F(2), -40}, {N(2), N(1), F(2), N(1), 200}, {N(1), N(2), F(1), N(2), 35},
        {N(2), N(3), N(2), F(3), 20},  {F(3), N(3), F(3), F(3), 20},
    };
    const COLORREF base = ShiftColor(TranslateColor(prop_.backColor), kFaceLift);
    DrawXPGradient(base, kNormalGradientDepth, false);
    DrawXPFrame();
    if (hasFocus_)
        DrawXPRing(prop_.xpColorPressed, std::begin(kFocusRingLines), std::end(kFocusRingLines));
    else
        DrawFaceLines(std::begin(kNormalLines), std::end(kNormalLines), base);
    if (hover) DrawXPRing(prop_.xpColorHover, std::begin(kHoverRingLines), std::end(kHoverRingLines));
}

// Lines 1..H across the face, each shifted from `base` by up to -depth in equal
// steps (rounded half to even): downward from the top, or upward from the bottom.
void FlatCmd::DrawXPGradient(COLORREF base, int depth, bool darkenUpward) {
    const float step = static_cast<float>(depth) / static_cast<float>(pixelHeight_);
    for (int i = 1; i <= pixelHeight_; ++i) {
        const int y = darkenUpward ? pixelHeight_ - i : i;
        const int shift = static_cast<int>(std::lrint(-step * static_cast<float>(i)));
        DrawLine(0, y, pixelWidth_, y, ShiftColor(base, shift));
    }
}

// The dark outer frame and the pixel inside each of its corners.
void FlatCmd::DrawXPFrame() {
    const host::OleColor frame = host::SystemColor(kSysFaceFrame);
    DrawRect(hDC(), 0, 0, pixelWidth_, pixelHeight_, frame, false);
    SetCornerPixels(hDC(), pixelWidth_, pixelHeight_, TranslateColor(frame));
}

void FlatCmd::DrawFaceLines(const FaceLine* first, const FaceLine* last, COLORREF reference) {
    for (const FaceLine* l = first; l != last; ++l)
        DrawLine(l->x1.At(pixelWidth_), l->y1.At(pixelHeight_), l->x2.At(pixelWidth_), l->y2.At(pixelHeight_),
                 ShiftColor(reference, l->shift));
}

// A coloured ring inside the dark frame: its frame in `ring`, its edge lines
// shifted from the ring colour.
void FlatCmd::DrawXPRing(host::OleColor ring, const FaceLine* first, const FaceLine* last) {
    DrawRect(hDC(), kRingLeft.At(pixelWidth_), kRingTop.At(pixelHeight_), kRingRight.At(pixelWidth_),
             kRingBottom.At(pixelHeight_), ring, false);
    DrawFaceLines(first, last, TranslateColor(ring));
}

// The window loses each corner's outer two pixels and the next row's outer pixel,
// matching the face's corner pixels. The window owns the region from then on.
void FlatCmd::ApplyRoundRegion() {
    const int w = pixelWidth_, h = pixelHeight_;
    host::gdi::Region region = host::gdi::RectRegion(0, 0, w, h);
    host::gdi::Region scratch = host::gdi::RectRegion(0, 0, 0, 0);
    host::gdi::Region* from = &region;
    host::gdi::Region* to = &scratch;
    for (const Cut& c : kRegionCuts) {
        const int x1 = c.x1.At(w), y1 = c.y1.At(h), x2 = c.x2.At(w), y2 = c.y2.At(h);
        host::gdi::Region cut =
            host::gdi::RectRegion(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
        CombineRgn(*to, *from, cut, RGN_DIFF);
        std::swap(from, to);
    }
    // An even number of cuts leaves the result in `region`; the window takes it
    // only when SetWindowRgn succeeds.
    if (SetWindowRgn(hWnd(), region.Get(), TRUE)) region.Release();
}

}  // namespace controls
