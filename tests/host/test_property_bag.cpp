// Property bags: the default rule, keys, and the saved text form.
#include "HostTestKit.h"
#include "host/design/PropertyBag.h"
#include "host/values/Text.h"

using namespace host;
using namespace hosttest;
using namespace std::literals;

TEST(PropertyBag, StoresNothingThatEqualsTheConvertedDefault) {
    FontPtr font = Font::Create();
    // clang-format off
    const struct { const char* label; Variant value; Variant defaultValue; bool stored; } rows[] = {
        {"Boolean true, Integer default 1", Variant::Bool(true), Variant::Int(1), false},
        {"Boolean false, Integer default 1", Variant::Bool(false), Variant::Int(1), true},
        {"Integer 1, Boolean default true (-1)", Variant::Int(1), Variant::Bool(true), true},
        {"Integer 0, Empty default", Variant::Int(0), Variant(), false},
        {"Integer 1, default Long 70000 (overflows)", Variant::Int(1), Variant::Lng(70000), true},
        {"text \"1.0\", Integer default 1", Variant(L"1.0"), Variant::Int(1), true},
        {"Single 0.1, Double default 0.1", Variant::Sng(0.1f), Variant::Dbl(0.1), false},
        {"Double 0.1, Single default 0.1", Variant::Dbl(0.1), Variant::Sng(0.1f), true},
        {"font, the same font as default", Variant(font), Variant(font), false},
        {"font, an equal copy as default", Variant(font), Variant(font->Clone()), true},
        {"Nothing, font default", Variant::Nothing(), Variant(font), true},
        {"Empty, Integer default 0", Variant(), Variant::Int(0), true},
    };
    // clang-format on
    for (const auto& row : rows) {
        PropertyBag bag;
        bag.WriteProperty(L"Key", Variant(L"previous"));
        bag.WriteProperty(L"Key", row.value, row.defaultValue);
        EXPECT_EQ(row.stored, bag.Contains(L"key"))
            << row.label;  // a value equal to its default also removes the old one
    }
}

TEST(PropertyBag, KeysAreLowerCaseKeepTheirOrderAndMustBeSavable) {
    PropertyBag bag;
    bag.WriteProperty(L"PictureSize", Variant::Int(0));
    bag.WriteProperty(L"Caption", Variant(L"开始"));
    bag.WriteProperty(L"pictureSIZE", Variant::Int(2));
    EXPECT_EQ((std::vector<std::wstring>{L"picturesize", L"caption"}), bag.Keys());
    EXPECT_TRUE(bag.ReadProperty(L"PICTURESIZE").SameAs(Variant::Int(2)));
    EXPECT_EQ(L"\u00C4bc_\u0130", ToLowerKey(L"\u00C4BC_\u0130")) << "only ASCII letters fold";
    // clang-format off
    for (const wchar_t* unsavable : {L"", L" lead", L"trail\t", L"a=b", L"'quote", L"#hash", L"two\nlines",
                                     L"XP\rStyle", L"\xFEFF" L"a", L"a\x85", L"half\xD800"})
        // clang-format on
        EXPECT_EQ(err::InvalidProcedureCall, ErrorOf([&] { bag.WriteProperty(unsavable, Variant::Int(1)); }))
            << testing::PrintToString(std::wstring(unsavable));
}

TEST(PropertyBag, FontsAreStoredAndReadAsCopies) {
    FontPtr ambient = Font::Create();
    PropertyBag bag;
    EXPECT_EQ(ambient, bag.ReadProperty(L"Font", Variant(ambient)).ToFont());  // the default itself

    FontPtr mine = Font::Create({L"Arial", 12, 700, 0});
    bag.WriteProperty(L"Font", Variant(mine));
    mine->SetSize(20);  // a later change does not reach into the bag
    FontPtr first = bag.ReadProperty(L"Font", Variant(ambient)).ToFont();
    EXPECT_EQ(12, first->Size());
    first->SetBold(false);
    EXPECT_EQ(700, bag.ReadProperty(L"Font").ToFont()->Weight());
}

