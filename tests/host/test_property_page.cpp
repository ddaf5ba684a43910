// Property pages: the selection, the Changed flag that enables Apply, applying,
// and property access by name with an index.
#include <gtest/gtest.h>

#include "HostTestKit.h"
#include "host/stock/PropertyPage.h"

using namespace host;
using namespace hosttest;

namespace {

// A control with an indexed property, counted from 1.
class Captions : public UserControl {
public:
    Captions() : UserControl(L"Captions", L"Captions1") {}
    Variant GetProperty(const std::wstring& name, const std::vector<Variant>& index) override {
        if (SameName(name, L"Caption") && index.size() == 1) return Variant(items.at(index[0].ToLong() - 1));
        return UserControl::GetProperty(name, index);
    }
    void LetProperty(const std::wstring& name, const Variant& value, const std::vector<Variant>& index) override {
        if (SameName(name, L"Caption") && index.size() == 1) items.at(index[0].ToLong() - 1) = value.ToString();
        else UserControl::LetProperty(name, value, index);
    }
    Entries items{L"one", L"two"};
};

// Copies the first caption into the second on apply.
class CopyPage : public PropertyPage {
public:
    CopyPage() : PropertyPage(L"CopyPage", L"Copy") {}
    void OnSelectionChanged() override {
        first = CallByNameGet(SelectedControls(0), L"Caption", {Variant::Int(1)}).ToString();
    }
    void OnApplyChanges() override { CallByNameLet(SelectedControls(0), L"Caption", Variant(first), {Variant::Int(2)}); }
    std::wstring first;
};

}  // namespace

TEST(PropertyPage, SelectionChangedChangedAndApplyDriveTheDialog) {
    Form form(L"Host");
    auto& control = form.Add(std::make_unique<Captions>());
    control.Load(nullptr);
    PropertyPageDialog dialog(std::make_unique<CopyPage>(), 3000, 2000);
    auto& page = static_cast<CopyPage&>(dialog.Page());
    EXPECT_EQ(err::SubscriptOutOfRange, ErrorOf([&] { page.SelectedControls(0); })) << "nothing selected yet";

    page.SetSelectedControls({&control});
    EXPECT_EQ(page.first, L"one");
    EXPECT_FALSE(IsWindowEnabled(dialog.ApplyButton().Hwnd()));
    page.SetChanged(true);
    EXPECT_TRUE(IsWindowEnabled(dialog.ApplyButton().Hwnd()));
    EXPECT_EQ(control.items[1], L"two");  // nothing reaches the control before Apply

    dialog.ApplyButton().PerformClick();
    EXPECT_EQ(control.items[1], L"one");
    EXPECT_FALSE(IsWindowEnabled(dialog.ApplyButton().Hwnd()));
    EXPECT_EQ(err::PropertyNotFound, ErrorOf([&] { CallByNameGet(control, L"Tabs"); }));
}
