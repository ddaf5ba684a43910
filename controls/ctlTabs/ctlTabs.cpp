// The tab strip's state: its properties, declared once in a table that feeds
// by-name access, property browsers and the exchange with the property bag.
#include "controls/ctlTabs/ctlTabs.h"

#include <functional>
#include <memory>
#include <type_traits>

#include "host/values/Error.h"
#include "host/forms/FormBuilder.h"
#include "host/forms/PropertyTable.h"
#include "host/forms/PublishedEvents.h"

namespace controls {

namespace {

using host::PropertyType;
using host::Variant;

constexpr int32_t kTabsWidth = 70;
constexpr int32_t kTabsHeight = 20;
constexpr int16_t kTabs = 2;
constexpr int16_t kSelectedTab = 1;
constexpr host::OleColor kTabColor = host::SystemColor(COLOR_BTNSHADOW);
constexpr host::OleColor kTabColorActive = host::SystemColor(COLOR_BTNFACE);
constexpr host::OleColor kTextColor = host::SystemColor(COLOR_BTNHIGHLIGHT);
constexpr host::OleColor kTextColorActive = host::SystemColor(COLOR_BTNTEXT);

constexpr const wchar_t* kCaptionKey = L"TABCAPTION";

template <class T>
using Value = host::PropertyValue<T>;

std::wstring CaptionKey(int index) { return kCaptionKey + std::to_wstring(index); }

}  // namespace

// ---- The property table ----

// What the bag exchange keeps of a property.
struct StoredAs {
    const wchar_t* key = nullptr;  // null: not stored; an indexed one adds the index
    Variant fallback;              // read when the key is missing
    std::function<void(ctlTabs&, const Variant&, int16_t index)> load;  // assigns the field, no setter
    std::function<Variant(ctlTabs&, int16_t index)> save;
};

struct ctlTabs::Table {
    using Properties = host::PropertyTable<ctlTabs, StoredAs>;
    using Row = Properties::Row;

    // A property over one field: stored under `key` in the field's type (`initial`
    // when missing), reached by name in the setter's type.
    template <class F, class A>
    static Row Field(const wchar_t* name, const wchar_t* help, const wchar_t* key, F Fields::*field,
                     void (ctlTabs::*set)(A), F initial) {
        return Row{name,
                   Value<A>::kType,
                   false,
                   help,
                   [field](ctlTabs& t, int16_t) { return Value<A>::To(static_cast<A>(t.prop_.*field)); },
                   [set](ctlTabs& t, const Variant& v, int16_t) { (t.*set)(Value<A>::From(v)); },
                   StoredAs{key, Value<F>::To(initial),
                            [field](ctlTabs& t, const Variant& v, int16_t) { t.prop_.*field = Value<F>::From(v); },
                            [field](ctlTabs& t, int16_t) { return Value<F>::To(t.prop_.*field); }}};
    }

    // A missing or empty stored font makes the field share the control's own font.
    static Row FontField(const wchar_t* name, const wchar_t* help, const wchar_t* key, host::FontPtr Fields::*field,
                         void (ctlTabs::*set)(const host::FontPtr&)) {
        return Row{name,
                   PropertyType::Font,
                   false,
                   help,
                   [field](ctlTabs& t, int16_t) { return Variant(t.prop_.*field); },
                   [set](ctlTabs& t, const Variant& v, int16_t) { (t.*set)(v.ToFont()); },
                   StoredAs{key, Variant::Nothing(),
                            [field](ctlTabs& t, const Variant& v, int16_t) {
                                host::FontPtr font = v.ToFont();
                                t.prop_.*field = font ? font : t.GetFont();
                            },
                            [field](ctlTabs& t, int16_t) { return Variant(t.prop_.*field); }}};
    }

