// What a screen reader reads of the title-bar button: a push button named by its
// glyph, pressed from outside as a click would.
#include "controls/TopBt/TopBt.h"

namespace controls {

namespace {

// Glyph 0 is a cross, 1 and 3 a bar, 2 a square.
constexpr const wchar_t* kGlyphNames[] = {L"关闭", L"最小化", L"最大化", L"最小化"};

}  // namespace

host::AccessibleDescription TopBt::DescribeAccessible() const {
    host::AccessibleDescription d{ROLE_SYSTEM_PUSHBUTTON, L""};
    if (value_ >= 0 && value_ < kGlyphs) d.name = kGlyphNames[value_];
    d.defaultAction = L"Press";
    return d;
}

void TopBt::DoAccessibleDefaultAction(long) { Click(); }

}  // namespace controls
