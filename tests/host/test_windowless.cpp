// Windowless children: painted by their container back to front under the windowed ones, and given its mouse input.
#include "HostTestKit.h"

using namespace host;
using namespace hosttest;

namespace {

constexpr int kSide = 150;

// Journals the events a windowless control or a picture box raises, as "name.Event".
template <class T>
void Watch(T& control, const std::wstring& name, Connections& watching) {
    watching += control.Click.Connect([name] { Journal().push_back(name + L".Click"); });
    watching += control.DblClick.Connect([name] { Journal().push_back(name + L".DblClick"); });
    watching += control.MouseDown.Connect([name](int16_t b, int16_t, float x, float y) {
        Journal().push_back(name + L".MouseDown " + std::to_wstring(b) + L" at " + std::to_wstring(TwipsToPixelsX(x)) +
                            L"," + std::to_wstring(TwipsToPixelsY(y)));
    });
    watching += control.MouseUp.Connect(
        [name](int16_t b, int16_t, float, float) { Journal().push_back(name + L".MouseUp " + std::to_wstring(b)); });
}

// A borderless picture box holding, front to back, an overlapping label, image and shape, and a text box.
class WindowlessTest : public ::testing::Test {
protected:
    WindowlessTest() {
        form.SetClientSize(PixelsToTwipsX(200), PixelsToTwipsY(200));
        pic.SetBorder(false);
        PlaceInPixels(pic, 0, 0, kSide, kSide);
        pic.SetBackColor(Ole(kWhite));
        PlaceInPixels(label, 10, 10, 40, 20);
        label.SetBackColor(Ole(kBlue));
        image.Move(PixelsToTwipsX(30), PixelsToTwipsY(20), 0, 0);
        image.SetPicture(SolidPicture(40, 30, kGreen));
        PlaceInPixels(shape, 0, 0, 80, 60);
        shape.SetFillSolid(true);
        shape.SetFillColor(Ole(kRed));
        shape.SetBorderColor(Ole(kRed));
        PlaceInPixels(text, 100, 100, 40, 20);
        Watch(pic, L"pic", watching);
        Watch(label, L"lbl", watching);
        Watch(image, L"img", watching);
    }

    // The colour at a point after the box paints its windowless children on white.
    COLORREF Painted(int x, int y) {
        gdi::Bitmap bitmap = PaintedBitmap(kSide, kSide, {{{0, 0, kSide, kSide}, kWhite}});
        gdi::MemoryDC dc(nullptr);
        gdi::Selection select(dc, bitmap);
        pic.PaintWindowless(dc);
        return GetPixel(dc, x, y);
    }

    Form form{L"WindowlessForm"};
    PictureBox& pic = form.Add(std::make_unique<PictureBox>(L"pic"));
    Label& label = pic.Add(std::make_unique<Label>(L"lbl"));
    Image& image = pic.Add(std::make_unique<Image>(L"img"));
    Shape& shape = pic.Add(std::make_unique<Shape>(L"shp"));
    TextBox& text = pic.Add(std::make_unique<TextBox>(L"txt"));
    Connections watching;
};

}  // namespace

TEST_F(WindowlessTest, FrontChildrenWinWhereTheyOverlap) {
    struct Row {
        const char* label;
        int x, y;
        COLORREF expected;
    };
    const Row rows[] = {
        {"label over image over shape", 40, 25, kBlue},
        {"label over shape", 12, 12, kBlue},
        {"image over shape", 60, 40, kGreen},
        {"shape alone", 5, 55, kRed},
        {"nothing", 120, 20, kWhite},
    };
    for (const auto& row : rows) EXPECT_EQ(row.expected, Painted(row.x, row.y)) << row.label;
}

TEST_F(WindowlessTest, TransparentLabelsShowWhatIsUnder) {
    label.SetCaption(L"x");
    label.SetBackStyle(Label::BackStyle::Transparent);
    EXPECT_EQ(kGreen, Painted(45, 27));
    EXPECT_EQ(kRed, Painted(12, 27));
}

TEST_F(WindowlessTest, ConstituentsGoBehindPlacedControls) {
    auto& back = pic.Add(std::make_unique<Label>(L"back"), /*constituent=*/true);
    PlaceInPixels(back, 0, 0, kSide, kSide);
    back.SetBackColor(Ole(kGreen));
    auto& later = pic.Add(std::make_unique<Label>(L"later"));
    PlaceInPixels(later, 0, 0, 8, 8);
    later.SetBackColor(Ole(kBlue));
    EXPECT_EQ(kRed, Painted(5, 55));
    EXPECT_EQ(kGreen, Painted(120, 20));
    EXPECT_EQ(kRed, Painted(4, 4)) << "a control placed later goes behind the earlier ones";
}

