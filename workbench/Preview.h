#pragma once
// The form the workbench shows: built from design text as a program builds its
// window, shown as a top-level window of its own, rebuilt when its file changes,
// and kept as the last good form while a changed file is malformed.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "host/design/DesignData.h"
#include "host/forms/Form.h"
#include "workbench/DesignFile.h"

namespace workbench {

// A form built from design text as a program builds it (not shown); raises the
// host's error, naming the line, for malformed text.
struct BuiltForm {
    host::DesignNode source;
    std::unique_ptr<host::Form> form;
};
BuiltForm BuildDesignedForm(std::wstring_view text);
// The design data of a built form as it stands.
std::wstring DesignText(const BuiltForm& built);

class Preview {
public:
    // A new form is built and about to be shown; the one before it goes after this.
    std::function<void(host::Form&)> FormChanging;
    // What is shown, or why a file could not be: failed is true for an error.
    std::function<void(const std::wstring& text, bool failed)> StatusChanged;

    void ShowGallery();
    // Shows the form of `path`, which is watched from now on.
    void ShowFile(const std::wstring& path);
    // Rebuilds the form when the watched file changed since it was last read.
    void CheckFile();

    host::Form* Current() const { return shown_.form.get(); }
    // The watched file; empty for the gallery.
    const std::wstring& Path() const { return path_; }
    // Writes the shown form to `path` and watches that file from now on.
    void SaveTo(const std::wstring& path);

private:
    void Show(const std::wstring& text, const std::wstring& origin);
    void Report(const std::wstring& text, bool failed) const;

    BuiltForm shown_;
    std::wstring path_;
    FileStamp stamp_;
    std::wstring text_;  // the last text read from the watched file
};

}  // namespace workbench
