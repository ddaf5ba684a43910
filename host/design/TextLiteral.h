#pragma once
// The literal syntax shared by saved property bags and design data:
//   "text"            String (escapes \\ \" \r \n \t \uXXXX)
//   True / False      Boolean
//   12%  12&  &H8000000F&   Integer, Long (decimal or hex)
//   1.5!  1.5#        Single, Double
//   12  1.5           unsuffixed: Integer when it fits, else Long; Double with a point
//   Empty  Nothing
//   Font("宋体", 10.5, 400, 134[, Italic][, Underline][, Strikethrough])
//   Picture(Empty) Picture(Resource "NAME") Picture(File "path")
//   Picture(Data "base64 of a .bmp file")   a bitmap made in memory
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/values/Variant.h"

namespace host {

// Formats a value so that ParseLiteral gives back an equal value of the same type.
std::wstring FormatLiteral(const Variant& value);
// The same for the value of `key`: under a colour key (a name holding "Color") a
// Long is written as a colour in eight hex digits.
std::wstring FormatKeyedLiteral(std::wstring_view key, const Variant& value);
// Parses one literal (the whole of `text`, blanks around allowed). Raises
// TextFormatError with `line` and a description of the problem.
Variant ParseLiteral(std::wstring_view text, int line);

// The lines of a saved bag or design-data file, element i being line i + 1: a leading
// byte-order mark dropped, split at LF (a CR before it dropped), blanks trimmed, and
// comment lines (starting with "'" or "#") given as empty.
std::vector<std::wstring_view> SplitTextLines(std::wstring_view text);
// True when `name` can be the key of a "key = literal" line and reads back as the
// same key: not empty, no blank at either end, no comment mark first, no "=", and no
// control character, byte-order mark or lone half of a surrogate pair anywhere.
bool IsKeyName(std::wstring_view name);
// Splits a "key = literal" line into its trimmed key and parsed value; raises
// TextFormatError for a missing "=", a key that is no key name or a bad literal.
std::pair<std::wstring_view, Variant> ParseAssignment(std::wstring_view text, int line);

}  // namespace host
