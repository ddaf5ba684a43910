// Painting, drawing, and making and destroying whole forms leave GDI objects and windows as they were.
#include "HostTestKit.h"

using namespace host;
using namespace std::chrono_literals;

namespace {

constexpr int kWarmUp = 20;
constexpr int kPaints = 1000;
constexpr int kForms = 100;

BOOL CALLBACK CountWindow(HWND hwnd, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(
        hwnd, [](HWND, LPARAM n) { return ++*reinterpret_cast<int*>(n), TRUE; }, count);
    return TRUE;
}

// The host's and the process's GDI objects and this thread's windows, once pending messages have run.
std::array<long, 3> Settled() {
    testsupport::PumpMessagesFor(20ms);
    int windows = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&windows));
    return {gdi::LiveObjects(), testsupport::CountLiveGdiObjects(), windows};
}

// One of each windowless control, a text box and a user control with a drawing surface.
void Populate(Container& c, const std::wstring& prefix) {
    auto& label = c.Add(std::make_unique<Label>(prefix + L"lbl"));
    label.Move(60, 60, 1500, 300);
    label.SetCaption(L"标签 Label");
    auto& clear = c.Add(std::make_unique<Label>(prefix + L"clear"));
    clear.Move(60, 400, 1500, 300);
    clear.SetBackStyle(Label::BackStyle::Transparent);
    clear.SetCaption(L"over the picture");
    auto& image = c.Add(std::make_unique<Image>(prefix + L"img"));
    image.Move(60, 400, 0, 0);
    image.SetPicture(hosttest::SolidPicture(16, 16, hosttest::kBlue));
    auto& line = c.Add(std::make_unique<LineControl>(prefix + L"ln"));
    line.SetEnds(0, 800, 3000, 900);
    line.SetBorderWidth(2);
    for (auto kind : {Shape::Kind::Rectangle, Shape::Kind::Circle, Shape::Kind::RoundedRectangle}) {
        auto& shape = c.Add(std::make_unique<Shape>(prefix + L"shp" + std::to_wstring(static_cast<int>(kind))));
        shape.Move(60 + 600 * static_cast<int>(kind), 1000, 500, 400);
        shape.SetFillSolid(true);
    }
    c.Add(std::make_unique<TextBox>(prefix + L"txt")).Move(1800, 60, 1200, 300);
    auto& uc = c.Add(std::make_unique<hosttest::Journaling>(prefix + L"uc"));
    uc.Move(1800, 800, 1500, 900);
    uc.Load(nullptr);
    uc.SetAutoRedraw(true);
    uc.Add(std::make_unique<Label>(prefix + L"part"), /*constituent=*/true).Move(0, 0, 600, 300);
}

// A shown form holding the controls and a picture box holding them again.
struct BusyForm {
    BusyForm() {
        form.SetClientSize(7000, 5000);
        Populate(form, L"f");
        pic.Move(3600, 60, 3300, 4800);
        pic.SetAutoRedraw(true);
        Populate(pic, L"p");
        form.Show();
    }
    Form form{L"BusyForm"};
    PictureBox& pic = form.Add(std::make_unique<PictureBox>(L"pic"));
};

void PaintAndDraw(BusyForm& f, int i) {
    RedrawWindow(f.form.hWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    f.pic.SetForeColor(static_cast<OleColor>(i & 0xFFFFFF));
    f.pic.Line(0, 0, 1500, 1500);
    f.pic.Line(100, 100, 900, 600, kWindowText, Surface::LineKind::Box);
    f.pic.Line(100, 100, 900, 600, 0x00FF00, Surface::LineKind::FilledBox);
    f.pic.Print(L"文字 text");
    f.pic.TextWidth(L"measure");
    if (i % 10 == 0) {
        f.pic.Cls();
        f.pic.GetFont()->SetSize(9 + i % 3);
    }
}

}  // namespace

TEST(GdiLeaks, RepaintingAndDrawingLeaveNothingBehind) {
    BusyForm f;
    for (int i = 0; i < kWarmUp; ++i) PaintAndDraw(f, i);
    const auto before = Settled();
    for (int i = 0; i < kPaints; ++i) PaintAndDraw(f, i);
    EXPECT_EQ(before, Settled());
}

TEST(GdiLeaks, FormsMadeAndDestroyedLeaveNothingBehind) {
    for (int i = 0; i < 3; ++i) BusyForm warmUp;
    const auto before = Settled();
    for (int i = 0; i < kForms; ++i) BusyForm f;
    EXPECT_EQ(before, Settled());
    hosttest::Journal().clear();
}
