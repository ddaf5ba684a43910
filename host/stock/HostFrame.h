#pragma once
// The host's own group frame: an etched outline with a caption in its top edge,
// holding other controls.
#include "host/values/Color.h"
#include "host/forms/Container.h"
#include "host/values/Gdi.h"
#include "host/forms/WindowedControl.h"

namespace host {

class HostFrame : public WindowedControl, public Container {
public:
    explicit HostFrame(std::wstring name);
    ~HostFrame() override;

    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& caption);
    FontPtr GetFont() const { return font_; }
    void SetFont(FontPtr font);
    OleColor BackColor() const { return backColor_; }
    void SetBackColor(OleColor colour);
    OleColor ForeColor() const { return foreColor_; }
    void SetForeColor(OleColor colour);

    // Container
    HWND ContainerHwnd() const override { return Handle(); }
    Form* OwningForm() override { return ParentForm(); }
    Control* AsControl() override { return this; }
    ScaleMode ContainerScaleMode() const override { return ScaleMode::Twips; }
    OleColor ContainerBackColor() const override { return backColor_; }
    OleColor ContainerForeColor() const override { return foreColor_; }
    FontPtr ContainerFont() const override { return font_; }

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void SetDesignProperty(const std::wstring& key, const Variant& value) override;

protected:
    void CreateControlWindow(const WindowPlace& place) override;

private:
    void PaintFrame(HDC dc, const RECT& client) const;
    std::wstring caption_;
    FontPtr font_;
    mutable gdi::FontHandle hfont_;  // made on first paint, again after SetFont
    OleColor backColor_ = kButtonFace;
    OleColor foreColor_ = kButtonText;
};

}  // namespace host
