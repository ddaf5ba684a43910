// The workbench's parts: journal lines, the command line, the property browser (end_to_end.sh drives the preview).
#include <gtest/gtest.h>

#include <algorithm>

#include "host/forms/FormBuilder.h"
#include "host/stock/Label.h"
#include "host/stock/ListControls.h"
#include "host/stock/PropertyPage.h"
#include "host/stock/TextBox.h"
#include "host/stock/Timer.h"
#include "workbench/CommandLine.h"
#include "workbench/Journal.h"
#include "workbench/Preview.h"
#include "workbench/PropertyBrowser.h"

using namespace workbench;
using host::Variant;

TEST(Journal, LinesNameTheControlAndFormatEachArgument) {
    host::Timer plain(L"tmr");
    host::Timer member(L"opt");
    member.SetIndex(2);
    struct Row {
        const char* label;
        const host::Control& control;
        host::EventArguments args;
        std::wstring line;
    };
    const Row rows[] = {
        {"array member, numbers",
         member,
         {Variant::Int(1), Variant::Int(0), Variant::Sng(12.5f), Variant::Lng(-7)},
         L"opt(2).Click 1 0 12.5 -7"},
        {"Booleans", plain, {Variant::Bool(true), Variant::Bool(false)}, L"tmr.Click True False"},
        {"strings with escapes", plain, {Variant(L"a \"b\"\r\n\\")}, L"tmr.Click \"a \\\"b\\\"\\r\\n\\\\\""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_EQ(row.line, JournalLine(row.control, L"Click", row.args));
    }
}

TEST(CommandLine, RefusesShapesItDoesNotKnow) {
    EXPECT_TRUE(ParseCommandLine({}).file.empty());
    for (std::vector<std::wstring> bad : {std::vector<std::wstring>{L"--resave", L"in"},
                                          {L"a", L"b"},
                                          {L"--events"},
                                          {L"--what"},
                                          {L"x", L"--resave", L"a", L"b"}})
        EXPECT_THROW(ParseCommandLine(bad), host::HostError);
}

namespace {

const wchar_t kGoodForm[] =
    L"Begin Form Shown\n  Caption = \"one\"\n  Begin Label lbl\n    Caption = \"x\"\n  End\nEnd\n";

}  // namespace

TEST(PropertyBrowser, ShowsTheHostsErrorForARefusedValue) {
    host::Form panes(L"Panes");
    auto& controls = panes.Add(std::make_unique<host::ListBox>(L"controls"));
    auto& properties = panes.Add(std::make_unique<host::ListBox>(L"properties"));
    auto& help = panes.Add(std::make_unique<host::Label>(L"help"));
    auto& value = panes.Add(std::make_unique<host::TextBox>(L"value"));
    auto& error = panes.Add(std::make_unique<host::Label>(L"error"));
    PropertyBrowser browser({controls, properties, help, value, error});
    BuiltForm shown = BuildDesignedForm(kGoodForm);
    browser.Browse(shown.form.get());
    ASSERT_EQ(shown.form->FindControl(L"lbl"), browser.Chosen());
    EXPECT_EQ(L"Left = 0!", properties.List(0));

    struct Row {
        const char* label;
        int32_t property;
        const wchar_t* typed;
        std::wstring shown;
        std::wstring error;
    };
    const Row rows[] = {
        {"accepted", 2, L"600", L"Width = 600!", L""},
        {"refused", 2, L"-5", L"Width = 600!", L"Error 380: Invalid property value"},
        {"wrong type", 4, L"maybe", L"Visible = True", L"Error 13: Type mismatch"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        properties.SetListIndex(row.property);
        value.SetText(row.typed);
        browser.SetTypedValue();
        EXPECT_EQ(row.shown, properties.List(row.property));
        EXPECT_EQ(row.error, error.Caption());
    }
}

TEST(PropertyBrowser, ListsWhatAControlPublishesWithItsHelpThenThePlace) {
    BuiltForm shown = BuildDesignedForm(
        L"Begin Form f\n  Begin ctlTabs tabs\n    TABCOUNT = 2\n    TABCAPTION1 = \"One\"\n    TABCAPTION2 = \"Two\"\n"
        L"  End\n  Begin FlatCmd cmd\n  End\nEnd\n");
    std::vector<std::wstring> tabs, cmd;
    for (const BrowsedProperty& row : BrowsedProperties(*shown.form->FindControl(L"tabs")))
        tabs.push_back(BrowsedLine(row));
    for (const BrowsedProperty& row : BrowsedProperties(*shown.form->FindControl(L"cmd")))
        cmd.push_back(BrowsedLine(row));
    EXPECT_EQ(L"Returns/sets the width of each tab (in pixels)",
              BrowsedProperties(*shown.form->FindControl(L"tabs")).front().help);
    const auto has = [](const std::vector<std::wstring>& lines, const std::wstring& line) {
        return std::count(lines.begin(), lines.end(), line);
    };
    EXPECT_EQ(1, has(tabs, L"Caption(1) = \"One\"")) << "one row per index the property answers";
    EXPECT_EQ(1, has(tabs, L"Caption(2) = \"Two\""));
    EXPECT_EQ(1, has(tabs, L"TabColor = &H80000010&")) << "colours in hex";
    EXPECT_EQ(L"Tag = \"\"", tabs.back()) << "the place and state after the published properties";
    EXPECT_EQ(1, has(cmd, L"Enabled = True")) << "a published property is not listed again with the place";
    EXPECT_EQ(1u, host::PropertyPagesOf(*shown.form->FindControl(L"tabs")).size()) << "the captions page";
}
