#pragma once
// The base of every control a container holds: its name and kind, its container,
// its place (twips, relative to the container), visibility, enabled state, tab
// order and tag, and access to its properties by name.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "host/values/Text.h"
#include "host/values/Variant.h"

namespace host {

class Container;
class Form;
class PublishedProperties;

// What a control asks of the container that holds it; Container implements it.
class ControlSite {
public:
    virtual Form* OwningForm() = 0;
    // Visible and enabled up to the form.
    virtual bool ContainerShowing() const = 0;
    virtual bool ContainerEnabled() const = 0;
    // Repaints part of the container's client area.
    virtual void InvalidatePixels(const RECT& area) const = 0;

protected:
    ~ControlSite() = default;
};

// What a focused control does with Enter or Escape: passes it to the form's default
// or cancel button, keeps it as its own input, or used it already.
enum class DialogKeyUse { Pass, Keep, Used };

class Control {
public:
    Control(std::wstring kind, std::wstring name);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::wstring& Kind() const { return kind_; }
    const std::wstring& Name() const { return name_; }
    Container* GetContainer() const { return container_; }
    Form* ParentForm() const;
    // A control a user control made for itself, not one its container placed on it.
    bool IsConstituent() const { return constituent_; }

    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void SetLeft(double v) { Move(v, top_, width_, height_); }
    void SetTop(double v) { Move(left_, v, width_, height_); }
    virtual void SetWidth(double v) { Move(left_, top_, v, height_); }
    virtual void SetHeight(double v) { Move(left_, top_, width_, v); }
    void Move(double left, double top, double width, double height);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);
    int16_t TabIndex() const { return tabIndex_; }
    void SetTabIndex(int16_t index) { tabIndex_ = index; }
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool stop) { tabStop_ = stop; }
    // The place in a control array (controls sharing one name); -1 for none.
    int16_t Index() const { return index_; }
    void SetIndex(int16_t index) { index_ = index; }
    const std::wstring& Tag() const { return tag_; }
    void SetTag(std::wstring tag) { tag_ = std::move(tag); }

    // Visible, and every container up to the form too; likewise enabled.
    bool Showing() const;
    bool EnabledInTree() const;

    virtual bool IsWindowless() const { return true; }
    virtual HWND Hwnd() const { return nullptr; }
    // Takes the focus in tab order (windowed, tab stop, showing, enabled).
    virtual bool CanTakeFocus() const { return false; }
    // The character after "&" in the caption, 0 when none.
    virtual wchar_t AccessKey() const { return 0; }
    // Called by the keyboard router for the control's access key.
    virtual void OnAccessKey(wchar_t key);
    // Enter or Escape (VK_RETURN, VK_ESCAPE) while the control has the focus.
    virtual DialogKeyUse FocusedDialogKey(WPARAM /*key*/) { return DialogKeyUse::Pass; }
    // Presses the control as the form's default (13, Enter) or cancel (27, Escape) button.
    virtual void PressAsDialogButton(int16_t /*keyAscii*/) {}

    // Place in pixels within the container's client area.
    virtual RECT PixelRect() const;

    // Applies one property read from a form's design data; unknown keys raise 438.
    virtual void SetDesignProperty(const std::wstring& key, const Variant& value);
    // The properties the control publishes by name (PropertyTable.h), null for none;
    // GetProperty and LetProperty reach them before the host's own.
    virtual const PublishedProperties* Published() const { return nullptr; }
    // Property access by name, with optional index arguments (property pages).
    virtual Variant GetProperty(const std::wstring& name, const std::vector<Variant>& index = {});
    virtual void LetProperty(const std::wstring& name, const Variant& value, const std::vector<Variant>& index = {});

    // Called once by the container that takes the control.
    virtual void Attach(Container* container, bool constituent);
    // The container just got its window: a windowed control placed before that
    // makes its own window now.
    virtual void ContainerWindowCreated() {}
    // Called by the container just before it destroys the control, while the whole
    // object still exists.
    virtual void BeforeDestroy() {}
    // An ambient value of the container ("BackColor", "Font") changed.
    virtual void NotifyAmbientChanged(const std::wstring& /*name*/) {}

protected:
    // The place, visibility or enabled state changed.
    virtual void PlaceChanged();
    virtual void VisibilityChanged();
    // Asks the container to repaint the control's area (windowless controls).
    void InvalidateArea() const;

private:
    friend class Container;  // sets the site along with the container
    std::wstring kind_;
    std::wstring name_;
    Container* container_ = nullptr;
    ControlSite* site_ = nullptr;
    bool constituent_ = false;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    int16_t tabIndex_ = 0;
    bool tabStop_ = true;
    int16_t index_ = -1;
    std::wstring tag_;
};

// The character after the first single "&" of a caption, upper-cased; 0 when none.
wchar_t AccessKeyOf(const std::wstring& caption);

}  // namespace host
