// The host's child controls: text, list and button windows, labels, images,
// picture boxes, visibility and enabling through containers, properties by name.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "HostTestKit.h"
#include "host/CommandButton.h"
#include "host/Form.h"
#include "host/HostFrame.h"
#include "host/Image.h"
#include "host/Label.h"
#include "host/ListControls.h"
#include "host/PictureBox.h"
#include "host/TextBox.h"

using namespace host;
using hosttest::ErrorOf;
using hosttest::kNoError;

namespace {

PicturePtr BlankPicture(int width, int height) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    return PictureFromBitmap(reinterpret_cast<uintptr_t>(bitmap));
}

class ControlsTest : public ::testing::Test {
protected:
    ControlsTest() { form.SetClientSize(6000, 4000); }
    Form form{L"ControlsForm"};
};

}  // namespace

TEST_F(ControlsTest, TextBoxTextBeforeAndAfterItsWindowAndChange) {
    auto box = std::make_unique<TextBox>(L"txt");
    box->SetText(L"early");
    auto& text = form.Add(std::move(box));
    EXPECT_EQ(L"early", text.Text());
    int changes = 0;
    text.Change.Connect([&] { ++changes; });
    text.SetText(L"later");
    EXPECT_EQ(L"later", text.Text());
    EXPECT_EQ(1, changes);
    EXPECT_EQ(L"later", text.GetProperty(L"text").ToString());
    text.LetProperty(L"Text", Variant(L"by name"));
    EXPECT_EQ(L"by name", text.Text());
    text.SetSelection(3, 4);
    EXPECT_EQ(3, text.SelStart());
    EXPECT_EQ(4, text.SelLength());
}

TEST_F(ControlsTest, ListsAddRemoveAndSelectTheirItems) {
    std::vector<std::unique_ptr<ItemList>> kinds;
    kinds.push_back(std::make_unique<ComboBox>(L"cbo"));
    kinds.push_back(std::make_unique<ListBox>(L"lst"));
    for (auto& kind : kinds) {
        SCOPED_TRACE(testing::PrintToString(kind->Kind()));
        auto& list = form.Add(std::move(kind));
        int clicks = 0;
        list.Click.Connect([&] { ++clicks; });
        list.AddItem(L"b");
        list.AddItem(L"c");
        list.AddItem(L"a", 0);
        EXPECT_EQ(3, list.ListCount());
        EXPECT_EQ(L"a", list.List(0));
        EXPECT_EQ(L"c", list.List(2));
        EXPECT_EQ(L"", list.List(3));
        EXPECT_EQ(-1, list.ListIndex());

        list.SetListIndex(1);
        EXPECT_EQ(1, clicks);
        list.SetList(1, L"B");
        EXPECT_EQ(L"B", list.GetProperty(L"List", {Variant::Int(1)}).ToString());
        EXPECT_EQ(1, list.ListIndex()) << "replacing the selected item keeps it selected";
        list.LetProperty(L"List", Variant(L"A"), {Variant::Int(0)});
        EXPECT_EQ(L"A", list.List(0));

        struct Bad { const char* label; std::function<void()> call; int error; };
        const Bad bad[] = {
            {"add past the end", [&] { list.AddItem(L"x", 4); }, err::InvalidProcedureCall},
            {"remove past the end", [&] { list.RemoveItem(3); }, err::InvalidProcedureCall},
            {"remove -1", [&] { list.RemoveItem(-1); }, err::InvalidProcedureCall},
            {"set past the end", [&] { list.SetList(3, L"x"); }, err::InvalidProcedureCall},
            {"select past the end", [&] { list.SetListIndex(3); }, err::InvalidPropertyValue},
            {"select -2", [&] { list.SetListIndex(-2); }, err::InvalidPropertyValue},
        };
        for (const Bad& b : bad) EXPECT_EQ(b.error, ErrorOf(b.call)) << b.label;
        EXPECT_EQ(3, list.ListCount());

        list.RemoveItem(0);
        EXPECT_EQ(L"B", list.List(0));
        list.SetListIndex(-1);
        EXPECT_EQ(-1, list.ListIndex());
        list.Clear();
        EXPECT_EQ(0, list.ListCount());
    }
}

