// User controls: lifecycle, saving, ambient values, the extender and MousePointer.
#include "HostTestKit.h"

using namespace host;
using namespace hosttest;

TEST(UserControlLifecycle, LoadingResizingAndEndingComeInTheHostsOrder) {
    Journal().clear();
    {
        Form form(L"LifecycleForm");
        auto& uc = form.Add(std::make_unique<Journaling>(L"uc"));
        uc.Move(100, 100, 1500, 600);  // placing it before it is loaded resizes nothing
        uc.Load(nullptr);
        EXPECT_EQ((Entries{L"Initialize", L"InitProperties", L"Resize"}), JournalOf(L"uc"));
        uc.Add(std::make_unique<Journaling>(L"inner"), /*constituent=*/true).Load(nullptr);
        Journal().clear();
        uc.Move(200, 300, 1500, 600);
        EXPECT_EQ(Entries{}, JournalOf(L"uc")) << "moving without a size change";
        uc.SetWidth(1800);
        uc.SetHeight(900);
        EXPECT_EQ((Entries{L"Resize", L"Resize"}), JournalOf(L"uc"));
        Journal().clear();
    }
    EXPECT_EQ((Entries{L"uc.Terminate", L"inner.Terminate"}), Journal()) << "a constituent ends after its owner";
}

TEST(UserControlLifecycle, SaveWritesTheBagWithTheExtent) {
    Form form(L"SaveForm");
    auto& uc = form.Add(std::make_unique<Journaling>(L"uc"));
    uc.Move(0, 0, 1440, 720);
    uc.Load(nullptr);
    Entries announced;
    Connection recording = uc.PropertyChangedNotice.Connect([&](std::wstring name) { announced.push_back(name); });
    uc.value = true;
    uc.PropertyChanged(L"Value");
    EXPECT_EQ(Entries{L"Value"}, announced);
    EXPECT_TRUE(uc.HasChanged());

    PropertyBag bag = uc.Save();
    EXPECT_FALSE(uc.HasChanged());
    EXPECT_EQ((Entries{L"value", L"_extentx", L"_extenty"}), bag.Keys());
    EXPECT_EQ(2540, bag.ReadProperty(L"_ExtentX").ToLong());
    EXPECT_EQ(1270, bag.ReadProperty(L"_ExtentY").ToLong());
}

TEST(UserControlAmbient, ComesFromTheContainerAndItsChangesAreAnnounced) {
    Form form(L"AmbientForm");
    auto& uc = form.Add(std::make_unique<Journaling>(L"ucOnForm"));
    auto& pic = form.Add(std::make_unique<PictureBox>(L"pic"));
    auto& inner = pic.Add(std::make_unique<Journaling>(L"ucInPicture"));
    auto& frame = form.Add(std::make_unique<HostFrame>(L"fra"));
    frame.Add(std::make_unique<Journaling>(L"ucInFrame"));
    EXPECT_TRUE(uc.Ambient().UserMode);
    EXPECT_EQ(form.GetFont(), uc.Ambient().Font);
    EXPECT_EQ(L"ucOnForm", uc.Ambient().DisplayName);
    EXPECT_EQ(pic.GetFont(), inner.Ambient().Font);
    form.SetUserMode(false);
    EXPECT_FALSE(inner.Ambient().UserMode);
    Journal().clear();

    form.SetBackColor(Ole(kRed));
    EXPECT_EQ(Ole(kRed), uc.Ambient().BackColor);
    form.GetFont()->SetBold(true);
    form.SetFont(Font::Create());
    EXPECT_EQ((Entries{L"AmbientChanged BackColor", L"AmbientChanged Font", L"AmbientChanged Font"}),
              JournalOf(L"ucOnForm"));
    pic.SetBackColor(Ole(kBlue));
    EXPECT_EQ(Ole(kBlue), inner.Ambient().BackColor);
    pic.GetFont()->SetItalic(true);
    frame.SetBackColor(Ole(kBlue));
    frame.SetFont(Font::Create());
    for (const wchar_t* name : {L"ucInPicture", L"ucInFrame"})
        EXPECT_EQ((Entries{L"AmbientChanged BackColor", L"AmbientChanged Font"}), JournalOf(name)) << name;
}

TEST(UserControlExtender, ParentsControlsAndMousePointer) {
    Form form(L"ExtenderForm");
    auto& a = form.Add(std::make_unique<Journaling>(L"a"));
    auto& b = form.Add(std::make_unique<Journaling>(L"b"));
    a.Add(std::make_unique<Label>(L"part"), /*constituent=*/true);
    EXPECT_EQ((std::vector<Control*>{&a, &b}), a.Parent()->Controls()) << "constituents are no controls of the form";
    EXPECT_EQ(err::Overflow, ErrorOf([&] { b.SetMousePointer(32768); })) << "MousePointer is a 16-bit value";

    auto icon = std::make_shared<Picture>(PictureType::Icon,
                                          reinterpret_cast<uintptr_t>(CopyIcon(LoadIconW(nullptr, IDI_APPLICATION))),
                                          847, 847, PictureSource{});
    auto cursorFor = [&](int16_t pointer, PicturePtr mouseIcon) {
        a.SetMousePointer(pointer);
        a.SetMouseIcon(std::move(mouseIcon));
        SendMessageW(a.hWnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(a.hWnd()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    EXPECT_EQ(LoadCursorW(nullptr, IDC_ARROW), cursorFor(0, nullptr));
    EXPECT_EQ(LoadCursorW(nullptr, IDC_WAIT), cursorFor(11, icon));
    EXPECT_EQ(reinterpret_cast<HCURSOR>(icon->Handle()), cursorFor(99, icon));
}
