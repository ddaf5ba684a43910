#pragma once
// OLE colours: a plain value holds red in the low byte, then green, then blue; a value
// with the top bit set names a system colour by its low byte.
#include <windows.h>

#include <cstdint>
#include <optional>

namespace host {

using OleColor = uint32_t;

inline constexpr OleColor SystemColor(int index) { return 0x80000000u | static_cast<uint32_t>(index); }
inline constexpr OleColor kButtonFace = SystemColor(COLOR_BTNFACE);
inline constexpr OleColor kButtonText = SystemColor(COLOR_BTNTEXT);
inline constexpr OleColor kWindowBackground = SystemColor(COLOR_WINDOW);
inline constexpr OleColor kWindowText = SystemColor(COLOR_WINDOWTEXT);

// OleTranslateColor with no palette: nothing for an invalid colour.
std::optional<COLORREF> TranslatedColor(OleColor colour);
// The same; an invalid colour raises error 380.
COLORREF TranslateColor(OleColor colour);

}  // namespace host
