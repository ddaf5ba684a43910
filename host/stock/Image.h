#pragma once
// A windowless picture. Without Stretch it takes the size of its picture; with
// Stretch the picture fills the control.
#include "host/values/Picture.h"
#include "host/forms/Windowless.h"

namespace host {

class Image : public WindowlessControl {
public:
    explicit Image(std::wstring name);

    PicturePtr GetPicture() const { return picture_; }
    void SetPicture(PicturePtr picture);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool on);

    void Paint(HDC dc) const override;
    bool TakesMouse() const override { return true; }
    void SetDesignProperty(const std::wstring& key, const Variant& value) override;

private:
    void FitToPicture();
    PicturePtr picture_;
    bool stretch_ = false;
};

}  // namespace host
