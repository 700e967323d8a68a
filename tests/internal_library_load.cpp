// The internal tests link the library's objects into the test program: this
// environment attaches them as the loader attaches the library, before the
// first test, and detaches them after the last.
#include <gtest/gtest.h>

#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

namespace {

class LibraryLoad : public testing::Environment {
public:
    void SetUp() override { DllMain(GetModuleHandleA(nullptr), DLL_PROCESS_ATTACH, nullptr); }
    void TearDown() override { DllMain(GetModuleHandleA(nullptr), DLL_PROCESS_DETACH, nullptr); }
};

const auto *const kLoad = testing::AddGlobalTestEnvironment(new LibraryLoad);

} // namespace
