#pragma once
// A windowless straight line between two points (twips in the container), both
// end points drawn.
#include "host/values/Color.h"
#include "host/forms/Windowless.h"

namespace host {

class LineControl : public WindowlessControl {
public:
    explicit LineControl(std::wstring name);

    double X1() const { return x1_; }
    double Y1() const { return y1_; }
    double X2() const { return x2_; }
    double Y2() const { return y2_; }
    void SetX1(double v) { SetEnds(v, y1_, x2_, y2_); }
    void SetY1(double v) { SetEnds(x1_, v, x2_, y2_); }
    void SetX2(double v) { SetEnds(x1_, y1_, v, y2_); }
    void SetY2(double v) { SetEnds(x1_, y1_, x2_, v); }
    void SetEnds(double x1, double y1, double x2, double y2);
    OleColor BorderColor() const { return borderColor_; }
    void SetBorderColor(OleColor colour);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);

    RECT PixelRect() const override;  // the box around both ends
    void Paint(HDC dc) const override;
    void SetDesignProperty(const std::wstring& key, const Variant& value) override;

private:
    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    OleColor borderColor_ = kWindowText;
    int borderWidth_ = 1;
};

}  // namespace host
