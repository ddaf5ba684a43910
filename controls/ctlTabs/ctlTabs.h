#pragma once
// ctlTabs: a tab strip that paints itself. Equally sized tabs sit along one edge of
// the control; the rest is a raised container area in the colour of the active
// tab. Exactly one tab is selected; the user selects one with the mouse or the
// arrow keys, and the control raises TabClick.
//
// ctlTabs.cpp holds the state, the property table and the bag exchange,
// ctlTabsInput.cpp the mouse, keys and focus, ctlTabsPaint.cpp DrawTabs and the
// painting of a strip onto any device context (ctlTabsPaint.h).
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "host/values/Color.h"
#include "host/values/Event.h"
#include "host/values/Font.h"
#include "host/design/PropertyBag.h"
#include "host/forms/UserControl.h"

namespace controls {

// The edge the tabs sit on and the end of it they run from (Style).
enum TabStyle : int16_t {
    TabsTopLeft = 0,
    TabsTopRight = 1,
    TabsBottomLeft = 2,
    TabsBottomRight = 3,
    TabsLeftTop = 4,
    TabsRightTop = 5,
    TabsLeftBottom = 6,
    TabsRightBottom = 7,
};

// The place of each caption in its tab, row * 3 + column (CaptionAlignment).
enum CaptionPosition : int16_t {
    CaptionTopLeft = 0,
    CaptionTopCenter = 1,
    CaptionTopRight = 2,
    CaptionMiddleLeft = 3,
    CaptionMiddleCenter = 4,
    CaptionMiddleRight = 5,
    CaptionBottomLeft = 6,
    CaptionBottomCenter = 7,
    CaptionBottomRight = 8,
};

class ctlTabs : public host::UserControl {
public:
    explicit ctlTabs(std::wstring name);

    // ---- Properties (each is published once, in the table of ctlTabs.cpp) ----
    // Always 1 (twips), whatever unit the control draws in.
    int32_t ScaleMode() const { return 1; }
    host::OleColor TextColor() const { return prop_.textColor; }
    void SetTextColor(host::OleColor value);
    host::OleColor TextColorActive() const { return prop_.textColorActive; }
    void SetTextColorActive(host::OleColor value);
    host::OleColor TabColor() const { return prop_.tabColor; }
    void SetTabColor(host::OleColor value);
    host::OleColor TabColorActive() const { return prop_.tabColorActive; }
    void SetTabColorActive(host::OleColor value);
    // The control's own font objects; assigning copies the attributes into them.
    host::FontPtr TabFont() const { return prop_.tabFont; }
    void SetTabFont(const host::FontPtr& font);
    host::FontPtr TabFontActive() const { return prop_.tabFontActive; }
    void SetTabFontActive(const host::FontPtr& font);
    // Tabs are numbered from 1; another index is error 9.
    std::wstring Caption(int16_t index) const;
    void SetCaption(int16_t index, const std::wstring& value);
    int32_t Style() const { return prop_.style; }
    void SetStyle(int32_t value);  // 0 to 7; others are ignored
    int32_t CaptionAlignment() const { return prop_.captionAlignment; }
    void SetCaptionAlignment(int32_t value);  // 0 to 8; others are ignored
    int32_t TabsWidth() const { return prop_.tabsWidth; }
    void SetTabsWidth(int32_t value);
    int32_t TabsHeight() const { return prop_.tabsHeight; }
    void SetTabsHeight(int32_t value);
    int16_t Tabs() const { return prop_.tabs; }
    void SetTabs(int16_t value);  // below 1 is ignored
    int16_t SelectedTab() const { return prop_.selectedTab; }
    void SetSelectedTab(int16_t value);
    bool UseFocusRect() const { return prop_.useFocusRect; }
    void SetUseFocusRect(bool value);

    const host::PublishedProperties* Published() const override;

    // ---- Event ----
    host::Event<int16_t, int16_t> TabClick;  // OldTab, NewTab
    static constexpr const wchar_t* kTabClickHelp = L"Event raised when the user clicks on a tab";

    // ---- Host notifications ----
    void OnInitialize() override;
    void OnReadProperties(const host::PropertyBag& bag) override;
    void OnWriteProperties(host::PropertyBag& bag) override;
    void OnAmbientChanged(const std::wstring& name) override;
    void OnResize() override;
    void OnGotFocus() override;
    void OnLostFocus() override;
    void OnKeyDown(int16_t keyCode, int16_t shift) override;
    void OnMouseDown(int16_t button, int16_t shift, float x, float y) override;
    void OnMouseMove(int16_t button, int16_t shift, float x, float y) override;
    // What a screen reader reads (ctlTabsAccessible.cpp): a page tab per tab.
    host::AccessibleDescription DescribeAccessible() const override;
    void DoAccessibleDefaultAction(long item) override;
    void SelectAccessibleItem(long item) override;

private:
    friend struct ctlTabsTestAccess;
    struct Table;  // builds the property table, with access to the fields

    // The stored state: one field per property.
    struct Fields {
        int32_t tabsWidth = 0;
        int32_t tabsHeight = 0;
        int16_t selectedTab = 0;
        int16_t tabs = 0;
        int16_t style = 0;
        int16_t captionAlignment = 0;
        bool useFocusRect = false;
        std::vector<std::wstring> captions;  // element i - 1 is the caption of tab i
        host::FontPtr tabFont;
        host::FontPtr tabFontActive;
        host::OleColor tabColor = 0;
        host::OleColor tabColorActive = 0;
        host::OleColor textColor = 0;
        host::OleColor textColorActive = 0;
    };
    Fields prop_;
    // ---- Run-time state ----
    bool hasFocus_ = false;
    std::vector<RECT> tabRects_;  // element i - 1: the hit rectangle of tab i

    void DrawTabs();
    // Announces the bag key, then repaints.
    void Store(const std::wstring& key);
    void AssignFont(host::Font& field, const host::FontPtr& font, const wchar_t* key);
    // The first tab whose hit rectangle holds the point (bounds included), 0 for none.
    int16_t TabAt(float x, float y) const;
};

// Copies the attributes of `source` into `target`, which stays the same object.
void CopyFont(host::Font& target, const host::Font& source);

}  // namespace controls
