#pragma once
// A skinned option (radio) button: a 13 x 13 pixel state image, an optional icon
// and a caption. Selecting one by mouse or Space clears the other option buttons
// that share its container and its Group. The control draws nothing itself: it
// swaps eight stored state images into the picture box `p` and places its parts.
// The hover look is put on by mouse movement and taken off by a 50 ms timer that
// polls the pointer, which also raises MouseOut.
#include <array>
#include <cstdint>
#include <string>

#include "host/stock/Image.h"
#include "host/stock/Label.h"
#include "host/stock/PictureBox.h"
#include "host/stock/Timer.h"
#include "host/forms/UserControl.h"

namespace controls {

class Options : public host::UserControl {
public:
    explicit Options(std::wstring name);

    // Enabled() is the host's state; setting it also shows the enabled or
    // disabled look and stops the hover polling when disabled.
    void SetEnabled(bool enabled) override;
    // Set only through the stored properties.
    bool Group() const { return group_; }
    // Selected. Setting it from code leaves the rest of the group alone.
    bool Value() const { return value_; }
    void SetValue(bool value);
    host::FontPtr Font() const { return font_; }
    // A null font is refused with the object error, before anything changes.
    void SetFont(host::FontPtr font);
    std::wstring Caption() const;
    void SetCaption(const std::wstring& caption);
    host::OleColor BackColor() const { return backColor_; }
    void SetBackColor(host::OleColor colour);
    host::OleColor ForeColor() const { return foreColor_; }
    void SetForeColor(host::OleColor colour);
    host::PicturePtr Icon() const { return icon_; }
    // Null means no icon: an empty picture is stored.
    void SetIcon(host::PicturePtr icon);
    const host::PublishedProperties* Published() const override;

    // Events, in their fixed order. A mouse click raises MouseDown and MouseUp
    // but no Click; Click comes only from the Space key.
    host::Event<> Click;
    host::Event<int16_t, int16_t> KeyDown;  // KeyCode, Shift
    host::Event<int16_t> KeyPress;          // KeyAscii
    host::Event<int16_t, int16_t> KeyUp;    // KeyCode, Shift
    host::Event<> MouseOut;
    host::Event<int16_t, int16_t, float, float> MouseDown;  // Button, Shift, X, Y
    host::Event<int16_t, int16_t, float, float> MouseMove;  // once, as the hover look goes on
    host::Event<int16_t, int16_t, float, float> MouseUp;

protected:
    void OnInitialize() override;
    void OnInitProperties() override;
    void OnReadProperties(const host::PropertyBag& bag) override;
    void OnWriteProperties(host::PropertyBag& bag) override;
    void OnResize() override;
    void OnClick() override;
    void OnMouseDown(int16_t button, int16_t shift, float x, float y) override;
    void OnMouseMove(int16_t button, int16_t shift, float x, float y) override;
    void OnMouseUp(int16_t button, int16_t shift, float x, float y) override;
    // What a screen reader reads (OptionsAccessible.cpp).
    host::AccessibleDescription DescribeAccessible() const override;
    void DoAccessibleDefaultAction(long item) override;

private:
    static constexpr int kStateImages = 8;

    void AddStateImages();
    void AddStateBox();
    void ConnectParts();
    template <class Part>
    void ForwardButtons(Part& part);
    void SetGroup(bool group);

    // Look (OptionsLook.cpp).
    void Show(int image);
    bool Shows(int image) const;
    void ShowStateImage();
    void ShowDisabledImage();
    void ApplyEnabledLook();
    // Puts the state image, the icon and the caption in place (twips).
    void Layout();
    bool HasIcon() const;

    // Input (OptionsInput.cpp).
    void Select();
    void Press(int16_t button, int16_t shift, float x, float y);
    void Release(int16_t button, int16_t shift, float x, float y);
    void Hover(int16_t button, int16_t shift, float x, float y);
    // Movement over a part, raised with the place of `part` read in the current scale.
    void HoverAt(const host::Control& part, int16_t button, int16_t shift);
    void PollPointer();
    void StateBoxGotFocus();
    void StateBoxLostFocus();
    void StateBoxKeyPress(int16_t keyAscii);
    void StateBoxKeyUp(int16_t keyCode, int16_t shift);

    std::array<host::PictureBox*, kStateImages> img_{};
    host::PictureBox* p_ = nullptr;
    host::Timer* timer_ = nullptr;
    host::Image* image1_ = nullptr;
    host::Label* lbl_ = nullptr;
    host::Connections parts_;  // what the parts tell the control

    host::FontPtr font_;
    bool value_ = false;
    host::OleColor backColor_ = host::kButtonFace;
    host::OleColor foreColor_ = 0;
    bool group_ = false;
    int hoverIndex_ = 1;    // the state image last shown for hovering
    int16_t pressed_ = 0;   // 1 while a mouse button or Space holds the button down
    bool enabled_ = false;  // the host's enabled state, as the look sees it
    host::PicturePtr icon_;
};

}  // namespace controls