    // In the order the bag stores them; the read-only ones last.
    static const Properties& Get() {
        static const Properties table{{
            Field(L"TabsWidth", L"Returns/sets the width of each tab (in pixels)", L"TABWIDE", &Fields::tabsWidth,
                  &ctlTabs::SetTabsWidth, kTabsWidth),
            Field(L"TabsHeight", L"Returns/sets the height of each tab (in pixels)", L"TABHIGH", &Fields::tabsHeight,
                  &ctlTabs::SetTabsHeight, kTabsHeight),
            Field(L"Tabs", L"Returns/sets the number of tabs on the control", L"TABCOUNT", &Fields::tabs,
                  &ctlTabs::SetTabs, kTabs),
            Field(L"SelectedTab", L"Returns/sets the currently selected tab", L"TABSELECTED", &Fields::selectedTab,
                  &ctlTabs::SetSelectedTab, kSelectedTab),
            Field(L"Style", L"Returns/sets the position of the tabs on the control", L"TABSTYLE", &Fields::style,
                  &ctlTabs::SetStyle, int16_t{TabsTopLeft}),
            Field(L"CaptionAlignment", L"Returns/sets the position of captions within the tabs", L"CAPTIONSTYLE",
                  &Fields::captionAlignment, &ctlTabs::SetCaptionAlignment, int16_t{CaptionMiddleCenter}),
            Field(L"UseFocusRect", L"Returns/sets whether a focus rectangle will be displayed when a tab has the focus",
                  L"FOCUSRECT", &Fields::useFocusRect, &ctlTabs::SetUseFocusRect, false),
            Row{L"Caption", PropertyType::String, true, L"Returns/Sets captions for each tab",
                [](ctlTabs& t, int16_t i) { return Variant(t.Caption(i)); },
                [](ctlTabs& t, const Variant& v, int16_t i) { t.SetCaption(i, v.ToString()); },
                StoredAs{kCaptionKey, Variant(L""),
                         [](ctlTabs& t, const Variant& v, int16_t i) {
                             t.prop_.captions[static_cast<size_t>(i - 1)] = v.ToString();
                         },
                         [](ctlTabs& t, int16_t i) { return Variant(t.Caption(i)); }}},
            FontField(L"TabFont", L"Returns/sets the font attributes of all inactive tabs", L"TABFONT",
                      &Fields::tabFont, &ctlTabs::SetTabFont),
            FontField(L"TabFontActive", L"Returns/sets the font attributes of the active tab", L"TABFONTACTIVE",
                      &Fields::tabFontActive, &ctlTabs::SetTabFontActive),
            Field(L"TabColor", L"Returns/sets the background color of all inactive tabs", L"TABCOLOR",
                  &Fields::tabColor, &ctlTabs::SetTabColor, kTabColor),
            Field(L"TabColorActive",
                  L"Returns/sets the background color of the active tab and the container area of the control",
                  L"TABCOLORACTIVE", &Fields::tabColorActive, &ctlTabs::SetTabColorActive, kTabColorActive),
            Field(L"TextColor", L"Returns/sets the text color of all inactive tabs", L"TEXTCOLOR", &Fields::textColor,
                  &ctlTabs::SetTextColor, kTextColor),
            Field(L"TextColorActive", L"Returns/sets the text color of the active tab", L"TEXTCOLORACTIVE",
                  &Fields::textColorActive, &ctlTabs::SetTextColorActive, kTextColorActive),
            Row{L"ScaleMode",
                PropertyType::Long,
                false,
                L"ScaleMode always returns 1 (Twips) on this control",
                [](ctlTabs& t, int16_t) { return Variant::Lng(t.ScaleMode()); },
                {},
                {}},
            Row{L"hDC",
                PropertyType::Long,
                false,
                nullptr,
                [](ctlTabs& t, int16_t) {
                    return Variant::Lng(static_cast<int32_t>(reinterpret_cast<intptr_t>(t.hDC())));
                },
                {},
                {}},
        }};
        return table;
    }
};

const host::PublishedProperties* ctlTabs::Published() const { return &Table::Get(); }

// ---- Lifecycle ----

ctlTabs::ctlTabs(std::wstring name) : UserControl(L"ctlTabs", std::move(name)) {}

void ctlTabs::OnInitialize() {
    SetScaleMode(host::ScaleMode::Pixels);
    prop_.tabsWidth = kTabsWidth;
    prop_.tabsHeight = kTabsHeight;
    prop_.tabs = kTabs;
    prop_.selectedTab = kSelectedTab;
    prop_.style = TabsTopLeft;
    prop_.captionAlignment = CaptionMiddleCenter;
    prop_.useFocusRect = false;
    prop_.captions.clear();
    for (int i = 1; i <= prop_.tabs; ++i) prop_.captions.push_back(L"Tab " + std::to_wstring(i));
    prop_.tabFont = host::Font::Create();
    CopyFont(*prop_.tabFont, *GetFont());
    prop_.tabFontActive = host::Font::Create();
    CopyFont(*prop_.tabFontActive, *GetFont());
    prop_.tabFontActive->SetBold(!prop_.tabFontActive->Bold());
    prop_.tabColor = kTabColor;
    prop_.tabColorActive = kTabColorActive;
    prop_.textColor = kTextColor;
    prop_.textColorActive = kTextColorActive;
}

// Every field straight from the bag, no setter and no check, then one paint. A
// count below 1 could hold no captions, so it loads as 1.
void ctlTabs::OnReadProperties(const host::PropertyBag& bag) {
    for (const Table::Row& row : Table::Get().Rows()) {
        const StoredAs& stored = row.more;
        if (!stored.key) continue;
        if (!row.indexed) {
            stored.load(*this, bag.ReadProperty(stored.key, stored.fallback), 0);
            continue;
        }
        // A missing caption reads as empty, not as the caption a new control has.
        if (prop_.tabs < 1) prop_.tabs = 1;
        prop_.captions.assign(static_cast<size_t>(prop_.tabs), std::wstring());
        for (int i = 1; i <= prop_.tabs; ++i)
            stored.load(*this, bag.ReadProperty(CaptionKey(i), stored.fallback), static_cast<int16_t>(i));
    }
    DrawTabs();
}

// Every key is written, whatever its value; captions against the empty default,
// so an empty caption is not stored.
void ctlTabs::OnWriteProperties(host::PropertyBag& bag) {
    for (const Table::Row& row : Table::Get().Rows()) {
        const StoredAs& stored = row.more;
        if (!stored.key) continue;
        if (!row.indexed) {
            bag.WriteProperty(stored.key, stored.save(*this, 0));
            continue;
        }
        for (int i = 1; i <= prop_.tabs; ++i)
            bag.WriteProperty(CaptionKey(i), stored.save(*this, static_cast<int16_t>(i)), stored.fallback);
    }
}

// The strip's background is the container's back colour.
void ctlTabs::OnAmbientChanged(const std::wstring& name) {
    if (host::SameName(name, L"BackColor")) DrawTabs();
}

void ctlTabs::OnResize() { DrawTabs(); }

// ---- Properties ----

void ctlTabs::Store(const std::wstring& key) {
    PropertyChanged(key);
    DrawTabs();
}

void CopyFont(host::Font& target, const host::Font& source) {
    // All attributes in one change; `source` may be `target` itself.
    if (target.Desc() != source.Desc()) target.Assign(source.Desc());
}

void ctlTabs::AssignFont(host::Font& field, const host::FontPtr& font, const wchar_t* key) {
    if (!font) host::Raise(host::err::ObjectNotSet);
    CopyFont(field, *font);
    Store(key);
}

void ctlTabs::SetTabFont(const host::FontPtr& font) { AssignFont(*prop_.tabFont, font, L"TABFONT"); }

void ctlTabs::SetTabFontActive(const host::FontPtr& font) { AssignFont(*prop_.tabFontActive, font, L"TABFONTACTIVE"); }

void ctlTabs::SetTextColor(host::OleColor value) {
    prop_.textColor = value;
    Store(L"TEXTCOLOR");
}

void ctlTabs::SetTextColorActive(host::OleColor value) {
    prop_.textColorActive = value;
    Store(L"TEXTCOLORACTIVE");
}

void ctlTabs::SetTabColor(host::OleColor value) {
    prop_.tabColor = value;
    Store(L"TABCOLOR");
}

void ctlTabs::SetTabColorActive(host::OleColor value) {
    prop_.tabColorActive = value;
    Store(L"TABCOLORACTIVE");
}

std::wstring ctlTabs::Caption(int16_t index) const {
    if (index < 1 || index > prop_.tabs) host::Raise(host::err::SubscriptOutOfRange);
    return prop_.captions[static_cast<size_t>(index - 1)];
}

void ctlTabs::SetCaption(int16_t index, const std::wstring& value) {
    if (index < 1 || index > prop_.tabs) host::Raise(host::err::SubscriptOutOfRange);
    prop_.captions[static_cast<size_t>(index - 1)] = value;
    Store(CaptionKey(index));
    NotifyAccessible(EVENT_OBJECT_NAMECHANGE, index);
}

void ctlTabs::SetStyle(int32_t value) {
    if (value < TabsTopLeft || value > TabsRightBottom) return;
    prop_.style = static_cast<int16_t>(value);
    Store(L"TABSTYLE");
}

void ctlTabs::SetCaptionAlignment(int32_t value) {
    if (value < CaptionTopLeft || value > CaptionBottomRight) return;
    prop_.captionAlignment = static_cast<int16_t>(value);
    Store(L"CAPTIONSTYLE");
}

void ctlTabs::SetTabsWidth(int32_t value) {
    prop_.tabsWidth = value;
    Store(L"TABWIDE");
}

void ctlTabs::SetTabsHeight(int32_t value) {
    prop_.tabsHeight = value;
    Store(L"TABHIGH");
}

// New tabs get empty captions. When the count falls below the selected tab, the
// last tab is selected and TabClick follows the paint.
void ctlTabs::SetTabs(int16_t value) {
    if (value < 1) return;
    prop_.tabs = value;
    prop_.captions.resize(static_cast<size_t>(value));
    const int16_t old = prop_.selectedTab;
    const bool moved = value < old;
    if (moved) prop_.selectedTab = value;
    Store(L"TABCOUNT");
    if (!moved) return;
    PropertyChanged(L"TABSELECTED");
    TabClick(old, value);
}

// Raises TabClick on every assignment, with the value as assigned, also when the
// selection stays.
void ctlTabs::SetSelectedTab(int16_t value) {
    const int16_t old = prop_.selectedTab;
    prop_.selectedTab = value < 1 ? int16_t{1} : value > prop_.tabs ? prop_.tabs : value;
    Store(L"TABSELECTED");
    NotifyAccessible(EVENT_OBJECT_SELECTION, prop_.selectedTab);
    TabClick(old, value);
}

void ctlTabs::SetUseFocusRect(bool value) {
    prop_.useFocusRect = value;
    Store(L"FOCUSRECT");
}

namespace {
const host::ControlKind<ctlTabs> kKind{L"ctlTabs"};
const host::PublishedEvents<ctlTabs> kEvents{host::EventEntry(L"TabClick", &ctlTabs::TabClick)};
}  // namespace

}  // namespace controls
