#include "host/values/Units.h"

#include <windows.h>

#include <cmath>

#include "host/values/Error.h"

namespace host {

namespace {
double TwipsPerPixel(int capability) {
    static const int dpiX = [] {
        HDC dc = GetDC(nullptr);
        int v = GetDeviceCaps(dc, LOGPIXELSX);
        ReleaseDC(nullptr, dc);
        return v;
    }();
    static const int dpiY = [] {
        HDC dc = GetDC(nullptr);
        int v = GetDeviceCaps(dc, LOGPIXELSY);
        ReleaseDC(nullptr, dc);
        return v;
    }();
    int dpi = capability == LOGPIXELSX ? dpiX : dpiY;
    return 1440.0 / (dpi > 0 ? dpi : 96);
}

constexpr double kTwipsPerInch = 1440.0;
constexpr double kTwipsPerCharX = 120.0;
constexpr double kTwipsPerCharY = 240.0;
}  // namespace

double Screen::TwipsPerPixelX() { return TwipsPerPixel(LOGPIXELSX); }
double Screen::TwipsPerPixelY() { return TwipsPerPixel(LOGPIXELSY); }

double TwipsPerUnit(ScaleMode mode, bool horizontal) {
    switch (mode) {
    case ScaleMode::Twips: return 1.0;
    case ScaleMode::Points: return 20.0;
    case ScaleMode::Pixels: return horizontal ? Screen::TwipsPerPixelX() : Screen::TwipsPerPixelY();
    case ScaleMode::Characters: return horizontal ? kTwipsPerCharX : kTwipsPerCharY;
    case ScaleMode::Inches: return kTwipsPerInch;
    case ScaleMode::Millimeters: return kTwipsPerInch / 25.4;
    case ScaleMode::Centimeters: return kTwipsPerInch / 2.54;
    case ScaleMode::Himetric: return kTwipsPerInch / 2540.0;
    default: Raise(err::InvalidProcedureCall);
    }
}

double ScaleX(double value, ScaleMode from, ScaleMode to) {
    return value * TwipsPerUnit(from, true) / TwipsPerUnit(to, true);
}

double ScaleY(double value, ScaleMode from, ScaleMode to) {
    return value * TwipsPerUnit(from, false) / TwipsPerUnit(to, false);
}

ScaleMode ToScaleMode(int value) {
    if (value < 0 || value > 8) Raise(err::InvalidPropertyValue);
    return static_cast<ScaleMode>(value);
}

int TwipsToPixelsX(double twips) { return static_cast<int>(std::lround(twips / Screen::TwipsPerPixelX())); }
int TwipsToPixelsY(double twips) { return static_cast<int>(std::lround(twips / Screen::TwipsPerPixelY())); }
double PixelsToTwipsX(double pixels) { return pixels * Screen::TwipsPerPixelX(); }
double PixelsToTwipsY(double pixels) { return pixels * Screen::TwipsPerPixelY(); }

}  // namespace host
