#include "workbench/Preview.h"

#include "host/forms/FormBuilder.h"
#include "host/forms/FormWriter.h"
#include "host/values/Runtime.h"

namespace workbench {

BuiltForm BuildDesignedForm(std::wstring_view text) {
    BuiltForm built;
    built.source = host::ParseDesignData(text);
    built.form = std::make_unique<host::Form>(built.source.name, host::DesignedBorderStyle(built.source));
    host::BuildForm(*built.form, built.source);
    return built;
}

std::wstring DesignText(const BuiltForm& built) {
    return host::FormatDesignData(host::DescribeForm(*built.form, built.source));
}

void Preview::ShowGallery() {
    path_.clear();
    Show(host::LoadTextResource(L"GALLERY"), L"the gallery");
}

void Preview::ShowFile(const std::wstring& path) {
    path_ = path;
    stamp_ = StampOf(path);
    try {
        text_ = ReadTextFile(path);
    } catch (const host::HostError& e) {
        Report(DescribeFailure(path, e), true);
        return;
    }
    Show(text_, path);
}

void Preview::CheckFile() {
    if (path_.empty() || StampOf(path_) == stamp_) return;
    stamp_ = StampOf(path_);
    std::wstring text;
    try {
        text = ReadTextFile(path_);
    } catch (const host::HostError& e) {
        Report(DescribeFailure(path_, e), true);
        return;
    }
    if (text == text_ && Current()) return;
    text_ = std::move(text);
    Show(text_, path_);
}

void Preview::SaveTo(const std::wstring& path) {
    std::wstring text = DesignText(shown_);
    WriteTextFile(path, text);
    path_ = path;
    stamp_ = StampOf(path);
    text_ = std::move(text);
    Report(L"Saved " + path, false);
}

void Preview::Show(const std::wstring& text, const std::wstring& origin) {
    BuiltForm built;
    try {
        built = BuildDesignedForm(text);
    } catch (const host::HostError& e) {
        Report(DescribeFailure(origin, e) + (Current() ? L" (the last good form stays)" : L""), true);
        return;
    }
    // Closing the shown form ends the workbench, as closing a program's window ends it.
    built.form->OnCloseRequest = [] { host::End(); };
    if (FormChanging) FormChanging(*built.form);
    std::swap(shown_, built);
    built = {};
    shown_.form->Show();
    Report(L"Showing " + origin, false);
}

void Preview::Report(const std::wstring& text, bool failed) const {
    if (StatusChanged) StatusChanged(text, failed);
}

}  // namespace workbench
