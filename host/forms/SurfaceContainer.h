#pragma once
// A container that draws on a surface of its own (form, picture box, user
// control): the controls on it take the surface's window, scale, colours and font,
// and hear when the colour or font changes. A picture box and a user control also
// take the mouse on their own surface.
#include "host/forms/Container.h"
#include "host/windows/Mouse.h"
#include "host/windows/Surface.h"

namespace host {

class SurfaceContainer : public Container, public Surface {
public:
    HWND ContainerHwnd() const override { return SurfaceWindow(); }
    ScaleMode ContainerScaleMode() const override { return GetScaleMode(); }
    OleColor ContainerBackColor() const override { return BackColor(); }
    OleColor ContainerForeColor() const override { return ForeColor(); }
    FontPtr ContainerFont() const override { return GetFont(); }

    // Mouse input on the surface itself (X and Y in its scale), after the windowless
    // controls on it had theirs.
    virtual void OnClick() {}
    virtual void OnDblClick() {}
    virtual void OnMouseDown(int16_t /*button*/, int16_t /*shift*/, float /*x*/, float /*y*/) {}
    virtual void OnMouseMove(int16_t /*button*/, int16_t /*shift*/, float /*x*/, float /*y*/) {}
    virtual void OnMouseUp(int16_t /*button*/, int16_t /*shift*/, float /*x*/, float /*y*/) {}

protected:
    // The controls on the surface hear of its colour and font as ambient changes.
    void SurfaceBackColorChanged() override { AnnounceAmbientChange(L"BackColor"); }
    void SurfaceFontChanged() override { AnnounceAmbientChange(L"Font"); }
    // A mouse message of the surface's window, to a windowless control or to the
    // surface's own handlers above; false for other messages.
    bool HandleSurfaceMouse(UINT msg, WPARAM wParam, LPARAM lParam);
    // WM_CAPTURECHANGED or WM_CANCELMODE: presses whose release will not come are dropped.
    void DropSurfacePresses() {
        MouseCaptureLost();
        clicks_.Drop();
    }

private:
    ClickTracker clicks_;  // presses on the surface itself
};

}  // namespace host
