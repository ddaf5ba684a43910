// The tab strip's painting: the geometry by style, the captions, and DrawTabs, which
// paints the strip into the control's off-screen image.
#include "controls/ctlTabs/ctlTabsPaint.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "controls/ctlTabs/ctlTabs.h"
#include "host/values/Font.h"
#include "host/values/Gdi.h"
#include "host/values/Text.h"
#include "host/values/Units.h"
#include "host/values/Variant.h"

namespace controls {

namespace tabs {

namespace {

// The selected tab's focus rectangle lies this far inside it; an inactive tab is
// filled this far inside its full rectangle.
constexpr int kFocusInset = 2;
constexpr int kInactiveInset = 1;

// Caption margins inside the full rectangle, in pixels.
constexpr double kLeftMargin = 3;
constexpr double kRightMargin = 4;
constexpr double kTopMargin = 2;
constexpr double kBottomMargin = 2;
constexpr double kCentreShift = 1;  // centred captions sit one pixel up and left

constexpr int kColumns = 3;  // CaptionPosition is row * 3 + column

constexpr UINT kTopEdges = BF_LEFT | BF_TOP | BF_RIGHT;
constexpr UINT kBottomEdges = BF_LEFT | BF_RIGHT | BF_BOTTOM;
constexpr UINT kLeftEdges = BF_LEFT | BF_TOP | BF_BOTTOM;
constexpr UINT kRightEdges = BF_TOP | BF_RIGHT | BF_BOTTOM;

// Sizes stored in a bag are not checked: positions are worked out wide and kept
// within 32 bits, so an absurd size gives an absurd picture, not an error.
LONG Saturate(int64_t v) {
    return static_cast<LONG>(
        std::clamp<int64_t>(v, std::numeric_limits<LONG>::min(), std::numeric_limits<LONG>::max()));
}

RECT Inset(const RECT& r, int d) {
    return RECT{Saturate(int64_t{r.left} + d), Saturate(int64_t{r.top} + d), Saturate(int64_t{r.right} - d),
                Saturate(int64_t{r.bottom} - d)};
}

bool KnownStyle(int16_t style) { return style >= TabsTopLeft && style <= TabsRightBottom; }
bool FlushWithFarEnd(int16_t style) {
    return style == TabsTopRight || style == TabsBottomRight || style == TabsLeftBottom || style == TabsRightBottom;
}
bool Horizontal(int16_t style) { return style <= TabsBottomRight; }

// Measures and prints captions in one font and colour, with a transparent background.
class CaptionWriter {
public:
    CaptionWriter(HDC dc, int16_t alignment)
        : dc_(dc), alignment_(alignment), mode_(SetBkMode(dc, TRANSPARENT)), colour_(GetTextColor(dc)) {}
    ~CaptionWriter() {
        SetBkMode(dc_, mode_);
        ::SetTextColor(dc_, colour_);
    }
    CaptionWriter(const CaptionWriter&) = delete;
    CaptionWriter& operator=(const CaptionWriter&) = delete;

