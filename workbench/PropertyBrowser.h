#pragma once
// The property browser: the shown form's controls by name; for the chosen one
// each property it publishes, with its value and help text; a value typed in is
// set through by-name access, and the host's error text shows when the control
// refuses it. Its pane lives on the workbench window (Workbench.design).
#include <string>
#include <vector>

#include "host/forms/Form.h"
#include "host/stock/Label.h"
#include "host/stock/ListControls.h"
#include "host/stock/TextBox.h"

namespace workbench {

// One row of the browser: a property, or one index of an indexed property.
struct BrowsedProperty {
    std::wstring name;
    std::vector<host::Variant> index;  // empty, or the one index
    std::wstring help;
    std::wstring value;  // as a design-data literal, or the error text when reading fails
};

// What the browser lists for a control: its published properties, then the
// extender's place and state; an indexed one once per index it answers.
std::vector<BrowsedProperty> BrowsedProperties(host::Control& control);
// "Name = value", "Name(i) = value".
std::wstring BrowsedLine(const BrowsedProperty& property);
// The value typed for a property: a design-data literal, or else the text itself.
host::Variant TypedValue(const std::wstring& text);

struct BrowserPane {
    host::ListBox& controls;
    host::ListBox& properties;
    host::Label& help;
    host::TextBox& value;
    host::Label& error;
};

class PropertyBrowser {
public:
    explicit PropertyBrowser(BrowserPane pane);

    // Lists the controls of `form` (null: none) and chooses the first.
    void Browse(host::Form* form);
    host::Control* Chosen() const;
    // Sets the chosen property to the typed value.
    void SetTypedValue();
    // Lists the chosen control's properties again (after a property page).
    void Refresh();

private:
    void ControlChosen();
    void PropertyChosen();

    BrowserPane pane_;
    std::vector<host::Control*> controls_;
    std::vector<BrowsedProperty> rows_;
    host::Connections connections_;
};

}  // namespace workbench
