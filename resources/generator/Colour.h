#pragma once

// A colour with channels from 0 to 1. Alpha is opacity; pictures without
// transparency keep it at 1.
struct Colour {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
    double a = 1.0;
};

// An opaque colour from 8-bit channels.
constexpr Colour Rgb(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0, 1.0}; }

// Straight blend from `from` (t = 0) to `to` (t = 1), alpha included; t is clamped.
Colour Mix(Colour from, Colour to, double t);

// `above` painted over `below` with the given extra opacity.
Colour Over(Colour below, Colour above, double opacity = 1.0);

// The colour with its red, green and blue multiplied by `factor` (clamped to 1).
Colour Scaled(Colour c, double factor);

// The colour moved towards its own grey by `amount` (0 keeps it, 1 is grey).
Colour Desaturated(Colour c, double amount);

// Perceived brightness, 0 to 1 (Rec. 601 weights, as GDI-era code uses).
double Luminance(Colour c);
