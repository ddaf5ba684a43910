#include "HostTestKit.h"

namespace hosttest {

host::TextFormatError FormatErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const host::TextFormatError& e) {
        return e;
    }
    return host::TextFormatError(0, L"no error");
}

void PlaceInPixels(host::Control& control, int left, int top, int width, int height) {
    control.Move(host::PixelsToTwipsX(left), host::PixelsToTwipsY(top), host::PixelsToTwipsX(width),
                 host::PixelsToTwipsY(height));
}

Entries& Journal() {
    static Entries journal;
    return journal;
}

Entries JournalOf(const std::wstring& name) {
    Entries entries;
    const std::wstring prefix = name + L".";
    for (const auto& entry : Journal())
        if (entry.starts_with(prefix)) entries.push_back(entry.substr(prefix.size()));
    return entries;
}

void Journaling::OnReadProperties(const host::PropertyBag& bag) {
    Note(L"ReadProperties");
    stored = bag;
    value = bag.ReadProperty(L"Value", host::Variant::Bool(false)).ToBool();
}

}  // namespace hosttest
