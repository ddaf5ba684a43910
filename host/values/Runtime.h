#pragma once
// The host's run-time services that reach outside the program: opening addresses,
// playing sounds, message boxes and ending the process. They go through one
// replaceable object so that tests can record them instead of acting.
#include <windows.h>

#include <string>

#include "host/values/Error.h"

namespace host {

class SideEffects {
public:
    virtual ~SideEffects() = default;
    // ShellExecute: the result as the shell gives it (> 32 is success).
    virtual intptr_t OpenWithShell(HWND owner, const std::wstring& operation, const std::wstring& file,
                                   const std::wstring& parameters, const std::wstring& directory, int show);
    // The hyperlink service: opens an address in the user's browser.
    virtual void NavigateTo(const std::wstring& address);
    // PlaySoundA with a file name in the ANSI code page; returns the call's result.
    virtual bool PlaySoundFile(const std::string& ansiFile, unsigned flags);
    // A modal message box owned by `owner`.
    virtual int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, unsigned type);
    // Ends the process at once: no unload processing.
    virtual void EndProgram(int exitCode);
};

SideEffects& Effects();
// Installs a replacement (nullptr restores the real one). The caller keeps ownership.
void SetEffects(SideEffects* effects);

// A function of a system library that the program needs only now and then,
// loaded on the first call for it (null when it cannot be): under Wine each
// library loaded at start delays the first window by milliseconds.
template <class Function>
Function LibraryFunction(const wchar_t* library, const char* name) {
    HMODULE module = LoadLibraryW(library);  // kept loaded for the process's life
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

// The title used by the host's own message boxes (the program's name).
void SetApplicationTitle(const std::wstring& title);
const std::wstring& ApplicationTitle();

// Reports an error that no handler caught and ends the program.
void ReportUnhandledError(const HostError& error);
// Runs `fn`, reporting any error that escapes it as unhandled. Every window
// procedure of the host enters handlers through this.
template <class Fn>
void Guarded(Fn&& fn);

// End: stops the program at once. Under a test's recorder the process goes on, so
// waits check Ending() and give up.
void End();
bool Ending();
void ResetEnding();  // for tests

}  // namespace host

#include "host/values/Runtime.inl"
