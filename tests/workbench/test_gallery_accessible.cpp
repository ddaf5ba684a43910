// The gallery as a screen reader reads it: every kind of control with its role,
// states and default action, the events that let a reader follow along, and every
// control that takes input within reach of the Tab key.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "AccessibleClient.h"
#include "MessagePump.h"
#include "controls/Combo/Combo.h"
#include "controls/FlatCmd/FlatCmd.h"
#include "controls/Frame/Frame.h"
#include "controls/Options/Options.h"
#include "controls/ctlTabs/ctlTabs.h"
#include "host/forms/FormBuilder.h"
#include "workbench/Preview.h"

namespace {

using testsupport::AccessibleNode;
using testsupport::FindNode;
using testsupport::NodesOfRole;
using testsupport::Walk;
using namespace std::chrono_literals;

class GalleryAccessibleTest : public ::testing::Test {
protected:
    void SetUp() override {
        gallery = workbench::BuildDesignedForm(host::LoadTextResource(L"GALLERY"));
        gallery.form->Show();
        testsupport::PumpMessagesFor(20ms);
    }
    template <class T>
    T& Get(const wchar_t* name) {
        auto* control = dynamic_cast<T*>(gallery.form->FindControl(name));
        EXPECT_NE(control, nullptr);
        return *control;
    }
    // The text box inside a combo box (not the edit field of the system combo box under it).
    static HWND FieldOf(const controls::Combo& combo) {
        HWND field = nullptr;
        EnumChildWindows(
            combo.hWnd(),
            [](HWND window, LPARAM found) {
                wchar_t kind[16] = {}, parent[16] = {};
                GetClassNameW(window, kind, 16);
                GetClassNameW(GetParent(window), parent, 16);
                if (_wcsicmp(kind, L"Edit") != 0 || _wcsicmp(parent, L"ComboBox") == 0) return TRUE;
                *reinterpret_cast<HWND*>(found) = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&field));
        return field;
    }
    std::vector<AccessibleNode> Read() { return Walk(gallery.form->hWnd()); }
    // The page tabs of one tab strip, in order.
    static std::vector<AccessibleNode> PagesOf(const std::vector<AccessibleNode>& nodes,
                                               const controls::ctlTabs& tabs) {
        std::vector<AccessibleNode> pages;
        for (const auto& node : NodesOfRole(nodes, ROLE_SYSTEM_PAGETAB)) {
            HWND owner = nullptr;
            WindowFromAccessibleObject(node.object.get(), &owner);
            if (owner == tabs.hWnd()) pages.push_back(node);
        }
        return pages;
    }
    // Runs a node's default action and lets the deferred request arrive.
    static void Press(const AccessibleNode& node) {
        EXPECT_EQ(node.DoDefaultAction(), S_OK);
        testsupport::PumpMessagesFor(30ms);
    }

