// The captions page in the host's property-page dialog, driven through its windows:
// loading, renaming as one types, Add, Delete, Up, Down and Apply.
#include "TabsTestSupport.h"
#include "controls/ctlTabs/propTabCaptions.h"
#include "host/PropertyTable.h"

namespace tabs_test {
namespace {

using controls::propTabCaptions;

// A control with a "Tabs" of 0, which a tab strip never has.
class NoTabs : public host::UserControl {
public:
    NoTabs() : UserControl(L"NoTabs", L"NoTabs1") {}
    const host::PublishedProperties* Published() const override {
        static const host::PropertyTable<NoTabs> table{{
            {L"Tabs", host::PropertyType::Integer, false, nullptr, [](NoTabs&, int16_t) { return host::Variant::Int(0); },
             {}, {}},
        }};
        return &table;
    }
};

class CaptionsPage : public TabsTest {
protected:
    void SetUp() override {
        TabsTest::SetUp();
        dialog.Show();
        Open();
    }
    void Open() { page.SetSelectedControls({tabs}); }

    host::ListBox& List() { return static_cast<host::ListBox&>(*page.Find(L"cmbCaptions")); }
    host::TextBox& Text() { return static_cast<host::TextBox&>(*page.Find(L"txtCaption")); }
    void Press(propTabCaptions::Command index) {
        SendMessageW(page.Find(L"cmd", index)->Hwnd(), BM_CLICK, 0, 0);
    }
    void Type(wchar_t c) { SendMessageW(Text().Hwnd(), WM_CHAR, c, 0); }
    std::vector<std::wstring> Items() {
        std::vector<std::wstring> items;
        for (int32_t i = 0; i < List().ListCount(); ++i) items.push_back(List().List(i));
        return items;
    }
    std::vector<std::wstring> Captions() {
        std::vector<std::wstring> captions;
        for (int16_t i = 1; i <= tabs->Tabs(); ++i) captions.push_back(tabs->Caption(i));
        return captions;
    }
    bool ApplyEnabled() { return IsWindowEnabled(dialog.ApplyButton().Hwnd()) != FALSE; }

    host::PropertyPageDialog dialog{std::make_unique<propTabCaptions>(), propTabCaptions::kWidth,
                                    propTabCaptions::kHeight};
    host::PropertyPage& page = dialog.Page();
};

TEST_F(CaptionsPage, OpensOnTheCaptionsWithTheFirstFullySelected) {
    EXPECT_EQ(dialog.Caption(), L"Tab Captions");
    EXPECT_EQ(Items(), (std::vector<std::wstring>{L"Tab 1", L"Tab 2"}));
    EXPECT_EQ(List().ListIndex(), 0);
    EXPECT_EQ(Text().Text(), L"Tab 1");
    EXPECT_EQ(std::pair(Text().SelStart(), Text().SelLength()), std::pair(0, 5));
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(CaptionsPage, TypingRenamesAtOnceAndApplyWrites) {
    List().SetListIndex(1);
    Type(L'X');
    EXPECT_EQ(Items(), (std::vector<std::wstring>{L"Tab 1", L"X"}));
    EXPECT_TRUE(ApplyEnabled());
    EXPECT_EQ(tabs->Caption(2), L"Tab 2") << "nothing reaches the control before Apply";
    SendMessageW(dialog.ApplyButton().Hwnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(Captions(), (std::vector<std::wstring>{L"Tab 1", L"X"}));
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(CaptionsPage, AddInsertsAnEmptyCaptionAfterTheSelected) {
    Press(propTabCaptions::kAdd);
    EXPECT_EQ(Items(), (std::vector<std::wstring>{L"Tab 1", L"", L"Tab 2"}));
    EXPECT_EQ(List().ListIndex(), 1);
    EXPECT_EQ(Text().Text(), L"");
    dialog.OkButton().PerformClick();
    EXPECT_EQ(Captions(), (std::vector<std::wstring>{L"Tab 1", L"", L"Tab 2"}));
}

// Buttons that cannot act leave the list and the Changed flag alone.
TEST_F(CaptionsPage, ButtonsAtTheEnds) {
    const struct {
        const char* label;
        int16_t tabs;
        int32_t selected;
        propTabCaptions::Command button;
        std::vector<std::wstring> items;
        int32_t selectedAfter;
        bool changed;
    } cases[] = {
        {"Delete the last of three", 3, 2, propTabCaptions::kDelete, {L"Tab 1", L"Tab 2"}, 1, true},
        {"Delete the only one", 1, 0, propTabCaptions::kDelete, {L"Tab 1"}, 0, false},
        {"Up on the first", 2, 0, propTabCaptions::kUp, {L"Tab 1", L"Tab 2"}, 0, false},
        {"Down on the last", 2, 1, propTabCaptions::kDown, {L"Tab 1", L"Tab 2"}, 1, false},
        {"Down on the first", 2, 0, propTabCaptions::kDown, {L"Tab 2", L"Tab 1"}, 1, true},
        {"Up on the last", 2, 1, propTabCaptions::kUp, {L"Tab 2", L"Tab 1"}, 0, true},
    };
    for (const auto& c : cases) {
        tabs->SetTabs(c.tabs);
        tabs->SetCaption(c.tabs, L"Tab " + std::to_wstring(c.tabs));
        Open();
        List().SetListIndex(c.selected);
        Press(c.button);
        EXPECT_EQ(Items(), c.items) << c.label;
        EXPECT_EQ(List().ListIndex(), c.selectedAfter) << c.label;
        EXPECT_EQ(Text().Text(), List().List(c.selectedAfter)) << c.label;
        EXPECT_EQ(page.Changed(), c.changed) << c.label;
        page.SetChanged(false);
    }
}

// The count goes first, through the control's rules, then the captions.
TEST_F(CaptionsPage, ApplyingFewerTabsMovesTheSelectionBeforeTheCaptions) {
    tabs->SetTabs(3);
    tabs->SetSelectedTab(3);
    Open();
    List().SetListIndex(2);
    Press(propTabCaptions::kDelete);
    log.clear();
    page.Apply();
    EXPECT_EQ(log, (Log{L"Changed TABCOUNT", L"Changed TABSELECTED", L"TabClick 3 2", L"Changed TABCAPTION1",
                        L"Changed TABCAPTION2"}));
}

// Mended: a control without tabs used to make the page select an item of an empty list.
TEST_F(CaptionsPage, ControlWithoutTabsGivesAnEmptyList) {
    NoTabs& none = form.Add(std::make_unique<NoTabs>());
    EXPECT_EQ(ErrorOf([&] { page.SetSelectedControls({&none}); }), 0) << "Mended";
    EXPECT_TRUE(Items().empty());
    Type(L'X');
    EXPECT_FALSE(page.Changed());
}

}  // namespace
}  // namespace tabs_test
