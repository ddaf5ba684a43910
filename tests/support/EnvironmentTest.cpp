// What every drawing test takes for granted about the machine it runs on: the
// prefix and display the test run sets up.
#include <gtest/gtest.h>
#include <windows.h>

namespace {

constexpr int ExpectedDpi = 96;
constexpr int MinimumColourBits = 24;
constexpr BYTE ChineseCharset = GB2312_CHARSET;
constexpr int UiFontHeight = -12;

class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() { ReleaseDC(nullptr, dc_); }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

TEST(TestEnvironment, ScreenIsTrueColourAt96Dpi) {
    ScreenDc screen;
    EXPECT_GE(GetDeviceCaps(screen.Get(), BITSPIXEL), MinimumColourBits);
    EXPECT_EQ(GetDeviceCaps(screen.Get(), LOGPIXELSX), ExpectedDpi);
    EXPECT_EQ(GetDeviceCaps(screen.Get(), LOGPIXELSY), ExpectedDpi);
}

TEST(TestEnvironment, UiFontDrawsChineseText) {
    ScreenDc screen;
    struct Face {
        const char* label;
        const wchar_t* name;
    };
    const Face faces[] = {{"SimSun", L"SimSun"},
                          {"SimSun, Chinese name", L"\u5b8b\u4f53"},
                          {"NSimSun", L"NSimSun"},
                          {"NSimSun, Chinese name", L"\u65b0\u5b8b\u4f53"}};
    const wchar_t text[] = L"\u6295\u7968";  // "vote"
    for (const Face& face : faces) {
        SCOPED_TRACE(face.label);
        const HFONT font =
            CreateFontW(UiFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ChineseCharset, 0, 0, 0, 0, face.name);
        const HGDIOBJ old = SelectObject(screen.Get(), font);

        TEXTMETRICW metrics{};
        GetTextMetricsW(screen.Get(), &metrics);
        WORD glyphs[2] = {};
        GetGlyphIndicesW(screen.Get(), text, 2, glyphs, GGI_MARK_NONEXISTING_GLYPHS);

        SelectObject(screen.Get(), old);
        DeleteObject(font);
        EXPECT_EQ(metrics.tmCharSet, ChineseCharset);
        EXPECT_NE(glyphs[0], 0xFFFF);
        EXPECT_NE(glyphs[1], 0xFFFF);
    }
}

}  // namespace
