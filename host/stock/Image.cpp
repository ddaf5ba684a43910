#include "host/stock/Image.h"

#include "host/windows/Surface.h"
#include "host/values/Units.h"

namespace host {

Image::Image(std::wstring name) : WindowlessControl(L"Image", std::move(name)) {}

void Image::SetPicture(PicturePtr picture) {
    picture_ = std::move(picture);
    FitToPicture();
    InvalidateArea();
}

void Image::SetStretch(bool on) {
    stretch_ = on;
    FitToPicture();
    InvalidateArea();
}

void Image::FitToPicture() {
    if (stretch_) return;
    if (!picture_ || picture_->IsEmpty()) return;
    // Through whole pixels, so a 71-pixel picture is exactly 1065 twips wide.
    SIZE pixels = PicturePixelSize(*picture_);
    Move(Left(), Top(), PixelsToTwipsX(pixels.cx), PixelsToTwipsY(pixels.cy));
}

void Image::Paint(HDC dc) const {
    if (!picture_ || picture_->IsEmpty()) return;
    RECT r = PixelRect();
    if (!stretch_) {
        SIZE natural = PicturePixelSize(*picture_);
        r.right = r.left + natural.cx;
        r.bottom = r.top + natural.cy;
    }
    DrawPictureInto(dc, *picture_, r);
}

void Image::SetDesignProperty(const std::wstring& key, const Variant& value) {
    if (SameName(key, L"Picture"))
        SetPicture(value.ToPicture());
    else if (SameName(key, L"Stretch"))
        SetStretch(value.ToBool());
    else
        WindowlessControl::SetDesignProperty(key, value);
}

}  // namespace host
