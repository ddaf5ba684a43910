#pragma once
// FlatCmd: the program's own flat command button. A user control that paints its
// whole face itself (3D borders, gradient bevels, an XP flat look and an XP window
// face), with an optional picture, hover and press looks, sounds and an address
// opened after each click.
//
// FlatCmd.cpp holds the properties and the property bag exchange, FlatCmdInput.cpp
// the mouse, keyboard, focus, hover timer, sounds and GoToURL, and the painting
// files (FlatCmdPaint.cpp, FlatCmdPictures.cpp, FlatCmdXPFace.cpp) Refresh and the
// procedures of the "Painting" section below.
#include <windows.h>

#include <cstdint>
#include <string>

#include "host/values/Color.h"
#include "host/values/Event.h"
#include "host/values/Font.h"
#include "host/values/Picture.h"
#include "host/design/PropertyBag.h"
#include "host/stock/Timer.h"
#include "host/forms/UserControl.h"
#include "host/values/Variant.h"

namespace controls {

// A picture counts as absent when there is none or when it is the empty picture.
inline bool PictureAbsent(const host::PicturePtr& picture) { return !picture || picture->IsEmpty(); }

class FlatCmd : public host::UserControl {
public:
    explicit FlatCmd(std::wstring name);
    ~FlatCmd() override;

    // ---- Properties (getter named as the property, setter Set + name) ----
    void SetEnabled(bool enabled) override;  // getter: Control::Enabled()
    host::FontPtr Font() const { return g_Font; }
    void SetFont(const host::FontPtr& font);
    HWND hwnd() const { return hWnd(); }
    int32_t MousePointer() const { return UserControl::MousePointer(); }
    void SetMousePointer(int32_t value);
    host::PicturePtr MouseIcon() const { return UserControl::MouseIcon(); }
    void SetMouseIcon(host::PicturePtr icon);
    bool ShowBorderOnFocus() const { return Prop.ShowBorderOnFocus; }
    void SetShowBorderOnFocus(bool value);
    bool ShowFocusRect() const { return Prop.ShowFocusRect; }
    void SetShowFocusRect(bool value);
    bool RAISED() const { return Prop.RAISED; }
    void SetRAISED(bool value);
    const std::wstring& URL() const { return Prop.URL; }
    void SetURL(const std::wstring& value);
    const std::wstring& Caption() const { return Prop.Caption; }
    void SetCaption(const std::wstring& value);
    int32_t PicturePosition() const { return Prop.PicturePosition; }
    void SetPicturePosition(int32_t value);
    host::PicturePtr Picture() const { return NormalPicture; }
    void SetPicture(const host::PicturePtr& picture);
    int32_t PictureWidth() const { return Prop.PictureWidth; }
    void SetPictureWidth(int32_t value);
    int32_t PictureHeight() const { return Prop.PictureHeight; }
    void SetPictureHeight(int32_t value);
    int32_t PictureSize() const { return Prop.PictureSize; }
    void SetPictureSize(int32_t value);
    host::PicturePtr PictureHover() const { return Prop.PictureHover; }
    void SetPictureHover(const host::PicturePtr& picture);
    bool XPStyle() const { return Prop.XPStyle; }
    void SetXPStyle(bool value);
    host::OleColor XPColor_Pressed() const { return Prop.XPColor_Pressed; }
    void SetXPColor_Pressed(host::OleColor value);
    host::OleColor XPColor_Hover() const { return Prop.XPColor_Hover; }
    void SetXPColor_Hover(host::OleColor value);
    bool XPDefaultColors() const { return Prop.XPDefaultColors; }
    void SetXPDefaultColors(bool value);
    host::OleColor BackColor() const { return Prop.BackColor; }  // the host's own: Surface::BackColor()
    void SetBackColor(host::OleColor value);
    host::OleColor ForeColor() const { return Prop.ForeColor; }  // the host's own: Surface::ForeColor()
    void SetForeColor(host::OleColor value);
    host::Variant SoundOver() const { return host::Variant(Prop.SoundOver); }
    void SetSoundOver(const host::Variant& value);
    const std::wstring& SoundClick() const { return Prop.SoundClick; }
    void SetSoundClick(const std::wstring& value);
    std::wstring version() const { return kVersion; }
    void Setversion(const std::wstring& ignored);
    bool NoBorderEffect() const { return Prop.NoBorderEffect; }
    void SetNoBorderEffect(bool value);
    bool XPShowBorderAlways() const { return Prop.XPShowBorderAlways; }
    void SetXPShowBorderAlways(bool value);
    host::OleColor MaskColor() const { return Prop.MaskColor; }
    void SetMaskColor(host::OleColor value);
    bool TransparentBG() const { return Prop.TransparentBG; }
    void SetTransparentBG(bool value);
    int16_t BEVEL() const { return Prop.BEVEL; }
    void SetBEVEL(int16_t value);
    int16_t BEVELDEPTH() const { return Prop.BEVELDEPTH; }
    void SetBEVELDEPTH(int16_t value);
    bool XPWinStyle() const { return Prop.XPWinStyle; }
    void SetXPWinStyle(bool value);

    // ---- Methods ----
    // Repaints the whole face (defined with the painting).
    void Refresh();
    // Opens URL: "mailto:" addresses through the shell, others through the
    // hyperlink service; nothing for an empty URL.
    void GoToURL();

