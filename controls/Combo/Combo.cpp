#include "controls/Combo/Combo.h"

#include <memory>
#include <string>

#include "Artwork.h"
#include "host/forms/FormBuilder.h"
#include "host/forms/PublishedEvents.h"

namespace controls {

using namespace combo_look;

namespace {

HWND WindowOf(int32_t handle) { return reinterpret_cast<HWND>(static_cast<intptr_t>(handle)); }

}  // namespace

// The panel lies over the list box; the button and the text area over the outline.
Combo::Combo(std::wstring name) : host::UserControl(L"Combo", std::move(name)) {
    Move(0, 0, kMinWidth, kHeight);
    AddParts();
    ConnectParts();
}

void Combo::AddParts() {
    backMain_ = &Add(std::make_unique<host::PictureBox>(L"BackMain"), true);
    backMain_->SetBorder(false);
    backMain_->SetFlat(true);
    backMain_->SetBackColor(kFieldBack);
    backMain_->Move(0, 0, Width(), kPanelHeight);

    imgUp_ = &backMain_->Add(std::make_unique<host::PictureBox>(L"ImgUp"), true);
    imgUp_->SetBorder(false);
    imgUp_->SetFlat(true);
    imgUp_->Move(Width() - kButtonFromRight, kButtonTop, kButtonWidth, kButtonHeight);
    imgUp_->SetAutoSize(true);

    auto text = std::make_unique<host::TextBox>(L"TxtData");
    text->SetBorder(false);
    text->SetFlat(true);
    text->SetBackColor(kFieldBack);
    text->SetText(kInitialText);
    text->Move(kTextLeft, kTextTop, Width() - kTextWidthLess, kTextHeight);
    txtData_ = &backMain_->Add(std::move(text), true);

    shapeBorder_ = &backMain_->Add(std::make_unique<host::Shape>(L"ShapeBorder"), true);
    shapeBorder_->SetShape(host::Shape::Kind::Rectangle);
    shapeBorder_->SetBorderColor(kOutline);
    shapeBorder_->SetBackStyle(false);
    shapeBorder_->Move(0, 0, Width(), kHeight);

    combo1_ = &Add(std::make_unique<host::ComboBox>(L"Combo1"), true);
    combo1_->SetText(kListDesignText);
    combo1_->Move(0, kListTop, Width(), kListHeight);

    for (int k = 0; k < kPictureCount; ++k) {
        auto& image = Add(std::make_unique<host::Image>(L"img"), true);
        image.SetIndex(static_cast<int16_t>(k));
        image.SetVisible(false);
        image.SetPicture(host::LoadResPicture(kComboButtonPictures[k]));
        image.Move(kStoreLeft, kStoreTops[k], kButtonWidth, kButtonHeight);
        img_[static_cast<size_t>(k)] = &image;
    }
    imgUp_->SetPictureAndFit(img_[kNormal]->GetPicture());
}

void Combo::ConnectParts() {
    parts_ += combo1_->Click.Connect([this] { ShowChosenItem(); });
    parts_ += imgUp_->MouseDown.Connect([this](int16_t, int16_t, float, float) {
        Show(kPressed);
        OpenCombo(static_cast<int32_t>(reinterpret_cast<intptr_t>(combo1_->Hwnd())));
    });
    parts_ += imgUp_->MouseMove.Connect([this](int16_t, int16_t, float, float) {
        if (!Shows(kHover)) Show(kHover);
    });
    parts_ += txtData_->MouseMove.Connect([this](int16_t button, int16_t shift, float x, float y) {
        MouseMove(button, shift, x, y);
        ResetPic();
    });
    parts_ += txtData_->MouseDown.Connect(
        [this](int16_t button, int16_t shift, float x, float y) { MouseDown(button, shift, x, y); });
    parts_ += txtData_->Click.Connect([this] { Click(); });
    parts_ += txtData_->Change.Connect([this] {
        Change();
        NotifyAccessible(EVENT_OBJECT_VALUECHANGE);
    });
}

void Combo::OpenCombo(int32_t chwnd) {
    const HWND list = WindowOf(chwnd);
    const bool dropped = SendMessageA(list, CB_GETDROPPEDSTATE, 0, 0) != 0;
    SendMessageA(list, CB_SHOWDROPDOWN, dropped ? 0 : static_cast<WPARAM>(-1), 0);
    NotifyAccessible(EVENT_OBJECT_STATECHANGE);
}

int32_t Combo::hwnd() const { return static_cast<int32_t>(reinterpret_cast<intptr_t>(hWnd())); }

// The button shows picture k when it holds the very bitmap of img(k).
bool Combo::Shows(int picture) const {
    const host::PicturePtr shown = imgUp_->GetPicture();
    return shown && shown->Handle() == img_[static_cast<size_t>(picture)]->GetPicture()->Handle();
}

void Combo::Show(int picture) { imgUp_->SetPicture(img_[static_cast<size_t>(picture)]->GetPicture()); }

void Combo::ResetPic() {
    if (!Shows(kNormal)) Show(kNormal);
}

void Combo::ShowChosenItem() {
    const int32_t chosen = combo1_->ListIndex();
    if (chosen < 0) return;
    const std::wstring item = combo1_->List(chosen);
    if (txtData_->Text() != item) txtData_->SetText(item);
}

void Combo::OnResize() { ResizeParts(); }

// Over the control's own surface, outside its parts.
void Combo::OnMouseMove(int16_t, int16_t, float, float) { ResetPic(); }

namespace {
const host::ControlKind<Combo> kKind{L"Combo"};
const host::PublishedEvents<Combo> kEvents{
    host::EventEntry(L"Click", &Combo::Click), host::EventEntry(L"Change", &Combo::Change),
    host::EventEntry(L"MouseMove", &Combo::MouseMove), host::EventEntry(L"MouseDown", &Combo::MouseDown)};
}  // namespace

}  // namespace controls
