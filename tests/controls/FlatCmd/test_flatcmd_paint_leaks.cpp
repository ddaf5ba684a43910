// Painting leaves no GDI object behind, counted by the host's wrappers and for the whole process.
#include "FlatCmdTestSupport.h"

namespace flatcmd_test {
namespace {

using FlatCmdLeaks = FlatCmdTest;

TEST_F(FlatCmdLeaks, TenThousandRepaintsInEveryLook) {
    form.SetPicture(BitmapPicture(200, 200));  // under transparent buttons
    const auto bitmap = [] { return BitmapPicture(kSide, kSide); };
    struct Look {
        const char* label;
        bool xpWinStyle, xpStyle, transparent, isDefault, enabled;
        host::PicturePtr (*picture)();
        PaintState state;
    };
    // clang-format off
    const Look looks[] = {
        {"3D, BEVEL 4 (with the default frame)", true, false, false, true, true, nullptr, {.down = true}},
        {"3D, transparent", false, false, true, false, true, nullptr, {.over = true}},
        {"XP flat, hovered", false, true, false, false, true, nullptr, {.over = true}},
        {"XP window, focused and hovered, bitmap", true, true, false, false, true, bitmap, {.over = true, .focus = true}},
        {"bitmap, disabled", true, false, false, false, false, bitmap, {}},
        {"icon, disabled", true, false, false, false, false, HalfRedIcon, {}},
    };
    // clang-format on
    for (const Look& look : looks) {
        FlatCmd& b = Place(nullptr, L"Look");
        if (look.isDefault) b.SetBEVEL(4);
        b.SetXPWinStyle(look.xpWinStyle);
        b.SetXPStyle(look.xpStyle);
        b.SetTransparentBG(look.transparent);
        form.SetDefaultControl(look.isDefault ? &b : nullptr);
        if (look.picture) b.SetPicture(look.picture());
        b.SetEnabled(look.enabled);
        Paint(b, look.state);
        const auto before = GdiCounts();
        for (int i = 0; i < 10000; ++i) b.Refresh();
        EXPECT_EQ(GdiCounts(), before) << look.label;
    }
}

}  // namespace
}  // namespace flatcmd_test
