#include "workbench/PropertyBrowser.h"

#include "host/design/TextLiteral.h"
#include "host/forms/PropertyTable.h"
#include "host/values/Error.h"
#include "host/values/Text.h"

namespace workbench {

namespace {

// An indexed property is tried for indexes 0 up to this.
constexpr int16_t kMaxIndexRows = 64;

struct ExtenderProperty {
    const wchar_t* name;
    const wchar_t* help;
};

constexpr ExtenderProperty kExtender[] = {
    {L"Left", L"Distance from the container's left edge to the control's, in twips"},
    {L"Top", L"Distance from the container's top edge to the control's, in twips"},
    {L"Width", L"Width of the control, in twips"},
    {L"Height", L"Height of the control, in twips"},
    {L"Visible", L"Whether the control is shown"},
    {L"Enabled", L"Whether the control takes the user's input"},
    {L"TabIndex", L"The control's place in the form's tab order"},
    {L"Tag", L"Free text kept with the control"},
};

std::wstring ValueText(host::Control& control, const std::wstring& name, const std::vector<host::Variant>& index) {
    try {
        return host::FormatKeyedLiteral(name, control.GetProperty(name, index));
    } catch (const host::HostError& e) {
        return L"(" + e.Description() + L")";
    }
}

// The indexes an indexed property answers: from the first that reads to the last
// before one that fails.
void AddIndexedRows(std::vector<BrowsedProperty>& rows, host::Control& control, const host::PropertyInfo& info) {
    bool answered = false;
    for (int16_t i = 0; i < kMaxIndexRows; ++i) {
        std::vector<host::Variant> index{host::Variant::Int(i)};
        try {
            rows.push_back({info.name, index, info.help,
                            host::FormatKeyedLiteral(info.name, control.GetProperty(info.name, index))});
            answered = true;
        } catch (const host::HostError&) {
            if (answered) return;
        }
    }
}

bool Listed(const std::vector<BrowsedProperty>& rows, std::wstring_view name) {
    for (const BrowsedProperty& row : rows)
        if (host::SameName(row.name, name)) return true;
    return false;
}

}  // namespace

std::vector<BrowsedProperty> BrowsedProperties(host::Control& control) {
    std::vector<BrowsedProperty> rows;
    if (const host::PublishedProperties* published = control.Published()) {
        for (const host::PropertyInfo& info : published->Infos()) {
            if (info.indexed)
                AddIndexedRows(rows, control, info);
            else
                rows.push_back({info.name, {}, info.help, ValueText(control, info.name, {})});
        }
    }
    for (const ExtenderProperty& p : kExtender)
        if (!Listed(rows, p.name)) rows.push_back({p.name, {}, p.help, ValueText(control, p.name, {})});
    return rows;
}

std::wstring BrowsedLine(const BrowsedProperty& property) {
    std::wstring name = property.name;
    if (!property.index.empty()) name += L"(" + property.index[0].ToString() + L")";
    return name + L" = " + property.value;
}

host::Variant TypedValue(const std::wstring& text) {
    try {
        return host::ParseLiteral(text, 1);
    } catch (const host::HostError&) {
        return host::Variant(text);
    }
}

PropertyBrowser::PropertyBrowser(BrowserPane pane) : pane_(pane) {
    connections_ += pane_.controls.Click.Connect([this] { ControlChosen(); });
    connections_ += pane_.properties.Click.Connect([this] { PropertyChosen(); });
}

void PropertyBrowser::Browse(host::Form* form) {
    controls_ = form ? form->Controls() : std::vector<host::Control*>{};
    rows_.clear();
    pane_.properties.Clear();
    pane_.controls.Clear();
    for (host::Control* control : controls_) {
        std::wstring name = control->Name();
        if (control->Index() >= 0) name += L"(" + std::to_wstring(control->Index()) + L")";
        pane_.controls.AddItem(name + L"  (" + control->Kind() + L")");
    }
    if (!controls_.empty()) pane_.controls.SetListIndex(0);
}

host::Control* PropertyBrowser::Chosen() const {
    int32_t i = pane_.controls.ListIndex();
    return i >= 0 && static_cast<size_t>(i) < controls_.size() ? controls_[static_cast<size_t>(i)] : nullptr;
}

void PropertyBrowser::ControlChosen() {
    pane_.error.SetCaption(L"");
    Refresh();
    if (!rows_.empty()) pane_.properties.SetListIndex(0);
}

void PropertyBrowser::Refresh() {
    int32_t kept = pane_.properties.ListIndex();
    host::Control* control = Chosen();
    rows_ = control ? BrowsedProperties(*control) : std::vector<BrowsedProperty>{};
    pane_.properties.Clear();
    for (const BrowsedProperty& row : rows_) pane_.properties.AddItem(BrowsedLine(row));
    if (kept >= 0 && kept < pane_.properties.ListCount()) pane_.properties.SetListIndex(kept);
}

void PropertyBrowser::PropertyChosen() {
    int32_t i = pane_.properties.ListIndex();
    if (i < 0 || static_cast<size_t>(i) >= rows_.size()) return;
    const BrowsedProperty& row = rows_[static_cast<size_t>(i)];
    pane_.help.SetCaption(row.help);
    pane_.value.SetText(row.value);
}

void PropertyBrowser::SetTypedValue() {
    host::Control* control = Chosen();
    int32_t i = pane_.properties.ListIndex();
    if (!control || i < 0 || static_cast<size_t>(i) >= rows_.size()) return;
    const BrowsedProperty row = rows_[static_cast<size_t>(i)];
    try {
        control->LetProperty(row.name, TypedValue(pane_.value.Text()), row.index);
        pane_.error.SetCaption(L"");
    } catch (const host::HostError& e) {
        pane_.error.SetCaption(L"Error " + std::to_wstring(e.Number()) + L": " + e.Description());
    }
    Refresh();
}

}  // namespace workbench
