#include "OptionButton.h"

#include "Palette.h"
#include "Shapes.h"

#include <cmath>
#include <optional>
#include <stdexcept>

namespace {

constexpr Point kCentre = {kOptionImageSize / 2.0, kOptionImageSize / 2.0};
constexpr double kOuterRadius = kOptionImageSize / 2.0;
constexpr double kFillRadius = kOuterRadius - 1.0;      // inside a ring one pixel wide
constexpr double kBandInnerRadius = kFillRadius - 2.0;  // the hover band is two pixels wide
constexpr double kDotRadius = 2.5;                      // five pixels across
constexpr int kLooks = 4;

// From `from` at the upper left to `to` at the lower right.
struct Gradient {
    Colour from;
    Colour to;
};

struct Look {
    Gradient ring;
    Gradient fill;
    std::optional<Gradient> band;
    Gradient dot;
};

constexpr Gradient kPlainRing = {kOptionRing, kOptionRing};
constexpr Gradient kGreenDot = {kOptionDotTop, kOptionDotBottom};

// Indexed like the images: normal, hovering, pressed, disabled.
const Look kLookOf[kLooks] = {
    {kPlainRing, {kOptionFillLight, kOptionFillDark}, std::nullopt, kGreenDot},
    {kPlainRing,
     {kOptionHoverCentre, kOptionHoverCentre},
     Gradient{kOptionHoverBandTop, kOptionHoverBandBottom},
     kGreenDot},
    {kPlainRing, {kOptionPressedTop, kOptionPressedBottom}, std::nullopt, kGreenDot},
    {{kOptionDisabledRingTop, kOptionDisabledRingBottom},
     {kOptionDisabledFillTop, kOptionDisabledFillBottom},
     std::nullopt,
     {kOptionDisabledDot, kOptionDisabledDot}},
};

// The colour of a gradient laid diagonally across a disc of `radius` around the centre.
Colour Across(const Gradient& gradient, Point p, double radius) {
    const double along = ((p.x - kCentre.x) + (p.y - kCentre.y)) / std::sqrt(2.0);
    return Mix(gradient.from, gradient.to, (along + radius) / (2.0 * radius));
}

Colour OptionPixel(Point p, const Look& look, bool selected) {
    const double fromCentre = Distance(p, kCentre);
    if (fromCentre > kOuterRadius) {
        return kOptionSurround;
    }
    if (fromCentre > kFillRadius) {
        return Across(look.ring, p, kOuterRadius);
    }
    if (selected && fromCentre <= kDotRadius) {
        return Across(look.dot, p, kDotRadius);
    }
    if (look.band && fromCentre > kBandInnerRadius) {
        return Across(*look.band, p, kFillRadius);
    }
    return Across(look.fill, p, kFillRadius);
}

}  // namespace

Canvas DrawOptionState(int index) {
    if (index < 0 || index >= kOptionImageCount) {
        throw std::out_of_range("option button images are numbered 0 to 7");
    }
    const Look& look = kLookOf[index % kLooks];
    const bool selected = index >= kLooks;
    return Render(kOptionImageSize, kOptionImageSize, [&](double x, double y) {
        return OptionPixel({x, y}, look, selected);
    });
}
