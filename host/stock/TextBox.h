#pragma once
// A text box: a system EDIT window, single- or multi-line.
#include "host/stock/SystemControl.h"
#include "host/windows/Mouse.h"
#include "host/windows/Tooltip.h"

namespace host {

class TextBox : public SystemControl {
public:
    enum class Alignment { Left = 0, Right = 1, Center = 2 };

    explicit TextBox(std::wstring name);

    std::wstring Text() const { return ReadWindowText(); }
    void SetText(const std::wstring& text) { StoreWindowText(text); }
    // Fixed once the window exists, as with the system control itself.
    void SetMultiLine(bool on) { multiLine_ = on; }
    bool MultiLine() const { return multiLine_; }
    void SetAlignment(Alignment alignment) { alignment_ = alignment; }
    void SetBorder(bool on) { border_.on = on; }
    void SetFlat(bool flat) { border_.flat = flat; }
    void SetScrollBars(int bars) { scrollBars_ = bars; }
    // Read-only for the user.
    bool Locked() const { return locked_; }
    void SetLocked(bool locked);
    // The longest text the user can type, 0 for no limit; a negative length is
    // the invalid-value error.
    int32_t MaxLength() const { return maxLength_; }
    void SetMaxLength(int32_t length);
    const std::wstring& ToolTipText() const { return toolTipText_; }
    void SetToolTipText(const std::wstring& text);
    // The name of the data field the box is bound to; kept for the container.
    const std::wstring& DataField() const { return dataField_; }
    void SetDataField(const std::wstring& name) { dataField_ = name; }
    int32_t SelStart() const;
    int32_t SelLength() const;
    void SetSelection(int32_t start, int32_t length);

    Event<> Change;
    Event<> Click;
    Event<int16_t, int16_t, float, float> MouseDown;  // Button, Shift, X, Y (in the container's scale)
    Event<int16_t, int16_t, float, float> MouseMove;
    Event<int16_t, int16_t, float, float> MouseUp;

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool CanTakeFocus() const override { return WindowedControl::CanTakeFocus(); }
    // Enter is a new line in a multi-line box.
    DialogKeyUse FocusedDialogKey(WPARAM key) override {
        return multiLine_ && key == VK_RETURN ? DialogKeyUse::Keep : DialogKeyUse::Pass;
    }
    void OnCommand(WORD code) override;
    void SetDesignProperty(const std::wstring& key, const Variant& value) override;
    Variant GetProperty(const std::wstring& name, const std::vector<Variant>& index = {}) override;
    void LetProperty(const std::wstring& name, const Variant& value, const std::vector<Variant>& index = {}) override;

protected:
    void CreateControlWindow(const WindowPlace& place) override;
    void WindowCreated() override;
    // A hidden multi-line box gets its text when it shows or is asked for it:
    // breaking a long text into the lines of a narrow box takes Wine tens of
    // milliseconds, and a multi-line box announces no change for a text set whole.
    bool TextCanWait() const override { return multiLine_ && !Visible(); }

private:
    void RaiseMouseEvent(UINT msg, WPARAM wParam, LPARAM lParam);

    bool multiLine_ = false;
    Alignment alignment_ = Alignment::Left;
    BoxBorder border_;
    int scrollBars_ = 0;
    bool locked_ = false;
    int32_t maxLength_ = 0;
    std::wstring toolTipText_;
    Tooltip tooltip_;
    std::wstring dataField_;
    ClickTracker clicks_;
};

}  // namespace host
