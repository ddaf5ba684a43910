// Repainting leaves no GDI object behind, in every look: the host's own count of
// objects made through its wrappers and the process's whole count stay where
// they were after many repaints.
#include <functional>
#include <string>
#include <vector>

#include "FlatCmdPaintSupport.h"
#include "GdiObjectCount.h"

namespace flatcmd_test {
namespace {

constexpr int kRepaints = 10000;
constexpr int kWarmUp = 3;

host::PicturePtr SmallBitmap() {
    return PaintedBitmap(16, 16, {{{0, 0, 16, 16}, RGB(0, 0, 0)}, {{2, 2, 14, 14}, RGB(255, 0, 0)}});
}

host::PicturePtr SmallIcon() {
    HICON icon = static_cast<HICON>(CopyImage(LoadIconW(nullptr, IDI_APPLICATION), IMAGE_ICON, 16, 16, 0));
    const auto himetric = static_cast<int32_t>(host::ScaleX(16, host::ScaleMode::Pixels, host::ScaleMode::Himetric));
    return std::make_shared<host::Picture>(host::PictureType::Icon, reinterpret_cast<uintptr_t>(icon), himetric,
                                           himetric, host::PictureSource{});
}

struct LookCase {
    const char* label;
    std::function<void(FlatCmd&, host::Form&)> setup;
    PaintState state;
};

using FlatCmdPaintLeaks = FlatCmdTest;

TEST_F(FlatCmdPaintLeaks, RepaintsLeaveNoObjectInAnyLook) {
    const std::vector<LookCase> cases{
        {"3D, BEVEL 1, hovered", [](FlatCmd&, host::Form&) {}, {.over = true}},
        {"3D, BEVEL 4, pressed default button",
         [](FlatCmd& b, host::Form& f) {
             b.SetBEVEL(4);
             f.SetDefaultControl(&b);
         },
         {.down = true}},
        {"3D, transparent over the form's picture",
         [](FlatCmd& b, host::Form& f) {
             f.SetPicture(PaintedBitmap(200, 200, {{{0, 0, 200, 200}, RGB(0, 0, 255)}}));
             b.SetXPWinStyle(false);
             b.SetTransparentBG(true);
         },
         {.over = true}},
        {"XP flat, hovered",
         [](FlatCmd& b, host::Form&) {
             b.SetXPWinStyle(false);
             b.SetXPStyle(true);
         },
         {.over = true}},
        {"XP window, focused and hovered", [](FlatCmd& b, host::Form&) { b.SetXPStyle(true); },
         {.over = true, .focus = true}},
        {"XP window, disabled",
         [](FlatCmd& b, host::Form&) {
             b.SetXPStyle(true);
             b.SetEnabled(false);
         },
         {}},
        {"disabled 3D caption", [](FlatCmd& b, host::Form&) { b.SetEnabled(false); }, {}},
        {"bitmap picture", [](FlatCmd& b, host::Form&) { b.SetPicture(SmallBitmap()); }, {.over = true}},
        {"bitmap picture, disabled",
         [](FlatCmd& b, host::Form&) {
             b.SetPicture(SmallBitmap());
             b.SetEnabled(false);
         },
         {}},
        {"icon picture", [](FlatCmd& b, host::Form&) { b.SetPicture(SmallIcon()); }, {.down = true}},
        {"icon picture, disabled",
         [](FlatCmd& b, host::Form&) {
             b.SetPicture(SmallIcon());
             b.SetEnabled(false);
         },
         {}},
    };
    int placed = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        FlatCmd& b = Place(nullptr, L"FlatCmd" + std::to_wstring(++placed));
        c.setup(b, form);
        for (int i = 0; i < kWarmUp; ++i) Paint(b, c.state);
        const long ours = host::gdi::LiveObjects();
        const int all = testsupport::CountLiveGdiObjects();
        for (int i = 0; i < kRepaints; ++i) b.Refresh();
        EXPECT_EQ(host::gdi::LiveObjects(), ours);
        EXPECT_EQ(testsupport::CountLiveGdiObjects(), all);
    }
}

// Each resize in the XP window style hands a new region to the window, which
// deletes the one it had.
TEST_F(FlatCmdPaintLeaks, RegionsGoWithTheWindow) {
    button->SetXPStyle(true);
    SizeInPixels(*button, 70, 24);
    const long ours = host::gdi::LiveObjects();
    const int all = testsupport::CountLiveGdiObjects();
    for (int i = 0; i < 500; ++i) SizeInPixels(*button, 71 + i % 2, 24);
    SizeInPixels(*button, 70, 24);
    EXPECT_EQ(host::gdi::LiveObjects(), ours);
    EXPECT_EQ(testsupport::CountLiveGdiObjects(), all);
}

}  // namespace
}  // namespace flatcmd_test