    testsupport::ComSession com;
    workbench::BuiltForm gallery;
};

TEST_F(GalleryAccessibleTest, EachKindReadsWithItsRoleStatesAndAction) {
    const auto nodes = Read();
    struct Row {
        const wchar_t* name;
        long role;
        long statesSet;
        long statesClear;
        const wchar_t* action;
    } rows[] = {
        {L"3D border", ROLE_SYSTEM_PUSHBUTTON, STATE_SYSTEM_FOCUSABLE, STATE_SYSTEM_UNAVAILABLE, L"Press"},
        {L"Disabled", ROLE_SYSTEM_PUSHBUTTON, STATE_SYSTEM_UNAVAILABLE, STATE_SYSTEM_FOCUSABLE, L"Press"},
        {L"Default", ROLE_SYSTEM_PUSHBUTTON, STATE_SYSTEM_DEFAULT, 0, L"Press"},
        {L"Group A, one", ROLE_SYSTEM_RADIOBUTTON, STATE_SYSTEM_CHECKED | STATE_SYSTEM_FOCUSABLE, 0, L"Check"},
        {L"Group A, two", ROLE_SYSTEM_RADIOBUTTON, 0, STATE_SYSTEM_CHECKED, L"Check"},
        {L"Group A, off", ROLE_SYSTEM_RADIOBUTTON, STATE_SYSTEM_UNAVAILABLE, STATE_SYSTEM_FOCUSABLE, L"Check"},
        {L"FlatCmd", ROLE_SYSTEM_GROUPING, 0, 0, L""},
        {L"Control gallery", ROLE_SYSTEM_TITLEBAR, 0, 0, L""},
        {L"关闭", ROLE_SYSTEM_PUSHBUTTON, 0, STATE_SYSTEM_UNAVAILABLE, L"Press"},
        {L"最大化", ROLE_SYSTEM_PUSHBUTTON, 0, 0, L"Press"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(row.name)));
        const AccessibleNode* node = FindNode(nodes, row.role, row.name);
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(node->state & row.statesSet, row.statesSet);
        EXPECT_EQ(node->state & row.statesClear, 0);
        EXPECT_EQ(node->DefaultAction(), row.action);
    }
    auto& combo = Get<controls::Combo>(L"cboItems");
    const AccessibleNode* field = testsupport::NodeOfWindow(nodes, combo.hWnd());
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->role, ROLE_SYSTEM_COMBOBOX);
    EXPECT_EQ(field->Value(), L"Second item");
    EXPECT_NE(field->state & STATE_SYSTEM_COLLAPSED, 0);
    EXPECT_FALSE(NodesOfRole(nodes, ROLE_SYSTEM_PAGETABLIST).empty());
}

