// Opening files by OpenFile's flag word: the refused combinations, parse,
// delete, create with its full path, the search along the path, access and
// sharing, and a path beyond the platform's short limit.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "orvexrt/frame.h"

namespace {

namespace fs = std::filesystem;

constexpr uint32_t kWrite = 0x0001, kReadWrite = 0x0002, kShareExclusive = 0x0010, kShareDenyWrite = 0x0020,
                   kShareDenyNone = 0x0040, kParse = 0x0100, kDelete = 0x0200, kCreate = 0x1000, kExist = 0x4000;

class FileOpen : public testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("orvexrt-open-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
        startFolder_ = fs::current_path();
    }
    void TearDown() override {
        fs::current_path(startFolder_);
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    std::string PathOf(const std::string &name) const { return (folder_ / name).string(); }
    void Write(const std::string &name, const std::string &text) const {
        std::ofstream(folder_ / name, std::ios::binary) << text;
    }
    std::string Read(const std::string &name) const {
        std::ifstream in(folder_ / name, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void EnterFolder() const { fs::current_path(folder_); }

    fs::path folder_;
    fs::path startFolder_;
};

bool CanWrite(HANDLE file) {
    DWORD done = 0;
    return WriteFile(file, "w", 1, &done, nullptr) && done == 1;
}

std::string ReadAll(HANDLE file) {
    char buffer[64] = {};
    DWORD done = 0;
    if (!ReadFile(file, buffer, sizeof buffer - 1, &done, nullptr)) return "<unreadable>";
    return std::string(buffer, done);
}

TEST_F(FileOpen, RefusesUnknownAndContradictoryFlags) {
    Write("kept.txt", "kept");
    for (uint32_t flags : {0x0080u, 0x0004u, 0x0400u, 0x0800u, 0x2000u, 0x8000u, kCreate | kDelete, kExist | kCreate,
                           kExist | kDelete, kExist | kCreate | kDelete | kParse}) {
        char resolved[2048] = "untouched";
        EXPECT_EQ(CBOpenFile(PathOf("kept.txt").c_str(), resolved, flags), INVALID_HANDLE_VALUE) << std::hex << flags;
        EXPECT_STREQ(resolved, "untouched") << std::hex << flags;
    }
    EXPECT_EQ(Read("kept.txt"), "kept");
}

TEST_F(FileOpen, ParseDoesNothing) {
    char resolved[2048] = "untouched";
    EXPECT_EQ(CBOpenFile(PathOf("new.txt").c_str(), resolved, kParse), nullptr);
    EXPECT_EQ(CBOpenFile(PathOf("new.txt").c_str(), resolved, kParse | kCreate), nullptr);
    EXPECT_STREQ(resolved, "untouched");
    EXPECT_FALSE(fs::exists(folder_ / "new.txt"));
}

TEST_F(FileOpen, CreateReportsTheFullPathAndTruncates) {
    EnterFolder();
    Write("made.txt", "old contents");
    char resolved[2048] = {};
    HANDLE file = CBOpenFile("made.txt", resolved, kCreate | kReadWrite);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << GetLastError();
    EXPECT_TRUE(fs::path(resolved).is_absolute()) << resolved;
    EXPECT_TRUE(fs::equivalent(resolved, folder_ / "made.txt")) << resolved;
    EXPECT_EQ(ReadAll(file), ""); // truncated
    EXPECT_TRUE(CanWrite(file));
    CloseHandle(file);
    EXPECT_EQ(Read("made.txt"), "w");

    file = CBOpenFile(PathOf("other.txt").c_str(), nullptr, kCreate);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << GetLastError();
    CloseHandle(file);
    EXPECT_TRUE(fs::exists(folder_ / "other.txt"));
}

TEST_F(FileOpen, AccessFollowsTheWriteFlags) {
    Write("data.txt", "contents");
    struct Row {
        uint32_t flags;
        bool writable;
    } rows[] = {{0, false},
                {kWrite, true},
                {kReadWrite, true},
                {kWrite | kReadWrite, true},
                {kShareDenyNone, false},
                {kShareDenyWrite | kReadWrite, true},
                {kShareExclusive | kWrite, true}};
    for (const Row &row : rows) {
        char resolved[2048] = {};
        HANDLE file = CBOpenFile(PathOf("data.txt").c_str(), resolved, row.flags);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << std::hex << row.flags;
        EXPECT_EQ(std::string(resolved), PathOf("data.txt")); // a path with a folder is taken as it is
        EXPECT_EQ(ReadAll(file), "contents") << std::hex << row.flags;
        EXPECT_EQ(CanWrite(file), row.writable) << std::hex << row.flags;
        CloseHandle(file);
        Write("data.txt", "contents");
    }
    EXPECT_EQ(CBOpenFile(PathOf("missing.txt").c_str(), nullptr, 0), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(FileOpen, SharingBetweenTwoOpens) {
    Write("shared.txt", "x");
    struct Row {
        uint32_t first;
        uint32_t second;
        bool secondOpens;
    } rows[] = {
        {kShareExclusive, 0, false},
        {0, kShareExclusive, false},
        {kShareDenyWrite, kShareDenyNone, true},
        {kShareDenyWrite, kReadWrite, false},
        {kShareDenyWrite | kReadWrite, kShareDenyNone, true},
        {kShareDenyWrite | kReadWrite, kShareDenyWrite, false},
        {kShareDenyNone | kReadWrite, kShareDenyNone | kWrite, true},
        {0, kReadWrite, true},
    };
    for (const Row &row : rows) {
        const std::string path = PathOf("shared.txt");
        HANDLE first = CBOpenFile(path.c_str(), nullptr, row.first);
        ASSERT_NE(first, INVALID_HANDLE_VALUE) << std::hex << row.first;
        HANDLE second = CBOpenFile(path.c_str(), nullptr, row.second);
        EXPECT_EQ(second != INVALID_HANDLE_VALUE, row.secondOpens) << std::hex << row.first << " then " << row.second;
        if (second != INVALID_HANDLE_VALUE)
            CloseHandle(second);
        else
            EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
        CloseHandle(first);
    }
}

TEST_F(FileOpen, Delete) {
    Write("doomed.txt", "x");
    EXPECT_EQ(CBOpenFile(PathOf("doomed.txt").c_str(), nullptr, kDelete), nullptr);
    EXPECT_FALSE(fs::exists(folder_ / "doomed.txt"));
    EXPECT_EQ(CBOpenFile(PathOf("doomed.txt").c_str(), nullptr, kDelete), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(FileOpen, ExistSearchesThePath) {
    const std::string name = "orvexrt-probe-" + folder_.filename().string() + ".txt";
    Write(name, "found");
    EnterFolder();
    char resolved[2048] = {};
    EXPECT_EQ(CBOpenFile(name.c_str(), resolved, kExist), nullptr);
    EXPECT_TRUE(fs::equivalent(resolved, folder_ / name)) << resolved;
    resolved[0] = '\0';
    EXPECT_EQ(CBOpenFile(PathOf(name).c_str(), resolved, kExist), nullptr);
    EXPECT_TRUE(fs::equivalent(resolved, folder_ / name)) << resolved;

    // A bare name is searched for when opening, too.
    HANDLE file = CBOpenFile(name.c_str(), nullptr, 0);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ReadAll(file), "found");
    CloseHandle(file);

    EXPECT_EQ(CBOpenFile("orvexrt-no-such-file.txt", resolved, kExist), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    // A search refused for its argument reports the file as not found.
    EXPECT_EQ(CBOpenFile("", resolved, kExist), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

std::vector<WCHAR> LongPathForm(const std::string &path) {
    const std::string prefixed = "\\\\?\\" + path;
    const int size = MultiByteToWideChar(CP_ACP, 0, prefixed.c_str(), -1, nullptr, 0);
    std::vector<WCHAR> wide(static_cast<size_t>(size));
    MultiByteToWideChar(CP_ACP, 0, prefixed.c_str(), -1, wide.data(), size);
    return wide;
}

// The plain open functions stop at 260 characters; CBOpenFile does not.
TEST_F(FileOpen, PathLongerThanTheShortLimit) {
    const fs::path outer = folder_ / std::string(130, 'a');
    const fs::path inner = outer / std::string(130, 'b');
    const std::string path = (inner / "a-file-whose-path-is-long.txt").string();
    ASSERT_GT(path.size(), 300u);
    ASSERT_TRUE(CreateDirectoryW(LongPathForm(outer.string()).data(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(LongPathForm(inner.string()).data(), nullptr));

    HANDLE file = CBOpenFile(path.c_str(), nullptr, kCreate | kReadWrite);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << GetLastError();
    EXPECT_TRUE(CanWrite(file));
    CloseHandle(file);
    file = CBOpenFile(path.c_str(), nullptr, 0);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << GetLastError();
    EXPECT_EQ(ReadAll(file), "w");
    CloseHandle(file);

    EXPECT_TRUE(DeleteFileW(LongPathForm(path).data()));
    EXPECT_TRUE(RemoveDirectoryW(LongPathForm(inner.string()).data()));
    EXPECT_TRUE(RemoveDirectoryW(LongPathForm(outer.string()).data()));
}

} // namespace
