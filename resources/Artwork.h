#pragma once

// Names of the program's pictures as embedded by artwork.rc. Each bitmap is
// stored as artwork/<name in lower case>.bmp.

// The program icon; the lowest icon id, so it is the one the shell shows.
#define IDI_APP_ICON 1

#ifndef RC_INVOKED

// The skinned window frame: title-bar ends and middle, borders and corners.
inline constexpr wchar_t kTitleLeft[] = L"TITLE_LEFT";
inline constexpr wchar_t kTitleMiddle[] = L"TITLE_MIDDLE";
inline constexpr wchar_t kTitleRight[] = L"TITLE_RIGHT";
inline constexpr wchar_t kBorderLeft[] = L"BORDER_LEFT";
inline constexpr wchar_t kBorderRight[] = L"BORDER_RIGHT";
inline constexpr wchar_t kCornerBottomLeft[] = L"CORNER_BOTTOM_LEFT";
inline constexpr wchar_t kBorderBottom[] = L"BORDER_BOTTOM";
inline constexpr wchar_t kCornerBottomRight[] = L"CORNER_BOTTOM_RIGHT";

// The round title-bar buttons: glyph 0 a cross on red, 1 and 3 a bar on
// blue, 2 a square on blue; each normal, pressed and disabled.
inline constexpr wchar_t kTopBt0Normal[] = L"TOPBT_0_NORMAL";
inline constexpr wchar_t kTopBt0Pressed[] = L"TOPBT_0_PRESSED";
inline constexpr wchar_t kTopBt0Disabled[] = L"TOPBT_0_DISABLED";
inline constexpr wchar_t kTopBt1Normal[] = L"TOPBT_1_NORMAL";
inline constexpr wchar_t kTopBt1Pressed[] = L"TOPBT_1_PRESSED";
inline constexpr wchar_t kTopBt1Disabled[] = L"TOPBT_1_DISABLED";
inline constexpr wchar_t kTopBt2Normal[] = L"TOPBT_2_NORMAL";
inline constexpr wchar_t kTopBt2Pressed[] = L"TOPBT_2_PRESSED";
inline constexpr wchar_t kTopBt2Disabled[] = L"TOPBT_2_DISABLED";
inline constexpr wchar_t kTopBt3Normal[] = L"TOPBT_3_NORMAL";
inline constexpr wchar_t kTopBt3Pressed[] = L"TOPBT_3_PRESSED";
inline constexpr wchar_t kTopBt3Disabled[] = L"TOPBT_3_DISABLED";

// The same twelve by glyph (0 to 3), then look: normal, pressed, disabled.
inline constexpr const wchar_t* kTopBtPictures[4][3] = {
    {kTopBt0Normal, kTopBt0Pressed, kTopBt0Disabled},
    {kTopBt1Normal, kTopBt1Pressed, kTopBt1Disabled},
    {kTopBt2Normal, kTopBt2Pressed, kTopBt2Disabled},
    {kTopBt3Normal, kTopBt3Pressed, kTopBt3Disabled},
};

// The combo box's 17 x 16 drop button: normal, under the pointer, pressed and
// disabled, in that order.
inline constexpr wchar_t kComboNormal[] = L"COMBO_NORMAL";
inline constexpr wchar_t kComboHover[] = L"COMBO_HOVER";
inline constexpr wchar_t kComboPressed[] = L"COMBO_PRESSED";
inline constexpr wchar_t kComboDisabled[] = L"COMBO_DISABLED";
inline constexpr const wchar_t* kComboButtonPictures[4] = {kComboNormal, kComboHover, kComboPressed, kComboDisabled};

// The 71 x 24 "chat with me" badge of the contact link.
inline constexpr wchar_t kChatBadge[] = L"CHAT_BADGE";

// The option button's 13 x 13 state images, by index: 0 normal, 1 hovering,
// 2 pressed, 3 disabled; 4 to 7 the same looks selected.
inline constexpr wchar_t kOptionState0[] = L"OPTION_STATE_0";
inline constexpr wchar_t kOptionState1[] = L"OPTION_STATE_1";
inline constexpr wchar_t kOptionState2[] = L"OPTION_STATE_2";
inline constexpr wchar_t kOptionState3[] = L"OPTION_STATE_3";
inline constexpr wchar_t kOptionState4[] = L"OPTION_STATE_4";
inline constexpr wchar_t kOptionState5[] = L"OPTION_STATE_5";
inline constexpr wchar_t kOptionState6[] = L"OPTION_STATE_6";
inline constexpr wchar_t kOptionState7[] = L"OPTION_STATE_7";
inline constexpr const wchar_t* kOptionStatePictures[8] = {kOptionState0, kOptionState1, kOptionState2, kOptionState3,
                                                           kOptionState4, kOptionState5, kOptionState6, kOptionState7};

#endif  // RC_INVOKED
