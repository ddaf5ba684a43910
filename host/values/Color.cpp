#include "host/values/Color.h"

#include <olectl.h>

#include "host/values/Error.h"
#include "host/values/Runtime.h"

namespace host {

namespace {

// The system colours every version knows; the rarer forms go to the system's own
// translation, whose library is loaded only then.
constexpr uint32_t kLastCommonSystemColour = COLOR_INFOBK;

}  // namespace

std::optional<COLORREF> TranslatedColor(OleColor colour) {
    if ((colour & 0xFF000000u) == 0) return colour;
    if ((colour & 0xFFFFFF00u) == 0x80000000u && (colour & 0xFFu) <= kLastCommonSystemColour)
        return GetSysColor(static_cast<int>(colour & 0xFFu));
    static const auto translate = LibraryFunction<decltype(&OleTranslateColor)>(L"oleaut32.dll", "OleTranslateColor");
    COLORREF rgb = 0;
    if (!translate || FAILED(translate(static_cast<OLE_COLOR>(colour), nullptr, &rgb))) return std::nullopt;
    return rgb;
}

COLORREF TranslateColor(OleColor colour) {
    const std::optional<COLORREF> rgb = TranslatedColor(colour);
    if (!rgb) Raise(err::InvalidPropertyValue);
    return *rgb;
}

}  // namespace host
