#include "host/stock/LineControl.h"

#include <algorithm>

#include "host/values/Gdi.h"
#include "host/values/Units.h"

namespace host {

LineControl::LineControl(std::wstring name) : WindowlessControl(L"Line", std::move(name)) {}

void LineControl::SetEnds(double x1, double y1, double x2, double y2) {
    InvalidateArea();
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    InvalidateArea();
}

void LineControl::SetBorderColor(OleColor colour) {
    TranslateColor(colour);
    borderColor_ = colour;
    InvalidateArea();
}

void LineControl::SetBorderWidth(int width) {
    borderWidth_ = std::max(width, 1);
    InvalidateArea();
}

RECT LineControl::PixelRect() const {
    int ax = TwipsToPixelsX(x1_), ay = TwipsToPixelsY(y1_), bx = TwipsToPixelsX(x2_), by = TwipsToPixelsY(y2_);
    return RECT{std::min(ax, bx) - borderWidth_, std::min(ay, by) - borderWidth_, std::max(ax, bx) + borderWidth_ + 1,
                std::max(ay, by) + borderWidth_ + 1};
}

void LineControl::Paint(HDC dc) const {
    int ax = TwipsToPixelsX(x1_), ay = TwipsToPixelsY(y1_), bx = TwipsToPixelsX(x2_), by = TwipsToPixelsY(y2_);
    COLORREF colour = TranslateColor(borderColor_);
    gdi::Pen pen = gdi::SolidPen(colour, borderWidth_);
    gdi::Selection select(dc, pen);
    MoveToEx(dc, ax, ay, nullptr);
    LineTo(dc, bx, by);
    if (borderWidth_ == 1) SetPixelV(dc, bx, by, colour);
}

void LineControl::SetDesignProperty(const std::wstring& key, const Variant& value) {
    if (SameName(key, L"X1"))
        SetX1(value.ToDouble());
    else if (SameName(key, L"Y1"))
        SetY1(value.ToDouble());
    else if (SameName(key, L"X2"))
        SetX2(value.ToDouble());
    else if (SameName(key, L"Y2"))
        SetY2(value.ToDouble());
    else if (SameName(key, L"BorderColor"))
        SetBorderColor(static_cast<OleColor>(value.ToLong()));
    else if (SameName(key, L"BorderWidth"))
        SetBorderWidth(value.ToInteger());
    else
        WindowlessControl::SetDesignProperty(key, value);
}

}  // namespace host
