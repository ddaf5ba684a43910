#include "Shapes.h"

#include <algorithm>
#include <cmath>

double Distance(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

bool InBox(Point p, const Box& box) { return p.x >= box.left && p.x < box.right && p.y >= box.top && p.y < box.bottom; }

bool InEllipse(Point p, Point centre, double radiusX, double radiusY) {
    const double dx = (p.x - centre.x) / radiusX;
    const double dy = (p.y - centre.y) / radiusY;
    return dx * dx + dy * dy <= 1.0;
}

bool InRoundedBox(Point p, const Box& box, double cornerRadius) {
    if (!InBox(p, box)) {
        return false;
    }
    // Measured from the rectangle shrunk by the radius: only the corners are round.
    const double cx = std::clamp(p.x, box.left + cornerRadius, box.right - cornerRadius);
    const double cy = std::clamp(p.y, box.top + cornerRadius, box.bottom - cornerRadius);
    return Distance(p, {cx, cy}) <= cornerRadius;
}

bool NearSegment(Point p, Point a, Point b, double halfWidth) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    const double t =
        lengthSquared > 0.0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared, 0.0, 1.0) : 0.0;
    return Distance(p, {a.x + t * dx, a.y + t * dy}) <= halfWidth;
}
