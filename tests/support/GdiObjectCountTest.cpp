#include "GdiObjectCount.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

namespace {

struct GdiKind {
    const char* name;
    HGDIOBJ (*create)();
    void (*destroy)(HGDIOBJ);
};

void DeleteGdiObject(HGDIOBJ object) { DeleteObject(object); }
void DeleteMemoryDc(HGDIOBJ dc) { DeleteDC(static_cast<HDC>(dc)); }

constexpr COLORREF AnyColour = RGB(12, 34, 56);
constexpr int AnySize = 8;
constexpr int ObjectsPerKind = 100;

const GdiKind Kinds[] = {
    {"brush", [] { return HGDIOBJ(CreateSolidBrush(AnyColour)); }, DeleteGdiObject},
    {"pen", [] { return HGDIOBJ(CreatePen(PS_SOLID, 1, AnyColour)); }, DeleteGdiObject},
    {"region", [] { return HGDIOBJ(CreateRectRgn(0, 0, AnySize, AnySize)); }, DeleteGdiObject},
    {"bitmap", [] { return HGDIOBJ(CreateBitmap(AnySize, AnySize, 1, 32, nullptr)); }, DeleteGdiObject},
    {"font",
     [] {
         return HGDIOBJ(
             CreateFontW(-AnySize, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
     },
     DeleteGdiObject},
    {"memory DC", [] { return HGDIOBJ(CreateCompatibleDC(nullptr)); }, DeleteMemoryDc},
};

TEST(GdiObjectCount, FollowsEachKindOfObjectUpAndBackDown) {
    for (const GdiKind& kind : Kinds) {
        SCOPED_TRACE(kind.name);
        // The first object of a kind may make the system create helpers of its own.
        kind.destroy(kind.create());

        const int before = testsupport::CountLiveGdiObjects();
        std::vector<HGDIOBJ> objects;
        for (int i = 0; i < ObjectsPerKind; ++i) {
            objects.push_back(kind.create());
            ASSERT_NE(objects.back(), nullptr);
        }
        EXPECT_EQ(testsupport::CountLiveGdiObjects(), before + ObjectsPerKind);

        for (HGDIOBJ object : objects) {
            kind.destroy(object);
        }
        EXPECT_EQ(testsupport::CountLiveGdiObjects(), before);
    }
}

}  // namespace
