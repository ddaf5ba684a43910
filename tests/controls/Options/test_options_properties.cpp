// The property bag, refusing missing values, and no GDI objects left by hovering and painting.
#include "OptionsTestSupport.h"

namespace {

constexpr UINT kRepaintAll = RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW;

// A 16 x 16 pixel (240 x 240 twips) bitmap picture.
host::PicturePtr Icon16() {
    return host::PictureFromBitmap(reinterpret_cast<uintptr_t>(CreateBitmap(16, 16, 1, 32, nullptr)));
}

TEST_F(OptionsTest, BagRoundTripsEveryKey) {
    Options& original = PlaceInGroup();
    original.SetEnabled(false);
    original.SetValue(true);
    original.SetFont(host::Font::Create(host::FontDesc{L"宋体", 10.5, 700, 134}));
    original.SetCaption(L"Option");  // Mended: the writer's old default, lost on a round trip before
    original.SetBackColor(RGB(1, 2, 3));
    original.SetForeColor(RGB(4, 5, 6));
    original.SetIcon(Icon16());
    const host::PropertyBag bag = original.Save();
    EXPECT_EQ(bag.Keys(), (std::vector<std::wstring>{L"enabled", L"value", L"group", L"font", L"caption", L"backcolor",
                                                     L"forecolor", L"icon", L"_extentx", L"_extenty"}));
    const host::PropertyBag text = host::PropertyBag::LoadText(bag.SaveText());
    EXPECT_EQ(Place(nullptr, &text).Save().SaveText(), bag.SaveText());
}

TEST_F(OptionsTest, MissingValuesAreRefusedOrReadAsBefore) {
    Options& button = Place();
    const host::FontPtr font = button.Font();
    const Log& log = Record({&button});
    EXPECT_EQ(ErrorOf([&] { button.SetFont(nullptr); }), host::err::ObjectNotSet)
        << "Mended: a null font is refused before anything changes";
    EXPECT_EQ(button.Font(), font);
    EXPECT_TRUE(log.empty());
    button.SetIcon(nullptr);
    ASSERT_TRUE(button.Icon()) << "Mended: a null icon is an empty picture";
    EXPECT_TRUE(button.Icon()->IsEmpty());
    // Mended: one caption default on both sides, and a bag without a caption still reads "Option1".
    const host::PropertyBag old;
    EXPECT_EQ(Place(nullptr, &old).Caption(), L"Option1");
}

TEST_F(OptionsTest, HoverCyclesAndRepaintsLeaveNoGdiObjects) {
    form_.Show();
    Options& button = Place();
    button.SetIcon(Icon16());
    const Log& log = Record({&button});
    PointerAway();
    auto repaint = [&] { RedrawWindow(form_.hWnd(), nullptr, nullptr, kRepaintAll); };
    auto cycle = [&] {
        Send(button, WM_MOUSEMOVE, 0, 4, 4);
        repaint();
        PartOf<host::Timer>(button, L"Timer1").Tick();  // the pointer is away: MouseOut
        repaint();
    };
    for (int i = 0; i < 20; ++i) cycle();
    const int live = testsupport::CountLiveGdiObjects();
    const long counted = host::gdi::LiveObjects();
    for (int i = 0; i < 1000; ++i) cycle();
    EXPECT_EQ(std::count(log.begin(), log.end(), L"MouseOut"), 1020);
    EXPECT_LE(testsupport::CountLiveGdiObjects(), live);
    EXPECT_EQ(host::gdi::LiveObjects(), counted);
}

}  // namespace
