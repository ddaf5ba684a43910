#pragma once
// What the tab strip's tests share: a hidden form holding 200 x 100 pixel strips, a
// log of what their container sees (TabClick, announced bag keys), and reading
// back their off-screen images.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/ctlTabs/ctlTabs.h"
#include "controls/ctlTabs/ctlTabsPaint.h"
#include "host/values/Error.h"
#include "host/forms/Form.h"
#include "host/values/Gdi.h"
#include "host/values/Units.h"

namespace controls {

struct ctlTabsTestAccess {
    static const std::vector<RECT>& tabRects_(const ctlTabs& t) { return t.tabRects_; }
    static void ForgetTabRects(ctlTabs& t) { t.tabRects_.clear(); }
};

}  // namespace controls

namespace tabs_test {

using controls::ctlTabs;
using Log = std::vector<std::wstring>;

constexpr int kW = 200, kH = 100;
constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kGreen = RGB(0, 160, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0), kBlack = RGB(0, 0, 0);

inline host::OleColor Ole(COLORREF rgb) { return static_cast<host::OleColor>(rgb); }
inline COLORREF Sys(int index) { return GetSysColor(index); }
inline std::array<LONG, 4> Corners(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// The host error number a call raises, 0 for none.
inline int ErrorOf(const std::function<void()>& call) try {
    call();
    return 0;
} catch (const host::HostError& e) {
    return e.Number();
}

class TabsTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.SetClientSize(6000, 4000);
        form.SetBackColor(Ole(kYellow));  // the strip's background, apart from the tab colours
        tabs = &Place(nullptr);
    }

    ctlTabs& Place(const host::PropertyBag* bag, int w = kW, int h = kH) {
        auto& t = form.Add(std::make_unique<ctlTabs>(L"ctlTabs" + std::to_wstring(++placed)));
        t.Move(0, 0, host::PixelsToTwipsX(w), host::PixelsToTwipsY(h));
        t.Load(bag);
        recording += t.TabClick.Connect([this](int16_t o, int16_t n) {
            log.push_back(L"TabClick " + std::to_wstring(o) + L" " + std::to_wstring(n));
        });
        recording += t.PropertyChangedNotice.Connect([this](const std::wstring& k) { log.push_back(L"Changed " + k); });
        return t;
    }

    Log log;
    host::Connections recording;
    host::Form form{L"TabsForm"};
    ctlTabs* tabs = nullptr;
    int placed = 0;
};

inline COLORREF Pixel(ctlTabs& t, int x, int y) { return GetPixel(t.hDC(), x, y); }

// The smallest rectangle of pixels of `ink` within `area` (empty when there is none).
inline RECT InkBox(HDC dc, const RECT& area, COLORREF ink) {
    RECT box{area.right, area.bottom, area.left, area.top};
    for (LONG y = area.top; y < area.bottom; ++y)
        for (LONG x = area.left; x < area.right; ++x)
            if (GetPixel(dc, x, y) == ink)
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
    return box;
}

}  // namespace tabs_test
