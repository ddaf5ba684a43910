#include "FrameTestSupport.h"

#include <windows.h>

#include <string>

namespace frame_test {

void PrintTo(const Ends& e, std::ostream* os) {
    *os << "(" << e.x1 << ", " << e.y1 << ")-(" << e.x2 << ", " << e.y2 << ")";
}

Ends EndsOf(const host::LineControl& line) { return Ends{line.X1(), line.Y1(), line.X2(), line.Y2()}; }

host::LineControl& LineOf(const controls::Frame& frame, int number) {
    return dynamic_cast<host::LineControl&>(*frame.Find(L"Line" + std::to_wstring(number)));
}

host::Label& CaptionLabel(const controls::Frame& frame) { return dynamic_cast<host::Label&>(*frame.Find(L"lbl")); }

host::Image& IconImage(const controls::Frame& frame) { return dynamic_cast<host::Image&>(*frame.Find(L"img")); }

host::PicturePtr SquareBitmap(int pixels) {
    HBITMAP bitmap = CreateBitmap(pixels, pixels, 1, 32, nullptr);
    return host::PictureFromBitmap(reinterpret_cast<uintptr_t>(bitmap));  // the picture owns it
}

host::FontPtr CaptionFont() { return host::Font::Create(host::FontDesc{L"宋体", 10.5, 400, 134}); }

FrameTest::FrameTest() { form_.SetClientSize(6000, 4000); }

controls::Frame& FrameTest::Place(double width, double height) {
    auto& frame = form_.Add(std::make_unique<controls::Frame>(L"Frame1"));
    frame.Move(120, 240, width, height);
    frame.Load(nullptr);
    return frame;
}

}  // namespace frame_test
