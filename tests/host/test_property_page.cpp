// Property pages: selection, Changed and Apply, and property access by name with an index.
#include "HostTestKit.h"
#include "host/forms/PropertyTable.h"
#include "host/stock/PropertyPage.h"

using namespace host;
using namespace hosttest;

namespace {

// A control publishing an indexed property, counted from 1, and a read-only one.
class Captions : public UserControl {
public:
    Captions() : UserControl(L"Captions", L"Captions1") {}
    const PublishedProperties* Published() const override {
        static const PropertyTable<Captions> table{{
            {L"Caption",
             PropertyType::String,
             true,
             L"One caption",
             [](Captions& c, int16_t i) { return Variant(c.items.at(static_cast<size_t>(i - 1))); },
             [](Captions& c, const Variant& v, int16_t i) { c.items.at(static_cast<size_t>(i - 1)) = v.ToString(); },
             {}},
            {L"Count",
             PropertyType::Integer,
             false,
             nullptr,
             [](Captions& c, int16_t) { return Variant::Int(static_cast<int16_t>(c.items.size())); },
             {},
             {}},
        }};
        return &table;
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
    void OnApplyChanges() override {
        CallByNameLet(SelectedControls(0), L"Caption", Variant(first), {Variant::Int(2)});
    }
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

TEST(PropertyPage, PublishedPropertiesByName) {
    Form form(L"Host");
    auto& control = form.Add(std::make_unique<Captions>());
    EXPECT_EQ(CallByNameGet(control, L"COUNT").ToInteger(), 2);
    EXPECT_EQ(CallByNameGet(control, L"Left").ToDouble(), 0) << "the host's own properties stay";
    // clang-format off
    const struct { const char* label; std::function<void()> call; int error; } misuse[] = {
        {"unknown name", [&] { CallByNameGet(control, L"Tabs"); }, err::PropertyNotFound},
        {"indexed without index", [&] { CallByNameGet(control, L"Caption"); }, err::WrongArguments},
        {"index on a plain one", [&] { CallByNameGet(control, L"Count", {Variant::Int(1)}); }, err::WrongArguments},
        {"two indexes", [&] { CallByNameLet(control, L"Caption", Variant(L"x"), {Variant::Int(1), Variant::Int(1)}); },
            err::WrongArguments},
        {"read-only", [&] { CallByNameLet(control, L"Count", Variant::Int(3)); }, err::PropertyReadOnly},
        {"index overflow", [&] { CallByNameGet(control, L"Caption", {Variant::Lng(40000)}); }, err::Overflow},
    };
    // clang-format on
    for (const auto& m : misuse) EXPECT_EQ(ErrorOf(m.call), m.error) << m.label;
}
