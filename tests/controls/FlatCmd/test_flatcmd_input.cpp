// The flat button's behaviour as its container sees it: events from mouse, keys
// and the hover timer, the sounds it plays and the addresses it opens.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "FlatCmdTestSupport.h"

namespace flatcmd_test {
namespace {

using Step = std::function<void(FlatCmd&)>;

struct Sequence {
    const char* label;
    std::vector<Step> steps;
    Log expected;
};

constexpr int16_t kLeftButton = 1, kRightButton = 2;
constexpr int16_t kEnter = 13, kSpace = 32, kEscape = 27, kLetterA = 65;

Step Down(int16_t button, float x = kInX) {
    return [=](FlatCmd& b) { b.OnMouseDown(button, 0, x, kInY); };
}
Step Up(int16_t button, float x = kInX) {
    return [=](FlatCmd& b) { b.OnMouseUp(button, 0, x, kInY); };
}
Step Move(int16_t button, float x, int16_t shift = 0) {
    return [=](FlatCmd& b) { b.OnMouseMove(button, shift, x, kInY); };
}
Step KeyDown(int16_t key) { return [=](FlatCmd& b) { b.OnKeyDown(key, 0); }; }
Step KeyUp(int16_t key) { return [=](FlatCmd& b) { b.OnKeyUp(key, 0); }; }
std::wstring Mouse(const wchar_t* name, int16_t button, float x = kInX, int16_t shift = 0) {
    return Entry(name, {double(button), double(shift), x, kInY});
}

// The hover timer may find the pointer outside the hidden form at any pump; it has
// tests of its own.
Log WithoutTimer(Log log) {
    std::erase_if(log, [](const std::wstring& e) { return e.starts_with(L"MouseOut"); });
    return log;
}

void RunSequences(const std::vector<Sequence>& cases, const std::function<FlatCmd&()>& place, Log& log) {
    for (const Sequence& c : cases) {
        SCOPED_TRACE(c.label);
        FlatCmd& b = place();
        log.clear();
        for (const Step& step : c.steps) step(b);
        EXPECT_EQ(WithoutTimer(log), c.expected);
    }
}

using FlatCmdInput = FlatCmdTest;

TEST_F(FlatCmdInput, MouseSequences) {
    constexpr int16_t left = kLeftButton;
    const std::wstring down = Mouse(L"MouseDown", left), up = Mouse(L"MouseUp", left);
    RunSequences(
        {
            {"click", {Down(left), Up(left)}, {down, L"Sound", L"Click", up}},
            {"release outside", {Down(left), Up(left, kOutX)}, {down, Mouse(L"MouseUp", left, kOutX)}},
            {"release on the far edge", {Down(left), Up(left, 80)}, {down, Mouse(L"MouseUp", left, 80)}},
            {"right button", {Down(kRightButton), Up(kRightButton)},
             {Mouse(L"MouseDown", kRightButton), Mouse(L"MouseUp", kRightButton)}},
            {"double click", {Down(left), Up(left), [](FlatCmd& b) { b.OnDblClick(); }, Up(left)},
             {down, L"Sound", L"Click", up, down, L"Sound", L"Click", up}},
            {"drag out and back in", {Down(left), Move(left, kOutX), Move(left, kInX), Up(left)},
             {down, Mouse(L"MouseMove", left, kOutX), L"MouseIn 0", L"Sound", Mouse(L"MouseMove", left), L"Sound",
              L"Click", up}},
            {"entering once", {Move(0, kInX, 3), Move(0, kInX, 1)},
             {L"MouseIn 3", L"Sound", Mouse(L"MouseMove", 0, kInX, 3), Mouse(L"MouseMove", 0, kInX, 1)}},
        },
        [this]() -> FlatCmd& { return Place(nullptr, L"Mouse"); }, log);
}

TEST_F(FlatCmdInput, KeySequencesClickOncePerKeyGoingDownAndPlayNoSound) {
    RunSequences(
        {
            {"Enter held", {KeyDown(kEnter), KeyDown(kEnter), KeyUp(kEnter), KeyDown(kEnter)},
             {L"Click", L"KeyDown 13 0", L"KeyDown 13 0", L"KeyUp 13 0", L"Click", L"KeyDown 13 0"}},
            {"Space held", {KeyDown(kSpace), KeyDown(kSpace), KeyUp(kSpace)},
             {L"Click", L"KeyDown 32 0", L"KeyDown 32 0", L"KeyUp 32 0"}},
            {"any key up re-arms", {KeyDown(kEnter), KeyUp(kLetterA), KeyDown(kSpace)},
             {L"Click", L"KeyDown 13 0", L"KeyUp 65 0", L"Click", L"KeyDown 32 0"}},
            {"key press", {[](FlatCmd& b) { b.OnKeyPress(97); }}, {L"KeyPress 97"}},
            {"default and cancel keys",
             {[](FlatCmd& b) { b.DeliverAccessKeyPress(kEnter); }, [](FlatCmd& b) { b.DeliverAccessKeyPress(kEscape); },
              [](FlatCmd& b) { b.OnAccessKeyPress(kLetterA); }},
             {L"Click", L"Click"}},
            {"disabled", {[](FlatCmd& b) { b.SetEnabled(false); }, [](FlatCmd& b) { b.DeliverAccessKeyPress(kEnter); }},
             {L"Changed Enabled"}},
        },
        [this]() -> FlatCmd& { return Place(nullptr, L"Keys"); }, log);
}

TEST_F(FlatCmdInput, WindowMessagesReachTheButtonThroughTheHost) {
    const LPARAM at = MAKELPARAM(kInX, kInY);
    auto send = [this, at](std::initializer_list<UINT> messages) {
        log.clear();
        for (UINT m : messages) SendMessageW(button->hWnd(), m, 0, at);
        return WithoutTimer(log);
    };
    const std::wstring down = Mouse(L"MouseDown", kLeftButton), up = Mouse(L"MouseUp", kLeftButton);
    EXPECT_EQ(send({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}),
              (Log{down, L"Sound", L"Click", up, down, L"Sound", L"Click", up}));
    EXPECT_EQ(send({WM_RBUTTONDOWN, WM_RBUTTONUP}),
              (Log{Mouse(L"MouseDown", kRightButton), Mouse(L"MouseUp", kRightButton)}));
}

TEST_F(FlatCmdInput, MouseOutCarriesTheShiftOfTheLastPress) {
    auto hoverAndLeave = [this](int16_t shift) {
        button->OnMouseMove(0, shift, kInX, kInY);
        ASSERT_TRUE(PumpUntil([this] { return !Access::IsOver(*button); }));
    };
    hoverAndLeave(2);
    button->OnMouseDown(kLeftButton, 1, kInX, kInY);
    button->OnMouseUp(kLeftButton, 1, kInX, kInY);
    hoverAndLeave(4);
    Log hover;
    std::copy_if(log.begin(), log.end(), std::back_inserter(hover),
                 [](const std::wstring& e) { return e.starts_with(L"MouseIn") || e.starts_with(L"MouseOut"); });
    EXPECT_EQ(hover, (Log{L"MouseIn 2", L"MouseOut 0", L"MouseIn 4", L"MouseOut 1"}));
}

TEST_F(FlatCmdInput, SoundsPlayTheAnsiFileNameAsynchronously) {
    button->SetSoundClick(L"声音.wav");
    button->OnMouseMove(0, 0, kInX, kInY);  // the empty hover sound is asked for too
    button->OnMouseDown(kLeftButton, 0, kInX, kInY);
    button->OnMouseUp(kLeftButton, 0, kInX, kInY);
    using Sound = std::pair<std::string, unsigned>;
    EXPECT_EQ(effects.sounds, (std::vector<Sound>{{"", 0x20003}, {"\xC9\xF9\xD2\xF4.wav", 0x20003}}));
}

TEST_F(FlatCmdInput, AddressesGoToTheShellOrTheHyperlinkService) {
    const std::vector<std::pair<const wchar_t*, Log>> cases{
        {L"mailto:kf@example.com", {L"Click", L"Shell open mailto:kf@example.com [][] 1"}},
        {L"MAILTO:kf@example.com", {L"Click", L"Navigate MAILTO:kf@example.com"}},
        {L"http://example.com/", {L"Click", L"Navigate http://example.com/"}},
        {L"", {L"Click"}},
    };
    for (const auto& [url, expected] : cases) {
        button->SetURL(url);
        log.clear();
        button->DeliverAccessKeyPress(kEnter);
        EXPECT_EQ(log, expected);
    }
    EXPECT_EQ(effects.shellOwner, form.hWnd());
}

TEST_F(FlatCmdInput, RightPressNeverPaintsPressed) {
    button->OnMouseDown(kRightButton, 0, kInX, kInY);
    EXPECT_FALSE(Access::IsDown(*button));
    EXPECT_EQ(GetPixel(button->hDC(), 0, 0), GetSysColor(COLOR_BTNFACE));  // a pressed button has a dark edge
}

TEST_F(FlatCmdInput, SidesUnderTenPixelsSnapTo150Twips) {
    button->Move(kPlaceLeft, kPlaceTop, 100, 90);
    EXPECT_EQ(button->Width(), 150);
    EXPECT_EQ(button->Height(), 150);
    EXPECT_EQ(Access::PixelWidth(*button), 10);
}

// With the form on screen the real pointer decides whether the button is hovered.
class FlatCmdPointer : public FlatCmdTest {
protected:
    static constexpr int kCentreX = 40, kCentreY = 15;
    void SetUp() override {
        FlatCmdTest::SetUp();
        form.Show();
        RECT formRect{};
        GetWindowRect(form.hWnd(), &formRect);
        PointAt(formRect.right + 20, formRect.bottom + 20);
        log.clear();
    }
    void PointAt(int screenX, int screenY) {
        SetCursorPos(screenX, screenY);
        testsupport::PumpMessagesFor(std::chrono::milliseconds(30));
    }
    void PointAtButton(int x, int y) {
        POINT p{x, y};
        ClientToScreen(button->hWnd(), &p);
        PointAt(p.x, p.y);
    }
    bool LeftSeen() const { return std::count(log.begin(), log.end(), L"MouseOut 0") > 0; }
    COLORREF Corner() { return GetPixel(button->hDC(), 0, 0); }
};

TEST_F(FlatCmdPointer, HeldButtonIsPaintedUpWhileThePointerIsAwayButStaysPressed) {
    PointAtButton(kCentreX, kCentreY);
    button->OnMouseDown(kLeftButton, 0, kCentreX, kCentreY);
    button->OnMouseMove(kLeftButton, 0, kCentreX, kCentreY);
    testsupport::PumpMessagesFor(std::chrono::milliseconds(60));
    EXPECT_TRUE(Access::IsOver(*button));
    EXPECT_EQ(Corner(), GetSysColor(COLOR_BTNSHADOW));  // the sunken border

    PointAtButton(-30, kCentreY);
    ASSERT_TRUE(PumpUntil([this] { return LeftSeen(); }));
    EXPECT_TRUE(Access::IsDown(*button));
    EXPECT_EQ(Corner(), GetSysColor(COLOR_BTNFACE));  // no border: up and not hovered

    PointAtButton(kCentreX, kCentreY);
    log.clear();
    button->OnMouseMove(kLeftButton, 0, kCentreX, kCentreY);
    button->OnMouseUp(kLeftButton, 0, kCentreX, kCentreY);
    EXPECT_EQ(std::count(log.begin(), log.end(), L"Click"), 1);
}

TEST_F(FlatCmdPointer, CutCornerOfTheRoundedWindowIsOutside) {
    button->SetXPStyle(true);
    button->SetXPWinStyle(true);  // the resize step gives the window its region
    PointAtButton(0, 0);
    log.clear();
    button->OnMouseMove(0, 0, 0, 0);
    ASSERT_TRUE(PumpUntil([this] { return LeftSeen(); }));
    EXPECT_FALSE(Access::IsOver(*button));
}

}  // namespace
}  // namespace flatcmd_test
