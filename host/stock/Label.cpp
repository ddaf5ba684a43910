#include "host/stock/Label.h"

#include "host/forms/Container.h"
#include "host/forms/Form.h"
#include "host/values/Gdi.h"
#include "host/values/Units.h"
#include "host/stock/ColourKeys.h"

namespace host {

Label::Label(std::wstring name) : WindowlessControl(L"Label", std::move(name)) { SetFont(Font::Create()); }

Label::~Label() = default;

void Label::Attach(Container* container, bool constituent) {
    WindowlessControl::Attach(container, constituent);
    FitToText();
}

void Label::SetCaption(const std::wstring& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    FitToText();
    InvalidateArea();
    Change();
}

void Label::SetAutoSize(bool on) {
    autoSize_ = on;
    FitToText();
}

void Label::SetWordWrap(bool on) {
    wordWrap_ = on;
    FitToText();
    InvalidateArea();
}

void Label::SetBackStyle(BackStyle style) {
    backStyle_ = style;
    InvalidateArea();
}

void Label::SetAlignment(Alignment alignment) {
    alignment_ = alignment;
    InvalidateArea();
}

void Label::SetBackColor(OleColor colour) {
    TranslateColor(colour);
    backColor_ = colour;
    InvalidateArea();
}

void Label::SetForeColor(OleColor colour) {
    TranslateColor(colour);
    foreColor_ = colour;
    InvalidateArea();
}

void Label::SetFont(FontPtr font) {
    font_ = font ? std::move(font) : Font::Create();
    fontChanges_ = font_->Subscribe([this](const std::wstring&) { FontChanged(); });
    FontChanged();
}

void Label::FontChanged() {
    hfont_.Reset();
    FitToText();
    InvalidateArea();
}

HFONT Label::FontHandle() const {
    if (!hfont_) hfont_ = gdi::FontHandle(CreateFontFor(*font_));
    return hfont_;
}

UINT Label::TextFormat() const {
    UINT format = DT_EXPANDTABS;
    if (alignment_ == Alignment::Right)
        format |= DT_RIGHT;
    else if (alignment_ == Alignment::Center)
        format |= DT_CENTER;
    if (!autoSize_ || wordWrap_) format |= DT_WORDBREAK;
    return format;
}

void Label::FitToText() {
    if (!autoSize_) return;
    gdi::MemoryDC screen(nullptr);  // measures as the screen would, with no round trip to the window system
    gdi::Selection select(screen, FontHandle());
    RECT r{0, 0, wordWrap_ ? PixelRect().right - PixelRect().left : 0, 0};
    std::wstring text = caption_.empty() ? std::wstring() : caption_;
    DrawTextW(screen, text.c_str(), static_cast<int>(text.size()), &r, TextFormat() | DT_CALCRECT);
    if (text.empty()) {
        TEXTMETRICW tm{};
        GetTextMetricsW(screen, &tm);
        r.right = 0;
        r.bottom = tm.tmHeight;
    }
    double width = wordWrap_ ? Width() : PixelsToTwipsX(r.right);
    Move(Left(), Top(), width, PixelsToTwipsY(r.bottom));
}

void Label::Paint(HDC dc) const {
    RECT r = PixelRect();
    if (backStyle_ == BackStyle::Opaque) {
        gdi::Brush brush = gdi::SolidBrush(TranslateColor(backColor_));
        FillRect(dc, &r, brush);
    }
    gdi::Selection select(dc, FontHandle());
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColour = SetTextColor(dc, TranslateColor(Enabled() ? foreColor_ : SystemColor(COLOR_GRAYTEXT)));
    DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &r, TextFormat());
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
}

void Label::OnAccessKey(wchar_t) {
    Form* form = ParentForm();
    if (!form) return;
    // The focus goes to the first control after the label in tab order.
    Control* best = nullptr;
    for (Control* c : form->TabOrder())
        if (c->TabIndex() > TabIndex() && (!best || c->TabIndex() < best->TabIndex())) best = c;
    if (best && best->Hwnd()) ::SetFocus(best->Hwnd());
}

void Label::SetDesignProperty(const std::wstring& key, const Variant& value) {
    if (SetColourOrFontKey(*this, key, value)) return;
    if (SameName(key, L"Caption"))
        SetCaption(value.ToString());
    else if (SameName(key, L"AutoSize"))
        SetAutoSize(value.ToBool());
    else if (SameName(key, L"WordWrap"))
        SetWordWrap(value.ToBool());
    else if (SameName(key, L"BackStyle"))
        SetBackStyle(static_cast<BackStyle>(value.ToInteger() != 0));
    else if (SameName(key, L"Alignment"))
        SetAlignment(static_cast<Alignment>(value.ToInteger()));
    else
        WindowlessControl::SetDesignProperty(key, value);
}

Variant Label::GetProperty(const std::wstring& name, const std::vector<Variant>& index) {
    if (SameName(name, L"Caption")) return Variant(caption_);
    if (SameName(name, L"ForeColor")) return Variant::Lng(static_cast<int32_t>(foreColor_));
    if (SameName(name, L"BackColor")) return Variant::Lng(static_cast<int32_t>(backColor_));
    return WindowlessControl::GetProperty(name, index);
}

}  // namespace host
