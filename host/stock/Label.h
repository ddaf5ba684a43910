#pragma once
// A windowless caption: opaque or transparent background, alignment, word wrap and
// automatic size; an "&" underlines the next character and gives the access key
// that moves the focus to the next control in tab order.
#include "host/values/Color.h"
#include "host/values/Event.h"
#include "host/values/Font.h"
#include "host/values/Gdi.h"
#include "host/forms/Windowless.h"

namespace host {

class Label : public WindowlessControl {
public:
    enum class Alignment { Left = 0, Right = 1, Center = 2 };
    enum class BackStyle { Transparent = 0, Opaque = 1 };

    explicit Label(std::wstring name);
    ~Label() override;

    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& caption);  // raises Change when the text differs
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool on);
    BackStyle GetBackStyle() const { return backStyle_; }
    void SetBackStyle(BackStyle style);
    Alignment GetAlignment() const { return alignment_; }
    void SetAlignment(Alignment alignment);
    OleColor BackColor() const { return backColor_; }
    void SetBackColor(OleColor colour);
    OleColor ForeColor() const { return foreColor_; }
    void SetForeColor(OleColor colour);
    FontPtr GetFont() const { return font_; }
    void SetFont(FontPtr font);

    Event<> Change;

    void Paint(HDC dc) const override;
    bool TakesMouse() const override { return true; }
    wchar_t AccessKey() const override { return AccessKeyOf(caption_); }
    void OnAccessKey(wchar_t key) override;
    void SetDesignProperty(const std::wstring& key, const Variant& value) override;
    Variant GetProperty(const std::wstring& name, const std::vector<Variant>& index = {}) override;
    void Attach(Container* container, bool constituent) override;

private:
    UINT TextFormat() const;
    void FitToText();
    void FontChanged();
    // The GDI font, made on first use and again after the font changes: making
    // one is costly and labels paint often.
    HFONT FontHandle() const;

    std::wstring caption_;
    bool autoSize_ = false;
    bool wordWrap_ = false;
    BackStyle backStyle_ = BackStyle::Opaque;
    Alignment alignment_ = Alignment::Left;
    OleColor backColor_ = kButtonFace;
    OleColor foreColor_ = kButtonText;
    FontPtr font_;
    Connection fontChanges_;
    mutable gdi::FontHandle hfont_;
};

}  // namespace host
