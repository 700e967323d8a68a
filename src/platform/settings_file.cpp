#include "settings_file.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr std::string_view kInternational = "HKEY_CURRENT_USER\\Control Panel\\International";

struct DefaultValue {
    std::string_view key;
    std::string_view name;
    std::string_view text;
};

// What a US-English user's keys hold.
constexpr DefaultValue kDefaults[] = {
    {kInternational, "iCountry", "1"},
    {kInternational, "iCurrDigits", "2"},
    {kInternational, "iCurrency", "0"},
    {kInternational, "iDate", "0"},
    {kInternational, "iDigits", "2"},
    {kInternational, "iLZero", "1"},
    {kInternational, "iMeasure", "1"},
    {kInternational, "iNegCurr", "0"},
    {kInternational, "iNegNumber", "1"},
    {kInternational, "iTime", "0"},
    {kInternational, "iTLZero", "0"},
    {kInternational, "s1159", "AM"},
    {kInternational, "s2359", "PM"},
    {kInternational, "sCountry", "United States"},
    {kInternational, "sCurrency", "$"},
    {kInternational, "sDate", "/"},
    {kInternational, "sDecimal", "."},
    {kInternational, "sLanguage", "ENU"},
    {kInternational, "sList", ","},
    {kInternational, "sLongDate", "dddd, MMMM d, yyyy"},
    {kInternational, "sShortDate", "M/d/yyyy"},
    {kInternational, "sThousand", ","},
    {kInternational, "sTime", ":"},
};

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

std::filesystem::path SettingsPath() {
    if (const char *path = std::getenv("ORVEXRT_SETTINGS"); path && *path) return path;
    if (const char *config = std::getenv("XDG_CONFIG_HOME"); config && *config)
        return std::filesystem::path(config) / "orvexrt" / "settings.ini";
    const char *home = std::getenv("HOME");
    return std::filesystem::path(home && *home ? home : ".") / ".config" / "orvexrt" / "settings.ini";
}

// One line of a section: a value, or the mark that the value is absent.
struct Line {
    std::string name;
    bool absent = false;
    SettingValue value;
};

struct Section {
    std::string key;
    std::vector<Line> lines;
};

