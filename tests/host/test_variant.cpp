// Values, their conversions, Val and rounding, host errors and the shared font.
#include <gtest/gtest.h>

#include <functional>

#include "host/Error.h"
#include "host/Variant.h"

using namespace host;

namespace {

constexpr int kNoError = 0;

// The host error number a call raises, or kNoError.
int ErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const HostError& e) {
        return e.Number();
    }
    return kNoError;
}

FontPtr SomeFont() { return Font::Create(); }

}  // namespace

TEST(VariantConversion, ToBoolFollowsTheHostRules) {
    struct Row { const char* label; Variant value; bool expected; int error; };
    const Row rows[] = {
        {"Integer -1", Variant::Int(-1), true, kNoError},
        {"Integer 1", Variant::Int(1), true, kNoError},
        {"Integer 0", Variant::Int(0), false, kNoError},
        {"Double 0.5", Variant::Dbl(0.5), true, kNoError},
        {"\"True\"", Variant(L"True"), true, kNoError},
        {"\"false\"", Variant(L"false"), false, kNoError},
        {"\" TRUE \"", Variant(L" TRUE "), true, kNoError},
        {"\"1\"", Variant(L"1"), true, kNoError},
        {"\"yes\"", Variant(L"yes"), false, err::TypeMismatch},
        {"\"\"", Variant(L""), false, err::TypeMismatch},
        {"Empty", Variant(), false, kNoError},
        {"Font", Variant(SomeFont()), false, err::TypeMismatch},
        {"Nothing", Variant::Nothing(), false, err::ObjectNotSet},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        bool result = false;
        EXPECT_EQ(row.error, ErrorOf([&] { result = row.value.ToBool(); }));
        if (row.error == kNoError) {
            EXPECT_EQ(row.expected, result);
        }
    }
    EXPECT_EQ(-1, Variant::Bool(true).ToInteger());
}

TEST(VariantConversion, WholeNumbersRoundHalfToEvenAndOverflow) {
    struct Row { const char* label; Variant value; int32_t expected; int integerError; int longError; };
    const Row rows[] = {
        {"0.5", Variant::Dbl(0.5), 0, kNoError, kNoError},
        {"1.5", Variant::Dbl(1.5), 2, kNoError, kNoError},
        {"2.5", Variant::Dbl(2.5), 2, kNoError, kNoError},
        {"-2.5", Variant::Dbl(-2.5), -2, kNoError, kNoError},
        {"2.5000001", Variant::Dbl(2.5000001), 3, kNoError, kNoError},
        {"text 2.5", Variant(L"2.5"), 2, kNoError, kNoError},
        {"text with blanks", Variant(L" 3 "), 3, kNoError, kNoError},
        {"hex text", Variant(L"&H10"), 16, kNoError, kNoError},
        {"32767.5", Variant::Dbl(32767.5), 32768, err::Overflow, kNoError},
        {"-32768.5", Variant::Dbl(-32768.5), -32768, kNoError, kNoError},
        {"Long 32768", Variant::Lng(32768), 32768, err::Overflow, kNoError},
        {"2147483647.5", Variant::Dbl(2147483647.5), 0, err::Overflow, err::Overflow},
        {"-2147483648.5", Variant::Dbl(-2147483648.5), INT32_MIN, err::Overflow, kNoError},
        {"text abc", Variant(L"abc"), 0, err::TypeMismatch, err::TypeMismatch},
        {"empty text", Variant(L""), 0, err::TypeMismatch, err::TypeMismatch},
        {"text 1e400", Variant(L"1e400"), 0, err::Overflow, err::Overflow},
        {"Empty", Variant(), 0, kNoError, kNoError},
        {"Font", Variant(SomeFont()), 0, err::TypeMismatch, err::TypeMismatch},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        int16_t asInteger = 0;
        int32_t asLong = 0;
        EXPECT_EQ(row.integerError, ErrorOf([&] { asInteger = row.value.ToInteger(); }));
        EXPECT_EQ(row.longError, ErrorOf([&] { asLong = row.value.ToLong(); }));
        if (row.integerError == kNoError) {
            EXPECT_EQ(row.expected, asInteger);
        }
        if (row.longError == kNoError) {
            EXPECT_EQ(row.expected, asLong);
        }
    }
}

TEST(VariantConversion, ToStringUsesTheHostShortForm) {
    struct Row { Variant value; const wchar_t* expected; };
    const Row rows[] = {
        {Variant::Bool(true), L"True"},       {Variant::Bool(false), L"False"},
        {Variant::Int(-5), L"-5"},            {Variant::Dbl(1.5), L"1.5"},
        {Variant::Dbl(2), L"2"},              {Variant::Dbl(-0.0), L"0"},
        {Variant::Dbl(1.0 / 3), L"0.333333333333333"},
        {Variant::Dbl(1234567890123456.0), L"1.23456789012346E+15"},
        {Variant::Dbl(1e20), L"1E+20"},       {Variant::Dbl(1.5e-5), L"1.5E-05"},
        {Variant::Sng(0.1f), L"0.1"},         {Variant::Sng(12345678.0f), L"1.234568E+07"},
        {Variant(), L""},
    };
    for (const Row& row : rows) EXPECT_EQ(row.expected, row.value.ToString()) << static_cast<int>(row.value.Type());
}

