#include "workbench/CommandLine.h"

#include <windows.h>

#include <shellapi.h>

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

std::vector<std::wstring> ProcessArguments() {
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> args;
    for (int i = 1; i < count; ++i) args.emplace_back(argv[i]);
    LocalFree(argv);
    return args;
}

}  // namespace workbench
