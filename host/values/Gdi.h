#pragma once
// Small owners for GDI objects. Each keeps a process-wide live count so that tests
// can check that repeated painting leaves no object behind.
#include <windows.h>

#include <utility>

namespace host::gdi {

// Objects created through these wrappers and not yet deleted (or handed over).
long LiveObjects();

namespace detail {
void Created(const void* handle);
void Deleted();
}  // namespace detail

// Owns one GDI object handle of type H and deletes it with DeleteObject.
template <class H>
class Object {
public:
    Object() = default;
    explicit Object(H h) : h_(h) { detail::Created(h_); }
    ~Object() { Reset(); }
    Object(Object&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    Object& operator=(Object&& o) noexcept {
        if (this != &o) {
            Reset();
            h_ = std::exchange(o.h_, nullptr);
        }
        return *this;
    }
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    H Get() const { return h_; }
    operator H() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    void Reset() {
        if (h_) {
            DeleteObject(h_);
            detail::Deleted();
            h_ = nullptr;
        }
    }
    // Gives up ownership (a region handed to SetWindowRgn belongs to the window).
    H Release() {
        if (h_) detail::Deleted();
        return std::exchange(h_, nullptr);
    }

private:
    H h_ = nullptr;
};

using Brush = Object<HBRUSH>;
using Pen = Object<HPEN>;
using Bitmap = Object<HBITMAP>;
using Region = Object<HRGN>;
using FontHandle = Object<HFONT>;

Brush SolidBrush(COLORREF colour);
Pen SolidPen(COLORREF colour, int width = 1, int style = PS_SOLID);
Bitmap CompatibleBitmap(HDC dc, int width, int height);
Bitmap MonochromeBitmap(int width, int height);
Region RectRegion(int left, int top, int right, int bottom);

// A memory device context, deleted with DeleteDC.
class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith);
    ~MemoryDC();
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC Get() const { return dc_; }
    operator HDC() const { return dc_; }

private:
    HDC dc_;
};

// Selects an object into a DC and puts the previous one back when it goes.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
    ~Selection() {
        if (old_) SelectObject(dc_, old_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// An object owned and kept selected into a DC. Replacing it selects the new one
// and deletes the old; the DC's original object goes back when this goes.
template <class H>
class Selected {
public:
    explicit Selected(HDC dc) : dc_(dc) {}
    ~Selected() {
        if (original_) SelectObject(dc_, original_);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

    void Replace(Object<H> object) {
        HGDIOBJ previous = SelectObject(dc_, object.Get());
        if (!original_) original_ = previous;
        object_ = std::move(object);
    }
    H Get() const { return object_.Get(); }

private:
    HDC dc_;
    HGDIOBJ original_ = nullptr;
    Object<H> object_;  // deleted after the original is back
};

// A window's client DC from GetDC, released with ReleaseDC.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    operator HDC() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

}  // namespace host::gdi
