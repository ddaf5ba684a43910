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
    host::FontPtr Font() const { return font_; }
    void SetFont(const host::FontPtr& font);
    HWND hwnd() const { return hWnd(); }
    int32_t MousePointer() const { return UserControl::MousePointer(); }
    void SetMousePointer(int32_t value);
    host::PicturePtr MouseIcon() const { return UserControl::MouseIcon(); }
    void SetMouseIcon(host::PicturePtr icon);
    bool ShowBorderOnFocus() const { return prop_.showBorderOnFocus; }
    void SetShowBorderOnFocus(bool value);
    bool ShowFocusRect() const { return prop_.showFocusRect; }
    void SetShowFocusRect(bool value);
    bool RAISED() const { return prop_.raised; }
    void SetRAISED(bool value);
    const std::wstring& URL() const { return prop_.url; }
    void SetURL(const std::wstring& value);
    const std::wstring& Caption() const { return prop_.caption; }
    void SetCaption(const std::wstring& value);
    int32_t PicturePosition() const { return prop_.picturePosition; }
    void SetPicturePosition(int32_t value);
    host::PicturePtr Picture() const { return normalPicture_; }
    void SetPicture(const host::PicturePtr& picture);
    int32_t PictureWidth() const { return prop_.pictureWidth; }
    void SetPictureWidth(int32_t value);
    int32_t PictureHeight() const { return prop_.pictureHeight; }
    void SetPictureHeight(int32_t value);
    int32_t PictureSize() const { return prop_.pictureSize; }
    void SetPictureSize(int32_t value);
    host::PicturePtr PictureHover() const { return prop_.pictureHover; }
    void SetPictureHover(const host::PicturePtr& picture);
    bool XPStyle() const { return prop_.xpStyle; }
    void SetXPStyle(bool value);
    host::OleColor XPColor_Pressed() const { return prop_.xpColorPressed; }
    void SetXPColor_Pressed(host::OleColor value);
    host::OleColor XPColor_Hover() const { return prop_.xpColorHover; }
    void SetXPColor_Hover(host::OleColor value);
    bool XPDefaultColors() const { return prop_.xpDefaultColors; }
    void SetXPDefaultColors(bool value);
    host::OleColor BackColor() const { return prop_.backColor; }  // the host's own: Surface::BackColor()
    void SetBackColor(host::OleColor value);
    host::OleColor ForeColor() const { return prop_.foreColor; }  // the host's own: Surface::ForeColor()
    void SetForeColor(host::OleColor value);
    host::Variant SoundOver() const { return host::Variant(prop_.soundOver); }
    void SetSoundOver(const host::Variant& value);
    const std::wstring& SoundClick() const { return prop_.soundClick; }
    void SetSoundClick(const std::wstring& value);
    std::wstring version() const { return kVersion; }
    void Setversion(const std::wstring& ignored);
    bool NoBorderEffect() const { return prop_.noBorderEffect; }
    void SetNoBorderEffect(bool value);
    bool XPShowBorderAlways() const { return prop_.xpShowBorderAlways; }
    void SetXPShowBorderAlways(bool value);
    host::OleColor MaskColor() const { return prop_.maskColor; }
    void SetMaskColor(host::OleColor value);
    bool TransparentBG() const { return prop_.transparentBg; }
    void SetTransparentBG(bool value);
    int16_t BEVEL() const { return prop_.bevel; }
    void SetBEVEL(int16_t value);
    int16_t BEVELDEPTH() const { return prop_.bevelDepth; }
    void SetBEVELDEPTH(int16_t value);
    bool XPWinStyle() const { return prop_.xpWinStyle; }
    void SetXPWinStyle(bool value);
    const host::PublishedProperties* Published() const override;

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

    static constexpr const wchar_t* kVersion = L"2712015";

protected:
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
    // What a screen reader reads (FlatCmdAccessible.cpp).
    host::AccessibleDescription DescribeAccessible() const override;
    void DoAccessibleDefaultAction(long item) override;

private:
    friend struct FlatCmdTestAccess;

    // The persisted state: one field per stored property.
    struct Persisted {
        std::wstring caption;
        int32_t picturePosition = 0;
        int32_t pictureWidth = 0;
        int32_t pictureHeight = 0;
        int32_t pictureSize = 0;
        int32_t originalPicSizeW = 0;  // natural size of Picture in pixels
        int32_t originalPicSizeH = 0;
        host::PicturePtr pictureHover;
        std::wstring url;
        bool raised = false;
        bool showBorderOnFocus = false;
        bool showFocusRect = false;
        bool xpWinStyle = false;
        int16_t bevel = 0;
        int16_t bevelDepth = 0;
        bool transparentBg = false;
        host::OleColor maskColor = 0;
        bool xpShowBorderAlways = false;
        bool storedDefCurHand = false;  // "DefCurHand": read and written back only
        bool noBorderEffect = false;
        std::wstring soundOver;
        std::wstring soundClick;
        host::OleColor foreColor = 0;
        host::OleColor backColor = 0;
        bool xpDefaultColors = false;
        host::OleColor xpColorPressed = 0;
        host::OleColor xpColorHover = 0;
        bool xpStyle = false;
    };
    Persisted prop_;

    // ---- Run-time state ----
    bool hasFocus_ = false;
    bool isDown_ = false;         // drawn pressed
    bool isOver_ = false;         // mouse over the button
    bool keyHeld_ = false;        // a key went down and has not come up
    bool announcedDown_ = false;  // the pressed state assistive technology was last told
    int16_t lastButton_ = 0;
    int16_t lastShift_ = 0;
    float lastX_ = 0;
    float lastY_ = 0;
    host::PicturePtr normalPicture_;
    host::PicturePtr shownPicture_;  // normalPicture_, or PictureHover while hovered
    int32_t pixelWidth_ = 0;
    int32_t pixelHeight_ = 0;
    RECT focusRect_{};
    RECT clientRect_{};
    RECT contentRect_{};
    RECT pictureRect_{};
    RECT captionRect_{};
    host::FontPtr font_;
    host::Connection fontChanges_;
    host::Timer overTimer_{L"OverTimer"};
    host::Connection overTimerTicks_;

    // ---- Property bag exchange: every stored key once, with the orders of reading
    // and writing (FlatCmd.cpp) ----
    struct BagKey;
    struct BagKeys;
    static const BagKeys& Keys();

    // ---- State and input helpers ----
    void Announce(const BagKey& key, bool repaint);  // PropertyChanged, then Refresh when asked
    void BindFont(host::FontPtr font);               // font_ := font, listening to its changes
    void FontChanged();
    void OverTimerTimer();
    bool IsInside(float x, float y) const;
    void ClickAndGo();       // raise Click, then GoToURL
    void AnnouncePressed();  // tells assistive technology when isDown_ changed
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
    DRAWTEXTPARAMS drawParams_{};
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
