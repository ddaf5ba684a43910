#pragma once
// Controls without a window of their own: the container paints them and hands them
// its mouse input. Label and image take mouse input; line and shape do not.
#include <windows.h>

#include <cstdint>

#include "host/forms/Control.h"
#include "host/values/Event.h"

namespace host {

class WindowlessControl : public Control {
public:
    using Control::Control;

    // Paints onto the container's surface; `dc` uses container client pixels.
    virtual void Paint(HDC dc) const = 0;
    virtual bool TakesMouse() const { return false; }

    Event<> Click;
    Event<> DblClick;
    Event<int16_t, int16_t, float, float> MouseDown;  // Button, Shift, X, Y
    Event<int16_t, int16_t, float, float> MouseMove;
    Event<int16_t, int16_t, float, float> MouseUp;

protected:
    void PlaceChanged() override { InvalidateArea(); }
    void VisibilityChanged() override { InvalidateArea(); }
};

}  // namespace host
