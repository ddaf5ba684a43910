#pragma once
// The combo box's colours, pictures and measures (twips in the control), kept in
// one place.
#include <windows.h>

#include "host/values/Color.h"

namespace controls::combo_look {

inline constexpr host::OleColor kFieldBack = RGB(255, 255, 255);
inline constexpr host::OleColor kFieldFore = 0x80000008;  // system colour: window text
inline constexpr host::OleColor kOutline = RGB(127, 157, 185);
inline constexpr host::OleColor kDisabledOutline = RGB(192, 192, 192);

inline constexpr wchar_t kInitialText[] = L"0";
inline constexpr wchar_t kListDesignText[] = L"Combo1";

// The drop button's pictures, by their place in the img array.
enum Picture { kNormal = 0, kHover = 1, kPressed = 2, kDisabled = 3 };
inline constexpr int kPictureCount = 4;
// Where the pictures are kept, below the control's height and out of sight.
inline constexpr double kStoreLeft = 150;
inline constexpr double kStoreTops[kPictureCount] = {900, 1170, 1470, 1800};
inline constexpr double kButtonWidth = 255;  // 17 x 16 pixels
inline constexpr double kButtonHeight = 240;

// The control keeps one height and a least width.
inline constexpr double kHeight = 300;
inline constexpr double kMinWidth = 400;
// The white panel reaches below the control so that it covers all of it.
inline constexpr double kPanelHeight = 465;
inline constexpr double kButtonTop = 30;
inline constexpr double kButtonFromRight = 285;
inline constexpr double kTextLeft = 75;
inline constexpr double kTextTop = 90;
inline constexpr double kTextHeight = 180;
inline constexpr double kTextWidthLess = 375;  // the text area is this much narrower than the control
// The list sits just under the control's top, so that it drops just below it.
inline constexpr double kListTop = 10;
inline constexpr double kListHeight = 300;
// Above this size (points) the text area rises one pixel per point.
inline constexpr double kPlainFontSize = 8;
inline constexpr double kRisePerPoint = 15;

}  // namespace controls::combo_look
