// The captions page: its controls, and the handlers that keep the list as a working
// copy of the captions until the page is applied.
#include "controls/ctlTabs/propTabCaptions.h"
#include "controls/ctlTabs/ctlTabs.h"

#include <memory>
#include <string>

namespace controls {

namespace {

using host::Variant;

// Places on the page, in twips, and tab order.
struct Place {
    double left, top, width, height;
    int16_t tabIndex;
};
constexpr Place kListPlace{90, 765, 3030, 1680, 0};
constexpr Place kTextPlace{90, 370, 3030, 315, 1};
constexpr Place kLabelPlace{90, 120, 2700, 240, 2};
// By cmd index: Down, Up, Add, Delete; "Add" and "Delete" at the lower left, "Up"
// and "Down" at the lower right.
constexpr Place kButtonPlaces[] = {
    {2400, 3000, 735, 330, 4},
    {2400, 2655, 735, 330, 3},
    {90, 2655, 735, 330, 5},
    {90, 3000, 735, 330, 6},
};
constexpr const wchar_t* kButtonCaptions[] = {L"Down", L"Up", L"Add", L"Delete"};

template <class T>
T& Put(host::Container& page, std::unique_ptr<T> control, const Place& place) {
    control->Move(place.left, place.top, place.width, place.height);
    control->SetTabIndex(place.tabIndex);
    return page.Add(std::move(control), true);
}

}  // namespace

propTabCaptions::propTabCaptions() : PropertyPage(L"propTabCaptions", L"Tab Captions") {}

// The controls need the page's window, which exists from here on.
void propTabCaptions::OnInitialize() {
    cmbCaptions_ = &Put(*this, std::make_unique<host::ListBox>(L"cmbCaptions"), kListPlace);
    txtCaption_ = &Put(*this, std::make_unique<host::TextBox>(L"txtCaption"), kTextPlace);
    auto label = std::make_unique<host::Label>(L"lblCaption");
    label->SetCaption(L"Caption:");
    lblCaption_ = &Put(*this, std::move(label), kLabelPlace);
    for (int16_t index = kDown; index <= kDelete; ++index) {
        const auto slot = static_cast<size_t>(index);
        auto button = std::make_unique<host::CommandButton>(L"cmd");
        button->SetIndex(index);
        button->SetCaption(kButtonCaptions[slot]);
        cmd_[slot] = &Put(*this, std::move(button), kButtonPlaces[slot]);
        handlers_ += cmd_[slot]->Click.Connect([this, index] { CmdClick(index); });
    }
    handlers_ += cmbCaptions_->Click.Connect([this] { CmbCaptionsClick(); });
    handlers_ += txtCaption_->Change.Connect([this] { TxtCaptionChange(); });
}

// Loads the captions of the first selected control; nothing counts as changed yet.
void propTabCaptions::OnSelectionChanged() {
    loading_ = true;
    host::Control& control = SelectedControls(0);
    cmbCaptions_->Clear();
    const int32_t tabs = host::CallByNameGet(control, L"Tabs").ToLong();
    for (int32_t i = 1; i <= tabs; ++i)
        cmbCaptions_->AddItem(host::CallByNameGet(control, L"Caption", {Variant::Lng(i)}).ToString());
    if (cmbCaptions_->ListCount() > 0) cmbCaptions_->SetListIndex(0);
    CmbCaptionsClick();
    loading_ = false;
}

// Shows the selected caption, all of it selected, without taking that as an edit.
void propTabCaptions::CmbCaptionsClick() {
    loading_ = true;
    const std::wstring text = cmbCaptions_->List(cmbCaptions_->ListIndex());
    txtCaption_->SetText(text);
    txtCaption_->SetSelection(0, static_cast<int32_t>(text.size()));
    loading_ = false;
}

void propTabCaptions::TxtCaptionChange() {
    const int32_t selected = cmbCaptions_->ListIndex();
    if (loading_ || selected < 0) return;
    cmbCaptions_->SetList(selected, txtCaption_->Text());
    SetChanged(true);
}

void propTabCaptions::SwapItems(int32_t a, int32_t b) {
    const std::wstring first = cmbCaptions_->List(a);
    cmbCaptions_->SetList(a, cmbCaptions_->List(b));
    cmbCaptions_->SetList(b, first);
}

// Selecting an item runs the list's Click handler, so the text box follows. The list
// never empties and no item moves past either end.
void propTabCaptions::CmdClick(int16_t index) {
    const int32_t i = cmbCaptions_->ListIndex();
    const int32_t count = cmbCaptions_->ListCount();
    switch (index) {
    case kDown:
        if (i < 0 || i >= count - 1) return;
        SwapItems(i, i + 1);
        cmbCaptions_->SetListIndex(i + 1);
        break;
    case kUp:
        if (i < 1) return;
        SwapItems(i, i - 1);
        cmbCaptions_->SetListIndex(i - 1);
        break;
    case kAdd:
        cmbCaptions_->AddItem(L"", i + 1);
        cmbCaptions_->SetListIndex(i + 1);
        break;
    case kDelete: {
        if (i < 0 || count <= 1) return;
        cmbCaptions_->RemoveItem(i);
        const int32_t left = count - 1;
        cmbCaptions_->SetListIndex(i < left ? i : left - 1);
        CmbCaptionsClick();
        break;
    }
    default: return;
    }
    SetChanged(true);
}

// The count first, through the control's own rules, then as many captions as the
// control then has.
void propTabCaptions::OnApplyChanges() {
    host::Control& control = SelectedControls(0);
    host::CallByNameLet(control, L"Tabs", Variant::Lng(cmbCaptions_->ListCount()));
    const int32_t tabs = host::CallByNameGet(control, L"Tabs").ToLong();
    for (int32_t i = 1; i <= tabs; ++i)
        host::CallByNameLet(control, L"Caption", Variant(cmbCaptions_->List(i - 1)), {Variant::Lng(i)});
}

namespace {
const host::PublishedPages<ctlTabs> kPages{
    {[] { return std::make_unique<propTabCaptions>(); }, propTabCaptions::kWidth, propTabCaptions::kHeight}};
}  // namespace

}  // namespace controls
