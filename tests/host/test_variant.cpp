// Values, their conversions, Val and rounding.
#include "HostTestKit.h"

using namespace host;
using namespace hosttest;

TEST(VariantConversion, ToBoolFollowsTheHostRules) {
    // clang-format off
    const struct { const char* label; Variant value; bool expected; int error; } rows[] = {
        {"Integer -1", Variant::Int(-1), true, kNoError}, {"Integer 1", Variant::Int(1), true, kNoError},
        {"Integer 0", Variant::Int(0), false, kNoError}, {"Double 0.5", Variant::Dbl(0.5), true, kNoError},
        {"\" TRUE \"", Variant(L" TRUE "), true, kNoError}, {"\"false\"", Variant(L"false"), false, kNoError},
        {"\"1\"", Variant(L"1"), true, kNoError}, {"\"yes\"", Variant(L"yes"), false, err::TypeMismatch},
        {"\"\"", Variant(L""), false, err::TypeMismatch}, {"Empty", Variant(), false, kNoError},
        {"Font", Variant(Font::Create()), false, err::TypeMismatch},
        {"Nothing", Variant::Nothing(), false, err::ObjectNotSet},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        bool result = row.expected;  // an error leaves it so
        EXPECT_EQ(row.error, ErrorOf([&] { result = row.value.ToBool(); }));
        EXPECT_EQ(row.expected, result);
    }
}

TEST(VariantConversion, WholeNumbersRoundHalfToEvenAndOverflow) {
    // clang-format off
    const struct { const char* label; Variant value; int32_t expected; int integerError; int longError; } rows[] = {
        {"0.5", Variant::Dbl(0.5), 0, kNoError, kNoError}, {"-2.5", Variant::Dbl(-2.5), -2, kNoError, kNoError},
        {"text 2.5", Variant(L"2.5"), 2, kNoError, kNoError}, {"hex text", Variant(L" &H10 "), 16, kNoError, kNoError},
        {"32767.5", Variant::Dbl(32767.5), 32768, err::Overflow, kNoError},
        {"-32768.5", Variant::Dbl(-32768.5), -32768, kNoError, kNoError},
        {"2147483647.5", Variant::Dbl(2147483647.5), 0, err::Overflow, err::Overflow},
        {"-2147483648.5", Variant::Dbl(-2147483648.5), INT32_MIN, err::Overflow, kNoError},
        {"text 1e400", Variant(L"1e400"), 0, err::Overflow, err::Overflow}, {"Empty", Variant(), 0, kNoError, kNoError},
        {"Font", Variant(Font::Create()), 0, err::TypeMismatch, err::TypeMismatch},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        auto asInteger = static_cast<int16_t>(row.expected);  // an error leaves them so
        int32_t asLong = row.expected;
        EXPECT_EQ(row.integerError, ErrorOf([&] { asInteger = row.value.ToInteger(); }));
        EXPECT_EQ(row.longError, ErrorOf([&] { asLong = row.value.ToLong(); }));
        EXPECT_EQ(static_cast<int16_t>(row.expected), asInteger);
        EXPECT_EQ(row.expected, asLong);
    }
}

TEST(VariantConversion, ToStringUsesTheHostShortForm) {
    // clang-format off
    const struct { Variant value; const wchar_t* expected; } rows[] = {
        {Variant::Bool(true), L"True"}, {Variant::Int(-5), L"-5"}, {Variant::Dbl(2), L"2"},
        {Variant::Dbl(1.0 / 3), L"0.333333333333333"}, {Variant::Dbl(1234567890123456.0), L"1.23456789012346E+15"},
        {Variant::Dbl(1.5e-5), L"1.5E-05"}, {Variant::Sng(0.1f), L"0.1"}, {Variant::Sng(12345678.0f), L"1.234568E+07"},
        {Variant(), L""},
    };
    // clang-format on
    for (const auto& row : rows) EXPECT_EQ(row.expected, row.value.ToString()) << static_cast<int>(row.value.Type());
}

TEST(HostNumbers, ValReadsTheLeadingNumber) {
    struct Row {
        const wchar_t* text;
        double expected;
    };
    const Row rows[] = {
        {L"\t 3", 3},        {L"abc", 0},           {L"", 0},        {L"1D2", 100}, {L"1e", 1},
        {L"12abc", 12},      {L"-1.5e-2x", -0.015}, {L"1.2.3", 1.2}, {L".5", 0.5},  {L"&HFFFF", -1},
        {L"&H8000&", 32768}, {L"&H10000", 65536},   {L"&O17", 15},   {L"&H", 0},    {L"1e-400", 0},
        {L"1,5", 1},         {L"- 1", 0},
    };
    for (const auto& row : rows)
        EXPECT_DOUBLE_EQ(row.expected, Val(row.text)) << testing::PrintToString(std::wstring(row.text));
    EXPECT_EQ(err::Overflow, ErrorOf([] { Val(L"1e400"); }));
}

TEST(HostNumbers, RoundingAndIntegerArithmeticOverflow) {
    EXPECT_EQ(INT32_MAX, RoundToLong(2147483647.4));
    EXPECT_EQ(err::Overflow, ErrorOf([] { RoundToLong(2147483647.5); }));
    EXPECT_EQ(32767, AddInteger(32766, 1));
    EXPECT_EQ(err::Overflow, ErrorOf([] { AddInteger(32767, 1); }));
    EXPECT_EQ(err::Overflow, ErrorOf([] { AddInteger(-32768, -1); }));
}
