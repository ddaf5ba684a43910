#include "controls/Options/Options.h"

#include <memory>
#include <string>

#include "Artwork.h"
#include "controls/Options/OptionsLook.h"
#include "host/values/Error.h"
#include "host/forms/FormBuilder.h"
#include "host/forms/PublishedEvents.h"

namespace controls {

using namespace options_look;

Options::Options(std::wstring name) : host::UserControl(L"Options", std::move(name)) {
    AddStateImages();
    AddStateBox();
    timer_ = &Add(std::make_unique<host::Timer>(L"Timer1"), true);
    timer_->SetInterval(kHoverPollMilliseconds);
    timer_->SetEnabled(false);
    image1_ = &Add(std::make_unique<host::Image>(L"Image1"), true);
    image1_->SetLeft(kInitialIconLeft);
    lbl_ = &Add(std::make_unique<host::Label>(L"lbl"), true);
    lbl_->SetAutoSize(true);
    lbl_->SetBackStyle(host::Label::BackStyle::Transparent);
    lbl_->SetCaption(kDefaultCaption);
    ConnectParts();
}

// Hidden stores of the state images; `p` shows the very picture object of one.
void Options::AddStateImages() {
    for (int index = 0; index < kStateImages; ++index) {
        auto box = std::make_unique<host::PictureBox>(L"img");
        box->SetIndex(static_cast<int16_t>(index));
        box->SetBorder(false);
        box->SetVisible(false);
        box->SetPicture(host::LoadResPicture(kOptionStatePictures[index]));
        img_[static_cast<size_t>(index)] = &Add(std::move(box), true);
    }
}

void Options::AddStateBox() {
    auto box = std::make_unique<host::PictureBox>(L"p");
    box->SetBorder(false);
    box->SetTabIndex(1);
    box->Move(0, 0, kStateImageSide, kStateImageSide);
    p_ = &Add(std::move(box), true);
    // The state box takes the focus and the keys for the whole control.
    SetCanGetFocus(false);
}

// Presses, releases and clicks on every part count as the control's own.
template <class Part>
void Options::ForwardButtons(Part& part) {
    parts_ += part.MouseDown.Connect([this](int16_t b, int16_t s, float x, float y) { Press(b, s, x, y); });
    parts_ += part.MouseUp.Connect([this](int16_t b, int16_t s, float x, float y) { Release(b, s, x, y); });
    parts_ += part.Click.Connect([this] { Select(); });
}

void Options::ConnectParts() {
    parts_ += timer_->TimerEvent.Connect([this] { PollPointer(); });
    parts_ += lbl_->Change.Connect([this] { Layout(); });
    parts_ += p_->GotFocus.Connect([this] { StateBoxGotFocus(); });
    parts_ += p_->LostFocus.Connect([this] { StateBoxLostFocus(); });
    parts_ += p_->KeyDown.Connect([this](int16_t keyCode, int16_t shift) { KeyDown(keyCode, shift); });
    parts_ += p_->KeyPress.Connect([this](int16_t keyAscii) { StateBoxKeyPress(keyAscii); });
    parts_ += p_->KeyUp.Connect([this](int16_t keyCode, int16_t shift) { StateBoxKeyUp(keyCode, shift); });
    parts_ += p_->MouseMove.Connect([this](int16_t b, int16_t s, float, float) { HoverAt(*p_, b, s); });
    parts_ += image1_->MouseMove.Connect([this](int16_t b, int16_t s, float, float) { HoverAt(*lbl_, b, s); });
    parts_ += lbl_->MouseMove.Connect([this](int16_t b, int16_t s, float x, float y) { Hover(b, s, x, y); });
    ForwardButtons(*p_);
    ForwardButtons(*image1_);
    ForwardButtons(*lbl_);
}

void Options::SetEnabled(bool enabled) {
    host::UserControl::SetEnabled(enabled);
    enabled_ = enabled;
    ApplyEnabledLook();
    PropertyChanged(L"Enabled");
}

void Options::SetGroup(bool group) { group_ = group; }

void Options::SetValue(bool value) {
    value_ = value;
    ShowStateImage();
    PropertyChanged(L"Value");
    NotifyAccessible(EVENT_OBJECT_STATECHANGE);
}

void Options::SetFont(host::FontPtr font) {
    if (!font) host::Raise(host::err::ObjectNotSet);
    font_ = font;
    host::UserControl::SetFont(font);
    lbl_->SetFont(font);
    Layout();
    PropertyChanged(L"Font");
}

std::wstring Options::Caption() const { return lbl_->Caption(); }

void Options::SetCaption(const std::wstring& caption) {
    lbl_->SetCaption(caption);
    Layout();
    PropertyChanged(L"Caption");
    NotifyAccessible(EVENT_OBJECT_NAMECHANGE);
}

void Options::SetBackColor(host::OleColor colour) {
    backColor_ = colour;
    host::UserControl::SetBackColor(colour);
    p_->SetBackColor(colour);
    PropertyChanged(L"BackColor");
}

void Options::SetForeColor(host::OleColor colour) {
    foreColor_ = colour;
    ApplyEnabledLook();
    PropertyChanged(L"ForeColor");
}

void Options::SetIcon(host::PicturePtr icon) {
    icon_ = icon ? icon : host::LoadPicture();
    image1_->SetPicture(icon_);
    Layout();
    PropertyChanged(L"Icon");
}

void Options::OnInitialize() {
    Layout();
    ShowStateImage();
    hoverIndex_ = kHoverImage;
    SetGroup(false);
}

void Options::OnResize() { Layout(); }

namespace {
const host::ControlKind<Options> kKind{L"Options"};
const host::PublishedEvents<Options> kEvents{
    host::EventEntry(L"Click", &Options::Click),         host::EventEntry(L"KeyDown", &Options::KeyDown),
    host::EventEntry(L"KeyPress", &Options::KeyPress),   host::EventEntry(L"KeyUp", &Options::KeyUp),
    host::EventEntry(L"MouseOut", &Options::MouseOut),   host::EventEntry(L"MouseDown", &Options::MouseDown),
    host::EventEntry(L"MouseMove", &Options::MouseMove), host::EventEntry(L"MouseUp", &Options::MouseUp)};
}  // namespace

}  // namespace controls
