#pragma once
// The workbench's own window: what is shown and any error, Save and Save As, the
// property browser and the event journal; beside it, the shown form.
#include <memory>

#include "host/design/DesignData.h"
#include "host/forms/Form.h"
#include "workbench/CommandLine.h"
#include "workbench/Journal.h"
#include "workbench/Preview.h"
#include "workbench/PropertyBrowser.h"

namespace workbench {

class WorkbenchWindow : public host::Form {
public:
    // Builds the window; Start shows it with the gallery or the file of `line`.
    WorkbenchWindow();
    void Start(const CommandLine& line);

    Preview& GetPreview() { return preview_; }
    Journal& GetJournal() { return journal_; }
    PropertyBrowser& Browser() { return browser_; }

    // The handlers of the window's buttons.
    void Save();
    void SaveAs();
    void OpenPropertyPages();

private:
    explicit WorkbenchWindow(const host::DesignNode& design);
    template <class T>
    T& Get(const wchar_t* name) const;
    void Connect();
    void ShowStatus(const std::wstring& text, bool failed);
    void PreviewChanging(host::Form& form);
    // Puts the window beside the shown form, leaving the form where it opened.
    void PlaceBeside(const host::Form& form);

    bool built_;
    host::Connections connections_;
    Journal journal_;
    PropertyBrowser browser_;
    Preview preview_;  // declared last: its form goes before the panes that watch it
};

}  // namespace workbench
