// Windowed parts a user control makes in its constructor, before it has a window,
// get theirs inside its window when it is placed, in time for Initialize.
#include <gtest/gtest.h>

#include "HostTestKit.h"
#include "host/stock/PictureBox.h"
#include "host/values/Units.h"

using namespace host;
using namespace hosttest;

namespace {

class TwoBoxes : public UserControl {
public:
    TwoBoxes() : UserControl(L"TwoBoxes", L"boxes") {
        front = &Add(std::make_unique<PictureBox>(L"front"), true);
        front->Move(PixelsToTwipsX(3), PixelsToTwipsY(4), PixelsToTwipsX(20), PixelsToTwipsY(10));
        back = &Add(std::make_unique<PictureBox>(L"back"), true);
        back->SetVisible(false);
        back->SetEnabled(false);
    }
    void OnInitialize() override { windowsAtInitialize = front->Hwnd() && back->Hwnd(); }

    PictureBox* front = nullptr;
    PictureBox* back = nullptr;
    bool windowsAtInitialize = false;
};

}  // namespace

TEST(ConstituentWindows, PartsMadeBeforePlacingGetTheirWindowsByInitialize) {
    Form form(L"ConstituentForm");
    TwoBoxes& uc = form.Add(std::make_unique<TwoBoxes>());
    ASSERT_TRUE(uc.windowsAtInitialize);
    RECT r{};
    GetWindowRect(uc.front->Hwnd(), &r);
    MapWindowPoints(nullptr, uc.hWnd(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(Corners(r), (std::array<LONG, 4>{3, 4, 23, 14})) << "inside the user control, at its place";
    EXPECT_FALSE(IsWindowVisible(uc.back->Hwnd()));
    EXPECT_FALSE(IsWindowEnabled(uc.back->Hwnd()));
    EXPECT_EQ(GetWindow(uc.front->Hwnd(), GW_HWNDNEXT), uc.back->Hwnd()) << "front stays in front";
}
