#include "Mutator.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "host/values/Text.h"

namespace fuzz {

namespace {

using namespace std::literals;

struct TargetInfo {
    Target target;
    const char* name;
    const wchar_t* extension;
};
constexpr TargetInfo kTargets[] = {
    {Target::Design, "design", L".design"}, {Target::Bag, "bag", L".bag"},   {Target::Literal, "literal", L".literal"},
    {Target::Bitmap, "bitmap", L".bmp"},    {Target::Icon, "icon", L".ico"},
};

bool IsText(Target target) { return target == Target::Design || target == Target::Bag || target == Target::Literal; }

// Syntax, keywords and characters a reader may mishandle.
// clang-format off
const std::wstring kPieces[] = {
    L"\"", L"\\", L"\\u", L"\n", L"\r", L"\r\n", L"=", L"(", L")", L",", L"&H", L"&", L"%", L"!", L"#", L"'", L" ",
    L"\t", L"\0"s, L"\xD800", L"\xDFFF", L"\xFEFF", L"\x85", L"\x7F", L"Begin ", L"Begin Label x\n",
    L"Begin Frame f\n", L"Begin PictureBox p\n", L"End\n", L"Font(\"a\", ", L"Font(\"宋体\", 9, 400, 134)", L"Picture(",
    L"Picture(Data \"", L"Picture(File \"", L"Picture(Resource \"", L"Empty", L"Nothing", L"True", L"1e", L"-", L".",
    L"99999999999", L"-32768", L"2147483647&", L"&H80000050&", L"1E308#", L"Index = ", L"Left = ", L"Width = ",
    L"Caption = ", L"Font = ", L"Picture = ", L"ScaleMode = 3\n", L"BorderStyle = ", L"Visible = 0\n",
    L"Default = True\n",
};
// clang-format on

constexpr uint32_t kInterestingWords[] = {0,       1,          0x7F,       0x80,       0xFF, 0x7FFF, 0x8000, 0xFFFF,
                                          0x10000, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 40,   108,    124};

using Random = std::mt19937_64;

size_t Below(Random& random, size_t bound) { return bound == 0 ? 0 : static_cast<size_t>(random() % bound); }

template <class S>
std::pair<size_t, size_t> Span(Random& random, const S& s, size_t longest) {
    size_t start = Below(random, s.size() + 1);
    return {start, std::min(s.size() - start, 1 + Below(random, longest))};
}

template <class S>
bool EditSpans(Random& random, S& s, const S& other) {
    switch (Below(random, 4)) {
    case 0: {
        auto [start, length] = Span(random, s, 16);
        s.erase(start, length);
        return true;
    }
    case 1: {  // sometimes thousands of times over, for depth and length
        auto [start, length] = Span(random, s, 64);
        size_t times = Below(random, 8) == 0 ? 100 + Below(random, 4000) : 1 + Below(random, 4);
        S piece = s.substr(start, length);
        S repeated;
        for (size_t i = 0; i < times; ++i) repeated += piece;
        s.insert(start, repeated);
        return true;
    }
    case 2: {
        auto [start, length] = Span(random, other, 256);
        s.insert(Below(random, s.size() + 1), other.substr(start, length));
        return true;
    }
    default: s.resize(Below(random, s.size() + 1)); return Below(random, 4) == 0;  // truncating: rarely
    }
}

void EditText(Random& random, std::wstring& text, const std::wstring& other) {
    switch (Below(random, 4)) {
    case 0: text.insert(Below(random, text.size() + 1), kPieces[Below(random, std::size(kPieces))]); break;
    case 1:
        if (!text.empty()) text[Below(random, text.size())] = static_cast<wchar_t>(random() & 0xFFFF);
        break;
    default:
        if (!EditSpans(random, text, other)) text.insert(Below(random, text.size() + 1), kPieces[0]);
    }
}

void EditBytes(Random& random, std::string& bytes, const std::string& other) {
    // Favour the header.
    size_t reach = Below(random, 4) == 0 ? bytes.size() : std::min<size_t>(bytes.size(), 64);
    size_t at = Below(random, reach);
    switch (Below(random, 4)) {
    case 0:
        if (at < bytes.size()) bytes[at] = static_cast<char>(bytes[at] ^ (1 << Below(random, 8)));
        break;
    case 1: {
        uint32_t word = kInterestingWords[Below(random, std::size(kInterestingWords))];
        for (size_t i = 0, width = Below(random, 2) ? 4 : 2; i < width && at + i < bytes.size(); ++i)
            bytes[at + i] = static_cast<char>(word >> (8 * i));
        break;
    }
    default: EditSpans(random, bytes, other);
    }
}

// A lone surrogate is written as its own three bytes, so any text survives a file.
std::string EncodeText(const std::wstring& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        host::AppendUtf8(out, c);
    }
    return out;
}

// The inverse of EncodeText; a byte that starts no sequence reads as itself.
std::wstring DecodeText(const std::string& bytes) {
    std::wstring out;
    for (size_t i = 0; i < bytes.size();) {
        auto b = static_cast<unsigned char>(bytes[i]);
        size_t extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
        uint32_t c = extra == 3 ? b & 0x07 : extra == 2 ? b & 0x0F : extra == 1 ? b & 0x1F : b;
        if (extra && i + extra >= bytes.size()) {
            extra = 0;
            c = b;
        }
        for (size_t k = 1; k <= extra; ++k) c = (c << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
        i += 1 + extra;
        if (c >= 0x10000) {
            out += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<wchar_t>(c);
        }
    }
    return out;
}

}  // namespace

std::wstring ExtensionOf(Target target) { return kTargets[static_cast<int>(target)].extension; }
const char* NameOf(Target target) { return kTargets[static_cast<int>(target)].name; }

bool ReadInput(const std::filesystem::path& file, Input& input) {
    auto info = std::find_if(std::begin(kTargets), std::end(kTargets),
                             [&](const TargetInfo& t) { return file.extension().wstring() == t.extension; });
    if (info == std::end(kTargets)) return false;
    std::ifstream in(file, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    input.target = info->target;
    if (IsText(input.target))
        input.text = DecodeText(bytes);
    else
        input.bytes = std::move(bytes);
    return true;
}

void WriteInput(const std::filesystem::path& file, const Input& input) {
    std::ofstream out(file, std::ios::binary);
    out << (IsText(input.target) ? EncodeText(input.text) : input.bytes);
}

std::string Preview(const Input& input) {
    constexpr size_t kShown = 120;
    std::string all = IsText(input.target) ? EncodeText(input.text) : input.bytes;
    std::ostringstream out;
    out << NameOf(input.target) << " input of " << all.size() << " bytes: \"";
    for (char c : all.substr(0, kShown)) {
        auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F && c != '\\')
            out << c;
        else
            out << "\\x"
                << "0123456789ABCDEF"[b >> 4] << "0123456789ABCDEF"[b & 15];
    }
    out << (all.size() > kShown ? "...\"" : "\"");
    return out.str();
}

Input Mutator::Make(uint64_t seed, uint64_t index) const {
    std::seed_seq mix{static_cast<uint32_t>(seed), static_cast<uint32_t>(seed >> 32), static_cast<uint32_t>(index),
                      static_cast<uint32_t>(index >> 32)};
    Random random(mix);
    Target target = kTargets[Below(random, std::size(kTargets))].target;
    std::vector<const Input*> kin;
    for (const Input& s : seeds_)
        if (s.target == target) kin.push_back(&s);
    if (kin.empty()) kin.push_back(&seeds_[Below(random, seeds_.size())]);
    Input input = *kin[Below(random, kin.size())];
    for (size_t edits = Below(random, 2) ? 1 : 2 + Below(random, 5); edits > 0; --edits) {
        const Input& other = *kin[Below(random, kin.size())];
        if (IsText(input.target))
            EditText(random, input.text, other.text);
        else
            EditBytes(random, input.bytes, other.bytes);
    }
    return input;
}

}  // namespace fuzz
