#include "HostTestKit.h"

#include "MessagePump.h"
#include "host/Error.h"
#include "host/Units.h"

namespace hosttest {

int ErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const host::HostError& e) {
        return e.Number();
    }
    return kNoError;
}

host::PicturePtr SolidPicture(int width, int height, COLORREF colour) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all{0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return host::PictureFromBitmap(reinterpret_cast<uintptr_t>(bitmap));
}

void PlaceInPixels(host::Control& control, int left, int top, int width, int height) {
    control.Move(host::PixelsToTwipsX(left), host::PixelsToTwipsY(top), host::PixelsToTwipsX(width),
                 host::PixelsToTwipsY(height));
}

RecordedEffects::RecordedEffects() { host::SetEffects(this); }

RecordedEffects::~RecordedEffects() {
    host::SetEffects(nullptr);
    host::ResetEnding();
}

int RecordedEffects::ShowMessageBox(HWND, const std::wstring& text, const std::wstring&, unsigned) {
    messages.push_back(text);
    return IDOK;
}

void RecordedEffects::EndProgram(int) { ++ends; }

Canvas::Canvas(int width, int height, COLORREF fill) : width_(width) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<const DWORD*>(bits);
    original_ = SelectObject(dc_, bitmap_);
    RECT all{0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(fill);
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
}

Canvas::~Canvas() {
    SelectObject(dc_, original_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

COLORREF Canvas::Pixel(int x, int y) const {
    GdiFlush();
    DWORD bgrx = bits_[y * width_ + x];
    return RGB(GetBValue(bgrx), GetGValue(bgrx), GetRValue(bgrx));
}

std::vector<std::wstring>& Journal() {
    static std::vector<std::wstring> journal;
    return journal;
}

std::vector<std::wstring> JournalOf(const std::wstring& name) {
    std::vector<std::wstring> entries;
    const std::wstring prefix = name + L".";
    for (const auto& entry : Journal())
        if (entry.starts_with(prefix)) entries.push_back(entry.substr(prefix.size()));
    return entries;
}

Journaling::Journaling(const std::wstring& name, const std::wstring& kind) : host::UserControl(kind, name) {}

void Journaling::OnReadProperties(const host::PropertyBag& bag) {
    Note(L"ReadProperties");
    stored = bag;
    value = bag.ReadProperty(L"Value", host::Variant::Bool(false)).ToBool();
}

void Journaling::OnWriteProperties(host::PropertyBag& bag) {
    Note(L"WriteProperties");
    bag.WriteProperty(L"Value", host::Variant::Bool(value), host::Variant::Bool(false));
}

void Journaling::Note(const std::wstring& what) const { Journal().push_back(Name() + L"." + what); }

void PumpFor(std::chrono::milliseconds duration) { testsupport::PumpMessagesFor(duration); }

}  // namespace hosttest
