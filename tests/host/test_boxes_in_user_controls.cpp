// Parts built into a user control before it has a window: their windows come with its own, keeping what was set.
#include <windows.h>
#include <commctrl.h>

#include "HostTestKit.h"

using namespace host;
using namespace hosttest;

namespace {

class Composed : public UserControl {
public:
    Composed() : UserControl(L"Composed", L"cmp") {
        box = &Add(std::make_unique<PictureBox>(L"box"), true);
        text = &box->Add(std::make_unique<TextBox>(L"txt"), true);
        combo = &Add(std::make_unique<ComboBox>(L"cbo"), true);
        hidden = &Add(std::make_unique<PictureBox>(L"hidden"), true);
        text->SetText(L"early");
        text->SetToolTipText(L"tip");
        PlaceInPixels(*box, 3, 4, 100, 40);
        PlaceInPixels(*text, 10, 10, 60, 20);
        PlaceInPixels(*combo, 0, 50, 150, 20);
        PlaceInPixels(*hidden, 0, 0, 30, 20);
        hidden->SetVisible(false);
        hidden->SetEnabled(false);
    }
    void OnInitialize() override { windowsAtInitialize = box->Hwnd() && text->Hwnd() && !hidden->Hwnd(); }
    PictureBox *box, *hidden;
    TextBox* text;
    ComboBox* combo;
    bool windowsAtInitialize = false;
};

class BoxesTest : public ::testing::Test {
protected:
    BoxesTest() {
        PlaceInPixels(composed, 0, 0, 200, 100);
        form.Show();
    }
    Form form{L"BoxesForm"};
    Composed& composed = form.Add(std::make_unique<Composed>());
};

// The text the tooltip shows for `tool` (the only tooltip window there is).
std::wstring TipOf(HWND tool) {
    wchar_t text[80] = L"";
    TTTOOLINFOW info{
        TTTOOLINFOW_V2_SIZE, 0, GetParent(tool), reinterpret_cast<UINT_PTR>(tool), {}, nullptr, text, 0, nullptr};
    SendMessageW(FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr), TTM_GETTEXTW, 80,
                 reinterpret_cast<LPARAM>(&info));
    return text;
}

}  // namespace

TEST_F(BoxesTest, WindowsComeWithTheUserControlsAndKeepWhatWasSetBefore) {
    TextBox& text = *composed.text;
    ASSERT_TRUE(composed.windowsAtInitialize);
    RECT r{};
    GetWindowRect(composed.box->Hwnd(), &r);
    MapWindowPoints(nullptr, composed.hWnd(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(Corners(r), (std::array<LONG, 4>{3, 4, 103, 44}));
    // A hidden box waits for its window until it shows, measuring as it will then.
    PictureBox& hidden = *composed.hidden;
    const double width = hidden.ScaleWidth();
    EXPECT_GT(width, 0);
    hidden.SetVisible(true);
    ASSERT_NE(hidden.Hwnd(), nullptr);
    EXPECT_TRUE(IsWindowVisible(hidden.Hwnd()) && !IsWindowEnabled(hidden.Hwnd()));
    EXPECT_EQ(GetWindow(composed.combo->Hwnd(), GW_HWNDNEXT), hidden.Hwnd()) << "stacked in order";
    EXPECT_EQ(hidden.ScaleWidth(), width);
    EXPECT_EQ(GetParent(text.Hwnd()), composed.box->Hwnd());
    EXPECT_EQ(GetWindow(composed.box->Hwnd(), GW_HWNDNEXT), composed.combo->Hwnd()) << "stacked in order";
    EXPECT_EQ(text.Text(), L"early");
    EXPECT_EQ(TipOf(text.Hwnd()), L"tip");
    text.SetToolTipText(L"Type here");
    EXPECT_EQ(TipOf(text.Hwnd()), L"Type here");
    const struct {
        const char* label;
        int32_t length;
        int error;
        int32_t kept;
    } lengths[] = {
        {"ten", 10, kNoError, 10},
        {"Mended: negative is refused, not taken as no limit", -1, err::InvalidPropertyValue, 10},
        {"no limit", 0, kNoError, 0},
    };
    for (const auto& row : lengths) {
        EXPECT_EQ(ErrorOf([&] { text.SetMaxLength(row.length); }), row.error) << row.label;
        EXPECT_EQ(text.MaxLength(), row.kept) << row.label;
    }
}

// The system reports a pick while its field still shows the text from before.
TEST_F(BoxesTest, ComboBoxShowsThePickedItemWhenItReportsThePick) {
    ComboBox& combo = *composed.combo;
    for (const wchar_t* item : {L"one", L"two", L"three"}) combo.AddItem(item);
    Entries seen;
    const Connection watching =
        combo.Click.Connect([&] { seen.push_back(std::to_wstring(combo.ListIndex()) + L" " + combo.Text()); });
    combo.ShowDropDown(true);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(combo.Hwnd(), &info);
    const LPARAM second = MAKELPARAM(5, SendMessageW(info.hwndList, LB_GETITEMHEIGHT, 0, 0) * 3 / 2);
    for (UINT msg : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}) SendMessageW(info.hwndList, msg, 0, second);
    SendMessageW(combo.Hwnd(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(seen, (Entries{L"1 two", L"2 three"}));
}
