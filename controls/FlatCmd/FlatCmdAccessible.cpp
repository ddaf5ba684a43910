// What a screen reader reads of the flat button: a push button named by its
// caption, pressed while held, and pressed from outside as the Enter key would.
#include "controls/FlatCmd/FlatCmd.h"

namespace controls {

host::AccessibleDescription FlatCmd::DescribeAccessible() const {
    host::AccessibleDescription d{ROLE_SYSTEM_PUSHBUTTON, host::SpokenCaption(prop_.caption)};
    if (isDown_) d.state |= STATE_SYSTEM_PRESSED;
    if (Default()) d.state |= STATE_SYSTEM_DEFAULT;
    d.defaultAction = L"Press";
    d.keyboardShortcut = host::AccessKeyShortcut(prop_.caption);
    return d;
}

void FlatCmd::DoAccessibleDefaultAction(long) { ClickAndGo(); }

void FlatCmd::AnnouncePressed() {
    if (announcedDown_ == isDown_) return;
    announcedDown_ = isDown_;
    NotifyAccessible(EVENT_OBJECT_STATECHANGE);
}

}  // namespace controls
