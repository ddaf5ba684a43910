// The captions page: its controls, and the handlers that keep the list as a working
// copy of the captions until the page is applied.
#include "controls/ctlTabs/propTabCaptions.h"

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
    cmbCaptions = &Put(*this, std::make_unique<host::ListBox>(L"cmbCaptions"), kListPlace);
    txtCaption = &Put(*this, std::make_unique<host::TextBox>(L"txtCaption"), kTextPlace);
    auto label = std::make_unique<host::Label>(L"lblCaption");
    label->SetCaption(L"Caption:");
    lblCaption = &Put(*this, std::move(label), kLabelPlace);
    for (int16_t index = kDown; index <= kDelete; ++index) {
        const auto slot = static_cast<size_t>(index);
        auto button = std::make_unique<host::CommandButton>(L"cmd");
        button->SetIndex(index);
        button->SetCaption(kButtonCaptions[slot]);
        cmd[slot] = &Put(*this, std::move(button), kButtonPlaces[slot]);
        handlers_ += cmd[slot]->Click.Connect([this, index] { cmd_Click(index); });
    }
    handlers_ += cmbCaptions->Click.Connect([this] { cmbCaptions_Click(); });
    handlers_ += txtCaption->Change.Connect([this] { txtCaption_Change(); });
}

// Loads the captions of the first selected control; nothing counts as changed yet.
void propTabCaptions::OnSelectionChanged() {
    Loading = true;
    host::Control& control = SelectedControls(0);
    cmbCaptions->Clear();
    const int32_t tabs = host::CallByNameGet(control, L"Tabs").ToLong();
    for (int32_t i = 1; i <= tabs; ++i)
        cmbCaptions->AddItem(host::CallByNameGet(control, L"Caption", {Variant::Lng(i)}).ToString());
    if (cmbCaptions->ListCount() > 0) cmbCaptions->SetListIndex(0);
    cmbCaptions_Click();
    Loading = false;
}

// Shows the selected caption, all of it selected, without taking that as an edit.
void propTabCaptions::cmbCaptions_Click() {
    Loading = true;
    const std::wstring text = cmbCaptions->List(cmbCaptions->ListIndex());
    txtCaption->SetText(text);
    txtCaption->SetSelection(0, static_cast<int32_t>(text.size()));
    Loading = false;
}

void propTabCaptions::txtCaption_Change() {
    const int32_t selected = cmbCaptions->ListIndex();
    if (Loading || selected < 0) return;
    cmbCaptions->SetList(selected, txtCaption->Text());
    SetChanged(true);
}

void propTabCaptions::SwapItems(int32_t a, int32_t b) {
    const std::wstring first = cmbCaptions->List(a);
    cmbCaptions->SetList(a, cmbCaptions->List(b));
    cmbCaptions->SetList(b, first);
}

// Selecting an item runs the list's Click handler, so the text box follows. The list
// never empties and no item moves past either end.
void propTabCaptions::cmd_Click(int16_t index) {
    const int32_t i = cmbCaptions->ListIndex();
    const int32_t count = cmbCaptions->ListCount();
    switch (index) {
    case kDown:
        if (i < 0 || i >= count - 1) return;
        SwapItems(i, i + 1);
        cmbCaptions->SetListIndex(i + 1);
        break;
    case kUp:
        if (i < 1) return;
        SwapItems(i, i - 1);
        cmbCaptions->SetListIndex(i - 1);
        break;
    case kAdd:
        cmbCaptions->AddItem(L"", i + 1);
        cmbCaptions->SetListIndex(i + 1);
        break;
    case kDelete: {
        if (i < 0 || count <= 1) return;
        cmbCaptions->RemoveItem(i);
        const int32_t left = count - 1;
        cmbCaptions->SetListIndex(i < left ? i : left - 1);
        cmbCaptions_Click();
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
    host::CallByNameLet(control, L"Tabs", Variant::Lng(cmbCaptions->ListCount()));
    const int32_t tabs = host::CallByNameGet(control, L"Tabs").ToLong();
    for (int32_t i = 1; i <= tabs; ++i)
        host::CallByNameLet(control, L"Caption", Variant(cmbCaptions->List(i - 1)), {Variant::Lng(i)});
}

}  // namespace controls
