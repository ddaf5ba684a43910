#include "host/values/Text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cwctype>

namespace host {

std::wstring ToLowerKey(std::wstring_view name) {
    std::wstring key(name);
    for (wchar_t& c : key)
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    return key;
}

bool SameName(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::towlower(a[i]) != std::towlower(b[i])) return false;
    return true;
}

std::vector<std::wstring> SplitLines(const std::wstring& text) {
    std::vector<std::wstring> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') continue;
        if (text[i] == L'\r' || text[i] == L'\n')
            lines.emplace_back();
        else
            lines.back() += text[i];
    }
    return lines;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

namespace {
constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
}  // namespace

std::wstring ToBase64(const std::vector<unsigned char>& bytes) {
    std::wstring out;
    for (size_t i = 0; i < bytes.size(); i += 3) {
        size_t n = std::min<size_t>(3, bytes.size() - i);
        uint32_t chunk = static_cast<uint32_t>(bytes[i]) << 16;
        if (n > 1) chunk |= static_cast<uint32_t>(bytes[i + 1]) << 8;
        if (n > 2) chunk |= bytes[i + 2];
        for (size_t k = 0; k < 4; ++k)
            out += k <= n ? static_cast<wchar_t>(kBase64[(chunk >> (18 - 6 * k)) & 63]) : L'=';
    }
    return out;
}

std::optional<std::vector<unsigned char>> FromBase64(const std::wstring& text) {
    std::vector<unsigned char> out;
    uint32_t chunk = 0;
    int bits = 0;
    for (wchar_t c : text) {
        if (c == L'=') break;
        const char* at = c < 128 ? std::strchr(kBase64, static_cast<char>(c)) : nullptr;
        if (!at || !c) return std::nullopt;
        chunk = (chunk << 6) | static_cast<uint32_t>(at - kBase64);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out.push_back(static_cast<unsigned char>((chunk >> bits) & 0xFF));
        }
    }
    return out;
}

}  // namespace host
