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
#include <type_traits>
#include <vector>

#include "host/values/Color.h"
#include "host/values/Text.h"
#include "host/values/Variant.h"

namespace host {

class Control;

enum class PropertyType { Boolean, Integer, Long, String, Colour, Font, Picture, Variant };

// How by-name access carries a property of C++ type T: its published type and the
// conversions to and from a Variant.
template <class T>
struct PropertyValue;
template <>
struct PropertyValue<bool> {
    static constexpr PropertyType kType = PropertyType::Boolean;
    static Variant To(bool v) { return Variant::Bool(v); }
    static bool From(const Variant& v) { return v.ToBool(); }
};
template <>
struct PropertyValue<int16_t> {
    static constexpr PropertyType kType = PropertyType::Integer;
    static Variant To(int16_t v) { return Variant::Int(v); }
    static int16_t From(const Variant& v) { return v.ToInteger(); }
};
template <>
struct PropertyValue<int32_t> {
    static constexpr PropertyType kType = PropertyType::Long;
    static Variant To(int32_t v) { return Variant::Lng(v); }
    static int32_t From(const Variant& v) { return v.ToLong(); }
};
// OLE colours travel as Longs.
template <>
struct PropertyValue<OleColor> {
    static constexpr PropertyType kType = PropertyType::Colour;
    static Variant To(OleColor v) { return Variant::Lng(static_cast<int32_t>(v)); }
    static OleColor From(const Variant& v) { return static_cast<OleColor>(v.ToLong()); }
};
// Window handles travel as Longs, as 32-bit programs see them.
template <>
struct PropertyValue<HWND> {
    static constexpr PropertyType kType = PropertyType::Long;
    static Variant To(HWND v) { return Variant::Lng(static_cast<int32_t>(reinterpret_cast<intptr_t>(v))); }
    static HWND From(const Variant& v) { return reinterpret_cast<HWND>(static_cast<intptr_t>(v.ToLong())); }
};
template <>
struct PropertyValue<std::wstring> {
    static constexpr PropertyType kType = PropertyType::String;
    static Variant To(const std::wstring& v) { return Variant(v); }
    static std::wstring From(const Variant& v) { return v.ToString(); }
};
template <>
struct PropertyValue<FontPtr> {
    static constexpr PropertyType kType = PropertyType::Font;
    static Variant To(const FontPtr& v) { return Variant(v); }
    static FontPtr From(const Variant& v) { return v.ToFont(); }
};
template <>
struct PropertyValue<PicturePtr> {
    static constexpr PropertyType kType = PropertyType::Picture;
    static Variant To(const PicturePtr& v) { return Variant(v); }
    static PicturePtr From(const Variant& v) { return v.ToPicture(); }
};
template <>
struct PropertyValue<Variant> {
    static constexpr PropertyType kType = PropertyType::Variant;
    static Variant To(const Variant& v) { return v; }
    static Variant From(const Variant& v) { return v; }
};

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

    // A row over a getter and a setter, member functions or callables (no setter:
    // read-only); the value converts as PropertyValue of the getter's type says.
    template <class Get, class Set = std::nullptr_t>
    static Row Accessor(const wchar_t* name, const wchar_t* help, Get get, Set set = nullptr) {
        using Value = PropertyValue<std::remove_cvref_t<std::invoke_result_t<Get, C&>>>;
        Setter let;
        if constexpr (!std::is_null_pointer_v<Set>)
            let = [set](C& c, const Variant& v, int16_t) { std::invoke(set, c, Value::From(v)); };
        return Row{
            name,           Value::kType, false, help, [get](C& c, int16_t) { return Value::To(std::invoke(get, c)); },
            std::move(let), Columns{}};
    }

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
