// Version strings of the library's module and of a module without a version
// resource, and the Wine check.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "orvexrt/frame.h"

namespace {

// The library's module, by the name it has on either system.
HMODULE LibraryModule() {
    for (const char *name : {"orvexrt.dll", "liborvexrt.so"})
        if (HMODULE module = GetModuleHandleA(name)) return module;
    return nullptr;
}

TEST(VersionStrings, OfTheLibrary) {
    HMODULE library = LibraryModule();
    ASSERT_NE(library, nullptr);
    char product[256] = {}, build[256] = {};
    EXPECT_EQ(VERGetVersionString(library, product), 1);
    EXPECT_EQ(VERGetBuildString(library, build), 1);
    EXPECT_NE(std::string(product), "");
    // The file version extends the product version by the build number.
    EXPECT_EQ(std::string(build).rfind(std::string(product) + ".", 0), 0u) << product << " / " << build;
}

TEST(VersionStrings, ModulesWithoutAVersionResource) {
    char text[256] = "untouched";
    EXPECT_EQ(VERGetVersionString(GetModuleHandleA(nullptr), text), 0); // this test program
    EXPECT_EQ(VERGetBuildString(GetModuleHandleA(nullptr), text), 0);
    EXPECT_EQ(VERGetVersionString(reinterpret_cast<HMODULE>(static_cast<uintptr_t>(0x10000)), text), 0);
    EXPECT_STREQ(text, "untouched");
    EXPECT_EQ(VERGetVersionString(LibraryModule(), nullptr), 0);
}

TEST(WineCheck, AgreesWithTheSystem) {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    const bool wine = ntdll && GetProcAddress(ntdll, "wine_get_version");
    EXPECT_EQ(RNW(), wine ? 0 : 1);
    EXPECT_EQ(RNW(), wine ? 0 : 1); // the remembered answer
}

} // namespace
