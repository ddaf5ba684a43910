#pragma once
// The host's shared font object: name, size in points, weight, charset and styles.
// Controls share it by reference; every attribute change notifies the listeners
// (the flat button repaints on it).
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/values/Event.h"

namespace host {

class Font;
using FontPtr = std::shared_ptr<Font>;

struct FontDesc {
    std::wstring name = L"宋体";
    double size = 9.0;      // points
    int16_t weight = 400;   // 400 normal, 700 bold
    int16_t charset = 134;  // GB2312
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    bool operator==(const FontDesc&) const = default;
};

class Font {
public:
    Font() = default;
    explicit Font(FontDesc desc) : desc_(std::move(desc)) {}
    static FontPtr Create(FontDesc desc = {}) { return std::make_shared<Font>(std::move(desc)); }
    FontPtr Clone() const { return Create(desc_); }

    const FontDesc& Desc() const { return desc_; }
    const std::wstring& Name() const { return desc_.name; }
    double Size() const { return desc_.size; }
    int16_t Weight() const { return desc_.weight; }
    int16_t Charset() const { return desc_.charset; }
    bool Bold() const { return desc_.weight >= 700; }
    bool Italic() const { return desc_.italic; }
    bool Underline() const { return desc_.underline; }
    bool Strikethrough() const { return desc_.strikethrough; }

    void SetName(const std::wstring& v);
    void SetSize(double points);
    void SetWeight(int16_t v);
    void SetCharset(int16_t v);
    void SetBold(bool v);  // bold is weight 700, not bold 400
    void SetItalic(bool v);
    void SetUnderline(bool v);
    void SetStrikethrough(bool v);
    void Assign(const FontDesc& d);  // one notification

    // FontChanged: called after each attribute change with the attribute's name,
    // for as long as the connection is kept.
    using Listener = std::function<void(const std::wstring& attribute)>;
    [[nodiscard]] Connection Subscribe(Listener fn) { return changed_.Connect(std::move(fn)); }

private:
    void Changed(const wchar_t* attribute);
    FontDesc desc_;
    Event<const std::wstring&> changed_;
};

// Creates a GDI font for a font object at the screen's resolution. The caller owns
// it: wrap it in gdi::FontHandle, or count it with gdi::detail::Created.
HFONT CreateFontFor(const Font& font);

}  // namespace host
