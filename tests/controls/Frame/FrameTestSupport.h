#pragma once
// Shared by the frame's tests: a hidden form to place frames on, the frame's
// parts by name, and the icon and font the tests give it.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "controls/Frame/Frame.h"
#include "host/Form.h"

inline host::LineControl& LineOf(const controls::Frame& frame, int number) {
    return dynamic_cast<host::LineControl&>(*frame.Find(L"Line" + std::to_wstring(number)));
}
inline host::Label& CaptionLabel(const controls::Frame& frame) { return dynamic_cast<host::Label&>(*frame.Find(L"lbl")); }
inline host::Image& IconImage(const controls::Frame& frame) { return dynamic_cast<host::Image&>(*frame.Find(L"img")); }

// A 16 x 16 pixel bitmap picture.
inline host::PicturePtr Icon16() {
    return host::PictureFromBitmap(reinterpret_cast<uintptr_t>(CreateBitmap(16, 16, 1, 32, nullptr)));
}
// The main window's caption font: 宋体 10.5 pt, GB2312.
inline host::FontPtr CaptionFont() { return host::Font::Create(host::FontDesc{L"宋体", 10.5, 400, 134}); }

class FrameTest : public ::testing::Test {
protected:
    // A new frame (InitProperties) of the given size in twips.
    controls::Frame& Place(double width, double height, const wchar_t* name = L"Frame1") {
        auto& frame = form_.Add(std::make_unique<controls::Frame>(name));
        frame.Move(120, 240, width, height);
        frame.Load(nullptr);
        return frame;
    }

    host::Form form_{L"TestForm"};
};
