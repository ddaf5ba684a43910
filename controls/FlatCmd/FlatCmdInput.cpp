// The flat button's behaviour: mouse, keyboard and focus, the hover timer, its
// sounds and the address it opens after a click.
#include <windows.h>
#include <mmsystem.h>

#include <string>

#include "controls/FlatCmd/FlatCmd.h"
#include "host/forms/Form.h"
#include "host/windows/Mouse.h"
#include "host/windows/Pump.h"
#include "host/values/Runtime.h"
#include "host/values/Units.h"

namespace controls {

using host::kRightButton;

namespace {

constexpr int16_t kKeyEnter = 13;
constexpr int16_t kKeySpace = 32;
constexpr int16_t kKeyEscape = 27;

// A button is never narrower or lower than this many pixels; a smaller side snaps
// to kSnapTwips.
constexpr double kMinSidePixels = 10;
constexpr double kSnapTwips = 150;
constexpr int kFocusInset = 4;

// Sound files are named in the program's ANSI code page (GB2312).
constexpr UINT kSoundCodePage = 936;
// Start playing and return at once; a missing file plays nothing, not the default sound.
constexpr unsigned kSoundFlags = SND_FILENAME | SND_NODEFAULT | SND_ASYNC;

constexpr std::wstring_view kMailPrefix = L"mailto:";

std::string ToAnsi(const std::wstring& text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(kSoundCodePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                nullptr);
    std::string ansi(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(kSoundCodePage, 0, text.data(), static_cast<int>(text.size()), ansi.data(), n, nullptr,
                        nullptr);
    return ansi;
}

}  // namespace

bool FlatCmd::IsInside(float x, float y) const {
    return x >= 0 && y >= 0 && x < static_cast<float>(ScaleWidth()) && y < static_cast<float>(ScaleHeight());
}

void FlatCmd::PlayButtonSound(const std::wstring& file) { host::Effects().PlaySoundFile(ToAnsi(file), kSoundFlags); }

void FlatCmd::ClickAndGo() {
    Click();
    GoToURL();
}

void FlatCmd::GoToURL() {
    if (Prop.URL.starts_with(kMailPrefix)) {
        host::Form* form = Parent();
        host::Effects().OpenWithShell(form ? form->hWnd() : nullptr, L"open", Prop.URL, L"", L"", SW_SHOWNORMAL);
    } else if (!Prop.URL.empty()) {
        host::Effects().NavigateTo(Prop.URL);
    }
}

// ---- Mouse ----

void FlatCmd::OnMouseDown(int16_t button, int16_t shift, float x, float y) {
    LastButton = button;
    LastShift = shift;
    LastX = x;
    LastY = y;
    if (button != kRightButton) {
        IsDown = true;
        Refresh();
    }
    MouseDown(button, shift, x, y);
}

void FlatCmd::OnMouseMove(int16_t button, int16_t shift, float x, float y) {
    if (IsInside(x, y) && !IsOver) {
        OverTimer.SetEnabled(true);
        IsOver = true;
        if (!PictureAbsent(Prop.PictureHover)) ShownPicture = Prop.PictureHover;
        MouseIn(shift);
        Refresh();
        host::DoEvents();
        PlayButtonSound(Prop.SoundOver);
    }
    MouseMove(button, shift, x, y);
}

void FlatCmd::OnMouseUp(int16_t button, int16_t shift, float x, float y) {
    IsDown = false;
    if (button != kRightButton) {
        Refresh();
        if (IsInside(x, y)) {
            PlayButtonSound(Prop.SoundClick);
            ClickAndGo();
        }
    }
    MouseUp(button, shift, x, y);
}

// The host sends this instead of the second press of a double click: the press is
// replayed so that the second release clicks again.
void FlatCmd::OnDblClick() {
    SetCapture(hWnd());
    OnMouseDown(LastButton, LastShift, LastX, LastY);
}

// Only the button's own window counts as over the button: not a child or an
// overlapping window, nor a corner cut off by the window region.
void FlatCmd::OverTimer_Timer() {
    POINT cursor{};
    GetCursorPos(&cursor);
    if (WindowFromPoint(cursor) == hWnd()) return;
    OverTimer.SetEnabled(false);
    IsOver = false;
    ShownPicture = NormalPicture;
    MouseOut(LastShift);
    Refresh();
    if (IsDown) {
        // Painted unpressed while the mouse is away, still pressed for the release.
        IsDown = false;
        Refresh();
        IsDown = true;
    }
}

// ---- Keyboard ----

// Enter and Space click when the key goes down; auto-repeat does not click again
// until some key comes up.
void FlatCmd::OnKeyDown(int16_t keyCode, int16_t shift) {
    if (!KeyHeld) {
        if (keyCode == kKeyEnter) {
            ClickAndGo();
        } else if (keyCode == kKeySpace) {
            IsDown = true;
            Refresh();
            ClickAndGo();
        }
        KeyHeld = true;
    }
    KeyDown(keyCode, shift);
}

void FlatCmd::OnKeyUp(int16_t keyCode, int16_t shift) {
    if (keyCode == kKeySpace) {
        IsDown = false;
        Refresh();
    }
    KeyHeld = false;
    KeyUp(keyCode, shift);
}

void FlatCmd::OnKeyPress(int16_t keyAscii) { KeyPress(keyAscii); }

// The default button's Enter and the cancel button's Escape.
void FlatCmd::OnAccessKeyPress(int16_t keyAscii) {
    if (Enabled() && (keyAscii == kKeyEnter || keyAscii == kKeyEscape)) ClickAndGo();
}

// ---- Focus, ambient and size ----

void FlatCmd::OnEnterFocus() {
    HasFocus = true;
    Refresh();
}

void FlatCmd::OnExitFocus() {
    HasFocus = false;
    IsDown = false;
    Refresh();
}

void FlatCmd::OnAmbientChanged(const std::wstring&) { Refresh(); }

void FlatCmd::OnResize() {
    if (ScaleWidth() < kMinSidePixels) SetWidth(kSnapTwips);
    if (ScaleHeight() < kMinSidePixels) SetHeight(kSnapTwips);
    PixelWidth = host::RoundToLong(ScaleWidth());
    PixelHeight = host::RoundToLong(ScaleHeight());
    FocusRect = RECT{kFocusInset, kFocusInset, host::RoundToLong(ScaleWidth() - kFocusInset),
                     host::RoundToLong(ScaleHeight() - kFocusInset)};
    if (Prop.XPStyle && Prop.XPWinStyle) ApplyRoundRegion();
    Refresh();
}

}  // namespace controls
