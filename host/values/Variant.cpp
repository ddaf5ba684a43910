#include "host/values/Variant.h"

#include <charconv>
#include <cmath>
#include <cwctype>
#include <limits>
#include <optional>

#include "host/values/Error.h"

namespace host {

namespace {

constexpr int kDoubleDigits = 15;  // significant digits the host shows for a Double
constexpr int kSingleDigits = 7;   // ... and for a Single
constexpr uint64_t kMaxRadixValue = 0xFFFFFFFFu;
constexpr uint64_t kIntegerRadixMax = 0xFFFFu;
constexpr long kExponentClamp = 100000;  // beyond any double's range either way

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsExponentMark(wchar_t c) { return c == L'e' || c == L'E' || c == L'd' || c == L'D'; }
bool IsRadixMark(wchar_t c) { return c == L'h' || c == L'H' || c == L'o' || c == L'O'; }

std::wstring_view TrimBlanks(std::wstring_view text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && IsBlank(text[first])) ++first;
    while (last > first && IsBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

int DigitValue(wchar_t c) {
    if (IsDigit(c)) return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return 99;
}

struct NumberScan {
    double value = 0;
    size_t end = 0;      // one past the last character read
    bool found = false;  // at least one digit was read
};

// "&H1F" / "&O17": up to four digits' worth reads as a 16-bit Integer and up to eight
// as a 32-bit Long, both two's complement (&HFFFF is -1); a trailing "&" forces Long.
NumberScan ScanRadix(std::wstring_view t, size_t pos) {
    NumberScan scan;
    int radix = (t[pos + 1] == L'h' || t[pos + 1] == L'H') ? 16 : 8;
    size_t i = pos + 2;
    uint64_t value = 0;
    for (; i < t.size() && DigitValue(t[i]) < radix; ++i) {
        value = value * radix + DigitValue(t[i]);
        if (value > kMaxRadixValue) Raise(err::Overflow);
        scan.found = true;
    }
    bool forceLong = scan.found && i < t.size() && t[i] == L'&';
    if (forceLong) ++i;
    if (value <= kIntegerRadixMax && !forceLong)
        scan.value = static_cast<int16_t>(static_cast<uint16_t>(value));
    else
        scan.value = static_cast<int32_t>(static_cast<uint32_t>(value));
    scan.end = i;
    return scan;
}

// Decimal exponent of the leading significant digit of "ddd.ddd" (0 for "1.x",
// -1 for "0.1"), used only to tell an overflow from an underflow.
long LeadingExponent(std::string_view mantissa) {
    size_t point = mantissa.find('.');
    std::string_view whole = mantissa.substr(0, point);
    size_t firstNonZero = whole.find_first_not_of('0');
    if (firstNonZero != std::string_view::npos) return static_cast<long>(whole.size() - firstNonZero) - 1;
    if (point == std::string_view::npos) return 0;
    std::string_view fraction = mantissa.substr(point + 1);
    size_t firstInFraction = fraction.find_first_not_of('0');
    return firstInFraction == std::string_view::npos ? 0 : -static_cast<long>(firstInFraction) - 1;
}

double DecimalToDouble(const std::string& mantissa, long exponent, bool negative) {
    std::string text = mantissa + 'e' + std::to_string(exponent);
    double value = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (LeadingExponent(mantissa) + exponent > 0) Raise(err::Overflow);
        value = 0;
    }
    return negative ? -value : value;
}

// Sign, digits with at most one full stop, then an exponent (E or D, optional sign)
// when digits follow it.
NumberScan ScanDecimal(std::wstring_view t, size_t pos) {
    NumberScan scan;
    size_t i = pos;
    bool negative = false;
    if (i < t.size() && (t[i] == L'+' || t[i] == L'-')) negative = t[i++] == L'-';
    std::string mantissa;
    bool seenPoint = false;
    for (; i < t.size(); ++i) {
        if (IsDigit(t[i])) {
            mantissa += static_cast<char>(t[i]);
            scan.found = true;
        } else if (t[i] == L'.' && !seenPoint) {
            mantissa += '.';
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!scan.found) return scan;
    long exponent = 0;
    if (i < t.size() && IsExponentMark(t[i])) {
        size_t j = i + 1;
        bool negativeExponent = false;
        if (j < t.size() && (t[j] == L'+' || t[j] == L'-')) negativeExponent = t[j++] == L'-';
        if (j < t.size() && IsDigit(t[j])) {
            for (; j < t.size() && IsDigit(t[j]); ++j)
                if (exponent < kExponentClamp) exponent = exponent * 10 + (t[j] - L'0');
            if (negativeExponent) exponent = -exponent;
            i = j;
        }
    }
    scan.value = DecimalToDouble(mantissa, exponent, negative);
    scan.end = i;
    return scan;
}

NumberScan ScanNumber(std::wstring_view t, size_t pos) {
    if (pos + 1 < t.size() && t[pos] == L'&' && IsRadixMark(t[pos + 1])) return ScanRadix(t, pos);
    return ScanDecimal(t, pos);
}

// The whole text, blanks around it allowed, must be one number; anything else is a
// type mismatch (so "" and "12abc" fail, where Val would give 0 and 12).
double ParseNumericText(std::wstring_view text) {
    std::wstring_view body = TrimBlanks(text);
    if (body.empty()) Raise(err::TypeMismatch);
    NumberScan scan = ScanNumber(body, 0);
    if (!scan.found || scan.end != body.size()) Raise(err::TypeMismatch);
    return scan.value;
}

bool EqualsNoCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::towlower(a[i]) != std::towlower(b[i])) return false;
    return true;
}

std::optional<bool> BoolWord(std::wstring_view text) {
    std::wstring_view word = TrimBlanks(text);
    if (EqualsNoCase(word, L"True")) return true;
    if (EqualsNoCase(word, L"False")) return false;
    return std::nullopt;
}

template <typename T>
std::wstring FormatGeneral(T value, int digits) {
    if (value == 0) return L"0";  // also for -0
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    std::wstring text;
    for (const char* p = buffer; p != result.ptr; ++p) text += static_cast<wchar_t>(*p == 'e' ? 'E' : *p);
    return text;
}

double RoundHalfEven(double value) {
    double floor = std::floor(value);
    double fraction = value - floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0)) floor += 1;
    return floor;
}

