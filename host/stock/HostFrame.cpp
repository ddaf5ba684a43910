#include "host/stock/HostFrame.h"

#include "host/values/Gdi.h"
#include "host/stock/ColourKeys.h"

namespace host {

HostFrame::HostFrame(std::wstring name) : WindowedControl(L"HostFrame", std::move(name)), font_(Font::Create()) {
    SetTabStop(false);
}

HostFrame::~HostFrame() { DestroyChildren(); }

void HostFrame::CreateControlWindow(const WindowPlace& place) { CreateContainerWindow(place); }

void HostFrame::SetCaption(const std::wstring& caption) {
    caption_ = caption;
    if (Handle()) InvalidateShown(Handle());
}

void HostFrame::SetFont(FontPtr font) {
    font_ = font ? std::move(font) : Font::Create();
    hfont_.Reset();
    if (Handle()) InvalidateShown(Handle());
    AnnounceAmbientChange(L"Font");
}

void HostFrame::SetBackColor(OleColor colour) {
    TranslateColor(colour);
    backColor_ = colour;
    if (Handle()) InvalidateShown(Handle());
    AnnounceAmbientChange(L"BackColor");
}

void HostFrame::SetForeColor(OleColor colour) {
    TranslateColor(colour);
    foreColor_ = colour;
    if (Handle()) InvalidateShown(Handle());
}

void HostFrame::PaintFrame(HDC dc, const RECT& client) const {
    gdi::Brush back = gdi::SolidBrush(TranslateColor(backColor_));
    FillRect(dc, &client, back);
    if (!hfont_) hfont_ = gdi::FontHandle(CreateFontFor(*font_));
    gdi::Selection select(dc, hfont_);
    SIZE text{};
    GetTextExtentPoint32W(dc, caption_.c_str(), static_cast<int>(caption_.size()), &text);
    if (caption_.empty()) {
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        text.cy = tm.tmHeight;
    }
    RECT edge{client.left, client.top + text.cy / 2, client.right, client.bottom};
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
    if (caption_.empty()) return;
    constexpr int kCaptionIndent = 8;
    RECT label{client.left + kCaptionIndent, client.top, client.left + kCaptionIndent + text.cx + 4,
               client.top + text.cy};
    FillRect(dc, &label, back);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, TranslateColor(Enabled() ? foreColor_ : SystemColor(COLOR_GRAYTEXT)));
    DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &label, DT_CENTER | DT_SINGLELINE);
}

LRESULT HostFrame::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: PaintWindow(Handle(), [this](HDC dc, const RECT& client) { PaintFrame(dc, client); }); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE: MouseCaptureLost(); break;
    default:
        if (msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK && RouteMouseToWindowless(Handle(), msg, wParam, lParam))
            return 0;
        break;
    }
    return WindowedControl::WindowProc(msg, wParam, lParam);
}

void HostFrame::SetDesignProperty(const std::wstring& key, const Variant& value) {
    if (SetColourOrFontKey(*this, key, value)) return;
    if (SameName(key, L"Caption"))
        SetCaption(value.ToString());
    else
        WindowedControl::SetDesignProperty(key, value);
}

}  // namespace host
