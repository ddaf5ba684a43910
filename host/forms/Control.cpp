#include "host/forms/Control.h"

#include <cmath>
#include <cwctype>

#include "host/forms/PropertyTable.h"
#include "host/values/Error.h"
#include "host/values/Units.h"

namespace host {

wchar_t AccessKeyOf(const std::wstring& caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&') continue;
        if (caption[i + 1] == L'&') {
            ++i;
            continue;
        }
        return static_cast<wchar_t>(std::towupper(caption[i + 1]));
    }
    return 0;
}

Control::Control(std::wstring kind, std::wstring name) : kind_(std::move(kind)), name_(std::move(name)) {}

Control::~Control() = default;

Form* Control::ParentForm() const { return site_ ? site_->OwningForm() : nullptr; }

void Control::Move(double left, double top, double width, double height) {
    if (width < 0 || height < 0) Raise(err::InvalidPropertyValue);
    InvalidateArea();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    PlaceChanged();
}

void Control::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    VisibilityChanged();
}

void Control::SetEnabled(bool enabled) { enabled_ = enabled; }

bool Control::Showing() const { return visible_ && (!site_ || site_->ContainerShowing()); }

bool Control::EnabledInTree() const { return enabled_ && (!site_ || site_->ContainerEnabled()); }

void Control::OnAccessKey(wchar_t) {}

RECT Control::PixelRect() const {
    int l = TwipsToPixelsX(left_), t = TwipsToPixelsY(top_);
    return RECT{l, t, l + TwipsToPixelsX(width_), t + TwipsToPixelsY(height_)};
}

void Control::SetDesignProperty(const std::wstring& key, const Variant& value) {
    if (SameName(key, L"Left"))
        SetLeft(value.ToDouble());
    else if (SameName(key, L"Top"))
        SetTop(value.ToDouble());
    else if (SameName(key, L"Width"))
        SetWidth(value.ToDouble());
    else if (SameName(key, L"Height"))
        SetHeight(value.ToDouble());
    else if (SameName(key, L"Visible"))
        SetVisible(value.ToBool());
    else if (SameName(key, L"Enabled"))
        SetEnabled(value.ToBool());
    else if (SameName(key, L"TabIndex"))
        SetTabIndex(value.ToInteger());
    else if (SameName(key, L"TabStop"))
        SetTabStop(value.ToBool());
    else if (SameName(key, L"Tag"))
        SetTag(value.ToString());
    else if (SameName(key, L"Index"))
        SetIndex(value.ToInteger());
    else
        Raise(err::PropertyNotFound, L"'" + Kind() + L"' has no property '" + key + L"'");
}

Variant Control::GetProperty(const std::wstring& name, const std::vector<Variant>& index) {
    if (const PublishedProperties* published = Published(); published && published->Has(name))
        return published->Get(*this, name, index);
    if (SameName(name, L"Left")) return Variant::Sng(static_cast<float>(left_));
    if (SameName(name, L"Top")) return Variant::Sng(static_cast<float>(top_));
    if (SameName(name, L"Width")) return Variant::Sng(static_cast<float>(width_));
    if (SameName(name, L"Height")) return Variant::Sng(static_cast<float>(height_));
    if (SameName(name, L"Visible")) return Variant::Bool(visible_);
    if (SameName(name, L"Enabled")) return Variant::Bool(enabled_);
    if (SameName(name, L"TabIndex")) return Variant::Int(tabIndex_);
    if (SameName(name, L"Tag")) return Variant(tag_);
    if (SameName(name, L"Name")) return Variant(name_);
    if (SameName(name, L"Index")) return Variant::Int(index_);
    Raise(err::PropertyNotFound);
}

void Control::LetProperty(const std::wstring& name, const Variant& value, const std::vector<Variant>& index) {
    if (const PublishedProperties* published = Published(); published && published->Has(name))
        published->Let(*this, name, value, index);
    else if (!index.empty())
        Raise(err::PropertyNotFound);
    else
        SetDesignProperty(name, value);
}

void Control::Attach(Container* container, bool constituent) {
    container_ = container;
    constituent_ = constituent;
}

void Control::PlaceChanged() {}
void Control::VisibilityChanged() {}

void Control::InvalidateArea() const {
    if (site_ && IsWindowless()) site_->InvalidatePixels(PixelRect());
}

}  // namespace host
