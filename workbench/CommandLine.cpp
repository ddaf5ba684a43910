#include "workbench/CommandLine.h"

#include <stdlib.h>

#include "host/values/Error.h"

namespace workbench {

CommandLine ParseCommandLine(const std::vector<std::wstring>& args) {
    auto usage = [] { host::Raise(host::err::InvalidProcedureCall, kUsage); };
    CommandLine line;
    if (!args.empty() && args[0] == L"--resave") {
        if (args.size() != 3) usage();
        line.resave = true;
        line.resaveIn = args[1];
        line.resaveOut = args[2];
        return line;
    }
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == L"--events" && i + 1 < args.size() && line.eventsLog.empty())
            line.eventsLog = args[++i];
        else if (args[i].rfind(L"--", 0) != 0 && line.file.empty())
            line.file = args[i];
        else
            usage();
    }
    return line;
}

// The C runtime has split the command line by the system's rules already; asking
// the shell to do it again would load its library at every start.
std::vector<std::wstring> ProcessArguments() {
    std::vector<std::wstring> args;
    for (int i = 1; __wargv && i < __argc; ++i) args.emplace_back(__wargv[i]);
    return args;
}

}  // namespace workbench
