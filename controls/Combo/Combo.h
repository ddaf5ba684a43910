#pragma once
// A skinned combo box: a flat white field with a thin blue-grey outline, an
// editable text area, and a small picture button at the right that drops down a
// list. It paints nothing itself: a white picture box holds the text box, the
// button (a picture box showing one of four pictures) and the outline; a system
// combo box lies under that panel, and only its dropped list is ever seen.
// Choosing an item puts its text in the field. The control keeps a height of 300
// twips and a width of at least 400.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "controls/Combo/ComboLook.h"
#include "host/stock/Image.h"
#include "host/stock/ListControls.h"
#include "host/stock/PictureBox.h"
#include "host/stock/Shape.h"
#include "host/stock/TextBox.h"
#include "host/forms/UserControl.h"

// The property TEXT keeps its name; the program spells every text literal with L"".
#undef TEXT

namespace controls {

class Combo : public host::UserControl {
public:
    explicit Combo(std::wstring name);

    // Opens the list of the combo box window `chwnd` when it is closed, closes it
    // when it is open.
    void OpenCombo(int32_t chwnd);
    std::wstring TEXT() const { return txtData_->Text(); }
    void SetTEXT(const std::wstring& text);
    // Shows the button's normal picture.
    void ResetPic();
    // Adds an item at `index` (0 to ListCount), or where the list puts new items.
    void AddItem(const std::wstring& item, std::optional<int32_t> index = std::nullopt);
    host::OleColor BackColor() const { return txtData_->BackColor(); }
    // Colours the text area and the panel around it.
    void SetBackColor(host::OleColor colour);
    // Empties the list; the field keeps its text.
    void Clear();
    host::FontPtr Font() const { return txtData_->GetFont(); }
    // The font object becomes the text area's own; the text area's top follows
    // its size. No font at all is the object error.
    void SetFont(host::FontPtr font);
    host::OleColor ForeColor() const { return txtData_->ForeColor(); }
    void SetForeColor(host::OleColor colour);
    // The control's own window, not the list's.
    int32_t hwnd() const;
    // The chosen item, -1 for none.
    int16_t ListIndex() const;
    // Chooses an item (or none with -1), which puts its text in the field; an
    // index outside the list is the invalid-value error.
    void SetListIndex(int16_t index);
    int16_t ListCount() const;
    bool Locked() const { return txtData_->Locked(); }
    void SetLocked(bool locked);
    int32_t MaxLength() const { return txtData_->MaxLength(); }
    void SetMaxLength(int32_t length);
    std::wstring ToolTipText() const { return txtData_->ToolTipText(); }
    void SetToolTipText(const std::wstring& text);
    std::wstring FieldName() const { return txtData_->DataField(); }
    void SetFieldName(const std::wstring& name);
    // What was last set or stored: false on a new control and after loading a bag
    // without the key, while the control still takes input. Setting it also
    // enables or disables the field and shows the matching button and outline.
    bool Enabled() const { return enabledFlag_; }
    void SetEnabled(bool enabled) override;
    const host::PublishedProperties* Published() const override;

    // Events, in their fixed order; the mouse ones come from the text area, with
    // places in twips relative to it.
    host::Event<> Click;
    host::Event<> Change;
    host::Event<int16_t, int16_t, float, float> MouseMove;  // Button, Shift, X, Y
    host::Event<int16_t, int16_t, float, float> MouseDown;

protected:
    void OnReadProperties(const host::PropertyBag& bag) override;
    void OnWriteProperties(host::PropertyBag& bag) override;
    void OnResize() override;
    void OnMouseMove(int16_t button, int16_t shift, float x, float y) override;
    // What a screen reader reads (ComboAccessible.cpp).
    host::AccessibleDescription DescribeAccessible() const override;
    void DoAccessibleDefaultAction(long item) override;

private:
    void ReadItems(const host::PropertyBag& bag);
    void WriteItems(host::PropertyBag& bag) const;
    void AddParts();
    void ConnectParts();
    bool Shows(int picture) const;
    void Show(int picture);
    // Puts the chosen item's text in the field; with nothing chosen the field
    // keeps its text.
    void ShowChosenItem();
    // Lays out the parts for the control's width and the text area's font, and
    // takes the control's one height and least width back.
    void ResizeParts();
    void ApplyBackColor(host::OleColor colour);
    bool Dropped() const;

    // BackMain, ImgUp, TxtData, ShapeBorder, Combo1 and the img array.
    host::PictureBox* backMain_ = nullptr;
    host::PictureBox* imgUp_ = nullptr;
    host::TextBox* txtData_ = nullptr;
    host::Shape* shapeBorder_ = nullptr;
    host::ComboBox* combo1_ = nullptr;
    std::array<host::Image*, combo_look::kPictureCount> img_{};
    host::Connections parts_;  // the handlers of the parts' events
    bool enabledFlag_ = false;
    bool resizing_ = false;
};

}  // namespace controls
