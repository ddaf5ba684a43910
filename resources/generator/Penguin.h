#pragma once

#include "Colour.h"
#include "Shapes.h"

// A small cartoon penguin: black body, white belly and eyes, orange beak and
// feet. It fills a 16 x 20 box with its top-left corner at the origin.
inline constexpr double kPenguinWidth = 16.0;
inline constexpr double kPenguinHeight = 20.0;

// The penguin's colour at a point of its box over the given background.
Colour PenguinPixel(Point p, Colour background);
