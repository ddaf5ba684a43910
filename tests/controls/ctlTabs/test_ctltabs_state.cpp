// The tab strip's properties: what assignments by name announce and raise, and the exchange with the bag.
#include "TabsTestSupport.h"
#include "host/forms/PropertyTable.h"
#include "host/stock/PropertyPage.h"

namespace tabs_test {
namespace {

using host::PropertyBag;
using host::Variant;

using TabsState = TabsTest;

// Store, announce, repaint; ignored values change nothing; TabClick carries the value as assigned, after the paint.
TEST_F(TabsState, AssignmentsByNameAnnounceAndRaiseInOrder) {
    // clang-format off
    const struct {
        const char* label;
        const wchar_t* name;
        Variant value;
        int16_t tabsBefore, selectedBefore;
        Log expected;
        int16_t selectedAfter;
    } cases[] = {
        {"style 8 ignored", L"Style", Variant::Lng(8), 2, 1, {}, 1},
        {"alignment 8", L"CaptionAlignment", Variant::Lng(8), 2, 1, {L"Changed CAPTIONSTYLE"}, 1},
        {"tabs 0 ignored", L"Tabs", Variant::Int(0), 2, 1, {}, 1},
        {"more tabs", L"Tabs", Variant::Int(4), 2, 1, {L"Changed TABCOUNT"}, 1},
        {"fewer tabs than the selected", L"Tabs", Variant::Int(3), 5, 5, {L"Changed TABCOUNT", L"Changed TABSELECTED",
            L"TabClick 5 3"}, 3},
        {"the selected tab again", L"SelectedTab", Variant::Int(2), 2, 2, {L"Changed TABSELECTED", L"TabClick 2 2"}, 2},
        {"tab 0", L"SelectedTab", Variant::Int(0), 2, 2, {L"Changed TABSELECTED", L"TabClick 2 0"}, 1},
        {"tab 9 of 3", L"SelectedTab", Variant::Int(9), 3, 1, {L"Changed TABSELECTED", L"TabClick 1 9"}, 3},
    };
    // clang-format on
    for (const auto& c : cases) {
        ctlTabs& t = Place(nullptr);
        t.SetTabs(c.tabsBefore);
        t.SetSelectedTab(c.selectedBefore);
        COLORREF selectedFill = 0;  // inside tab 3, as TabClick sees it
        const host::Connection seeing = t.TabClick.Connect([&](int16_t, int16_t) { selectedFill = Pixel(t, 175, 10); });
        log.clear();
        host::CallByNameLet(t, c.name, c.value);
        EXPECT_EQ(log, c.expected) << c.label;
        EXPECT_EQ(t.SelectedTab(), c.selectedAfter) << c.label;
        if (c.selectedAfter == 3) {
            EXPECT_EQ(selectedFill, Sys(COLOR_BTNFACE)) << c.label;
        }
    }
}

// New tabs get empty captions; a caption index outside the tabs and a null font fail with nothing changed.
TEST_F(TabsState, CaptionsAndFonts) {
    tabs->SetTabs(3);
    EXPECT_EQ(std::tuple(tabs->Caption(1), tabs->Caption(2), tabs->Caption(3)), std::tuple(L"Tab 1", L"Tab 2", L""));
    log.clear();
    const host::FontDesc before = tabs->TabFont()->Desc();
    EXPECT_EQ(ErrorOf([&] { tabs->Caption(0); }), host::err::SubscriptOutOfRange);
    EXPECT_EQ(ErrorOf([&] { tabs->SetCaption(4, L"x"); }), host::err::SubscriptOutOfRange);
    EXPECT_EQ(ErrorOf([&] { tabs->SetTabFont(nullptr); }), host::err::ObjectNotSet)
        << "Mended: used to fail half copied";
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(tabs->TabFont()->Desc(), before);
    EXPECT_EQ(tabs->TabFontActive()->Bold(), !tabs->GetFont()->Bold());
}

TEST_F(TabsState, BagRoundTrip) {
    tabs->SetTabs(3);
    tabs->SetCaption(2, L"");
    tabs->SetCaption(3, L"第三");
    tabs->SetTabColor(0x12345678);
    tabs->SetTabFont(host::Font::Create({.name = L"Arial", .size = 12}));
    const PropertyBag saved = tabs->Save();
    ctlTabs& copy = Place(&saved);
    EXPECT_EQ(std::tuple(copy.Caption(2), copy.Caption(3), copy.TabColor()), std::tuple(L"", L"第三", 0x12345678u));
    EXPECT_EQ(copy.Save().SaveText(), saved.SaveText());
}

// Loading takes the fields as stored, without the setters' rules.
TEST_F(TabsState, LoadingTakesFieldsAsStored) {
    // clang-format off
    const struct {
        const char* label;
        std::vector<std::pair<const wchar_t*, Variant>> keys;
        int16_t tabs, selected;
        int32_t style;
        std::wstring caption1;
    } cases[] = {
        {"only a count: captions empty", {{L"TABCOUNT", Variant::Int(2)}}, 2, 1, 0, L""},
        {"out of range kept", {{L"TABSTYLE", Variant::Int(9)}, {L"TABSELECTED", Variant::Int(7)}}, 2, 7, 9, L""},
        {"Mended: count 0 loads as 1", {{L"TABCOUNT", Variant::Int(0)}, {L"TABCAPTION1", Variant(L"一")}}, 1, 1, 0,
            L"一"},
        {"Mended: negative count loads as 1", {{L"TABCOUNT", Variant::Int(-4)}}, 1, 1, 0, L""},
    };
    // clang-format on
    for (const auto& c : cases) {
        ctlTabs& t = Stored(c.keys);
        EXPECT_EQ(std::tuple(t.Tabs(), t.SelectedTab(), t.Style(), t.Caption(1)),
                  std::tuple(c.tabs, c.selected, c.style, c.caption1))
            << c.label;
    }
}

// Without font keys both tab fonts are the control's own font object: assigning either changes both.
TEST_F(TabsState, MissingFontKeysShareTheControlsOwnFont) {
    const PropertyBag empty;
    ctlTabs& t = Place(&empty);
    EXPECT_EQ(std::pair(t.TabFont(), t.TabFontActive()), std::pair(t.GetFont(), t.GetFont()));
    t.SetTabFont(host::Font::Create({.name = L"Arial", .size = 15}));
    EXPECT_EQ(t.TabFontActive()->Name(), L"Arial");

    // Mended: painting copied the active font into the control's own font, and so into a tab font sharing it.
    PropertyBag activeOnly;
    activeOnly.WriteProperty(L"TABFONTACTIVE", Variant(host::Font::Create({.name = L"Arial", .weight = 700})));
    ctlTabs& shared = Place(&activeOnly);
    shared.SetSelectedTab(2);
    EXPECT_EQ(shared.TabFont()->Desc(), host::FontDesc{});
}

}  // namespace
}  // namespace tabs_test
