#include "ChatBadge.h"

#include "Palette.h"
#include "Penguin.h"
#include "Shapes.h"
#include "TextMask.h"

namespace {

constexpr int kWidth = 71;
constexpr int kHeight = 24;
constexpr Box kFace = {0.0, 0.0, kWidth, kHeight};
constexpr double kCornerRadius = 3.5;
constexpr double kBorderWidth = 1.0;
constexpr Point kPenguinOrigin = {4.0, (kHeight - kPenguinHeight) / 2.0};
constexpr Box kTextArea = {21.0, 1.0, kWidth - 2.0, kHeight - 1.0};
// Song-style 9 point text at 96 dpi, the size of the program's own labels.
constexpr int kTextPixelHeight = 12;
constexpr wchar_t kText[] = L"QQ交谈";

Colour BadgePixel(Point p, const Canvas& text) {
    if (!InRoundedBox(p, kFace, kCornerRadius)) {
        return kBadgeSurround;
    }
    const Box inner = {kFace.left + kBorderWidth, kFace.top + kBorderWidth, kFace.right - kBorderWidth,
                       kFace.bottom - kBorderWidth};
    if (!InRoundedBox(p, inner, kCornerRadius - kBorderWidth)) {
        return kBadgeBorder;
    }
    const Colour face = Mix(kBadgeFaceTop, kBadgeFaceBottom, (p.y - inner.top) / (inner.bottom - inner.top));
    const Colour withText = Over(face, kBadgeText, text.At(static_cast<int>(p.x), static_cast<int>(p.y)).a);
    return PenguinPixel({p.x - kPenguinOrigin.x, p.y - kPenguinOrigin.y}, withText);
}

}  // namespace

Canvas DrawChatBadge(const std::wstring& face) {
    const Canvas text = DrawTextMask(kText, face, kTextPixelHeight, kWidth, kHeight, kTextArea);
    return Render(kWidth, kHeight, [&text](double x, double y) { return BadgePixel({x, y}, text); });
}
