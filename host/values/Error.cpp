#include "host/values/Error.h"

#include <utility>

#include "host/values/Text.h"

namespace host {

namespace {

constexpr char32_t kReplacementChar = 0xFFFD;

bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// UTF-16 (or UTF-32 where wchar_t is 32 bits) to UTF-8; a lone surrogate becomes U+FFFD.
std::string ToUtf8(const std::wstring& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = static_cast<char32_t>(text[i]);
        if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(static_cast<char32_t>(text[i + 1]))) {
            char32_t low = static_cast<char32_t>(text[++i]);
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c) || c > 0x10FFFF) {
            c = kReplacementChar;
        }
        AppendUtf8(out, c);
    }
    return out;
}

}  // namespace

HostError::HostError(int number, std::wstring description) : number_(number), description_(std::move(description)) {
    narrow_ = "Run-time error '" + std::to_string(number_) + "': " + ToUtf8(description_);
}

TextFormatError::TextFormatError(int line, std::wstring problem)
    : HostError(err::InvalidFileFormat, L"line " + std::to_wstring(line) + L": " + problem),
      line_(line),
      problem_(std::move(problem)) {}

std::wstring StandardErrorText(int number) {
    switch (number) {
    case err::InvalidProcedureCall: return L"Invalid procedure call or argument";
    case err::Overflow: return L"Overflow";
    case err::SubscriptOutOfRange: return L"Subscript out of range";
    case err::DivisionByZero: return L"Division by zero";
    case err::TypeMismatch: return L"Type mismatch";
    case err::FileNotFound: return L"File not found";
    case err::ObjectNotSet: return L"Object variable or With block variable not set";
    case err::InvalidFileFormat: return L"Invalid file format";
    case err::InvalidPropertyValue: return L"Invalid property value";
    case err::PropertyReadOnly: return L"Property is read-only";
    case err::PropertyNotFound: return L"Object doesn't support this property or method";
    case err::WrongArguments: return L"Wrong number of arguments or invalid property assignment";
    case err::InvalidPicture: return L"Invalid picture";
    default: return L"Application-defined or object-defined error";
    }
}

void Raise(int number) { throw HostError(number, StandardErrorText(number)); }

void Raise(int number, std::wstring description) { throw HostError(number, std::move(description)); }

}  // namespace host
