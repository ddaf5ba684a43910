#include "host/values/Font.h"

#include <algorithm>
#include <cmath>

#include "host/values/Breakdown.h"
#include "host/values/Error.h"
#include "host/values/Units.h"

namespace host {

namespace {
constexpr int16_t kBoldWeight = 700;
constexpr int16_t kNormalWeight = 400;
}  // namespace

void Font::SetName(const std::wstring& v) {
    desc_.name = v;
    Changed(L"Name");
}

void Font::SetSize(double points) {
    if (!std::isfinite(points) || points <= 0) Raise(err::InvalidPropertyValue);
    desc_.size = points;
    Changed(L"Size");
}

void Font::SetWeight(int16_t v) {
    desc_.weight = v;
    Changed(L"Weight");
}

void Font::SetCharset(int16_t v) {
    desc_.charset = v;
    Changed(L"Charset");
}

void Font::SetBold(bool v) {
    desc_.weight = v ? kBoldWeight : kNormalWeight;
    Changed(L"Bold");
}

void Font::SetItalic(bool v) {
    desc_.italic = v;
    Changed(L"Italic");
}

void Font::SetUnderline(bool v) {
    desc_.underline = v;
    Changed(L"Underline");
}

void Font::SetStrikethrough(bool v) {
    desc_.strikethrough = v;
    Changed(L"Strikethrough");
}

void Font::Assign(const FontDesc& d) {
    if (!std::isfinite(d.size) || d.size <= 0) Raise(err::InvalidPropertyValue);
    desc_ = d;
    Changed(L"Font");
}

void Font::Changed(const wchar_t* attribute) { changed_(attribute); }

HFONT CreateFontFor(const Font& font) {
    breakdown::Scope counted(breakdown::Work::Fonts);
    LOGFONTW lf{};
    lf.lfHeight = -static_cast<LONG>(std::lround(font.Size() * Screen::PixelsPerInchY() / 72.0));
    lf.lfWeight = font.Weight();
    lf.lfItalic = font.Italic();
    lf.lfUnderline = font.Underline();
    lf.lfStrikeOut = font.Strikethrough();
    lf.lfCharSet = static_cast<BYTE>(font.Charset());
    // Crisp, as the Song face's own small sizes are drawn on the desktop.
    lf.lfQuality = NONANTIALIASED_QUALITY;
    wcsncpy(lf.lfFaceName, font.Name().c_str(), LF_FACESIZE - 1);
    return CreateFontIndirectW(&lf);
}

}  // namespace host
