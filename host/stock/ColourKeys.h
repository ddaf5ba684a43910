#pragma once
// The colour and font keys of design data that several stock controls share.
#include <string>

#include "host/values/Color.h"
#include "host/values/Text.h"
#include "host/values/Variant.h"

namespace host {

// Applies "BackColor", "ForeColor" or "Font" through the control's own setters;
// false for any other key.
template <class T>
bool SetColourOrFontKey(T& control, const std::wstring& key, const Variant& value) {
    if (SameName(key, L"BackColor"))
        control.SetBackColor(static_cast<OleColor>(value.ToLong()));
    else if (SameName(key, L"ForeColor"))
        control.SetForeColor(static_cast<OleColor>(value.ToLong()));
    else if (SameName(key, L"Font"))
        control.SetFont(value.ToFont());
    else
        return false;
    return true;
}

}  // namespace host
