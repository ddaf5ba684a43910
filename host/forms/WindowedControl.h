#pragma once
// A control with a child window of its own: text box, combo box, list box, command
// button (system controls), picture box, frame and user controls (our classes).
#include "host/forms/Control.h"
#include "host/values/Event.h"
#include "host/values/Font.h"
#include "host/values/Gdi.h"
#include "host/windows/Window.h"

namespace host {

// The border a text or picture box draws: a flat line, a sunken edge, or none.
struct BoxBorder {
    bool on = true;
    bool flat = false;
    DWORD Style() const { return on && flat ? WS_BORDER : 0; }
    DWORD ExStyle() const { return on && !flat ? WS_EX_CLIENTEDGE : 0; }
};

class WindowedControl : public Control, public WindowOwner {
public:
    using Control::Control;
    ~WindowedControl() override;

    bool IsWindowless() const override { return false; }
    HWND Hwnd() const override { return Handle(); }
    bool CanTakeFocus() const override;
    void SetEnabled(bool enabled) override;
    void SetFocus();

    // Creates the window at once when the container has one; otherwise the
    // container creates it together with its own (a user control builds its
    // constituents before it has a window).
    void Attach(Container* container, bool constituent) override;
    void ContainerWindowCreated() override;

protected:
    // Creates the window inside the container's, then those of the controls on it.
    void CreateWindowInContainer();
    // A control that answers true gets no window while it is hidden, only when it
    // is first shown: each window costs a millisecond or more at start under Wine.
    virtual bool WindowWaitsWhileHidden() const { return false; }
    // Creates the window in `place`, shown and enabled as the control is.
    virtual void CreateControlWindow(const WindowPlace& place) = 0;
    // A window of the host's container class, named after the control.
    void CreateContainerWindow(const WindowPlace& place, DWORD style = 0, DWORD exStyle = 0);
    static constexpr DWORD kContainerStyle = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    // The window was just created, placed and shown or hidden.
    virtual void WindowCreated() {}
    // The window's rectangle in its container's client pixels.
    virtual RECT WindowRect() const { return PixelRect(); }
    void PlaceChanged() override;
    void VisibilityChanged() override;
    // Gives a system control the font (the HFONT lives as long as the control).
    void ApplyFont(const FontPtr& font);
    void SetFontFromDesign(const Variant& value, FontPtr& field);

private:
    bool WindowWanted() const { return Visible() || !WindowWaitsWhileHidden(); }
    void FontAttributesChanged();
    RECT placed_{};  // where the window was last put: putting it there again is no call
    FontPtr font_;
    Connection fontChanges_;
    gdi::FontHandle hfont_;
};

}  // namespace host