TEST_F(GalleryAccessibleTest, TabsAreChildrenWithCaptionsPlacesAndOneSelected) {
    auto& tabs = Get<controls::ctlTabs>(L"tabTop");
    const auto pages = PagesOf(Read(), tabs);
    ASSERT_EQ(pages.size(), static_cast<size_t>(tabs.Tabs()));
    RECT strip{};
    GetWindowRect(tabs.hWnd(), &strip);
    for (int16_t tab = 1; tab <= tabs.Tabs(); ++tab) {
        SCOPED_TRACE(tab);
        const AccessibleNode& page = pages[static_cast<size_t>(tab - 1)];
        EXPECT_EQ(page.name, host::SpokenCaption(tabs.Caption(tab)));
        EXPECT_EQ((page.state & STATE_SYSTEM_SELECTED) != 0, tab == tabs.SelectedTab());
        RECT place = page.Location(), inside{};
        EXPECT_TRUE(IntersectRect(&inside, &place, &strip) && EqualRect(&inside, &place));
    }
    // Navigation walks the same tabs in order.
    VARIANT self{}, next{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    ASSERT_EQ(pages[0].object->accNavigate(NAVDIR_FIRSTCHILD, self, &next), S_OK);
    EXPECT_EQ(next.vt, VT_I4);
    EXPECT_EQ(next.lVal, 1);
    ASSERT_EQ(pages[0].object->accNavigate(NAVDIR_NEXT, next, &next), S_OK);
    EXPECT_EQ(next.lVal, 2);
}

TEST_F(GalleryAccessibleTest, DefaultActionsSelectAsAClickWould) {
    auto& tabs = Get<controls::ctlTabs>(L"tabTop");
    std::vector<std::pair<int16_t, int16_t>> clicks;
    host::Connection clicked = tabs.TabClick.Connect([&](int16_t from, int16_t to) { clicks.emplace_back(from, to); });
    auto nodes = Read();
    const auto pages = PagesOf(nodes, tabs);
    ASSERT_GE(pages.size(), 2u);

    Press(pages[1]);
    EXPECT_EQ(tabs.SelectedTab(), 2);
    EXPECT_NE(pages[1].Reread().state & STATE_SYSTEM_SELECTED, 0);
    EXPECT_EQ(pages[0].Select(SELFLAG_TAKESELECTION), S_OK);
    testsupport::PumpMessagesFor(30ms);
    EXPECT_EQ(tabs.SelectedTab(), 1);
    EXPECT_EQ(clicks, (std::vector<std::pair<int16_t, int16_t>>{{1, 2}, {2, 1}}));

    // The group rule: the option checked before is cleared, the other group is not.
    Press(*FindNode(nodes, ROLE_SYSTEM_RADIOBUTTON, L"Group A, two"));
    EXPECT_TRUE(Get<controls::Options>(L"optA2").Value());
    EXPECT_FALSE(Get<controls::Options>(L"optA1").Value());
    EXPECT_TRUE(Get<controls::Options>(L"optB1").Value());
    nodes = Read();
    EXPECT_NE(FindNode(nodes, ROLE_SYSTEM_RADIOBUTTON, L"Group A, two")->state & STATE_SYSTEM_CHECKED, 0);
    EXPECT_EQ(FindNode(nodes, ROLE_SYSTEM_RADIOBUTTON, L"Group A, one")->state & STATE_SYSTEM_CHECKED, 0);

    // A disabled option refuses, and nothing changes.
    EXPECT_EQ(FindNode(nodes, ROLE_SYSTEM_RADIOBUTTON, L"Group A, off")->DoDefaultAction(), E_FAIL);
    testsupport::PumpMessagesFor(30ms);
    EXPECT_FALSE(Get<controls::Options>(L"optA3").Value());

    const AccessibleNode combo = *testsupport::NodeOfWindow(nodes, Get<controls::Combo>(L"cboItems").hWnd());
    Press(combo);
    EXPECT_NE(combo.Reread().state & STATE_SYSTEM_EXPANDED, 0);
    EXPECT_EQ(combo.DefaultAction(), L"Close");
    Press(combo);
    EXPECT_NE(combo.Reread().state & STATE_SYSTEM_COLLAPSED, 0);
}

TEST_F(GalleryAccessibleTest, CaptionsReadWithoutAccessKeyMarksAndPadding) {
    auto& button = Get<controls::FlatCmd>(L"cmd3D");
    struct Row {
        const wchar_t* caption;
        const wchar_t* name;
        const wchar_t* shortcut;
    } rows[] = {
        {L"&Save", L"Save", L"Alt+S"},
        {L"开始投票    ", L"开始投票", L""},
        {L"Fish && &chips", L"Fish & chips", L"Alt+C"},
        {L"&&", L"&", L""},
        {L"Ends with &", L"Ends with &", L""},
        {L"", L"", L""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(row.caption)));
        button.SetCaption(row.caption);
        const auto nodes = Read();
        const AccessibleNode* node = testsupport::NodeOfWindow(nodes, button.hWnd());
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(node->name, row.name);
        EXPECT_EQ(node->Shortcut(), row.shortcut);
    }
}

// A reader may hold an object after its control is gone, and ask about parts that
// do not exist: it gets errors, never a crash.
TEST_F(GalleryAccessibleTest, GoneControlsAndUnknownPartsAnswerWithErrors) {
    const auto nodes = Read();
    const AccessibleNode tabs = *testsupport::NodeOfWindow(nodes, Get<controls::ctlTabs>(L"tabTop").hWnd());
    VARIANT unknown{};
    unknown.vt = VT_I4;
    unknown.lVal = 999;
    BSTR name = nullptr;
    EXPECT_EQ(tabs.object->get_accName(unknown, &name), E_INVALIDARG);
    unknown.vt = VT_BSTR;
    EXPECT_EQ(tabs.object->get_accName(unknown, &name), E_INVALIDARG);

    gallery.form.reset();
    long count = 0;
    EXPECT_EQ(tabs.object->get_accChildCount(&count), RPC_E_DISCONNECTED);
    EXPECT_EQ(tabs.DoDefaultAction(), RPC_E_DISCONNECTED);
    EXPECT_EQ(tabs.Reread().role, 0);
}

