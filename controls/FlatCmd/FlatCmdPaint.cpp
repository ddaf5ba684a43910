// The flat button's paint pipeline: background by state, borders and bevels, the
// default frame, the container's picture as background, the focus rectangle and
// the caption.
#include <algorithm>
#include <string>

#include "controls/FlatCmd/FlatCmd.h"
#include "controls/FlatCmd/FlatCmdColors.h"
#include "controls/FlatCmd/FlatCmdDrawing.h"
#include "host/values/Error.h"
#include "host/forms/Form.h"
#include "host/values/Gdi.h"
#include "host/values/Units.h"

namespace controls {

using namespace flatcmd;

namespace {

using Shade = COLORREF (*)(COLORREF colour, int step);

COLORREF Darker(COLORREF colour, int step) { return ShiftColor(colour, -step); }
COLORREF Lighter(COLORREF colour, int step) { return AddToComponents(colour, step); }

// A box outline with both corners included, as the host's Line draws it.
void Box(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour) {
    const host::gdi::Brush brush = host::gdi::SolidBrush(colour);
    const RECT r{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + 1, std::max(y1, y2) + 1};
    FrameRect(dc, &r, brush);
}

// A line, end point excluded, in a pen of its own (the host's pen stays).
void PenLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour) {
    const host::gdi::Pen pen = host::gdi::SolidPen(colour);
    const host::gdi::Selection select(dc, pen);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

// Rings n, n - 1, ..., 0 from the inside out: first every ring's box in colours
// that `boxShade` steps from c, then every ring's top and left lines in colours
// that `lineShade` steps from c; so the outermost ring gets the last step.
// Drawn straight into the image: the host's Line would invalidate the window at
// every call, a round trip to the display server each.
void DrawBevelRings(HDC dc, SIZE size, COLORREF c, int n, int step, Shade boxShade, Shade lineShade) {
    COLORREF box = c;
    for (int i = n; i >= 0; --i) {
        box = boxShade(box, step);
        Box(dc, i, i, size.cx - (i + 1), size.cy - (i + 1), box);
    }
    COLORREF line = c;
    for (int i = n; i >= 0; --i) {
        line = lineShade(line, step);
        PenLine(dc, i, i, size.cx - (i + 1), i, line);
        PenLine(dc, i, i, i, size.cy - (i + 1), line);
    }
}

// Text drawn over the face keeps the face visible between the letters.
class TransparentText {
public:
    explicit TransparentText(HDC dc) : dc_(dc), mode_(SetBkMode(dc, TRANSPARENT)) {}
    ~TransparentText() { SetBkMode(dc_, mode_); }
    TransparentText(const TransparentText&) = delete;
    TransparentText& operator=(const TransparentText&) = delete;

private:
    HDC dc_;
    int mode_;
};

}  // namespace

namespace flatcmd {

SIZE RoundedSize(const host::Surface& surface) {
    return SIZE{host::RoundToLong(surface.ScaleWidth()), host::RoundToLong(surface.ScaleHeight())};
}

std::wstring CutCaptionToCodePage(const std::wstring& caption) {
    if (caption.empty()) return {};
    const int units = static_cast<int>(caption.size());
    const int size = WideCharToMultiByte(kCaptionCodePage, 0, caption.data(), units, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(kCaptionCodePage, 0, caption.data(), units, bytes.data(), size, nullptr, nullptr);
    // Whole characters within the first `units` bytes.
    const int limit = std::min(units, size);
    int kept = 0;
    while (kept < limit) {
        const int step = IsDBCSLeadByteEx(kCaptionCodePage, static_cast<BYTE>(bytes[kept])) ? 2 : 1;
        if (kept + step > limit) break;
        kept += step;
    }
    const int length = MultiByteToWideChar(kCaptionCodePage, 0, bytes.data(), kept, nullptr, 0);
    std::wstring shown(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(kCaptionCodePage, 0, bytes.data(), kept, shown.data(), length);
    return shown;
}

}  // namespace flatcmd

// ---- The pipeline ----

// Paints the whole face in the off-screen image, which then stays as the face.
void FlatCmd::Refresh() {
    AnnouncePressed();
    SetAutoRedraw(true);
    Cls();
    ApplyStateBackColor();
    if (!prop_.noBorderEffect) DrawBorder();
    CalcLayout();
    DrawPicture();
    if (hasFocus_ && prop_.showFocusRect && !prop_.xpWinStyle) ::DrawFocusRect(hDC(), &focusRect_);
    DrawCaption();
    SetAutoRedraw(false);
}

void FlatCmd::ApplyStateBackColor() {
    if (prop_.xpWinStyle && prop_.xpStyle) return;  // the XP window face paints everything
    if (!prop_.xpStyle) {
        if (prop_.transparentBg) PaintParentBackground();
        return;
    }
    if (prop_.transparentBg && !isDown_)
        PaintParentBackground();
    else
        Surface::SetBackColor(prop_.backColor);

    const COLORREF highlight = TranslateColor(kSelectionHighlight);
    if (isDown_)
        Surface::SetBackColor(prop_.xpDefaultColors ? XPFlatPressedColor(highlight) : prop_.xpColorPressed);
    else if (isOver_)
        Surface::SetBackColor(prop_.xpDefaultColors ? XPFlatHoverColor(highlight) : prop_.xpColorHover);
}

// The part of the form's background picture that lies under the button. The
// button's place is in twips whatever scale the form's code uses. Whatever fails
// here (no form, no picture, a place too far to convert) leaves the background as
// it was.
void FlatCmd::PaintParentBackground() {
    try {
        host::Form* form = Parent();
        if (!form) return;
        const host::PicturePtr picture = form->GetPicture();
        if (PictureAbsent(picture) || picture->Type() != host::PictureType::Bitmap) return;
        const host::ScaleMode twips = host::ScaleMode::Twips;
        const int x = host::RoundToLong(host::ScaleX(Left(), twips, host::ScaleMode::Pixels));
        const int y = host::RoundToLong(host::ScaleY(Top(), twips, host::ScaleMode::Pixels));
        const SIZE size = RoundedSize(*this);
        HDC dc = hDC();
        host::gdi::MemoryDC source(dc);
        host::gdi::Selection select(source, reinterpret_cast<HBITMAP>(picture->Handle()));
        BitBlt(dc, 0, 0, size.cx, size.cy, source, x, y, SRCCOPY);
    } catch (const host::HostError&) {}
}

// ---- Borders ----

void FlatCmd::DrawBorder() {
    if (!Ambient().UserMode) {  // the look while the container is being designed
        if (prop_.xpStyle && prop_.xpWinStyle)
            DrawXPWinFace(kFaceNormal, false);
        else if (prop_.xpStyle)
            ApplyStateBackColor();
        else
            DrawRaisedBorder();
    }
    if (!prop_.xpStyle) {
        if (isDown_)
            DrawSunkenBorder();
        else if (isOver_ || prop_.raised)
            DrawRaisedBorder();
        if (Default() || (prop_.showBorderOnFocus && prop_.raised && hasFocus_ && !isDown_)) DrawDefaultFrame();
    } else if (!prop_.xpWinStyle) {
        const SIZE size = RoundedSize(*this);
        if (prop_.xpShowBorderAlways || isOver_) DrawRect(hDC(), 0, 0, size.cx, size.cy, prop_.foreColor, false);
    } else if (isDown_) {
        DrawXPWinFace(kFacePressed, false);
    } else {
        DrawXPWinFace(kFaceNormal, isOver_);
    }
}

void FlatCmd::DrawRaisedBorder() {
    if (prop_.bevel >= kFirstGradientBevel)
        DrawRaisedBevel(TranslateColor(Surface::BackColor()), prop_.bevel, prop_.bevelDepth);
    else
        DrawOnePixelBorder(host::SystemColor(kSysShadow), host::SystemColor(kSysHighlight));
}

void FlatCmd::DrawSunkenBorder() {
    if (prop_.bevel >= kFirstGradientBevel)
        DrawSunkenBevel(TranslateColor(Surface::BackColor()), prop_.bevel, prop_.bevelDepth);
    else
        DrawOnePixelBorder(host::SystemColor(kSysHighlight), host::SystemColor(kSysShadow));
}

// A frame of the whole face in `inner`, then one a pixel larger in `outer`: the
// top row and left column in `outer`, the rest of the right column and bottom row
// in `inner`.
void FlatCmd::DrawOnePixelBorder(host::OleColor inner, host::OleColor outer) {
    const SIZE size = RoundedSize(*this);
    DrawRect(hDC(), 0, 0, size.cx, size.cy, inner, false);
    DrawRect(hDC(), 0, 0, size.cx + 1, size.cy + 1, outer, false);
}

// Boxes darkening outward, then top and left lines lightening outward.
void FlatCmd::DrawRaisedBevel(COLORREF c, int n, int step) {
    DrawBevelRings(hDC(), RoundedSize(*this), c, n, step, Darker, Lighter);
}

// Boxes lightening outward, then top and left lines darkening outward.
void FlatCmd::DrawSunkenBevel(COLORREF c, int n, int step) {
    DrawBevelRings(hDC(), RoundedSize(*this), c, n, step, Lighter, Darker);
}

// The default button's frame: a second dark pixel on the right and bottom edges,
// or with a gradient bevel, a deeper raised bevel.
void FlatCmd::DrawDefaultFrame() {
    if (prop_.bevel >= kFirstGradientBevel) {
        DrawRaisedBevel(TranslateColor(Surface::BackColor()), prop_.bevel, prop_.bevelDepth + kDefaultFrameExtraDepth);
        return;
    }
    const SIZE size = RoundedSize(*this);
    DrawRect(hDC(), 0, 0, size.cx - 1, size.cy - 1, host::SystemColor(kSysShadow), false);
    DrawRect(hDC(), 0, 0, size.cx + 1, size.cy + 1, host::SystemColor(kSysHighlight), false);
}

// ---- Caption ----

// Measures the caption wrapped to the content width and centres it there.
void FlatCmd::MeasureCaption() {
    drawParams_ = DRAWTEXTPARAMS{sizeof(DRAWTEXTPARAMS), kDrawTabLength, kDrawMargin, kDrawMargin, 0};
    std::wstring shown = CutCaptionToCodePage(prop_.caption);
    DrawTextExW(hDC(), shown.data(), static_cast<int>(shown.size()), &captionRect_, kMeasureFlags, &drawParams_);
    const SIZE text{captionRect_.right - captionRect_.left, captionRect_.bottom - captionRect_.top};
    captionRect_ = CentreIn(contentRect_, text);
}

// Enabled: the caption in ForeColor. Disabled: embossed, once in the highlight
// colour a pixel right and down, then in the shadow colour.
void FlatCmd::DrawCaption() {
    if (prop_.caption.empty()) return;
    HDC dc = hDC();
    SetTextColor(dc, TranslateColor(prop_.foreColor));
    RECT r = captionRect_;
    if (isDown_) OffsetRect(&r, kPressedOffset, kPressedOffset);
    std::wstring shown = CutCaptionToCodePage(prop_.caption);
    const int length = static_cast<int>(shown.size());
    TransparentText transparent(dc);
    if (Enabled()) {
        DrawTextExW(dc, shown.data(), length, &r, kDrawFlags, &drawParams_);
        return;
    }
    const host::OleColor remembered = Surface::ForeColor();
    RECT embossed = r;
    OffsetRect(&embossed, kEmbossOffset, kEmbossOffset);
    SetTextColor(dc, GetSysColor(kSysHighlight));
    DrawTextExW(dc, shown.data(), length, &embossed, kDrawFlags, &drawParams_);
    SetTextColor(dc, GetSysColor(kSysShadow));
    DrawTextExW(dc, shown.data(), length, &r, kDrawFlags, &drawParams_);
    SetTextColor(dc, TranslateColor(remembered));
}

// ---- Drawing utilities ----

// A line in `colour`, which also becomes the host's foreground colour (its pen);
// the end point is not painted.
void FlatCmd::DrawLine(int x1, int y1, int x2, int y2, host::OleColor colour) {
    Surface::SetForeColor(colour);
    HDC dc = hDC();
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

// A filled rectangle, or a one-pixel frame inside it (right and bottom exclusive).
void FlatCmd::DrawRect(HDC hdc, int l, int t, int r, int b, host::OleColor colour, bool filled) {
    const host::gdi::Brush brush = host::gdi::SolidBrush(TranslateColor(colour));
    const RECT rect{l, t, r, b};
    if (filled)
        FillRect(hdc, &rect, brush);
    else
        FrameRect(hdc, &rect, brush);
}

}  // namespace controls
