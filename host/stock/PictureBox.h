#pragma once
// A picture box: a window with a drawing surface and a background picture that can
// hold other controls.
#include "host/forms/Container.h"
#include "host/values/Event.h"
#include "host/forms/SurfaceContainer.h"
#include "host/forms/WindowedControl.h"

namespace host {

class PictureBox : public WindowedControl, public SurfaceContainer {
public:
    explicit PictureBox(std::wstring name);
    ~PictureBox() override;

    void SetBorder(bool on) { border_.on = on; }
    void SetFlat(bool flat) { border_.flat = flat; }
    // With AutoSize the box takes the size of its picture.
    void SetAutoSize(bool on);
    void SetPictureAndFit(PicturePtr picture);

    Event<> Click;
    Event<> DblClick;
    Event<int16_t, int16_t, float, float> MouseDown;  // Button, Shift, X, Y
    Event<int16_t, int16_t, float, float> MouseMove;
    Event<int16_t, int16_t, float, float> MouseUp;
    Event<int16_t, int16_t> KeyDown;  // KeyCode, Shift
    Event<int16_t> KeyPress;
    Event<int16_t, int16_t> KeyUp;
    Event<> GotFocus;
    Event<> LostFocus;

    // Container
    Form* OwningForm() override { return ParentForm(); }
    Control* AsControl() override { return this; }

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void SetDesignProperty(const std::wstring& key, const Variant& value) override;

protected:
    void OnClick() override { Click(); }
    void OnDblClick() override { DblClick(); }
    void OnMouseDown(int16_t button, int16_t shift, float x, float y) override { MouseDown(button, shift, x, y); }
    void OnMouseMove(int16_t button, int16_t shift, float x, float y) override { MouseMove(button, shift, x, y); }
    void OnMouseUp(int16_t button, int16_t shift, float x, float y) override { MouseUp(button, shift, x, y); }
    void CreateControlWindow(const WindowPlace& place) override;
    // A hidden box often only stores a picture (or is drawn on to be shown later).
    bool WindowWaitsWhileHidden() const override { return true; }
    HWND SurfaceWindow() const override { return Handle(); }
    SIZE ClientSizeWithoutWindow() const override;

private:
    void FitToPicture();
    BoxBorder border_;
    bool autoSize_ = false;
};

}  // namespace host
