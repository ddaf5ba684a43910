// The flat button's picture: where it goes beside the caption, and how bitmaps
// and icons are drawn, scaled, made transparent and greyed.
#include <cstdint>

#include "controls/FlatCmd/FlatCmd.h"
#include "controls/FlatCmd/FlatCmdColors.h"
#include "controls/FlatCmd/FlatCmdDrawing.h"
#include "host/values/Error.h"
#include "host/values/Gdi.h"

namespace controls::flatcmd {

namespace {

// Width and height of a transparent copy are 16-bit values.
int ToInt16(int value) {
    if (value < INT16_MIN || value > INT16_MAX) host::Raise(host::err::Overflow);
    return value;
}

int Centre(int start, int span, int length) { return start + (span - length) / 2; }

RECT At(int left, int top, SIZE size) { return RECT{left, top, left + size.cx, top + size.cy}; }

}  // namespace

void TransparentBlit(HDC dst, HDC work, HDC src, int sl, int st, int sr, int sb, int dx, int dy, COLORREF transparent) {
    const int w = ToInt16(sr - sl), h = ToInt16(sb - st);
    if (w <= 0 || h <= 0) return;
    namespace gdi = host::gdi;
    gdi::MemoryDC maskDC(work), invertedDC(work), backDC(work), imageDC(work);
    gdi::Bitmap mask = gdi::MonochromeBitmap(w, h), inverted = gdi::MonochromeBitmap(w, h);
    gdi::Bitmap back = gdi::CompatibleBitmap(work, w, h), image = gdi::CompatibleBitmap(work, w, h);
    gdi::Selection selectMask(maskDC, mask), selectInverted(invertedDC, inverted);
    gdi::Selection selectBack(backDC, back), selectImage(imageDC, image);

    // Source pixels of the transparent colour become 1 (white) in the mask.
    const COLORREF sourceBack = SetBkColor(src, transparent);
    BitBlt(maskDC, 0, 0, w, h, src, sl, st, SRCCOPY);
    SetBkColor(src, sourceBack);
    BitBlt(invertedDC, 0, 0, w, h, maskDC, 0, 0, NOTSRCCOPY);
    // The background survives where the picture is transparent, the picture elsewhere.
    BitBlt(backDC, 0, 0, w, h, work, dx, dy, SRCCOPY);
    BitBlt(backDC, 0, 0, w, h, maskDC, 0, 0, SRCAND);
    BitBlt(imageDC, 0, 0, w, h, src, sl, st, SRCCOPY);
    BitBlt(imageDC, 0, 0, w, h, invertedDC, 0, 0, SRCAND);
    BitBlt(backDC, 0, 0, w, h, imageDC, 0, 0, SRCINVERT);
    BitBlt(dst, dx, dy, w, h, backDC, 0, 0, SRCCOPY);
}

RECT CentreIn(const RECT& area, SIZE size) {
    return At(Centre(area.left, area.right - area.left, size.cx), Centre(area.top, area.bottom - area.top, size.cy),
              size);
}

std::optional<PictureLayout> LayoutPictureAndCaption(const RECT& content, SIZE picture, SIZE caption, long position) {
    const int spanX = content.right - content.left, spanY = content.bottom - content.top;
    switch (position) {
    case kPictureAbove:
    case kPictureBelow: {
        const int top = Centre(content.top, spanY, picture.cy + kPictureGap + caption.cy);
        const int pictureLeft = Centre(content.left, spanX, picture.cx);
        const int captionLeft = Centre(content.left, spanX, caption.cx);
        if (position == kPictureAbove)
            return PictureLayout{At(pictureLeft, top, picture),
                                 At(captionLeft, top + picture.cy + kPictureGap, caption)};
        return PictureLayout{At(pictureLeft, top + caption.cy + kPictureGap, picture), At(captionLeft, top, caption)};
    }
    case kPictureLeft:
    case kPictureRight: {
        const int left = Centre(content.left, spanX, picture.cx + kPictureGap + caption.cx);
        const int pictureTop = Centre(content.top, spanY, picture.cy);
        const int captionTop = Centre(content.top, spanY, caption.cy);
        if (position == kPictureLeft)
            return PictureLayout{At(left, pictureTop, picture),
                                 At(left + picture.cx + kPictureGap, captionTop, caption)};
        return PictureLayout{At(left + caption.cx + kPictureGap, pictureTop, picture), At(left, captionTop, caption)};
    }
    default: return std::nullopt;
    }
}

}  // namespace controls::flatcmd

