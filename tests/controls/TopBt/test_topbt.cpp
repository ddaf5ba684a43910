// The title-bar button: what it shows in each state, its one size, the events presses raise, and the property bag.
#include "Artwork.h"
#include "TestKit.h"
#include "controls/TopBt/TopBt.h"
#include "host/forms/Form.h"

namespace {

using testkit::Log;

class TopBtTest : public testing::Test {
protected:
    void Place(const host::PropertyBag* bag = nullptr) {
        button = &form.Add(std::make_unique<controls::TopBt>(L"TopBt3"));
        connections += button->PropertyChangedNotice.Connect(
            [this](const std::wstring& name) { log.push_back(L"changed " + name); });
        connections += button->Click.Connect([this] { log.push_back(L"Click"); });
        connections +=
            button->MouseDown.Connect([this](int16_t b, int16_t, float, float) { Record(L"MouseDown ", b); });
        connections += button->MouseUp.Connect([this](int16_t b, int16_t, float, float) { Record(L"MouseUp ", b); });
        button->Load(bag);
    }

    void Record(const wchar_t* event, int16_t button) { log.push_back(event + std::to_wstring(button)); }

    // The resource name of the picture on show.
    std::wstring Shown() const { return button->GetPicture()->Source().name; }

    // A mouse message as the system delivers it, at the button's middle.
    void Mouse(UINT msg, WPARAM buttons = 0) const { SendMessageW(button->hWnd(), msg, buttons, MAKELPARAM(9, 9)); }

    host::Form form{L"Form1"};
    controls::TopBt* button = nullptr;
    Log log;
    host::Connections connections;
};

// The looks are decoded once for every button, and again only after no button holds them.
TEST_F(TopBtTest, ButtonsShareTheirPicturesWhileAnyHoldsThem) {
    auto loaded = [](const wchar_t* name) {
        auto made = std::make_unique<controls::TopBt>(name);
        made->Load(nullptr);
        return made;
    };
    auto first = loaded(L"TopBt1"), second = loaded(L"TopBt2");
    EXPECT_EQ(first->GetPicture(), second->GetPicture());
    std::weak_ptr<host::Picture> watched = first->GetPicture();
    first.reset();
    EXPECT_FALSE(watched.expired()) << "the second button still holds it";
    second.reset();
    EXPECT_TRUE(watched.expired()) << "nothing keeps a picture nobody holds";
    EXPECT_NE(0u, loaded(L"TopBt3")->GetPicture()->Handle()) << "decoded again";
}

TEST_F(TopBtTest, WritesShowTheLookOfTheGlyphAndStateWrittenLast) {
    using B = controls::TopBt;
    // clang-format off
    const struct { const char* label; std::function<void(B&)> writes; const wchar_t* shown; } cases[] = {
        {"value while disabled: the normal look", [](B& b) { b.SetEnabled(false); b.SetValue(2); }, kTopBt2Normal},
        {"then disabled again", [](B& b) { b.SetEnabled(false); b.SetValue(2); b.SetEnabled(false); }, kTopBt2Disabled},
        {"unknown value 7 keeps the picture, disabled too",
            [](B& b) { b.SetValue(1); b.SetValue(7); b.SetEnabled(false); }, kTopBt1Normal},
        {"so do -1 and 4", [](B& b) { b.SetValue(1); b.SetValue(-1); b.SetValue(4); b.SetEnabled(false); },
            kTopBt1Normal},
    };
    // clang-format on
    for (const auto& c : cases) {
        Place();
        c.writes(*button);
        EXPECT_EQ(Shown(), c.shown) << c.label;
    }
}

TEST_F(TopBtTest, KeepsItsSizeWhateverIsAsked) {
    Place();
    button->Move(100, 200, 3000, 40);
    EXPECT_EQ((std::vector{button->Left(), button->Width(), button->Height()}), (std::vector{100.0, 285.0, 285.0}));
    button->SetWidth(15);
    button->SetHeight(0);
    EXPECT_EQ((std::vector{button->Width(), button->Height()}), (std::vector{285.0, 285.0}));
}

TEST_F(TopBtTest, PressesShowTheirLooksAndRaiseTheirEvents) {
    // afterFirst: the picture after the first message; after the last the picture before it is back.
    // clang-format off
    const struct {
        const char* label;
        int32_t value;
        std::vector<std::pair<UINT, WPARAM>> input;
        const wchar_t* afterFirst;
        Log events;
    } cases[] = {
        {"right press: no look, only MouseUp", 1, {{WM_RBUTTONDOWN, MK_RBUTTON}, {WM_RBUTTONUP, 0}}, kTopBt1Normal,
            {L"MouseUp 2"}},
        {"middle press: no click", 2, {{WM_MBUTTONDOWN, MK_MBUTTON}, {WM_MBUTTONUP, 0}}, kTopBt2Pressed,
            {L"MouseDown 4", L"MouseUp 4"}},
        {"a right press while the left is down cancels the click", 0, {{WM_LBUTTONDOWN, MK_LBUTTON},
            {WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON}, {WM_RBUTTONUP, MK_LBUTTON}, {WM_LBUTTONUP, 0}}, kTopBt0Pressed,
            {L"MouseDown 1", L"MouseUp 2", L"MouseUp 1"}},
        {"left click on an unknown glyph: no look of its own", 7, {{WM_LBUTTONDOWN, MK_LBUTTON}, {WM_LBUTTONUP, 0}},
            kTopBt0Normal, {L"MouseDown 1", L"MouseUp 1", L"Click"}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Place();
        button->SetValue(c.value);
        const std::wstring before = Shown();
        log.clear();
        Mouse(c.input[0].first, c.input[0].second);
        EXPECT_EQ(Shown(), c.afterFirst);
        for (size_t i = 1; i < c.input.size(); ++i) Mouse(c.input[i].first, c.input[i].second);
        EXPECT_EQ(Shown(), before);
        EXPECT_EQ(log, c.events);
    }
}

TEST_F(TopBtTest, BagRoundTrips) {
    const struct {
        bool stored;
        int32_t value;
        bool enabled;
        const wchar_t* shown;
    } cases[] = {
        {false, 0, true, kTopBt0Normal},  // a new button
        {true, 1, true, kTopBt1Normal},    {true, 3, false, kTopBt3Disabled},
        {true, 0, false, kTopBt0Disabled}, {true, 9, true, kTopBt0Normal},  // an unknown glyph keeps the first picture
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.stored ? "stored " : "new ") << c.value);
        host::PropertyBag stored;
        stored.WriteProperty(L"Value", host::Variant::Lng(c.value), host::Variant::Lng(0));
        stored.WriteProperty(L"Enabled", host::Variant::Bool(c.enabled), host::Variant::Bool(true));
        log.clear();
        Place(c.stored ? &stored : nullptr);
        EXPECT_EQ(Shown(), c.shown);
        // A new button writes its glyph; a stored one is taken as it is.
        EXPECT_EQ(log, c.stored ? Log{} : Log{L"changed Value"});
        const host::PropertyBag saved = button->Save();
        EXPECT_EQ(saved.ReadProperty(L"Value", host::Variant::Lng(0)).ToLong(), c.value);
        EXPECT_EQ(saved.ReadProperty(L"Enabled", host::Variant::Bool(true)).ToBool(), c.enabled);
    }
}

}  // namespace
