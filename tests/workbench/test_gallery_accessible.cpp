// The gallery as a screen reader reads it: roles, states, actions, announced changes, and the Tab key's reach.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <tuple>

#include "AccessibleClient.h"
#include "MessagePump.h"
#include "controls/Combo/Combo.h"
#include "controls/FlatCmd/FlatCmd.h"
#include "controls/Options/Options.h"
#include "controls/ctlTabs/ctlTabs.h"
#include "host/forms/FormBuilder.h"
#include "workbench/Preview.h"

namespace {

using testsupport::AccessibleNode;
using testsupport::FindNode;
using testsupport::NodeOfWindow;
using namespace std::chrono_literals;

class GalleryAccessibleTest : public ::testing::Test {
protected:
    void SetUp() override {
        gallery = workbench::BuildDesignedForm(host::LoadTextResource(L"GALLERY"));
        gallery.form->Show();
    }
    template <class T>
    T& Get(const wchar_t* name) {
        return dynamic_cast<T&>(*gallery.form->FindControl(name));
    }
    std::vector<AccessibleNode> Read() { return testsupport::Walk(gallery.form->hWnd()); }
    // The parts of one control's object, in order.
    std::vector<AccessibleNode> PartsOf(HWND window) {
        std::vector<AccessibleNode> parts;
        for (const auto& node : Read())
            if (node.child != CHILDID_SELF && node.Window() == window) parts.push_back(node);
        return parts;
    }
    // The user control a constituent belongs to; a placed control itself.
    static const host::Control* OwnerOf(const host::Control* c) {
        while (c->IsConstituent()) c = c->GetContainer()->AsControl();
        return c;
    }
    // The window that takes the focus for `control` in the tab order.
    HWND TabStopOf(const host::Control& control) {
        host::Control* stop = nullptr;
        for (int step = 0; step < 100; ++step)
            if (OwnerOf(stop = gallery.form->NextTabStop(stop, true)) == &control) return stop->Hwnd();
        return nullptr;
    }
    // The control's own node as read now.
    AccessibleNode Now(const host::Control& control) { return *NodeOfWindow(Read(), control.Hwnd()); }
    // Runs a default action and lets the deferred request arrive.
    static HRESULT Press(const AccessibleNode& node) {
        const HRESULT hr = node.object->accDoDefaultAction(node.Id());
        testsupport::PumpMessagesFor(30ms);
        return hr;
    }

