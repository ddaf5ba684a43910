#pragma once

#include "Canvas.h"
#include "Shapes.h"

#include <string>

// How much of each pixel a line of GDI text covers (the alpha of the result;
// its colour is white). The text is centred in `area` of a width x height
// picture. Throws std::runtime_error if the face lacks one of the characters
// or the text does not fit the area.
Canvas DrawTextMask(const std::wstring& text, const std::wstring& face, int pixelHeight, int width, int height,
                    const Box& area);
