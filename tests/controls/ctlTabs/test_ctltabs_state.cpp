// The tab strip's properties: what setters announce and raise, by name as a
// property page reaches them, and the exchange with the property bag.
#include "TabsTestSupport.h"
#include "host/PropertyPage.h"
#include "host/PropertyTable.h"

namespace tabs_test {
namespace {

using host::PropertyBag;
using host::Variant;

using TabsState = TabsTest;

TEST_F(TabsState, FreshStripHasTwoCaptionedTabsAndFontsFromItsOwn) {
    EXPECT_EQ(std::pair(tabs->Caption(1), tabs->Caption(2)), std::pair(std::wstring(L"Tab 1"), std::wstring(L"Tab 2")));
    EXPECT_EQ(tabs->TabFont()->Desc(), tabs->GetFont()->Desc());
    EXPECT_NE(tabs->TabFont(), tabs->GetFont()) << "a font object of its own";
    EXPECT_EQ(tabs->TabFontActive()->Bold(), !tabs->GetFont()->Bold());
    EXPECT_EQ(tabs->TabFontActive()->Name(), tabs->GetFont()->Name());
    EXPECT_EQ(host::CallByNameGet(*tabs, L"ScaleMode").ToLong(), 1);
}

// Assignments by name reach the setters: store, announce, repaint; ignored values
// change nothing; TabClick carries the value as assigned.
TEST_F(TabsState, AssignmentsByNameAnnounceAndRaiseInOrder) {
    struct Case {
        const char* label;
        const wchar_t* name;
        Variant value;
        int16_t tabsBefore, selectedBefore;
        Log expected;
        int16_t selectedAfter;
    };
    const Variant colour = Variant::Lng(0x00FF00);
    const std::vector<Case> cases{
        {"text colour", L"TextColor", colour, 2, 1, {L"Changed TEXTCOLOR"}, 1},
        {"active text colour", L"TextColorActive", colour, 2, 1, {L"Changed TEXTCOLORACTIVE"}, 1},
        {"tab colour", L"TabColor", colour, 2, 1, {L"Changed TABCOLOR"}, 1},
        {"active tab colour", L"TabColorActive", colour, 2, 1, {L"Changed TABCOLORACTIVE"}, 1},
        {"font", L"TabFont", Variant(host::Font::Create({.name = L"Arial"})), 2, 1, {L"Changed TABFONT"}, 1},
        {"active font", L"TabFontActive", Variant(host::Font::Create()), 2, 1, {L"Changed TABFONTACTIVE"}, 1},
        {"width", L"TabsWidth", Variant::Lng(-5), 2, 1, {L"Changed TABWIDE"}, 1},
        {"height", L"TabsHeight", Variant::Lng(90), 2, 1, {L"Changed TABHIGH"}, 1},
        {"focus rectangle", L"UseFocusRect", Variant::Bool(true), 2, 1, {L"Changed FOCUSRECT"}, 1},
        {"style 7", L"Style", Variant::Lng(7), 2, 1, {L"Changed TABSTYLE"}, 1},
        {"style 8 ignored", L"Style", Variant::Lng(8), 2, 1, {}, 1},
        {"style -1 ignored", L"Style", Variant::Lng(-1), 2, 1, {}, 1},
        {"alignment 8", L"CaptionAlignment", Variant::Lng(8), 2, 1, {L"Changed CAPTIONSTYLE"}, 1},
        {"alignment 9 ignored", L"CaptionAlignment", Variant::Lng(9), 2, 1, {}, 1},
        {"tabs 0 ignored", L"Tabs", Variant::Int(0), 2, 1, {}, 1},
        {"more tabs, no event", L"Tabs", Variant::Int(4), 2, 1, {L"Changed TABCOUNT"}, 1},
        {"fewer tabs than the selected", L"Tabs", Variant::Int(3), 5, 5,
         {L"Changed TABCOUNT", L"Changed TABSELECTED", L"TabClick 5 3"}, 3},
        {"the selected tab again", L"SelectedTab", Variant::Int(2), 2, 2, {L"Changed TABSELECTED", L"TabClick 2 2"}, 2},
        {"tab 0", L"SelectedTab", Variant::Int(0), 2, 2, {L"Changed TABSELECTED", L"TabClick 2 0"}, 1},
        {"tab 9 of 3", L"SelectedTab", Variant::Int(9), 3, 1, {L"Changed TABSELECTED", L"TabClick 1 9"}, 3},
    };
    for (const Case& c : cases) {
        ctlTabs& t = Place(nullptr);
        t.SetTabs(c.tabsBefore);
        t.SetSelectedTab(c.selectedBefore);
        log.clear();
        host::CallByNameLet(t, c.name, c.value);
        EXPECT_EQ(log, c.expected) << c.label;
        EXPECT_EQ(t.SelectedTab(), c.selectedAfter) << c.label;
    }
}

// The event comes after the paint: its handler sees the new selection drawn.
TEST_F(TabsState, LoweringTheCountPaintsBeforeTabClick) {
    tabs->SetTabs(5);
    tabs->SetSelectedTab(5);
    COLORREF seen = 0;
    tabs->TabClick.Connect([&](int16_t, int16_t) { seen = Pixel(*tabs, 175, 10); });  // inside tab 3
    tabs->SetTabs(3);
    EXPECT_EQ(seen, Sys(COLOR_BTNFACE));
}

TEST_F(TabsState, RaisingTheCountKeepsCaptionsAndAddsEmptyOnes) {
    tabs->SetTabs(4);
    std::vector<std::wstring> captions;
    for (int16_t i = 1; i <= 4; ++i) captions.push_back(tabs->Caption(i));
    EXPECT_EQ(captions, (std::vector<std::wstring>{L"Tab 1", L"Tab 2", L"", L""}));
    tabs->SetCaption(3, L"三");
    EXPECT_EQ(log.back(), L"Changed TABCAPTION3");
}

// Mended: a null font used to fail only after the font was half copied.
TEST_F(TabsState, BadCaptionIndexAndNullFontChangeNothing) {
    const struct {
        const char* label;
        std::function<void()> call;
        int error;
    } cases[] = {
        {"read caption 0", [&] { tabs->Caption(0); }, host::err::SubscriptOutOfRange},
        {"write caption 3 of 2", [&] { tabs->SetCaption(3, L"x"); }, host::err::SubscriptOutOfRange},
        {"Mended: null tab font", [&] { tabs->SetTabFont(nullptr); }, host::err::ObjectNotSet},
        {"Mended: null active font", [&] { host::CallByNameLet(*tabs, L"TabFontActive", Variant::Nothing()); },
         host::err::ObjectNotSet},
    };
    const host::FontDesc before = tabs->TabFont()->Desc();
    for (const auto& c : cases) {
        EXPECT_EQ(ErrorOf(c.call), c.error) << c.label;
        EXPECT_TRUE(log.empty()) << c.label;
    }
    EXPECT_EQ(tabs->TabFont()->Desc(), before);
}

// Every key is written; an empty caption is not, and reads back empty.
TEST_F(TabsState, BagRoundTrip) {
    tabs->SetTabs(3);
    tabs->SetCaption(2, L"");
    tabs->SetCaption(3, L"第三");
    tabs->SetSelectedTab(3);
    tabs->SetTabColor(0x12345678);
    tabs->SetTabFont(host::Font::Create({.name = L"Arial", .size = 12}));
    const PropertyBag saved = tabs->Save();
    EXPECT_EQ(saved.Keys(), (std::vector<std::wstring>{
                                L"tabwide", L"tabhigh", L"tabcount", L"tabselected", L"tabstyle", L"captionstyle",
                                L"focusrect", L"tabcaption1", L"tabcaption3", L"tabfont", L"tabfontactive",
                                L"tabcolor", L"tabcoloractive", L"textcolor", L"textcoloractive", L"_extentx",
                                L"_extenty"}));
    ctlTabs& copy = Place(&saved);
    EXPECT_EQ(copy.Caption(2), L"");
    EXPECT_EQ(copy.Caption(3), L"第三");
    EXPECT_EQ(copy.TabColor(), 0x12345678u) << "kept as stored";
    EXPECT_EQ(copy.TabFont()->Name(), L"Arial");
    EXPECT_EQ(copy.Save().SaveText(), saved.SaveText());
}

// Loading takes the fields as stored, without the setters' rules.
TEST_F(TabsState, LoadingTakesFieldsAsStored) {
    struct Case {
        const char* label;
        std::vector<std::pair<const wchar_t*, Variant>> keys;
        int16_t tabs, selected;
        int32_t style;
        std::wstring caption1;
    };
    const std::vector<Case> cases{
        {"only a count: captions empty", {{L"TABCOUNT", Variant::Int(2)}}, 2, 1, 0, L""},
        {"out of range kept", {{L"TABSTYLE", Variant::Int(9)}, {L"TABSELECTED", Variant::Int(7)}}, 2, 7, 9, L""},
        {"Mended: count 0 loads as 1", {{L"TABCOUNT", Variant::Int(0)}, {L"TABCAPTION1", Variant(L"一")}}, 1, 1, 0,
         L"一"},
        {"Mended: negative count loads as 1", {{L"TABCOUNT", Variant::Int(-4)}}, 1, 1, 0, L""},
    };
    for (const Case& c : cases) {
        PropertyBag bag;
        for (const auto& [key, value] : c.keys) bag.WriteProperty(key, value);
        ctlTabs& t = Place(&bag);
        EXPECT_EQ(std::tuple(t.Tabs(), t.SelectedTab(), t.Style(), t.Caption(1)),
                  std::tuple(c.tabs, c.selected, c.style, c.caption1))
            << c.label;
    }
}

// Without font keys both tab fonts are the control's own font object: assigning
// either changes both.
TEST_F(TabsState, MissingFontKeysShareTheControlsOwnFont) {
    const PropertyBag empty;
    ctlTabs& t = Place(&empty);
    EXPECT_EQ(t.TabFont(), t.GetFont());
    EXPECT_EQ(t.TabFontActive(), t.GetFont());
    t.SetTabFont(host::Font::Create({.name = L"Arial", .size = 15}));
    EXPECT_EQ(t.TabFontActive()->Name(), L"Arial");

    // Mended: painting used to copy the active font into the control's own font,
    // which then also changed a tab font sharing it.
    PropertyBag activeOnly;
    activeOnly.WriteProperty(L"TABFONTACTIVE", Variant(host::Font::Create({.name = L"Arial", .weight = 700})));
    ctlTabs& shared = Place(&activeOnly);
    shared.SetSelectedTab(2);
    EXPECT_EQ(shared.TabFont()->Desc(), host::FontDesc{});
}

TEST_F(TabsState, PublishesEveryPropertyWithItsHelpText) {
    const std::vector<host::PropertyInfo> infos = tabs->Published()->Infos();
    std::vector<std::wstring> names;
    for (const auto& info : infos) names.push_back(info.name);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"TabsWidth", L"TabsHeight", L"Tabs", L"SelectedTab", L"Style",
                                                L"CaptionAlignment", L"UseFocusRect", L"Caption", L"TabFont",
                                                L"TabFontActive", L"TabColor", L"TabColorActive", L"TextColor",
                                                L"TextColorActive", L"ScaleMode", L"hDC"}));
    using host::PropertyType;
    EXPECT_EQ(infos[7], (host::PropertyInfo{L"Caption", PropertyType::String, true, true,
                                            L"Returns/Sets captions for each tab"}));
    EXPECT_EQ(infos[10].type, PropertyType::Colour);
    EXPECT_EQ(infos[14], (host::PropertyInfo{L"ScaleMode", PropertyType::Long, false, false,
                                             L"ScaleMode always returns 1 (Twips) on this control"}));
    EXPECT_EQ(infos[15].help, L"");
    EXPECT_EQ(host::CallByNameGet(*tabs, L"hdc").ToLong(),
              static_cast<int32_t>(reinterpret_cast<intptr_t>(tabs->hDC())));
}

}  // namespace
}  // namespace tabs_test
