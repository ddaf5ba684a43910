// Measures one repaint of the tab strip against a system tab control painting
// itself, in the same run: both 400 x 300 pixels with 10 tabs of 40 x 20.
// The strip's DrawTabs (run by its resize step) paints the whole control into its
// off-screen image; the system control paints its client area into a memory
// bitmap (WM_PRINTCLIENT).
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <memory>
#include <string>

#include "controls/ctlTabs/ctlTabs.h"
#include "host/forms/Form.h"
#include "host/values/Units.h"
#include "tools/bench/PaintTiming.h"

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;
constexpr int16_t kTabs = 10;
constexpr int kTabWidth = 40;
constexpr int kTabHeight = 20;
constexpr bench::Batches kBatches{100, 25, 100};

// A system tab control of the strip's size with the same tabs.
HWND SystemTabs(HWND parent) {
    HWND tabs = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | TCS_FIXEDWIDTH, 0, 0, kWidth, kHeight,
                                parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(tabs, TCM_SETITEMSIZE, 0, MAKELPARAM(kTabWidth, kTabHeight));
    for (int i = 0; i < kTabs; ++i) {
        std::wstring text = L"Tab " + std::to_wstring(i + 1);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    return tabs;
}

}  // namespace

int wmain() {
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
    host::Form form(L"BenchForm");
    form.SetClientSize(host::PixelsToTwipsX(kWidth + 20), host::PixelsToTwipsY(2 * kHeight + 20));

    auto& strip = form.Add(std::make_unique<controls::ctlTabs>(L"ctlTabs1"));
    strip.Move(0, 0, host::PixelsToTwipsX(kWidth), host::PixelsToTwipsY(kHeight));
    strip.Load(nullptr);
    strip.SetTabsWidth(kTabWidth);
    strip.SetTabs(kTabs);
    for (int16_t i = 1; i <= kTabs; ++i) strip.SetCaption(i, L"Tab " + std::to_wstring(i));
    strip.SetSelectedTab(3);
    bench::PrintedWindow system(SystemTabs(form.hWnd()), kWidth, kHeight);
    SendMessageW(form.hWnd(), WM_NULL, 0, 0);

    bench::Measure("ctlTabs DrawTabs, 400 x 300, 10 tabs", kBatches, [&] { strip.OnResize(); });
    bench::Measure("system tab control paint, 400 x 300, 10 tabs", kBatches, [&] { system.Paint(); });
    return 0;
}
