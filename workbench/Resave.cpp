#include "workbench/Resave.h"

#include "workbench/DesignFile.h"
#include "workbench/Preview.h"

namespace workbench {

int Resave(const std::wstring& in, const std::wstring& out) {
    std::wstring text;
    try {
        text = DesignText(BuildDesignedForm(ReadTextFile(in)));
    } catch (const host::HostError& e) {
        WriteErrorLine(DescribeFailure(in, e));
        return kFailedExit;
    }
    try {
        WriteTextFile(out, text);
    } catch (const host::HostError& e) {
        WriteErrorLine(DescribeFailure(out, e));
        return kUnwritableExit;
    }
    return 0;
}

}  // namespace workbench
