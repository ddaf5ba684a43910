#pragma once
// The frame's colours and measures (twips in the frame), kept in one place.
#include <windows.h>

#include "host/values/Color.h"

namespace controls::frame_look {

inline constexpr host::OleColor kDarkOutline = RGB(75, 75, 75);
inline constexpr host::OleColor kLightOutline = RGB(255, 255, 255);
inline constexpr host::OleColor kCaptionText = RGB(0, 0, 0);
inline constexpr host::OleColor kDisabledCaption = RGB(153, 153, 153);
// What a caption coloured through ForeColor shows while the frame is disabled.
inline constexpr host::OleColor kDisabledForeColor = RGB(161, 161, 146);
inline constexpr host::OleColor kBackground = host::kButtonFace;

inline constexpr wchar_t kInitialCaption[] = L"Frame";
inline constexpr double kInitialCaptionLeft = 600;
inline constexpr double kInitialCaptionTop = 120;

// The icon's place; without an icon the caption starts where the icon would.
inline constexpr double kIconLeft = 240;
inline constexpr double kIconTop = 70;
inline constexpr double kCaptionTop = 100;
inline constexpr double kIconToCaption = 30;

// Heights of the top edge's lines. A frame with neither caption nor icon needs no
// room above its top edge, so the edge moves up.
struct TopEdge {
    double dark;        // dark top line, and where the dark sides start
    double light;       // light top line
    double lightLeft;   // where the light left line starts, just under the light top
    double lightRight;  // where the light right line ends, just over the dark top
};
inline constexpr TopEdge kCaptionedTop{200, 215, 225, 190};
inline constexpr TopEdge kBareTop{100, 115, 115, 90};

// The top edge breaks from here to just right of the caption.
inline constexpr double kGapLeft = 210;
inline constexpr double kGapRightPad = 10;
// Insets of the lines from the frame's outer edges.
inline constexpr double kLightLeftX = 9;
inline constexpr double kLightTopLeftX = 10;
inline constexpr double kLightInset = 10;  // light right and bottom lines
inline constexpr double kDarkInset = 30;   // dark right and bottom lines; the light left line's foot
inline constexpr double kDarkTopRightInset = 20;
inline constexpr double kLightTopRightInset = 30;

}  // namespace controls::frame_look