template <typename Int>
Int RoundInto(double value) {
    double rounded = RoundHalfEven(value);
    if (!(rounded >= std::numeric_limits<Int>::min() && rounded <= std::numeric_limits<Int>::max()))
        Raise(err::Overflow);
    return static_cast<Int>(rounded);
}

[[noreturn]] void RaiseNotANumber(bool nothing) { Raise(nothing ? err::ObjectNotSet : err::TypeMismatch); }

}  // namespace

Variant::Variant(FontPtr f) {
    if (f)
        v_ = std::move(f);
    else
        v_ = NothingValue{};
}

Variant::Variant(PicturePtr p) {
    if (p)
        v_ = std::move(p);
    else
        v_ = NothingValue{};
}

VarType Variant::Type() const {
    using V = decltype(v_);
    static_assert(std::is_same_v<std::variant_alternative_t<static_cast<size_t>(VarType::String), V>, std::wstring>);
    static_assert(std::is_same_v<std::variant_alternative_t<static_cast<size_t>(VarType::Nothing), V>, NothingValue>);
    return static_cast<VarType>(v_.index());
}

bool Variant::IsObject() const {
    VarType t = Type();
    return t == VarType::Font || t == VarType::Picture || t == VarType::Nothing;
}

double Variant::ToDouble() const {
    switch (Type()) {
    case VarType::Empty: return 0;
    case VarType::Boolean: return std::get<BoolValue>(v_).v;
    case VarType::Integer: return std::get<int16_t>(v_);
    case VarType::Long: return std::get<int32_t>(v_);
    case VarType::Single: return std::get<float>(v_);
    case VarType::Double: return std::get<double>(v_);
    case VarType::String: return ParseNumericText(std::get<std::wstring>(v_));
    default: RaiseNotANumber(Type() == VarType::Nothing);
    }
}

