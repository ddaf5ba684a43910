// A user control that makes windowed parts before it is placed: they get their
// windows, inside the user control's, when it is placed.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "HostTestKit.h"
#include "host/stock/PictureBox.h"
#include "host/values/Units.h"

using namespace host;
using namespace hosttest;

namespace {

// Two picture boxes made in the constructor: a visible one in front of a hidden,
// disabled one.
class TwoBoxes : public UserControl {
public:
    TwoBoxes() : UserControl(L"TwoBoxes", L"boxes") {
        front = &Add(std::make_unique<PictureBox>(L"front"), true);
        front->Move(PixelsToTwipsX(3), PixelsToTwipsY(4), PixelsToTwipsX(20), PixelsToTwipsY(10));
        back = &Add(std::make_unique<PictureBox>(L"back"), true);
        back->SetVisible(false);
        back->SetEnabled(false);
        windowsBeforePlacing = front->Hwnd() != nullptr || back->Hwnd() != nullptr;
    }
    void OnInitialize() override { windowsAtInitialize = front->Hwnd() && back->Hwnd(); }

    PictureBox* front = nullptr;
    PictureBox* back = nullptr;
    bool windowsBeforePlacing = false;
    bool windowsAtInitialize = false;
};

}  // namespace

TEST(ConstituentWindows, PartsMadeBeforePlacingGetTheirWindowsByInitialize) {
    Form form(L"ConstituentForm");
    TwoBoxes& uc = form.Add(std::make_unique<TwoBoxes>());
    EXPECT_FALSE(uc.windowsBeforePlacing);
    ASSERT_TRUE(uc.windowsAtInitialize);
    EXPECT_EQ(GetParent(uc.front->Hwnd()), uc.hWnd());
    RECT r{};
    GetWindowRect(uc.front->Hwnd(), &r);
    MapWindowPoints(nullptr, uc.hWnd(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(Corners(r), (std::array<LONG, 4>{3, 4, 23, 14}));
    EXPECT_FALSE(IsWindowVisible(uc.back->Hwnd()));
    EXPECT_FALSE(IsWindowEnabled(uc.back->Hwnd()));
    EXPECT_EQ(GetWindow(uc.front->Hwnd(), GW_HWNDNEXT), uc.back->Hwnd()) << "front stays in front";
}
