#pragma once

#include "Canvas.h"

// The 13 x 13 state images of the option button: a round ring on white.

inline constexpr int kOptionImageSize = 13;
inline constexpr int kOptionImageCount = 8;

// Image 0 to 3: not selected, in the normal, hovering, pressed and disabled
// looks; 4 to 7: the same looks selected, with a dot in the middle.
Canvas DrawOptionState(int index);
