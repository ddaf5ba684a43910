#include "host/windows/Tooltip.h"

#include <commctrl.h>

#include "host/values/Runtime.h"
#include "host/values/SystemLook.h"

namespace host {

namespace {

TTTOOLINFOW ToolFor(HWND tool, const std::wstring& text) {
    TTTOOLINFOW info{};
    // The size every version of the common controls accepts.
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = GetParent(tool);
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = const_cast<wchar_t*>(text.c_str());  // copied by the tooltip
    return info;
}

}  // namespace

Tooltip::~Tooltip() {
    // The form owns the tooltip window and may have destroyed it already.
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
}

void Tooltip::Show(HWND tool, const std::wstring& text) {
    if (!tool || (!window_ && text.empty())) return;
    TTTOOLINFOW info = ToolFor(tool, text);
    if (window_) {
        SendMessageW(window_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
        return;
    }
    // The common controls are loaded with the first tip: nothing else of theirs is used.
    SystemLook look;
    static const auto initialize =
        LibraryFunction<decltype(&InitCommonControlsEx)>(L"comctl32.dll", "InitCommonControlsEx");
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};  // registers the tooltip class
    if (!initialize || !initialize(&classes)) return;
    window_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, tool, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window_) SendMessageW(window_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace host
