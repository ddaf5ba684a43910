#include "controls/TopBt/TopBt.h"

#include "host/windows/Mouse.h"

namespace controls {

using host::kLeftButton;
using host::kRightButton;

void TopBt::OnMouseDown(int16_t button, int16_t shift, float x, float y) {
    if (!Enabled()) return;
    lastPressButton_ = button;
    RefreshSurface();
    // A right press is remembered (it cancels a pending click) but shows nothing.
    if (button == kRightButton) return;
    Show(Look::Pressed);
    MouseDown(button, shift, x, y);
}

void TopBt::OnMouseUp(int16_t button, int16_t shift, float x, float y) {
    Show(Look::Normal);
    MouseUp(button, shift, x, y);
}

void TopBt::OnClick() {
    if (lastPressButton_ != kLeftButton) return;
    Click();
    RefreshSurface();
}

void TopBt::OnKeyDown(int16_t keyCode, int16_t shift) { KeyDown(keyCode, shift); }

void TopBt::OnKeyUp(int16_t keyCode, int16_t shift) { KeyUp(keyCode, shift); }

}  // namespace controls
