// New and stored buttons, and the property bag.
#include "Artwork.h"
#include "TopBtFixture.h"

namespace {

TEST_F(TopBtTest, NewInstanceWritesItsGlyphAndStoresNothing) {
    Place();
    EXPECT_EQ(button->Value(), 0);
    EXPECT_TRUE(button->Enabled());
    EXPECT_EQ(Shown(), kTopBt0Normal);
    EXPECT_EQ(log, (std::vector<std::wstring>{L"changed Value"}));
    host::PropertyBag saved = button->Save();
    EXPECT_FALSE(saved.Contains(L"value"));
    EXPECT_FALSE(saved.Contains(L"enabled"));
}

TEST_F(TopBtTest, StoredStateRoundTrips) {
    struct Case {
        int32_t value;
        bool enabled;
        const wchar_t* shown;
    };
    const Case cases[] = {
        {1, true, kTopBt1Normal},
        {3, false, kTopBt3Disabled},
        {0, false, kTopBt0Disabled},
        {9, true, kTopBt0Normal},  // an unknown glyph keeps the first picture
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        host::PropertyBag stored;
        stored.WriteProperty(L"Value", host::Variant::Lng(c.value), host::Variant::Lng(0));
        stored.WriteProperty(L"Enabled", host::Variant::Bool(c.enabled), host::Variant::Bool(true));
        log.clear();
        Place(&stored);
        EXPECT_EQ(button->Value(), c.value);
        EXPECT_EQ(button->Enabled(), c.enabled);
        EXPECT_EQ(Shown(), c.shown);
        EXPECT_TRUE(log.empty());  // a stored glyph is taken as it is, not written
        host::PropertyBag saved = button->Save();
        EXPECT_EQ(saved.ReadProperty(L"Value", host::Variant::Lng(0)).ToLong(), c.value);
        EXPECT_EQ(saved.ReadProperty(L"Enabled", host::Variant::Bool(true)).ToBool(), c.enabled);
        EXPECT_EQ(saved.Contains(L"value"), c.value != 0);
        EXPECT_EQ(saved.Contains(L"enabled"), !c.enabled);
    }
}

}  // namespace
