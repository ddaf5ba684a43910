#include "host/stock/PropertyPage.h"

#include "host/values/Error.h"
#include "host/windows/Pump.h"
#include "host/values/Runtime.h"

namespace host {

namespace {
constexpr double kMargin = 120;
constexpr double kButtonWidth = 1095;
constexpr double kButtonHeight = 345;
}  // namespace

PropertyPage::PropertyPage(std::wstring name, std::wstring caption)
    : UserControl(L"PropertyPage", std::move(name)), caption_(std::move(caption)) {}

Control& PropertyPage::SelectedControls(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= selected_.size()) Raise(err::SubscriptOutOfRange);
    return *selected_[static_cast<size_t>(index)];
}

void PropertyPage::SetSelectedControls(std::vector<Control*> controls) {
    selected_ = std::move(controls);
    OnSelectionChanged();
}

void PropertyPage::SetChanged(bool changed) {
    changed_ = changed;
    if (dialog_) dialog_->ChangedStateChanged();
}

void PropertyPage::Apply() {
    OnApplyChanges();
    SetChanged(false);
}

Variant CallByNameGet(Control& control, const std::wstring& name, const std::vector<Variant>& index) {
    return control.GetProperty(name, index);
}

void CallByNameLet(Control& control, const std::wstring& name, const Variant& value,
                   const std::vector<Variant>& index) {
    control.LetProperty(name, value, index);
}

PropertyPageDialog::PropertyPageDialog(std::unique_ptr<PropertyPage> page, double pageWidth, double pageHeight)
    : Form(L"PropertyPageDialog", BorderStyle::FixedDialog) {
    SetMaxButton(false);
    SetMinButton(false);
    SetCenteredOnScreen(true);
    SetCaption(page->Caption());
    double buttonsTop = kMargin + pageHeight + kMargin;
    SetClientSize(kMargin + pageWidth + kMargin, buttonsTop + kButtonHeight + kMargin);

    page->Move(kMargin, kMargin, pageWidth, pageHeight);
    page->SetTabIndex(0);
    page_ = &Add(std::move(page));
    page_->dialog_ = this;
    page_->Load(nullptr);

    auto button = [&](const wchar_t* name, const wchar_t* caption, int slot) {
        auto b = std::make_unique<CommandButton>(name);
        b->SetCaption(caption);
        b->SetTabIndex(static_cast<int16_t>(slot + 1));
        double left = kMargin + pageWidth - (3 - slot) * (kButtonWidth + kMargin) + kMargin;
        b->Move(left, buttonsTop, kButtonWidth, kButtonHeight);
        return &Add(std::move(b));
    };
    ok_ = button(L"cmdOK", L"OK", 0);
    cancel_ = button(L"cmdCancel", L"Cancel", 1);
    apply_ = button(L"cmdApply", L"&Apply", 2);
    SetDefaultControl(ok_);
    SetCancelControl(cancel_);
    buttonClicks_ += ok_->Click.Connect([this] {
        if (page_->Changed()) page_->Apply();
        Close();
    });
    buttonClicks_ += cancel_->Click.Connect([this] { Close(); });
    buttonClicks_ += apply_->Click.Connect([this] { page_->Apply(); });
    OnCloseRequest = [this] { Close(); };
    ChangedStateChanged();
}

PropertyPageDialog::~PropertyPageDialog() {
    if (page_) page_->dialog_ = nullptr;
}

void PropertyPageDialog::ChangedStateChanged() {
    if (apply_) apply_->SetEnabled(page_->Changed());
}

void PropertyPageDialog::Edit(std::vector<Control*> controls) {
    page_->SetSelectedControls(std::move(controls));
    ChangedStateChanged();
    open_ = true;
    Show();
    while (open_ && !Ending()) {
        DoEvents();
        if (open_) WaitForEvents();
    }
}

void PropertyPageDialog::Close() {
    open_ = false;
    Hide();
}

}  // namespace host
