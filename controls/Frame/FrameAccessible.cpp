// What a screen reader reads of the group frame: a grouping named by its caption,
// holding the controls placed on it.
#include "controls/Frame/Frame.h"

namespace controls {

host::AccessibleDescription Frame::DescribeAccessible() const {
    return {ROLE_SYSTEM_GROUPING, host::SpokenCaption(Caption())};
}

}  // namespace controls
