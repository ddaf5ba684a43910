// Pictures from files, and the reporting of errors nobody handled.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "HostTestKit.h"
#include "host/Picture.h"
#include "host/Units.h"

using namespace host;
using hosttest::ErrorOf;

namespace {

// A file in the temporary folder holding `bytes`, removed when the object goes.
class TempFile {
public:
    TempFile(const wchar_t* name, const std::vector<uint8_t>& bytes) {
        wchar_t folder[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        path_ = std::wstring(folder) + name;
        HANDLE file = CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
    ~TempFile() { DeleteFileW(path_.c_str()); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::wstring& Path() const { return path_; }

private:
    std::wstring path_;
};

void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// A 24-bit .bmp file of `width` x `height` grey pixels.
std::vector<uint8_t> BitmapFile(int width, int height) {
    const uint32_t stride = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
    const uint32_t pixels = stride * static_cast<uint32_t>(height);
    std::vector<uint8_t> file{'B', 'M'};
    PutLe(file, 54 + pixels, 4);
    PutLe(file, 0, 4);
    PutLe(file, 54, 4);
    PutLe(file, 40, 4);
    PutLe(file, static_cast<uint32_t>(width), 4);
    PutLe(file, static_cast<uint32_t>(height), 4);
    PutLe(file, 1, 2);
    PutLe(file, 24, 2);
    for (int i = 0; i < 6; ++i) PutLe(file, 0, 4);
    file.insert(file.end(), pixels, 0x80);
    return file;
}

}  // namespace

TEST(LoadPicture, EmptyPicturesHaveHandleZero) {
    for (const PicturePtr& empty : {LoadPicture(), LoadPicture(L"")}) {
        ASSERT_TRUE(empty);
        EXPECT_EQ(0u, empty->Handle());
        EXPECT_TRUE(empty->IsEmpty());
        EXPECT_EQ(PictureType::None, empty->Type());
    }
}

TEST(LoadPicture, ABitmapFileHasItsSizeInHimetric) {
    TempFile file(L"host_test_picture.bmp", BitmapFile(48, 24));
    PicturePtr picture = LoadPicture(file.Path());
    EXPECT_EQ(PictureType::Bitmap, picture->Type());
    EXPECT_NE(0u, picture->Handle());
    EXPECT_NEAR(ScaleX(48, ScaleMode::Pixels, ScaleMode::Himetric), picture->Width(), 0.5);
    EXPECT_NEAR(ScaleY(24, ScaleMode::Pixels, ScaleMode::Himetric), picture->Height(), 0.5);
    EXPECT_EQ(PictureSource::Kind::File, picture->Source().kind);
}

TEST(LoadPicture, MissingAndNonPictureFilesAreErrors) {
    TempFile text(L"host_test_not_a_picture.bmp", {'h', 'e', 'l', 'l', 'o'});
    TempFile icon(L"host_test_not_an_icon.ico", {0, 0, 1, 0, 9});
    TempFile other(L"host_test_picture.txt", {'h', 'i'});
    struct Row { const char* label; std::wstring file; int error; };
    const Row rows[] = {
        {"missing", L"Z:\\no\\such\\picture.bmp", err::FileNotFound},
        {"text named .bmp", text.Path(), err::InvalidPicture},
        {"broken icon", icon.Path(), err::InvalidPicture},
        {"text file", other.Path(), err::InvalidPicture},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_EQ(row.error, ErrorOf([&] { LoadPicture(row.file); }));
    }
    EXPECT_EQ(err::InvalidPicture, ErrorOf([] { LoadResPicture(L"NO_SUCH_PICTURE"); }));
}

TEST(UnhandledErrors, AreReportedWithTheirNumberAndEndTheProgram) {
    hosttest::RecordedEffects effects;
    SetApplicationTitle(L"TestProgram");
    bool after = false;
    Guarded([&] {
        Raise(err::SubscriptOutOfRange);
        after = true;
    });
    EXPECT_FALSE(after);
    ASSERT_EQ(1u, effects.messages.size());
    EXPECT_EQ(L"Run-time error '9':\n\nSubscript out of range", effects.messages[0]);
    EXPECT_EQ(1, effects.ends);
    EXPECT_TRUE(Ending());
    EXPECT_EQ(L"TestProgram", ApplicationTitle());
}
