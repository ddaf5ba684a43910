#include "host/design/TextLiteral.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "host/values/Error.h"
#include "host/values/Text.h"

namespace host {

namespace {

constexpr size_t kExcerptLength = 40;  // characters of offending text quoted in an error
constexpr uint64_t kMaxRadixValue = 0xFFFFFFFFu;
constexpr uint64_t kIntegerRadixMax = 0xFFFFu;
constexpr int kHexDigitsPerEscape = 4;
// A font or picture holds only plain values, so a deeper literal is surely a broken
// or hostile text; the cap keeps the recursive reader's stack small.
constexpr int kMaxLiteralNesting = 8;

constexpr wchar_t kByteOrderMark = 0xFEFF;
constexpr const wchar_t* kHexDigits = L"0123456789ABCDEF";
constexpr uint32_t kSystemColorFlag = 0x80000000u;
constexpr uint32_t kSystemColorIndexMask = 0xFFu;

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring_view TrimBlanks(std::wstring_view s) {
    size_t first = 0;
    size_t last = s.size();
    while (first < last && IsBlank(s[first])) ++first;
    while (last > first && IsBlank(s[last - 1])) --last;
    return s.substr(first, last - first);
}
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsAsciiLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }
bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
bool IsControl(wchar_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

// A short, printable piece of `text` from `from`, in quotes.
std::wstring Excerpt(std::wstring_view text, size_t from) {
    std::wstring piece(text.substr(from, kExcerptLength));
    for (wchar_t& c : piece)
        if (c < 0x20 || IsHighSurrogate(c) || IsLowSurrogate(c) || c == kByteOrderMark) c = L'?';
    return L"\"" + piece + (text.size() - from > kExcerptLength ? L"...\"" : L"\"");
}

int HexDigitValue(wchar_t c) {
    if (IsDigit(c)) return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

// ---- Formatting -------------------------------------------------------------------

std::wstring HexEscape(wchar_t c) {
    std::wstring out = L"\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += kHexDigits[(c >> shift) & 0xF];
    return out;
}

// Control characters and lone surrogates are escaped, so that the text survives a
// UTF-8 file and a line-by-line reader unchanged.
std::wstring QuoteString(const std::wstring& s) {
    std::wstring out = L"\"";
    for (size_t i = 0; i < s.size(); ++i) {
        wchar_t c = s[i];
        switch (c) {
        case L'\\': out += L"\\\\"; continue;
        case L'"': out += L"\\\""; continue;
        case L'\r': out += L"\\r"; continue;
        case L'\n': out += L"\\n"; continue;
        case L'\t': out += L"\\t"; continue;
        default: break;
        }
        bool pairedHigh = IsHighSurrogate(c) && i + 1 < s.size() && IsLowSurrogate(s[i + 1]);
        if (pairedHigh) {
            out += c;
            out += s[++i];
        } else if (c < 0x20 || c == 0x7F || IsHighSurrogate(c) || IsLowSurrogate(c) || c == kByteOrderMark) {
            out += HexEscape(c);
        } else {
            out += c;
        }
    }
    return out + L"\"";
}

// Shortest text that reads back as exactly the same value.
template <typename T>
std::wstring ShortestNumber(T value) {
    if (!std::isfinite(value)) Raise(err::Overflow);
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::wstring text;
    for (const char* p = buffer; p != result.ptr; ++p) text += static_cast<wchar_t>(*p == 'e' ? 'E' : *p);
    return text;
}

// System colours (&H80000000& to &H800000FF&) in hex, as they are usually written.
std::wstring FormatLong(int32_t value) {
    auto bits = static_cast<uint32_t>(value);
    if ((bits & ~kSystemColorIndexMask) != kSystemColorFlag) return std::to_wstring(value) + L"&";
    std::wstring hex = L"&H80000000&";
    hex[8] = kHexDigits[(bits >> 4) & 0xF];
    hex[9] = kHexDigits[bits & 0xF];
    return hex;
}

// An OLE colour in eight hex digits, the way colours are usually written: &H00C08040&.
std::wstring FormatColour(int32_t value) {
    auto bits = static_cast<uint32_t>(value);
    std::wstring hex = L"&H00000000&";
    for (size_t i = 9; i >= 2; --i, bits >>= 4) hex[i] = kHexDigits[bits & 0xF];
    return hex;
}

std::wstring FormatFont(const Font& font) {
    const FontDesc& d = font.Desc();
    std::wstring out = L"Font(" + QuoteString(d.name) + L", " + ShortestNumber(d.size) + L", " +
                       std::to_wstring(d.weight) + L", " + std::to_wstring(d.charset);
    if (d.italic) out += L", Italic";
    if (d.underline) out += L", Underline";
    if (d.strikethrough) out += L", Strikethrough";
    return out + L")";
}

std::wstring FormatPicture(const Picture& picture) {
    PictureSource source = picture.SavedSource();
    switch (source.kind) {
    case PictureSource::Kind::Resource: return L"Picture(Resource " + QuoteString(source.name) + L")";
    case PictureSource::Kind::File: return L"Picture(File " + QuoteString(source.name) + L")";
    case PictureSource::Kind::Data: return L"Picture(Data " + QuoteString(source.name) + L")";
    case PictureSource::Kind::Empty: break;
    }
    return L"Picture(Empty)";
}

// ---- Parsing ----------------------------------------------------------------------

class LiteralReader {
public:
    LiteralReader(std::wstring_view text, int line) : text_(text), line_(line) {}
    Variant ReadWhole();

private:
    Variant ReadValue();
    Variant ReadWordValue();
    std::wstring ReadString();
    wchar_t ReadEscape();
    Variant ReadNumber();
    Variant ReadRadixNumber();
    Variant ReadDecimalNumber();
    Variant ReadFont();
    Variant ReadPicture();
    double ReadNumberArgument(const wchar_t* what);
    std::wstring_view ReadWord();
    void SkipBlanks();
    bool AtEnd() const { return pos_ >= text_.size(); }
    bool Accept(wchar_t c);
    void Expect(wchar_t c);
    std::wstring Excerpt(size_t from) const { return host::Excerpt(text_, from); }
    [[noreturn]] void Fail(const std::wstring& problem) const { throw TextFormatError(line_, problem); }

    std::wstring_view text_;
    size_t pos_ = 0;
    int line_;
    int depth_ = 0;  // literals open around the one being read
};

Variant LiteralReader::ReadWhole() {
    SkipBlanks();
    if (AtEnd()) Fail(L"a value is missing");
    Variant value = ReadValue();
    SkipBlanks();
    if (!AtEnd()) Fail(L"unexpected text after the value: " + Excerpt(pos_));
    return value;
}

Variant LiteralReader::ReadValue() {
    SkipBlanks();
    if (AtEnd()) Fail(L"a value is missing at the end of the line");
    wchar_t c = text_[pos_];
    if (c == L'"') return Variant(ReadString());
    if (IsDigit(c) || c == L'-' || c == L'+' || c == L'.' || c == L'&') return ReadNumber();
    if (!IsAsciiLetter(c)) Fail(L"a value cannot begin with " + Excerpt(pos_));
    if (depth_ >= kMaxLiteralNesting)
        Fail(L"values are nested more than " + std::to_wstring(kMaxLiteralNesting) + L" deep");
    ++depth_;
    Variant value = ReadWordValue();
    --depth_;
    return value;
}

Variant LiteralReader::ReadWordValue() {
    size_t start = pos_;
    std::wstring word = ToLowerKey(ReadWord());
    if (word == L"true") return Variant::Bool(true);
    if (word == L"false") return Variant::Bool(false);
    if (word == L"empty") return Variant();
    if (word == L"nothing") return Variant::Nothing();
    if (word == L"font") return ReadFont();
    if (word == L"picture") return ReadPicture();
    Fail(L"unknown value " + Excerpt(start));
}

std::wstring LiteralReader::ReadString() {
    size_t start = pos_++;
    std::wstring out;
    while (!AtEnd()) {
        wchar_t c = text_[pos_++];
        if (c == L'"') return out;
        out += c == L'\\' ? ReadEscape() : c;
    }
    Fail(L"the text " + Excerpt(start) + L" has no closing quote");
}

wchar_t LiteralReader::ReadEscape() {
    if (AtEnd()) Fail(L"the text ends in a lone backslash");
    wchar_t code = text_[pos_++];
    switch (code) {
    case L'\\': return L'\\';
    case L'"': return L'"';
    case L'r': return L'\r';
    case L'n': return L'\n';
    case L't': return L'\t';
    case L'u': break;
    default: Fail(L"unknown escape \"\\" + Excerpt(pos_ - 1).substr(1, 1) + L"\" in text");
    }
    unsigned value = 0;
    for (int i = 0; i < kHexDigitsPerEscape; ++i) {
        int digit = AtEnd() ? -1 : HexDigitValue(text_[pos_]);
        if (digit < 0) Fail(L"\\u needs four hex digits");
        value = value * 16 + static_cast<unsigned>(digit);
        ++pos_;
    }
    return static_cast<wchar_t>(value);
}

Variant LiteralReader::ReadNumber() { return text_[pos_] == L'&' ? ReadRadixNumber() : ReadDecimalNumber(); }

// &H8000000F& is a Long; without the "&" suffix four hex digits' worth is an Integer
// (two's complement, so &HFFFF is -1) and more is a Long.
Variant LiteralReader::ReadRadixNumber() {
    size_t start = pos_++;
    int radix = 0;
    if (Accept(L'H') || Accept(L'h'))
        radix = 16;
    else if (Accept(L'O') || Accept(L'o'))
        radix = 8;
    else
        Fail(L"\"&\" must be followed by H or O in " + Excerpt(start));
    uint64_t value = 0;
    size_t firstDigit = pos_;
    while (!AtEnd() && HexDigitValue(text_[pos_]) >= 0 && HexDigitValue(text_[pos_]) < radix) {
        value = value * radix + static_cast<uint64_t>(HexDigitValue(text_[pos_++]));
        if (value > kMaxRadixValue) Fail(Excerpt(start) + L" does not fit a Long");
    }
    if (pos_ == firstDigit) Fail(Excerpt(start) + L" has no digits");
    if (Accept(L'&')) return Variant::Lng(static_cast<int32_t>(static_cast<uint32_t>(value)));
    bool integerSuffix = Accept(L'%');
    if (value <= kIntegerRadixMax) return Variant::Int(static_cast<int16_t>(static_cast<uint16_t>(value)));
    if (integerSuffix) Fail(Excerpt(start) + L" does not fit an Integer");
    return Variant::Lng(static_cast<int32_t>(static_cast<uint32_t>(value)));
}

template <typename T>
bool ParseAscii(const std::string& text, T& value) {
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

Variant LiteralReader::ReadDecimalNumber() {
    size_t start = pos_;
    std::string ascii;
    if (text_[pos_] == L'-' || text_[pos_] == L'+') {
        if (text_[pos_] == L'-') ascii += '-';
        ++pos_;
    }
    bool digits = false;
    bool fractional = false;
    for (; !AtEnd(); ++pos_) {
        wchar_t c = text_[pos_];
        if (IsDigit(c))
            digits = true;
        else if (c == L'.' && !fractional)
            fractional = true;
        else
            break;
        ascii += static_cast<char>(c);
    }
    if (!digits) Fail(Excerpt(start) + L" is not a number");
    if (!AtEnd() && (text_[pos_] == L'E' || text_[pos_] == L'e')) {
        fractional = true;
        ascii += 'e';
        ++pos_;
        if (!AtEnd() && (text_[pos_] == L'-' || text_[pos_] == L'+')) ascii += static_cast<char>(text_[pos_++]);
        if (AtEnd() || !IsDigit(text_[pos_])) Fail(Excerpt(start) + L" has no digits after its exponent");
        for (; !AtEnd() && IsDigit(text_[pos_]); ++pos_) ascii += static_cast<char>(text_[pos_]);
    }
    wchar_t suffix = AtEnd() ? 0 : text_[pos_];
    bool hasSuffix = suffix == L'%' || suffix == L'&' || suffix == L'!' || suffix == L'#';
    if (hasSuffix) ++pos_;
    if ((suffix == L'%' || suffix == L'&') && fractional) Fail(Excerpt(start) + L" is not a whole number");
    long long whole = 0;
    if (!fractional && suffix != L'!' && suffix != L'#') {
        bool fits = ParseAscii(ascii, whole);
        bool fitsInteger =
            fits && whole >= std::numeric_limits<int16_t>::min() && whole <= std::numeric_limits<int16_t>::max();
        bool fitsLong =
            fits && whole >= std::numeric_limits<int32_t>::min() && whole <= std::numeric_limits<int32_t>::max();
        if (suffix == L'%' && !fitsInteger) Fail(Excerpt(start) + L" does not fit an Integer");
        if (suffix == L'&' && !fitsLong) Fail(Excerpt(start) + L" does not fit a Long");
        if (fitsInteger && suffix != L'&') return Variant::Int(static_cast<int16_t>(whole));
        if (fitsLong) return Variant::Lng(static_cast<int32_t>(whole));
    }
    if (suffix == L'!') {
        float single = 0;
        if (!ParseAscii(ascii, single)) Fail(Excerpt(start) + L" is out of range for a Single");
        return Variant::Sng(single);
    }
    double dbl = 0;
    if (!ParseAscii(ascii, dbl)) Fail(Excerpt(start) + L" is out of range for a Double");
    return Variant::Dbl(dbl);
}

double LiteralReader::ReadNumberArgument(const wchar_t* what) {
    SkipBlanks();
    size_t start = pos_;
    Variant value = ReadValue();
    VarType t = value.Type();
    if (t != VarType::Integer && t != VarType::Long && t != VarType::Single && t != VarType::Double)
        Fail(std::wstring(what) + L" must be a number, not " + Excerpt(start));
    return value.ToDouble();
}

// Font("name", size, weight, charset[, Italic][, Underline][, Strikethrough])
Variant LiteralReader::ReadFont() {
    Expect(L'(');
    SkipBlanks();
    if (AtEnd() || text_[pos_] != L'"') Fail(L"a font needs its name in quotes first");
    FontDesc desc;
    desc.name = ReadString();
    Expect(L',');
    desc.size = ReadNumberArgument(L"the font size");
    if (!(desc.size > 0)) Fail(L"the font size must be above 0");
    Expect(L',');
    double weight = ReadNumberArgument(L"the font weight");
    Expect(L',');
    double charset = ReadNumberArgument(L"the font charset");
    try {
        desc.weight = RoundToInteger(weight);
        desc.charset = RoundToInteger(charset);
    } catch (const HostError&) {
        Fail(L"the font weight or charset does not fit an Integer");
    }
    while (Accept(L',')) {
        SkipBlanks();
        size_t start = pos_;
        std::wstring style = ToLowerKey(ReadWord());
        if (style == L"italic")
            desc.italic = true;
        else if (style == L"underline")
            desc.underline = true;
        else if (style == L"strikethrough")
            desc.strikethrough = true;
        else
            Fail(L"unknown font style " + Excerpt(start));
    }
    Expect(L')');
    return Variant(Font::Create(std::move(desc)));
}

// Picture(Empty), Picture(Resource "NAME"), Picture(File "path"), Picture(Data "base64")
Variant LiteralReader::ReadPicture() {
    Expect(L'(');
    SkipBlanks();
    size_t start = pos_;
    std::wstring kind = ToLowerKey(ReadWord());
    PictureSource source;
    if (kind == L"resource")
        source.kind = PictureSource::Kind::Resource;
    else if (kind == L"file")
        source.kind = PictureSource::Kind::File;
    else if (kind == L"data")
        source.kind = PictureSource::Kind::Data;
    else if (kind != L"empty")
        Fail(L"a picture is Empty, Resource \"name\", File \"path\" or Data \"base64\", not " + Excerpt(start));
    if (source.kind != PictureSource::Kind::Empty) {
        SkipBlanks();
        if (AtEnd() || text_[pos_] != L'"') Fail(L"the picture's name must be in quotes");
        source.name = ReadString();
    }
    Expect(L')');
    try {
        return Variant(LoadPictureFromSource(source));
    } catch (const HostError& e) {
        Fail(L"the picture " + Excerpt(start) + L" cannot be loaded: " + e.Description());
    }
}

std::wstring_view LiteralReader::ReadWord() {
    size_t start = pos_;
    while (!AtEnd() && IsAsciiLetter(text_[pos_])) ++pos_;
    return text_.substr(start, pos_ - start);
}

void LiteralReader::SkipBlanks() {
    while (!AtEnd() && IsBlank(text_[pos_])) ++pos_;
}

bool LiteralReader::Accept(wchar_t c) {
    SkipBlanks();
    if (AtEnd() || text_[pos_] != c) return false;
    ++pos_;
    return true;
}

void LiteralReader::Expect(wchar_t c) {
    if (!Accept(c))
        Fail(std::wstring(L"expected \"") + c + L"\" at " + (AtEnd() ? L"the end of the line" : Excerpt(pos_)));
}

}  // namespace

std::wstring FormatLiteral(const Variant& value) {
    switch (value.Type()) {
    case VarType::Empty: return L"Empty";
    case VarType::Nothing: return L"Nothing";
    case VarType::Boolean: return value.ToBool() ? L"True" : L"False";
    case VarType::Integer: return std::to_wstring(value.ToInteger());
    case VarType::Long: return FormatLong(value.ToLong());
    case VarType::Single: return ShortestNumber(value.ToSingle()) + L"!";
    case VarType::Double: return ShortestNumber(value.ToDouble()) + L"#";
    case VarType::String: return QuoteString(value.ToString());
    case VarType::Font: return FormatFont(*value.ToFont());
    case VarType::Picture: return FormatPicture(*value.ToPicture());
    }
    return L"Empty";
}

std::wstring FormatKeyedLiteral(std::wstring_view key, const Variant& value) {
    const bool colourKey = ToLowerKey(key).find(L"color") != std::wstring::npos;
    return colourKey && value.Type() == VarType::Long ? FormatColour(value.ToLong()) : FormatLiteral(value);
}

Variant ParseLiteral(std::wstring_view text, int line) { return LiteralReader(text, line).ReadWhole(); }

std::vector<std::wstring_view> SplitTextLines(std::wstring_view text) {
    if (!text.empty() && text[0] == kByteOrderMark) text.remove_prefix(1);
    std::vector<std::wstring_view> lines;
    while (!text.empty()) {
        size_t end = text.find(L'\n');
        std::wstring_view line = text.substr(0, end);
        text.remove_prefix(end == std::wstring_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == L'\r') line.remove_suffix(1);
        line = TrimBlanks(line);
        bool comment = !line.empty() && (line[0] == L'\'' || line[0] == L'#');
        lines.push_back(comment ? std::wstring_view() : line);
    }
    return lines;
}

bool IsKeyName(std::wstring_view name) {
    if (name.empty() || IsBlank(name.front()) || IsBlank(name.back())) return false;
    if (name[0] == L'\'' || name[0] == L'#') return false;
    for (size_t i = 0; i < name.size(); ++i) {
        wchar_t c = name[i];
        if (IsHighSurrogate(c) && i + 1 < name.size() && IsLowSurrogate(name[i + 1]))
            ++i;
        else if (c == L'=' || IsControl(c) || c == kByteOrderMark || IsHighSurrogate(c) || IsLowSurrogate(c))
            return false;
    }
    return true;
}

std::pair<std::wstring_view, Variant> ParseAssignment(std::wstring_view text, int line) {
    size_t equals = text.find(L'=');
    if (equals == std::wstring_view::npos) throw TextFormatError(line, L"expected \"name = value\"");
    std::wstring_view key = TrimBlanks(text.substr(0, equals));
    if (key.empty()) throw TextFormatError(line, L"the name before \"=\" is missing");
    if (!IsKeyName(key))
        throw TextFormatError(line, L"the name " + Excerpt(key, 0) +
                                        L" holds a control character, a byte-order mark or half a surrogate pair");
    return {key, ParseLiteral(text.substr(equals + 1), line)};
}

}  // namespace host
