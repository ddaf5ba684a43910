#include "ComboButton.h"

#include "Palette.h"
#include "Shapes.h"

namespace {

// The face fills the picture; its round corners show the field's white.
constexpr Box kFace = {0.0, 0.0, 17.0, 16.0};
constexpr double kCornerRadius = 2.0;
constexpr double kFrameWidth = 1.0;
// The chevron's arms meet at the bottom tip; pixel centres lie on both arms.
constexpr Point kChevronLeft = {5.5, 6.5};
constexpr Point kChevronTip = {8.5, 9.5};
constexpr Point kChevronRight = {11.5, 6.5};
constexpr double kChevronHalfStroke = 1.0;

struct Look {
    Colour faceTop;
    Colour faceBottom;
    Colour frame;
    Colour chevron;
};

Look LookOf(ComboButtonLook look) {
    switch (look) {
    case ComboButtonLook::Hover: return {kComboHoverTop, kComboHoverBottom, kComboHoverFrame, kComboChevron};
    // Pushed in: the shading runs the other way, darkest at the top.
    case ComboButtonLook::Pressed: return {kComboPressedTop, kComboPressedBottom, kComboPressedFrame, kComboChevron};
    case ComboButtonLook::Disabled:
        return {kComboDisabledFace, kComboDisabledFace, kComboDisabledFrame, kComboDisabledChevron};
    case ComboButtonLook::Normal: break;
    }
    return {kComboNormalTop, kComboNormalBottom, kComboNormalFrame, kComboChevron};
}

Colour ButtonPixel(Point p, const Look& look) {
    if (!InRoundedBox(p, kFace, kCornerRadius)) return kComboSurround;
    const Box inside = {kFace.left + kFrameWidth, kFace.top + kFrameWidth, kFace.right - kFrameWidth,
                        kFace.bottom - kFrameWidth};
    if (!InRoundedBox(p, inside, kCornerRadius - kFrameWidth)) return look.frame;
    if (NearSegment(p, kChevronLeft, kChevronTip, kChevronHalfStroke) ||
        NearSegment(p, kChevronTip, kChevronRight, kChevronHalfStroke)) {
        return look.chevron;
    }
    return Mix(look.faceTop, look.faceBottom, (p.y - inside.top) / (inside.bottom - inside.top));
}

}  // namespace

Canvas DrawComboButton(ComboButtonLook look) {
    const Look colours = LookOf(look);
    return Render(kComboButtonWidth, kComboButtonHeight, [&](double x, double y) {
        return ButtonPixel({x, y}, colours);
    });
}
