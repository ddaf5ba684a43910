#include "Penguin.h"

#include "Palette.h"

namespace {

struct Ellipse {
    Point centre;
    double radiusX;
    double radiusY;
};

bool In(Point p, const Ellipse& e) { return InEllipse(p, e.centre, e.radiusX, e.radiusY); }

constexpr double kMiddle = kPenguinWidth / 2.0;
constexpr Ellipse kHead = {{kMiddle, 6.0}, 4.9, 4.7};
constexpr Ellipse kBody = {{kMiddle, 12.6}, 6.1, 6.6};
constexpr Ellipse kLeftFlipper = {{2.3, 13.0}, 1.5, 3.7};
constexpr Ellipse kRightFlipper = {{kPenguinWidth - 2.3, 13.0}, 1.5, 3.7};
constexpr Ellipse kBelly = {{kMiddle, 13.4}, 4.3, 5.1};
constexpr Ellipse kLeftEye = {{6.3, 5.2}, 1.4, 1.8};
constexpr Ellipse kRightEye = {{kPenguinWidth - 6.3, 5.2}, 1.4, 1.8};
constexpr Ellipse kLeftPupil = {{6.8, 5.6}, 0.75, 0.95};
constexpr Ellipse kRightPupil = {{kPenguinWidth - 6.8, 5.6}, 0.75, 0.95};
constexpr Ellipse kBeak = {{kMiddle, 8.4}, 2.5, 1.15};
constexpr double kBeakSplit = 8.6;  // below this line the beak is in shade
constexpr Ellipse kLeftFoot = {{5.2, 19.0}, 2.6, 1.0};
constexpr Ellipse kRightFoot = {{kPenguinWidth - 5.2, 19.0}, 2.6, 1.0};

}  // namespace

Colour PenguinPixel(Point p, Colour background) {
    // From the front layer back.
    if (In(p, kLeftFoot) || In(p, kRightFoot)) {
        return kPenguinOrange;
    }
    if (In(p, kBeak)) {
        return p.y < kBeakSplit ? kPenguinOrange : kPenguinOrangeDark;
    }
    if (In(p, kLeftPupil) || In(p, kRightPupil)) {
        return kPenguinBlack;
    }
    if (In(p, kLeftEye) || In(p, kRightEye) || In(p, kBelly)) {
        return kPenguinWhite;
    }
    if (In(p, kHead) || In(p, kBody) || In(p, kLeftFlipper) || In(p, kRightFlipper)) {
        return kPenguinBlack;
    }
    return background;
}