TEST(VariantConversion, ConvertToGivesThatTypeOrRaises) {
    struct Row { VarType type; Variant expected; int error; };
    const Row rows[] = {
        {VarType::Boolean, Variant::Bool(true), kNoError}, {VarType::Single, Variant::Sng(1), kNoError},
        {VarType::String, Variant(L"1"), kNoError},         {VarType::Empty, Variant(), err::TypeMismatch},
        {VarType::Nothing, Variant(), err::TypeMismatch},   {VarType::Font, Variant(), err::TypeMismatch},
    };
    for (const Row& row : rows) {
        Variant converted;
        EXPECT_EQ(row.error, ErrorOf([&] { converted = Variant::Int(1).ConvertTo(row.type); }));
        EXPECT_TRUE(converted.SameAs(row.expected)) << static_cast<int>(row.type);
    }
    EXPECT_EQ(VarType::Nothing, Variant::Nothing().ConvertTo(VarType::Picture).Type());
}

TEST(HostNumbers, ValReadsTheLeadingNumber) {
    struct Row { const wchar_t* text; double expected; };
    const Row rows[] = {
        {L" 3", 3},       {L"2.5", 2.5},        {L"abc", 0},        {L"", 0},
        {L"1e3", 1000},   {L"1D2", 100},        {L"1e", 1},         {L"12abc", 12},
        {L"\t 7", 7},     {L"-1.5e-2x", -0.015}, {L"1.2.3", 1.2},   {L".5", 0.5},
        {L"+4", 4},       {L"&H10", 16},        {L"&HFFFF", -1},    {L"&H8000&", 32768},
        {L"&H10000", 65536}, {L"&O17", 15},     {L"&H", 0},         {L"1e-400", 0},
        {L"1,5", 1},      {L"- 1", 0},
    };
    for (const Row& row : rows) EXPECT_DOUBLE_EQ(row.expected, Val(row.text)) << "Val(\"" << testing::PrintToString(std::wstring(row.text)) << "\")";
    EXPECT_EQ(err::Overflow, ErrorOf([] { Val(L"1e400"); }));
}

TEST(HostNumbers, RoundingAndIntegerArithmeticOverflow) {
    // The timed wait: Val of the delay text, times 1000, rounded half to even.
    EXPECT_EQ(1000, RoundToLong(Val(L"1.0004") * 1000.0));
    EXPECT_EQ(2, RoundToLong(Val(L"0.0025") * 1000.0));
    EXPECT_EQ(0, RoundToLong(Val(L"x") * 1000.0));
    EXPECT_EQ(err::Overflow, ErrorOf([] { RoundToLong(2147483647.5); }));
    EXPECT_EQ(INT32_MAX, RoundToLong(2147483647.4));
    EXPECT_EQ(err::Overflow, ErrorOf([] { RoundToLong(std::numeric_limits<double>::quiet_NaN()); }));
    EXPECT_EQ(-32768, RoundToInteger(-32768.5));
    EXPECT_EQ(err::Overflow, ErrorOf([] { RoundToInteger(32767.5); }));
    EXPECT_EQ(32767, AddInteger(32766, 1));
    EXPECT_EQ(err::Overflow, ErrorOf([] { AddInteger(32767, 1); }));
    EXPECT_EQ(err::Overflow, ErrorOf([] { AddInteger(-32768, -1); }));
}

TEST(HostErrors, CarryNumberAndText) {
    HostError overflow(err::Overflow, StandardErrorText(err::Overflow));
    EXPECT_STREQ("Run-time error '6': Overflow", overflow.what());
    HostError chinese(err::InvalidPropertyValue, L"属性\xD800");  // UTF-8, a lone surrogate replaced
    EXPECT_STREQ("Run-time error '380': \xE5\xB1\x9E\xE6\x80\xA7\xEF\xBF\xBD", chinese.what());
    TextFormatError format(3, L"bad value");
    EXPECT_EQ(err::InvalidFileFormat, format.Number());
    EXPECT_EQ(L"line 3: bad value", format.Description());
}

TEST(SharedFont, SettersNotifyWithTheAttributeName) {
    FontPtr font = Font::Create();
    std::vector<std::wstring> heard;
    font->Subscribe([&](const std::wstring& attribute) { heard.push_back(attribute); });
    font->SetName(L"Arial");
    font->SetSize(10.5);
    font->SetBold(true);
    EXPECT_EQ(700, font->Weight());
    font->SetBold(false);
    EXPECT_EQ(400, font->Weight());
    font->SetItalic(true);
    font->SetUnderline(true);
    font->SetStrikethrough(true);
    font->SetWeight(600);
    font->SetCharset(0);
    font->Assign(FontDesc{});
    EXPECT_EQ((std::vector<std::wstring>{L"Name", L"Size", L"Bold", L"Bold", L"Italic", L"Underline",
                                         L"Strikethrough", L"Weight", L"Charset", L"Font"}),
              heard);
    EXPECT_EQ(FontDesc{}, font->Desc());
    EXPECT_EQ(err::InvalidPropertyValue, ErrorOf([&] { font->SetSize(0); }));
}

TEST(SharedFont, ListenersMayUnsubscribeWhileNotified) {
    FontPtr font = Font::Create();
    std::vector<std::string> calls;
    int second = 0;
    int first = font->Subscribe([&](const std::wstring&) {
        calls.push_back("first");
        font->Unsubscribe(first);
        font->Unsubscribe(second);  // removed before its turn in this round: not called
    });
    second = font->Subscribe([&](const std::wstring&) { calls.push_back("second"); });
    font->Subscribe([&](const std::wstring&) { calls.push_back("third"); });
    font->SetItalic(true);
    font->SetItalic(false);
    EXPECT_EQ((std::vector<std::string>{"first", "third", "third"}), calls);
}