TEST_F(WindowlessTest, WindowedChildrenStackInOrderAndClipTheContainer) {
    auto& second = pic.Add(std::make_unique<TextBox>(L"txt2"));
    PlaceInPixels(second, 110, 110, 30, 30);
    auto& constituent = pic.Add(std::make_unique<TextBox>(L"txt3"), /*constituent=*/true);
    PlaceInPixels(constituent, 0, 100, 10, 10);
    auto& third = pic.Add(std::make_unique<TextBox>(L"txt4"));
    PlaceInPixels(third, 0, 130, 10, 10);

    std::vector<HWND> stack;
    for (HWND h = GetWindow(pic.Hwnd(), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) stack.push_back(h);
    EXPECT_EQ((std::vector<HWND>{text.Hwnd(), second.Hwnd(), third.Hwnd(), constituent.Hwnd()}), stack);

    form.Show();
    HDC dc = GetDC(pic.Hwnd());
    EXPECT_FALSE(PtVisible(dc, 120, 110)) << "the container paints over its windowed child";
    EXPECT_TRUE(PtVisible(dc, 40, 25));
    ReleaseDC(pic.Hwnd(), dc);
}

TEST_F(WindowlessTest, MouseInputGoesToTheFrontControlThatTakesIt) {
    struct Message {
        UINT msg;
        WPARAM keys;
        int x, y;
    };
    constexpr WPARAM kLeft = MK_LBUTTON;
    // clang-format off
    const struct { const char* label; bool labelEnabled; std::vector<Message> input; Entries expected; } rows[] = {
        {"press and release on the label", true, {{WM_LBUTTONDOWN, kLeft, 40, 25}, {WM_LBUTTONUP, 0, 41, 26}},
            {L"lbl.MouseDown 1 at 30,15", L"lbl.MouseUp 1", L"lbl.Click"}},
        {"released outside", true, {{WM_LBUTTONDOWN, kLeft, 15, 15}, {WM_MOUSEMOVE, kLeft, 120, 120},
            {WM_LBUTTONUP, 0, 120, 120}}, {L"lbl.MouseDown 1 at 5,5", L"lbl.MouseUp 1"}},
        {"double click", true, {{WM_LBUTTONDOWN, kLeft, 15, 15}, {WM_LBUTTONUP, 0, 15, 15},
            {WM_LBUTTONDBLCLK, kLeft, 15, 15}, {WM_LBUTTONUP, 0, 15, 15}}, {L"lbl.MouseDown 1 at 5,5",
            L"lbl.MouseUp 1", L"lbl.Click", L"lbl.DblClick", L"lbl.MouseUp 1"}},
        {"on the shape, released over the image", true, {{WM_LBUTTONDOWN, kLeft, 5, 55}, {WM_LBUTTONUP, 0, 60, 40}},
            {L"pic.MouseDown 1 at 5,55", L"pic.MouseUp 1", L"pic.Click"}},
        {"on a disabled label", false, {{WM_LBUTTONDOWN, kLeft, 15, 15}, {WM_LBUTTONUP, 0, 15, 15}},
            {L"pic.MouseDown 1 at 15,15", L"pic.MouseUp 1", L"pic.Click"}},
        // Mended: the label kept the mouse (and the capture) until some later release.
        {"a release that never came, then a click elsewhere", true, {{WM_LBUTTONDOWN, kLeft, 15, 15},
            {WM_MOUSEMOVE, 0, 120, 120}, {WM_LBUTTONDOWN, kLeft, 5, 55}, {WM_LBUTTONUP, 0, 5, 55}},
            {L"lbl.MouseDown 1 at 5,5", L"pic.MouseDown 1 at 5,55", L"pic.MouseUp 1", L"pic.Click"}},
    };
    // clang-format on
    for (const auto& row : rows) {
        label.SetEnabled(row.labelEnabled);
        Journal().clear();
        for (const Message& m : row.input) SendMessageW(pic.Hwnd(), m.msg, m.keys, MAKELPARAM(m.x, m.y));
        EXPECT_EQ(row.expected, Journal()) << row.label;
    }
}

TEST_F(WindowlessTest, ChangesRepaintTheAreasTheyTouch) {
    form.Show();
    // clang-format off
    const struct { const char* label; std::function<void()> change; std::vector<POINT> repainted; } rows[] = {
        {"moved", [&] { PlaceInPixels(label, 90, 60, 40, 20); }, {{12, 12}, {100, 70}}},
        {"new caption", [&] { label.SetCaption(L"new"); }, {{100, 70}}},
        {"picture taken away", [&] { image.SetPicture(LoadPicture()); }, {{60, 40}}},
        {"new fill", [&] { shape.SetFillColor(Ole(kBlue)); }, {{5, 55}}},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        UpdateWindow(pic.Hwnd());
        row.change();
        HRGN invalid = CreateRectRgn(0, 0, 0, 0);
        GetUpdateRgn(pic.Hwnd(), invalid, FALSE);
        for (POINT p : row.repainted) EXPECT_TRUE(PtInRegion(invalid, p.x, p.y)) << p.x << "," << p.y;
        EXPECT_FALSE(PtInRegion(invalid, 145, 5));
        DeleteObject(invalid);
    }
}

TEST_F(WindowlessTest, ShapesAndLinesDrawInsideTheirPlace) {
    label.SetVisible(false);
    image.SetVisible(false);
    PlaceInPixels(shape, 0, 0, 80, 40);
    // An 80 x 40 place's corner, centre, left edge middle, and near the corner of the square centred in it.
    struct Row {
        const char* label;
        Shape::Kind kind;
        COLORREF corner, centre, leftEdge, squareCorner;
    };
    const Row rows[] = {
        {"rectangle", Shape::Kind::Rectangle, kRed, kRed, kRed, kRed},
        {"circle", Shape::Kind::Circle, kWhite, kRed, kWhite, kWhite},
        {"rounded square", Shape::Kind::RoundedSquare, kWhite, kRed, kWhite, kRed},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        shape.SetShape(row.kind);
        EXPECT_EQ(row.corner, Painted(0, 0));
        EXPECT_EQ(row.centre, Painted(40, 20));
        EXPECT_EQ(row.leftEdge, Painted(2, 20));
        EXPECT_EQ(row.squareCorner, Painted(22, 3));
    }

    auto& line = pic.Add(std::make_unique<LineControl>(L"ln"));
    line.SetBorderColor(Ole(kBlue));
    line.SetEnds(PixelsToTwipsX(100), PixelsToTwipsY(80), PixelsToTwipsX(140), PixelsToTwipsY(80));
    EXPECT_EQ(kBlue, Painted(100, 80));
    EXPECT_EQ(kBlue, Painted(140, 80)) << "a line paints both ends";
    EXPECT_EQ(kWhite, Painted(141, 80));
}
