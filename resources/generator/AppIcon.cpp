#include "AppIcon.h"

#include "Palette.h"
#include "Shapes.h"

namespace {

// Where the parts of the icon lie on a design grid, which is scaled to the
// size asked for. Small sizes get a layout of their own with bolder parts
// on whole pixels, as a scaled-down large one turns to mush.
struct Layout {
    double gridSize;
    Box tile;
    double tileRadius;
    Box boxBody;
    Box boxLid;
    double boxRadius;
    Box slot;
    double slotRadius;
    Box paper;
    Point checkStart;
    Point checkCorner;
    Point checkEnd;
    double checkHalfStroke;
};

constexpr Layout kLargeLayout = {
    32.0,
    {1.0, 1.0, 31.0, 31.0},
    6.5,
    {6.5, 17.5, 25.5, 28.0},
    {5.0, 15.0, 27.0, 18.5},
    1.5,
    {8.5, 16.0, 23.5, 17.5},
    0.75,
    {11.0, 3.5, 21.0, 16.75},
    {13.2, 10.0},
    {15.6, 12.6},
    {19.2, 6.6},
    1.15,
};

constexpr Layout kSmallLayout = {
    16.0,
    {0.0, 0.0, 16.0, 16.0},
    3.5,
    {3.0, 10.0, 13.0, 15.0},
    {2.0, 8.0, 14.0, 10.5},
    0.8,
    {3.5, 8.5, 12.5, 9.5},
    0.4,
    {5.0, 1.5, 11.0, 9.0},
    {6.3, 5.0},
    {7.6, 6.6},
    {9.9, 3.2},
    0.8,
};

// The largest size that uses the small layout.
constexpr int kLargestSmallIcon = 16;
// One design-grid unit of dark outline around the tile.
constexpr double kTileOutlineWidth = 1.0;
// The box and ballot cast a soft shadow down and to the right onto the tile.
constexpr double kShadowOffset = 1.0;
constexpr double kShadowOpacity = 0.28;

bool InBallotBox(const Layout& l, Point p) {
    return InRoundedBox(p, l.boxBody, l.boxRadius) || InRoundedBox(p, l.boxLid, l.boxRadius);
}

Colour TilePixel(const Layout& l, Point p) {
    const Box inner = {l.tile.left + kTileOutlineWidth, l.tile.top + kTileOutlineWidth,
                       l.tile.right - kTileOutlineWidth, l.tile.bottom - kTileOutlineWidth};
    if (!InRoundedBox(p, inner, l.tileRadius - kTileOutlineWidth)) {
        return kIconOutline;
    }
    const Colour face = Mix(kIconGreenTop, kIconGreenBottom, (p.y - inner.top) / (inner.bottom - inner.top));
    const Point shadowed = {p.x - kShadowOffset, p.y - kShadowOffset};
    const bool inShadow = InBox(shadowed, l.paper) || InBallotBox(l, shadowed);
    return inShadow ? Over(face, kIconShadow, kShadowOpacity) : face;
}

Colour BoxPixel(const Layout& l, Point p) {
    if (InRoundedBox(p, l.slot, l.slotRadius)) {
        return kIconSlot;
    }
    if (InRoundedBox(p, l.boxLid, l.boxRadius)) {
        return kIconBoxFront;
    }
    return Mix(kIconBoxFront, kIconBoxShade, (p.y - l.boxBody.top) / (l.boxBody.bottom - l.boxBody.top));
}

bool InCheck(const Layout& l, Point p) {
    return NearSegment(p, l.checkStart, l.checkCorner, l.checkHalfStroke) ||
           NearSegment(p, l.checkCorner, l.checkEnd, l.checkHalfStroke);
}

Colour IconPixel(const Layout& l, Point p) {
    if (!InRoundedBox(p, l.tile, l.tileRadius)) {
        return kTransparent;
    }
    if (InBox(p, l.paper)) {
        return InCheck(l, p) ? kIconCheck : kIconPaper;
    }
    if (InBallotBox(l, p)) {
        return BoxPixel(l, p);
    }
    return TilePixel(l, p);
}

}  // namespace

Canvas DrawAppIcon(int size) {
    const Layout& layout = size <= kLargestSmallIcon ? kSmallLayout : kLargeLayout;
    const double scale = layout.gridSize / size;
    return Render(size, size, [&layout, scale](double x, double y) {
        return IconPixel(layout, {x * scale, y * scale});
    });
}
