#pragma once
// The option button's colours, measures (twips in the control) and state images,
// kept in one place.
#include <cstdint>

#include "host/values/Color.h"

namespace controls::options_look {

// State images by look; a selected button shows the same look kSelected further on.
inline constexpr int kNormalImage = 0;
inline constexpr int kHoverImage = 1;
inline constexpr int kPressedImage = 2;
inline constexpr int kDisabledImage = 3;
inline constexpr int kSelected = 4;
// A hover index that no look of the moment matches, so the hover look goes on again.
inline constexpr int kNoHoverImage = 7;

inline constexpr host::OleColor kDisabledCaption = 0x80000011;  // the system's grey text
inline constexpr host::OleColor kDefaultBackColor = host::kButtonFace;
inline constexpr host::OleColor kDefaultForeColor = 0;

inline constexpr wchar_t kDefaultCaption[] = L"Option1";

inline constexpr double kStateImageSide = 195;  // the 13 pixel image
inline constexpr double kIconLeft = 330;
inline constexpr double kInitialIconLeft = 240;
inline constexpr double kCaptionLeftWithoutIcon = 330;
inline constexpr double kIconToCaption = 100;
// With an icon the state image sits a little below the middle.
inline constexpr double kStateImageDropWithIcon = 10;

inline constexpr int32_t kHoverPollMilliseconds = 50;
inline constexpr int16_t kSpace = 32;
inline constexpr int16_t kLeftButton = 1;

}  // namespace controls::options_look
