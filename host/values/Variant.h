#pragma once
// The values that property bags, design data and events carry, with the host's
// conversion rules: any non-zero number reads as true (true is -1), numeric text
// converts, and a value that does not fit a 16-bit Integer is the overflow error.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "host/values/Font.h"
#include "host/values/Picture.h"

namespace host {

enum class VarType { Empty, Boolean, Integer, Long, Single, Double, String, Font, Picture, Nothing };

class Variant {
public:
    Variant() = default;  // Empty
    Variant(std::wstring s) : v_(std::move(s)) {}
    Variant(const wchar_t* s) : v_(std::wstring(s)) {}
    Variant(FontPtr f);     // a null pointer is Nothing
    Variant(PicturePtr p);  // a null pointer is Nothing

    static Variant Bool(bool b) {
        Variant r;
        r.v_ = BoolValue{static_cast<int16_t>(b ? -1 : 0)};
        return r;
    }
    static Variant Int(int16_t i) {
        Variant r;
        r.v_ = i;
        return r;
    }
    static Variant Lng(int32_t l) {
        Variant r;
        r.v_ = l;
        return r;
    }
    static Variant Sng(float f) {
        Variant r;
        r.v_ = f;
        return r;
    }
    static Variant Dbl(double d) {
        Variant r;
        r.v_ = d;
        return r;
    }
    static Variant Nothing() {
        Variant r;
        r.v_ = NothingValue{};
        return r;
    }

    VarType Type() const;
    bool IsEmpty() const { return Type() == VarType::Empty; }
    bool IsObject() const;  // Font, Picture or Nothing

    // Conversions; each raises the host's error on failure (13 type mismatch,
    // 6 overflow, 91 object not set).
    bool ToBool() const;
    int16_t ToInteger() const;  // rounds half to even
    int32_t ToLong() const;     // rounds half to even
    float ToSingle() const;
    double ToDouble() const;
    std::wstring ToString() const;  // "True"/"False", numbers in the host's short form
    FontPtr ToFont() const;         // Nothing gives a null pointer
    PicturePtr ToPicture() const;   // Nothing gives a null pointer
    Variant ConvertTo(VarType type) const;

    // Same type and value (objects: the same object). Used by the bag's default rule
    // after converting the default to this value's type.
    bool SameAs(const Variant& other) const;

private:
    struct BoolValue {
        int16_t v;
    };
    struct NothingValue {};
    std::variant<std::monostate, BoolValue, int16_t, int32_t, float, double, std::wstring, FontPtr, PicturePtr,
                 NothingValue>
        v_;
};

// The host's text-to-number function: skips leading blanks, reads the longest numeric
// prefix (sign, digits, one full stop, exponent; "&H"/"&O" prefixes), 0 when none.
double Val(std::wstring_view text);
// Rounds half to even into a 32-bit integer; outside the range is the overflow error.
int32_t RoundToLong(double value);
// Rounds half to even into a 16-bit integer; outside the range is the overflow error.
int16_t RoundToInteger(double value);
// 16-bit Integer addition with the host's overflow check.
int16_t AddInteger(int16_t a, int16_t b);

}  // namespace host
