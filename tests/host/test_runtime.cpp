// Pictures from files, and the reporting of errors nobody handled.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "HostTestKit.h"
#include "host/Picture.h"
#include "host/Units.h"

using namespace host;
using hosttest::ErrorOf;

TEST(LoadPicture, EmptyPicturesHaveHandleZero) {
    for (const PicturePtr& empty : {LoadPicture(), LoadPicture(L"")}) {
        ASSERT_TRUE(empty);
        EXPECT_EQ(0u, empty->Handle());
        EXPECT_EQ(PictureType::None, empty->Type());
    }
}

TEST(LoadPicture, ABitmapFileHasItsSizeInHimetric) {
    hosttest::BitmapFile file(L"host_test_picture.bmp", 48, 24);
    PicturePtr picture = LoadPicture(file.path);
    EXPECT_EQ(PictureType::Bitmap, picture->Type());
    EXPECT_NEAR(ScaleX(48, ScaleMode::Pixels, ScaleMode::Himetric), picture->Width(), 0.5);
    EXPECT_NEAR(ScaleY(24, ScaleMode::Pixels, ScaleMode::Himetric), picture->Height(), 0.5);
}

TEST(LoadPicture, MissingAndNonPictureFilesAreErrors) {
    const auto text = std::filesystem::temp_directory_path() / L"host_test_not_a_picture.bmp";
    const auto icon = std::filesystem::temp_directory_path() / L"host_test_not_an_icon.ico";
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
}
