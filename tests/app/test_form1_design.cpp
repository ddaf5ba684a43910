// The main window as its design data builds it.
#include <gtest/gtest.h>

#include "Form1Fixture.h"
#include "app/Product.h"
#include "host/forms/Container.h"

namespace app {
namespace {

struct Placement {
    const wchar_t* name;
    const wchar_t* container;
    double left, top, width, height;
    int tabIndex;
};

// Places in twips relative to the container, and tab indexes.
const Placement kPlaces[] = {
    {L"Frame1", L"xForm1", 240, 600, 8055, 8655, 1},     {L"Text3", L"Frame1", 120, 8160, 495, 735, 23},
    {L"Frame5", L"Frame1", 360, 5520, 7335, 1575, 21},   {L"Label9", L"Frame5", 240, 360, 6855, 1095, 22},
    {L"Frame4", L"Frame1", 360, 3600, 7335, 1815, 19},   {L"Text2", L"Frame4", 200, 390, 6975, 1215, 20},
    {L"Frame3", L"Frame1", 360, 1800, 7335, 1575, 9},    {L"Label6", L"Frame3", 240, 480, 1695, 255, 10},
    {L"Text5", L"Frame3", 1680, 480, 5535, 270, 12},     {L"Label7", L"Frame3", 240, 1080, 1575, 255, 11},
    {L"Text6", L"Frame3", 1680, 1080, 5535, 270, 13},    {L"Frame2", L"Frame1", 360, 600, 7335, 975, 6},
    {L"Text4", L"Frame2", 1800, 420, 5415, 320, 8},      {L"Text1", L"Frame1", 2280, 7305, 615, 270, 3},
    {L"Label4", L"Frame1", 3720, 7320, 1095, 255, 14},   {L"Label5", L"Frame1", 4800, 7320, 495, 255, 15},
    {L"Label8", L"Frame1", 5160, 7320, 375, 255, 16},    {L"Label11", L"Frame1", 5520, 7320, 2145, 210, 25},
    {L"Label10", L"Frame1", 240, 7680, 7575, 255, 24},   {L"FlatCmd1", L"Frame1", 1560, 8040, 1095, 375, 18},
    {L"FlatCmd2", L"Frame1", 4320, 8040, 1095, 375, 17}, {L"Image1", L"Frame1", 6360, 8040, 1065, 360, 0},
};

TEST_F(Form1Test, EveryControlSitsInItsContainerAtItsPlace) {
    for (const auto& p : kPlaces) {
        SCOPED_TRACE(p.name);
        host::Control* c = form->FindControl(p.name);
        ASSERT_NE(c, nullptr);
        host::Control* container = c->GetContainer()->AsControl();
        ASSERT_NE(container, nullptr);
        EXPECT_EQ(container->Name(), p.container);
        EXPECT_EQ(c->Left(), p.left);
        EXPECT_EQ(c->Top(), p.top);
        EXPECT_EQ(c->Width(), p.width);
        if (p.name != std::wstring(L"Image1")) {
            EXPECT_EQ(c->Height(), p.height);
        }
        EXPECT_EQ(c->TabIndex(), p.tabIndex);
    }
}

TEST_F(Form1Test, WindowHasNoSystemFrameAndTheDesignedClientSize) {
    RECT client;
    GetClientRect(form->hWnd(), &client);
    EXPECT_EQ(client.right, 584);
    EXPECT_EQ(client.bottom, 634);
    LONG style = GetWindowLongW(form->hWnd(), GWL_STYLE);
    EXPECT_FALSE(style & WS_CAPTION);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX));
    EXPECT_EQ(form->Caption(), kProductName);
    EXPECT_NE(form->Icon(), nullptr);
}

TEST_F(Form1Test, TimersStartAsDesigned) {
    auto& tpt = Control<host::Timer>(L"tpt");
    auto& timer1 = Control<host::Timer>(L"Timer1");
    EXPECT_TRUE(tpt.Enabled());
    EXPECT_EQ(tpt.Interval(), 0);
    EXPECT_FALSE(timer1.Enabled());
    EXPECT_EQ(timer1.Interval(), 10000);
}

TEST_F(Form1Test, PageFragmentIsSixCrLfLinesOf544Gb2312Bytes) {
    auto& text3 = Control<host::TextBox>(L"Text3");
    EXPECT_FALSE(text3.Visible());
    std::wstring fragment = text3.Text();
    int bytes =
        WideCharToMultiByte(936, 0, fragment.c_str(), static_cast<int>(fragment.size()), nullptr, 0, nullptr, nullptr);
    EXPECT_EQ(bytes, 544);
    size_t lines = 0;
    for (size_t at = fragment.find(L"\r\n"); at != std::wstring::npos; at = fragment.find(L"\r\n", at + 2)) ++lines;
    EXPECT_EQ(lines, 6u);
    EXPECT_EQ(fragment.substr(fragment.size() - 2), L"\r\n");
    EXPECT_NE(fragment.find(L"/cgi-bin/readtemplate?t=register/step1_tmpl&lang=zh_CN"), std::wstring::npos);
    EXPECT_NE(fragment.find(L"id=\"pwd\" name=\"password\""), std::wstring::npos);
}

TEST_F(Form1Test, NoticeIsTwoIndentedParagraphsNamingTheSupportContact) {
    std::wstring notice = Caption(L"Label9");
    size_t split = notice.find(L"\r\n");
    ASSERT_NE(split, std::wstring::npos);
    EXPECT_EQ(notice.substr(0, 4), L"    ");
    EXPECT_EQ(notice.substr(split + 2, 4), L"    ");
    EXPECT_EQ(notice.find(L"\r\n", split + 2), std::wstring::npos);
    EXPECT_NE(notice.find(kSupportNumber, split), std::wstring::npos);
    EXPECT_NE(notice.find(kProductName), std::wstring::npos);
}

TEST_F(Form1Test, StartsIdleWithACountOfZero) {
    EXPECT_EQ(Caption(L"Label5"), L"0");
    EXPECT_EQ(Caption(L"Label10"), L"");
    EXPECT_EQ(Caption(L"Label11"), L"");
    EXPECT_EQ(Control<host::TextBox>(L"Text2").Text(), L"");
    EXPECT_EQ(Control<host::TextBox>(L"Text1").Text(), L"1");
}

}  // namespace
}  // namespace app
