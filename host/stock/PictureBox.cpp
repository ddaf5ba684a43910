#include "host/stock/PictureBox.h"

#include <algorithm>

#include "host/stock/ColourKeys.h"

namespace host {

PictureBox::PictureBox(std::wstring name) : WindowedControl(L"PictureBox", std::move(name)) { SetFont(Font::Create()); }

PictureBox::~PictureBox() { DestroyChildren(); }

void PictureBox::CreateControlWindow(const WindowPlace& place) {
    CreateContainerWindow(place, WS_TABSTOP | border_.Style(), border_.ExStyle());
}

SIZE PictureBox::ClientSizeWithoutWindow() const {
    RECT frame{};
    AdjustWindowRectEx(&frame, kContainerStyle | border_.Style(), FALSE, WS_EX_CONTROLPARENT | border_.ExStyle());
    const RECT r = PixelRect();
    return SIZE{std::max(0L, (r.right - r.left) - (frame.right - frame.left)),
                std::max(0L, (r.bottom - r.top) - (frame.bottom - frame.top))};
}

void PictureBox::SetAutoSize(bool on) {
    autoSize_ = on;
    FitToPicture();
}

void PictureBox::SetPictureAndFit(PicturePtr picture) {
    SetPicture(std::move(picture));
    FitToPicture();
}

void PictureBox::FitToPicture() {
    PicturePtr picture = GetPicture();
    if (!autoSize_ || !picture || picture->IsEmpty()) return;
    SIZE p = PicturePixelSize(*picture);
    RECT window{0, 0, p.cx, p.cy};
    if (Handle())
        AdjustWindowRectEx(&window, static_cast<DWORD>(GetWindowLongW(Handle(), GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongW(Handle(), GWL_EXSTYLE)));
    Move(Left(), Top(), PixelsToTwipsX(window.right - window.left), PixelsToTwipsY(window.bottom - window.top));
}

LRESULT PictureBox::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: PaintWindow(Handle(), [this](HDC dc, const RECT& client) { PaintBackground(dc, client); }); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SIZE: SurfaceResized(); return 0;
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE: DropSurfacePresses(); break;
    case WM_SETFOCUS: {
        // GotFocus follows the ExitFocus of a user control the focus came from.
        LRESULT result = WindowedControl::WindowProc(msg, wParam, lParam);
        GotFocus();
        return result;
    }
    case WM_KILLFOCUS: LostFocus(); break;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN: KeyDown(static_cast<int16_t>(wParam), ShiftState()); return 0;
    case WM_KEYUP: KeyUp(static_cast<int16_t>(wParam), ShiftState()); return 0;
    case WM_CHAR: KeyPress(static_cast<int16_t>(wParam)); return 0;
    default:
        if (msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK && HandleSurfaceMouse(msg, wParam, lParam)) return 0;
        break;
    }
    return WindowedControl::WindowProc(msg, wParam, lParam);
}

void PictureBox::SetDesignProperty(const std::wstring& key, const Variant& value) {
    if (SetColourOrFontKey(*this, key, value)) return;
    if (SameName(key, L"Picture"))
        SetPictureAndFit(value.ToPicture());
    else if (SameName(key, L"BorderStyle"))
        SetBorder(value.ToInteger() != 0);
    else if (SameName(key, L"Appearance"))
        SetFlat(value.ToInteger() == 0);
    else if (SameName(key, L"AutoSize"))
        SetAutoSize(value.ToBool());
    else if (SameName(key, L"AutoRedraw"))
        SetAutoRedraw(value.ToBool());
    else if (SameName(key, L"ScaleMode"))
        SetScaleMode(ToScaleMode(value.ToInteger()));
    else
        WindowedControl::SetDesignProperty(key, value);
}

}  // namespace host
