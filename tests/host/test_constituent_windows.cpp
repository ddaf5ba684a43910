// Windowed parts a user control makes in its constructor, before it has a window,
// get theirs inside its window, at their place and state, in time for Initialize.
#include <gtest/gtest.h>

#include "HostTestKit.h"
#include "host/stock/PictureBox.h"

namespace {

struct TwoBoxes : host::UserControl {
    TwoBoxes() : UserControl(L"TwoBoxes", L"boxes") {
        front.Move(45, 60, 300, 150);  // 3, 4, 20 x 10 pixels
        back.SetVisible(false);
        back.SetEnabled(false);
    }
    void OnInitialize() override { windowsAtInitialize = front.Hwnd() && back.Hwnd(); }
    host::PictureBox& front = Add(std::make_unique<host::PictureBox>(L"front"), true);
    host::PictureBox& back = Add(std::make_unique<host::PictureBox>(L"back"), true);
    bool windowsAtInitialize = false;
};

TEST(ConstituentWindows, PartsMadeBeforePlacingGetTheirWindowsByInitialize) {
    host::Form form(L"ConstituentForm");
    TwoBoxes& uc = form.Add(std::make_unique<TwoBoxes>());
    ASSERT_TRUE(uc.windowsAtInitialize);
    RECT r{};
    GetWindowRect(uc.front.Hwnd(), &r);
    MapWindowPoints(nullptr, uc.hWnd(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(hosttest::Corners(r), (std::array<LONG, 4>{3, 4, 23, 14}));
    EXPECT_FALSE(IsWindowVisible(uc.back.Hwnd()) || IsWindowEnabled(uc.back.Hwnd()));
    EXPECT_EQ(GetWindow(uc.front.Hwnd(), GW_HWNDNEXT), uc.back.Hwnd()) << "front stays in front";
}

}  // namespace
