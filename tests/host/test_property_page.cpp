// Property pages: the selection, the Changed flag that enables Apply, applying,
// and property access by name with an index.
#include <gtest/gtest.h>

#include "HostTestKit.h"
#include "host/Error.h"
#include "host/PropertyPage.h"

namespace {

// A control with one plain and one indexed property.
class Captions : public host::UserControl {
public:
    Captions() : UserControl(L"Captions", L"Captions1") {}
    host::Variant GetProperty(const std::wstring& name, const std::vector<host::Variant>& index) override {
        if (host::SameName(name, L"Count") && index.empty()) return host::Variant::Int(static_cast<int16_t>(items.size()));
        if (host::SameName(name, L"Caption") && index.size() == 1) return host::Variant(items.at(Slot(index[0])));
        return UserControl::GetProperty(name, index);
    }
    void LetProperty(const std::wstring& name, const host::Variant& value, const std::vector<host::Variant>& index) override {
        if (host::SameName(name, L"Caption") && index.size() == 1) items.at(Slot(index[0])) = value.ToString();
        else UserControl::LetProperty(name, value, index);
    }
    std::vector<std::wstring> items{L"one", L"two"};

private:
    size_t Slot(const host::Variant& index) const {
        int32_t i = index.ToLong();
        if (i < 1 || static_cast<size_t>(i) > items.size()) host::Raise(host::err::SubscriptOutOfRange);
        return static_cast<size_t>(i - 1);
    }
};

// Copies the first caption into the second on apply.
class CopyPage : public host::PropertyPage {
public:
    CopyPage() : PropertyPage(L"CopyPage", L"Copy") {}
    void OnSelectionChanged() override {
        ++selections;
        first = host::CallByNameGet(SelectedControls(0), L"Caption", {host::Variant::Int(1)}).ToString();
    }
    void OnApplyChanges() override {
        host::CallByNameLet(SelectedControls(0), L"Caption", host::Variant(first), {host::Variant::Int(2)});
    }
    int selections = 0;
    std::wstring first;
};

TEST(PropertyPage, SelectionChangedChangedAndApplyDriveTheDialog) {
    host::Form form(L"Host");
    auto& control = form.Add(std::make_unique<Captions>());
    control.Load(nullptr);
    host::PropertyPageDialog dialog(std::make_unique<CopyPage>(), 3000, 2000);
    auto& page = static_cast<CopyPage&>(dialog.Page());

    page.SetSelectedControls({&control});
    EXPECT_EQ(page.selections, 1);
    EXPECT_EQ(page.first, L"one");
    EXPECT_FALSE(IsWindowEnabled(dialog.ApplyButton().Hwnd()));

    page.SetChanged(true);
    EXPECT_TRUE(IsWindowEnabled(dialog.ApplyButton().Hwnd()));
    EXPECT_EQ(control.items[1], L"two");  // nothing reaches the control before Apply

    dialog.ApplyButton().PerformClick();
    EXPECT_EQ(control.items[1], L"one");
    EXPECT_FALSE(page.Changed());
    EXPECT_FALSE(IsWindowEnabled(dialog.ApplyButton().Hwnd()));
}

TEST(PropertyPage, SelectedControlsAndIndexedPropertiesRaiseTheHostsErrors) {
    host::Form form(L"Host");
    auto& control = form.Add(std::make_unique<Captions>());
    control.Load(nullptr);
    CopyPage page;
    using host::CallByNameGet, host::Variant, hosttest::ErrorOf;
    EXPECT_EQ(host::err::SubscriptOutOfRange, ErrorOf([&] { page.SelectedControls(0); })) << "no selection";
    EXPECT_EQ(host::err::SubscriptOutOfRange, ErrorOf([&] { CallByNameGet(control, L"Caption", {Variant::Int(0)}); }));
    EXPECT_EQ(host::err::SubscriptOutOfRange,
              ErrorOf([&] { host::CallByNameLet(control, L"Caption", Variant(L"x"), {Variant::Int(3)}); }));
    EXPECT_EQ(host::err::PropertyNotFound, ErrorOf([&] { CallByNameGet(control, L"Tabs"); }));
    EXPECT_EQ(2, CallByNameGet(control, L"Count").ToInteger());
}

}  // namespace