// Out-of-context events of this process, recorded as they arrive.
struct EventRecorder {
    struct Seen {
        DWORD event;
        HWND window;
        long child;
        bool operator==(const Seen&) const = default;
    };
    EventRecorder() {
        current = this;
        hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE, nullptr, &Record, GetCurrentProcessId(), 0,
                               WINEVENT_OUTOFCONTEXT);
    }
    ~EventRecorder() {
        UnhookWinEvent(hook);
        current = nullptr;
    }
    static void CALLBACK Record(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
        if (current && object == OBJID_CLIENT) current->seen.push_back({event, window, child});
    }
    bool Saw(const Seen& wanted) {
        testsupport::PumpMessagesFor(30ms);
        bool found = std::find(seen.begin(), seen.end(), wanted) != seen.end();
        seen.clear();
        return found;
    }
    static inline EventRecorder* current = nullptr;
    HWINEVENTHOOK hook = nullptr;
    std::vector<Seen> seen;
};

TEST_F(GalleryAccessibleTest, ChangesAreAnnouncedToTheReader) {
    EventRecorder events;
    ASSERT_NE(events.hook, nullptr);
    auto& button = Get<controls::FlatCmd>(L"cmd3D");
    auto& option = Get<controls::Options>(L"optA2");
    auto& tabs = Get<controls::ctlTabs>(L"tabTop");
    auto& combo = Get<controls::Combo>(L"cboItems");
    auto& frame = Get<controls::Frame>(L"fraPlain");
    struct Row {
        const char* label;
        std::function<void()> act;
        EventRecorder::Seen wanted;
    } rows[] = {
        {"caption write", [&] { button.SetCaption(L"Renamed"); }, {EVENT_OBJECT_NAMECHANGE, button.hWnd(), 0}},
        {"frame caption", [&] { frame.SetCaption(L"Renamed"); }, {EVENT_OBJECT_NAMECHANGE, frame.hWnd(), 0}},
        {"pressed",
         [&] { SendMessageW(button.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); },
         {EVENT_OBJECT_STATECHANGE, button.hWnd(), 0}},
        {"released",
         [&] { SendMessageW(button.hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(500, 500)); },
         {EVENT_OBJECT_STATECHANGE, button.hWnd(), 0}},
        {"checked", [&] { option.SetValue(true); }, {EVENT_OBJECT_STATECHANGE, option.hWnd(), 0}},
        {"option focused through its box",
         [&] { SetFocus(GetWindow(option.hWnd(), GW_CHILD)); },
         {EVENT_OBJECT_FOCUS, option.hWnd(), 0}},
        {"tab selected", [&] { tabs.SetSelectedTab(2); }, {EVENT_OBJECT_SELECTION, tabs.hWnd(), 2}},
        {"tab caption", [&] { tabs.SetCaption(1, L"Renamed"); }, {EVENT_OBJECT_NAMECHANGE, tabs.hWnd(), 1}},
        {"combo focused through its field", [&] { SetFocus(FieldOf(combo)); }, {EVENT_OBJECT_FOCUS, combo.hWnd(), 0}},
        {"combo text", [&] { combo.SetTEXT(L"typed"); }, {EVENT_OBJECT_VALUECHANGE, combo.hWnd(), 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        row.act();
        EXPECT_TRUE(events.Saw(row.wanted));
    }
}

// Every enabled control that takes input is a stop of the Tab key, itself or
// through the constituent that takes its keys.
TEST_F(GalleryAccessibleTest, TabReachesEveryControlThatTakesInput) {
    auto owner = [](host::Control* c) {
        while (c && c->IsConstituent()) c = c->GetContainer()->AsControl();
        return c;
    };
    std::set<host::Control*> reached;
    host::Control* stop = nullptr;
    for (size_t i = 0; i < 200; ++i) reached.insert(owner(stop = gallery.form->NextTabStop(stop, true)));
    for (host::Control* c : gallery.form->Controls()) {
        const std::wstring& kind = c->Kind();
        const bool takesInput =
            kind == L"FlatCmd" || kind == L"Options" || kind == L"Combo" || kind == L"ctlTabs" || kind == L"TopBt";
        if (c->IsConstituent() || !takesInput || !c->EnabledInTree()) continue;
        EXPECT_TRUE(reached.count(c)) << testing::PrintToString(c->Name());
    }
}

}  // namespace
