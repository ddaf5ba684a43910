#pragma once
// A windowless rectangle, square, oval, circle or rounded rectangle with a border
// and an optional fill.
#include "host/values/Color.h"
#include "host/forms/Windowless.h"

namespace host {

class Shape : public WindowlessControl {
public:
    enum class Kind { Rectangle = 0, Square = 1, Oval = 2, Circle = 3, RoundedRectangle = 4, RoundedSquare = 5 };

    explicit Shape(std::wstring name);

    void SetShape(Kind kind);
    void SetBorderColor(OleColor colour);
    void SetBorderWidth(int width);
    void SetBackStyle(bool opaque);
    void SetBackColor(OleColor colour);
    void SetFillColor(OleColor colour);
    void SetFillSolid(bool solid);
    OleColor BorderColor() const { return borderColor_; }

    void Paint(HDC dc) const override;
    void SetDesignProperty(const std::wstring& key, const Variant& value) override;

private:
    RECT ShapeRect() const;
    Kind kind_ = Kind::Rectangle;
    OleColor borderColor_ = kWindowText;
    int borderWidth_ = 1;
    bool opaque_ = false;
    OleColor backColor_ = kWindowBackground;
    bool fillSolid_ = false;
    OleColor fillColor_ = 0;
};

}  // namespace host