TEST(PropertyBag, SavedTextIsOneLinePerEntryAndLoadsBackTheSameEntries) {
    PropertyBag bag;
    bag.WriteProperty(L"Caption", Variant(L"a\nb"));
    bag.WriteProperty(L"MaskColor", Variant::Lng(255));
    EXPECT_EQ(L"caption = \"a\\nb\"\nmaskcolor = &H000000FF&\n", bag.SaveText()) << "colours in hex";

    bag.WriteProperty(L"Caption", Variant(L"退出投票    \"q\"\r\n\\"));
    bag.WriteProperty(L"Nothing", Variant::Nothing());
    bag.WriteProperty(L"Font", Variant(Font::Create({L"宋体", 10.5, 400, 134, true, true, true})));
    bag.WriteProperty(L"Picture", Variant(LoadPictureFromSource({})));
    bag.WriteProperty(L"Key with spaces", Variant(L"v"));
    PropertyBag back = PropertyBag::LoadText(bag.SaveText());
    EXPECT_EQ(bag.SaveText(), back.SaveText());
}

TEST(PropertyBag, LoadTextTakesTheFirstEqualsSignOutsideQuotes) {
    PropertyBag bag = PropertyBag::LoadText(L"\xFEFF' by hand\r\n   Caption   =   \"x = 'y' # z\"   \r\n\tBevel=3");
    EXPECT_TRUE(bag.ReadProperty(L"caption").SameAs(Variant(L"x = 'y' # z")));
    EXPECT_TRUE(bag.ReadProperty(L"bevel").SameAs(Variant::Int(3)));
}

TEST(PropertyBag, MalformedTextNamesTheLine) {
    // clang-format off
    const struct { const char* label; int line; std::wstring text; } rows[] = {
        {"no equals sign", 2, L"caption = \"ok\"\ncaption \"x\"\n"},
        {"empty name after a comment", 3, L"' a comment\r\nbevel = 2\r\n = 5\r\n"},
        {"duplicate key in other case", 4, L"caption = \"a\"\n\nbevel = 1\nCAPTION = \"b\"\n"},
        {"bad value", 2, L"a = 1\nbevel = 40000%\n"},
        {"NUL inside a line", 1, L"caption = \0x"s},
        // Mended: such keys loaded, and saving wrote what loading reads as another key.
        {"Mended: a key after a second byte-order mark", 1, L"\xFEFF\xFEFF" L"a = 1\na = 2\n"},
        {"Mended: a carriage return inside a key", 2, L"a = 1\nXP\rStyle = True\n"},
        {"Mended: a control character or lone surrogate in a key", 1, L"a\x01b\xDC00 = 1\n"},
    };
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(row.line, FormatErrorOf([&] { PropertyBag::LoadText(row.text); }).Line()) << row.label;
}

// A bitmap made in memory has no file or resource to refer to: the saved bag carries its pixels.
TEST(PropertyBagPictures, ABitmapMadeInMemoryKeepsItsPixelsThroughText) {
    const COLORREF pixels[2][3] = {{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)},
                                   {RGB(1, 2, 3), RGB(250, 251, 252), RGB(0, 0, 0)}};
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 3, 2);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) SetPixelV(dc, x, y, pixels[y][x]);
    SelectObject(dc, old);

    PropertyBag bag;
    bag.WriteProperty(L"Picture", Variant(PictureFromBitmap(reinterpret_cast<uintptr_t>(bitmap))));
    std::wstring text = bag.SaveText();
    EXPECT_NE(text.find(L"Picture(Data \""), std::wstring::npos);
    PicturePtr back = PropertyBag::LoadText(text).ReadProperty(L"Picture").ToPicture();
    ASSERT_TRUE(back && back->Type() == PictureType::Bitmap);
    old = SelectObject(dc, reinterpret_cast<HBITMAP>(back->Handle()));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(GetPixel(dc, x, y), pixels[y][x]) << x << "," << y;
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);

    EXPECT_THROW(PropertyBag::LoadText(L"p = Picture(Data \"Qk0*\")"), TextFormatError);
}
