#pragma once

// Point-in-shape tests in continuous picture coordinates. Shaders combine
// them; Render's supersampling turns their hard edges into smooth ones.

struct Point {
    double x = 0.0;
    double y = 0.0;
};

// The rectangle [left, right) x [top, bottom).
struct Box {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
};

double Distance(Point a, Point b);

bool InBox(Point p, const Box& box);

bool InEllipse(Point p, Point centre, double radiusX, double radiusY);

bool InRoundedBox(Point p, const Box& box, double cornerRadius);

// Inside the stroke of the given half width around the segment a-b, round ends.
bool NearSegment(Point p, Point a, Point b, double halfWidth);
