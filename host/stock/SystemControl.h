#pragma once
// The part shared by the host's controls that are system windows (text box, combo
// box, list box, command button): font, colours and the window text.
#include "host/values/Color.h"
#include "host/values/Event.h"
#include "host/values/Gdi.h"
#include "host/forms/WindowedControl.h"

namespace host {

class SystemControl : public WindowedControl {
public:
    SystemControl(std::wstring kind, std::wstring name, OleColor back, OleColor fore);

    OleColor BackColor() const { return backColor_; }
    void SetBackColor(OleColor colour);
    OleColor ForeColor() const { return foreColor_; }
    void SetForeColor(OleColor colour);
    FontPtr GetFont() const { return font_; }
    void SetFont(FontPtr font);

    Event<> GotFocus;
    Event<> LostFocus;
    Event<int16_t, int16_t> KeyDown;  // KeyCode, Shift
    Event<int16_t> KeyPress;          // KeyAscii
    Event<int16_t, int16_t> KeyUp;

    HBRUSH OnCtlColor(HDC dc) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void SetDesignProperty(const std::wstring& key, const Variant& value) override;
    void Attach(Container* container, bool constituent) override;

protected:
    // Gives the new window the font and the text set before it existed.
    void WindowCreated() override;
    std::wstring ReadWindowText() const;
    void StoreWindowText(const std::wstring& text);
    // True when the window may go without its text until something needs it,
    // which must raise no event when it comes (see TextBox).
    virtual bool TextCanWait() const { return false; }

private:
    OleColor backColor_;
    OleColor foreColor_;
    gdi::Brush brush_;
    FontPtr font_;
    void GiveWaitingText();

    std::wstring pendingText_;  // text set before the window exists, or waiting for it
    bool textWaiting_ = false;  // the window has yet to be given pendingText_
};

}  // namespace host
