#include "Canvas.h"

#include <stdexcept>

namespace {

// Samples per pixel along each axis; 8 x 8 gives smooth edges on small pictures.
constexpr int kSamplesPerAxis = 8;

}  // namespace

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * static_cast<size_t>(height)) {
    if (width <= 0 || height <= 0) {
        throw std::invalid_argument("a picture needs a positive size");
    }
}

Colour Canvas::At(int x, int y) const { return pixels_.at(static_cast<size_t>(y) * width_ + x); }

void Canvas::Set(int x, int y, Colour c) { pixels_.at(static_cast<size_t>(y) * width_ + x) = c; }

Canvas Render(int width, int height, const Shader& shader) {
    Canvas canvas(width, height);
    constexpr double step = 1.0 / kSamplesPerAxis;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            // Averaged with alpha weighting, so transparent samples add no colour.
            Colour sum{0.0, 0.0, 0.0, 0.0};
            for (int sy = 0; sy < kSamplesPerAxis; ++sy) {
                for (int sx = 0; sx < kSamplesPerAxis; ++sx) {
                    const Colour c = shader(x + (sx + 0.5) * step, y + (sy + 0.5) * step);
                    sum.r += c.r * c.a;
                    sum.g += c.g * c.a;
                    sum.b += c.b * c.a;
                    sum.a += c.a;
                }
            }
            const double samples = kSamplesPerAxis * kSamplesPerAxis;
            canvas.Set(x, y,
                       sum.a > 0.0 ? Colour{sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, sum.a / samples}
                                   : Colour{0.0, 0.0, 0.0, 0.0});
        }
    }
    return canvas;
}

Canvas Crop(const Canvas& source, int left, int top, int width, int height) {
    Canvas part(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            part.Set(x, y, source.At(left + x, top + y));
        }
    }
    return part;
}

void Paste(Canvas& base, const Canvas& picture, int left, int top) {
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            base.Set(left + x, top + y, Over(base.At(left + x, top + y), picture.At(x, y)));
        }
    }
}
