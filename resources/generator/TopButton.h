#pragma once

#include "Canvas.h"

// The round 19 x 19 buttons of the title bar, sitting in the bar's green socket.

inline constexpr int kTopButtonSize = 19;
inline constexpr int kTopButtonGlyphs = 4;

enum class ButtonLook { Normal, Pressed, Disabled };

// The button for a glyph value: 0 a cross on red, 1 and 3 a bar on blue,
// 2 a square on blue; each on the socket green.
Canvas DrawTopButton(int glyph, ButtonLook look);
