// Which state image shows, and where the parts sit.
#include <cmath>

#include "controls/Options/Options.h"
#include "controls/Options/OptionsLook.h"

namespace controls {

using namespace options_look;

namespace {

// (a - b) \ 2: the difference rounded to a whole number, halved toward zero.
double HalfDifference(double a, double b) { return static_cast<double>(std::lround(a - b) / 2); }

}  // namespace

// The box shows the stored picture object itself, so comparing pictures tells
// which image is on show.
void Options::Show(int image) { p_->SetPicture(img_[static_cast<size_t>(image)]->GetPicture()); }

bool Options::Shows(int image) const { return p_->GetPicture() == img_[static_cast<size_t>(image)]->GetPicture(); }

void Options::ShowStateImage() {
    if (!enabled_)
        ShowDisabledImage();
    else
        Show(value_ ? kNormalImage + kSelected : kNormalImage);
}

void Options::ShowDisabledImage() { Show(value_ ? kDisabledImage + kSelected : kDisabledImage); }

void Options::ApplyEnabledLook() {
    if (!enabled_) {
        ShowDisabledImage();
        lbl_->SetForeColor(kDisabledCaption);
        timer_->SetEnabled(false);
    } else {
        ShowStateImage();
        lbl_->SetForeColor(foreColor_);
    }
}

bool Options::HasIcon() const {
    host::PicturePtr picture = image1_->GetPicture();
    return picture && !picture->IsEmpty();
}

// The height follows the icon (or the state image without one); the width is the
// container's. A change of height comes back here through Resize, so everything
// below is placed from the final height.
void Options::Layout() {
    SetScaleMode(host::ScaleMode::Twips);
    p_->Move(0, p_->Top(), kStateImageSide, kStateImageSide);
    double stateImageTop = 0;
    if (!HasIcon()) {
        if (Height() != kStateImageSide) SetHeight(kStateImageSide);
        lbl_->SetLeft(kCaptionLeftWithoutIcon);
        stateImageTop = HalfDifference(Height(), kStateImageSide);
    } else {
        if (Height() != image1_->Height()) SetHeight(image1_->Height());
        image1_->SetLeft(kIconLeft);
        lbl_->SetLeft(image1_->Left() + image1_->Width() + kIconToCaption);
        stateImageTop = HalfDifference(Height(), kStateImageSide) + kStateImageDropWithIcon;
    }
    lbl_->SetTop(HalfDifference(Height(), lbl_->Height()));
    p_->SetTop(stateImageTop);
}

}  // namespace controls
