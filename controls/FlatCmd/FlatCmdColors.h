#pragma once
// Colour arithmetic of the flat button, and the named colours and sizes its
// painting uses. Free functions so that they can be checked on worked values.
#include <windows.h>

#include "host/values/Color.h"

namespace controls::flatcmd {

// ---- System colours (GetSysColor indexes) -------------------------------------
inline constexpr int kSysShadow = COLOR_BTNSHADOW;                                         // 16
inline constexpr int kSysHighlight = COLOR_BTNHIGHLIGHT;                                   // 20
inline constexpr int kSysDarkShadow = COLOR_3DDKSHADOW;                                    // 21
inline constexpr host::OleColor kSelectionHighlight = host::SystemColor(COLOR_HIGHLIGHT);  // 13

// ---- Sizes (pixels) ------------------------------------------------------------
inline constexpr int kContentInsetTopLeft = 4;      // content area starts 4 pixels in
inline constexpr int kContentInsetBottomRight = 3;  // and ends 3 pixels before the far edges
inline constexpr int kPictureGap = 4;               // between picture and caption
inline constexpr int kPressedOffset = 1;            // pressed caption and picture move right and down
inline constexpr int kEmbossOffset = 1;             // highlight copy of a disabled caption
inline constexpr int kDefaultFrameExtraDepth = 3;   // the default frame's bevel is 3 steps deeper

// ---- Borders --------------------------------------------------------------------
inline constexpr int kFirstGradientBevel = 2;  // BEVEL 0 and 1 draw the one-pixel border

// ---- XP window face --------------------------------------------------------------
inline constexpr int kFaceNormal = 0;
inline constexpr int kFacePressed = 2;
inline constexpr int kFaceLift = 48;              // the face's base is BackColor lifted by this
inline constexpr int kPressedBaseShift = -32;     // and the pressed face's base lowered again
inline constexpr int kNormalGradientDepth = 25;   // the normal face darkens downward by up to this
inline constexpr int kPressedGradientDepth = 15;  // the pressed face darkens upward by up to this
inline constexpr int kDisabledFillShift = -24;
inline constexpr int kDisabledEdgeShift = -84;
inline constexpr int kDisabledCornerShift = -72;
inline constexpr int kSysFaceFrame = kSysDarkShadow;  // frame and corner pixels of the enabled face

// ---- Caption ---------------------------------------------------------------------
inline constexpr UINT kCaptionCodePage = 936;  // captions are measured and drawn as GB2312 bytes
inline constexpr UINT kMeasureFlags = DT_CALCRECT | DT_WORDBREAK | DT_VCENTER | DT_CENTER;  // 0x415
inline constexpr UINT kDrawFlags = DT_WORDBREAK | DT_VCENTER | DT_CENTER;                   // 0x15
inline constexpr int kDrawTabLength = 1;
inline constexpr int kDrawMargin = 1;

// ---- Picture copies ----------------------------------------------------------------
inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kIconTransparent = RGB(0, 0, 0);  // a greyed icon is drawn on black

// ---- XP flat look: offsets added to the highlight colour's components --------------
struct ComponentOffsets {
    int red, green, blue;
};
inline constexpr ComponentOffsets kXPFlatHoverOffsets{171, 154, 108};
inline constexpr ComponentOffsets kXPFlatPressedOffsets{156, 139, 108};

// ---- Colour functions ----------------------------------------------------------------
struct Components {
    int red, green, blue;
};

// A plain RGB value (0..0xFFFFFF) stays; any other value names the system colour
// of its low 24 bits.
COLORREF TranslateColor(host::OleColor colour);
// The three components of an RGB value.
Components SplitColor(COLORREF colour);
// Red and green move by `amount`, blue by amount/192 of itself; each clamped to 0..255.
COLORREF ShiftColor(COLORREF colour, int amount);
// Adds per-component offsets, each result clamped to 0..255.
COLORREF AddToComponents(COLORREF colour, ComponentOffsets offsets);
// Adds the same amount to all three components (the bevels' lighter rings).
COLORREF AddToComponents(COLORREF colour, int amount);
// XP flat look: the backgrounds derived from the selection highlight colour.
COLORREF XPFlatHoverColor(COLORREF highlight);
COLORREF XPFlatPressedColor(COLORREF highlight);

}  // namespace controls::flatcmd
