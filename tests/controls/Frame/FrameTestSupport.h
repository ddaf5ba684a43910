#pragma once
// Shared by the frame's tests: a hidden form to place frames on, access to the
// frame's constituents by name, and the pictures and font the tests give it.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

#include "controls/Frame/Frame.h"
#include "host/Form.h"

namespace frame_test {

struct Ends {
    double x1, y1, x2, y2;
    bool operator==(const Ends&) const = default;
};
void PrintTo(const Ends& e, std::ostream* os);

Ends EndsOf(const host::LineControl& line);
host::LineControl& LineOf(const controls::Frame& frame, int number);
host::Label& CaptionLabel(const controls::Frame& frame);
host::Image& IconImage(const controls::Frame& frame);

// A square bitmap picture of the given size in pixels.
host::PicturePtr SquareBitmap(int pixels);
// The main window's caption font: 宋体 10.5 pt, GB2312.
host::FontPtr CaptionFont();

class FrameTest : public ::testing::Test {
protected:
    FrameTest();
    // A new frame (InitProperties) of the given size in twips.
    controls::Frame& Place(double width, double height);

    host::Form form_{L"TestForm"};
};

}  // namespace frame_test
