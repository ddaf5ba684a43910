#pragma once
// The drawing surface of a form, picture box or user control: its scale, colours,
// font, background picture, a persistent off-screen image (AutoRedraw), and the
// drawing methods Cls, Line, PaintPicture, Print, TextWidth and TextHeight.
//
// All drawing goes to the persistent image, which WM_PAINT shows; so the image also
// stays after AutoRedraw goes back to false, and hDC is the image's device context.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "host/values/Color.h"
#include "host/values/Event.h"
#include "host/values/Font.h"
#include "host/values/Gdi.h"
#include "host/values/Picture.h"
#include "host/values/Units.h"

namespace host {

class Surface {
public:
    enum class LineKind { Line, Box, FilledBox };

    Surface();
    virtual ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    ScaleMode GetScaleMode() const { return scaleMode_; }
    void SetScaleMode(ScaleMode mode) { scaleMode_ = mode; }
    double ScaleWidth() const;
    double ScaleHeight() const;
    double ScaleLeft() const { return 0; }
    double ScaleTop() const { return 0; }

    bool AutoRedraw() const { return autoRedraw_; }
    void SetAutoRedraw(bool on);
    OleColor BackColor() const { return backColor_; }
    void SetBackColor(OleColor colour);  // also clears the surface
    OleColor ForeColor() const { return foreColor_; }
    void SetForeColor(OleColor colour);  // also the pen of Line and of LineTo on hDC
    int DrawWidth() const { return drawWidth_; }
    void SetDrawWidth(int width);
    FontPtr GetFont() const { return font_; }
    void SetFont(FontPtr font);  // shares the object; its changes apply at once
    PicturePtr GetPicture() const { return picture_; }
    void SetPicture(PicturePtr picture);

    void Cls();
    HDC hDC();
    // Line, or box outline (both corners included), or filled box, in the surface's
    // scale; `colour` defaults to ForeColor. Leaves CurrentX/Y at (x2, y2).
    void Line(double x1, double y1, double x2, double y2, std::optional<OleColor> colour = {},
              LineKind kind = LineKind::Line);
    // Draws a picture at (x, y), scaled to w x h when given (surface scale).
    void PaintPicture(const PicturePtr& picture, double x, double y, std::optional<double> w = {},
                      std::optional<double> h = {});
    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }
    void SetCurrentX(double x) { currentX_ = x; }
    void SetCurrentY(double y) { currentY_ = y; }
    double TextWidth(const std::wstring& text);
    double TextHeight(const std::wstring& text);
    // Text at the current position in ForeColor on a transparent background; a
    // new line moves the position to the start of the next line, otherwise after the text.
    void Print(const std::wstring& text, bool newLine = true);
    // The colour of one pixel of the image (surface scale), for checks.
    COLORREF Point(double x, double y);
    // Shows the current image at once.
    void RefreshSurface();

protected:
    virtual HWND SurfaceWindow() const = 0;
    // The client size the window will have, while there is none yet.
    virtual SIZE ClientSizeWithoutWindow() const { return SIZE{0, 0}; }
    // Called when the background changed so that owners can notify (ambient changes).
    virtual void SurfaceBackColorChanged() {}
    virtual void SurfaceFontChanged() {}
    // WM_SIZE: grows or shrinks the image, keeping what was drawn.
    void SurfaceResized();
    // WM_PAINT helper: background (image, or colour and picture) into `dc`.
    void PaintBackground(HDC dc, const RECT& client) const;
    bool HasImage() const { return image_ != nullptr; }

private:
    int ToPixelX(double v) const;
    int ToPixelY(double v) const;
    double FromPixelX(double px) const;
    double FromPixelY(double px) const;
    SIZE ClientSize() const;
    // The persistent image with the pen and font of the drawing methods selected.
    struct Image {
        explicit Image(SIZE size);
        SIZE size;
        gdi::MemoryDC dc{nullptr};
        gdi::Selected<HBITMAP> bitmap{dc};
        gdi::Selected<HPEN> pen{dc};
        gdi::Selected<HFONT> font{dc};
    };

    HDC EnsureImage();
    void FillImage(HDC dc, SIZE size) const;
    void ApplyPen();
    void ApplyFont();
    void Changed();

    ScaleMode scaleMode_ = ScaleMode::Twips;
    bool autoRedraw_ = false;
    bool repaintPending_ = false;  // a paint was asked for since AutoRedraw went on
    OleColor backColor_ = kButtonFace;
    OleColor foreColor_ = kButtonText;
    int drawWidth_ = 1;
    FontPtr font_;
    Connection fontChanges_;
    PicturePtr picture_;
    double currentX_ = 0, currentY_ = 0;
    std::unique_ptr<Image> image_;
};

// Draws a picture (bitmap, icon or metafile) into a rectangle of `dc`.
void DrawPictureInto(HDC dc, const Picture& picture, const RECT& target);
// A picture's natural size in pixels.
SIZE PicturePixelSize(const Picture& picture);

}  // namespace host
