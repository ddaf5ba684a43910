#include "host/windows/Surface.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "host/values/Breakdown.h"
#include "host/values/Font.h"
#include "host/values/Gdi.h"
#include "host/values/Text.h"
#include "host/windows/Window.h"

namespace host {

namespace {

gdi::Bitmap ImageBitmap(SIZE size) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = std::max<LONG>(size.cx, 1);
    bi.bmiHeader.biHeight = -std::max<LONG>(size.cy, 1);
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    return gdi::Bitmap(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
}

}  // namespace

SIZE PicturePixelSize(const Picture& picture) {
    return SIZE{static_cast<LONG>(std::lround(ScaleX(picture.Width(), ScaleMode::Himetric, ScaleMode::Pixels))),
                static_cast<LONG>(std::lround(ScaleY(picture.Height(), ScaleMode::Himetric, ScaleMode::Pixels)))};
}

void DrawPictureInto(HDC dc, const Picture& picture, const RECT& target) {
    int w = target.right - target.left, h = target.bottom - target.top;
    switch (picture.Type()) {
    case PictureType::Bitmap: {
        SIZE natural = PicturePixelSize(picture);
        gdi::MemoryDC source(dc);
        gdi::Selection select(source, reinterpret_cast<HBITMAP>(picture.Handle()));
        if (w == natural.cx && h == natural.cy)
            BitBlt(dc, target.left, target.top, w, h, source, 0, 0, SRCCOPY);
        else
            StretchBlt(dc, target.left, target.top, w, h, source, 0, 0, natural.cx, natural.cy, SRCCOPY);
        break;
    }
    case PictureType::Icon:
        DrawIconEx(dc, target.left, target.top, reinterpret_cast<HICON>(picture.Handle()), w, h, 0, nullptr, DI_NORMAL);
        break;
    case PictureType::EnhMetafile:
        PlayEnhMetaFile(dc, reinterpret_cast<HENHMETAFILE>(picture.Handle()), &target);
        break;
    default: break;
    }
}

Surface::Image::Image(SIZE imageSize) : size(imageSize) { bitmap.Replace(ImageBitmap(size)); }

Surface::Surface() = default;

Surface::~Surface() = default;

SIZE Surface::ClientSize() const {
    HWND hwnd = SurfaceWindow();
    if (!hwnd) return ClientSizeWithoutWindow();
    RECT r{};
    GetClientRect(hwnd, &r);
    return SIZE{r.right, r.bottom};
}

int Surface::ToPixelX(double v) const {
    return static_cast<int>(std::lround(host::ScaleX(v, scaleMode_, ScaleMode::Pixels)));
}
int Surface::ToPixelY(double v) const {
    return static_cast<int>(std::lround(host::ScaleY(v, scaleMode_, ScaleMode::Pixels)));
}
double Surface::FromPixelX(double px) const { return host::ScaleX(px, ScaleMode::Pixels, scaleMode_); }
double Surface::FromPixelY(double px) const { return host::ScaleY(px, ScaleMode::Pixels, scaleMode_); }

double Surface::ScaleWidth() const { return FromPixelX(ClientSize().cx); }
double Surface::ScaleHeight() const { return FromPixelY(ClientSize().cy); }

void Surface::FillImage(HDC dc, SIZE size) const {
    RECT all{0, 0, size.cx, size.cy};
    gdi::Brush brush = gdi::SolidBrush(TranslateColor(backColor_));
    FillRect(dc, &all, brush);
    if (picture_ && !picture_->IsEmpty()) {
        SIZE p = PicturePixelSize(*picture_);
        DrawPictureInto(dc, *picture_, RECT{0, 0, p.cx, p.cy});
    }
}

HDC Surface::EnsureImage() {
    if (!image_) {
        breakdown::Scope counted(breakdown::Work::Images);
        image_ = std::make_unique<Image>(ClientSize());
        FillImage(image_->dc, image_->size);
        ApplyPen();
        ApplyFont();
    }
    return image_->dc;
}

void Surface::SurfaceResized() {
    if (!image_) return;
    SIZE size = ClientSize();
    if (size.cx == image_->size.cx && size.cy == image_->size.cy) return;
    breakdown::Scope counted(breakdown::Work::Images);
    gdi::Bitmap bigger = ImageBitmap(size);
    {
        gdi::MemoryDC work(image_->dc.Get());
        gdi::Selection select(work, bigger);
        FillImage(work, size);
        BitBlt(work, 0, 0, image_->size.cx, image_->size.cy, image_->dc, 0, 0, SRCCOPY);
    }
    image_->bitmap.Replace(std::move(bigger));
    image_->size = size;
}

void Surface::ApplyPen() {
    if (image_) image_->pen.Replace(gdi::SolidPen(TranslateColor(foreColor_), drawWidth_));
}

void Surface::ApplyFont() {
    if (image_ && font_) image_->font.Replace(gdi::FontHandle(CreateFontFor(*font_)));
}

// The window shows the image at its next paint. A pass of many drawing calls
// with AutoRedraw on asks for that paint once, not once per call.
void Surface::Changed() {
    if (autoRedraw_ && repaintPending_) return;
    repaintPending_ = autoRedraw_;
    if (HWND hwnd = SurfaceWindow()) InvalidateShown(hwnd);
}

void Surface::SetAutoRedraw(bool on) {
    autoRedraw_ = on;
    repaintPending_ = false;
    if (on)
        EnsureImage();
    else
        Changed();
}

void Surface::SetBackColor(OleColor colour) {
    TranslateColor(colour);  // an invalid colour fails before anything changes
    backColor_ = colour;
    if (image_) Cls();
    Changed();
    SurfaceBackColorChanged();
}

void Surface::SetForeColor(OleColor colour) {
    TranslateColor(colour);
    foreColor_ = colour;
    ApplyPen();
}

void Surface::SetDrawWidth(int width) {
    drawWidth_ = std::max(width, 1);
    ApplyPen();
}

void Surface::SetFont(FontPtr font) {
    font_ = std::move(font);
    fontChanges_ = font_ ? font_->Subscribe([this](const std::wstring&) {
        ApplyFont();
        SurfaceFontChanged();
    })
                         : Connection();
    ApplyFont();
    SurfaceFontChanged();
}

void Surface::SetPicture(PicturePtr picture) {
    picture_ = std::move(picture);
    if (image_) Cls();
    Changed();
}

void Surface::Cls() {
    FillImage(EnsureImage(), image_->size);
    currentX_ = currentY_ = 0;
    Changed();
}

HDC Surface::hDC() { return EnsureImage(); }

void Surface::Line(double x1, double y1, double x2, double y2, std::optional<OleColor> colour, LineKind kind) {
    HDC dc = EnsureImage();
    COLORREF rgb = TranslateColor(colour.value_or(foreColor_));
    int px1 = ToPixelX(x1), py1 = ToPixelY(y1), px2 = ToPixelX(x2), py2 = ToPixelY(y2);
    if (kind == LineKind::Line) {
        // The selected pen already draws in ForeColor; another colour needs its own.
        gdi::Pen pen = colour ? gdi::SolidPen(rgb, drawWidth_) : gdi::Pen();
        gdi::Selection select(dc, pen.Get());
        MoveToEx(dc, px1, py1, nullptr);
        LineTo(dc, px2, py2);
    } else {
        RECT box{std::min(px1, px2), std::min(py1, py2), std::max(px1, px2) + 1, std::max(py1, py2) + 1};
        gdi::Brush brush = gdi::SolidBrush(rgb);
        if (kind == LineKind::FilledBox)
            FillRect(dc, &box, brush);
        else
            FrameRect(dc, &box, brush);
    }
    currentX_ = x2;
    currentY_ = y2;
    Changed();
}

void Surface::PaintPicture(const PicturePtr& picture, double x, double y, std::optional<double> w,
                           std::optional<double> h) {
    if (!picture || picture->IsEmpty()) return;
    HDC dc = EnsureImage();
    SIZE natural = PicturePixelSize(*picture);
    int left = ToPixelX(x), top = ToPixelY(y);
    int width = w ? ToPixelX(*w) : natural.cx, height = h ? ToPixelY(*h) : natural.cy;
    DrawPictureInto(dc, *picture, RECT{left, top, left + width, top + height});
    Changed();
}

double Surface::TextWidth(const std::wstring& text) {
    HDC dc = EnsureImage();
    LONG widest = 0;
    for (auto& line : SplitLines(text)) {
        SIZE s{};
        GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &s);
        widest = std::max(widest, s.cx);
    }
    return FromPixelX(widest);
}

