#pragma once
// A control's stored settings: ordered, case-insensitive keys kept in lower case.
// WriteProperty stores nothing when the value equals the default converted to the
// value's type; the bag saves to and loads from a readable text form.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/values/Variant.h"

namespace host {

class PropertyBag {
public:
    using Entry = std::pair<std::wstring, Variant>;  // lower-case key, value

    // The stored value, or `defaultValue` itself (the same object for fonts and
    // pictures) when the key is absent. Stored fonts are returned as a fresh copy.
    Variant ReadProperty(std::wstring_view name, const Variant& defaultValue = {}) const;
    // Always stores.
    void WriteProperty(std::wstring_view name, const Variant& value);
    // Stores unless `value` equals `defaultValue` converted to the value's type
    // (a default that cannot be converted never equals); an existing entry under
    // the name is removed when nothing is stored.
    void WriteProperty(std::wstring_view name, const Variant& value, const Variant& defaultValue);

    // The key of the latest ReadProperty (lower case; empty before any): the one a
    // control was applying when its loading failed.
    const std::wstring& LastRead() const { return lastRead_; }

    bool Contains(std::wstring_view name) const;
    const std::vector<Entry>& Entries() const { return entries_; }
    std::vector<std::wstring> Keys() const;
    bool Empty() const { return entries_.empty(); }
    void Clear() { entries_.clear(); }

    // One "key = literal" line per entry, in order (literal syntax: TextLiteral.h).
    std::wstring SaveText() const;
    // Raises TextFormatError naming the line and the problem for malformed text.
    static PropertyBag LoadText(std::wstring_view text);

private:
    std::vector<Entry> entries_;
    mutable std::wstring lastRead_;
};

}  // namespace host
