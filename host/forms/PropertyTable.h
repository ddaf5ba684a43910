#pragma once
// Properties a control publishes by name. A control declares each property once, in
// a PropertyTable: its name, type, help text, whether it takes an index, its getter
// and setter, and whatever else the control keeps per property (its bag key, say).
// CallByName reaches the properties through Control::GetProperty and LetProperty;
// property browsers read their descriptions.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "host/values/Text.h"
#include "host/values/Variant.h"

namespace host {

class Control;

enum class PropertyType { Boolean, Integer, Long, String, Colour, Font };

// What a property browser shows of a property.
struct PropertyInfo {
    std::wstring name;
    PropertyType type = PropertyType::Long;
    bool indexed = false;  // takes one index argument
    bool writable = true;
    std::wstring help;  // empty: none
    bool operator==(const PropertyInfo&) const = default;
};

// A control's published properties, whatever its class.
class PublishedProperties {
public:
    virtual ~PublishedProperties() = default;
    virtual std::vector<PropertyInfo> Infos() const = 0;
    virtual bool Has(std::wstring_view name) const = 0;
    // An indexed property takes exactly one index argument, others none (error 450);
    // a property without a setter cannot be written (error 383).
    virtual Variant Get(Control& control, std::wstring_view name, const std::vector<Variant>& index) const = 0;
    virtual void Let(Control& control, std::wstring_view name, const Variant& value,
                     const std::vector<Variant>& index) const = 0;
};

// The index a property call passes: the one argument of an indexed property as a
// 16-bit Integer, 0 for others; a wrong count raises error 450.
int16_t IndexArgument(bool indexed, const std::vector<Variant>& index);
[[noreturn]] void RaiseReadOnly();

struct NoColumns {};

// The table of class C; `Columns` are the control's own columns of each row.
template <class C, class Columns = NoColumns>
class PropertyTable final : public PublishedProperties {
public:
    using Getter = std::function<Variant(C&, int16_t index)>;
    using Setter = std::function<void(C&, const Variant& value, int16_t index)>;
    struct Row {
        const wchar_t* name;
        PropertyType type;
        bool indexed;
        const wchar_t* help;  // null: none
        Getter get;
        Setter let;  // empty: read-only
        Columns more;
    };

    explicit PropertyTable(std::vector<Row> rows) : rows_(std::move(rows)) {}
    const std::vector<Row>& Rows() const { return rows_; }

    std::vector<PropertyInfo> Infos() const override {
        std::vector<PropertyInfo> infos;
        for (const Row& row : rows_)
            infos.push_back({row.name, row.type, row.indexed, static_cast<bool>(row.let), row.help ? row.help : L""});
        return infos;
    }
    bool Has(std::wstring_view name) const override { return Find(name) != nullptr; }
    Variant Get(Control& control, std::wstring_view name, const std::vector<Variant>& index) const override {
        const Row& row = *Find(name);
        return row.get(static_cast<C&>(control), IndexArgument(row.indexed, index));
    }
    void Let(Control& control, std::wstring_view name, const Variant& value,
             const std::vector<Variant>& index) const override {
        const Row& row = *Find(name);
        const int16_t i = IndexArgument(row.indexed, index);
        if (!row.let) RaiseReadOnly();
        row.let(static_cast<C&>(control), value, i);
    }

private:
    const Row* Find(std::wstring_view name) const {
        for (const Row& row : rows_)
            if (SameName(row.name, name)) return &row;
        return nullptr;
    }
    std::vector<Row> rows_;
};

}  // namespace host
