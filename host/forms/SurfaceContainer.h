#pragma once
// A container that draws on a surface of its own (form, picture box, user
// control): the controls on it take the surface's window, scale, colours and font,
// and hear when the colour or font changes.
#include "host/forms/Container.h"
#include "host/windows/Surface.h"

namespace host {

class SurfaceContainer : public Container, public Surface {
public:
    HWND ContainerHwnd() const override { return SurfaceWindow(); }
    ScaleMode ContainerScaleMode() const override { return GetScaleMode(); }
    OleColor ContainerBackColor() const override { return BackColor(); }
    OleColor ContainerForeColor() const override { return ForeColor(); }
    FontPtr ContainerFont() const override { return GetFont(); }

protected:
    // The controls on the surface hear of its colour and font as ambient changes.
    void SurfaceBackColorChanged() override { AnnounceAmbientChange(L"BackColor"); }
    void SurfaceFontChanged() override { AnnounceAmbientChange(L"Font"); }
};

}  // namespace host
