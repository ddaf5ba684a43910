// Building a form from design text: nesting, user-control bags, form buttons, errors naming the line.
#include "HostTestKit.h"
#include "host/forms/FormBuilder.h"

using namespace host;
using namespace hosttest;

namespace {

void Build(Form& form, const std::wstring& text) {
    RegisterControlKind(L"Journaling", [](const std::wstring& name) { return std::make_unique<Journaling>(name); });
    BuildForm(form, ParseDesignData(text));
}

const wchar_t kNestedForm[] =
    L"Begin Form Built\n    Caption = \"Built\"\n    Begin PictureBox pic\n        Begin HostFrame fra\n"
    L"            Begin TextBox txt\n            End\n        End\n    End\n    Begin Journaling uc\n"
    L"        Left = 1500\n        Default = True\n        Value = 1\n        Caption = \"stored\"\n"
    L"    End\n    Begin CommandButton no\n        Cancel = -1\n    End\nEnd\n";

}  // namespace

TEST(FormBuilder, BuildsNestedContainersAndGivesUserControlsTheirBag) {
    Journal().clear();
    Form form(L"Built");
    Build(form, kNestedForm);
    EXPECT_EQ(L"Built", form.Caption());
    Entries names;
    for (const Control* c : form.Controls()) names.push_back(c->Name());
    EXPECT_EQ((Entries{L"pic", L"fra", L"txt", L"uc", L"no"}), names);
    auto* frame = dynamic_cast<HostFrame*>(form.FindControl(L"FRA"));
    auto* text = dynamic_cast<TextBox*>(form.FindControl(L"txt"));
    ASSERT_TRUE(frame && text);
    EXPECT_EQ(form.FindControl(L"pic"), dynamic_cast<Control*>(frame->GetContainer()));
    EXPECT_EQ(frame->Hwnd(), GetParent(text->Hwnd()));

    auto* uc = dynamic_cast<Journaling*>(form.FindControl(L"uc"));
    ASSERT_TRUE(uc);
    EXPECT_EQ((Entries{L"Initialize", L"ReadProperties", L"Resize"}), JournalOf(L"uc"));
    EXPECT_EQ((Entries{L"value", L"caption"}), uc->stored.Keys()) << "extender keys stay out of the bag";
    EXPECT_TRUE(uc->value);
    EXPECT_EQ(1500, uc->Left());
    EXPECT_EQ(uc, form.DefaultControl());
    EXPECT_EQ(form.FindControl(L"no"), form.CancelControl());
    Journal().clear();
}

TEST(FormBuilder, ErrorsNameTheLineAndTheControl) {
    // clang-format off
    const struct { const char* label; const wchar_t* text; int line; const wchar_t* mentions; } rows[] = {
        {"unknown kind", L"Begin Form f\n  Begin Gizmo g\n  End\nEnd\n", 2, L"Gizmo"},
        {"unknown property", L"Begin Form f\n  Begin Label x\n    Colour = 1\n  End\nEnd\n", 3, L"Colour"},
        {"a control inside a text box", L"Begin Form f\n  Begin TextBox t\n    Begin Label x\n    End\n  End\nEnd\n",
            3, L"'t'"},
        {"not a form", L"Begin Label x\nEnd\n", 1, L"Form"},
        {"Mended: a carriage return in a user control's key",
            L"Begin Form f\n  Begin Journaling uc\n    Caption = \"x\"\n    XP\rStyle = True\n  End\nEnd\n", 4,
            L"XP?Style"},
        {"Mended: a user control's key after a byte-order mark",
            L"Begin Form f\n  Begin Journaling uc\n    \xFEFFXPStyle = True\n  End\nEnd\n", 3, L"?XPStyle"},
        {"a stored key the control refuses, on its own line",
            L"Begin Form f\n  Begin Journaling uc\n    Caption = \"x\"\n    Value = \"many\"\n  End\nEnd\n", 4,
            L"Value: Type mismatch"},
    };
    // clang-format on
    for (const auto& row : rows) {
        Form form(L"Broken");
        const TextFormatError e = FormatErrorOf([&] { Build(form, row.text); });
        EXPECT_EQ(row.line, e.Line()) << row.label;
        EXPECT_NE(std::wstring::npos, e.Description().find(row.mentions)) << testing::PrintToString(e.Description());
    }

    // Trees made in code, past the parser's checks, still get the line; names compare without case.
    const DesignNode badKey{L"Journaling", L"uc", 2, {{L"XP\rStyle", Variant::Bool(true)}}, {3}, {}};
    const DesignNode inBox{L"PictureBox", L"p", 2, {}, {}, {{L"Label", L"x", 3, {}, {}, {}}}};
    const DesignNode member{L"Label", L"a", 2, {{L"Index", Variant::Int(1)}}, {3}, {}};
    const std::pair<const char*, std::vector<DesignNode>> trees[] = {
        {"a refused key", {badKey}},
        {"a second name in another container", {inBox, {L"Label", L"X", 3, {}, {}, {}}}},
        {"two array members with one index", {member, {L"Label", L"a", 3, {{L"Index", Variant::Int(1)}}, {4}, {}}}},
    };
    for (const auto& [label, children] : trees) {
        Form form(L"Made");
        EXPECT_EQ(3, FormatErrorOf([&] { BuildForm(form, {L"Form", L"f", 1, {}, {}, children}); }).Line()) << label;
    }
}

// The form's window is made with the border its data gives; a border that is no style is refused.
TEST(FormBuilder, FormsAreMadeWithTheBorderTheirDataGives) {
    // clang-format off
    const struct { const char* label; const wchar_t* border; Form::BorderStyle made; bool refused; } rows[] = {
        {"none given", L"", Form::BorderStyle::Sizable, false},
        {"borderless", L"    BorderStyle = 0\n", Form::BorderStyle::None, false},
        {"dialog", L"    BorderStyle = 3\n", Form::BorderStyle::FixedDialog, false},
        {"Mended: a number that is no style", L"    BorderStyle = 9\n", Form::BorderStyle::Sizable, true},
        {"not a number", L"    BorderStyle = \"thin\"\n", Form::BorderStyle::Sizable, true},
    };
    // clang-format on
    for (const auto& row : rows) {
        const DesignNode design = ParseDesignData(std::wstring(L"Begin Form f\n") + row.border + L"End\n");
        EXPECT_EQ(DesignedBorderStyle(design), row.made) << row.label;
        Form form(L"f", DesignedBorderStyle(design));
        if (row.refused) {
            EXPECT_EQ(FormatErrorOf([&] { BuildForm(form, design); }).Line(), 2) << row.label;
            continue;
        }
        BuildForm(form, design);
        const bool caption = (GetWindowLongW(form.hWnd(), GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
        EXPECT_EQ(caption, row.made != Form::BorderStyle::None) << row.label;
    }
}