    testsupport::ComSession com;
    workbench::BuiltForm gallery;
};

TEST_F(GalleryAccessibleTest, EachKindReadsWithItsRoleStatesAndAction) {
    const auto nodes = Read();
    const struct {
        const wchar_t* name;
        long role, statesSet, statesClear;
        const wchar_t* action;
    } rows[] = {
        {L"3D border", ROLE_SYSTEM_PUSHBUTTON, STATE_SYSTEM_FOCUSABLE, STATE_SYSTEM_UNAVAILABLE, L"Press"},
        {L"Disabled", ROLE_SYSTEM_PUSHBUTTON, STATE_SYSTEM_UNAVAILABLE, STATE_SYSTEM_FOCUSABLE, L"Press"},
        {L"Group A, one", ROLE_SYSTEM_RADIOBUTTON, STATE_SYSTEM_CHECKED | STATE_SYSTEM_FOCUSABLE, 0, L"Check"},
        {L"Group A, off", ROLE_SYSTEM_RADIOBUTTON, STATE_SYSTEM_UNAVAILABLE, STATE_SYSTEM_FOCUSABLE, L"Check"},
        {L"FlatCmd", ROLE_SYSTEM_GROUPING, 0, 0, L""},
        {L"关闭", ROLE_SYSTEM_PUSHBUTTON, 0, STATE_SYSTEM_UNAVAILABLE, L"Press"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(row.name)));
        const AccessibleNode* node = FindNode(nodes, row.role, row.name);
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(node->state & (row.statesSet | row.statesClear), row.statesSet);
        EXPECT_EQ(node->Text(&IAccessible::get_accDefaultAction), row.action);
    }
    const AccessibleNode* combo = NodeOfWindow(nodes, Get<controls::Combo>(L"cboItems").hWnd());
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->role, ROLE_SYSTEM_COMBOBOX);
    EXPECT_EQ(combo->Text(&IAccessible::get_accValue), L"Second item");
    EXPECT_NE(combo->state & STATE_SYSTEM_COLLAPSED, 0);

    // One page tab per tab, within the strip on screen, the selected one selected.
    auto& tabs = Get<controls::ctlTabs>(L"tabBottom");
    EXPECT_EQ(NodeOfWindow(nodes, tabs.hWnd())->role, ROLE_SYSTEM_PAGETABLIST);
    const auto pages = PartsOf(tabs.hWnd());
    ASSERT_EQ(pages.size(), static_cast<size_t>(tabs.Tabs()));
    RECT strip{};
    GetWindowRect(tabs.hWnd(), &strip);
    for (int16_t tab = 1; tab <= tabs.Tabs(); ++tab) {
        SCOPED_TRACE(tab);
        const AccessibleNode& page = pages[static_cast<size_t>(tab - 1)];
        EXPECT_EQ(page.role, ROLE_SYSTEM_PAGETAB);
        EXPECT_EQ(page.name, tabs.Caption(tab));
        EXPECT_EQ((page.state & STATE_SYSTEM_SELECTED) != 0, tab == tabs.SelectedTab());
        long x = 0, y = 0, w = 0, h = 0;
        ASSERT_EQ(page.object->accLocation(&x, &y, &w, &h, page.Id()), S_OK);
        EXPECT_TRUE(w > 0 && h > 0 && x >= strip.left && y >= strip.top && x + w <= strip.right &&
                    y + h <= strip.bottom);
    }
}

TEST_F(GalleryAccessibleTest, DefaultActionsAndSelectionWorkAsAClickWould) {
    auto& tabs = Get<controls::ctlTabs>(L"tabTop");
    std::vector<int16_t> clicked;
    host::Connection tabClicks = tabs.TabClick.Connect([&](int16_t, int16_t to) { clicked.push_back(to); });
    const auto pages = PartsOf(tabs.hWnd());
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(Press(pages[2]), S_OK);
    EXPECT_EQ(pages[0].object->accSelect(SELFLAG_TAKESELECTION, pages[1].Id()), S_OK);
    testsupport::PumpMessagesFor(30ms);
    EXPECT_EQ(clicked, (std::vector<int16_t>{3, 2}));
    EXPECT_NE(PartsOf(tabs.hWnd())[1].state & STATE_SYSTEM_SELECTED, 0);
    VARIANT first{}, second{};
    EXPECT_EQ(pages[0].object->accNavigate(NAVDIR_FIRSTCHILD, Now(tabs).Id(), &first), S_OK);
    EXPECT_EQ(pages[0].object->accNavigate(NAVDIR_NEXT, first, &second), S_OK);
    EXPECT_EQ(std::pair(first.lVal, second.lVal), std::pair(1L, 2L));

    auto nodes = Read();
    EXPECT_EQ(Press(*FindNode(nodes, ROLE_SYSTEM_RADIOBUTTON, L"Group A, two")), S_OK);
    EXPECT_NE(Now(Get<controls::Options>(L"optA2")).state & STATE_SYSTEM_CHECKED, 0);
    EXPECT_EQ(Press(*FindNode(nodes, ROLE_SYSTEM_RADIOBUTTON, L"Group A, off")), E_FAIL);
    EXPECT_FALSE(Get<controls::Options>(L"optA3").Value());

    auto& combo = Get<controls::Combo>(L"cboItems");
    EXPECT_EQ(Press(Now(combo)), S_OK);
    EXPECT_NE(Now(combo).state & STATE_SYSTEM_EXPANDED, 0);
    EXPECT_EQ(Now(combo).Text(&IAccessible::get_accDefaultAction), L"Close");
}

