#pragma once
// The event journal: one line for every event a control of the shown form raises
// and every property change it announces, newest last, in a list pane and, when
// asked, appended to a log file and flushed at once.
#include <windows.h>

#include <memory>
#include <string>

#include "host/forms/Form.h"
#include "host/forms/PublishedEvents.h"
#include "host/stock/ListControls.h"

namespace workbench {

// "Name.Event arg ...": a control-array member as Name(i); numbers in decimal,
// Booleans True/False, strings quoted as design data quotes them.
std::wstring JournalLine(const host::Control& control, const std::wstring& event,
                         const host::EventArguments& arguments);

class Journal {
public:
    explicit Journal(host::ListBox& pane);
    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    // Appends every later line to `path` as well; raises a host error when the
    // file cannot be opened.
    void OpenLog(const std::wstring& path);
    // Journals the events of every control on `form` from now on, instead of the
    // form before.
    void Listen(host::Form& form);
    void Add(const std::wstring& line);
    void Clear();

private:
    host::ListBox& pane_;
    HANDLE log_ = nullptr;
    host::Connections connections_;  // to the shown form's controls
};

}  // namespace workbench
