#pragma once
// String helpers shared by the host's layers.
#include <string>
#include <string_view>

namespace host {

// A name as a bag or design-data key: ASCII letters in lower case.
std::wstring ToLowerKey(std::wstring_view name);
// Compares property names the host's way (case-insensitive).
bool SameName(std::wstring_view a, std::wstring_view b);

}  // namespace host
