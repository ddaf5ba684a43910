// What a screen reader reads of the skinned frame: a title bar named by its caption,
// holding the window's controls.
#include "controls/xForm/xForm.h"

namespace controls {

host::AccessibleDescription xForm::DescribeAccessible() const { return {ROLE_SYSTEM_TITLEBAR, Caption()}; }

}  // namespace controls
