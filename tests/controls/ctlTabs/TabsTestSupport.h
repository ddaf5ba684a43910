#pragma once
// What the tab strip's tests share: a form of 200 x 100 pixel strips, a log of what their container sees, their images.
#include "TestKit.h"
#include "controls/ctlTabs/ctlTabs.h"
#include "controls/ctlTabs/ctlTabsPaint.h"
#include "host/forms/Form.h"
#include "host/values/Units.h"

namespace controls {

struct ctlTabsTestAccess {
    static const std::vector<RECT>& tabRects_(const ctlTabs& t) { return t.tabRects_; }
    static void ForgetTabRects(ctlTabs& t) { t.tabRects_.clear(); }
};

}  // namespace controls

namespace tabs_test {

using namespace testkit;
using controls::ctlTabs;
constexpr int kW = 200, kH = 100;

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
    // A strip loaded from a bag of the given keys.
    ctlTabs& Stored(const std::vector<std::pair<const wchar_t*, host::Variant>>& keys) {
        host::PropertyBag bag;
        for (const auto& [key, value] : keys) bag.WriteProperty(key, value);
        return Place(&bag);
    }

    Log log;
    host::Connections recording;
    host::Form form{L"TabsForm"};
    ctlTabs* tabs = nullptr;
    int placed = 0;
};

inline COLORREF Pixel(ctlTabs& t, int x, int y) { return GetPixel(t.hDC(), x, y); }

}  // namespace tabs_test
