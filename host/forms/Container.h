#pragma once
// What holds controls: the form, picture boxes, frames and user controls. Children
// are kept front to back; windowless ones (label, image, line, shape) are painted
// by the container on its own surface in z-order, under its windowed children, and
// receive mouse input through it.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/values/Color.h"
#include "host/forms/Control.h"
#include "host/values/Font.h"
#include "host/values/Units.h"
#include "host/windows/Mouse.h"

namespace host {

class WindowlessControl;

class Container : public ControlSite {
public:
    virtual ~Container();

    // Places a control behind the ones placed before it and in front of the
    // container's own constituents; constituents go behind everything.
    template <class T>
    T& Add(std::unique_ptr<T> child, bool constituent = false) {
        T& ref = *child;
        AddChild(std::move(child), constituent);
        return ref;
    }
    const std::vector<std::unique_ptr<Control>>& Children() const { return children_; }
    // A direct child by name, and by index for a control array (-1: not in one).
    Control* Find(std::wstring_view name, int16_t index = -1) const;
    // Destroys the children, front ones first (their windows sit over the others).
    void DestroyChildren();
    // Creates the windows of the windowed children placed before the container
    // had a window of its own.
    void CreateChildWindows() const;

    virtual HWND ContainerHwnd() const = 0;
    Form* OwningForm() override = 0;
    // The container as a control (null for a form).
    virtual Control* AsControl() { return nullptr; }
    virtual ScaleMode ContainerScaleMode() const = 0;
    virtual OleColor ContainerBackColor() const = 0;
    virtual OleColor ContainerForeColor() const = 0;
    virtual FontPtr ContainerFont() const = 0;
    // Visible and enabled up to the form.
    bool ContainerShowing() const override;
    bool ContainerEnabled() const override;

    // Paints the windowless children back to front onto `dc` (client coordinates).
    void PaintWindowless(HDC dc) const;
    // Handles WM_PAINT of the container's window: `background`, then the
    // windowless children, where the window shows.
    void PaintWindow(HWND hwnd, const std::function<void(HDC, const RECT&)>& background) const;
    // Repaints part of the container's client area.
    void InvalidatePixels(const RECT& area) const override;
    // Puts the windowed children's windows in the children's z-order.
    void Restack() const;
    // Puts one windowed child's window in its place among its siblings' windows.
    void StackInPlace(const Control& child) const;
    // Mouse messages of the container's window: a press on a windowless child that
    // takes mouse input goes to it, and so do the moves and the release until the
    // buttons are up. True when a windowless child handled the message.
    bool RouteMouseToWindowless(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // The container's window lost the mouse capture (WM_CAPTURECHANGED, WM_CANCELMODE):
    // the press of a windowless child is dropped.
    void MouseCaptureLost() {
        mouseOwner_ = nullptr;
        windowlessClicks_.Drop();
    }
    // Tells the user controls in this container that one of its ambient values
    // ("BackColor", "Font") changed.
    void AnnounceAmbientChange(const std::wstring& name) const;
    // Converts a length in pixels to the container's scale.
    double PixelsToScaleX(double pixels) const;
    double PixelsToScaleY(double pixels) const;

private:
    void AddChild(std::unique_ptr<Control> child, bool constituent);
    WindowlessControl* WindowlessAt(POINT pixel) const;

    std::vector<std::unique_ptr<Control>> children_;
    size_t placedCount_ = 0;                   // placed children come first, constituents after
    WindowlessControl* mouseOwner_ = nullptr;  // the windowless child pressed last, until its release
    ClickTracker windowlessClicks_;
};

}  // namespace host
