#pragma once
// The tip a window shows while the pointer rests on it: a system tooltip window
// made when the first text is given and destroyed with this object.
#include <windows.h>

#include <string>

namespace host {

class Tooltip {
public:
    Tooltip() = default;
    ~Tooltip();
    Tooltip(const Tooltip&) = delete;
    Tooltip& operator=(const Tooltip&) = delete;

    // Gives `tool` (a child window) the text; an empty text shows no tip.
    void Show(HWND tool, const std::wstring& text);
    // The tooltip window, null before the first text.
    HWND Window() const { return window_; }

private:
    HWND window_ = nullptr;
};

}  // namespace host
