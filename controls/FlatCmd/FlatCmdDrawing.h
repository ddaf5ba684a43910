#pragma once
// Free drawing helpers of the flat button that need no button: the transparent
// copy, the caption's code-page cut and the picture-and-caption layout.
#include <windows.h>

#include <optional>
#include <string>

#include "host/windows/Surface.h"

namespace controls::flatcmd {

// Copies the source rectangle (sl, st)-(sr, sb) of `src` to (dx, dy) of `dst`,
// leaving the destination as `work` has it wherever the source pixel equals
// `transparent`. Temporary contexts and bitmaps are made compatible with `work`.
// A width or height outside 16 bits raises the host's overflow error.
void TransparentBlit(HDC dst, HDC work, HDC src, int sl, int st, int sr, int sb, int dx, int dy, COLORREF transparent);

// The surface's ScaleWidth x ScaleHeight (pixels for the button), rounded.
SIZE RoundedSize(const host::Surface& surface);

// The caption as it is measured and drawn: its code-page-936 bytes cut after as
// many bytes as the caption has characters (a double-byte character that would be
// split is left out), converted back.
std::wstring CutCaptionToCodePage(const std::wstring& caption);

// Where the picture and the caption go inside the content area.
struct PictureLayout {
    RECT picture;
    RECT caption;
};
enum PicturePlace : long { kPictureAbove = 0, kPictureLeft = 1, kPictureRight = 2, kPictureBelow = 3 };
// Places a picture of `picture` size and a caption measured at `caption` size in
// `content` for a picture position 0..3; other positions have no layout.
std::optional<PictureLayout> LayoutPictureAndCaption(const RECT& content, SIZE picture, SIZE caption, long position);
// A rectangle of `size` centred in `area` (halves rounded toward zero).
RECT CentreIn(const RECT& area, SIZE size);

}  // namespace controls::flatcmd
