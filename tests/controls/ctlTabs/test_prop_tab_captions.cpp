// The captions page driven through its windows: loading, renaming as one types, Add, Delete, Up, Down, Apply.
#include "TabsTestSupport.h"
#include "controls/ctlTabs/propTabCaptions.h"
#include "host/forms/PropertyTable.h"

namespace tabs_test {
namespace {

using controls::propTabCaptions;

// A control with a "Tabs" of 0, which a tab strip never has.
class NoTabs : public host::UserControl {
public:
    NoTabs() : UserControl(L"NoTabs", L"NoTabs1") {}
    const host::PublishedProperties* Published() const override {
        static const host::PropertyTable<NoTabs> table{{{L"Tabs",
                                                         host::PropertyType::Integer,
                                                         false,
                                                         nullptr,
                                                         [](NoTabs&, int16_t) { return host::Variant::Int(0); },
                                                         {},
                                                         {}}}};
        return &table;
    }
};

class CaptionsPage : public TabsTest {
protected:
    void SetUp() override {
        TabsTest::SetUp();
        dialog.Show();
        page.SetSelectedControls({tabs});
    }
    host::ListBox& List() { return static_cast<host::ListBox&>(*page.Find(L"cmbCaptions")); }
    host::TextBox& Text() { return static_cast<host::TextBox&>(*page.Find(L"txtCaption")); }
    void Press(propTabCaptions::Command index) { SendMessageW(page.Find(L"cmd", index)->Hwnd(), BM_CLICK, 0, 0); }
    void Type(wchar_t c) { SendMessageW(Text().Hwnd(), WM_CHAR, c, 0); }
    std::wstring Items() {
        std::wstring items;
        for (int32_t i = 0; i < List().ListCount(); ++i) items += (i ? L"|" : L"") + List().List(i);
        return items;
    }
    std::wstring Captions() {
        std::wstring captions;
        for (int16_t i = 1; i <= tabs->Tabs(); ++i) captions += (i > 1 ? L"|" : L"") + tabs->Caption(i);
        return captions;
    }
    bool ApplyEnabled() { return IsWindowEnabled(dialog.ApplyButton().Hwnd()) != FALSE; }

    host::PropertyPageDialog dialog{std::make_unique<propTabCaptions>(), propTabCaptions::kWidth,
                                    propTabCaptions::kHeight};
    host::PropertyPage& page = dialog.Page();
};

TEST_F(CaptionsPage, OpensThenTypingRenamesAndApplyWrites) {
    EXPECT_EQ(dialog.Caption(), L"Tab Captions");
    EXPECT_EQ(Items(), L"Tab 1|Tab 2");
    EXPECT_EQ(std::tuple(Text().Text(), Text().SelStart(), Text().SelLength()), std::tuple(L"Tab 1", 0, 5));
    EXPECT_FALSE(ApplyEnabled());
    List().SetListIndex(1);
    Type(L'X');
    EXPECT_EQ(Items(), L"Tab 1|X");
    EXPECT_TRUE(ApplyEnabled());
    EXPECT_EQ(Captions(), L"Tab 1|Tab 2");
    SendMessageW(dialog.ApplyButton().Hwnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(Captions(), L"Tab 1|X");
    EXPECT_FALSE(ApplyEnabled());
}

// Buttons that cannot act leave the list and the Changed flag alone; the text box follows the selection.
TEST_F(CaptionsPage, ButtonsAtTheEnds) {
    // clang-format off
    const struct {
        const char* label;
        int16_t tabs;
        int32_t selected;
        propTabCaptions::Command button;
        std::wstring items;
        int32_t selectedAfter;
        bool changed;
    } cases[] = {
        {"Add after the first", 2, 0, propTabCaptions::kAdd, L"Tab 1||Tab 2", 1, true},
        {"Delete the last of three", 3, 2, propTabCaptions::kDelete, L"Tab 1|Tab 2", 1, true},
        {"Delete the only one", 1, 0, propTabCaptions::kDelete, L"Tab 1", 0, false},
        {"Up on the first", 2, 0, propTabCaptions::kUp, L"Tab 1|Tab 2", 0, false},
        {"Down on the last", 2, 1, propTabCaptions::kDown, L"Tab 1|Tab 2", 1, false},
        {"Down on the first", 2, 0, propTabCaptions::kDown, L"Tab 2|Tab 1", 1, true},
        {"Up on the last", 2, 1, propTabCaptions::kUp, L"Tab 2|Tab 1", 0, true},
    };
    // clang-format on
    for (const auto& c : cases) {
        tabs->SetTabs(c.tabs);
        for (int16_t i = 1; i <= c.tabs; ++i) tabs->SetCaption(i, L"Tab " + std::to_wstring(i));
        page.SetSelectedControls({tabs});
        List().SetListIndex(c.selected);
        Press(c.button);
        EXPECT_EQ(Items(), c.items) << c.label;
        EXPECT_EQ(List().ListIndex(), c.selectedAfter) << c.label;
        EXPECT_EQ(Text().Text(), List().List(c.selectedAfter)) << c.label;
        EXPECT_EQ(page.Changed(), c.changed) << c.label;
        dialog.ApplyButton().PerformClick();
        EXPECT_EQ(Captions(), c.items) << c.label;
    }
}

TEST_F(CaptionsPage, ApplyingFewerTabsMovesTheSelectionBeforeTheCaptions) {
    tabs->SetTabs(3);
    tabs->SetSelectedTab(3);
    page.SetSelectedControls({tabs});
    List().SetListIndex(2);
    Press(propTabCaptions::kDelete);
    log.clear();
    page.Apply();
    EXPECT_EQ(log, (Log{L"Changed TABCOUNT", L"Changed TABSELECTED", L"TabClick 3 2", L"Changed TABCAPTION1",
                        L"Changed TABCAPTION2"}));
}

// Mended: a control without tabs made the page select an item of an empty list.
TEST_F(CaptionsPage, ControlWithoutTabsGivesAnEmptyList) {
    NoTabs& none = form.Add(std::make_unique<NoTabs>());
    EXPECT_EQ(ErrorOf([&] { page.SetSelectedControls({&none}); }), 0);
    EXPECT_EQ(Items(), L"");
    Type(L'X');
    EXPECT_FALSE(page.Changed());
}

}  // namespace
}  // namespace tabs_test
