#pragma once
// A captioned group box in an etched style: a dark outline with a white outline
// just inside it, broken along the top edge where an optional icon and the caption
// sit. The frame paints nothing itself; ten lines, a label and an image make the
// whole look, and a layout pass places them whenever the size, font, caption or
// icon changes. Controls placed on a frame stay in front of those constituents.
#include <array>
#include <cstdint>
#include <string>

#include "host/stock/Image.h"
#include "host/stock/Label.h"
#include "host/stock/LineControl.h"
#include "host/forms/UserControl.h"

namespace controls {

class Frame : public host::UserControl {
public:
    explicit Frame(std::wstring name);

    host::FontPtr Font() const { return font_; }
    void SetFont(host::FontPtr font);
    // The colour last given; the caption shows it until the next layout pass.
    host::OleColor ForeColor() const { return foreColor_; }
    void SetForeColor(host::OleColor colour);
    host::PicturePtr Icon() const { return icon_; }
    void SetIcon(host::PicturePtr icon);
    std::wstring Caption() const;
    void SetCaption(const std::wstring& caption);
    // Enabled() is the host's state; setting it also greys or blackens the caption
    // until the next layout pass.
    void SetEnabled(bool enabled) override;
    const host::PublishedProperties* Published() const override;

    // Events, in their fixed order. Only MouseMove is ever raised: over the
    // frame's own surface, not over the caption or the icon.
    host::Event<> Click;
    host::Event<int16_t, int16_t> KeyDown;  // KeyCode, Shift
    host::Event<int16_t> KeyPress;          // KeyAscii
    host::Event<int16_t, int16_t> KeyUp;    // KeyCode, Shift
    host::Event<> MouseOut;
    host::Event<int16_t, int16_t, float, float> MouseDown;  // Button, Shift, X, Y
    host::Event<int16_t, int16_t, float, float> MouseMove;
    host::Event<int16_t, int16_t, float, float> MouseUp;

protected:
    void OnInitialize() override;
    void OnInitProperties() override;
    void OnReadProperties(const host::PropertyBag& bag) override;
    void OnWriteProperties(host::PropertyBag& bag) override;
    void OnResize() override;
    void OnMouseMove(int16_t button, int16_t shift, float x, float y) override;
    // What a screen reader reads (FrameAccessible.cpp).
    host::AccessibleDescription DescribeAccessible() const override;

private:
    static constexpr int kLineCount = 10;

    void AddOutlineLine(int number);
    host::LineControl& Outline(int number) const { return *lines_[static_cast<size_t>(number - 1)]; }
    bool HasIcon() const;
    // Puts the caption after the icon, or where the icon would start.
    void PlaceCaption();
    // Places every line, the caption's top and the icon; resets the caption colour.
    void Layout();
    // With no caption text the top edge runs on unbroken under a transparent label.
    void ShapeCaptionGap();

    std::array<host::LineControl*, kLineCount> lines_{};
    host::Label* lbl_ = nullptr;
    host::Connection captionChanges_;
    host::Image* img_ = nullptr;
    host::PicturePtr icon_;
    host::FontPtr font_;
    host::OleColor foreColor_ = 0;
};

}  // namespace controls
