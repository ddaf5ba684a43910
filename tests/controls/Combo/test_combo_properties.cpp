// What setters announce, choosing items, the reported Enabled and the property bag.
#include "ComboTestSupport.h"

namespace combo_test {
namespace {

namespace err = host::err;
using Act = std::function<void(Combo&)>;

void AddThree(Combo& c) {
    for (const wchar_t* item : {L"one", L"two", L"three"}) c.AddItem(item);
}

// Refused values announce nothing.
TEST_F(ComboTest, SettersAnnounceOnlyWhatTheyTake) {
    // clang-format off
    const struct { const char* label; Act set; Names announced; int error; } rows[] = {
        {"Mended: no font is refused", [](Combo& c) { c.SetFont(nullptr); }, {}, err::ObjectNotSet},
        {"list index", [](Combo& c) { AddThree(c); c.SetListIndex(2); }, {L"ListIndex"}, 0},
        {"list index past the items", [](Combo& c) { AddThree(c); c.SetListIndex(3); }, {}, err::InvalidPropertyValue},
        {"negative maximum length", [](Combo& c) { c.SetMaxLength(-1); }, {}, err::InvalidPropertyValue},
        {"an item past the end", [](Combo& c) { c.AddItem(L"x", 1); }, {}, err::InvalidProcedureCall},
    };
    // clang-format on
    for (const auto& row : rows) {
        Combo& combo = Place();
        EXPECT_EQ(ErrorOf([&] { row.set(combo); }), row.error) << row.label;
        EXPECT_EQ(announced_, row.announced) << row.label;
    }
}

void ChooseSecondInTheList(Combo& combo) {
    PressButton(combo);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(Combo1(combo).Hwnd(), &info);
    const int y = static_cast<int>(SendMessageW(info.hwndList, LB_GETITEMHEIGHT, 0, 0)) * 3 / 2;
    for (UINT msg : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}) Send(info.hwndList, msg, 0, 5, y);
}

TEST_F(ComboTest, ChoosingAnItemPutsItsTextInTheFieldAndNoneKeepsTheText) {
    // clang-format off
    const struct { const char* label; Act act; std::wstring text; int16_t index, count; int changes; } rows[] = {
        {"the second item through the list", ChooseSecondInTheList, L"two", 1, 3, 1},
        {"an index", [](Combo& c) { c.SetListIndex(2); }, L"three", 2, 3, 1},
        {"Mended: index -1 clears the choice and keeps the text",
            [](Combo& c) { c.SetListIndex(1); c.SetTEXT(L"typed"); c.SetListIndex(-1); }, L"typed", -1, 3, 2},
        {"clearing keeps the text", [](Combo& c) { c.SetListIndex(0); c.Clear(); }, L"one", -1, 0, 1},
    };
    // clang-format on
    for (const auto& row : rows) {
        Combo& combo = Place();
        AddThree(combo);
        int changes = 0;
        const host::Connection counting = combo.Change.Connect([&changes] { ++changes; });
        row.act(combo);
        EXPECT_EQ(combo.TEXT(), row.text) << row.label;
        EXPECT_EQ((std::vector{int(combo.ListIndex()), Combo1(combo).ListIndex(), int(combo.ListCount()), changes}),
                  (std::vector{int(row.index), int(row.index), int(row.count), row.changes}))
            << row.label;
    }
}

// Enabled reports what was set or stored; loading applies it to nothing else.
TEST_F(ComboTest, EnabledIsReportedAndStoredButLoadingAppliesItToNothing) {
    Combo& fresh = Place();
    EXPECT_FALSE(fresh.Enabled());
    EXPECT_TRUE(TxtData(fresh).EnabledInTree()) << "a new control takes input";
    for (bool enabled : {true, false}) {
        fresh.SetEnabled(enabled);
        const host::PropertyBag bag = fresh.Save();
        Combo& loaded = Place(&bag);
        EXPECT_EQ(loaded.Enabled(), enabled);
        EXPECT_TRUE(TxtData(loaded).EnabledInTree() && ButtonPicture(loaded) == kNormal &&
                    ShapeBorder(loaded).BorderColor() == kOutline);
    }
}

TEST_F(ComboTest, BagRoundTripsEveryKeyInOrderAndStoredValuesReachTheParts) {
    Combo& original = Place();
    original.SetTEXT(L"投票");
    original.SetBackColor(RGB(255, 255, 192));
    original.SetForeColor(RGB(0, 0, 128));
    original.SetLocked(true);
    original.SetMaxLength(20);
    original.SetToolTipText(L"tip");
    original.SetFieldName(L"Name");
    original.SetEnabled(true);
    const host::PropertyBag bag = host::PropertyBag::LoadText(original.Save().SaveText());
    EXPECT_EQ(bag.Keys(), (Names{L"text", L"backcolor", L"font", L"forecolor", L"locked", L"maxlength", L"tooltiptext",
                                 L"fieldname", L"enabled", L"_extentx", L"_extenty"}));
    Combo& copy = Place(&bag);
    EXPECT_EQ(copy.Save().SaveText(), bag.SaveText());
    EXPECT_EQ(BackMain(copy).BackColor(), original.BackColor()) << "the panel takes the colour too";
}

TEST_F(ComboTest, StoredValuesNoPartCanTakeAreLeftAlone) {
    host::PropertyBag noItems;
    noItems.WriteProperty(L"ListIndex", host::Variant::Int(1));
    host::PropertyBag noFont;
    noFont.WriteProperty(L"Font", host::Variant::Nothing());
    const struct {
        const char* label;
        const host::PropertyBag* bag;
        std::function<bool(Combo&)> check;
    } rows[] = {
        {"Mended: an index that names no item of the empty list chooses none", &noItems,
         [](Combo& c) { return c.ListIndex() == -1; }},
        {"Mended: no stored font gives the ambient one", &noFont,
         [](Combo& c) { return c.Font() == c.Ambient().Font; }},
    };
    for (const auto& row : rows) {
        Combo* combo = nullptr;
        EXPECT_EQ(ErrorOf([&] { combo = &Place(row.bag); }), 0) << row.label;
        EXPECT_TRUE(combo && row.check(*combo)) << row.label;
    }
}

}  // namespace
}  // namespace combo_test
