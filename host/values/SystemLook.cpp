#include "host/values/SystemLook.h"

namespace host {

namespace {
constexpr WORD kIsolationAwareManifest = 2;  // the resource id the system reserves for it

// Made once, from the program's own resource; kept for the process's life.
HANDLE Context() {
    static const HANDLE context = [] {
        wchar_t path[MAX_PATH];
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        ACTCTXW request{};
        request.cbSize = sizeof request;
        request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID | ACTCTX_FLAG_HMODULE_VALID;
        request.lpSource = path;
        request.hModule = GetModuleHandleW(nullptr);
        request.lpResourceName = MAKEINTRESOURCEW(kIsolationAwareManifest);
        return CreateActCtxW(&request);
    }();
    return context;
}
}  // namespace

SystemLook::SystemLook() {
    if (Context() != INVALID_HANDLE_VALUE) active_ = ActivateActCtx(Context(), &cookie_) != FALSE;
}

SystemLook::~SystemLook() {
    if (active_) DeactivateActCtx(0, cookie_);
}

}  // namespace host
