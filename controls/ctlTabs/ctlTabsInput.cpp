// The tab strip's input: a press selects the tab under the pointer, the arrow keys
// step the selection, the pointer shows over tabs, and the focus shows in the
// selected tab when the control asks for it.
#include <algorithm>
#include <cstdint>

#include "controls/ctlTabs/ctlTabs.h"

namespace controls {

namespace {

constexpr int32_t kDefaultPointer = 0;
constexpr int32_t kCustomPointer = 99;  // the host shows a hand

// One step from `tab`, kept within 16 bits: a step past either end is the end itself.
int16_t Step(int16_t tab, int delta) { return static_cast<int16_t>(std::clamp(tab + delta, INT16_MIN, INT16_MAX)); }

}  // namespace

// Hit rectangles include all their bounds. Only what the last paint left is looked
// at, so a press before any paint hits nothing.
int16_t ctlTabs::TabAt(float x, float y) const {
    for (size_t i = 0; i < tabRects_.size(); ++i) {
        const RECT& r = tabRects_[i];
        if (static_cast<float>(r.left) <= x && x <= static_cast<float>(r.right) && static_cast<float>(r.top) <= y &&
            y <= static_cast<float>(r.bottom))
            return static_cast<int16_t>(i + 1);
    }
    return 0;
}

// Any button selects; the selection goes through the property, so TabClick follows
// also when the tab was already selected.
void ctlTabs::OnMouseDown(int16_t, int16_t, float x, float y) {
    if (const int16_t tab = TabAt(x, y)) SetSelectedTab(tab);
}

void ctlTabs::OnMouseMove(int16_t, int16_t, float x, float y) {
    SetMousePointer(TabAt(x, y) ? kCustomPointer : kDefaultPointer);
}

// No wrap-around: the property keeps the selection at the first or last tab.
void ctlTabs::OnKeyDown(int16_t keyCode, int16_t) {
    switch (keyCode) {
    case VK_LEFT:
    case VK_UP: SetSelectedTab(Step(prop_.selectedTab, -1)); break;
    case VK_RIGHT:
    case VK_DOWN: SetSelectedTab(Step(prop_.selectedTab, +1)); break;
    default: break;
    }
}

void ctlTabs::OnGotFocus() {
    hasFocus_ = true;
    if (prop_.useFocusRect) DrawTabs();
}

void ctlTabs::OnLostFocus() {
    hasFocus_ = false;
    if (prop_.useFocusRect) DrawTabs();
}

}  // namespace controls
