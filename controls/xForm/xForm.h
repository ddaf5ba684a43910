#pragma once
// The skinned frame of a borderless window: a picture title bar with the window's
// caption in white over a dark shadow, picture borders left, right and at the
// bottom. It covers the window and holds the window's other controls, which stay
// in front of its own pieces. A press of any mouse button on the title bar or its
// caption lets the system move the window, as a press on a real caption would.
// It raises no events.
#include <string>

#include "host/stock/Image.h"
#include "host/stock/Label.h"
#include "host/forms/UserControl.h"

namespace controls {

class xForm : public host::UserControl {
public:
    explicit xForm(std::wstring name);

    // The title bar's text; writing it also re-captions the parent window.
    std::wstring Caption() const;
    void SetCaption(const std::wstring& caption);
    const host::PublishedProperties* Published() const override;

protected:
    void OnReadProperties(const host::PropertyBag& bag) override;
    void OnWriteProperties(host::PropertyBag& bag) override;
    void OnResize() override;
    // What a screen reader reads (xFormAccessible.cpp).
    host::AccessibleDescription DescribeAccessible() const override;

private:
    // The pieces, each sized to its picture (stretched ones get their length
    // from the layout).
    struct Pieces {
        host::Label* caption = nullptr;
        host::Label* shadow = nullptr;
        host::Image* titleLeft = nullptr;
        host::Image* titleMiddle = nullptr;
        host::Image* titleRight = nullptr;
        host::Image* borderLeft = nullptr;
        host::Image* borderRight = nullptr;
        host::Image* cornerBottomLeft = nullptr;
        host::Image* borderBottom = nullptr;
        host::Image* cornerBottomRight = nullptr;
    };

    // Creates the labels and pictures, front to back.
    void AddPieces();
    host::Label& AddCaptionLabel(const wchar_t* name, double top, host::OleColor colour);
    host::Image& AddPiece(const wchar_t* name, const wchar_t* picture, bool stretch);
    // Fits the title bar and the borders to the control's size.
    void Layout();
    // Hands the pending press to the system as a press on the parent's caption; the
    // move ends when `button` is released.
    void DragParentWindow(int16_t button);

    Pieces pieces_;
    host::Connections gripPresses_;
};

}  // namespace controls
