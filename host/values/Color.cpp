#include "host/values/Color.h"

#include <olectl.h>

#include "host/values/Error.h"

namespace host {

COLORREF TranslateColor(OleColor colour) {
    COLORREF rgb = 0;
    if (FAILED(OleTranslateColor(static_cast<OLE_COLOR>(colour), nullptr, &rgb))) Raise(err::InvalidPropertyValue);
    return rgb;
}

}  // namespace host
