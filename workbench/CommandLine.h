#pragma once
// The workbench's command line:
//   Workbench [--events LOG] [FILE]   the gallery, or the form of FILE, watched
//   Workbench --resave IN OUT         builds the form of IN and writes it to OUT
#include <string>
#include <vector>

namespace workbench {

struct CommandLine {
    std::wstring file;       // empty: the gallery
    std::wstring eventsLog;  // empty: no log
    bool resave = false;
    std::wstring resaveIn;
    std::wstring resaveOut;
};

inline constexpr const wchar_t* kUsage = L"usage: Workbench [--events LOG] [FILE] | Workbench --resave IN OUT";

// The arguments after the program's name; raises a host error with kUsage for
// any other shape.
CommandLine ParseCommandLine(const std::vector<std::wstring>& args);
// The arguments this process was started with, after the program's name.
std::vector<std::wstring> ProcessArguments();

}  // namespace workbench
