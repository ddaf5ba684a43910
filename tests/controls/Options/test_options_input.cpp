// What the container hears from mouse, keys and focus, and the look that follows; the group rule; hover and MouseOut.
#include "OptionsTestSupport.h"
#include "host/stock/PictureBox.h"

namespace {

void Click(const Options& o) {
    Send(o, WM_LBUTTONDOWN, MK_LBUTTON, 3, 3);
    Send(o, WM_LBUTTONUP, 0, 3, 3);
}
void Key(const Options& o, WPARAM key, bool release = true) {
    Send(o, WM_KEYDOWN, key);
    Send(o, WM_CHAR, key == 'A' ? 'a' : key);
    if (release) Send(o, WM_KEYUP, key);
}

TEST_F(OptionsTest, MouseKeysAndFocusRaiseTheirEventsInOrder) {
    // A selection announces Value twice: the button clears itself with its group first.
    // clang-format off
    const struct {
        const char* label;
        std::function<void(Options&)> act;
        Log events;
        int image;
        bool grey = false;
    } rows[] = {
        {"mouse click: no Click event", Click, {L"MouseDown 1 0 45 45", L"MouseUp 1 0 45 45", L"changed Value",
            L"changed Value"}, 4},
        {"Space press and release", [](Options& o) { Key(o, VK_SPACE); }, {L"KeyDown 32 0", L"KeyPress 32", L"Click",
            L"MouseDown 1 0 0 0", L"KeyUp 32 0", L"changed Value", L"changed Value"}, 4},
        {"other key: KeyDown only", [](Options& o) { Key(o, 'A'); }, {L"KeyDown 65 0"}, 0},
        {"focus comes: hover look", [](Options& o) { Send(o, WM_SETFOCUS); }, {L"MouseMove 0 0 0 0"}, 1},
        {"focus comes and goes: hover look again", [](Options& o) { Send(o, WM_SETFOCUS); Send(o, WM_KILLFOCUS); },
            {L"MouseMove 0 0 0 0", L"MouseMove 0 0 0 0"}, 1},
        // Mended: a Space held while the focus left kept the hover look (and MouseOut) off.
        {"Space held while the focus leaves", [](Options& o) { Key(o, VK_SPACE, false); Send(o, WM_KILLFOCUS); },
            {L"KeyDown 32 0", L"KeyPress 32", L"Click", L"MouseDown 1 0 0 0", L"MouseMove 0 0 0 0"}, 1},
        {"disabled: no hover look", [](Options& o) { o.SetEnabled(false); Send(o, WM_MOUSEMOVE, 0, 4, 4); },
            {L"changed Enabled"}, 3, true},
        {"selected and disabled", [](Options& o) { o.SetEnabled(false); o.SetValue(true); }, {L"changed Enabled",
            L"changed Value"}, 7, true},
    };
    // clang-format on
    PointerAway();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        Options& button = Place();
        const Log& log = Record({&button});
        row.act(button);
        EXPECT_EQ(log, row.events);
        EXPECT_EQ(ShownImage(button), row.image);
        EXPECT_EQ(PartOf<host::Label>(button, L"lbl").ForeColor(), row.grey ? 0x80000011u : 0u);
    }
}

// Three buttons share the form and Group, one has the other Group, one another container; code clears nobody.
TEST_F(OptionsTest, ClickSelectsAndClearsOnlyItsGroupInItsContainer) {
    auto& box = form_.Add(std::make_unique<host::PictureBox>(L"Picture1"));
    Options* group[] = {&PlaceInGroup(), &PlaceInGroup(), &PlaceInGroup()};
    Options& otherGroup = Place();
    Options& otherContainer = PlaceInGroup(&box);
    for (Options* o : {group[0], group[2], &otherGroup, &otherContainer}) o->SetValue(true);
    auto values = [&] {
        return std::vector{group[0]->Value(), group[1]->Value(), group[2]->Value(), otherGroup.Value(),
                           otherContainer.Value()};
    };
    EXPECT_EQ(values(), (std::vector{true, false, true, true, true})) << "set from code";
    Click(*group[1]);
    EXPECT_EQ(values(), (std::vector{false, true, false, true, true}));
    const Log& log = Record({group[0], group[1], group[2]});
    Click(*group[1]);
    EXPECT_EQ(values(), (std::vector{false, true, false, true, true})) << "clicking the selected button";
    EXPECT_EQ(log, (Log{L"MouseDown 1 0 45 45", L"MouseUp 1 0 45 45"}));
    EXPECT_EQ(ShownImage(*group[1]), 4) << "the pressed image gives way";
}

TEST_F(OptionsTest, HoverLookGoesOnOnceAndTheTimerTakesItOffOutside) {
    PointerAway();
    for (bool selected : {false, true}) {
        SCOPED_TRACE(selected ? "selected" : "not selected");
        Options& button = Place();
        button.SetValue(selected);
        const int normal = selected ? 4 : 0;
        const Log& log = Record({&button});
        for (int x : {2, 5, 8}) Send(button, WM_MOUSEMOVE, 0, x, 4);
        EXPECT_EQ(log, Log{L"MouseMove 0 0 0 0"}) << "once, with the state image's place";
        EXPECT_EQ(ShownImage(button), normal + 1);
        PumpUntilLast(log, L"MouseOut");
        EXPECT_EQ(log, (Log{L"MouseMove 0 0 0 0", L"MouseOut"}));
        EXPECT_EQ(ShownImage(button), normal);

        // Held down while leaving: nothing until the release outside.
        Send(button, WM_MOUSEMOVE, 0, 4, 4);
        Send(button, WM_LBUTTONDOWN, MK_LBUTTON, 4, 4);
        testsupport::PumpMessagesFor(std::chrono::milliseconds(150));
        EXPECT_EQ(log.back(), L"MouseDown 1 0 60 60");
        EXPECT_EQ(ShownImage(button), normal + 2);
        Send(button, WM_LBUTTONUP, 0, -200, -200);
        PumpUntilLast(log, L"MouseOut");
        EXPECT_EQ(log.back(), L"MouseOut");
        EXPECT_EQ(ShownImage(button), normal);
    }
}

}  // namespace
