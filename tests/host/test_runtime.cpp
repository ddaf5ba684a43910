// Pictures from files, and the reporting of errors nobody handled.
#include <filesystem>
#include <fstream>

#include "HostTestKit.h"

using namespace host;
using namespace hosttest;

namespace {

const std::filesystem::path kFolder = std::filesystem::temp_directory_path();

// Writes a grey 24-bit .bmp file.
void WriteBitmapFile(const std::filesystem::path& path, int width, int height) {
    const DWORD pixelBytes = static_cast<DWORD>((width * 3 + 3) & ~3) * static_cast<DWORD>(height);
    constexpr DWORD kHeaders = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    BITMAPINFOHEADER info{sizeof info, width, height, 1, 24, BI_RGB, pixelBytes, 0, 0, 0, 0};
    BITMAPFILEHEADER header{0x4D42, kHeaders + pixelBytes, 0, 0, kHeaders};
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(&header), sizeof header)
        .write(reinterpret_cast<const char*>(&info), sizeof info);
    file << std::string(pixelBytes, '\x80');
}

}  // namespace

TEST(LoadPicture, ABitmapFileHasItsSizeInHimetric) {
    const auto path = kFolder / L"host test 图.bmp";
    WriteBitmapFile(path, 48, 24);
    PicturePtr picture = LoadPicture(path.wstring());
    EXPECT_NEAR(ScaleX(48, ScaleMode::Pixels, ScaleMode::Himetric), picture->Width(), 0.5);
    EXPECT_NEAR(ScaleY(24, ScaleMode::Pixels, ScaleMode::Himetric), picture->Height(), 0.5);
    EXPECT_EQ(path.wstring(), picture->Source().name) << "a saved bag refers to the file";
    std::filesystem::remove(path);
}

TEST(LoadPicture, NoFileIsAnEmptyPictureAndMissingOrNonPictureFilesAreErrors) {
    EXPECT_EQ(0u, LoadPicture(L"")->Handle());
    const auto text = kFolder / L"host_test_not_a_picture.bmp", icon = kFolder / L"host_test_not_an_icon.ico";
    std::ofstream(text) << "hello";
    std::ofstream(icon, std::ios::binary).write("\0\0\1\0\x09", 5);
    EXPECT_EQ(err::FileNotFound, ErrorOf([] { LoadPicture(L"Z:\\no\\such\\picture.bmp"); }));
    EXPECT_EQ(err::InvalidPicture, ErrorOf([&] { LoadPicture(text.wstring()); }));
    EXPECT_EQ(err::InvalidPicture, ErrorOf([&] { LoadPicture(icon.wstring()); }));
    EXPECT_EQ(err::InvalidPicture, ErrorOf([] { LoadResPicture(L"NO_SUCH_PICTURE"); }));
    std::filesystem::remove(text);
    std::filesystem::remove(icon);
}

TEST(UnhandledErrors, AreReportedWithTheirNumberAndEndTheProgram) {
    RecordedEffects effects;
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
}
