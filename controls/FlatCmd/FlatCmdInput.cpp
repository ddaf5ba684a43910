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
    if (prop_.url.starts_with(kMailPrefix)) {
        host::Form* form = Parent();
        host::Effects().OpenWithShell(form ? form->hWnd() : nullptr, L"open", prop_.url, L"", L"", SW_SHOWNORMAL);
    } else if (!prop_.url.empty()) {
        host::Effects().NavigateTo(prop_.url);
    }
}

// ---- Mouse ----

void FlatCmd::OnMouseDown(int16_t button, int16_t shift, float x, float y) {
    lastButton_ = button;
    lastShift_ = shift;
    lastX_ = x;
    lastY_ = y;
    if (button != kRightButton) {
        isDown_ = true;
        Refresh();
    }
    MouseDown(button, shift, x, y);
}

void FlatCmd::OnMouseMove(int16_t button, int16_t shift, float x, float y) {
    if (IsInside(x, y) && !isOver_) {
        overTimer_.SetEnabled(true);
        isOver_ = true;
        if (!PictureAbsent(prop_.pictureHover)) shownPicture_ = prop_.pictureHover;
        MouseIn(shift);
        Refresh();
        host::DoEvents();
        PlayButtonSound(prop_.soundOver);
    }
    MouseMove(button, shift, x, y);
}

void FlatCmd::OnMouseUp(int16_t button, int16_t shift, float x, float y) {
    isDown_ = false;
    if (button != kRightButton) {
        Refresh();
        if (IsInside(x, y)) {
            PlayButtonSound(prop_.soundClick);
            ClickAndGo();
        }
    }
    MouseUp(button, shift, x, y);
}

// The host sends this instead of the second press of a double click: the press is
// replayed so that the second release clicks again.
void FlatCmd::OnDblClick() {
    SetCapture(hWnd());
    OnMouseDown(lastButton_, lastShift_, lastX_, lastY_);
}

// Only the button's own window counts as over the button: not a child or an
// overlapping window, nor a corner cut off by the window region.
void FlatCmd::OverTimerTimer() {
    POINT cursor{};
    GetCursorPos(&cursor);
    if (WindowFromPoint(cursor) == hWnd()) return;
    overTimer_.SetEnabled(false);
    isOver_ = false;
    shownPicture_ = normalPicture_;
    MouseOut(lastShift_);
    Refresh();
    if (isDown_) {
        // Painted unpressed while the mouse is away, still pressed for the release.
        isDown_ = false;
        Refresh();
        isDown_ = true;
    }
}

// ---- Keyboard ----

// Enter and Space click when the key goes down; auto-repeat does not click again
// until some key comes up.
void FlatCmd::OnKeyDown(int16_t keyCode, int16_t shift) {
    if (!keyHeld_) {
        if (keyCode == kKeyEnter) {
            ClickAndGo();
        } else if (keyCode == kKeySpace) {
            isDown_ = true;
            Refresh();
            ClickAndGo();
        }
        keyHeld_ = true;
    }
    KeyDown(keyCode, shift);
}

void FlatCmd::OnKeyUp(int16_t keyCode, int16_t shift) {
    if (keyCode == kKeySpace) {
        isDown_ = false;
        Refresh();
    }
    keyHeld_ = false;
    KeyUp(keyCode, shift);
}

void FlatCmd::OnKeyPress(int16_t keyAscii) { KeyPress(keyAscii); }

// The default button's Enter and the cancel button's Escape.
void FlatCmd::OnAccessKeyPress(int16_t keyAscii) {
    if (Enabled() && (keyAscii == kKeyEnter || keyAscii == kKeyEscape)) ClickAndGo();
}

// ---- Focus, ambient and size ----

void FlatCmd::OnEnterFocus() {
    hasFocus_ = true;
    Refresh();
}

void FlatCmd::OnExitFocus() {
    hasFocus_ = false;
    isDown_ = false;
    Refresh();
}

void FlatCmd::OnAmbientChanged(const std::wstring&) { Refresh(); }

void FlatCmd::OnResize() {
    if (ScaleWidth() < kMinSidePixels) SetWidth(kSnapTwips);
    if (ScaleHeight() < kMinSidePixels) SetHeight(kSnapTwips);
    pixelWidth_ = host::RoundToLong(ScaleWidth());
    pixelHeight_ = host::RoundToLong(ScaleHeight());
    focusRect_ = RECT{kFocusInset, kFocusInset, host::RoundToLong(ScaleWidth() - kFocusInset),
                      host::RoundToLong(ScaleHeight() - kFocusInset)};
    if (prop_.xpStyle && prop_.xpWinStyle) ApplyRoundRegion();
    Refresh();
}

}  // namespace controls
