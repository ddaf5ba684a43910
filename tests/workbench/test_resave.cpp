// Writing forms back: resaving twice gives the same text and keeps every stored key; a malformed file names its line.
#include <gtest/gtest.h>

#include <map>

#include "host/design/TextLiteral.h"
#include "host/forms/FormBuilder.h"
#include "host/values/Text.h"
#include "workbench/Preview.h"

using namespace workbench;

namespace {

using Keys = std::map<std::wstring, std::wstring>;

Keys KeysOf(const host::DesignNode& node) {
    Keys keys;
    for (const auto& [key, value] : node.properties) keys[host::ToLowerKey(key)] = host::FormatLiteral(value);
    return keys;
}

void ExpectSameKeys(const host::DesignNode& written, const host::DesignNode& read) {
    SCOPED_TRACE(written.name);
    EXPECT_EQ(written.kind, read.kind);
    EXPECT_EQ(KeysOf(written), KeysOf(read));
    ASSERT_EQ(written.children.size(), read.children.size());
    for (size_t i = 0; i < written.children.size(); ++i) ExpectSameKeys(written.children[i], read.children[i]);
}

}  // namespace

TEST(Resave, GalleryKeepsItsTextAndEveryStoredKey) {
    std::wstring gallery = host::LoadTextResource(L"GALLERY");
    std::wstring once = DesignText(BuildDesignedForm(gallery));
    std::wstring twice = DesignText(BuildDesignedForm(once));
    EXPECT_EQ(once, twice);
    ExpectSameKeys(host::ParseDesignData(gallery), host::ParseDesignData(once));
}

TEST(Resave, MalformedTextNamesTheLine) {
    struct Row {
        const char* label;
        const wchar_t* text;
        int line;
    };
    const Row rows[] = {
        {"no End", L"Begin Form F\n  Begin FlatCmd b\n", 2},
        {"bad literal", L"Begin Form F\n  Begin FlatCmd b\n    Caption = \"open\n  End\nEnd\n", 3},
        {"unknown kind", L"Begin Form F\n\n  Begin Nothing n\n  End\nEnd\n", 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        try {
            BuildDesignedForm(row.text);
            ADD_FAILURE() << "built";
        } catch (const host::TextFormatError& e) {
            EXPECT_EQ(row.line, e.Line());
        }
    }
}
