// The version resource that the library's module carries (this program
// carries the library's objects and resources): its fixed information, its
// two string blocks with the values of version_info.inc, its translations;
// and which block the version strings come from.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "frame/version_strings.h"
#include "orvexrt/frame.h"

namespace {

struct VersionString {
    const char *name;
    const char *text;
};

#define ORVEX_VERSION_NUMBERS(major, minor, patch, build)
#define ORVEX_VERSION_STRING(name, text) {name, text},
constexpr VersionString kStrings[] = {
#include "resources/version_info.inc"
};
#undef ORVEX_VERSION_NUMBERS
#undef ORVEX_VERSION_STRING

#define ORVEX_VERSION_NUMBERS(major, minor, patch, build)                                                              \
    { major, minor, patch, build }
#define ORVEX_VERSION_STRING(name, text)
constexpr WORD kNumbers[4] =
#include "resources/version_info.inc"
    ;
#undef ORVEX_VERSION_NUMBERS
#undef ORVEX_VERSION_STRING

std::string Expected(std::string_view name) {
    for (const VersionString &s : kStrings)
        if (name == s.name) return s.text;
    return "<absent>";
}

std::vector<char> ProgramVersionInfo() {
    char file[MAX_PATH * 2] = {};
    EXPECT_GT(GetModuleFileNameA(GetModuleHandleA(nullptr), file, sizeof file), 0u);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(file, &ignored);
    EXPECT_GT(size, 0u);
    std::vector<char> info(size);
    EXPECT_TRUE(GetFileVersionInfoA(file, 0, size, info.data()));
    return info;
}

TEST(VersionResource, CarriesTheValuesOfBothBlocks) {
    std::vector<char> info = ProgramVersionInfo();
    void *value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", &value, &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    const auto *fixed = static_cast<const VS_FIXEDFILEINFO *>(value);
    EXPECT_EQ(fixed->dwSignature, static_cast<DWORD>(VS_FFI_SIGNATURE));
    EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(kNumbers[0] << 16 | kNumbers[1]));
    EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(kNumbers[2] << 16 | kNumbers[3]));
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);

    for (const char *block : {"040904b0", "040904E4", "040904e4"}) {
        for (const VersionString &s : kStrings) {
            const std::string path = std::string("\\StringFileInfo\\") + block + "\\" + s.name;
            ASSERT_TRUE(VerQueryValueA(info.data(), path.c_str(), &value, &length)) << path;
            EXPECT_STREQ(static_cast<const char *>(value), s.text) << path;
        }
    }
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", &value, &length));
    ASSERT_EQ(length, 8u);
    const auto *translations = static_cast<const WORD *>(value);
    EXPECT_EQ(std::vector<WORD>(translations, translations + 4), (std::vector<WORD>{0x0409, 1200, 0x0409, 1252}));
    EXPECT_FALSE(VerQueryValueA(info.data(), "\\StringFileInfo\\040704b0\\FileVersion", &value, &length));
}

TEST(VersionResource, VersionStringsOfThisModule) {
    char text[256] = {};
    EXPECT_EQ(VERGetVersionString(GetModuleHandleA(nullptr), text), 1);
    EXPECT_EQ(text, Expected("ProductVersion"));
    EXPECT_EQ(VERGetBuildString(GetModuleHandleA(nullptr), text), 1);
    EXPECT_EQ(text, Expected("FileVersion"));
}

// Version information written as the resource compiler writes it: nodes of
// length, value length, type, UTF-16 key, value, children, each aligned to
// four bytes; followed by as much room again for the ANSI texts that
// VerQueryValueA hands out.
class VersionInfoWriter {
public:
    size_t Open(std::string_view key, bool text, const std::u16string &value = {}) {
        while (bytes_.size() % 4) bytes_.push_back(0);
        const size_t start = bytes_.size();
        Word(0);
        Word(static_cast<WORD>(value.empty() ? 0 : value.size() + 1));
        Word(text ? 1 : 0);
        for (char c : key) Word(static_cast<WORD>(c));
        Word(0);
        while (bytes_.size() % 4) bytes_.push_back(0);
        if (!value.empty()) {
            for (char16_t c : value) Word(c);
            Word(0);
        }
        return start;
    }
    void Close(size_t start) {
        const auto length = static_cast<WORD>(bytes_.size() - start);
        std::memcpy(&bytes_[start], &length, 2);
    }
    std::vector<char> Finish() {
        std::vector<char> info = bytes_;
        info.resize(bytes_.size() * 2 + 4, 0);
        return info;
    }

private:
    void Word(WORD w) {
        bytes_.push_back(static_cast<char>(w & 0xFF));
        bytes_.push_back(static_cast<char>(w >> 8));
    }
    std::vector<char> bytes_;
};

// Version information with the given string blocks, each holding the given
// ProductVersion.
std::vector<char> InfoWithBlocks(std::initializer_list<std::pair<const char *, std::u16string>> blocks) {
    VersionInfoWriter writer;
    const size_t root = writer.Open("VS_VERSION_INFO", false);
    const size_t strings = writer.Open("StringFileInfo", true);
    for (const auto &[name, product] : blocks) {
        const size_t block = writer.Open(name, true);
        writer.Close(writer.Open("CompanyName", true, u"Nobody"));
        writer.Close(writer.Open("ProductVersion", true, product));
        writer.Close(block);
    }
    writer.Close(strings);
    writer.Close(root);
    return writer.Finish();
}

TEST(VersionResource, UnicodeBlockFirstThenWindows1252) {
    struct Row {
        std::vector<char> info;
        const char *expected; // null: not found
    } rows[] = {
        {InfoWithBlocks({{"040904E4", u"2.0"}}), "2.0"},
        {InfoWithBlocks({{"040904b0", u"1.0"}}), "1.0"},
        {InfoWithBlocks({{"040904E4", u"2.0"}, {"040904b0", u"1.0"}}), "1.0"},
        {InfoWithBlocks({{"040704b0", u"3.0"}, {"041104E4", u"4.0"}}), nullptr},
    };
    for (Row &row : rows) {
        char text[64] = "untouched";
        EXPECT_EQ(VERCopyStringValue(row.info.data(), "ProductVersion", text), row.expected != nullptr);
        EXPECT_STREQ(text, row.expected ? row.expected : "untouched");
    }
}

} // namespace
