#pragma once
// Design files on disk: UTF-8 text read and written whole, their last-change
// stamp, and the one-line description of a failure to read or build one.
#include <windows.h>

#include <string>
#include <string_view>

#include "host/values/Error.h"

namespace workbench {

// Raises a host error with the system's text when the file cannot be read.
std::wstring ReadTextFile(const std::wstring& path);
// Replaces the file with `text` in UTF-8; raises a host error when it cannot.
void WriteTextFile(const std::wstring& path, const std::wstring& text);

// When and how large the file was last written; all zero while it cannot be read.
struct FileStamp {
    FILETIME written{};
    ULONGLONG size = 0;
    bool operator==(const FileStamp& other) const;
};
FileStamp StampOf(const std::wstring& path);

// "FILE, line N: problem" for a malformed file, "FILE: problem" for other errors.
std::wstring DescribeFailure(const std::wstring& file, const host::HostError& error);

std::string ToUtf8(std::wstring_view text);

// One line on the standard error stream, or on the console of the program that
// started this one when the stream goes nowhere.
void WriteErrorLine(const std::wstring& line);

}  // namespace workbench
