#pragma once

#include "Canvas.h"

// The skinned frame of a borderless window: a title bar on top, borders on
// the other three sides. The title-bar and border pieces are cut from one
// drawn frame, so their lines meet wherever the pieces are placed.

inline constexpr int kTitleBarHeight = 28;
inline constexpr int kSideBorderWidth = 5;
inline constexpr int kBottomBorderHeight = 4;

// A whole frame of the given size; pixels inside the inner line are unused.
Canvas DrawFrame(int width, int height);
