// Measures one repaint of the flat button against painting a standard BUTTON of
// the same size in the same run:
//   - a 73 x 25 button in the XP window look (normal, then focused);
//   - a 200 x 60 button with the raised gradient bevel of BEVEL 4.
// The flat button's Refresh paints its whole face in its off-screen image; the
// standard button paints its client area into a memory bitmap (WM_PRINTCLIENT).
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "controls/FlatCmd/FlatCmd.h"
#include "host/forms/Form.h"
#include "host/values/Units.h"
#include "tools/bench/PaintTiming.h"

namespace {

constexpr bench::Batches kBatches{200, 25, 400};

controls::FlatCmd& PlaceButton(host::Form& form, const wchar_t* name, int width, int height) {
    auto& button = form.Add(std::make_unique<controls::FlatCmd>(name));
    button.Move(0, 0, host::PixelsToTwipsX(width), host::PixelsToTwipsY(height));
    button.Load(nullptr);
    return button;
}

// A standard push button of the given size.
HWND StandardButton(HWND parent, int width, int height) {
    return CreateWindowExW(0, L"BUTTON", L"开始投票", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, width, height,
                           parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

int wmain() {
    host::Form form(L"BenchForm");
    form.SetClientSize(6000, 4000);

    controls::FlatCmd& xp = PlaceButton(form, L"FlatCmd1", 73, 25);
    xp.SetCaption(L"开始投票    ");
    xp.SetXPStyle(true);
    controls::FlatCmd& bevel = PlaceButton(form, L"FlatCmd2", 200, 60);
    bevel.SetXPWinStyle(false);
    bevel.SetBEVEL(4);
    bevel.SetRAISED(true);
    bench::PrintedWindow small(StandardButton(form.hWnd(), 73, 25), 73, 25);
    bench::PrintedWindow large(StandardButton(form.hWnd(), 200, 60), 200, 60);

    bench::Measure("FlatCmd Refresh, XP window 73 x 25", kBatches, [&] { xp.Refresh(); });
    static_cast<host::UserControl&>(xp).OnEnterFocus();  // the host's notification
    bench::Measure("FlatCmd Refresh, XP window focused 73 x 25", kBatches, [&] { xp.Refresh(); });
    bench::Measure("standard BUTTON paint 73 x 25", kBatches, [&] { small.Paint(); });
    bench::Measure("FlatCmd Refresh, BEVEL 4 raised 200 x 60", kBatches, [&] { bevel.Refresh(); });
    bench::Measure("standard BUTTON paint 200 x 60", kBatches, [&] { large.Paint(); });
    return 0;
}
