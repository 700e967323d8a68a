// Version resources: the version information of a module file, and the
// values in it.
//
// A module built with this stand-in carries its version resource as the
// ELF section ".orvexrt.version": the values of version_info.inc as
// name/value texts.  GetFileVersionInfoA reads that section from the file
// and gives the caller the version information in the Win32 form (a tree
// of nodes with UTF-16 keys: the fixed file information at the root, the
// string blocks under StringFileInfo, the translations under VarFileInfo),
// followed by as much room again, where VerQueryValueA puts the ANSI forms
// of the texts it hands out.  A file without the section has no version
// information.
#include <windows.h>

#include <elf.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "unix_paths.h"

namespace {

// --- the section ----------------------------------------------------------

constexpr char kSectionName[] = ".orvexrt.version";
constexpr char kNumbersName[] = "#numbers";

#define ORVEX_VERSION_NUMBERS(major, minor, patch, build) "#numbers\0" #major "," #minor "," #patch "," #build "\0"
#define ORVEX_VERSION_STRING(name, text) name "\0" text "\0"
// Pairs of texts, name then value; the literal's own terminator ends the
// list with an empty name.
[[gnu::used, gnu::section(".orvexrt.version")]] const char kEmbeddedVersion[] =
#include "resources/version_info.inc"
    ;
#undef ORVEX_VERSION_NUMBERS
#undef ORVEX_VERSION_STRING

class File {
public:
    explicit File(const std::string &path) : fd_(open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~File() {
        if (fd_ >= 0) close(fd_);
    }
    File(const File &) = delete;
    File &operator=(const File &) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    bool Read(uint64_t offset, void *into, size_t size) const {
        return pread(fd_, into, size, static_cast<off_t>(offset)) == static_cast<ssize_t>(size);
    }

private:
    int fd_;
};

// The contents of the named section of a 64-bit ELF file.
std::optional<std::string> ReadSection(const File &file, std::string_view wanted) {
    Elf64_Ehdr header{};
    if (!file.Read(0, &header, sizeof header) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
        header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_shentsize != sizeof(Elf64_Shdr) ||
        header.e_shstrndx >= header.e_shnum)
        return std::nullopt;
    std::vector<Elf64_Shdr> sections(header.e_shnum);
    if (!file.Read(header.e_shoff, sections.data(), sections.size() * sizeof(Elf64_Shdr))) return std::nullopt;
    const Elf64_Shdr &names = sections[header.e_shstrndx];
    std::string nameTable(names.sh_size, '\0');
    if (!file.Read(names.sh_offset, nameTable.data(), nameTable.size())) return std::nullopt;
    for (const Elf64_Shdr &section : sections) {
        if (section.sh_name >= nameTable.size() || nameTable.c_str() + section.sh_name != wanted) continue;
        if (section.sh_type == SHT_NOBITS || section.sh_size > (1u << 20)) return std::nullopt;
        std::string contents(section.sh_size, '\0');
        if (!file.Read(section.sh_offset, contents.data(), contents.size())) return std::nullopt;
        return contents;
    }
    return std::nullopt;
}

struct VersionValues {
    WORD numbers[4] = {};
    std::vector<std::pair<std::string, std::string>> strings;
};

VersionValues ParseSection(const std::string &section) {
    VersionValues values;
    const char *at = section.c_str();
    const char *end = at + section.size();
    while (at < end && *at) {
        const std::string name = at;
        at += name.size() + 1;
        if (at >= end) break;
        const std::string text = at;
        at += text.size() + 1;
        if (name == kNumbersName)
            std::sscanf(text.c_str(), "%hu,%hu,%hu,%hu", &values.numbers[0], &values.numbers[1], &values.numbers[2],
                        &values.numbers[3]);
        else
            values.strings.emplace_back(name, text);
    }
    return values;
}

// --- the Win32 form -------------------------------------------------------

// Writes the tree of version nodes.  A node: its length, its value's length
// (in characters for a text, else in bytes), whether the value is a text,
// the UTF-16 key, padding to four bytes, the value, padding, the children.
class NodeWriter {
public:
    size_t Begin(std::string_view key, bool isText, const void *value, size_t valueBytes, WORD valueLength) {
        Align();
        const size_t start = bytes_.size();
        PutWord(0);
        PutWord(valueLength);
        PutWord(isText ? 1 : 0);
        for (char c : key) PutWord(static_cast<BYTE>(c));
        PutWord(0);
        Align();
        const auto *data = static_cast<const BYTE *>(value);
        bytes_.insert(bytes_.end(), data, data + valueBytes);
        return start;
    }
    void End(size_t start) {
        const auto length = static_cast<WORD>(bytes_.size() - start);
        std::memcpy(bytes_.data() + start, &length, sizeof length);
    }
    void Leaf(std::string_view key, bool isText, const void *value, size_t valueBytes, WORD valueLength) {
        End(Begin(key, isText, value, valueBytes, valueLength));
    }
    std::vector<BYTE> Take() { return std::move(bytes_); }

private:
    void PutWord(WORD w) {
        bytes_.push_back(static_cast<BYTE>(w & 0xFF));
        bytes_.push_back(static_cast<BYTE>(w >> 8));
    }
    void Align() {
        while (bytes_.size() % 4) bytes_.push_back(0);
    }
    std::vector<BYTE> bytes_;
};

constexpr const char *kStringBlocks[] = {"040904b0", "040904E4"};
constexpr WORD kTranslations[] = {0x0409, 1200, 0x0409, 1252};

VS_FIXEDFILEINFO FixedInfoOf(const VersionValues &values) {
    VS_FIXEDFILEINFO fixed{};
    fixed.dwSignature = VS_FFI_SIGNATURE;
    fixed.dwStrucVersion = VS_FFI_STRUCVERSION;
    fixed.dwFileVersionMS = static_cast<DWORD>(values.numbers[0]) << 16 | values.numbers[1];
    fixed.dwFileVersionLS = static_cast<DWORD>(values.numbers[2]) << 16 | values.numbers[3];
    fixed.dwProductVersionMS = fixed.dwFileVersionMS;
    fixed.dwProductVersionLS = fixed.dwFileVersionLS;
    fixed.dwFileFlagsMask = VS_FFI_FILEFLAGSMASK;
    fixed.dwFileOS = VOS_NT_WINDOWS32;
    fixed.dwFileType = VFT_DLL;
    return fixed;
}

std::vector<BYTE> BuildVersionInfo(const VersionValues &values) {
    NodeWriter writer;
    const VS_FIXEDFILEINFO fixed = FixedInfoOf(values);
    const size_t root = writer.Begin("VS_VERSION_INFO", false, &fixed, sizeof fixed, sizeof fixed);
    const size_t stringInfo = writer.Begin("StringFileInfo", true, nullptr, 0, 0);
    for (const char *block : kStringBlocks) {
        const size_t table = writer.Begin(block, true, nullptr, 0, 0);
        for (const auto &[name, text] : values.strings) {
            std::vector<WORD> wide(text.begin(), text.end()); // ASCII
            wide.push_back(0);
            writer.Leaf(name, true, wide.data(), wide.size() * sizeof(WORD), static_cast<WORD>(wide.size()));
        }
        writer.End(table);
    }
    writer.End(stringInfo);
    const size_t varInfo = writer.Begin("VarFileInfo", true, nullptr, 0, 0);
    writer.Leaf("Translation", false, kTranslations, sizeof kTranslations, sizeof kTranslations);
    writer.End(varInfo);
    writer.End(root);
    return writer.Take();
}

// The version information of a file, or the Win32 error of why there is none.
std::optional<std::vector<BYTE>> VersionInfoOf(LPCSTR fileName, DWORD &error) {
    const File file(platform::UnixPathOf(fileName));
    if (!file.IsOpen()) {
        error = ERROR_FILE_NOT_FOUND;
        return std::nullopt;
    }
    const std::optional<std::string> section = ReadSection(file, kSectionName);
    if (!section) {
        error = ERROR_RESOURCE_TYPE_NOT_FOUND;
        return std::nullopt;
    }
    return BuildVersionInfo(ParseSection(*section));
}

// --- reading nodes ------------------------------------------------------

struct Node {
    WORD wLength;
    WORD wValueLength;
    WORD wType;
    WCHAR szKey[1];
};

size_t AlignUp(size_t n) { return (n + 3) & ~size_t{3}; }

size_t KeyLength(const Node *node) {
    size_t n = 0;
    while (node->szKey[n]) ++n;
    return n;
}

const BYTE *ValueOf(const Node *node) {
    const size_t offset = offsetof(Node, szKey) + (KeyLength(node) + 1) * sizeof(WCHAR);
    return reinterpret_cast<const BYTE *>(node) + AlignUp(offset);
}

size_t ValueBytes(const Node *node) { return node->wValueLength * (node->wType ? sizeof(WCHAR) : 1); }

bool KeyEquals(const Node *node, std::string_view key) {
    if (KeyLength(node) != key.size()) return false;
    for (size_t i = 0; i < key.size(); ++i) {
        const WCHAR a = node->szKey[i];
        const auto b = static_cast<BYTE>(key[i]);
        const auto lower = [](unsigned c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
        if (lower(a) != lower(b)) return false;
    }
    return true;
}

const Node *FindChild(const Node *parent, std::string_view key) {
    const BYTE *end = reinterpret_cast<const BYTE *>(parent) + parent->wLength;
    const BYTE *child = ValueOf(parent) + AlignUp(ValueBytes(parent));
    while (child + offsetof(Node, szKey) < end) {
        const auto *node = reinterpret_cast<const Node *>(child);
        if (node->wLength == 0) break;
        if (KeyEquals(node, key)) return node;
        child += AlignUp(node->wLength);
    }
    return nullptr;
}

} // namespace

extern "C" {

DWORD WINAPI GetFileVersionInfoSizeA(LPCSTR fileName, LPDWORD handle) {
    if (handle) *handle = 0;
    DWORD error = ERROR_SUCCESS;
    const auto info = VersionInfoOf(fileName, error);
    if (!info) {
        SetLastError(error);
        return 0;
    }
    // Room for the information, its signature and the ANSI texts.
    return static_cast<DWORD>(info->size() * 2 + 4);
}

BOOL WINAPI GetFileVersionInfoA(LPCSTR fileName, DWORD, DWORD size, LPVOID data) {
    DWORD error = ERROR_SUCCESS;
    const auto info = VersionInfoOf(fileName, error);
    if (!info || !data) {
        SetLastError(info ? ERROR_INVALID_PARAMETER : error);
        return FALSE;
    }
    std::memcpy(data, info->data(), std::min<size_t>(size, info->size()));
    if (size >= info->size() + 4) std::memcpy(static_cast<BYTE *>(data) + info->size(), "FE2X", 4);
    return TRUE;
}

BOOL WINAPI VerQueryValueA(LPCVOID block, LPCSTR subBlock, LPVOID *value, PUINT length) {
    if (!block || !value) return FALSE;
    const auto *node = static_cast<const Node *>(block);
    const std::string_view path = subBlock ? subBlock : "";
    for (size_t at = 0; at < path.size();) {
        const size_t slash = std::min(path.find('\\', at), path.size());
        if (slash > at) {
            node = FindChild(node, path.substr(at, slash - at));
            if (!node) {
                if (length) *length = 0;
                SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
                return FALSE;
            }
        }
        at = slash + 1;
    }
    const BYTE *data = ValueOf(node);
    if (!node->wType || node->wValueLength == 0) {
        *value = const_cast<BYTE *>(data);
        if (length) *length = node->wValueLength;
        return TRUE;
    }
    // A text is handed out in the ANSI code page, in the room after the
    // information at the offset where its UTF-16 form lies.
    const auto *root = static_cast<const Node *>(block);
    const size_t offset = static_cast<size_t>(data - static_cast<const BYTE *>(block));
    char *ansi = const_cast<char *>(static_cast<const char *>(block)) + root->wLength + 4 + offset;
    const int written = WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<LPCWSTR>(data), node->wValueLength, ansi,
                                            static_cast<int>(root->wLength - offset), nullptr, nullptr);
    *value = ansi;
    if (length) *length = static_cast<UINT>(written);
    return TRUE;
}

} // extern "C"