TEST_F(GalleryAccessibleTest, CaptionsReadWithoutAccessKeyMarksAndGoneControlsAnswerErrors) {
    auto& button = Get<controls::FlatCmd>(L"cmd3D");
    const struct {
        const wchar_t *caption, *name, *shortcut;
    } rows[] = {
        {L" &Save  ", L"Save", L"Alt+S"},
        {L"Fish && &chips", L"Fish & chips", L"Alt+C"},
        {L"Ends with &", L"Ends with &", L""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(row.caption)));
        button.SetCaption(row.caption);
        EXPECT_EQ(Now(button).name, row.name);
        EXPECT_EQ(Now(button).Text(&IAccessible::get_accKeyboardShortcut), row.shortcut);
    }

    // A reader may ask about parts that do not exist, or hold an object after its control is gone.
    const AccessibleNode tabs = Now(Get<controls::ctlTabs>(L"tabTop"));
    VARIANT unknown{};
    unknown.vt = VT_I4;
    unknown.lVal = 99;
    BSTR name = nullptr;
    EXPECT_EQ(tabs.object->get_accName(unknown, &name), E_INVALIDARG);
    gallery.form.reset();
    long count = 0;
    EXPECT_EQ(tabs.object->get_accChildCount(&count), RPC_E_DISCONNECTED);
    EXPECT_EQ(tabs.object->accDoDefaultAction(tabs.Id()), RPC_E_DISCONNECTED);
}

// This process's events, as a reader out of process gets them.
using Seen = std::tuple<DWORD, HWND, long>;
std::vector<Seen> seenEvents;
void CALLBACK RecordEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT) seenEvents.emplace_back(event, window, child);
}

TEST_F(GalleryAccessibleTest, ChangesAreAnnouncedToTheReader) {
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE, nullptr, &RecordEvent,
                                               GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    auto& button = Get<controls::FlatCmd>(L"cmd3D");
    auto& option = Get<controls::Options>(L"optA2");
    auto& tabs = Get<controls::ctlTabs>(L"tabTop");
    auto& combo = Get<controls::Combo>(L"cboItems");
    const struct {
        const char* label;
        std::function<void()> act;
        Seen wanted;
    } rows[] = {
        {"caption write", [&] { button.SetCaption(L"Renamed"); }, {EVENT_OBJECT_NAMECHANGE, button.hWnd(), 0}},
        {"pressed",
         [&] { SendMessageW(button.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); },
         {EVENT_OBJECT_STATECHANGE, button.hWnd(), 0}},
        {"checked", [&] { option.SetValue(true); }, {EVENT_OBJECT_STATECHANGE, option.hWnd(), 0}},
        {"option's state box focused", [&] { SetFocus(TabStopOf(option)); }, {EVENT_OBJECT_FOCUS, option.hWnd(), 0}},
        {"combo's field focused", [&] { SetFocus(TabStopOf(combo)); }, {EVENT_OBJECT_FOCUS, combo.hWnd(), 0}},
        {"tab selected", [&] { tabs.SetSelectedTab(2); }, {EVENT_OBJECT_SELECTION, tabs.hWnd(), 2}},
        {"tab caption", [&] { tabs.SetCaption(1, L"Renamed"); }, {EVENT_OBJECT_NAMECHANGE, tabs.hWnd(), 1}},
        {"combo text", [&] { combo.SetTEXT(L"typed"); }, {EVENT_OBJECT_VALUECHANGE, combo.hWnd(), 0}},
    };
    for (const auto& row : rows) {
        seenEvents.clear();
        row.act();
        testsupport::PumpMessagesFor(30ms);
        EXPECT_NE(std::find(seenEvents.begin(), seenEvents.end(), row.wanted), seenEvents.end()) << row.label;
    }
    UnhookWinEvent(hook);
}

TEST_F(GalleryAccessibleTest, TabReachesEveryEnabledControlThatTakesInput) {
    const std::set<std::wstring> inputKinds{L"FlatCmd", L"Options", L"Combo", L"ctlTabs", L"TopBt"};
    for (const host::Control* c : gallery.form->Controls()) {
        const bool wanted = inputKinds.count(c->Kind()) && c->EnabledInTree();
        EXPECT_TRUE(!wanted || TabStopOf(*c)) << testing::PrintToString(c->Name());
    }
}

}  // namespace
