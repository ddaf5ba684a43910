// Entry point of every test program: they link as Unicode (wmain), which GoogleTest's own main does not provide.
#include <gmock/gmock.h>

int wmain(int argc, wchar_t** argv) {
    testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
