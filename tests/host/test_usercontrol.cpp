// User controls: lifecycle order, saving, ambient values and their changes, the
// extender, PropertyChanged, MousePointer and mouse input.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "HostTestKit.h"
#include "host/Form.h"
#include "host/HostFrame.h"
#include "host/Label.h"
#include "host/PictureBox.h"

using namespace host;
using hosttest::ErrorOf;
using hosttest::Journal;
using hosttest::JournalOf;
using hosttest::Journaling;
using hosttest::kNoError;

namespace {

using Entries = std::vector<std::wstring>;

constexpr OleColor kRed = 0x0000FF;
constexpr OleColor kBlue = 0xFF0000;

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

}  // namespace

TEST(UserControlLifecycle, NewAndStoredControlsLoadInTheHostsOrder) {
    PropertyBag stored;
    stored.WriteProperty(L"Value", Variant::Int(1));
    struct Row { const char* label; const PropertyBag* bag; Entries expected; bool value; };
    const Row rows[] = {
        {"new", nullptr, {L"Initialize", L"InitProperties", L"Resize"}, false},
        {"stored", &stored, {L"Initialize", L"ReadProperties", L"Resize"}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        Journal().clear();
        {
            Form form(L"LifecycleForm");
            auto& uc = form.Add(std::make_unique<Journaling>(L"uc"));
            uc.Move(100, 100, 1500, 600);  // placing it before it is loaded resizes nothing
            EXPECT_EQ(Entries{L"Initialize"}, JournalOf(L"uc"));
            uc.Load(row.bag);
            EXPECT_EQ(row.expected, JournalOf(L"uc"));
            EXPECT_EQ(row.value, uc.value);
            Journal().clear();
            uc.Move(200, 300, 1500, 600);
            EXPECT_EQ(Entries{}, JournalOf(L"uc")) << "moving without a size change";
            uc.SetWidth(1800);
            uc.SetHeight(900);
            EXPECT_EQ((Entries{L"Resize", L"Resize"}), JournalOf(L"uc"));
            Journal().clear();
        }
        EXPECT_EQ(Entries{L"Terminate"}, JournalOf(L"uc"));
    }
}

TEST(UserControlLifecycle, ConstituentUserControlsTerminateWithTheirOwner) {
    Journal().clear();
    {
        Form form(L"NestedForm");
        auto& outer = form.Add(std::make_unique<Journaling>(L"outer"));
        outer.Load(nullptr);
        outer.Add(std::make_unique<Journaling>(L"inner"), /*constituent=*/true).Load(nullptr);
        Journal().clear();
    }
    EXPECT_EQ(Entries{L"Terminate"}, JournalOf(L"outer"));
    EXPECT_EQ(Entries{L"Terminate"}, JournalOf(L"inner"));
}

TEST(UserControlLifecycle, SaveWritesTheBagWithTheExtent) {
    Form form(L"SaveForm");
    auto& uc = form.Add(std::make_unique<Journaling>(L"uc"));
    uc.Move(0, 0, 1440, 720);
    uc.Load(nullptr);
    std::vector<std::wstring> announced;
    uc.PropertyChangedNotice.Connect([&](std::wstring name) { announced.push_back(name); });
    uc.value = true;
    uc.PropertyChanged(L"Value");
    EXPECT_EQ(Entries{L"Value"}, announced);
    EXPECT_TRUE(uc.HasChanged());

    PropertyBag bag = uc.Save();
    EXPECT_FALSE(uc.HasChanged());
    EXPECT_EQ((Entries{L"value", L"_extentx", L"_extenty"}), bag.Keys());
    EXPECT_TRUE(bag.ReadProperty(L"Value").ToBool());
    EXPECT_EQ(2540, bag.ReadProperty(L"_ExtentX").ToLong());
    EXPECT_EQ(1270, bag.ReadProperty(L"_ExtentY").ToLong());
}

TEST(UserControlAmbient, ComesFromTheContainer) {
    Form form(L"AmbientForm");
    auto& uc = form.Add(std::make_unique<Journaling>(L"ucOnForm"));
    auto& pic = form.Add(std::make_unique<PictureBox>(L"pic"));
    auto& inner = pic.Add(std::make_unique<Journaling>(L"ucInPicture"));
    pic.SetBackColor(kBlue);

    AmbientProperties ambient = uc.Ambient();
    EXPECT_TRUE(ambient.UserMode);
    EXPECT_EQ(form.BackColor(), ambient.BackColor);
    EXPECT_EQ(form.GetFont(), ambient.Font);
    EXPECT_EQ(L"ucOnForm", ambient.DisplayName);
    EXPECT_EQ(kBlue, inner.Ambient().BackColor);
    EXPECT_EQ(pic.GetFont(), inner.Ambient().Font);

    form.SetUserMode(false);
    EXPECT_FALSE(uc.Ambient().UserMode);
    EXPECT_FALSE(inner.Ambient().UserMode);
}

TEST(UserControlAmbient, ChangesOfTheContainerAreAnnounced) {
    Form form(L"AmbientForm");
    auto& uc = form.Add(std::make_unique<Journaling>(L"ucOnForm"));
    auto& pic = form.Add(std::make_unique<PictureBox>(L"pic"));
    pic.Add(std::make_unique<Journaling>(L"ucInPicture"));
    auto& frame = form.Add(std::make_unique<HostFrame>(L"fra"));
    frame.Add(std::make_unique<Journaling>(L"ucInFrame"));
    Journal().clear();

    form.SetBackColor(kRed);
    EXPECT_EQ(kRed, uc.Ambient().BackColor);
    form.GetFont()->SetBold(true);
    form.SetFont(Font::Create());
    EXPECT_EQ((Entries{L"AmbientChanged BackColor", L"AmbientChanged Font", L"AmbientChanged Font"}),
              JournalOf(L"ucOnForm"));

    pic.SetBackColor(kBlue);
    pic.GetFont()->SetItalic(true);
    EXPECT_EQ((Entries{L"AmbientChanged BackColor", L"AmbientChanged Font"}), JournalOf(L"ucInPicture"));

    frame.SetBackColor(kBlue);
    frame.SetFont(Font::Create());
    EXPECT_EQ((Entries{L"AmbientChanged BackColor", L"AmbientChanged Font"}), JournalOf(L"ucInFrame"));
}

TEST(UserControlExtender, PlaceContainerParentAndFormButtons) {
    Form form(L"ExtenderForm");
    form.SetCaption(L"Extender");
    auto& a = form.Add(std::make_unique<Journaling>(L"a"));
    auto& b = form.Add(std::make_unique<Journaling>(L"b"));
    a.Add(std::make_unique<Label>(L"part"), /*constituent=*/true);
    a.Move(120, 240, 1000, 500);

    EXPECT_EQ(120, a.Left());
    EXPECT_EQ(240, a.Top());
    EXPECT_EQ(1000, a.Width());
    EXPECT_EQ(500, a.Height());
    EXPECT_EQ(static_cast<Container*>(&form), a.GetContainer());
    ASSERT_EQ(&form, a.Parent());
    EXPECT_EQ(L"Extender", a.Parent()->Caption());
    EXPECT_EQ(ScaleMode::Twips, a.Parent()->GetScaleMode());
    EXPECT_EQ((std::vector<Control*>{&a, &b}), a.Parent()->Controls());

    EXPECT_FALSE(a.Default());
    form.SetDefaultControl(&a);
    form.SetCancelControl(&b);
    EXPECT_TRUE(a.Default());
    EXPECT_FALSE(a.Cancel());
    EXPECT_FALSE(b.Default());
    EXPECT_TRUE(b.Cancel());
}

TEST(UserControlExtender, MousePointerIsASixteenBitValue) {
    Form form(L"PointerForm");
    auto& uc = form.Add(std::make_unique<Journaling>(L"uc"));
    struct Row { int32_t value; int error; int16_t stored; };
    const Row rows[] = {
        {99, kNoError, 99}, {32767, kNoError, 32767}, {-32768, kNoError, -32768},
        {32768, err::Overflow, -32768}, {-32769, err::Overflow, -32768}, {70000, err::Overflow, -32768},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(row.error, ErrorOf([&] { uc.SetMousePointer(row.value); }));
        EXPECT_EQ(row.stored, uc.MousePointer());
    }
}

TEST(UserControlExtender, MousePointerChoosesTheCursor) {
    Form form(L"CursorForm");
    auto& uc = form.Add(std::make_unique<Journaling>(L"uc"));
    auto icon = std::make_shared<Picture>(PictureType::Icon,
                                          reinterpret_cast<uintptr_t>(CopyIcon(LoadIconW(nullptr, IDI_APPLICATION))),
                                          847, 847, PictureSource{});
    auto cursorFor = [&](int16_t pointer, PicturePtr mouseIcon) {
        uc.SetMousePointer(pointer);
        uc.SetMouseIcon(std::move(mouseIcon));
        SendMessageW(uc.hWnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(uc.hWnd()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    EXPECT_EQ(LoadCursorW(nullptr, IDC_ARROW), cursorFor(0, nullptr));
    EXPECT_EQ(LoadCursorW(nullptr, IDC_CROSS), cursorFor(2, nullptr));
    EXPECT_EQ(LoadCursorW(nullptr, IDC_WAIT), cursorFor(11, icon));
    EXPECT_EQ(reinterpret_cast<HCURSOR>(icon->Handle()), cursorFor(99, icon));
}

class UserControlMouse : public ::testing::Test {
protected:
    UserControlMouse() {
        uc.SetCanGetFocus(false);
        uc.Move(0, 0, PixelsToTwipsX(100), PixelsToTwipsY(50));
        uc.Load(nullptr);
        Journal().clear();
    }
    void Send(UINT msg, WPARAM keys, LPARAM where) { SendMessageW(uc.hWnd(), msg, keys, where); }

    Form form{L"MouseForm"};
    Journaling& uc = form.Add(std::make_unique<Journaling>(L"uc"));
};

TEST_F(UserControlMouse, PressAndReleaseClick) {
    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    Send(WM_LBUTTONUP, 0, At(6, 6));
    Send(WM_RBUTTONDOWN, MK_RBUTTON, At(5, 5));
    Send(WM_RBUTTONUP, 0, At(200, 6));  // released outside
    EXPECT_EQ((Entries{L"MouseDown 1", L"MouseUp 1", L"Click", L"MouseDown 2", L"MouseUp 2"}), JournalOf(L"uc"));
}

TEST_F(UserControlMouse, ADoubleClickReplacesTheSecondPress) {
    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    Send(WM_LBUTTONUP, 0, At(5, 5));
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, At(5, 5));
    Send(WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_EQ((Entries{L"MouseDown 1", L"MouseUp 1", L"Click", L"DblClick", L"MouseUp 1"}), JournalOf(L"uc"));
}

TEST_F(UserControlMouse, ConstituentLabelsTakeTheirOwnClicks) {
    auto& label = uc.Add(std::make_unique<Label>(L"part"), /*constituent=*/true);
    label.Move(0, 0, PixelsToTwipsX(20), PixelsToTwipsY(20));
    int clicks = 0;
    label.Click.Connect([&] { ++clicks; });
    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    Send(WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_EQ(1, clicks);
    EXPECT_EQ(Entries{}, JournalOf(L"uc"));
}
