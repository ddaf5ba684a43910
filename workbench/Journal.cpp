#include "workbench/Journal.h"

#include "host/design/TextLiteral.h"
#include "workbench/DesignFile.h"
#include "host/forms/UserControl.h"

namespace workbench {

namespace {

// The pane keeps the newest lines; the log keeps them all.
constexpr int32_t kPaneLines = 2000;

std::wstring Argument(const host::Variant& value) {
    switch (value.Type()) {
    case host::VarType::Boolean:
    case host::VarType::Integer:
    case host::VarType::Long:
    case host::VarType::Single:
    case host::VarType::Double: return value.ToString();
    default: return host::FormatLiteral(value);
    }
}

std::wstring DisplayName(const host::Control& control) {
    if (control.Index() < 0) return control.Name();
    return control.Name() + L"(" + std::to_wstring(control.Index()) + L")";
}

}  // namespace

std::wstring JournalLine(const host::Control& control, const std::wstring& event,
                         const host::EventArguments& arguments) {
    std::wstring line = DisplayName(control) + L"." + event;
    for (const host::Variant& argument : arguments) line += L" " + Argument(argument);
    return line;
}

Journal::Journal(host::ListBox& pane) : pane_(pane) {}

Journal::~Journal() {
    if (log_) CloseHandle(log_);
}

void Journal::OpenLog(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) host::Raise(host::err::FileNotFound, L"cannot open the event log " + path);
    if (log_) CloseHandle(log_);
    log_ = file;
}

void Journal::Listen(host::Form& form) {
    connections_ = {};
    for (host::Control* control : form.Controls()) {
        auto listener = [this, control](const std::wstring& event, const host::EventArguments& args) {
            Add(JournalLine(*control, event, args));
        };
        host::ListenToEvents(*control, listener, connections_);
        if (auto* uc = dynamic_cast<host::UserControl*>(control))
            connections_ += uc->PropertyChangedNotice.Connect([this, uc](const std::wstring& name) {
                Add(JournalLine(*uc, L"PropertyChanged", {host::Variant(name)}));
            });
    }
}

void Journal::Add(const std::wstring& line) {
    if (log_) {
        std::string bytes = ToUtf8(line + L"\n");
        DWORD written = 0;
        WriteFile(log_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }
    if (pane_.ListCount() >= kPaneLines) pane_.RemoveItem(0);
    pane_.AddItem(line);
    SendMessageW(pane_.Hwnd(), LB_SETTOPINDEX, static_cast<WPARAM>(pane_.ListCount() - 1), 0);
}

void Journal::Clear() { pane_.Clear(); }

}  // namespace workbench
