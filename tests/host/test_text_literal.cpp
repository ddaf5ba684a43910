// The literal syntax of saved bags and design data.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>

#include "host/Error.h"
#include "host/TextLiteral.h"

using namespace host;
using namespace std::literals;

namespace {

constexpr int kLine = 7;

// A 1 x 1 24-bit bitmap file in the temporary folder.
std::wstring WriteTinyBitmap() {
    static const unsigned char kBmp[] = {
        'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,               // file header
        40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0,  // info header
        4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0x00, 0x00, 0xFF, 0x00};                                      // one red pixel, padded
    std::filesystem::path path = std::filesystem::temp_directory_path() / L"literal test 图.bmp";
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(kBmp), sizeof kBmp);
    return path.wstring();
}

// One line with no control characters, no byte-order mark and no unpaired
// surrogate: text that survives a UTF-8 file and a line reader unchanged.
bool IsPlainUtf16Line(const std::wstring& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        wchar_t c = text[i];
        bool high = c >= 0xD800 && c <= 0xDBFF;
        bool pairedHigh = high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        if (pairedHigh) ++i;
        else if (c < 0x20 || c == 0xFEFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    }
    return true;
}

}  // namespace

TEST(TextLiteral, EveryTypeRoundTripsExactly) {
    struct Row { const char* label; Variant value; };
    const Row rows[] = {
        {"Integer min", Variant::Int(-32768)},
        {"Long that fits an Integer", Variant::Lng(5)},
        {"Long min", Variant::Lng(std::numeric_limits<int32_t>::min())},
        {"Single 0.1", Variant::Sng(0.1f)},
        {"Single max", Variant::Sng(std::numeric_limits<float>::max())},
        {"Single subnormal", Variant::Sng(1e-40f)},
        {"Double third", Variant::Dbl(1.0 / 3)},
        {"Double smallest", Variant::Dbl(std::numeric_limits<double>::denorm_min())},
        {"Double max", Variant::Dbl(std::numeric_limits<double>::max())},
        {"Double big whole", Variant::Dbl(3e9)},
        {"True", Variant::Bool(true)},
        {"Empty", Variant()},
        {"Nothing", Variant::Nothing()},
        {"quotes and backslashes", Variant(L"say \"hi\" \\ \\\\")},
        {"CR LF and tab", Variant(L"a\r\nb\tc")},
        {"Chinese", Variant(L"开始投票    ")},
        {"NUL, DEL and BOM", Variant(L"a\0b\x7F\xFEFF"s)},
        {"lone surrogates", Variant(L"\xD800x\xDC00"s)},
        {"surrogate pair", Variant(L"\xD83D\xDE00"s)},
        {"escape lookalike", Variant(L"\\u0041")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        std::wstring text = FormatLiteral(row.value);
        EXPECT_TRUE(IsPlainUtf16Line(text)) << testing::PrintToString(text);
        Variant back = ParseLiteral(text, kLine);
        EXPECT_TRUE(back.SameAs(row.value)) << testing::PrintToString(text);
    }
}

TEST(TextLiteral, ParsesHandWrittenForms) {
    struct Row { const wchar_t* text; Variant expected; };
    const Row rows[] = {
        {L"12", Variant::Int(12)},
        {L"  -7  ", Variant::Int(-7)},
        {L"70000", Variant::Lng(70000)},
        {L"3000000000", Variant::Dbl(3e9)},
        {L"12&", Variant::Lng(12)},
        {L"12%", Variant::Int(12)},
        {L"&H8000000F&", Variant::Lng(static_cast<int32_t>(0x8000000Fu))},
        {L"&HFF", Variant::Int(255)},
        {L"&HFFFF", Variant::Int(-1)},
        {L"&H10000", Variant::Lng(65536)},
        {L"1.5", Variant::Dbl(1.5)},
        {L"1.5!", Variant::Sng(1.5f)},
        {L"1e3", Variant::Dbl(1000)},
        {L"true", Variant::Bool(true)},
        {L" FALSE ", Variant::Bool(false)},
        {L"\"a\\u4E2Db\\t\"", Variant(L"a中b\t")},
        {L"\"'# = \"", Variant(L"'# = ")},
    };
    for (const Row& row : rows) {
        Variant value = ParseLiteral(row.text, kLine);
        EXPECT_TRUE(value.SameAs(row.expected)) << testing::PrintToString(std::wstring(row.text));
    }
}

TEST(TextLiteral, FontsKeepEveryAttribute) {
    Variant parsed = ParseLiteral(L"font( \"宋体\" , 10.5, 700, 134, strikethrough, Italic )", kLine);
    FontDesc expected{L"宋体", 10.5, 700, 134, true, false, true};
    ASSERT_EQ(VarType::Font, parsed.Type());
    EXPECT_EQ(expected, parsed.ToFont()->Desc());

    FontDesc odd{L"A \"quoted\" face", 0.1, 1, 0, false, true, false};
    Variant back = ParseLiteral(FormatLiteral(Variant(Font::Create(odd))), kLine);
    EXPECT_EQ(odd, back.ToFont()->Desc());
    EXPECT_EQ(L"Font(\"宋体\", 9, 400, 134)", FormatLiteral(Variant(Font::Create())));
}

TEST(TextLiteral, PicturesAreStoredByTheirSource) {
    Variant empty = ParseLiteral(L"Picture(Empty)", kLine);
    ASSERT_EQ(VarType::Picture, empty.Type());
    EXPECT_EQ(PictureSource::Kind::Empty, empty.ToPicture()->Source().kind);
    EXPECT_EQ(L"Picture(Empty)", FormatLiteral(empty));

    std::wstring file = WriteTinyBitmap();
    Variant loaded = ParseLiteral(FormatLiteral(Variant(LoadPictureFromSource({PictureSource::Kind::File, file}))), kLine);
    ASSERT_EQ(VarType::Picture, loaded.Type());
    EXPECT_EQ((PictureSource{PictureSource::Kind::File, file}), loaded.ToPicture()->Source());
    std::filesystem::remove(file);
}

TEST(TextLiteral, BadLiteralsNameTheLine) {
    const wchar_t* const bad[] = {
        L"", L"   ", L"abc", L"\"open", L"\"bad \\q\"", L"\"\\u12\"", L"12%x", L"40000%", L"1.5%", L"3000000000&",
        L"&HG", L"&H100000000", L"&H10000%", L"1e", L"1e999#", L"1e39!", L"12 13", L"1.2.3", L"- 5", L"+",
        L"Font(\"x\", 0, 400, 134)", L"Font(\"x\", 9, 400)", L"Font(\"x\", 9, 400, 134, Bold)",
        L"Font(x, 9, 400, 134)", L"Font(\"x\", \"9\", 400, 134)", L"Font(\"x\", 9, 99999, 134)",
        L"Font(\"x\", 9, 400, 134", L"Picture(Url \"x\")", L"Picture(File)", L"Picture(File \"Z:\\missing\\x.bmp\")",
        L"Nothing()", L"@",
    };
    for (const wchar_t* text : bad) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(text)));
        try {
            ParseLiteral(text, kLine);
            ADD_FAILURE() << "accepted";
        } catch (const TextFormatError& e) {
            EXPECT_EQ(kLine, e.Line());
            EXPECT_FALSE(e.Problem().empty());
        }
    }
}
