// The title bar: its pieces, its caption (shown twice and given to the window), its bag, presses that move it.
#include <windows.h>
#include <commctrl.h>
#include <set>
#include <tuple>

#include "TestKit.h"
#include "controls/xForm/xForm.h"
#include "host/forms/Form.h"
#include "host/stock/Label.h"

namespace {

using namespace std::chrono_literals;

struct Place {
    const wchar_t* piece;
    double left, top, width, height;
};

std::wstring LabelText(const controls::xForm& bar, const wchar_t* name) {
    return dynamic_cast<host::Label&>(*bar.Find(name)).Caption();
}

TEST(XForm, PiecesLieCaptionFirstAndFitTheSizeWithoutNegativeLengths) {
    // A width of 0 stands for the size as placed, 6420 x 4365.
    // clang-format off
    const struct { const char* label; double width, height; std::vector<Place> places; } cases[] = {
        {"as placed", 0, 0, {{L"Image7", 5085, 0, 1335, 420}, {L"Image4", 75, 4305, 6270, 60}}},
        {"smaller than the fixed pieces: stretched ones get nothing", 1200, 300, {{L"Image8", 600, 0, 0, 420},
            {L"Image7", -135, 0, 1335, 420}, {L"Image2", 0, 420, 75, 0}, {L"Image6", 1125, 420, 75, 0},
            {L"Image3", 0, 240, 75, 60}, {L"Image4", 75, 240, 1050, 60}, {L"Image5", 1125, 240, 75, 60}}},
    };
    // clang-format on
    host::Form form(L"Form1");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        auto& bar = form.Add(std::make_unique<controls::xForm>(L"xForm1"));
        bar.Load(nullptr);
        if (c.width) bar.Move(0, 0, c.width, c.height);
        for (const Place& p : c.places) {
            const host::Control& piece = *bar.Find(p.piece);
            EXPECT_EQ((std::vector{piece.Left(), piece.Top(), piece.Width(), piece.Height()}),
                      (std::vector{p.left, p.top, p.width, p.height}))
                << p.piece;
        }
        std::vector<std::wstring> frontToBack;
        for (auto& child : bar.Children()) frontToBack.push_back(child->Name());
        EXPECT_EQ(frontToBack, (std::vector<std::wstring>{L"lbl1", L"lbl2", L"Image1", L"Image8", L"Image7", L"Image2",
                                                          L"Image6", L"Image3", L"Image4", L"Image5"}));
    }
}

TEST(XForm, WritingTheCaptionSetsBothLabelsAndTheWindowTitleAndAnnouncesIt) {
    host::Form form(L"Form1");
    form.SetCaption(L"before");
    auto& bar = form.Add(std::make_unique<controls::xForm>(L"xForm1"));
    std::vector<std::wstring> announced;
    host::Connection recording =
        bar.PropertyChangedNotice.Connect([&announced](const std::wstring& name) { announced.push_back(name); });
    bar.Load(nullptr);
    EXPECT_EQ(form.Caption(), L"before") << "a new title bar leaves the window's title";
    bar.SetCaption(L"微信投票助手 2.0");
    EXPECT_EQ(std::tuple(LabelText(bar, L"lbl1"), LabelText(bar, L"lbl2"), form.Caption()),
              std::tuple(L"微信投票助手 2.0", L"微信投票助手 2.0", L"微信投票助手 2.0"));
    EXPECT_EQ(announced, std::vector<std::wstring>{L"Caption"});
}

TEST(XForm, CaptionBagRoundTrips) {
    // No stored caption (null) shows the control's name.
    const struct { const wchar_t *stored, *shown; } cases[] = {{L"投票", L"投票"}, {L"", L""}, {nullptr, L"xForm1"}};
    host::Form form(L"Form1");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        host::PropertyBag stored;
        if (c.stored) stored.WriteProperty(L"Caption", c.stored);
        auto& bar = form.Add(std::make_unique<controls::xForm>(L"xForm1"));
        bar.Load(&stored);
        EXPECT_EQ(LabelText(bar, L"lbl2"), c.shown);
        EXPECT_EQ(form.Caption(), c.shown);  // loading re-captions the window
        const host::PropertyBag saved = bar.Save();
        EXPECT_EQ(saved.Contains(L"caption"), c.stored != nullptr);
        EXPECT_EQ(saved.ReadProperty(L"Caption", L"xForm1").ToString(), c.shown);
    }
}

void SendMouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

// The middle of a piece, in the title bar's client pixels.
POINT MiddleOf(const host::Control& piece) {
    const RECT r = piece.PixelRect();
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class XFormDrag : public testing::Test {
protected:
    void SetUp() override {
        form.SetClientSize(6420, 4365);
        bar = &form.Add(std::make_unique<controls::xForm>(L"xForm1"));
        bar->Load(nullptr);
        form.Show();
        testsupport::PumpMessagesFor(100ms);
        SetWindowSubclass(form.hWnd(), Watch, 1, reinterpret_cast<DWORD_PTR>(this));
    }

    // Counts caption presses, kept from the window unless a move is wanted; in the move loop, drags by (40, 30).
    static LRESULT CALLBACK Watch(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
        auto* self = reinterpret_cast<XFormDrag*>(data);
        if (msg == WM_NCLBUTTONDOWN && wParam == HTCAPTION && (++self->captionPresses, !self->letMove)) return 0;
        if (msg == WM_ENTERSIZEMOVE) {
            POINT p;
            GetCursorPos(&p);
            SetCursorPos(p.x + 40, p.y + 30);
            SendMouse(MOUSEEVENTF_MOVE);
            SendMouse(self->release);
            // After the release the window no longer follows; should it still, a left release ends the move later.
            SetCursorPos(p.x + 60, p.y + 50);
            SendMouse(MOUSEEVENTF_MOVE);
            SetTimer(hwnd, kSafetyRelease, 300, [](HWND w, UINT, UINT_PTR id, DWORD) {
                KillTimer(w, id);
                SendMouse(MOUSEEVENTF_LEFTUP);
            });
        }
        return DefSubclassProc(hwnd, msg, wParam, lParam);
    }

    static constexpr UINT_PTR kSafetyRelease = 7;
    int captionPresses = 0;
    bool letMove = false;
    DWORD release = MOUSEEVENTF_LEFTUP;
    host::Form form{L"Form1"};
    controls::xForm* bar = nullptr;
};

TEST_F(XFormDrag, APressWithAnyButtonOnTheTitleBarOrItsCaptionBecomesACaptionPress) {
    const std::set<std::wstring> grips{L"lbl1", L"lbl2", L"Image1", L"Image8", L"Image7"};
    const struct {
        UINT down, up;
        WPARAM held;
    } buttons[] = {{WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON},
                   {WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON},
                   {WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON}};
    for (auto& piece : bar->Children()) {
        for (auto& b : buttons) {
            const int before = captionPresses;
            const POINT at = MiddleOf(*piece);
            SendMessageW(bar->hWnd(), b.down, b.held, MAKELPARAM(at.x, at.y));
            SendMessageW(bar->hWnd(), b.up, 0, MAKELPARAM(at.x, at.y));
            EXPECT_EQ(captionPresses - before, grips.contains(piece->Name()) ? 1 : 0) << piece->Name() << " " << b.down;
        }
    }
}

// Real input: the pointer is placed and the button pressed through the system.
TEST_F(XFormDrag, APressAndDragOnTheBarMovesTheWindowWithThePointerUntilThatButtonIsReleased) {
    const struct {
        const char* label;
        DWORD down, up;
    } rows[] = {
        {"left", MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP},
        {"Mended: right (the window followed the pointer until the next left click)", MOUSEEVENTF_RIGHTDOWN,
         MOUSEEVENTF_RIGHTUP},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        RECT before, after;
        GetWindowRect(form.hWnd(), &before);
        POINT start = MiddleOf(*bar->Find(L"Image8"));
        ClientToScreen(bar->hWnd(), &start);
        letMove = true;
        release = row.up;
        captionPresses = 0;
        SetCursorPos(start.x, start.y);
        SendMouse(row.down);
        for (int i = 0; i < 200 && captionPresses == 0; ++i) testsupport::PumpMessagesFor(10ms);
        testsupport::PumpMessagesFor(400ms);
        EXPECT_EQ(captionPresses, 1);
        GetWindowRect(form.hWnd(), &after);
        EXPECT_EQ(after.left - before.left, 40);
        EXPECT_EQ(after.top - before.top, 30);
    }
}

}  // namespace