// Converts between the file's UTF-8 and the ANSI code page; bytes that are
// not valid UTF-8 are taken as they are.
std::string Recode(const std::string &text, UINT from, UINT to) {
    if (text.empty()) return text;
    const int wideSize = MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (wideSize <= 0) return text;
    std::vector<WCHAR> wide(static_cast<size_t>(wideSize));
    MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), wide.data(), wideSize);
    const int size = WideCharToMultiByte(to, 0, wide.data(), wideSize, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return text;
    std::string result(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(to, 0, wide.data(), wideSize, result.data(), size, nullptr, nullptr);
    return result;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

// "name=value" (value up to a ';' comment, or a quoted text), "-name".
std::optional<Line> ParseLine(std::string_view text) {
    text = Trim(text);
    if (text.empty() || text.front() == ';' || text.front() == '#') return std::nullopt;
    Line line;
    if (text.front() == '-') {
        line.name = Trim(text.substr(1));
        line.absent = true;
        return line;
    }
    const size_t eq = text.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    line.name = Trim(text.substr(0, eq));
    std::string_view value = Trim(text.substr(eq + 1));
    if (!value.empty() && value.front() == '"') {
        const size_t close = value.find('"', 1);
        value = value.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
    } else {
        value = Trim(value.substr(0, value.find(';')));
        line.value.terminated = !value.empty();
    }
    line.value.text = Recode(std::string(value), CP_UTF8, CP_ACP);
    return line;
}

std::vector<Section> LoadFile() {
    std::vector<Section> sections;
    std::ifstream in(SettingsPath());
    std::string text;
    while (std::getline(in, text)) {
        const std::string_view trimmed = Trim(text);
        if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']') {
            sections.push_back({std::string(trimmed.substr(1, trimmed.size() - 2)), {}});
        } else if (!sections.empty()) {
            if (auto line = ParseLine(trimmed)) sections.back().lines.push_back(std::move(*line));
        }
    }
    return sections;
}

std::string FormatLine(const Line &line) {
    if (line.absent) return "-" + line.name;
    if (!line.value.terminated) return line.name + "=";
    return line.name + "=\"" + Recode(line.value.text, CP_ACP, CP_UTF8) + "\"";
}

// Replaces the file in one step (a new file renamed over the old one), so
// that a reader in another process sees either the old or the new settings.
bool SaveFile(const std::vector<Section> &sections) {
    const std::filesystem::path path = SettingsPath();
    std::ostringstream out;
    for (const Section &section : sections) {
        out << '[' << section.key << "]\n";
        for (const Line &line : section.lines) out << FormatLine(line) << '\n';
        out << '\n';
    }
    std::filesystem::path temporary = path;
    temporary += "." + std::to_string(getpid()) + ".new";
    {
        std::ofstream file(temporary, std::ios::trunc);
        file << out.str();
        if (!file) return false;
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    return !error;
}

// Serialises changes to the file between processes: each one reads, edits
// and replaces the whole file.
class FileChangeLock {
public:
    FileChangeLock() {
        const std::filesystem::path path = SettingsPath();
        std::error_code error;
        if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), error);
        fd_ = open((path.string() + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd_ >= 0) flock(fd_, LOCK_EX);
    }
    ~FileChangeLock() {
        if (fd_ >= 0) close(fd_); // closing releases the lock
    }
    FileChangeLock(const FileChangeLock &) = delete;
    FileChangeLock &operator=(const FileChangeLock &) = delete;

private:
    int fd_ = -1;
};

Section *FindSection(std::vector<Section> &sections, std::string_view key) {
    for (Section &s : sections)
        if (SameName(s.key, key)) return &s;
    return nullptr;
}

Line *FindLine(Section &section, std::string_view name) {
    for (Line &l : section.lines)
        if (SameName(l.name, name)) return &l;
    return nullptr;
}

const DefaultValue *FindDefault(std::string_view key, std::string_view name) {
    for (const DefaultValue &d : kDefaults)
        if (SameName(d.key, key) && SameName(d.name, name)) return &d;
    return nullptr;
}

std::mutex gFileLock;

// Applies a change to one line of the file, creating what is missing.
bool ChangeLine(const std::string &key, const std::string &name, const Line &replacement) {
    std::lock_guard hold(gFileLock);
    FileChangeLock fileHold;
    std::vector<Section> sections = LoadFile();
    Section *section = FindSection(sections, key);
    if (!section) {
        sections.push_back({key, {}});
        section = &sections.back();
    }
    if (Line *line = FindLine(*section, name))
        *line = replacement;
    else
        section->lines.push_back(replacement);
    return SaveFile(sections);
}

} // namespace

bool SettingKeyExists(const std::string &keyPath) {
    for (const DefaultValue &d : kDefaults)
        if (SameName(d.key, keyPath)) return true;
    std::lock_guard hold(gFileLock);
    std::vector<Section> sections = LoadFile();
    return FindSection(sections, keyPath) != nullptr;
}

std::optional<SettingValue> ReadSetting(const std::string &keyPath, const std::string &name) {
    {
        std::lock_guard hold(gFileLock);
        std::vector<Section> sections = LoadFile();
        if (Section *section = FindSection(sections, keyPath)) {
            if (const Line *line = FindLine(*section, name)) {
                if (line->absent) return std::nullopt;
                return line->value;
            }
        }
    }
    if (const DefaultValue *d = FindDefault(keyPath, name)) return SettingValue{std::string(d->text), true};
    return std::nullopt;
}

bool WriteSetting(const std::string &keyPath, const std::string &name, const SettingValue &value) {
    return ChangeLine(keyPath, name, Line{name, false, value});
}

bool DeleteSetting(const std::string &keyPath, const std::string &name) {
    if (!ReadSetting(keyPath, name)) return false;
    return ChangeLine(keyPath, name, Line{name, true, {}});
}

} // namespace platform
