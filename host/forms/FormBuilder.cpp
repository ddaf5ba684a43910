#include "host/forms/FormBuilder.h"

#include <map>
#include <set>
#include <utility>

#include "host/values/Breakdown.h"
#include "host/values/Error.h"
#include "host/values/Text.h"
#include "host/forms/UserControl.h"

namespace host {

namespace {

std::map<std::wstring, ControlFactory>& Registry() {
    static std::map<std::wstring, ControlFactory> registry;
    return registry;
}

bool IsExtenderKey(const std::wstring& key) {
    for (const wchar_t* k :
         {L"Left", L"Top", L"Width", L"Height", L"Visible", L"TabIndex", L"TabStop", L"Tag", L"Index"})
        if (SameName(key, k)) return true;
    return false;
}

bool IsFormButtonKey(const std::wstring& key) { return SameName(key, L"Default") || SameName(key, L"Cancel"); }

// Runs `fn`, turning a host error into one that names the design line and the control.
void InLine(const DesignNode& node, int line, const std::function<void()>& fn) {
    try {
        fn();
    } catch (const TextFormatError&) {
        throw;
    } catch (const HostError& e) {
        throw TextFormatError(line, L"'" + node.name + L"': " + e.Description());
    }
}

// The line the node's property number `index` was read from (the node's own line
// for a node made without them).
int PropertyLine(const DesignNode& node, size_t index) {
    return index < node.propertyLines.size() ? node.propertyLines[index] : node.line;
}

// Loads a user control's stored keys; a key it refuses is named with its own line.
void LoadStored(UserControl& control, const PropertyBag& bag, const DesignNode& node) {
    try {
        control.Load(&bag);
    } catch (const TextFormatError&) {
        throw;
    } catch (const HostError& e) {
        for (size_t i = 0; i < node.properties.size(); ++i)
            if (SameName(node.properties[i].first, bag.LastRead()))
                throw TextFormatError(PropertyLine(node, i),
                                      L"'" + node.name + L"': " + node.properties[i].first + L": " + e.Description());
        throw TextFormatError(node.line, L"'" + node.name + L"': " + e.Description());
    }
}

void ApplyFormButtons(Form& form, Control& control, const DesignNode& node) {
    for (size_t i = 0; i < node.properties.size(); ++i) {
        auto& [key, value] = node.properties[i];
        if (!IsFormButtonKey(key)) continue;
        bool on = false;
        InLine(node, PropertyLine(node, i), [&] { on = value.ToBool(); });
        if (!on) continue;
        if (SameName(key, L"Default"))
            form.SetDefaultControl(&control);
        else
            form.SetCancelControl(&control);
    }
}

// The form being built and the names placed on it, to refuse a second control of
// a name and index without searching the whole form for each new one.
struct Placing {
    Form& form;
    std::set<std::pair<std::wstring, int16_t>> names;

