#pragma once
// String helpers shared by the host's layers.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace host {

// A name as a bag or design-data key: ASCII letters in lower case.
std::wstring ToLowerKey(std::wstring_view name);
// Compares property names the host's way (case-insensitive).
bool SameName(std::wstring_view a, std::wstring_view b);
// The lines a text prints in: split at CR LF, CR or LF.
std::vector<std::wstring> SplitLines(const std::wstring& text);

// Appends the UTF-8 bytes of one code point (surrogates are encoded as they are).
void AppendUtf8(std::string& out, char32_t c);

// Bytes as base64 text, and back (null when the text holds another character).
std::wstring ToBase64(const std::vector<unsigned char>& bytes);
std::optional<std::vector<unsigned char>> FromBase64(const std::wstring& text);

}  // namespace host
