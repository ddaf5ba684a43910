// Mouse, keys, focus and the hover polling.
#include <windows.h>

#include "controls/Options/Options.h"
#include "controls/Options/OptionsLook.h"
#include "host/forms/Form.h"
#include "host/values/Units.h"

namespace controls {

using namespace options_look;

// A click selects this button and clears the others of its group: the option
// buttons on the same form in the same container with the same Group.
void Options::Select() {
    if (value_) {
        ApplyEnabledLook();  // the pressed image gives way to the normal one
        return;
    }
    if (host::Form* form = Parent()) {
        for (host::Control* control : form->Controls()) {
            auto* other = dynamic_cast<Options*>(control);
            if (other && other->GetContainer() == GetContainer() && other->group_ == group_) other->SetValue(false);
        }
    }
    SetValue(true);
}

void Options::Press(int16_t button, int16_t shift, float x, float y) {
    if (enabled_) Show(value_ ? kPressedImage + kSelected : kPressedImage);
    pressed_ = 1;
    MouseDown(button, shift, x, y);
}

void Options::Release(int16_t button, int16_t shift, float x, float y) {
    MouseUp(button, shift, x, y);
    pressed_ = 0;
}

// Puts the hover look on and starts polling for the pointer's leaving; MouseMove
// is raised only then, not for every movement.
void Options::Hover(int16_t button, int16_t shift, float x, float y) {
    if (!enabled_ || Shows(hoverIndex_) || pressed_ == 1) return;
    timer_->SetEnabled(true);
    hoverIndex_ = value_ ? kHoverImage + kSelected : kHoverImage;
    Show(hoverIndex_);
    MouseMove(button, shift, x, y);
}

void Options::HoverAt(const host::Control& part, int16_t button, int16_t shift) {
    Hover(button, shift, static_cast<float>(host::ScaleX(part.Left(), host::ScaleMode::Twips, GetScaleMode())),
          static_cast<float>(host::ScaleY(part.Top(), host::ScaleMode::Twips, GetScaleMode())));
}

// The pointer counts as inside up to and including the far edges. While a button
// holds the control down the hover look stays.
void Options::PollPointer() {
    SetScaleMode(host::ScaleMode::Pixels);
    POINT pointer{};
    GetCursorPos(&pointer);
    ScreenToClient(hWnd(), &pointer);
    const double left = ScaleLeft(), top = ScaleTop();
    const bool outside =
        pointer.x < left || pointer.y < top || pointer.x > left + ScaleWidth() || pointer.y > top + ScaleHeight();
    if (!outside || pressed_ == 1) return;
    ShowStateImage();
    timer_->SetEnabled(false);
    MouseOut();
}

// The hover look stays while the control has the focus.
void Options::StateBoxGotFocus() {
    Hover(0, 0, 0, 0);
    timer_->SetEnabled(false);
}

// Polling starts again, and restores the normal look once the pointer is away. A
// Space still held no longer holds the button down: its release goes elsewhere.
void Options::StateBoxLostFocus() {
    pressed_ = 0;
    hoverIndex_ = kNoHoverImage;
    Hover(0, 0, 0, 0);
}

void Options::StateBoxKeyPress(int16_t keyAscii) {
    if (keyAscii != kSpace) return;
    KeyPress(keyAscii);
    Click();
    Press(kLeftButton, 0, 0, 0);
}

void Options::StateBoxKeyUp(int16_t keyCode, int16_t shift) {
    if (keyCode != kSpace) return;
    KeyUp(keyCode, shift);
    Select();
    pressed_ = 0;
}

void Options::OnClick() { Select(); }

void Options::OnMouseDown(int16_t button, int16_t shift, float x, float y) { Press(button, shift, x, y); }

void Options::OnMouseMove(int16_t button, int16_t shift, float x, float y) { Hover(button, shift, x, y); }

void Options::OnMouseUp(int16_t button, int16_t shift, float x, float y) { Release(button, shift, x, y); }

}  // namespace controls
