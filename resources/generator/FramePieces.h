#pragma once

#include "Canvas.h"

// The eight pictures a skinned window is framed with. The middle of the title
// bar and the borders are stretched along one axis and are uniform along it.
enum class FramePiece {
    TitleLeft,          // 40 x 28, with the program's emblem
    TitleMiddle,        // 67 x 28, stretched horizontally
    TitleRight,         // 89 x 28, with the green socket of the title-bar button
    BorderLeft,         // 5 x 102, stretched vertically
    BorderRight,        // 5 x 139, stretched vertically
    CornerBottomLeft,   // 5 x 4
    BorderBottom,       // 132 x 4, stretched horizontally
    CornerBottomRight,  // 5 x 4
};

Canvas DrawFramePiece(FramePiece piece);
