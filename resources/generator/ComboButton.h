#pragma once

#include "Canvas.h"

// The 17 x 16 drop button of the skinned combo box: a downward chevron on a
// square face, in four looks.

inline constexpr int kComboButtonWidth = 17;
inline constexpr int kComboButtonHeight = 16;

enum class ComboButtonLook { Normal, Hover, Pressed, Disabled };

Canvas DrawComboButton(ComboButtonLook look);
