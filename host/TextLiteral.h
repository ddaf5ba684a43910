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
#include <string>
#include <string_view>

#include "Variant.h"

namespace host {

// Formats a value so that ParseLiteral gives back an equal value of the same type.
std::wstring FormatLiteral(const Variant& value);
// Parses one literal (the whole of `text`, blanks around allowed). Raises
// TextFormatError with `line` and a description of the problem.
Variant ParseLiteral(std::wstring_view text, int line);

}  // namespace host
