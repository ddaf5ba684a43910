#pragma once
// The base of the program's own skinned controls. It gives each control its
// lifecycle (Initialize, InitProperties or ReadProperties, Resize, WriteProperties,
// Terminate), its ambient values, its extender (Default, Cancel, Left, Top,
// Container) and parent form, PropertyChanged, a drawing surface, and the host's
// focus, key and mouse notifications. A user control can contain other controls.
#include <cstdint>
#include <string>

#include "host/forms/Accessible.h"
#include "host/forms/Container.h"
#include "host/values/Event.h"
#include "host/design/PropertyBag.h"
#include "host/forms/SurfaceContainer.h"
#include "host/forms/WindowedControl.h"

namespace host {

struct AmbientProperties {
    bool UserMode = true;  // false while the container is being designed
    OleColor BackColor = kButtonFace;
    OleColor ForeColor = kButtonText;
    FontPtr Font;
    std::wstring DisplayName;  // the control's name in its container
};

class UserControl : public WindowedControl, public SurfaceContainer, public AccessibleControl {
public:
    UserControl(std::wstring kind, std::wstring name);
    ~UserControl() override;

    // Lifecycle as the host drives it: Initialize runs when the control is placed;
    // Load runs ReadProperties with a stored bag (or InitProperties without one),
    // then Resize; Save runs WriteProperties; the container runs Terminate just
    // before it destroys the control.
    void Load(const PropertyBag* bag);
    PropertyBag Save();
    bool Loaded() const { return loaded_; }

    // Announced property changes, in order (the container saves when any happened).
    Event<std::wstring> PropertyChangedNotice;
    bool HasChanged() const { return changed_; }

    AmbientProperties Ambient() const;
    // Tells the control that an ambient value of its container changed.
    void NotifyAmbientChanged(const std::wstring& name) override;
    bool Default() const;  // the container's default button
    bool Cancel() const;   // the container's cancel button
    Form* Parent() const { return ParentForm(); }
    HWND hWnd() const { return Handle(); }

    int16_t MousePointer() const { return mousePointer_; }
    void SetMousePointer(int32_t value);  // outside 16 bits: overflow error
    PicturePtr MouseIcon() const { return mouseIcon_; }
    void SetMouseIcon(PicturePtr icon) { mouseIcon_ = std::move(icon); }
    // Characters that make the container call OnAccessKeyPress.
    void SetAccessKeys(std::wstring keys) { accessKeys_ = std::move(keys); }
    void SetCanGetFocus(bool can) { canGetFocus_ = can; }

    bool CanTakeFocus() const override;
    wchar_t AccessKey() const override;
    void OnAccessKey(wchar_t key) override;
    // The container's default or cancel key (Enter 13, Escape 27) for this control.
    void DeliverAccessKeyPress(int16_t keyAscii);
    // A focused user control reads Enter and Escape as its own keys.
    DialogKeyUse FocusedDialogKey(WPARAM) override { return DialogKeyUse::Keep; }
    void PressAsDialogButton(int16_t keyAscii) override { DeliverAccessKeyPress(keyAscii); }

    // Container
    Form* OwningForm() override { return ParentForm(); }
    Control* AsControl() override { return this; }

    // Host notifications (the Focus ones are also called by the focus tracker).
    virtual void OnInitialize() {}
    virtual void OnInitProperties() {}
    virtual void OnReadProperties(const PropertyBag& /*bag*/) {}
    virtual void OnWriteProperties(PropertyBag& /*bag*/) {}
    virtual void OnResize() {}
    virtual void OnTerminate() {}
    virtual void OnAmbientChanged(const std::wstring& /*name*/) {}
    virtual void OnEnterFocus() {}
    virtual void OnExitFocus() {}
    virtual void OnGotFocus() {}
    virtual void OnLostFocus() {}
    virtual void OnAccessKeyPress(int16_t /*keyAscii*/) {}
    virtual void OnKeyDown(int16_t /*keyCode*/, int16_t /*shift*/) {}
    virtual void OnKeyUp(int16_t /*keyCode*/, int16_t /*shift*/) {}
    virtual void OnKeyPress(int16_t /*keyAscii*/) {}

    // ---- What assistive technology reads (Accessible.h) ----
    AccessibleDescription DescribeAccessible() const override;
    void DoAccessibleDefaultAction(long /*item*/) override {}
    void SelectAccessibleItem(long /*item*/) override {}
    // Tells assistive technology that the control (or part `item`) changed: one of
    // the EVENT_OBJECT_ events.
    void NotifyAccessible(DWORD event, long item = CHILDID_SELF) const;

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void Attach(Container* container, bool constituent) override;
    // Terminate, then the constituents go.
    void BeforeDestroy() override;

protected:
    void PropertyChanged(const std::wstring& name);
    HWND SurfaceWindow() const override { return Handle(); }
    void CreateControlWindow(const WindowPlace& place) override;
    // EnterFocus and ExitFocus.
    void FocusWithinChanged(bool within) override;

private:
    void Paint();
    void SetCursorShape();

    bool loaded_ = false;
    bool changed_ = false;
    int16_t mousePointer_ = 0;
    PicturePtr mouseIcon_;
    std::wstring accessKeys_;
    bool canGetFocus_ = true;
};

// The cursor for a MousePointer value (99 uses `icon`); null for the default.
HCURSOR CursorFor(int16_t mousePointer, const PicturePtr& icon);

}  // namespace host