TEST_F(ControlsTest, CommandButtonsClickFromTheirWindow) {
    auto& button = form.Add(std::make_unique<CommandButton>(L"cmd"));
    button.Move(0, 0, 1200, 400);
    button.SetCaption(L"&Go");
    int clicks = 0;
    button.Click.Connect([&] { ++clicks; });
    SendMessageW(button.Hwnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(1, clicks);
    EXPECT_EQ(L'G', button.AccessKey());
}

TEST_F(ControlsTest, SystemControlsPaintInTheirColoursAndTheFormsFont) {
    form.GetFont()->SetSize(12);
    auto& text = form.Add(std::make_unique<TextBox>(L"txt"));
    EXPECT_NE(nullptr, reinterpret_cast<HFONT>(SendMessageW(text.Hwnd(), WM_GETFONT, 0, 0)));
    ASSERT_TRUE(text.GetFont());
    EXPECT_EQ(12, text.GetFont()->Size());
    EXPECT_NE(form.GetFont(), text.GetFont()) << "a control starts with a copy of the form's font";

    constexpr OleColor kYellow = 0x00FFFF, kNavy = 0x800000;
    text.SetBackColor(kYellow);
    text.SetForeColor(kNavy);
    HDC dc = GetDC(text.Hwnd());
    auto brush = SendMessageW(form.hWnd(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(text.Hwnd()));
    EXPECT_NE(0, brush);
    EXPECT_EQ(TranslateColor(kYellow), GetBkColor(dc));
    EXPECT_EQ(TranslateColor(kNavy), GetTextColor(dc));
    ReleaseDC(text.Hwnd(), dc);
}

TEST_F(ControlsTest, VisibilityAndEnablingFollowTheContainers) {
    auto& frame = form.Add(std::make_unique<HostFrame>(L"fra"));
    auto& text = frame.Add(std::make_unique<TextBox>(L"txt"));
    auto& label = frame.Add(std::make_unique<Label>(L"lbl"));
    form.Show();
    EXPECT_TRUE(IsWindowVisible(text.Hwnd()));
    EXPECT_TRUE(text.CanTakeFocus());

    frame.SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(text.Hwnd()));
    EXPECT_TRUE(text.Visible());
    EXPECT_FALSE(text.Showing());
    EXPECT_FALSE(label.Showing());
    EXPECT_FALSE(text.CanTakeFocus());
    frame.SetVisible(true);

    frame.SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(frame.Hwnd()));
    EXPECT_FALSE(text.EnabledInTree());
    EXPECT_FALSE(text.CanTakeFocus());
    text.SetEnabled(false);
    frame.SetEnabled(true);
    EXPECT_FALSE(IsWindowEnabled(text.Hwnd()));
    EXPECT_FALSE(text.CanTakeFocus());
}

TEST_F(ControlsTest, LabelsSizeThemselvesAndAnnounceCaptionChanges) {
    auto& label = form.Add(std::make_unique<Label>(L"lbl"));
    int changes = 0;
    label.Change.Connect([&] { ++changes; });
    label.SetCaption(L"Hi");
    label.SetCaption(L"Hi");
    EXPECT_EQ(1, changes);

    label.Move(0, 0, 15, 15);
    label.SetAutoSize(true);
    const double shortWidth = label.Width();
    EXPECT_GT(shortWidth, 15);
    EXPECT_GT(label.Height(), 15);
    label.SetCaption(L"Hi there, a longer caption");
    EXPECT_GT(label.Width(), shortWidth);
    EXPECT_EQ(L'N', AccessKeyOf(L"&Name"));
    EXPECT_EQ(L'B', AccessKeyOf(L"A&&&b"));
    EXPECT_EQ(0, AccessKeyOf(L"Fish && Chips&"));
}

TEST_F(ControlsTest, ImagesAndPictureBoxesTakeTheSizeOfTheirPicture) {
    auto& image = form.Add(std::make_unique<Image>(L"img"));
    image.Move(0, 0, 30, 30);
    image.SetPicture(BlankPicture(40, 20));
    EXPECT_EQ(40, image.PixelRect().right);
    EXPECT_EQ(20, image.PixelRect().bottom);
    image.SetStretch(true);
    image.Move(0, 0, PixelsToTwipsX(80), PixelsToTwipsY(80));
    image.SetPicture(BlankPicture(10, 10));
    EXPECT_EQ(80, image.PixelRect().right) << "a stretched image keeps its size";

    auto box = std::make_unique<PictureBox>(L"pic");
    box->SetBorder(false);
    auto& pic = form.Add(std::move(box));
    pic.SetAutoSize(true);
    pic.SetPictureAndFit(BlankPicture(50, 30));
    RECT client;
    GetClientRect(pic.Hwnd(), &client);
    EXPECT_EQ(50, client.right);
    EXPECT_EQ(30, client.bottom);
}

TEST_F(ControlsTest, PropertiesByName) {
    auto& label = form.Add(std::make_unique<Label>(L"lbl"));
    label.LetProperty(L"caption", Variant(L"named"));
    label.LetProperty(L"Left", Variant::Int(120));
    EXPECT_EQ(L"named", label.GetProperty(L"Caption").ToString());
    EXPECT_EQ(120, label.GetProperty(L"LEFT").ToLong());
    EXPECT_EQ(L"lbl", label.GetProperty(L"Name").ToString());
    EXPECT_EQ(err::PropertyNotFound, ErrorOf([&] { label.GetProperty(L"Nonsense"); }));
    EXPECT_EQ(err::PropertyNotFound, ErrorOf([&] { label.LetProperty(L"Caption", Variant(L"x"), {Variant::Int(0)}); }));
    EXPECT_EQ(err::TypeMismatch, ErrorOf([&] { label.LetProperty(L"Left", Variant(L"far")); }));
    EXPECT_EQ(120, label.Left());
}
