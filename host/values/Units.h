#pragma once
// Lengths: twips unless a surface switches its scale; 15 twips a pixel at 96 dpi.
namespace host {

enum class ScaleMode : int {
    User = 0,
    Twips = 1,
    Points = 2,
    Pixels = 3,
    Characters = 4,
    Inches = 5,
    Millimeters = 6,
    Centimeters = 7,
    Himetric = 8
};

struct Screen {
    static double TwipsPerPixelX();
    static double TwipsPerPixelY();
    // Pixels in a logical inch across and down the screen (read once).
    static int PixelsPerInchX();
    static int PixelsPerInchY();
};

// Twips in one unit of `mode` along x (horizontal) or y.
double TwipsPerUnit(ScaleMode mode, bool horizontal);
// ScaleX/ScaleY: converts a length between modes (error 5 for User or an unknown mode).
double ScaleX(double value, ScaleMode from, ScaleMode to);
double ScaleY(double value, ScaleMode from, ScaleMode to);
ScaleMode ToScaleMode(int value);  // error 380 for a value outside 0..8

int TwipsToPixelsX(double twips);
int TwipsToPixelsY(double twips);
double PixelsToTwipsX(double pixels);
double PixelsToTwipsY(double pixels);

}  // namespace host
