#pragma once
// What the frame's tests share: a hidden form to place frames on, the frame's parts by name, and an icon.
#include "TestKit.h"
#include "controls/Frame/Frame.h"
#include "host/forms/Form.h"

inline host::LineControl& LineOf(const controls::Frame& frame, int number) {
    return dynamic_cast<host::LineControl&>(*frame.Find(L"Line" + std::to_wstring(number)));
}
inline host::Label& CaptionLabel(const controls::Frame& f) { return dynamic_cast<host::Label&>(*f.Find(L"lbl")); }

// A 16 x 16 pixel bitmap picture.
inline host::PicturePtr Icon16() { return testkit::BitmapPicture(16, 16); }

class FrameTest : public ::testing::Test {
protected:
    // A frame of the given size in twips, loaded from a bag or else new (InitProperties).
    controls::Frame& Place(double width, double height, const host::PropertyBag* bag = nullptr) {
        auto& frame = form_.Add(std::make_unique<controls::Frame>(L"Frame1"));
        frame.Move(120, 240, width, height);
        frame.Load(bag);
        return frame;
    }

    host::Form form_{L"TestForm"};
};
