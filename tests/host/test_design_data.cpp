// Design data: the tree of controls a form is built from.
#include "HostTestKit.h"
#include "host/design/DesignData.h"
#include "host/design/PropertyBag.h"

using namespace host;
using namespace hosttest;
using namespace std::literals;

namespace {

const wchar_t kSampleForm[] =
    L"\xFEFF' Form1 as it opens\r\nBegin Form Form1\r\n    Caption = \"投票\"\r\nClientWidth = 8760\r\n"
    L"    Begin xForm xForm1\r\n        # its stored bag\r\n\t\tBegin Frame Frame1\r\n"
    L"            Font = Font(\"宋体\", 10.5, 400, 134)\r\n        END\r\n    End\r\n"
    L"    Begin Label Label5\r\n        Begin = \"a property named Begin\"\r\n        End = 1\r\n"
    L"    End\r\nEnd\r\n";

}  // namespace

TEST(DesignData, BuildsTheTreeInFileOrder) {
    DesignNode form = ParseDesignData(kSampleForm);
    ASSERT_EQ(2u, form.properties.size());
    EXPECT_EQ(L"ClientWidth", form.properties[1].first);
    EXPECT_TRUE(form.Find(L"CLIENTWIDTH")->SameAs(Variant::Int(8760)));
    ASSERT_EQ(2u, form.children.size());
    ASSERT_EQ(1u, form.children[0].children.size());
    const DesignNode& frame = form.children[0].children[0];
    EXPECT_EQ(L"Frame", frame.kind);
    EXPECT_EQ(7, frame.line);
    EXPECT_EQ(10.5, frame.Find(L"font")->ToFont()->Size());
    const DesignNode& label = form.children[1];
    EXPECT_TRUE(label.Find(L"Begin")->SameAs(Variant(L"a property named Begin")));
    EXPECT_TRUE(label.Find(L"End")->SameAs(Variant::Int(1)));

    DesignNode page = ParseDesignData(
        L"Begin PropertyPage p\n  Begin CommandButton cmd\n    Index = 0\n  End\n"
        L"  Begin CommandButton CMD\n    Index = 1\n  End\nEnd\n");
    EXPECT_EQ(2u, page.children.size()) << "a control array shares a name with distinct indexes";
}

TEST(DesignData, MalformedTextNamesTheLine) {
    // clang-format off
    const struct { const char* label; int line; std::wstring text; } rows[] = {
        {"property before any Begin", 2, L"' header\nCaption = \"x\"\nBegin Form Form1\nEnd\n"},
        {"End without Begin", 3, L"Begin Form Form1\nEnd\nEnd\n"},
        {"missing Ends name the innermost open Begin", 3,
            L"Begin Form F\n  Caption = \"x\"\n  Begin Label L\n    Left = 1"},
        {"duplicate control name in another branch", 7,
            L"Begin Form F\n  Begin Frame A\n    Begin Label x\n    End\n  End\n  Begin Frame B\n"
            L"    Begin Label X\n    End\n  End\nEnd\n"},
        {"control array member repeated", 5,
            L"Begin Form F\n  Begin Image i\n    Index = 0\n  End\n  Begin Image i\n    Index = 0\n  End\nEnd\n"},
        {"duplicate key in one node", 4, L"Begin Form Form1\n  Left = 1\n  Top = 2\n  LEFT = 3\nEnd\n"},
        {"bad literal", 3, L"Begin Form Form1\n  Caption = \"ok\"\n  Left = 12 twips\nEnd\n"},
        {"text after the last End", 3, L"Begin Form Form1\nEnd\nBegin Form Form2\nEnd\n"},
        {"NUL in a key", 2, L"Begin Form Form1\nA\0B\nEnd\n"s},
        {"byte-order mark in a control name", 2, L"Begin Form Form1\n  Begin Label \xFEFFx\n  End\nEnd\n"},
    };
    // clang-format on
    for (const auto& row : rows) {
        const TextFormatError e = FormatErrorOf([&] { ParseDesignData(row.text); });
        EXPECT_EQ(row.line, e.Line()) << row.label;
        EXPECT_TRUE(e.Description().starts_with(L"line " + std::to_wstring(row.line) + L": ")) << row.label;
    }
}

TEST(DesignData, NestingIsCappedWithAnError) {
    constexpr int kAllowed = 64;
    auto nested = [](int depth) {
        std::wstring text;
        for (int i = 0; i < depth; ++i) text += L"Begin Frame F" + std::to_wstring(i) + L"\n";
        for (int i = 0; i < depth; ++i) text += L"End\n";
        return text;
    };
    EXPECT_NO_THROW(ParseDesignData(nested(kAllowed)));
    EXPECT_EQ(kAllowed + 1, FormatErrorOf([&] { ParseDesignData(nested(100000)); }).Line());
}

TEST(DesignData, HugeLinesAreReadOrRefusedWithAFormatError) {
    const std::wstring x(1'000'000, L'x'), backslashes(1'000'000, L'\\'), nines(100'000, L'9');
    EXPECT_EQ(1'000'000u,
              ParseDesignData(L"Begin Form F\nCaption = \"" + x + L"\"\nEnd\n").Find(L"caption")->ToString().size());
    for (const std::wstring& text : {L"Begin Form F\nCaption = \"" + backslashes, L"Begin Form F\nLeft = " + nines})
        FormatErrorOf([&] { ParseDesignData(text); });  // any other exception fails the test
}
