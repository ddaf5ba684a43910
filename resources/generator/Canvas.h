#pragma once

#include "Colour.h"

#include <functional>
#include <vector>

// A picture held as one colour per pixel, row 0 at the top.
class Canvas {
public:
    Canvas(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Colour At(int x, int y) const;
    void Set(int x, int y, Colour c);

private:
    int width_;
    int height_;
    std::vector<Colour> pixels_;
};

// The colour of a picture at a point; pixel (i, j) covers [i, i+1) x [j, j+1).
using Shader = std::function<Colour(double x, double y)>;

// Draws a width x height picture by averaging the shader over a grid of
// points inside each pixel, which anti-aliases every edge the shader has.
Canvas Render(int width, int height, const Shader& shader);

// The part of `source` that starts at (left, top) and is width x height.
Canvas Crop(const Canvas& source, int left, int top, int width, int height);

// `picture` painted over `base` with its top-left corner at (left, top).
void Paste(Canvas& base, const Canvas& picture, int left, int top);
