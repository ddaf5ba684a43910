#include "host/design/DesignData.h"

#include <functional>
#include <optional>
#include <unordered_map>

#include "host/values/Breakdown.h"
#include "host/values/Error.h"
#include "host/values/Text.h"
#include "host/design/PropertyBag.h"
#include "host/design/TextLiteral.h"

namespace host {

namespace {

// Deeper nesting is surely a broken file; the cap keeps the tree shallow enough
// for the recursive code that walks it.
constexpr size_t kMaxNesting = 64;
constexpr const wchar_t* kIndent = L"    ";

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

bool IsNameChar(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') || c == L'_' || c == L'.' ||
           c >= 0x80;
}

bool IsName(std::wstring_view word) {
    for (wchar_t c : word)
        if (!IsNameChar(c)) return false;
    return IsKeyName(word);
}

std::vector<std::wstring_view> SplitWords(std::wstring_view text) {
    std::vector<std::wstring_view> words;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsBlank(text[i])) ++i;
        size_t start = i;
        while (i < text.size() && !IsBlank(text[i])) ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    return words;
}

// "Begin" as the first word, not as the key of a "Begin = ..." property.
bool IsBeginLine(std::wstring_view line) {
    size_t wordEnd = 0;
    while (wordEnd < line.size() && !IsBlank(line[wordEnd]) && line[wordEnd] != L'=') ++wordEnd;
    if (ToLowerKey(line.substr(0, wordEnd)) != L"begin") return false;
    size_t next = wordEnd;
    while (next < line.size() && IsBlank(line[next])) ++next;
    return next == line.size() || line[next] != L'=';
}

class DesignReader {
public:
    DesignNode Read(std::wstring_view text);

private:
    struct OpenNode {
        DesignNode node;
        std::unordered_map<std::wstring, int> keyLines;
    };

    void Begin(std::wstring_view line, int number);
    void End(int number);
    void Property(std::wstring_view line, int number);

    std::vector<OpenNode> open_;
    std::optional<DesignNode> root_;
};

DesignNode DesignReader::Read(std::wstring_view text) {
    std::vector<std::wstring_view> lines = SplitTextLines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        std::wstring_view line = lines[i];
        int number = static_cast<int>(i + 1);
        if (line.empty()) continue;
        if (IsBeginLine(line))
            Begin(line, number);
        else if (ToLowerKey(line) == L"end")
            End(number);
        else
            Property(line, number);
    }
    if (!open_.empty()) {
        const DesignNode& unclosed = open_.back().node;
        throw TextFormatError(unclosed.line, L"\"Begin " + unclosed.kind + L" " + unclosed.name + L"\" has no End");
    }
    if (!root_) throw TextFormatError(1, L"no \"Begin <kind> <name>\" block was found");
    return std::move(*root_);
}

void DesignReader::Begin(std::wstring_view line, int number) {
    if (root_ && open_.empty())
        throw TextFormatError(number, L"a second top-level control; the file describes the one form begun on line " +
                                          std::to_wstring(root_->line));
    std::vector<std::wstring_view> words = SplitWords(line);
    if (words.size() != 3 || !IsName(words[1]) || !IsName(words[2]))
        throw TextFormatError(number, L"expected \"Begin <kind> <name>\"");
    if (open_.size() >= kMaxNesting)
        throw TextFormatError(number, L"controls are nested more than " + std::to_wstring(kMaxNesting) + L" deep");
    OpenNode opened;
    opened.node.kind = words[1];
    opened.node.name = words[2];
    opened.node.line = number;
    open_.push_back(std::move(opened));
}

void DesignReader::End(int number) {
    if (open_.empty()) throw TextFormatError(number, L"\"End\" without a matching \"Begin\"");
    DesignNode closed = std::move(open_.back().node);
    open_.pop_back();
    if (open_.empty())
        root_ = std::move(closed);
    else
        open_.back().node.children.push_back(std::move(closed));
}

void DesignReader::Property(std::wstring_view line, int number) {
    if (open_.empty()) throw TextFormatError(number, L"text outside any \"Begin ... End\" block");
    auto [key, value] = ParseAssignment(line, number);
    OpenNode& owner = open_.back();
    auto [it, added] = owner.keyLines.emplace(ToLowerKey(key), number);
    if (!added)
        throw TextFormatError(number, L"\"" + std::wstring(key) + L"\" is set twice in " + owner.node.name +
                                          L" (first on line " + std::to_wstring(it->second) + L")");
    owner.node.properties.emplace_back(std::wstring(key), std::move(value));
    owner.node.propertyLines.push_back(number);
}

// Control names are unique in a form, except that the members of a control array
// share one name and differ in their "Index".
class NameChecker {
public:
    void Check(const DesignNode& node) {
        CheckOne(node);
        for (const DesignNode& child : node.children) Check(child);
    }

private:
    void CheckOne(const DesignNode& node) {
        std::wstring name = ToLowerKey(node.name);
        std::optional<int32_t> index = IndexOf(node);
        auto plain = plainLines_.find(name);
        auto indexed = indexedLines_.find(name);
        std::optional<int> clash;
        if (plain != plainLines_.end())
            clash = plain->second;
        else if (!index && indexed != indexedLines_.end())
            clash = indexed->second;
        if (index) {
            auto [member, added] = memberLines_.emplace(name + L"(" + std::to_wstring(*index) + L")", node.line);
            if (!added) clash = member->second;
            indexedLines_.emplace(name, node.line);
        } else {
            plainLines_.emplace(name, node.line);
        }
        if (clash)
            throw TextFormatError(node.line, L"the control name \"" + node.name + L"\" is already used on line " +
                                                 std::to_wstring(*clash));
    }

    static std::optional<int32_t> IndexOf(const DesignNode& node) {
        const Variant* index = node.Find(L"Index");
        if (!index) return std::nullopt;
        try {
            return index->ToLong();
        } catch (const HostError&) {
            throw TextFormatError(node.line, L"the Index of " + node.name + L" must be a whole number");
        }
    }

    std::unordered_map<std::wstring, int> plainLines_;    // names without an Index
    std::unordered_map<std::wstring, int> indexedLines_;  // control-array names, first member
    std::unordered_map<std::wstring, int> memberLines_;   // "name(index)"
};

}  // namespace

const Variant* DesignNode::Find(std::wstring_view key) const {
    std::wstring wanted = ToLowerKey(key);
    for (const auto& [name, value] : properties)
        if (ToLowerKey(name) == wanted) return &value;
    return nullptr;
}

std::wstring FormatDesignData(const DesignNode& root) {
    std::wstring text;
    std::function<void(const DesignNode&, const std::wstring&)> append = [&](const DesignNode& node,
                                                                             const std::wstring& indent) {
        text += indent + L"Begin " + node.kind + L" " + node.name + L"\n";
        for (const auto& [key, value] : node.properties)
            text += indent + kIndent + key + L" = " + FormatKeyedLiteral(key, value) + L"\n";
        for (const DesignNode& child : node.children) append(child, indent + kIndent);
        text += indent + L"End\n";
    };
    append(root, L"");
    return text;
}

DesignNode ParseDesignData(std::wstring_view text) {
    breakdown::Scope counted(breakdown::Work::DesignData);
    DesignNode root = DesignReader().Read(text);
    NameChecker().Check(root);
    return root;
}

}  // namespace host
