// The host's child controls: text, lists, labels and images, owners, visibility and enabling.
#include "HostTestKit.h"

using namespace host;
using namespace hosttest;

namespace {

class ControlsTest : public ::testing::Test {
protected:
    ControlsTest() { form.SetClientSize(6000, 4000); }
    Form form{L"ControlsForm"};
};

}  // namespace

// A hidden multi-line box gets its text late, yet whoever asks finds it, and no change is announced.
TEST_F(ControlsTest, AHiddenMultiLineBoxHasItsTextWhenAskedOrShown) {
    auto windowText = [](TextBox& box) {
        wchar_t text[32]{};
        GetWindowTextW(box.Hwnd(), text, 32);
        return std::wstring(text);
    };
    auto selection = [](TextBox& box) {
        box.SetSelection(2, 3);
        return std::to_wstring(box.SelStart()) + L"+" + std::to_wstring(box.SelLength());
    };
    const std::wstring lines = L"line 1\r\nline 2";
    // clang-format off
    const struct { const char* label; std::function<std::wstring(TextBox&)> read; std::wstring expected; } rows[] = {
        {"the control's text", [](TextBox& box) { return box.Text(); }, lines},
        {"the window's text", windowText, lines},
        {"shown", [&](TextBox& box) { return box.SetVisible(true), windowText(box); }, lines},
        {"a selection in it", selection, L"2+3"},
    };
    // clang-format on
    form.Show();
    for (bool setBeforeTheWindow : {true, false}) {
        for (const auto& row : rows) {
            SCOPED_TRACE(std::string(row.label) + (setBeforeTheWindow ? ", set before the window" : ", set after"));
            auto box = std::make_unique<TextBox>(L"txt");
            box->SetMultiLine(true);
            box->SetVisible(false);
            if (setBeforeTheWindow) box->SetText(lines);
            auto& text = form.Add(std::move(box));
            int changes = 0;
            Connection counting = text.Change.Connect([&] { ++changes; });
            if (!setBeforeTheWindow) text.SetText(lines);
            EXPECT_EQ(row.expected, row.read(text));
            EXPECT_EQ(0, changes);
        }
    }
}

TEST_F(ControlsTest, ListsAddRemoveAndSelectTheirItems) {
    std::unique_ptr<ItemList> kinds[] = {std::make_unique<ComboBox>(L"cbo"), std::make_unique<ListBox>(L"lst")};
    for (auto& kind : kinds) {
        SCOPED_TRACE(testing::PrintToString(kind->Kind()));
        auto& list = form.Add(std::move(kind));
        int clicks = 0;
        Connection counting = list.Click.Connect([&] { ++clicks; });
        list.AddItem(L"b");
        list.AddItem(L"a", 0);
        list.SetListIndex(1);
        list.LetProperty(L"List", Variant(L"B"), {Variant::Int(1)});
        EXPECT_EQ(L"B", list.GetProperty(L"List", {Variant::Int(1)}).ToString());
        EXPECT_EQ(1, list.ListIndex()) << "replacing the selected item keeps it selected";
        EXPECT_EQ(1, clicks);
        EXPECT_EQ(err::InvalidProcedureCall, ErrorOf([&] { list.AddItem(L"x", 3); }));
        EXPECT_EQ(err::InvalidPropertyValue, ErrorOf([&] { list.SetListIndex(2); }));
        list.RemoveItem(0);
        EXPECT_EQ(L"B", list.List(0));
        EXPECT_EQ(L"", list.List(1));
    }
}

TEST_F(ControlsTest, SystemControlsPaintInTheirColoursAndACopyOfTheFormsFont) {
    form.GetFont()->SetSize(12);
    auto& text = form.Add(std::make_unique<TextBox>(L"txt"));
    EXPECT_EQ(12, text.GetFont()->Size());
    EXPECT_NE(form.GetFont(), text.GetFont());
    text.SetBackColor(Ole(kGreen));
    text.SetForeColor(Ole(kBlue));
    HDC dc = GetDC(text.Hwnd());
    SendMessageW(form.hWnd(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(text.Hwnd()));
    EXPECT_EQ(kGreen, GetBkColor(dc));
    EXPECT_EQ(kBlue, GetTextColor(dc));
    ReleaseDC(text.Hwnd(), dc);
}

// A window that goes with its parent's must not leave its owner to be found by its handle.
TEST_F(ControlsTest, WindowsLeadToTheirOwnersUntilTheWindowsGo) {
    auto& frame = form.Add(std::make_unique<HostFrame>(L"fra"));
    auto& text = frame.Add(std::make_unique<TextBox>(L"txt"));
    HWND frameWindow = frame.Hwnd(), textWindow = text.Hwnd();
    EXPECT_EQ(static_cast<WindowOwner*>(&frame), WindowOwner::FromHwnd(frameWindow));
    EXPECT_EQ(static_cast<WindowOwner*>(&text), WindowOwner::FromHwnd(textWindow));
    EXPECT_EQ(nullptr, WindowOwner::FromHwnd(GetDesktopWindow())) << "a window the host does not own";
    text.SetText(L"typed");
    wchar_t shown[16]{};
    GetWindowTextW(textWindow, shown, 16);
    EXPECT_STREQ(L"typed", shown) << "the system control's own procedure still runs";
    DestroyWindow(frameWindow);
    EXPECT_EQ(nullptr, WindowOwner::FromHwnd(frameWindow));
    EXPECT_EQ(nullptr, WindowOwner::FromHwnd(textWindow));
}

TEST_F(ControlsTest, VisibilityAndEnablingFollowTheContainers) {
    auto& frame = form.Add(std::make_unique<HostFrame>(L"fra"));
    auto& text = frame.Add(std::make_unique<TextBox>(L"txt"));
    auto& label = frame.Add(std::make_unique<Label>(L"lbl"));
    form.Show();
    frame.SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(text.Hwnd()));
    EXPECT_TRUE(text.Visible());
    EXPECT_FALSE(label.Showing());
    EXPECT_FALSE(text.CanTakeFocus());
    frame.SetVisible(true);
    frame.SetEnabled(false);
    EXPECT_FALSE(text.CanTakeFocus());
    text.SetEnabled(false);
    frame.SetEnabled(true);
    EXPECT_FALSE(IsWindowEnabled(text.Hwnd())) << "its own setting stays";
}

TEST_F(ControlsTest, LabelsAndImagesSizeThemselves) {
    auto& label = form.Add(std::make_unique<Label>(L"lbl"));
    label.SetCaption(L"Hi");
    label.SetAutoSize(true);
    const double shortWidth = label.Width();
    label.SetCaption(L"Hi there, a longer caption");
    EXPECT_GT(label.Width(), shortWidth);

    auto& image = form.Add(std::make_unique<Image>(L"img"));
    image.SetPicture(SolidPicture(40, 20, kBlue));
    EXPECT_EQ((Corners({0, 0, 40, 20})), Corners(image.PixelRect()));
    image.SetStretch(true);
    image.SetPicture(SolidPicture(10, 10, kBlue));
    EXPECT_EQ(40, image.PixelRect().right) << "a stretched image keeps its size";
}
