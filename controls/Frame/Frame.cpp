#include "controls/Frame/Frame.h"

#include <memory>
#include <string>

#include "controls/Frame/FrameLook.h"
#include "host/forms/FormBuilder.h"
#include "host/forms/PublishedEvents.h"

namespace controls {

using namespace frame_look;

namespace {

bool IsDarkLine(int number) { return number <= 4 || number == 9; }

std::unique_ptr<host::Label> MakeCaptionLabel() {
    auto label = std::make_unique<host::Label>(L"lbl");
    label->SetCaption(kInitialCaption);
    label->SetAutoSize(true);
    label->SetBackStyle(host::Label::BackStyle::Opaque);
    label->Move(kInitialCaptionLeft, kInitialCaptionTop, label->Width(), label->Height());
    return label;
}

}  // namespace

// Constituents are added front-most first: the dark outline over the light one,
// both over the caption and the icon, which cover the top edge's right part.
Frame::Frame(std::wstring name) : host::UserControl(L"Frame", std::move(name)) {
    for (int number : {4, 3, 2, 1, 5, 6, 7, 8}) AddOutlineLine(number);
    lbl_ = &Add(MakeCaptionLabel(), true);
    img_ = &Add(std::make_unique<host::Image>(L"img"), true);
    for (int number : {9, 10}) AddOutlineLine(number);
    captionChanges_ = lbl_->Change.Connect([this] { Layout(); });
    SetCanGetFocus(false);
}

void Frame::AddOutlineLine(int number) {
    auto& line = Add(std::make_unique<host::LineControl>(L"Line" + std::to_wstring(number)), true);
    line.SetBorderColor(IsDarkLine(number) ? kDarkOutline : kLightOutline);
    lines_[static_cast<size_t>(number - 1)] = &line;
}

void Frame::SetFont(host::FontPtr font) {
    font_ = font;
    host::UserControl::SetFont(font);
    lbl_->SetFont(font);
    Layout();
    PropertyChanged(L"Font");
}

void Frame::SetForeColor(host::OleColor colour) {
    foreColor_ = colour;
    PropertyChanged(L"ForeColor");
    lbl_->SetForeColor(Enabled() ? colour : kDisabledForeColor);
}

void Frame::SetIcon(host::PicturePtr icon) {
    icon_ = icon;
    img_->SetPicture(icon);
    PlaceCaption();
    Layout();
    PropertyChanged(L"Icon");
}

std::wstring Frame::Caption() const { return lbl_->Caption(); }

void Frame::SetCaption(const std::wstring& caption) {
    lbl_->SetCaption(caption);
    ShapeCaptionGap();
    PlaceCaption();
    Layout();
    PropertyChanged(L"Caption");
    NotifyAccessible(EVENT_OBJECT_NAMECHANGE);
}

void Frame::SetEnabled(bool enabled) {
    host::UserControl::SetEnabled(enabled);
    lbl_->SetForeColor(enabled ? kCaptionText : kDisabledCaption);
    PropertyChanged(L"Enabled");
}

void Frame::OnInitialize() { Layout(); }

void Frame::OnResize() { Layout(); }

// The host gives moves over the caption and the icon to them, so this sees only
// the frame's own surface.
void Frame::OnMouseMove(int16_t button, int16_t shift, float x, float y) { MouseMove(button, shift, x, y); }

namespace {
const host::ControlKind<Frame> kKind{L"Frame"};
const host::PublishedEvents<Frame> kEvents{
    host::EventEntry(L"Click", &Frame::Click),         host::EventEntry(L"KeyDown", &Frame::KeyDown),
    host::EventEntry(L"KeyPress", &Frame::KeyPress),   host::EventEntry(L"KeyUp", &Frame::KeyUp),
    host::EventEntry(L"MouseOut", &Frame::MouseOut),   host::EventEntry(L"MouseDown", &Frame::MouseDown),
    host::EventEntry(L"MouseMove", &Frame::MouseMove), host::EventEntry(L"MouseUp", &Frame::MouseUp)};
}  // namespace

}  // namespace controls
