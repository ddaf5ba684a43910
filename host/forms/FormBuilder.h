#pragma once
// Builds a form and its controls from design data. Controls are created by the
// kind names they register ("Label", "TextBox", "Frame", ...). For a user control, the place, tab order and tag keys go
// to its extender and every other key is its stored property bag.
#include <functional>
#include <memory>
#include <string>

#include "host/forms/Control.h"
#include "host/design/DesignData.h"
#include "host/forms/Form.h"

namespace host {

using ControlFactory = std::function<std::unique_ptr<Control>(const std::wstring& name)>;

void RegisterControlKind(const std::wstring& kind, ControlFactory factory);

// Registers a kind when the program starts. A control defines one at namespace
// scope in a source file of its own folder, which the build links whole:
//     const host::ControlKind<Frame> kFrameKind{L"Frame"};
template <class T>
struct ControlKind {
    explicit ControlKind(const wchar_t* kind) {
        RegisterControlKind(kind, [](const std::wstring& name) { return std::make_unique<T>(name); });
    }
};
// Creates a control of a registered or host kind; error 380 for an unknown kind.
std::unique_ptr<Control> CreateControl(const std::wstring& kind, const std::wstring& name);

// Applies the form node's own settings and builds every control under it.
// Errors name the design line that caused them.
void BuildForm(Form& form, const DesignNode& root);

// The border a form's design data gives it (Sizable when it gives none it can
// have), to make the form's window with: BuildForm reports a bad value.
Form::BorderStyle DesignedBorderStyle(const DesignNode& root);

// A UTF-8 text resource of the executable (RCDATA), as wide text.
std::wstring LoadTextResource(const std::wstring& name);

}  // namespace host
