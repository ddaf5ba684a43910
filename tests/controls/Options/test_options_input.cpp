// What the container hears, in order, from the mouse, the keys and the focus; the
// group rule; the hover look and MouseOut; the disabled look.
#include <functional>

#include "OptionsTestSupport.h"
#include "host/stock/PictureBox.h"

namespace {

using controls::Options;

void ClickOn(const Options& o, int x = 3, int y = 3) {
    Send(StateBox(o).Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
    Send(StateBox(o).Hwnd(), WM_LBUTTONUP, 0, At(x, y));
}
void Key(const Options& o, WPARAM key, bool release = true) {
    Send(StateBox(o).Hwnd(), WM_KEYDOWN, key);
    Send(StateBox(o).Hwnd(), WM_CHAR, key == 'A' ? 'a' : key);
    if (release) Send(StateBox(o).Hwnd(), WM_KEYUP, key);
}

TEST_F(OptionsTest, MouseKeysAndFocusRaiseTheirEventsInOrder) {
    const double t = 3 * host::Screen::TwipsPerPixelX();  // 3 pixels into the state image, in twips
    const struct { const char* label; std::function<void(Options&)> act; Log events; bool value; int image; } rows[] = {
        {"mouse click: no Click event", [](Options& o) { ClickOn(o); },
         {Entry(L"MouseDown", {1, 0, t, t}), Entry(L"MouseUp", {1, 0, t, t}), L"changed Value", L"changed Value"}, true, 4},
        {"Space press and release", [](Options& o) { Key(o, VK_SPACE); },
         {L"KeyDown 32 0", L"KeyPress 32", L"Click", L"MouseDown 1 0 0 0", L"KeyUp 32 0", L"changed Value", L"changed Value"}, true, 4},
        {"other key: KeyDown only", [](Options& o) { Key(o, 'A'); }, {L"KeyDown 65 0"}, false, 0},
        {"focus comes: hover look", [](Options& o) { Send(StateBox(o).Hwnd(), WM_SETFOCUS); },
         {L"MouseMove 0 0 0 0"}, false, 1},
        {"focus comes and goes: hover look again",
         [](Options& o) { Send(StateBox(o).Hwnd(), WM_SETFOCUS); Send(StateBox(o).Hwnd(), WM_KILLFOCUS); },
         {L"MouseMove 0 0 0 0", L"MouseMove 0 0 0 0"}, false, 1},
        // Mended: the held Space no longer keeps the hover look (and MouseOut) off.
        {"Space held while the focus leaves",
         [](Options& o) { Key(o, VK_SPACE, false); Send(StateBox(o).Hwnd(), WM_KILLFOCUS); },
         {L"KeyDown 32 0", L"KeyPress 32", L"Click", L"MouseDown 1 0 0 0", L"MouseMove 0 0 0 0"}, false, 1},
    };
    PointerAway();
    // The button clears itself with its group, then selects itself.
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        Options& button = Place(L"Option1");
        Log& log = Recorded(button);
        row.act(button);
        EXPECT_EQ(log, row.events);
        EXPECT_EQ(button.Value(), row.value);
        EXPECT_EQ(ShownImage(button), row.image);
    }
}

// Buttons 1 to 3 share the form and Group; one has the other Group and one sits
// in another container. Values set from code clear nobody.
TEST_F(OptionsTest, ClickSelectsAndClearsOnlyItsGroupInItsContainer) {
    auto& box = form_.Add(std::make_unique<host::PictureBox>(L"Picture1"));
    box.Move(0, 3000, 3000, 1000);
    Options* group[] = {&PlaceInGroup(L"Option1"), &PlaceInGroup(L"Option2"), &PlaceInGroup(L"Option3")};
    Options& otherGroup = Place(L"Option4");
    Options& otherContainer = PlaceInGroup(L"Option5", &box);
    for (Options* o : {group[0], group[2], &otherGroup, &otherContainer}) o->SetValue(true);
    EXPECT_TRUE(group[0]->Value() && group[2]->Value()) << "set from code";

    auto values = [&] {
        return std::vector<bool>{group[0]->Value(), group[1]->Value(), group[2]->Value(), otherGroup.Value(),
                                 otherContainer.Value()};
    };
    ClickOn(*group[1]);
    EXPECT_EQ(values(), (std::vector<bool>{false, true, false, true, true}));
    Log& log = logs_.emplace_back();
    for (Options* o : group) Record(*o, log);
    ClickOn(*group[1]);
    EXPECT_EQ(values(), (std::vector<bool>{false, true, false, true, true})) << "clicking the selected button";
    EXPECT_EQ(log, (Log{L"MouseDown 1 0 45 45", L"MouseUp 1 0 45 45"}));
    EXPECT_EQ(ShownImage(*group[1]), 4) << "the pressed image gives way";
}

TEST_F(OptionsTest, HoverLookGoesOnOnceAndTheTimerTakesItOffOutside) {
    for (bool selected : {false, true}) {
        SCOPED_TRACE(selected ? "selected" : "not selected");
        PointerAway();
        Options& button = Place(L"Option1");
        button.SetValue(selected);
        const int normal = selected ? 4 : 0;
        Log& log = Recorded(button);
        for (int x : {2, 5, 8}) Send(StateBox(button).Hwnd(), WM_MOUSEMOVE, 0, At(x, 4));
        EXPECT_EQ(log, Log{L"MouseMove 0 0 0 0"}) << "once, with the state image's place";
        EXPECT_EQ(ShownImage(button), normal + 1);
        PumpUntil([&] { return !log.empty() && log.back() == L"MouseOut"; });
        EXPECT_EQ(log, (Log{L"MouseMove 0 0 0 0", L"MouseOut"}));
        EXPECT_EQ(ShownImage(button), normal);
        EXPECT_FALSE(HoverTimer(button).Enabled());

        // Held down while leaving: nothing until the release outside.
        log.clear();
        Send(StateBox(button).Hwnd(), WM_MOUSEMOVE, 0, At(4, 4));
        Send(StateBox(button).Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, At(4, 4));
        testsupport::PumpMessagesFor(std::chrono::milliseconds(150));
        EXPECT_EQ(ShownImage(button), normal + 2);
        Send(StateBox(button).Hwnd(), WM_LBUTTONUP, 0, At(-200, -200));
        EXPECT_EQ(log.back().substr(0, 7), L"MouseUp");
        PumpUntil([&] { return log.back() == L"MouseOut"; });
        EXPECT_EQ(log.back(), L"MouseOut");
        EXPECT_EQ(ShownImage(button), normal);
    }
}

TEST_F(OptionsTest, DisabledShowsTheDisabledImageGreyCaptionAndNoHover) {
    for (bool selected : {false, true}) {
        Options& button = Place(L"Option1");
        button.SetValue(selected);
        button.SetEnabled(false);
        Log& log = Recorded(button);
        Send(StateBox(button).Hwnd(), WM_MOUSEMOVE, 0, At(4, 4));
        EXPECT_EQ(ShownImage(button), selected ? 7 : 3);
        EXPECT_EQ(CaptionLabel(button).ForeColor(), 0x80000011u);
        EXPECT_TRUE(log.empty());
        button.SetEnabled(true);
        EXPECT_EQ(ShownImage(button), selected ? 4 : 0);
        EXPECT_EQ(CaptionLabel(button).ForeColor(), 0u);
    }
}

}  // namespace
