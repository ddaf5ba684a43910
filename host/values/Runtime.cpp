#include "host/values/Runtime.h"

#include <mmsystem.h>
#include <shellapi.h>

#include "host/values/SystemLook.h"

namespace host {

namespace {
SideEffects realEffects;
SideEffects* current = &realEffects;
std::wstring appTitle = L"Program";
bool ending = false;

HINSTANCE Execute(HWND owner, const wchar_t* operation, const wchar_t* file, const wchar_t* parameters,
                  const wchar_t* directory, int show) {
    static const auto shellExecute = LibraryFunction<decltype(&ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (!shellExecute) return reinterpret_cast<HINSTANCE>(SE_ERR_DLLNOTFOUND);
    return shellExecute(owner, operation, file, parameters, directory, show);
}
}  // namespace

intptr_t SideEffects::OpenWithShell(HWND owner, const std::wstring& operation, const std::wstring& file,
                                    const std::wstring& parameters, const std::wstring& directory, int show) {
    auto orNull = [](const std::wstring& s) { return s.empty() ? nullptr : s.c_str(); };
    return reinterpret_cast<intptr_t>(
        Execute(owner, orNull(operation), file.c_str(), orNull(parameters), orNull(directory), show));
}

void SideEffects::NavigateTo(const std::wstring& address) {
    Execute(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

bool SideEffects::PlaySoundFile(const std::string& ansiFile, unsigned flags) {
    static const auto playSound = LibraryFunction<decltype(&::PlaySoundA)>(L"winmm.dll", "PlaySoundA");
    return playSound && playSound(ansiFile.c_str(), nullptr, flags) != FALSE;
}

int SideEffects::ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, unsigned type) {
    SystemLook look;
    return MessageBoxW(owner, text.c_str(), caption.c_str(), type);
}

void SideEffects::EndProgram(int exitCode) { ExitProcess(static_cast<UINT>(exitCode)); }

SideEffects& Effects() { return *current; }
void SetEffects(SideEffects* effects) { current = effects ? effects : &realEffects; }

void SetApplicationTitle(const std::wstring& title) { appTitle = title; }
const std::wstring& ApplicationTitle() { return appTitle; }

void ReportUnhandledError(const HostError& error) {
    // One report ends the program. Events go on while its box shows (timers tick),
    // and an error they raise must not open a box over the box, over and over.
    if (ending) return;
    ending = true;
    std::wstring text = L"Run-time error '" + std::to_wstring(error.Number()) + L"':\n\n" + error.Description();
    Effects().ShowMessageBox(GetActiveWindow(), text, appTitle, MB_OK | MB_ICONERROR);
    End();
}

void ReportUnexpectedException(const std::exception& e) {
    std::string what = e.what();
    ReportUnhandledError(HostError(51, L"Internal error: " + std::wstring(what.begin(), what.end())));
}

void End() {
    ending = true;
    Effects().EndProgram(0);
}

bool Ending() { return ending; }
void ResetEnding() { ending = false; }

}  // namespace host
