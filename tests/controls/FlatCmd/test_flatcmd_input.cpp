// The flat button's events from mouse, keys and the hover timer, its sounds and the addresses it opens.
#include "FlatCmdTestSupport.h"

namespace flatcmd_test {
namespace {

using Step = std::function<void(FlatCmd&)>;

constexpr int16_t kLeft = 1, kRight = 2, kEnter = 13, kSpace = 32, kEscape = 27, kLetterA = 65;

Step Down(int16_t button = kLeft) {
    return [=](FlatCmd& b) { Host(b).OnMouseDown(button, 0, kInX, kInY); };
}
Step Up(int16_t button = kLeft, float x = kInX) {
    return [=](FlatCmd& b) { Host(b).OnMouseUp(button, 0, x, kInY); };
}
Step Move(int16_t held, float x, int16_t shift = 0) {
    return [=](FlatCmd& b) { Host(b).OnMouseMove(held, shift, x, kInY); };
}
Step KeyDown(int16_t key) {
    return [=](FlatCmd& b) { Host(b).OnKeyDown(key, 0); };
}
Step KeyUp(int16_t key) {
    return [=](FlatCmd& b) { Host(b).OnKeyUp(key, 0); };
}
Step AccessKey(int16_t key) {
    return [=](FlatCmd& b) { b.DeliverAccessKeyPress(key); };
}
std::wstring Mouse(const wchar_t* name, int16_t button, float x = kInX, int16_t shift = 0) {
    return Entry(name, {double(button), double(shift), x, kInY});
}

using FlatCmdInput = FlatCmdTest;

// Pumps until the hover timer finds the pointer outside, or about three seconds; whether it did.
bool HoverEnds(const FlatCmd& b) {
    for (int i = 0; i < 300 && Access::IsOver(b); ++i) testsupport::PumpMessagesFor(std::chrono::milliseconds(10));
    return !Access::IsOver(b);
}

TEST_F(FlatCmdInput, MouseAndKeySequences) {
    struct Sequence {
        const char* label;
        std::vector<Step> steps;
        Log expected;
    };
    const std::wstring down = Mouse(L"MouseDown", kLeft), up = Mouse(L"MouseUp", kLeft);
    // clang-format off
    const std::vector<Sequence> cases{
        {"click", {Down(), Up()}, {down, L"Sound", L"Click", up}},
        {"double click: the press replayed", {Down(), Up(), [](FlatCmd& b) { Host(b).OnDblClick(); }, Up()}, {down,
            L"Sound", L"Click", up, down, L"Sound", L"Click", up}},
        {"right button", {Down(kRight), Up(kRight)}, {Mouse(L"MouseDown", kRight), Mouse(L"MouseUp", kRight)}},
        {"drag out and release", {Down(), Move(kLeft, kOutX), Up(kLeft, kOutX)}, {down,
            Mouse(L"MouseMove", kLeft, kOutX), Mouse(L"MouseUp", kLeft, kOutX)}},
        {"release on the far edge", {Down(), Up(kLeft, kW)}, {down, Mouse(L"MouseUp", kLeft, kW)}},
        {"drag out and back in", {Down(), Move(kLeft, kOutX), Move(kLeft, kInX), Up()}, {down,
            Mouse(L"MouseMove", kLeft, kOutX), L"MouseIn 0", L"Sound", Mouse(L"MouseMove", kLeft), L"Sound", L"Click",
            up}},
        {"entering once", {Move(0, kInX, 3), Move(0, kInX, 1)}, {L"MouseIn 3", L"Sound",
            Mouse(L"MouseMove", 0, kInX, 3), Mouse(L"MouseMove", 0, kInX, 1)}},
        {"Enter held", {KeyDown(kEnter), KeyDown(kEnter), KeyUp(kEnter), KeyDown(kEnter)}, {L"Click", L"KeyDown 13 0",
            L"KeyDown 13 0", L"KeyUp 13 0", L"Click", L"KeyDown 13 0"}},
        {"Space held", {KeyDown(kSpace), KeyDown(kSpace), KeyUp(kSpace)}, {L"Click", L"KeyDown 32 0", L"KeyDown 32 0",
            L"KeyUp 32 0"}},
        {"any key up re-arms", {KeyDown(kEnter), KeyUp(kLetterA), KeyDown(kSpace)}, {L"Click", L"KeyDown 13 0",
            L"KeyUp 65 0", L"Click", L"KeyDown 32 0"}},
        {"default and cancel keys", {AccessKey(kEnter), AccessKey(kEscape), AccessKey(kLetterA)}, {L"Click", L"Click"}},
        {"disabled", {[](FlatCmd& b) { b.SetEnabled(false); }, AccessKey(kEnter)}, {L"Changed Enabled"}},
        {"mail address to the shell", {[](FlatCmd& b) { b.SetURL(L"mailto:kf@x.com"); }, AccessKey(kEnter)},
            {L"Changed URL", L"Click", L"Shell open mailto:kf@x.com [] 1"}},
        {"any other to the hyperlink service", {[](FlatCmd& b) { b.SetURL(L"MAILTO:kf@x.com"); }, AccessKey(kEnter)},
            {L"Changed URL", L"Click", L"Navigate MAILTO:kf@x.com"}},
    };
    // clang-format on
    for (const Sequence& c : cases) {
        SCOPED_TRACE(c.label);
        FlatCmd& b = Place(nullptr, L"Sequence");
        log.clear();
        for (const Step& step : c.steps) step(b);
        std::erase_if(log, [](const std::wstring& e) { return e.starts_with(L"MouseOut"); });
        EXPECT_EQ(log, c.expected);
    }
    EXPECT_EQ(effects.shellOwner, form.hWnd());
    Host(*button).OnMouseDown(kRight, 0, kInX, kInY);
    EXPECT_FALSE(Access::IsDown(*button));
    EXPECT_EQ(Pixel(*button, 0, 0), Sys(COLOR_BTNFACE)) << "a pressed button has a dark edge";
}

// Outside the hidden form, MouseOut carries the last press's Shift; a held button is painted up but stays pressed.
TEST_F(FlatCmdInput, HoverTimerLeavesWithTheShiftOfTheLastPress) {
    Host(*button).OnMouseMove(0, 2, kInX, kInY);
    ASSERT_TRUE(HoverEnds(*button));
    Host(*button).OnMouseDown(kLeft, 1, kInX, kInY);
    Host(*button).OnMouseMove(kLeft, 4, kInX, kInY);
    ASSERT_TRUE(HoverEnds(*button));
    EXPECT_TRUE(Access::IsDown(*button));
    EXPECT_EQ(Pixel(*button, 0, 0), Sys(COLOR_BTNFACE)) << "no sunken edge";
    std::erase_if(log, [](const std::wstring& e) { return !e.starts_with(L"MouseIn") && !e.starts_with(L"MouseOut"); });
    EXPECT_EQ(log, (Log{L"MouseIn 2", L"MouseOut 0", L"MouseIn 4", L"MouseOut 1"}));
}

// Only the button's own window counts: over a cut corner of the rounded window the pointer is outside.
TEST_F(FlatCmdInput, HoverTimerAsksWhichWindowIsUnderThePointer) {
    form.Show();
    button->SetXPStyle(true);
    button->SetXPWinStyle(true);  // the resize step gives the window its region
    const auto pointAt = [this](int x, int y) {
        POINT p{x, y};
        ClientToScreen(button->hWnd(), &p);
        SetCursorPos(p.x, p.y);
    };
    pointAt(kMidX, kMidY);
    Host(*button).OnMouseMove(0, 0, kMidX, kMidY);
    testsupport::PumpMessagesFor(std::chrono::milliseconds(60));
    EXPECT_TRUE(Access::IsOver(*button));
    pointAt(0, 0);
    EXPECT_TRUE(HoverEnds(*button));
}

TEST_F(FlatCmdInput, SidesUnderTenPixelsSnapTo150Twips) {
    button->Move(button->Left(), button->Top(), 100, 90);
    EXPECT_EQ(std::tuple(button->Width(), button->Height(), Access::PixelSize(*button).cx),
              std::tuple(150.0, 150.0, 10));
}

TEST_F(FlatCmdInput, SoundsPlayTheAnsiFileNameAsynchronously) {
    button->SetSoundClick(L"声音.wav");
    Host(*button).OnMouseMove(0, 0, kInX, kInY);  // the empty hover sound is asked for too
    Host(*button).OnMouseDown(kLeft, 0, kInX, kInY);
    Host(*button).OnMouseUp(kLeft, 0, kInX, kInY);
    EXPECT_EQ(effects.sounds, (decltype(effects.sounds){{"", 0x20003}, {"\xC9\xF9\xD2\xF4.wav", 0x20003}}));
}

}  // namespace
}  // namespace flatcmd_test
