#pragma once
// The tab strip's picture as a function of its state: the geometry of the
// container area and of each tab by style, where a caption goes in its tab, and
// painting a whole strip onto any device context.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "host/values/Color.h"
#include "host/values/Font.h"

namespace controls::tabs {

// What one paint needs; colours are already RGB.
struct Look {
    SIZE size{};  // the control in pixels
    int32_t tabWidth = 0;
    int32_t tabHeight = 0;
    int16_t tabs = 0;
    int16_t selected = 0;  // outside 1 to tabs: every tab paints inactive
    int16_t style = 0;
    int16_t captionAlignment = 0;
    bool focusRect = false;                               // a focus rectangle in the selected tab
    const std::vector<std::wstring>* captions = nullptr;  // one per tab
    const host::Font* font = nullptr;
    const host::Font* fontActive = nullptr;
    COLORREF back = 0;
    COLORREF tab = 0;
    COLORREF tabActive = 0;
    COLORREF text = 0;
    COLORREF textActive = 0;
};

// The area outside the strip. An unknown style leaves the whole control.
RECT ContainerRect(const Look& look);
// Tab i's full rectangle (right and bottom exclusive), from 1. Neighbours share one
// column or row. Positions past 32 bits saturate.
RECT FullTabRect(const Look& look, int i);
// The sides of the selected tab's edge (BF_ flags); none for an unknown style.
UINT EdgeSides(int16_t style);
// Where a caption of `text` pixels starts in a tab's full rectangle. An unknown
// alignment places it as the middle centre.
struct Origin {
    float x, y;
};
Origin CaptionOrigin(const RECT& full, SIZE text, int16_t alignment);

// Paints the whole strip into `dc` and gives each tab's hit rectangle: the full
// rectangle of the selected tab, the inset fill of the others.
std::vector<RECT> PaintTabs(HDC dc, const Look& look);

// An OLE colour as RGB; one that cannot be translated draws black.
COLORREF DrawnColour(host::OleColor colour);

}  // namespace controls::tabs
