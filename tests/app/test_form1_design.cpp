// The main window as its design data builds it.
#include <gtest/gtest.h>

#include "Form1Fixture.h"
#include "app/Product.h"

namespace app {
namespace {

TEST_F(Form1Test, WindowHasNoSystemFrameAndTheDesignedClientSize) {
    RECT client;
    GetClientRect(form->hWnd(), &client);
    EXPECT_EQ(client.right, 584);
    EXPECT_EQ(client.bottom, 634);
    LONG style = GetWindowLongW(form->hWnd(), GWL_STYLE);
    EXPECT_FALSE(style & WS_CAPTION);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX));
    EXPECT_EQ(form->Caption(), kProductName);
    EXPECT_NE(form->Icon(), nullptr);
}

}  // namespace
}  // namespace app
