#include <memory>

#include "Artwork.h"
#include "controls/xForm/xForm.h"
#include "host/values/Units.h"

namespace controls {

namespace {

constexpr host::OleColor kCaptionColour = RGB(255, 255, 255);
constexpr host::OleColor kShadowColour = RGB(64, 64, 64);
// The caption's place on the title bar (twips); the shadow lies one pixel lower.
constexpr double kCaptionLeft = 600;
constexpr double kCaptionTop = 115;
constexpr double kShadowTop = 130;
// What a title bar shows until it is given a caption.
constexpr wchar_t kNewCaption[] = L"窗口";

}  // namespace

void xForm::AddPieces() {
    pieces_.caption = &AddCaptionLabel(L"lbl1", kCaptionTop, kCaptionColour);
    pieces_.shadow = &AddCaptionLabel(L"lbl2", kShadowTop, kShadowColour);
    pieces_.titleLeft = &AddPiece(L"Image1", kTitleLeft, false);
    pieces_.titleMiddle = &AddPiece(L"Image8", kTitleMiddle, true);
    pieces_.titleRight = &AddPiece(L"Image7", kTitleRight, false);
    pieces_.borderLeft = &AddPiece(L"Image2", kBorderLeft, true);
    pieces_.borderRight = &AddPiece(L"Image6", kBorderRight, true);
    pieces_.cornerBottomLeft = &AddPiece(L"Image3", kCornerBottomLeft, false);
    pieces_.borderBottom = &AddPiece(L"Image4", kBorderBottom, true);
    pieces_.cornerBottomRight = &AddPiece(L"Image5", kCornerBottomRight, false);
}

host::Label& xForm::AddCaptionLabel(const wchar_t* name, double top, host::OleColor colour) {
    auto& label = Add(std::make_unique<host::Label>(name), true);
    label.SetBackStyle(host::Label::BackStyle::Transparent);
    label.SetForeColor(colour);
    label.SetAutoSize(true);
    label.SetCaption(kNewCaption);
    label.Move(kCaptionLeft, top, label.Width(), label.Height());
    return label;
}

host::Image& xForm::AddPiece(const wchar_t* name, const wchar_t* picture, bool stretch) {
    auto& image = Add(std::make_unique<host::Image>(name), true);
    image.SetStretch(stretch);
    image.SetPicture(host::LoadResPicture(picture));
    // In whole pixels: the picture's HIMETRIC size comes back a fraction of a
    // twip short, and the layout adds these sizes up.
    SIZE pixels = host::PicturePixelSize(*image.GetPicture());
    image.Move(0, 0, host::PixelsToTwipsX(pixels.cx), host::PixelsToTwipsY(pixels.cy));
    return image;
}

}  // namespace controls
