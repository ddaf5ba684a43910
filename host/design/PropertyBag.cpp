#include "host/design/PropertyBag.h"

#include <algorithm>
#include <unordered_map>

#include "host/values/Error.h"
#include "host/values/Text.h"
#include "host/design/TextLiteral.h"

namespace host {

namespace {

// Fonts are stored as copies, so that later changes to a control's font do not
// reach into a saved bag.
Variant StoredForm(const Variant& value) {
    if (value.Type() == VarType::Font) return Variant(value.ToFont()->Clone());
    return value;
}

bool EqualsDefault(const Variant& value, const Variant& defaultValue) {
    try {
        return value.SameAs(defaultValue.ConvertTo(value.Type()));
    } catch (const HostError&) {
        return false;
    }
}

}  // namespace

Variant PropertyBag::ReadProperty(std::wstring_view name, const Variant& defaultValue) const {
    lastRead_ = ToLowerKey(name);
    auto it = std::find_if(entries_.begin(), entries_.end(), [this](const Entry& e) { return e.first == lastRead_; });
    return it == entries_.end() ? defaultValue : StoredForm(it->second);
}

void PropertyBag::WriteProperty(std::wstring_view name, const Variant& value) {
    if (!IsKeyName(name))
        Raise(err::InvalidProcedureCall,
              L"a property name cannot be empty, hold a control character, \"=\" or a "
              L"byte-order mark, or begin or end with a blank");
    std::wstring key = ToLowerKey(name);
    auto it = std::find_if(entries_.begin(), entries_.end(), [&key](const Entry& e) { return e.first == key; });
    if (it == entries_.end())
        entries_.emplace_back(std::move(key), StoredForm(value));
    else
        it->second = StoredForm(value);
}

void PropertyBag::WriteProperty(std::wstring_view name, const Variant& value, const Variant& defaultValue) {
    if (!EqualsDefault(value, defaultValue)) {
        WriteProperty(name, value);
        return;
    }
    std::wstring key = ToLowerKey(name);
    std::erase_if(entries_, [&key](const Entry& e) { return e.first == key; });
}

bool PropertyBag::Contains(std::wstring_view name) const {
    std::wstring key = ToLowerKey(name);
    return std::any_of(entries_.begin(), entries_.end(), [&key](const Entry& e) { return e.first == key; });
}

std::vector<std::wstring> PropertyBag::Keys() const {
    std::vector<std::wstring> keys;
    keys.reserve(entries_.size());
    for (const Entry& e : entries_) keys.push_back(e.first);
    return keys;
}

std::wstring PropertyBag::SaveText() const {
    std::wstring text;
    for (const Entry& e : entries_) text += e.first + L" = " + FormatKeyedLiteral(e.first, e.second) + L"\n";
    return text;
}

PropertyBag PropertyBag::LoadText(std::wstring_view text) {
    PropertyBag bag;
    std::unordered_map<std::wstring, int> keyLines;  // names the first of a duplicate
    std::vector<std::wstring_view> lines = SplitTextLines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        int lineNumber = static_cast<int>(i + 1);
        auto [name, value] = ParseAssignment(lines[i], lineNumber);
        std::wstring key = ToLowerKey(name);
        auto [it, added] = keyLines.emplace(key, lineNumber);
        if (!added)
            throw TextFormatError(
                lineNumber, L"\"" + key + L"\" is set twice (first on line " + std::to_wstring(it->second) + L")");
        bag.entries_.emplace_back(std::move(key), std::move(value));
    }
    return bag;
}

}  // namespace host
