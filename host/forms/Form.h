#pragma once
// A top-level window that holds controls: its caption, border, icon, client size
// and start position, its drawing surface, the form-wide tab order and the
// default and cancel buttons.
#include <functional>
#include <string>
#include <vector>

#include "host/forms/Container.h"
#include "host/values/Event.h"
#include "host/forms/SurfaceContainer.h"
#include "host/windows/Window.h"

namespace host {

class Form : public SurfaceContainer, public WindowOwner {
public:
    enum class BorderStyle {
        None = 0,
        FixedSingle = 1,
        Sizable = 2,
        FixedDialog = 3,
        FixedToolWindow = 4,
        SizableToolWindow = 5
    };

    // The window is made with the frame `border` gives it: under Wine, changing a
    // window's frame between one with a caption and one without, even before it
    // shows, costs about as much as making the whole window.
    explicit Form(std::wstring name, BorderStyle border = BorderStyle::Sizable);
    ~Form() override;

    const std::wstring& Name() const { return name_; }
    HWND hWnd() const { return Handle(); }
    std::wstring Caption() const;
    void SetCaption(const std::wstring& caption);
    void SetBorderStyle(BorderStyle style);
    void SetMaxButton(bool on);
    void SetMinButton(bool on);
    void SetClientSize(double widthTwips, double heightTwips);
    void SetIcon(PicturePtr icon);
    PicturePtr Icon() const { return icon_; }
    void SetCenteredOnScreen(bool centred) { centred_ = centred; }
    void Show();
    void Hide();

    // Every control placed on the form, in any container (not the constituents of
    // user controls).
    std::vector<Control*> Controls() const;
    // By name, and by index for a control array (-1: not in one).
    Control* FindControl(std::wstring_view name, int16_t index = -1) const;
    // The control that owns a window (or the nearest one above it), if any.
    Control* ControlOfWindow(HWND hwnd) const;

    Control* DefaultControl() const { return defaultControl_; }
    void SetDefaultControl(Control* control) { defaultControl_ = control; }
    Control* CancelControl() const { return cancelControl_; }
    void SetCancelControl(Control* control) { cancelControl_ = control; }

    // The controls that take the focus, in tab-index order.
    std::vector<Control*> TabOrder() const;
    // The next (or previous) control in tab order after `from` (which may be null).
    Control* NextTabStop(const Control* from, bool forward) const;
    // The control whose access key (Alt + letter) is `key`, or null.
    Control* ControlWithAccessKey(wchar_t key) const;

    bool UserMode() const { return userMode_; }
    void SetUserMode(bool userMode) { userMode_ = userMode; }

    // What the system's close command does; by default the form hides and, as the
    // last window, ends the message loop.
    std::function<void()> OnCloseRequest;

    // Container
    Form* OwningForm() override { return this; }

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    HWND SurfaceWindow() const override { return Handle(); }

private:
    void Paint();
    void ApplyStyle();
    DWORD FrameStyle() const;
    void CenterOnScreen();
    static POINT CentredOrigin(SIZE size);

    std::wstring name_;
    BorderStyle border_ = BorderStyle::Sizable;
    bool maxButton_ = true;
    bool minButton_ = true;
    bool centred_ = false;
    bool userMode_ = true;
    PicturePtr icon_;
    Control* defaultControl_ = nullptr;
    Control* cancelControl_ = nullptr;
    HWND lastFocus_ = nullptr;
};

// Every form the host has created and not yet destroyed.
const std::vector<Form*>& OpenForms();
// The forms' keyboard, which sees key messages before they are dispatched: true
// when it consumed one.
bool RouteFormKeyboard(const MSG& msg);

}  // namespace host