namespace controls {

using namespace flatcmd;

namespace {

// A memory context holding a bitmap compatible with `like`, for the picture's copies.
struct Scratch {
    Scratch(HDC like, int width, int height) : dc(like), bitmap(host::gdi::CompatibleBitmap(like, width, height)) {}
    host::gdi::MemoryDC dc;
    host::gdi::Bitmap bitmap;
};

}  // namespace

void FlatCmd::CalcLayout() {
    const SIZE size = RoundedSize(*this);
    clientRect_ = RECT{0, 0, size.cx, size.cy};
    contentRect_ = RECT{kContentInsetTopLeft, kContentInsetTopLeft, size.cx - kContentInsetBottomRight,
                        size.cy - kContentInsetBottomRight};
    if (PictureAbsent(shownPicture_)) {
        captionRect_ = contentRect_;
        MeasureCaption();
        return;
    }
    const SIZE picture{prop_.pictureWidth, prop_.pictureHeight};
    if (prop_.caption.empty()) {
        pictureRect_ = CentreIn(contentRect_, picture);
        return;
    }
    captionRect_ = contentRect_;
    MeasureCaption();
    const SIZE caption{captionRect_.right - captionRect_.left, captionRect_.bottom - captionRect_.top};
    if (auto layout = LayoutPictureAndCaption(contentRect_, picture, caption, prop_.picturePosition)) {
        pictureRect_ = layout->picture;
        captionRect_ = layout->caption;
    }
}

// Bitmaps and icons are drawn; other kinds of picture (metafiles) are not.
void FlatCmd::DrawPicture() {
    if (PictureAbsent(shownPicture_)) return;
    RECT r = pictureRect_;
    if (isDown_) OffsetRect(&r, kPressedOffset, kPressedOffset);
    switch (shownPicture_->Type()) {
    case host::PictureType::Bitmap: DrawBitmapPicture(Enabled(), r); break;
    case host::PictureType::Icon: DrawIconPicture(Enabled(), r); break;
    default: break;
    }
}

// The bitmap at its natural size in A, scaled into B, and B onto the face with
// MaskColor left out; disabled, the MaskColor areas turn white and the scaled copy
// is drawn greyed.
void FlatCmd::DrawBitmapPicture(bool enabled, RECT r) {
    HDC dc = hDC();
    const int naturalW = prop_.originalPicSizeW, naturalH = prop_.originalPicSizeH;
    const int shownW = prop_.pictureWidth, shownH = prop_.pictureHeight;
    const auto bitmap = reinterpret_cast<HBITMAP>(shownPicture_->Handle());
    Scratch natural(dc, naturalW, naturalH), scaled(dc, shownW, shownH);
    host::gdi::Selection selectNatural(natural.dc, natural.bitmap);
    if (enabled) {
        host::gdi::Selection selectScaled(scaled.dc, scaled.bitmap);
        DrawStateW(natural.dc, nullptr, nullptr, reinterpret_cast<LPARAM>(bitmap), 0, 0, 0, 0, 0, DST_BITMAP);
        StretchBlt(scaled.dc, 0, 0, shownW, shownH, natural.dc, 0, 0, naturalW, naturalH, SRCCOPY);
        TransparentBlit(dc, dc, scaled.dc, 0, 0, shownW, shownH, r.left, r.top, prop_.maskColor);
        return;
    }
    {
        host::gdi::MemoryDC original(dc);
        host::gdi::Selection selectOriginal(original, bitmap);
        DrawRect(natural.dc, 0, 0, naturalW, naturalH, kWhite, true);
        TransparentBlit(natural.dc, natural.dc, original, 0, 0, naturalW, naturalH, 0, 0, prop_.maskColor);
    }
    {
        host::gdi::Selection selectScaled(scaled.dc, scaled.bitmap);
        StretchBlt(scaled.dc, 0, 0, shownW, shownH, natural.dc, 0, 0, naturalW, naturalH, SRCCOPY);
    }
    DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(scaled.bitmap.Get()), 0, r.left, r.top, 0, 0,
               DST_BITMAP | DSS_DISABLED);
}

// Enabled, the icon's own mask makes it transparent. Disabled, it is greyed on
// black and copied with black transparent.
void FlatCmd::DrawIconPicture(bool enabled, RECT r) {
    const int shownW = r.right - r.left, shownH = r.bottom - r.top;
    if (enabled) {
        PaintPicture(shownPicture_, r.left, r.top, shownW, shownH);
        return;
    }
    HDC dc = hDC();
    const int naturalW = prop_.originalPicSizeW, naturalH = prop_.originalPicSizeH;
    Scratch natural(dc, naturalW, naturalH), scaled(dc, prop_.pictureWidth, prop_.pictureHeight);
    host::gdi::Selection selectNatural(natural.dc, natural.bitmap), selectScaled(scaled.dc, scaled.bitmap);
    DrawRect(natural.dc, 0, 0, naturalW, naturalH, kIconTransparent, true);
    DrawStateW(natural.dc, nullptr, nullptr, static_cast<LPARAM>(shownPicture_->Handle()), 0, 0, 0, 0, 0,
               DST_ICON | DSS_DISABLED);
    StretchBlt(scaled.dc, 0, 0, shownW, shownH, natural.dc, 0, 0, naturalW, naturalH, SRCCOPY);
    TransparentBlit(dc, dc, scaled.dc, 0, 0, prop_.pictureWidth, prop_.pictureHeight, r.left, r.top, kIconTransparent);
}

}  // namespace controls
