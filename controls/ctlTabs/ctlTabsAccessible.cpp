// What a screen reader reads of the tab strip: a page tab list with one page tab
// per tab, where it was last painted; selecting one works as a press on it.
#include "controls/ctlTabs/ctlTabs.h"
#include "host/forms/Accessible.h"

namespace controls {

host::AccessibleDescription ctlTabs::DescribeAccessible() const {
    host::AccessibleDescription d{ROLE_SYSTEM_PAGETABLIST, L""};
    for (int16_t tab = 1; tab <= prop_.tabs; ++tab) {
        host::AccessibleItem item{ROLE_SYSTEM_PAGETAB, host::SpokenCaption(Caption(tab)), STATE_SYSTEM_SELECTABLE};
        if (tab == prop_.selectedTab) item.state |= STATE_SYSTEM_SELECTED | (hasFocus_ ? STATE_SYSTEM_FOCUSED : 0);
        if (static_cast<size_t>(tab) <= tabRects_.size()) item.rect = tabRects_[static_cast<size_t>(tab - 1)];
        item.defaultAction = L"Switch";
        d.items.push_back(std::move(item));
    }
    return d;
}

void ctlTabs::DoAccessibleDefaultAction(long item) { SelectAccessibleItem(item); }

void ctlTabs::SelectAccessibleItem(long item) {
    if (item >= 1 && item <= prop_.tabs) SetSelectedTab(static_cast<int16_t>(item));
}

}  // namespace controls