    // As the host prints text: the first line at the position, each further one at
    // the left edge one line lower.
    void Print(const std::wstring& caption, const RECT& full, HFONT font, COLORREF colour) const {
        const host::gdi::Selection select(dc_, font);
        ::SetTextColor(dc_, colour);
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc_, &metrics);
        const std::vector<std::wstring> lines = host::SplitLines(caption);
        SIZE text{0, static_cast<LONG>(metrics.tmHeight * static_cast<LONG>(lines.size()))};
        for (const std::wstring& line : lines) text.cx = std::max(text.cx, Extent(line).cx);
        const Origin at = CaptionOrigin(full, text, alignment_);
        int x = static_cast<int>(std::lround(at.x)), y = static_cast<int>(std::lround(at.y));
        for (const std::wstring& line : lines) {
            TextOutW(dc_, x, y, line.c_str(), static_cast<int>(line.size()));
            x = 0;
            y += metrics.tmHeight;
        }
    }

private:
    SIZE Extent(const std::wstring& line) const {
        SIZE s{};
        GetTextExtentPoint32W(dc_, line.c_str(), static_cast<int>(line.size()), &s);
        return s;
    }
    HDC dc_;
    int16_t alignment_;
    int mode_;
    COLORREF colour_;
};

}  // namespace

COLORREF DrawnColour(host::OleColor colour) { return host::TranslatedColor(colour).value_or(RGB(0, 0, 0)); }

RECT ContainerRect(const Look& look) {
    RECT r{0, 0, look.size.cx, look.size.cy};
    switch (look.style) {
    case TabsTopLeft:
    case TabsTopRight: r.top = look.tabHeight; break;
    case TabsBottomLeft:
    case TabsBottomRight: r.bottom = Saturate(int64_t{look.size.cy} - look.tabHeight); break;
    case TabsLeftTop:
    case TabsLeftBottom: r.left = look.tabWidth; break;
    case TabsRightTop:
    case TabsRightBottom: r.right = Saturate(int64_t{look.size.cx} - look.tabWidth); break;
    default: break;
    }
    return r;
}

RECT FullTabRect(const Look& look, int i) {
    const int64_t W = look.tabWidth, H = look.tabHeight, w = look.size.cx, h = look.size.cy;
    const int64_t before = i - 1;  // tabs before this one
    int64_t left = 0, top = 0;
    if (KnownStyle(look.style)) {
        // Along the strip: from the start, or so that the last tab ends at the far edge.
        const int64_t along = Horizontal(look.style) ? W : H;
        const int64_t length = Horizontal(look.style) ? w : h;
        const int64_t run =
            FlushWithFarEnd(look.style) ? length - look.tabs * along + before * along - 1 : before * along;
        // Across it: at the near edge, or one pixel into the far one.
        switch (look.style) {
        case TabsTopLeft:
        case TabsTopRight: left = run; break;
        case TabsBottomLeft:
        case TabsBottomRight:
            left = run;
            top = h - H - 1;
            break;
        case TabsLeftTop:
        case TabsLeftBottom: top = run; break;
        default:
            left = w - W - 1;
            top = run;
            break;
        }
    }
    return RECT{Saturate(left), Saturate(top), Saturate(left + W + 1), Saturate(top + H + 1)};
}

UINT EdgeSides(int16_t style) {
    switch (style) {
    case TabsTopLeft:
    case TabsTopRight: return kTopEdges;
    case TabsBottomLeft:
    case TabsBottomRight: return kBottomEdges;
    case TabsLeftTop:
    case TabsLeftBottom: return kLeftEdges;
    case TabsRightTop:
    case TabsRightBottom: return kRightEdges;
    default: return 0;
    }
}

// Worked out in floating point; the fractions stay until the text is printed.
Origin CaptionOrigin(const RECT& full, SIZE text, int16_t alignment) {
    if (alignment < CaptionTopLeft || alignment > CaptionBottomRight) alignment = CaptionMiddleCenter;
    const double L = full.left, T = full.top, R = full.right, B = full.bottom;
    const double tw = text.cx, th = text.cy;
    double x = 0, y = 0;
    switch (alignment % kColumns) {
    case 0: x = L + kLeftMargin; break;
    case 1: x = L + (R - L) / 2 - tw / 2 - kCentreShift; break;
    default: x = R - tw - kRightMargin; break;
    }
    switch (alignment / kColumns) {
    case 0: y = T + kTopMargin; break;
    case 1: y = T + (B - T) / 2 - th / 2 - kCentreShift; break;
    default: y = B - th - kBottomMargin; break;
    }
    return Origin{static_cast<float>(x), static_cast<float>(y)};
}

std::vector<RECT> PaintTabs(HDC dc, const Look& look) {
    const host::gdi::Brush back = host::gdi::SolidBrush(look.back);
    const host::gdi::Brush inactive = host::gdi::SolidBrush(look.tab);
    const host::gdi::Brush active = host::gdi::SolidBrush(look.tabActive);
    const host::gdi::FontHandle font(host::CreateFontFor(*look.font));
    const host::gdi::FontHandle fontActive(host::CreateFontFor(*look.fontActive));

    const RECT all{0, 0, look.size.cx, look.size.cy};
    FillRect(dc, &all, back);
    RECT container = ContainerRect(look);
    FillRect(dc, &container, active);
    DrawEdge(dc, &container, BDR_RAISEDINNER, BF_RECT);

    const CaptionWriter writer(dc, look.captionAlignment);
    const UINT sides = EdgeSides(look.style);
    std::vector<RECT> hits;
    hits.reserve(static_cast<size_t>(std::max<int16_t>(look.tabs, 0)));
    for (int i = 1; i <= look.tabs; ++i) {
        RECT full = FullTabRect(look, i);
        const bool selected = i == look.selected;
        if (selected) {
            FillRect(dc, &full, active);
            if (sides) DrawEdge(dc, &full, BDR_RAISEDINNER, sides);
            hits.push_back(full);
            if (look.focusRect) {
                const RECT focus = Inset(full, kFocusInset);
                DrawFocusRect(dc, &focus);
            }
        } else {
            hits.push_back(Inset(full, kInactiveInset));
            FillRect(dc, &hits.back(), inactive);
        }
        const size_t index = static_cast<size_t>(i - 1);
        const std::wstring& caption = index < look.captions->size() ? (*look.captions)[index] : std::wstring();
        writer.Print(caption, full, selected ? fontActive : font, selected ? look.textActive : look.text);
    }
    return hits;
}

}  // namespace tabs

// The whole strip, painted into the off-screen image that the window shows.
void ctlTabs::DrawTabs() {
    tabRects_.clear();
    const tabs::Look look{
        .size = SIZE{host::RoundToLong(Width() / host::Screen::TwipsPerPixelX()),
                     host::RoundToLong(Height() / host::Screen::TwipsPerPixelY())},
        .tabWidth = prop_.tabsWidth,
        .tabHeight = prop_.tabsHeight,
        .tabs = prop_.tabs,
        .selected = prop_.selectedTab,
        .style = prop_.style,
        .captionAlignment = prop_.captionAlignment,
        .focusRect = prop_.useFocusRect && hasFocus_,
        .captions = &prop_.captions,
        .font = prop_.tabFont.get(),
        .fontActive = prop_.tabFontActive.get(),
        .back = tabs::DrawnColour(Ambient().BackColor),
        .tab = tabs::DrawnColour(prop_.tabColor),
        .tabActive = tabs::DrawnColour(prop_.tabColorActive),
        .text = tabs::DrawnColour(prop_.textColor),
        .textActive = tabs::DrawnColour(prop_.textColorActive),
    };
    SetAutoRedraw(true);
    tabRects_ = tabs::PaintTabs(hDC(), look);
    SetAutoRedraw(false);
}

}  // namespace controls
