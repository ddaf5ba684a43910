#include "controls/FlatCmd/FlatCmdColors.h"

#include <algorithm>

namespace controls::flatcmd {

namespace {

constexpr host::OleColor kPlainColourLimit = 0xFFFFFF;
constexpr int kBlueShiftDivisor = 192;

int Clamp(int component) { return std::clamp(component, 0, 255); }

COLORREF Compose(int red, int green, int blue) { return RGB(Clamp(red), Clamp(green), Clamp(blue)); }

}  // namespace

COLORREF TranslateColor(host::OleColor colour) {
    if (colour <= kPlainColourLimit) return colour;
    return GetSysColor(static_cast<int>(colour & kPlainColourLimit));
}

Components SplitColor(COLORREF colour) { return Components{GetRValue(colour), GetGValue(colour), GetBValue(colour)}; }

COLORREF ShiftColor(COLORREF colour, int amount) {
    Components c = SplitColor(colour);
    int blue = c.blue + (c.blue * amount) / kBlueShiftDivisor;
    return Compose(c.red + amount, c.green + amount, blue);
}

COLORREF AddToComponents(COLORREF colour, ComponentOffsets offsets) {
    Components c = SplitColor(colour);
    return Compose(c.red + offsets.red, c.green + offsets.green, c.blue + offsets.blue);
}

COLORREF AddToComponents(COLORREF colour, int amount) {
    return AddToComponents(colour, ComponentOffsets{amount, amount, amount});
}

COLORREF XPFlatHoverColor(COLORREF highlight) { return AddToComponents(highlight, kXPFlatHoverOffsets); }

COLORREF XPFlatPressedColor(COLORREF highlight) { return AddToComponents(highlight, kXPFlatPressedOffsets); }

}  // namespace controls::flatcmd
