#pragma once

#include "Colour.h"

// Every colour of the artwork, in one place so the pieces stay in one family.

// The blue window frame: title bar and borders.
inline constexpr Colour kFrameOutline = Rgb(18, 52, 112);
inline constexpr Colour kFrameHighlight = Rgb(148, 194, 246);
inline constexpr Colour kFrameShadow = Rgb(28, 76, 152);
inline constexpr Colour kFrameInnerLine = Rgb(22, 62, 132);
inline constexpr Colour kBarGlossTop = Rgb(112, 172, 242);
inline constexpr Colour kBarGlossBottom = Rgb(78, 142, 226);
inline constexpr Colour kBarBaseTop = Rgb(66, 130, 216);
inline constexpr Colour kBarBaseBottom = Rgb(44, 104, 192);
inline constexpr Colour kBorderBody = kBarBaseBottom;

// The green socket on the title bar and the surround of the title-bar buttons.
inline constexpr Colour kSocketGreen = Rgb(70, 156, 66);
inline constexpr Colour kSocketRim = Rgb(30, 90, 42);
inline constexpr Colour kSocketInnerShade = Rgb(50, 122, 50);
inline constexpr Colour kSocketLowerLight = Rgb(120, 182, 240);

// The round title-bar buttons.
inline constexpr Colour kRedButtonLight = Rgb(246, 112, 96);
inline constexpr Colour kRedButtonDark = Rgb(176, 30, 22);
inline constexpr Colour kRedButtonRim = Rgb(104, 18, 14);
inline constexpr Colour kBlueButtonLight = Rgb(120, 180, 250);
inline constexpr Colour kBlueButtonDark = Rgb(28, 78, 172);
inline constexpr Colour kBlueButtonRim = Rgb(14, 44, 108);
inline constexpr Colour kGlyphWhite = Rgb(255, 255, 255);
inline constexpr Colour kGlyphShadow = Rgb(0, 0, 0);
inline constexpr Colour kGloss = Rgb(255, 255, 255);
inline constexpr Colour kDisabledWash = Rgb(236, 238, 240);

// The combo box's drop button: pale blue, lighter under the pointer, deeper blue
// when pressed, off-white when disabled.
inline constexpr Colour kComboSurround = Rgb(255, 255, 255);
inline constexpr Colour kComboChevron = Rgb(80, 104, 128);
inline constexpr Colour kComboNormalTop = Rgb(226, 236, 248);
inline constexpr Colour kComboNormalBottom = Rgb(196, 214, 238);
inline constexpr Colour kComboNormalFrame = Rgb(168, 190, 218);
inline constexpr Colour kComboHoverTop = Rgb(252, 253, 255);
inline constexpr Colour kComboHoverBottom = Rgb(232, 241, 252);
inline constexpr Colour kComboHoverFrame = Rgb(84, 132, 196);
inline constexpr Colour kComboPressedTop = Rgb(136, 172, 218);
inline constexpr Colour kComboPressedBottom = Rgb(176, 204, 236);
inline constexpr Colour kComboPressedFrame = Rgb(82, 118, 168);
inline constexpr Colour kComboDisabledFace = Rgb(246, 244, 238);
inline constexpr Colour kComboDisabledFrame = Rgb(214, 206, 194);
inline constexpr Colour kComboDisabledChevron = Rgb(192, 168, 136);

// The program icon: a ballot going into a ballot box on a green tile.
inline constexpr Colour kTransparent = {0.0, 0.0, 0.0, 0.0};
inline constexpr Colour kIconGreenTop = Rgb(118, 206, 96);
inline constexpr Colour kIconGreenBottom = Rgb(34, 136, 52);
inline constexpr Colour kIconOutline = Rgb(22, 96, 36);
inline constexpr Colour kIconPaper = Rgb(255, 255, 255);
inline constexpr Colour kIconBoxFront = Rgb(246, 250, 246);
inline constexpr Colour kIconBoxShade = Rgb(206, 222, 208);
inline constexpr Colour kIconSlot = Rgb(20, 84, 34);
inline constexpr Colour kIconCheck = Rgb(36, 150, 58);
inline constexpr Colour kIconShadow = Rgb(10, 60, 20);

// The chat badge.
inline constexpr Colour kBadgeSurround = Rgb(240, 240, 240);
inline constexpr Colour kBadgeFaceTop = Rgb(255, 255, 255);
inline constexpr Colour kBadgeFaceBottom = Rgb(222, 230, 240);
inline constexpr Colour kBadgeBorder = Rgb(132, 156, 190);
inline constexpr Colour kBadgeText = Rgb(34, 38, 48);
inline constexpr Colour kPenguinBlack = Rgb(28, 28, 34);
inline constexpr Colour kPenguinWhite = Rgb(255, 255, 255);
inline constexpr Colour kPenguinOrange = Rgb(250, 164, 20);
inline constexpr Colour kPenguinOrangeDark = Rgb(206, 112, 10);

// The option button's state images.
inline constexpr Colour kOptionSurround = Rgb(255, 255, 255);
inline constexpr Colour kOptionRing = Rgb(33, 85, 130);
inline constexpr Colour kOptionFillLight = Rgb(224, 224, 219);
inline constexpr Colour kOptionFillDark = Rgb(253, 253, 252);
inline constexpr Colour kOptionHoverBandTop = Rgb(254, 223, 156);
inline constexpr Colour kOptionHoverBandBottom = Rgb(249, 185, 62);
inline constexpr Colour kOptionHoverCentre = Rgb(241, 239, 223);
inline constexpr Colour kOptionPressedTop = Rgb(183, 183, 173);
inline constexpr Colour kOptionPressedBottom = Rgb(237, 235, 219);
inline constexpr Colour kOptionDisabledRingTop = Rgb(203, 201, 187);
inline constexpr Colour kOptionDisabledRingBottom = Rgb(223, 220, 204);
inline constexpr Colour kOptionDisabledFillTop = Rgb(225, 225, 221);
inline constexpr Colour kOptionDisabledFillBottom = Rgb(249, 249, 248);
inline constexpr Colour kOptionDotTop = Rgb(33, 161, 33);
inline constexpr Colour kOptionDotBottom = Rgb(85, 213, 81);
inline constexpr Colour kOptionDisabledDot = Rgb(193, 192, 182);
