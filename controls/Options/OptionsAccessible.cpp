// What a screen reader reads of the option button: a radio button named by its
// caption, checked when selected, and selected from outside as a click would.
#include "controls/Options/Options.h"

namespace controls {

host::AccessibleDescription Options::DescribeAccessible() const {
    host::AccessibleDescription d{ROLE_SYSTEM_RADIOBUTTON, host::SpokenCaption(Caption())};
    if (value_) d.state |= STATE_SYSTEM_CHECKED;
    d.defaultAction = L"Check";
    return d;
}

void Options::DoAccessibleDefaultAction(long) { Select(); }

}  // namespace controls
