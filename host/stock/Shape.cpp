#include "host/stock/Shape.h"

#include <algorithm>

#include "host/values/Gdi.h"

namespace host {

Shape::Shape(std::wstring name) : WindowlessControl(L"Shape", std::move(name)) {}

void Shape::SetShape(Kind kind) {
    kind_ = kind;
    InvalidateArea();
}
void Shape::SetBorderColor(OleColor colour) {
    TranslateColor(colour);
    borderColor_ = colour;
    InvalidateArea();
}
void Shape::SetBorderWidth(int width) {
    borderWidth_ = std::max(width, 1);
    InvalidateArea();
}
void Shape::SetBackStyle(bool opaque) {
    opaque_ = opaque;
    InvalidateArea();
}
void Shape::SetBackColor(OleColor colour) {
    TranslateColor(colour);
    backColor_ = colour;
    InvalidateArea();
}
void Shape::SetFillColor(OleColor colour) {
    TranslateColor(colour);
    fillColor_ = colour;
    InvalidateArea();
}
void Shape::SetFillSolid(bool solid) {
    fillSolid_ = solid;
    InvalidateArea();
}

RECT Shape::ShapeRect() const {
    RECT r = PixelRect();
    if (kind_ == Kind::Square || kind_ == Kind::Circle || kind_ == Kind::RoundedSquare) {
        int side = std::min(r.right - r.left, r.bottom - r.top);
        int x = r.left + (r.right - r.left - side) / 2, y = r.top + (r.bottom - r.top - side) / 2;
        r = RECT{x, y, x + side, y + side};
    }
    return r;
}

void Shape::Paint(HDC dc) const {
    RECT r = ShapeRect();
    gdi::Brush back = gdi::SolidBrush(TranslateColor(fillSolid_ ? fillColor_ : backColor_));
    gdi::Pen pen = gdi::SolidPen(TranslateColor(borderColor_), borderWidth_, PS_INSIDEFRAME);
    bool filled = fillSolid_ || opaque_;
    gdi::Selection selectBrush(dc, filled ? static_cast<HGDIOBJ>(back.Get()) : GetStockObject(NULL_BRUSH));
    gdi::Selection selectPen(dc, pen);
    switch (kind_) {
    case Kind::Oval:
    case Kind::Circle: Ellipse(dc, r.left, r.top, r.right, r.bottom); break;
    case Kind::RoundedRectangle:
    case Kind::RoundedSquare: {
        int round = std::min(r.right - r.left, r.bottom - r.top) / 4;
        RoundRect(dc, r.left, r.top, r.right, r.bottom, round, round);
        break;
    }
    default: Rectangle(dc, r.left, r.top, r.right, r.bottom); break;
    }
}

void Shape::SetDesignProperty(const std::wstring& key, const Variant& value) {
    if (SameName(key, L"Shape"))
        SetShape(static_cast<Kind>(value.ToInteger()));
    else if (SameName(key, L"BorderColor"))
        SetBorderColor(static_cast<OleColor>(value.ToLong()));
    else if (SameName(key, L"BorderWidth"))
        SetBorderWidth(value.ToInteger());
    else if (SameName(key, L"BackStyle"))
        SetBackStyle(value.ToBool());
    else if (SameName(key, L"BackColor"))
        SetBackColor(static_cast<OleColor>(value.ToLong()));
    else if (SameName(key, L"FillColor"))
        SetFillColor(static_cast<OleColor>(value.ToLong()));
    else if (SameName(key, L"FillStyle"))
        SetFillSolid(value.ToInteger() == 0);
    else
        WindowlessControl::SetDesignProperty(key, value);
}

}  // namespace host
