// Where the parts go for the control's width and the text area's font.
#include "controls/Combo/Combo.h"

namespace controls {

using namespace combo_look;

namespace {

// Larger fonts raise the text area one pixel per point above the plain size.
double TextTop(double fontSize) {
    if (fontSize <= kPlainFontSize) return kTextTop;
    return kTextTop - host::RoundToInteger(fontSize - kPlainFontSize) * kRisePerPoint;
}

}  // namespace

void Combo::ResizeParts() {
    // Taking the size back resizes the control again; the pass under way lays out alone.
    if (resizing_) return;
    const double textTop = TextTop(txtData_->GetFont()->Size());  // the one step that can fail
    resizing_ = true;
    if (Width() < kMinWidth) SetWidth(kMinWidth);
    const double width = Width();
    shapeBorder_->SetWidth(width);
    imgUp_->SetLeft(width - kButtonFromRight);
    backMain_->SetWidth(width);
    combo1_->Move(0, kListTop, width, combo1_->Height());
    if (Height() != kHeight) SetHeight(kHeight);
    txtData_->Move(kTextLeft, textTop, width - kTextWidthLess, kTextHeight);
    resizing_ = false;
}

}  // namespace controls
