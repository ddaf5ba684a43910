#include <algorithm>

#include "controls/xForm/xForm.h"

namespace controls {

namespace {

// A control smaller than the fixed pieces together leaves the stretched ones
// nothing rather than a negative length.
double Length(double twips) { return std::max(twips, 0.0); }

}  // namespace

void xForm::Layout() {
    const double w = Width();
    const double h = Height();
    host::Image& titleLeft = *pieces_.titleLeft;
    host::Image& titleMiddle = *pieces_.titleMiddle;
    host::Image& titleRight = *pieces_.titleRight;
    host::Image& borderLeft = *pieces_.borderLeft;
    host::Image& borderRight = *pieces_.borderRight;
    host::Image& cornerLeft = *pieces_.cornerBottomLeft;
    host::Image& borderBottom = *pieces_.borderBottom;
    host::Image& cornerRight = *pieces_.cornerBottomRight;

    titleRight.SetLeft(w - titleRight.Width());
    titleMiddle.SetLeft(titleLeft.Width());
    titleMiddle.SetWidth(Length(w - titleLeft.Width() - titleRight.Width()));
    borderLeft.SetTop(titleLeft.Height());
    cornerLeft.SetTop(h - cornerLeft.Height());
    borderBottom.SetTop(h - borderBottom.Height());
    borderBottom.SetLeft(cornerLeft.Width());
    borderBottom.SetWidth(Length(w - cornerLeft.Width() - cornerRight.Width()));
    cornerRight.SetTop(h - cornerRight.Height());
    cornerRight.SetLeft(w - cornerRight.Width());
    borderRight.SetLeft(w - borderRight.Width());
    borderRight.SetTop(titleRight.Height());
    borderLeft.SetHeight(Length(h - titleLeft.Height() - cornerLeft.Height()));
    borderRight.SetHeight(Length(h - titleRight.Height() - cornerRight.Height()));
}

}  // namespace controls
