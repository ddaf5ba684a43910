#pragma once
// A small round picture button for a skinned title bar: one of four glyphs, each
// in a normal, a pressed and a disabled look. It only shows its state and raises
// events; what a click does is its container's business. It keeps one size.
#include <array>
#include <cstdint>
#include <string>

#include "host/stock/Image.h"
#include "host/forms/UserControl.h"

namespace controls {

class TopBt : public host::UserControl {
public:
    explicit TopBt(std::wstring name);

    // The glyph, 0 to 3; any other value keeps the picture on show.
    int32_t Value() const { return value_; }
    void SetValue(int32_t value);
    // Enabled() is the host's state; setting it also shows the matching look.
    void SetEnabled(bool enabled) override;
    const host::PublishedProperties* Published() const override;

    // Events, in their fixed order.
    host::Event<> Click;
    host::Event<int16_t, int16_t, float, float> MouseDown;  // Button, Shift, X, Y
    host::Event<int16_t, int16_t, float, float> MouseUp;
    host::Event<int16_t, int16_t> KeyDown;  // KeyCode, Shift
    host::Event<int16_t, int16_t> KeyUp;

protected:
    void OnInitProperties() override;
    void OnReadProperties(const host::PropertyBag& bag) override;
    void OnWriteProperties(host::PropertyBag& bag) override;
    void OnResize() override;
    void OnClick() override;
    void OnMouseDown(int16_t button, int16_t shift, float x, float y) override;
    void OnMouseUp(int16_t button, int16_t shift, float x, float y) override;
    void OnKeyDown(int16_t keyCode, int16_t shift) override;
    void OnKeyUp(int16_t keyCode, int16_t shift) override;
    // What a screen reader reads (TopBtAccessible.cpp).
    host::AccessibleDescription DescribeAccessible() const override;
    void DoAccessibleDefaultAction(long item) override;

private:
    enum class Look { Normal = 0, Pressed = 1, Disabled = 2 };
    static constexpr int kGlyphs = 4;
    static constexpr int kLooks = 3;

    void AddPictures();
    // Shows the picture of the current glyph in `look` (none for an unknown glyph).
    void Show(Look look);
    // Takes the button's one size back after any change.
    void KeepSize();

    std::array<host::Image*, kGlyphs * kLooks> pictures_{};
    int32_t value_ = 0;
    int16_t lastPressButton_ = 0;  // of the last press made while enabled
    bool keepingSize_ = false;
};

}  // namespace controls
