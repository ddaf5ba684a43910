#include "FramePieces.h"

#include "AppIcon.h"
#include "Palette.h"
#include "Shapes.h"
#include "TopButton.h"
#include "WindowFrame.h"

namespace {

constexpr int kTitleLeftWidth = 40;
constexpr int kTitleMiddleWidth = 67;
constexpr int kTitleRightWidth = 89;
constexpr int kBorderLeftHeight = 102;
constexpr int kBorderRightHeight = 139;
constexpr int kBorderBottomWidth = 132;

// The frame the pieces are cut from: just wide and tall enough for each of them.
constexpr int kFrameWidth = kTitleLeftWidth + kTitleMiddleWidth + kTitleRightWidth;
constexpr int kFrameHeight = kTitleBarHeight + kBorderRightHeight + kBottomBorderHeight;

// The emblem sits left of the caption, which starts at x = 40.
constexpr int kEmblemSize = 16;
constexpr int kEmblemLeft = 14;
constexpr int kEmblemTop = 6;

// The title-bar button lies on the right end at this place; a rounded slot
// around it holds the flat green the button pictures have in their corners.
constexpr Box kButtonPlace = {40.0, 3.0, 40.0 + kTopButtonSize, 3.0 + kTopButtonSize};
constexpr Box kSocket = {36.0, 1.0, 63.0, 24.0};
constexpr double kSocketRadius = 5.5;
constexpr double kSocketRimWidth = 1.0;

struct Cut {
    int left;
    int top;
    int width;
    int height;
};

Cut CutOf(FramePiece piece) {
    constexpr int right = kFrameWidth - kSideBorderWidth;
    constexpr int bottom = kFrameHeight - kBottomBorderHeight;
    switch (piece) {
    case FramePiece::TitleLeft: return {0, 0, kTitleLeftWidth, kTitleBarHeight};
    case FramePiece::TitleMiddle: return {kTitleLeftWidth, 0, kTitleMiddleWidth, kTitleBarHeight};
    case FramePiece::TitleRight: return {kFrameWidth - kTitleRightWidth, 0, kTitleRightWidth, kTitleBarHeight};
    case FramePiece::BorderLeft: return {0, kTitleBarHeight, kSideBorderWidth, kBorderLeftHeight};
    case FramePiece::BorderRight: return {right, kTitleBarHeight, kSideBorderWidth, kBorderRightHeight};
    case FramePiece::CornerBottomLeft: return {0, bottom, kSideBorderWidth, kBottomBorderHeight};
    case FramePiece::BorderBottom: return {kSideBorderWidth, bottom, kBorderBottomWidth, kBottomBorderHeight};
    case FramePiece::CornerBottomRight: return {right, bottom, kSideBorderWidth, kBottomBorderHeight};
    }
    return {};
}

Box Shrunk(const Box& box, double by) { return {box.left + by, box.top + by, box.right - by, box.bottom - by}; }

Colour SocketPixel(const Canvas& bar, Point p) {
    if (InBox(p, kButtonPlace)) {
        return kSocketGreen;
    }
    if (!InRoundedBox(p, kSocket, kSocketRadius)) {
        // A light line under the slot makes it look cut into the bar.
        const bool underSlot = InRoundedBox({p.x, p.y - 1.0}, kSocket, kSocketRadius);
        return underSlot ? kSocketLowerLight : bar.At(static_cast<int>(p.x), static_cast<int>(p.y));
    }
    const Box inner = Shrunk(kSocket, kSocketRimWidth);
    const double innerRadius = kSocketRadius - kSocketRimWidth;
    if (!InRoundedBox(p, inner, innerRadius)) {
        return kSocketRim;
    }
    // The slot's upper inside edge is in shade.
    return InRoundedBox({p.x, p.y - 1.0}, inner, innerRadius) ? kSocketGreen : kSocketInnerShade;
}

Canvas WithSocket(const Canvas& bar) {
    return Render(bar.Width(), bar.Height(), [&bar](double x, double y) { return SocketPixel(bar, {x, y}); });
}

}  // namespace

Canvas DrawFramePiece(FramePiece piece) {
    const Cut cut = CutOf(piece);
    Canvas picture = Crop(DrawFrame(kFrameWidth, kFrameHeight), cut.left, cut.top, cut.width, cut.height);
    if (piece == FramePiece::TitleLeft) {
        Paste(picture, DrawAppIcon(kEmblemSize), kEmblemLeft, kEmblemTop);
    }
    if (piece == FramePiece::TitleRight) {
        picture = WithSocket(picture);
    }
    return picture;
}
