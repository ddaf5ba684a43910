#include "workbench/WorkbenchWindow.h"

#include <commdlg.h>

#include <algorithm>

#include "host/forms/FormBuilder.h"
#include "host/stock/CommandButton.h"
#include "host/stock/Label.h"
#include "host/stock/PropertyPage.h"
#include "host/stock/Timer.h"
#include "host/values/Runtime.h"

namespace workbench {

namespace {

constexpr host::OleColor kStatusText = host::SystemColor(COLOR_BTNTEXT);
constexpr host::OleColor kErrorText = 0x0000C0;  // dark red

bool BuildWindow(host::Form& form, const host::DesignNode& design) {
    host::BuildForm(form, design);
    return true;
}

}  // namespace

template <class T>
T& WorkbenchWindow::Get(const wchar_t* name) const {
    auto* control = dynamic_cast<T*>(FindControl(name));
    if (!control) host::Raise(host::err::ObjectNotSet, std::wstring(L"The workbench has no control ") + name);
    return *control;
}

WorkbenchWindow::WorkbenchWindow() : WorkbenchWindow(host::ParseDesignData(host::LoadTextResource(L"WORKBENCH"))) {}

WorkbenchWindow::WorkbenchWindow(const host::DesignNode& design)
    : host::Form(L"Workbench", host::DesignedBorderStyle(design)),
      built_(BuildWindow(*this, design)),
      journal_(Get<host::ListBox>(L"lstJournal")),
      browser_({Get<host::ListBox>(L"lstControls"), Get<host::ListBox>(L"lstProperties"), Get<host::Label>(L"lblHelp"),
                Get<host::TextBox>(L"txtValue"), Get<host::Label>(L"lblError")}) {
    Connect();
    OnCloseRequest = [] { host::End(); };
}

void WorkbenchWindow::Connect() {
    connections_ += Get<host::CommandButton>(L"cmdSave").Click.Connect([this] { Save(); });
    connections_ += Get<host::CommandButton>(L"cmdSaveAs").Click.Connect([this] { SaveAs(); });
    connections_ += Get<host::CommandButton>(L"cmdSet").Click.Connect([this] { browser_.SetTypedValue(); });
    connections_ += Get<host::CommandButton>(L"cmdPages").Click.Connect([this] { OpenPropertyPages(); });
    connections_ += Get<host::CommandButton>(L"cmdClear").Click.Connect([this] { journal_.Clear(); });
    connections_ += Get<host::Timer>(L"tmrWatch").TimerEvent.Connect([this] { preview_.CheckFile(); });
    preview_.StatusChanged = [this](const std::wstring& text, bool failed) { ShowStatus(text, failed); };
    preview_.FormChanging = [this](host::Form& form) { PreviewChanging(form); };
}

void WorkbenchWindow::Start(const CommandLine& line) {
    if (!line.eventsLog.empty()) journal_.OpenLog(line.eventsLog);
    if (line.file.empty()) {
        preview_.ShowGallery();
    } else {
        preview_.ShowFile(line.file);
        Get<host::Timer>(L"tmrWatch").SetEnabled(true);
    }
    Show();
    if (host::Form* shown = preview_.Current()) PlaceBeside(*shown);
}

void WorkbenchWindow::ShowStatus(const std::wstring& text, bool failed) {
    auto& status = Get<host::Label>(L"lblStatus");
    status.SetForeColor(failed ? kErrorText : kStatusText);
    status.SetCaption(text);
}

void WorkbenchWindow::PreviewChanging(host::Form& form) {
    browser_.Browse(&form);
    journal_.Listen(form);
}

void WorkbenchWindow::PlaceBeside(const host::Form& form) {
    RECT shown{}, mine{}, screen{};
    GetWindowRect(form.hWnd(), &shown);
    GetWindowRect(hWnd(), &mine);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &screen, 0);
    int width = mine.right - mine.left;
    int left = screen.right - width;
    if (screen.right - shown.right >= width)
        left = shown.right;
    else if (shown.left - screen.left >= width)
        left = shown.left - width;
    int top = std::max<int>(screen.top, std::min<int>(shown.top, screen.bottom - (mine.bottom - mine.top)));
    SetWindowPos(hWnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void WorkbenchWindow::Save() {
    if (preview_.Path().empty()) {
        SaveAs();
        return;
    }
    try {
        preview_.SaveTo(preview_.Path());
    } catch (const host::HostError& e) {
        ShowStatus(DescribeFailure(preview_.Path(), e), true);
    }
}

void WorkbenchWindow::SaveAs() {
    if (!preview_.Current()) return;
    wchar_t file[MAX_PATH] = L"";
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = hWnd();
    dialog.lpstrFilter = L"Design files (*.design)\0*.design\0All files\0*.*\0";
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrDefExt = L"design";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    static const auto saveFileName =
        host::LibraryFunction<decltype(&GetSaveFileNameW)>(L"comdlg32.dll", "GetSaveFileNameW");
    if (!saveFileName || !saveFileName(&dialog)) return;
    try {
        preview_.SaveTo(file);
        Get<host::Timer>(L"tmrWatch").SetEnabled(true);
    } catch (const host::HostError& e) {
        ShowStatus(DescribeFailure(file, e), true);
    }
}

void WorkbenchWindow::OpenPropertyPages() {
    host::Control* control = browser_.Chosen();
    auto& error = Get<host::Label>(L"lblError");
    if (!control || host::PropertyPagesOf(*control).empty()) {
        error.SetCaption(L"The chosen control has no property pages");
        return;
    }
    error.SetCaption(L"");
    for (const host::PageEntry& entry : host::PropertyPagesOf(*control)) {
        host::PropertyPageDialog dialog(entry.make(), entry.width, entry.height);
        dialog.Edit({control});
    }
    browser_.Refresh();
}

}  // namespace workbench