double Surface::TextHeight(const std::wstring& text) {
    HDC dc = EnsureImage();
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    return FromPixelY(static_cast<double>(tm.tmHeight) * SplitLines(text).size());
}

void Surface::Print(const std::wstring& text, bool newLine) {
    HDC dc = EnsureImage();
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColour = SetTextColor(dc, TranslateColor(foreColor_));
    auto lines = SplitLines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto& line = lines[i];
        TextOutW(dc, ToPixelX(currentX_), ToPixelY(currentY_), line.c_str(), static_cast<int>(line.size()));
        bool last = i + 1 == lines.size();
        if (last && !newLine) {
            SIZE s{};
            GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &s);
            currentX_ += FromPixelX(s.cx);
        } else {
            currentX_ = 0;
            currentY_ += FromPixelY(tm.tmHeight);
        }
    }
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    Changed();
}

COLORREF Surface::Point(double x, double y) {
    HDC dc = EnsureImage();
    return GetPixel(dc, ToPixelX(x), ToPixelY(y));
}

void Surface::RefreshSurface() {
    if (HWND hwnd = SurfaceWindow()) {
        InvalidateRect(hwnd, nullptr, FALSE);
        UpdateWindow(hwnd);
    }
}

void Surface::PaintBackground(HDC dc, const RECT& client) const {
    if (image_) {
        BitBlt(dc, 0, 0, client.right, client.bottom, image_->dc, 0, 0, SRCCOPY);
        return;
    }
    FillImage(dc, SIZE{client.right, client.bottom});
}

}  // namespace host
