#include "host/forms/FormWriter.h"

#include <cmath>
#include <limits>
#include <unordered_map>

#include "host/forms/UserControl.h"
#include "host/values/Error.h"
#include "host/values/Text.h"

namespace host {

namespace {

using Property = std::pair<std::wstring, Variant>;

// A length in twips as design data writes it: a whole number when it is one.
Variant Length(double twips) {
    if (twips == std::floor(twips)) {
        if (std::fabs(twips) <= std::numeric_limits<int16_t>::max()) return Variant::Int(static_cast<int16_t>(twips));
        if (std::fabs(twips) <= std::numeric_limits<int32_t>::max()) return Variant::Lng(static_cast<int32_t>(twips));
    }
    return Variant::Dbl(twips);
}

// The extender's keys with a new control's values: written when they differ.
std::vector<std::pair<Property, Variant>> ExtenderProperties(const Control& c) {
    return {
        {{L"Index", Variant::Int(c.Index())}, Variant::Int(-1)},
        {{L"Left", Length(c.Left())}, Variant::Int(0)},
        {{L"Top", Length(c.Top())}, Variant::Int(0)},
        {{L"Width", Length(c.Width())}, Variant::Int(0)},
        {{L"Height", Length(c.Height())}, Variant::Int(0)},
        {{L"Visible", Variant::Bool(c.Visible())}, Variant::Bool(true)},
        {{L"TabIndex", Variant::Int(c.TabIndex())}, Variant::Int(0)},
        {{L"TabStop", Variant::Bool(c.TabStop())}, Variant::Bool(true)},
        {{L"Tag", Variant(c.Tag())}, Variant(L"")},
    };
}

bool SameValue(const Variant& a, const Variant& b) {
    try {
        return a.SameAs(b.ConvertTo(a.Type()));
    } catch (const HostError&) {
        return false;
    }
}

// `value` in the type of `written` when it goes there and back unchanged.
Variant InWrittenType(const Variant& value, const Variant& written) {
    if (value.Type() == written.Type()) return value;
    try {
        Variant converted = value.ConvertTo(written.Type());
        if (converted.ConvertTo(value.Type()).SameAs(value)) return converted;
    } catch (const HostError&) {}
    return value;
}

// A node's properties, ordered as `source` has them, then the others as given.
class PropertyList {
public:
    explicit PropertyList(const DesignNode* source) : source_(source) {}

    void Add(std::wstring key, Variant value) { added_.emplace_back(std::move(key), std::move(value)); }
    bool InSource(std::wstring_view key) const { return source_ && source_->Find(key); }

    std::vector<Property> Ordered() const {
        std::unordered_map<std::wstring, const Property*> byKey;
        for (const Property& p : added_) byKey.emplace(ToLowerKey(p.first), &p);
        std::vector<Property> out;
        if (source_)
            for (const auto& [key, written] : source_->properties) {
                auto it = byKey.find(ToLowerKey(key));
                if (it == byKey.end()) continue;
                out.emplace_back(key, InWrittenType(it->second->second, written));
                byKey.erase(it);
            }
        for (const Property& p : added_)
            if (byKey.count(ToLowerKey(p.first))) out.push_back(p);
        return out;
    }

private:
    const DesignNode* source_;
    std::vector<Property> added_;
};

bool IsPlacedKey(const std::wstring& key) {
    for (const wchar_t* k : {L"Index", L"Left", L"Top", L"Width", L"Height", L"Visible", L"TabIndex", L"TabStop",
                             L"Tag", L"Default", L"Cancel"})
        if (SameName(key, k)) return true;
    return false;
}

std::wstring MemberKey(std::wstring_view name, int index) {
    return ToLowerKey(name) + L"(" + std::to_wstring(index) + L")";
}

class FormWriter {
public:
    explicit FormWriter(Form& form) : form_(form) {}

    void DescribeChildren(const Container& container, const DesignNode* source, DesignNode& out) {
        std::unordered_map<std::wstring, const DesignNode*> sources;
        if (source)
            for (const DesignNode& child : source->children) {
                const Variant* index = child.Find(L"Index");
                sources.emplace(MemberKey(child.name, index ? index->ToInteger() : -1), &child);
            }
        for (const auto& child : container.Children()) {
            if (child->IsConstituent()) continue;
            auto it = sources.find(MemberKey(child->Name(), child->Index()));
            out.children.push_back(Describe(*child, it == sources.end() ? nullptr : it->second));
        }
    }

private:
    DesignNode Describe(Control& control, const DesignNode* source) {
        PropertyList list(source);
        for (auto& [property, fresh] : ExtenderProperties(control))
            if (list.InSource(property.first) || !SameValue(property.second, fresh))
                list.Add(property.first, property.second);
        for (auto [key, on] : {std::pair{L"Default", form_.DefaultControl() == &control},
                               std::pair{L"Cancel", form_.CancelControl() == &control}})
            if (on || list.InSource(key)) list.Add(key, Variant::Bool(on));
        if (auto* uc = dynamic_cast<UserControl*>(&control))
            AddStored(*uc, list);
        else if (source)
            AddReadBack(control, *source, list);

        DesignNode node;
        node.kind = control.Kind();
        node.name = control.Name();
        node.properties = list.Ordered();
        if (auto* inner = dynamic_cast<Container*>(&control)) DescribeChildren(*inner, source, node);
        return node;
    }

    static void AddStored(UserControl& control, PropertyList& list) {
        PropertyBag stored = control.Save();
        for (const auto& [key, value] : stored.Entries())
            if (key != L"_extentx" && key != L"_extenty") list.Add(key, value);
    }

    static void AddReadBack(Control& control, const DesignNode& source, PropertyList& list) {
        for (const auto& [key, written] : source.properties) {
            if (IsPlacedKey(key)) continue;
            try {
                list.Add(key, control.GetProperty(key));
            } catch (const HostError&) {
                list.Add(key, written);
            }
        }
    }

    Form& form_;
};

}  // namespace

DesignNode DescribeForm(Form& form, const DesignNode& source) {
    DesignNode root;
    root.kind = source.kind;
    root.name = source.name;
    root.properties = source.properties;
    FormWriter(form).DescribeChildren(form, &source, root);
    return root;
}

}  // namespace host
