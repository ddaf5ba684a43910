// The literal syntax of saved bags and design data.
#include <limits>

#include "HostTestKit.h"
#include "host/design/DesignData.h"
#include "host/design/PropertyBag.h"
#include "host/design/TextLiteral.h"

using namespace host;
using namespace std::literals;

namespace {

constexpr int kLine = 7;

// What a UTF-8 file read line by line would not keep raw.
const std::wstring kUnsafe = L"\r\n\0\x7F\xFEFF\xD800\xDC00"s;

}  // namespace

TEST(TextLiteral, EveryTypeRoundTripsExactly) {
    // clang-format off
    const struct { const char* label; Variant value; } rows[] = {
        {"Integer min", Variant::Int(-32768)}, {"Long that fits an Integer", Variant::Lng(5)},
        {"Long min", Variant::Lng(std::numeric_limits<int32_t>::min())}, {"Single 0.1", Variant::Sng(0.1f)},
        {"Double third", Variant::Dbl(1.0 / 3)},
        {"Double smallest", Variant::Dbl(std::numeric_limits<double>::denorm_min())}, {"True", Variant::Bool(true)},
        {"Empty", Variant()}, {"Nothing", Variant::Nothing()},
        {"quotes, backslashes and an escape lookalike", Variant(L"say \"hi\" \\ \\\\ \\u0041")},
        {"CR LF, tab, NUL, DEL and BOM", Variant(L"a\r\nb\tc\0d\x7F\xFEFF"s)},
        {"lone surrogates", Variant(L"\xD800x\xDC00"s)}, {"surrogate pair", Variant(L"\xD83D\xDE00"s)},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        std::wstring text = FormatLiteral(row.value);
        EXPECT_EQ(std::wstring::npos, text.find_first_of(kUnsafe)) << testing::PrintToString(text);
        EXPECT_TRUE(ParseLiteral(text, kLine).SameAs(row.value)) << testing::PrintToString(text);
    }
}

TEST(TextLiteral, ParsesHandWrittenForms) {
    // clang-format off
    const struct { const wchar_t* text; Variant expected; } rows[] = {
        {L"  -7  ", Variant::Int(-7)}, {L"70000", Variant::Lng(70000)}, {L"3000000000", Variant::Dbl(3e9)},
        {L"12&", Variant::Lng(12)}, {L"12%", Variant::Int(12)}, {L"&HFF", Variant::Int(255)},
        {L"&H8000000F&", Variant::Lng(static_cast<int32_t>(0x8000000Fu))}, {L"&HFFFF", Variant::Int(-1)},
        {L"&H10000", Variant::Lng(65536)}, {L"1.5", Variant::Dbl(1.5)}, {L"1.5!", Variant::Sng(1.5f)},
        {L"1e3", Variant::Dbl(1000)}, {L" FALSE ", Variant::Bool(false)}, {L"\"a\\u4E2Db\\t\"", Variant(L"a中b\t")},
        {L"\"'# = \"", Variant(L"'# = ")},
    };
    // clang-format on
    for (const auto& row : rows)
        EXPECT_TRUE(ParseLiteral(row.text, kLine).SameAs(row.expected))
            << testing::PrintToString(std::wstring(row.text));
}

TEST(TextLiteral, FontsKeepEveryAttribute) {
    Variant parsed = ParseLiteral(L"font( \"宋体\" , 10.5, 700, 134, strikethrough, Italic )", kLine);
    EXPECT_EQ((FontDesc{L"宋体", 10.5, 700, 134, true, false, true}), parsed.ToFont()->Desc());

    FontDesc odd{L"A \"quoted\" face", 0.1, 1, 0, false, true, false};
    EXPECT_EQ(odd, ParseLiteral(FormatLiteral(Variant(Font::Create(odd))), kLine).ToFont()->Desc());
    EXPECT_EQ(L"Font(\"宋体\", 9, 400, 134)", FormatLiteral(Variant(Font::Create())));
}

TEST(TextLiteral, BadLiteralsNameTheLine) {
    // clang-format off
    const wchar_t* const bad[] = {
        L"", L"abc", L"\"open", L"\"bad \\q\"", L"\"\\u12G4\"", L"\"abc\\", L"12%x", L"40000%", L"1.5%",
        L"3000000000&", L"&HG", L"&H100000000", L"&H10000%", L"1e", L"1e999#", L"1e39!", L"12 13", L"1.2.3", L"- 5",
        L"Font(\"x\", 0, 400, 134)", L"Font(\"x\", 9, 400)", L"Font(\"x\", 9, 400, 134, Bold)",
        L"Font(x, 9, 400, 134)", L"Font(\"x\", \"9\", 400, 134)", L"Font(\"x\", 9, 99999, 134)",
        L"Font(\"x\", 9, 400, 134", L"Picture(Url \"x\")", L"Picture(File)", L"Picture(File \"Z:\\missing\\x.bmp\")",
        L"Nothing()", L"@"
    };
    // clang-format on
    for (const wchar_t* text : bad)
        EXPECT_EQ(kLine, hosttest::FormatErrorOf([&] { ParseLiteral(text, kLine); }).Line())
            << testing::PrintToString(std::wstring(text));
}

// Mended: some 2,550 levels of Font(...) overflowed the reader's stack and ended the process without a word.
TEST(TextLiteral, NestingIsCappedWithAnErrorNamingTheLine) {
    std::wstring deep;
    for (int i = 0; i < 5000; ++i) deep += L"Font(\"a\", ";
    deep += L"9";
    // clang-format off
    const struct { const char* label; std::function<void()> parse; int line; const wchar_t* mentions; } rows[] = {
        {"literal", [&] { ParseLiteral(deep, kLine); }, kLine, L"nested"},
        {"bag", [&] { PropertyBag::LoadText(L"a = 1\nfont = " + deep); }, 2, L"nested"},
        {"design data", [&] { ParseDesignData(L"Begin Form f\n  Caption = \"x\"\n  Font = " + deep + L"\nEnd\n"); }, 3,
            L"nested"},
        {"two levels", [&] { ParseLiteral(L"Font(\"a\", Font(\"a\", 9, 400, 134), 400, 134)", kLine); }, kLine,
            L"font size"},
    };
    // clang-format on
    for (const auto& row : rows) {
        const TextFormatError e = hosttest::FormatErrorOf(row.parse);
        EXPECT_EQ(row.line, e.Line()) << row.label;
        EXPECT_NE(std::wstring::npos, e.Problem().find(row.mentions))
            << row.label << ": " << testing::PrintToString(e.Problem());
    }
}
