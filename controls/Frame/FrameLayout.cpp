#include "controls/Frame/Frame.h"
#include "controls/Frame/FrameLook.h"

namespace controls {

using namespace frame_look;

bool Frame::HasIcon() const {
    host::PicturePtr picture = img_->GetPicture();
    return picture && !picture->IsEmpty();
}

void Frame::PlaceCaption() { lbl_->SetLeft(HasIcon() ? img_->Left() + img_->Width() + kIconToCaption : kIconLeft); }

void Frame::ShapeCaptionGap() {
    if (!lbl_->Caption().empty()) {
        lbl_->SetBackStyle(host::Label::BackStyle::Opaque);
        return;
    }
    lbl_->SetBackStyle(host::Label::BackStyle::Transparent);
    Outline(9).SetX1(Outline(4).X2());
    Outline(10).SetX1(Outline(7).X2());
}

// Line1..4 and Line9 are the dark outline (left, bottom, right, top left of the
// gap, top right of it); Line5..8 and Line10 the light one (left, bottom, top left
// of the gap, right, top right of it).
void Frame::Layout() {
    const double w = Width(), h = Height();
    const TopEdge& top = (!HasIcon() && lbl_->Caption().empty()) ? kBareTop : kCaptionedTop;
    Outline(1).SetEnds(0, top.dark, 0, h);
    Outline(5).SetEnds(kLightLeftX, top.lightLeft, kLightLeftX, h - kDarkInset);
    Outline(6).SetEnds(0, h - kLightInset, w, h - kLightInset);
    Outline(8).SetEnds(w - kLightInset, h, w - kLightInset, top.lightRight);
    Outline(2).SetEnds(0, h - kDarkInset, w, h - kDarkInset);
    Outline(3).SetEnds(w - kDarkInset, h, w - kDarkInset, top.dark);
    Outline(4).SetEnds(0, top.dark, kGapLeft, top.dark);
    Outline(7).SetEnds(kLightTopLeftX, top.light, kGapLeft, top.light);
    const double captionRight = lbl_->Left() + lbl_->Width();
    Outline(9).SetEnds(captionRight + kGapRightPad, top.dark, w - kDarkTopRightInset, top.dark);
    Outline(10).SetEnds(captionRight + kGapRightPad, top.light, w - kLightTopRightInset, top.light);
    lbl_->SetTop(kCaptionTop);
    SetBackColor(kBackground);
    lbl_->SetBackColor(kBackground);
    lbl_->SetForeColor(kCaptionText);
    img_->Move(kIconLeft, kIconTop, img_->Width(), img_->Height());
    ShapeCaptionGap();
}

}  // namespace controls