    explicit Placing(Form& f) : form(f) {
        for (Control* c : f.Controls())
            if (!c->IsConstituent()) names.emplace(ToLowerKey(c->Name()), c->Index());
    }
};

void BuildChildren(Placing& placing, Container& container, const DesignNode& node);

void BuildControl(Placing& placing, Container& container, const DesignNode& node) {
    breakdown::Scope counted(breakdown::Work::Controls);
    std::unique_ptr<Control> control;
    InLine(node, node.line, [&] { control = CreateControl(node.kind, node.name); });
    const Variant* index = node.Find(L"Index");
    int16_t arrayIndex = -1;
    if (index) InLine(node, node.line, [&] { arrayIndex = index->ToInteger(); });
    if (!placing.names.emplace(ToLowerKey(node.name), arrayIndex).second)
        throw TextFormatError(node.line, L"a second control named '" + node.name + L"'" +
                                             (index ? L" with Index " + std::to_wstring(arrayIndex) : L""));

    auto* uc = dynamic_cast<UserControl*>(control.get());
    PropertyBag bag;
    for (size_t i = 0; i < node.properties.size(); ++i) {
        auto& [key, value] = node.properties[i];
        if (IsFormButtonKey(key)) continue;
        InLine(node, PropertyLine(node, i), [&] {
            if (uc && !IsExtenderKey(key))
                bag.WriteProperty(key, value);
            else
                control->SetDesignProperty(key, value);
        });
    }
    Control& placed = container.Add(std::move(control));
    ApplyFormButtons(placing.form, placed, node);
    if (uc) LoadStored(*uc, bag, node);
    if (auto* inner = dynamic_cast<Container*>(&placed))
        BuildChildren(placing, *inner, node);
    else if (!node.children.empty())
        throw TextFormatError(node.children.front().line, L"'" + node.name + L"' cannot contain controls");
}

void BuildChildren(Placing& placing, Container& container, const DesignNode& node) {
    for (auto& child : node.children) BuildControl(placing, container, child);
}

bool IsBorderStyle(int16_t value) {
    return value >= 0 && value <= static_cast<int16_t>(Form::BorderStyle::SizableToolWindow);
}

// A value outside the six styles would make a window with no frame of any kind.
Form::BorderStyle ToBorderStyle(int16_t value) {
    if (!IsBorderStyle(value)) Raise(err::InvalidPropertyValue, L"BorderStyle must be 0 to 5");
    return static_cast<Form::BorderStyle>(value);
}

void ApplyFormProperty(Form& form, const std::wstring& key, const Variant& value) {
    if (SameName(key, L"Caption"))
        form.SetCaption(value.ToString());
    else if (SameName(key, L"BorderStyle"))
        form.SetBorderStyle(ToBorderStyle(value.ToInteger()));
    else if (SameName(key, L"MaxButton"))
        form.SetMaxButton(value.ToBool());
    else if (SameName(key, L"MinButton"))
        form.SetMinButton(value.ToBool());
    else if (SameName(key, L"StartUpPosition"))
        form.SetCenteredOnScreen(value.ToInteger() == 2);
    else if (SameName(key, L"Icon"))
        form.SetIcon(value.ToPicture());
    else if (SameName(key, L"BackColor"))
        form.SetBackColor(static_cast<OleColor>(value.ToLong()));
    else if (SameName(key, L"ForeColor"))
        form.SetForeColor(static_cast<OleColor>(value.ToLong()));
    else if (SameName(key, L"Font"))
        form.SetFont(value.ToFont());
    else if (SameName(key, L"ScaleMode"))
        form.SetScaleMode(ToScaleMode(value.ToInteger()));
    else if (SameName(key, L"Picture"))
        form.SetPicture(value.ToPicture());
    else
        Raise(err::PropertyNotFound, L"a form has no property '" + key + L"'");
}

}  // namespace

void RegisterControlKind(const std::wstring& kind, ControlFactory factory) { Registry()[kind] = std::move(factory); }

std::unique_ptr<Control> CreateControl(const std::wstring& kind, const std::wstring& name) {
    auto it = Registry().find(kind);
    if (it == Registry().end()) Raise(err::InvalidPropertyValue, L"unknown control kind '" + kind + L"'");
    return it->second(name);
}

void BuildForm(Form& form, const DesignNode& root) {
    breakdown::Scope counted(breakdown::Work::Controls);
    if (root.kind != L"Form") throw TextFormatError(root.line, L"the design data must start with a Form");
    const Variant* width = root.Find(L"ClientWidth");
    const Variant* height = root.Find(L"ClientHeight");
    for (size_t i = 0; i < root.properties.size(); ++i) {
        auto& [key, value] = root.properties[i];
        if (SameName(key, L"ClientWidth") || SameName(key, L"ClientHeight")) continue;
        InLine(root, PropertyLine(root, i), [&] { ApplyFormProperty(form, key, value); });
    }
    if (width && height) InLine(root, root.line, [&] { form.SetClientSize(width->ToDouble(), height->ToDouble()); });
    Placing placing(form);
    BuildChildren(placing, form, root);
}

Form::BorderStyle DesignedBorderStyle(const DesignNode& root) {
    const Variant* border = root.Find(L"BorderStyle");
    try {
        const int16_t value = border ? border->ToInteger() : -1;
        if (IsBorderStyle(value)) return static_cast<Form::BorderStyle>(value);
    } catch (const HostError&) {}
    return Form::BorderStyle::Sizable;
}

std::wstring LoadTextResource(const std::wstring& name) {
    breakdown::Scope counted(breakdown::Work::DesignData);
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC info = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!info) Raise(err::FileNotFound, L"No text resource named " + name);
    HGLOBAL data = LoadResource(module, info);
    auto* bytes = static_cast<const char*>(LockResource(data));
    int size = static_cast<int>(SizeofResource(module, info));
    int n = MultiByteToWideChar(CP_UTF8, 0, bytes, size, nullptr, 0);
    std::wstring text(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes, size, text.data(), n);
    return text;
}

}  // namespace host