bool Variant::ToBool() const {
    if (Type() == VarType::String) {
        if (auto word = BoolWord(std::get<std::wstring>(v_))) return *word;
    }
    return ToDouble() != 0;
}

int16_t Variant::ToInteger() const {
    if (Type() == VarType::Integer) return std::get<int16_t>(v_);
    return RoundInto<int16_t>(ToDouble());
}

int32_t Variant::ToLong() const {
    if (Type() == VarType::Long) return std::get<int32_t>(v_);
    return RoundInto<int32_t>(ToDouble());
}

float Variant::ToSingle() const {
    if (Type() == VarType::Single) return std::get<float>(v_);
    double d = ToDouble();
    if (std::isfinite(d) && std::fabs(d) > std::numeric_limits<float>::max()) Raise(err::Overflow);
    return static_cast<float>(d);
}

std::wstring Variant::ToString() const {
    switch (Type()) {
    case VarType::Empty: return L"";
    case VarType::Boolean: return std::get<BoolValue>(v_).v ? L"True" : L"False";
    case VarType::Integer: return std::to_wstring(std::get<int16_t>(v_));
    case VarType::Long: return std::to_wstring(std::get<int32_t>(v_));
    case VarType::Single: return FormatGeneral(std::get<float>(v_), kSingleDigits);
    case VarType::Double: return FormatGeneral(std::get<double>(v_), kDoubleDigits);
    case VarType::String: return std::get<std::wstring>(v_);
    default: RaiseNotANumber(Type() == VarType::Nothing);
    }
}

FontPtr Variant::ToFont() const {
    if (Type() == VarType::Nothing) return nullptr;
    if (Type() != VarType::Font) Raise(err::TypeMismatch);
    return std::get<FontPtr>(v_);
}

PicturePtr Variant::ToPicture() const {
    if (Type() == VarType::Nothing) return nullptr;
    if (Type() != VarType::Picture) Raise(err::TypeMismatch);
    return std::get<PicturePtr>(v_);
}

Variant Variant::ConvertTo(VarType type) const {
    switch (type) {
    case VarType::Boolean: return Bool(ToBool());
    case VarType::Integer: return Int(ToInteger());
    case VarType::Long: return Lng(ToLong());
    case VarType::Single: return Sng(ToSingle());
    case VarType::Double: return Dbl(ToDouble());
    case VarType::String: return Variant(ToString());
    case VarType::Font: return Variant(ToFont());
    case VarType::Picture: return Variant(ToPicture());
    case VarType::Empty:
    case VarType::Nothing:
        // No value turns into Empty or Nothing; only they themselves are of those types.
        if (Type() != type) Raise(err::TypeMismatch);
        return *this;
    }
    Raise(err::TypeMismatch);
}

bool Variant::SameAs(const Variant& other) const {
    if (v_.index() != other.v_.index()) return false;
    return std::visit(
        [&other](const auto& mine) {
            using T = std::decay_t<decltype(mine)>;
            const T& theirs = std::get<T>(other.v_);
            if constexpr (std::is_same_v<T, std::monostate> || std::is_same_v<T, NothingValue>)
                return true;
            else if constexpr (std::is_same_v<T, BoolValue>)
                return mine.v == theirs.v;
            else
                return mine == theirs;
        },
        v_);
}

double Val(std::wstring_view text) {
    size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    return ScanNumber(text, pos).value;
}

int32_t RoundToLong(double value) { return RoundInto<int32_t>(value); }

int16_t RoundToInteger(double value) { return RoundInto<int16_t>(value); }

int16_t AddInteger(int16_t a, int16_t b) {
    int sum = a + b;
    if (sum < std::numeric_limits<int16_t>::min() || sum > std::numeric_limits<int16_t>::max()) Raise(err::Overflow);
    return static_cast<int16_t>(sum);
}

}  // namespace host
