#include "Colour.h"

#include <algorithm>

namespace {

double Lerp(double from, double to, double t) { return from + (to - from) * t; }

}  // namespace

Colour Mix(Colour from, Colour to, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return {Lerp(from.r, to.r, t), Lerp(from.g, to.g, t), Lerp(from.b, to.b, t), Lerp(from.a, to.a, t)};
}

Colour Over(Colour below, Colour above, double opacity) {
    const double a = std::clamp(above.a * opacity, 0.0, 1.0);
    const double outA = a + below.a * (1.0 - a);
    if (outA <= 0.0) {
        return {0.0, 0.0, 0.0, 0.0};
    }
    auto channel = [&](double lower, double upper) { return (upper * a + lower * below.a * (1.0 - a)) / outA; };
    return {channel(below.r, above.r), channel(below.g, above.g), channel(below.b, above.b), outA};
}

Colour Scaled(Colour c, double factor) {
    auto channel = [factor](double v) { return std::clamp(v * factor, 0.0, 1.0); };
    return {channel(c.r), channel(c.g), channel(c.b), c.a};
}

Colour Desaturated(Colour c, double amount) {
    const double grey = Luminance(c);
    return Mix(c, {grey, grey, grey, c.a}, amount);
}

double Luminance(Colour c) { return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b; }
