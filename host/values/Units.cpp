#include "host/values/Units.h"

#include <windows.h>

#include <cmath>

#include "host/values/Error.h"

namespace host {

namespace {
int PixelsPerInch(int capability) {
    HDC dc = GetDC(nullptr);
    int v = GetDeviceCaps(dc, capability);
    ReleaseDC(nullptr, dc);
    return v > 0 ? v : 96;
}

constexpr double kTwipsPerInch = 1440.0;
constexpr double kTwipsPerCharX = 120.0;
constexpr double kTwipsPerCharY = 240.0;
}  // namespace

double Screen::TwipsPerPixelX() { return kTwipsPerInch / PixelsPerInchX(); }
double Screen::TwipsPerPixelY() { return kTwipsPerInch / PixelsPerInchY(); }

int Screen::PixelsPerInchX() {
    static const int dpi = PixelsPerInch(LOGPIXELSX);
    return dpi;
}

int Screen::PixelsPerInchY() {
    static const int dpi = PixelsPerInch(LOGPIXELSY);
    return dpi;
}

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
