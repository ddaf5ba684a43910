// A user control's drawing surface: AutoRedraw, Line, colours, Cls, Print, PaintPicture and resizing.
#include "HostTestKit.h"

using namespace host;
using namespace hosttest;

namespace {

constexpr int kSidePixels = 100;

// A 100 x 100 pixel user control with a white surface, drawing in pixels.
class SurfaceTest : public ::testing::Test {
protected:
    SurfaceTest() : form(L"SurfaceForm"), uc(form.Add(std::make_unique<Journaling>(L"uc"))) {
        form.SetClientSize(PixelsToTwipsX(300), PixelsToTwipsY(300));
        uc.Move(0, 0, PixelsToTwipsX(kSidePixels), PixelsToTwipsY(kSidePixels));
        uc.Load(nullptr);
        uc.SetScaleMode(ScaleMode::Pixels);
        uc.SetAutoRedraw(true);
        uc.SetBackColor(Ole(kWhite));
    }

    COLORREF At(int x, int y) { return GetPixel(uc.hDC(), x, y); }

    // Pixels in a rectangle that are not `colour`.
    int NotOf(COLORREF colour, int left, int top, int right, int bottom) {
        int count = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) count += At(x, y) != colour;
        return count;
    }

    Form form;
    Journaling& uc;
};

}  // namespace

TEST_F(SurfaceTest, LinesDrawInForeColorExcludingTheEndPointAndBoxesIncludeBothCorners) {
    uc.SetForeColor(Ole(kRed));
    uc.Line(10, 20, 30, 20);
    EXPECT_EQ(kRed, At(29, 20));
    EXPECT_EQ(kWhite, At(30, 20));
    EXPECT_EQ(30, uc.CurrentX());

    struct Row {
        const char* label;
        int x1, y1, x2, y2;
        Surface::LineKind kind;
        COLORREF inside;
    };
    const Row rows[] = {
        {"box drawn from its far corner", 80, 70, 60, 60, Surface::LineKind::Box, kWhite},
        {"filled box", 40, 80, 50, 90, Surface::LineKind::FilledBox, kBlue},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        uc.Line(row.x1, row.y1, row.x2, row.y2, Ole(kBlue), row.kind);
        const int left = std::min(row.x1, row.x2), right = std::max(row.x1, row.x2);
        const int top = std::min(row.y1, row.y2), bottom = std::max(row.y1, row.y2);
        for (POINT corner : {POINT{left, top}, POINT{right, top}, POINT{left, bottom}, POINT{right, bottom}})
            EXPECT_EQ(kBlue, At(corner.x, corner.y)) << corner.x << "," << corner.y;
        EXPECT_EQ(kWhite, At(right + 1, bottom));
        EXPECT_EQ(kWhite, At(left, bottom + 1));
        EXPECT_EQ(row.inside, At((left + right) / 2, (top + bottom) / 2));
    }
    MoveToEx(uc.hDC(), 5, 30, nullptr);  // a colour of its own left ForeColor as the pen
    LineTo(uc.hDC(), 20, 30);
    EXPECT_EQ(kRed, At(10, 30));
}

TEST_F(SurfaceTest, BackColorClsAndThePictureMakeTheBackground) {
    uc.Line(0, 0, 50, 50, Ole(kRed), Surface::LineKind::FilledBox);
    uc.SetBackColor(Ole(kBlue));
    EXPECT_EQ(kBlue, At(10, 10));

    uc.SetPicture(SolidPicture(20, 20, kGreen));
    EXPECT_EQ(kGreen, At(19, 19));
    EXPECT_EQ(kBlue, At(20, 19));
    uc.Line(0, 0, 30, 30, Ole(kRed), Surface::LineKind::FilledBox);
    uc.SetCurrentX(7);
    uc.Cls();
    EXPECT_EQ(kGreen, At(5, 5));
    EXPECT_EQ(kBlue, At(25, 25));
    EXPECT_EQ(0, uc.CurrentX());
}

TEST_F(SurfaceTest, AutoRedrawImageSurvivesRepaintsAfterItIsTurnedOff) {
    form.Show();
    uc.Line(10, 10, 60, 10, Ole(kRed));
    uc.SetAutoRedraw(false);
    for (int i = 0; i < 3; ++i) {
        RedrawWindow(uc.hWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        RedrawWindow(form.hWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        testsupport::PumpMessagesFor(std::chrono::milliseconds(10));
    }
    HDC window = GetDC(uc.hWnd());
    EXPECT_EQ(kRed, GetPixel(window, 30, 10)) << "the window shows it";
    ReleaseDC(uc.hWnd(), window);
}

TEST_F(SurfaceTest, ResizingKeepsWhatWasDrawnAndFillsTheRestWithBackColor) {
    uc.Line(90, 90, 95, 95, Ole(kRed), Surface::LineKind::FilledBox);
    uc.SetWidth(PixelsToTwipsX(150));
    EXPECT_EQ(kRed, At(92, 92));
    EXPECT_EQ(kWhite, At(140, 50));

    uc.SetScaleMode(ScaleMode::Twips);
    EXPECT_EQ(kRed, uc.Point(PixelsToTwipsX(92), PixelsToTwipsY(92)));
}

TEST_F(SurfaceTest, PrintDrawsOnATransparentBackgroundAndMovesTheCurrentPosition) {
    uc.SetForeColor(Ole(kBlue));
    uc.Line(0, 0, 99, 99, Ole(kRed), Surface::LineKind::FilledBox);
    const double width = uc.TextWidth(L"WWW"), height = uc.TextHeight(L"WWW");
    uc.SetCurrentX(4);
    uc.SetCurrentY(4);
    uc.Print(L"WWW", false);
    EXPECT_DOUBLE_EQ(4 + width, uc.CurrentX());
    EXPECT_DOUBLE_EQ(4, uc.CurrentY());
    const int right = 4 + static_cast<int>(width), bottom = 4 + static_cast<int>(height);
    EXPECT_GT(NotOf(kRed, 4, 4, right, bottom), 0);
    EXPECT_EQ(NotOf(kWhite, 4, 4, right, bottom), (right - 4) * (bottom - 4)) << "the text's background was painted";

    uc.Print(L"W");
    EXPECT_DOUBLE_EQ(0, uc.CurrentX());
    EXPECT_DOUBLE_EQ(4 + height, uc.CurrentY());
    uc.GetFont()->SetSize(uc.GetFont()->Size() * 2);  // the shared font's changes apply at once
    EXPECT_GT(uc.TextWidth(L"WWW"), width * 1.5);
}

TEST_F(SurfaceTest, PaintPictureDrawsAtItsSizeOrStretched) {
    PicturePtr green = SolidPicture(8, 6, kGreen);
    uc.PaintPicture(green, 10, 10);
    EXPECT_EQ(kGreen, At(17, 15));
    EXPECT_EQ(kWhite, At(18, 16));
    uc.PaintPicture(green, 40, 40, 30, 20);
    EXPECT_EQ(kGreen, At(69, 59));
    EXPECT_EQ(kWhite, At(70, 59));
    uc.PaintPicture(LoadPicture(), 0, 0);  // an empty picture draws nothing
    EXPECT_EQ(kWhite, At(0, 0));
}
