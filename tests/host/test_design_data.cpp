// Design data: the tree of controls a form is built from.
#include <gtest/gtest.h>

#include <cstdint>

#include "host/DesignData.h"
#include "host/Error.h"
#include "host/PropertyBag.h"

using namespace host;
using namespace std::literals;

namespace {

struct MalformedText {
    const char* label;
    int line;
    std::wstring text;
};

const MalformedText kMalformedDesigns[] = {
#include "malformed/design.inc"
};

const wchar_t kSampleForm[] =
    L"\xFEFF' Form1 as it opens\r\n"
    L"Begin Form Form1\r\n"
    L"    Caption = \"投票\"\r\n"
    L"ClientWidth = 8760\r\n"
    L"    Begin xForm xForm1\r\n"
    L"        # its stored bag\r\n"
    L"        caption = \"标题\"\r\n"
    L"        Begin Timer tpt\r\n"
    L"            Interval = 0\r\n"
    L"        End\r\n"
    L"\t\tBegin Frame Frame1\r\n"
    L"            Font = Font(\"宋体\", 10.5, 400, 134)\r\n"
    L"        END\r\n"
    L"    End\r\n"
    L"    Begin Label Label5\r\n"
    L"        Begin = \"a property named Begin\"\r\n"
    L"        End = 1\r\n"
    L"    End\r\n"
    L"End\r\n";

void ExpectFormatErrorAt(int line, std::wstring_view text) {
    try {
        ParseDesignData(text);
        ADD_FAILURE() << "parsed";
    } catch (const TextFormatError& e) {
        EXPECT_EQ(line, e.Line()) << testing::PrintToString(e.Problem());
    }
}

// The text parsed as design data and as a bag: a format error is fine, anything
// else escaping (or a crash) is not.
void ExpectOnlyFormatErrors(std::wstring_view text) {
    try {
        ParseDesignData(text);
    } catch (const TextFormatError&) {
    }
    try {
        PropertyBag::LoadText(text);
    } catch (const TextFormatError&) {
    }
}

}  // namespace

TEST(DesignData, BuildsTheTreeInFileOrder) {
    DesignNode form = ParseDesignData(kSampleForm);
    EXPECT_EQ(L"Form", form.kind);
    EXPECT_EQ(L"Form1", form.name);
    EXPECT_EQ(2, form.line);
    ASSERT_EQ(2u, form.properties.size());
    EXPECT_EQ(L"Caption", form.properties[0].first);
    EXPECT_EQ(L"ClientWidth", form.properties[1].first);
    EXPECT_TRUE(form.Find(L"CLIENTWIDTH")->SameAs(Variant::Int(8760)));
    EXPECT_EQ(nullptr, form.Find(L"Left"));

    ASSERT_EQ(2u, form.children.size());
    const DesignNode& title = form.children[0];
    EXPECT_EQ(L"xForm1", title.name);
    EXPECT_TRUE(title.Find(L"Caption")->SameAs(Variant(L"标题")));
    ASSERT_EQ(2u, title.children.size());
    EXPECT_EQ(L"tpt", title.children[0].name);
    EXPECT_EQ(L"Frame", title.children[1].kind);
    EXPECT_EQ(11, title.children[1].line);
    EXPECT_EQ(10.5, title.children[1].Find(L"font")->ToFont()->Size());

    const DesignNode& label = form.children[1];
    EXPECT_EQ(L"Label5", label.name);
    EXPECT_TRUE(label.Find(L"Begin")->SameAs(Variant(L"a property named Begin")));
    EXPECT_TRUE(label.Find(L"End")->SameAs(Variant::Int(1)));
}

TEST(DesignData, ControlArraysShareANameWithDistinctIndexes) {
    DesignNode page = ParseDesignData(
        L"Begin PropertyPage propTabCaptions\n"
        L"  Begin CommandButton cmd\n    Index = 0\n  End\n"
        L"  Begin CommandButton CMD\n    Index = 1\n  End\n"
        L"End\n");
    ASSERT_EQ(2u, page.children.size());
    EXPECT_TRUE(page.children[1].Find(L"index")->SameAs(Variant::Int(1)));
    ExpectFormatErrorAt(2, L"Begin Form F\n  Begin Image img\n    Index = \"first\"\n  End\nEnd\n");
}

TEST(DesignData, MalformedTextNamesTheLine) {
    for (const MalformedText& bad : kMalformedDesigns) {
        SCOPED_TRACE(bad.label);
        ExpectFormatErrorAt(bad.line, bad.text);
    }
}

TEST(DesignData, NestingIsCappedWithAnError) {
    constexpr int kAllowed = 64;
    auto nested = [](int depth) {
        std::wstring text;
        for (int i = 0; i < depth; ++i) text += L"Begin Frame F" + std::to_wstring(i) + L"\n";
        for (int i = 0; i < depth; ++i) text += L"End\n";
        return text;
    };
    EXPECT_NO_THROW(ParseDesignData(nested(kAllowed)));
    ExpectFormatErrorAt(kAllowed + 1, nested(kAllowed + 1));
    ExpectFormatErrorAt(kAllowed + 1, nested(100000));
}

TEST(DesignData, HostileInputGivesOnlyFormatErrors) {
    std::wstring hugeLine = L"Begin Form F\nCaption = \"" + std::wstring(1'000'000, L'x') + L"\"\nEnd\n";
    EXPECT_EQ(1'000'000u, ParseDesignData(hugeLine).Find(L"caption")->ToString().size());
    ExpectOnlyFormatErrors(L"Begin Form F\nCaption = \"" + std::wstring(1'000'000, L'\\'));
    ExpectOnlyFormatErrors(L"Begin Form F\nLeft = " + std::wstring(100'000, L'9') + L"\nEnd\n");
    ExpectOnlyFormatErrors(std::wstring(200'000, L'\n') + L"End");

    // Random edits of a valid form, from a fixed seed so that a failure repeats.
    const std::wstring pieces[] = {L"\"", L"\\", L"\n", L"\r", L"=", L"(", L")", L",", L"&H", L"\0"s, L"\xD800",
                                   L"\xDFFF", L"Begin ", L"End", L"Font(", L"Picture(", L"1e", L"'", L" ", L"%"};
    uint32_t seed = 12345;
    auto next = [&seed](uint32_t bound) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % bound;
    };
    const std::wstring sample = kSampleForm;
    for (int round = 0; round < 3000; ++round) {
        std::wstring text = sample;
        for (uint32_t edits = 1 + next(4); edits > 0; --edits) {
            size_t at = next(static_cast<uint32_t>(text.size() + 1));
            if (next(2) == 0) text.insert(at, pieces[next(std::size(pieces))]);
            else text.erase(at, next(8));
        }
        ExpectOnlyFormatErrors(text);
    }
}
