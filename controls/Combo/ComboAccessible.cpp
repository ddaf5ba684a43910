// What a screen reader reads of the combo box: the field's text as its value,
// whether the list is open, and the drop button's action.
#include "controls/Combo/Combo.h"

namespace controls {

bool Combo::Dropped() const { return SendMessageW(combo1_->Hwnd(), CB_GETDROPPEDSTATE, 0, 0) != 0; }

host::AccessibleDescription Combo::DescribeAccessible() const {
    host::AccessibleDescription d{ROLE_SYSTEM_COMBOBOX, ToolTipText()};
    d.value = TEXT();
    const bool dropped = Dropped();
    d.state |= dropped ? STATE_SYSTEM_EXPANDED : STATE_SYSTEM_COLLAPSED;
    d.defaultAction = dropped ? L"Close" : L"Open";
    return d;
}

void Combo::DoAccessibleDefaultAction(long) {
    OpenCombo(static_cast<int32_t>(reinterpret_cast<intptr_t>(combo1_->Hwnd())));
}

}  // namespace controls
