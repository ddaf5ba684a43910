#include "TopButton.h"

#include "Palette.h"
#include "Shapes.h"

#include <stdexcept>

namespace {

constexpr Point kCentre = {kTopButtonSize / 2.0, kTopButtonSize / 2.0};
constexpr double kRadius = 8.6;
constexpr double kRimWidth = 1.1;
// Where the light falls on a raised button, and on a pushed-in one.
constexpr Point kRaisedLight = {7.0, 5.0};
constexpr Point kSunkenLight = {12.0, 14.0};
constexpr double kShadingReach = 15.0;
constexpr double kPressedDarkening = 0.76;
constexpr double kDisabledDesaturation = 0.6;
constexpr double kDisabledWashing = 0.55;
// A soft white reflection over the upper half of the button.
constexpr Point kGlossCentre = {kCentre.x, 6.0};
constexpr double kGlossRadiusX = 5.9;
constexpr double kGlossRadiusY = 3.9;
constexpr double kGlossOpacity = 0.5;
constexpr double kPressedGlossOpacity = 0.2;
constexpr double kGlyphShadowOffset = 1.0;
constexpr double kGlyphShadowOpacity = 0.35;
constexpr double kDisabledGlyphShadowOpacity = 0.12;
constexpr double kCrossHalfStroke = 1.05;
constexpr double kCrossReach = 3.0;
constexpr Box kBar = {6.0, 9.0, 13.0, 11.0};
constexpr Box kSquare = {6.0, 6.0, 13.0, 13.0};
constexpr Box kSquareInside = {7.0, 8.0, 12.0, 12.0};

struct ButtonColours {
    Colour light;
    Colour dark;
    Colour rim;
};

enum class Glyph { Cross, Bar, Square };

Glyph GlyphOf(int value) {
    switch (value) {
    case 0: return Glyph::Cross;
    case 1:
    case 3: return Glyph::Bar;
    case 2: return Glyph::Square;
    default: throw std::out_of_range("title-bar button glyphs are numbered 0 to 3");
    }
}

bool InGlyph(Glyph glyph, Point p) {
    switch (glyph) {
    case Glyph::Cross: {
        const double lo = kCentre.x - kCrossReach;
        const double hi = kCentre.x + kCrossReach;
        return NearSegment(p, {lo, lo}, {hi, hi}, kCrossHalfStroke) ||
               NearSegment(p, {hi, lo}, {lo, hi}, kCrossHalfStroke);
    }
    case Glyph::Bar: return InBox(p, kBar);
    case Glyph::Square: return InBox(p, kSquare) && !InBox(p, kSquareInside);
    }
    return false;
}

// How a look changes the button's own colours (the surround never changes).
Colour InLook(Colour c, ButtonLook look) {
    switch (look) {
    case ButtonLook::Normal: return c;
    case ButtonLook::Pressed: return Scaled(c, kPressedDarkening);
    case ButtonLook::Disabled: return Mix(Desaturated(c, kDisabledDesaturation), kDisabledWash, kDisabledWashing);
    }
    return c;
}

Colour GlossOver(Colour body, Point p, ButtonLook look) {
    if (look == ButtonLook::Disabled || !InEllipse(p, kGlossCentre, kGlossRadiusX, kGlossRadiusY)) {
        return body;
    }
    // Strongest at the top of the reflection, fading out downwards.
    const double fade = 1.0 - (p.y - (kGlossCentre.y - kGlossRadiusY)) / (2.0 * kGlossRadiusY);
    const double opacity = look == ButtonLook::Pressed ? kPressedGlossOpacity : kGlossOpacity;
    return Over(body, kGloss, opacity * fade);
}

Colour ButtonPixel(Point p, Glyph glyph, const ButtonColours& colours, ButtonLook look) {
    const double fromCentre = Distance(p, kCentre);
    if (fromCentre > kRadius) {
        return kSocketGreen;
    }
    if (fromCentre > kRadius - kRimWidth) {
        return InLook(colours.rim, look);
    }
    const Point light = look == ButtonLook::Pressed ? kSunkenLight : kRaisedLight;
    Colour c = GlossOver(InLook(Mix(colours.light, colours.dark, Distance(p, light) / kShadingReach), look), p, look);
    if (InGlyph(glyph, {p.x, p.y - kGlyphShadowOffset})) {
        c = Over(c, kGlyphShadow, look == ButtonLook::Disabled ? kDisabledGlyphShadowOpacity : kGlyphShadowOpacity);
    }
    return InGlyph(glyph, p) ? kGlyphWhite : c;
}

}  // namespace

Canvas DrawTopButton(int value, ButtonLook look) {
    const Glyph glyph = GlyphOf(value);
    const ButtonColours colours = value == 0 ? ButtonColours{kRedButtonLight, kRedButtonDark, kRedButtonRim}
                                             : ButtonColours{kBlueButtonLight, kBlueButtonDark, kBlueButtonRim};
    return Render(kTopButtonSize, kTopButtonSize, [&](double x, double y) {
        return ButtonPixel({x, y}, glyph, colours, look);
    });
}
