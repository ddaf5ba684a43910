// Painting leaves no GDI object behind: the host's count of objects made through
// its wrappers and the process's whole count stay where they were.
#include "FlatCmdTestSupport.h"
#include "GdiObjectCount.h"

namespace flatcmd_test {
namespace {

using FlatCmdLeaks = FlatCmdTest;

TEST_F(FlatCmdLeaks, TenThousandRepaintsInEveryLook) {
    form.SetPicture(BitmapPicture(200, 200));  // under transparent buttons
    const std::vector<std::tuple<const char*, std::function<void(FlatCmd&)>, PaintState>> looks{
        {"3D, BEVEL 4, default",
         [this](FlatCmd& b) {
             b.SetBEVEL(4);
             form.SetDefaultControl(&b);
         },
         {.down = true}},
        {"3D, transparent",
         [](FlatCmd& b) {
             b.SetXPWinStyle(false);
             b.SetTransparentBG(true);
         },
         {.over = true}},
        {"XP flat, hovered",
         [](FlatCmd& b) {
             b.SetXPWinStyle(false);
             b.SetXPStyle(true);
         },
         {.over = true}},
        {"XP window, focused and hovered, bitmap",
         [](FlatCmd& b) {
             b.SetXPStyle(true);
             b.SetPicture(BitmapPicture(kSide, kSide));
         },
         {.over = true, .focus = true}},
        {"bitmap, disabled",
         [](FlatCmd& b) {
             b.SetPicture(BitmapPicture(kSide, kSide));
             b.SetEnabled(false);
         },
         {}},
        {"icon, disabled",
         [](FlatCmd& b) {
             b.SetPicture(HalfRedIcon());
             b.SetEnabled(false);
         },
         {}},
    };
    for (const auto& [label, arrange, state] : looks) {
        FlatCmd& b = Place(nullptr, L"Look");
        arrange(b);
        Paint(b, state);
        const auto counts = [] { return std::pair(host::gdi::LiveObjects(), testsupport::CountLiveGdiObjects()); };
        const auto before = counts();
        for (int i = 0; i < 10000; ++i) b.Refresh();
        EXPECT_EQ(counts(), before) << label;
    }
}

}  // namespace
}  // namespace flatcmd_test
