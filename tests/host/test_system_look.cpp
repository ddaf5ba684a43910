// Windows made in the system look come from version 6 of the common controls (the
// test program carries the main program's manifest for it); others from user32.
#include <windows.h>

#include <gtest/gtest.h>

#include "host/values/SystemLook.h"

namespace {
HMODULE ButtonClassModule() {
    HWND button = CreateWindowW(L"Button", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    auto module = reinterpret_cast<HMODULE>(GetClassLongPtrW(button, GCLP_HMODULE));
    DestroyWindow(button);
    return module;
}
}  // namespace

TEST(SystemLook, OnlyWindowsMadeWhileItLivesTakeTheVersionSixControls) {
    const HMODULE plain = ButtonClassModule();
    HMODULE looked = nullptr;
    {
        host::SystemLook look;
        looked = ButtonClassModule();
    }
    EXPECT_EQ(plain, GetModuleHandleW(L"user32.dll"));
    EXPECT_NE(looked, plain);
    EXPECT_EQ(ButtonClassModule(), plain) << "the look ends with it";
}