    // ---- Events, in their fixed order ----
    host::Event<> Click;
    host::Event<int16_t, int16_t> KeyDown;                  // KeyCode, Shift
    host::Event<int16_t> KeyPress;                          // KeyAscii
    host::Event<int16_t, int16_t> KeyUp;                    // KeyCode, Shift
    host::Event<int16_t, int16_t, float, float> MouseDown;  // Button, Shift, X, Y
    host::Event<int16_t, int16_t, float, float> MouseMove;
    host::Event<int16_t, int16_t, float, float> MouseUp;
    host::Event<int16_t> MouseIn;   // Shift of the move that entered
    host::Event<int16_t> MouseOut;  // Shift of the last press

    // ---- Host notifications ----
    void OnInitialize() override;
    void OnInitProperties() override;
    void OnReadProperties(const host::PropertyBag& bag) override;
    void OnWriteProperties(host::PropertyBag& bag) override;
    void OnResize() override;
    void OnTerminate() override;
    void OnAmbientChanged(const std::wstring& name) override;
    void OnEnterFocus() override;
    void OnExitFocus() override;
    void OnAccessKeyPress(int16_t keyAscii) override;
    void OnDblClick() override;
    void OnMouseDown(int16_t button, int16_t shift, float x, float y) override;
    void OnMouseMove(int16_t button, int16_t shift, float x, float y) override;
    void OnMouseUp(int16_t button, int16_t shift, float x, float y) override;
    void OnKeyDown(int16_t keyCode, int16_t shift) override;
    void OnKeyUp(int16_t keyCode, int16_t shift) override;
    void OnKeyPress(int16_t keyAscii) override;

    static constexpr const wchar_t* kVersion = L"2712015";

private:
    friend struct FlatCmdTestAccess;

    // The persisted state: one field per stored property.
    struct Persisted {
        std::wstring Caption;
        int32_t PicturePosition = 0;
        int32_t PictureWidth = 0;
        int32_t PictureHeight = 0;
        int32_t PictureSize = 0;
        int32_t OriginalPicSizeW = 0;  // natural size of Picture in pixels
        int32_t OriginalPicSizeH = 0;
        host::PicturePtr PictureHover;
        std::wstring URL;
        bool RAISED = false;
        bool ShowBorderOnFocus = false;
        bool ShowFocusRect = false;
        bool XPWinStyle = false;
        int16_t BEVEL = 0;
        int16_t BEVELDEPTH = 0;
        bool TransparentBG = false;
        host::OleColor MaskColor = 0;
        bool XPShowBorderAlways = false;
        bool StoredDefCurHand = false;  // "DefCurHand": read and written back only
        bool NoBorderEffect = false;
        std::wstring SoundOver;
        std::wstring SoundClick;
        host::OleColor ForeColor = 0;
        host::OleColor BackColor = 0;
        bool XPDefaultColors = false;
        host::OleColor XPColor_Pressed = 0;
        host::OleColor XPColor_Hover = 0;
        bool XPStyle = false;
    };
    Persisted Prop;

    // ---- Run-time state ----
    bool HasFocus = false;
    bool IsDown = false;    // drawn pressed
    bool IsOver = false;    // mouse over the button
    bool KeyHeld = false;   // a key went down and has not come up
    int16_t LastButton = 0;
    int16_t LastShift = 0;
    float LastX = 0;
    float LastY = 0;
    host::PicturePtr NormalPicture;
    host::PicturePtr ShownPicture;  // NormalPicture, or PictureHover while hovered
    int32_t PixelWidth = 0;
    int32_t PixelHeight = 0;
    RECT FocusRect{};
    RECT ClientRect{};
    RECT ContentRect{};
    RECT PictureRect{};
    RECT CaptionRect{};
    HRGN WindowRegion = nullptr;  // owned by the window once applied
    host::FontPtr g_Font;
    host::Connection g_FontChanges;
    host::Timer OverTimer{L"OverTimer"};
    host::Connection overTimerTicks_;

    // ---- State and input helpers ----
    void Announce(const wchar_t* key, bool repaint);  // PropertyChanged, then Refresh when asked
    void BindFont(host::FontPtr font);  // g_Font := font, listening to its changes
    void g_Font_FontChanged();
    void OverTimer_Timer();
    bool IsInside(float x, float y) const;
    void ClickAndGo();  // raise Click, then GoToURL
    static void PlayButtonSound(const std::wstring& file);

    // ---- Painting ----
    void ApplyStateBackColor();
    void DrawBorder();
    void DrawRaisedBevel(COLORREF c, int n, int step);
    void DrawSunkenBevel(COLORREF c, int n, int step);
    void DrawDefaultFrame();
    void PaintParentBackground();
    void MeasureCaption();
    void DrawCaption();
    void DrawLine(int x1, int y1, int x2, int y2, host::OleColor colour);
    void DrawRect(HDC hdc, int l, int t, int r, int b, host::OleColor colour, bool filled);
    void CalcLayout();
    void DrawPicture();
    void DrawBitmapPicture(bool enabled, RECT r);
    void DrawIconPicture(bool enabled, RECT r);
    void DrawXPWinFace(int state, bool hover);
    void ApplyRoundRegion();
    DRAWTEXTPARAMS DrawParams{};
    // Helpers of the painting files.
    void DrawRaisedBorder();
    void DrawSunkenBorder();
    void DrawOnePixelBorder(host::OleColor inner, host::OleColor outer);
    void DrawXPGradient(COLORREF base, int depth, bool darkenUpward);
    void DrawXPFrame();
    void DrawXPDisabledFace();
    void DrawXPPressedFace();
    void DrawXPNormalFace(bool hover);
    struct FaceLine;  // one edge line of the XP window face
    void DrawFaceLines(const FaceLine* first, const FaceLine* last, COLORREF reference);
    void DrawXPRing(host::OleColor ring, const FaceLine* first, const FaceLine* last);
};


}  // namespace controls
