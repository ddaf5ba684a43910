#pragma once
// A form's design data: a readable text file, embedded in the executable, that lists
// its controls (containment, places in twips, texts, each skinned control's bag).
//
//   Begin Form Form1
//       Caption = "..."
//       Begin Label Label1
//           Left = 120
//           Caption = "..."
//       End
//   End
//
// Lines are "Begin <Kind> <Name>", "End", "<Key> = <literal>", blank, or a comment
// starting with "'" or "#". Properties keep their file order.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/values/Variant.h"

namespace host {

struct DesignNode {
    std::wstring kind;
    std::wstring name;
    int line = 0;
    std::vector<std::pair<std::wstring, Variant>> properties;  // keys as written
    std::vector<int> propertyLines;                            // the line of each property
    std::vector<DesignNode> children;                          // front to back

    // Case-insensitive lookup; null when absent.
    const Variant* Find(std::wstring_view key) const;
};

// Raises TextFormatError naming the line and the problem for malformed text
// (unbalanced Begin/End, a bad literal, a duplicate key or control name, ...).
DesignNode ParseDesignData(std::wstring_view text);

// The text of a design-data tree, one "Begin"/"End" block per node indented by
// depth, its properties in order: what ParseDesignData reads back as the same tree.
std::wstring FormatDesignData(const DesignNode& root);

}  // namespace host
