#pragma once
// Builds a form and its controls from design data. Host controls are created by
// kind ("Label", "TextBox", "HostFrame", ...); the program's own user controls
// register their kinds. For a user control, the place, tab order and tag keys go to
// its extender and every other key is its stored property bag.
#include <functional>
#include <memory>
#include <string>

#include "host/Control.h"
#include "host/DesignData.h"
#include "host/Form.h"

namespace host {

using ControlFactory = std::function<std::unique_ptr<Control>(const std::wstring& name)>;

void RegisterControlKind(const std::wstring& kind, ControlFactory factory);
// Creates a control of a registered or host kind; error 380 for an unknown kind.
std::unique_ptr<Control> CreateControl(const std::wstring& kind, const std::wstring& name);

// Applies the form node's own settings and builds every control under it.
// Errors name the design line that caused them.
void BuildForm(Form& form, const DesignNode& root);

// A UTF-8 text resource of the executable (RCDATA), as wide text.
std::wstring LoadTextResource(const std::wstring& name);

}  // namespace host
