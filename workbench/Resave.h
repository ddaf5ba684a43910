#pragma once
// Rewriting a design file from the form it builds, without showing a window.
#include <string>

namespace workbench {

inline constexpr int kFailedExit = 2;  // a malformed input or a bad command line
inline constexpr int kUnwritableExit = 1;

// Builds the form of `in` and writes its design data to `out`: 0. For an input
// that cannot be read or built nothing is written, one line naming the file, the
// line and the problem goes to the error stream, and the result is kFailedExit;
// kUnwritableExit when `out` cannot be written.
int Resave(const std::wstring& in, const std::wstring& out);

}  // namespace workbench
