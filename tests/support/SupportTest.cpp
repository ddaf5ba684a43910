// What the drawing and leak tests take for granted: the display, the Chinese UI font, the GDI count and the pump.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "GdiObjectCount.h"
#include "MessagePump.h"

namespace {

TEST(TestEnvironment, TrueColourAt96DpiAndTheUiFontDrawsChinese) {
    HDC screen = GetDC(nullptr);
    EXPECT_GE(GetDeviceCaps(screen, BITSPIXEL), 24);
    EXPECT_EQ(std::pair(GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY)), std::pair(96, 96));
    for (const wchar_t* face : {L"SimSun", L"\u5b8b\u4f53", L"NSimSun", L"\u65b0\u5b8b\u4f53"}) {
        HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, face);
        HGDIOBJ old = SelectObject(screen, font);
        TEXTMETRICW metrics{};
        GetTextMetricsW(screen, &metrics);
        WORD glyphs[2] = {};
        GetGlyphIndicesW(screen, L"\u6295\u7968", 2, glyphs, GGI_MARK_NONEXISTING_GLYPHS);
        SelectObject(screen, old);
        DeleteObject(font);
        EXPECT_EQ(metrics.tmCharSet, GB2312_CHARSET) << testing::PrintToString(std::wstring(face));
        EXPECT_TRUE(glyphs[0] != 0xFFFF && glyphs[1] != 0xFFFF) << testing::PrintToString(std::wstring(face));
    }
    ReleaseDC(nullptr, screen);
}

TEST(GdiObjectCount, FollowsEachKindOfObjectUpAndBackDown) {
    const std::pair<const char*, HGDIOBJ (*)()> kinds[] = {
        {"brush", [] { return HGDIOBJ(CreateSolidBrush(RGB(12, 34, 56))); }},
        {"pen", [] { return HGDIOBJ(CreatePen(PS_SOLID, 1, 0)); }},
        {"region", [] { return HGDIOBJ(CreateRectRgn(0, 0, 8, 8)); }},
        {"bitmap", [] { return HGDIOBJ(CreateBitmap(8, 8, 1, 32, nullptr)); }},
        {"font", [] { return HGDIOBJ(CreateFontW(-8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, L"Tahoma")); }},
        {"memory DC", [] { return HGDIOBJ(CreateCompatibleDC(nullptr)); }},
    };
    for (const auto& [name, create] : kinds) {
        const auto destroy = [](HGDIOBJ o) { GetObjectType(o) == OBJ_MEMDC ? DeleteDC(HDC(o)) : DeleteObject(o); };
        destroy(create());  // the first of a kind may make the system create helpers of its own
        const int before = testsupport::CountLiveGdiObjects();
        std::vector<HGDIOBJ> objects;
        for (int i = 0; i < 100; ++i) objects.push_back(create());
        EXPECT_EQ(testsupport::CountLiveGdiObjects(), before + 100) << name;
        for (HGDIOBJ object : objects) destroy(object);
        EXPECT_EQ(testsupport::CountLiveGdiObjects(), before) << name;
    }
}

int ticks = 0;
TEST(MessagePump, DispatchesTimersAndStopsAtQuitLeavingItQueued) {
    UINT_PTR timer = SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD) { ++ticks; });
    testsupport::PumpMessagesFor(std::chrono::milliseconds(200));
    KillTimer(nullptr, timer);
    EXPECT_GE(ticks, 2);
    PostQuitMessage(7);
    testsupport::PumpMessagesFor(std::chrono::seconds(60));  // returns at the quit, not after a minute
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, WPARAM{7});
}

}  // namespace
