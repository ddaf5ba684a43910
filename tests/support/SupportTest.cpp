// What the drawing tests take for granted: a true-colour display at 96 dpi and a UI font that draws Chinese.
#include <gtest/gtest.h>
#include <windows.h>

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

}  // namespace
