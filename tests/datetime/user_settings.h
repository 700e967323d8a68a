// The user's international settings as a test sets them: through the
// registry functions, which are the real registry under Windows and the
// settings file of our stand-in elsewhere.  Every value a test changes is
// put back when the test ends.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace test {

class UserSettings {
public:
    UserSettings() {
        EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\International", 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &key_, nullptr),
                  ERROR_SUCCESS);
    }
    ~UserSettings() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second)
                Store(it->first, *it->second, true);
            else
                RegDeleteValueA(key_, it->first.c_str());
        }
        if (savedCurrency_) SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SCURRENCY, savedCurrency_->c_str());
        RegCloseKey(key_);
    }
    UserSettings(const UserSettings &) = delete;
    UserSettings &operator=(const UserSettings &) = delete;

    // A text value with its terminator.
    void Set(const std::string &name, const std::string &text) {
        Save(name);
        Store(name, text, true);
    }
    // A value of no bytes at all.
    void SetEmptyData(const std::string &name) {
        Save(name);
        Store(name, "", false);
    }
    // The currency symbol, which Windows keeps as a locale setting of the user.
    void SetCurrency(const std::string &symbol) {
        if (!savedCurrency_) {
            char old[32] = "";
            GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SCURRENCY, old, sizeof old);
            savedCurrency_ = old;
        }
        EXPECT_TRUE(SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SCURRENCY, symbol.c_str()));
    }
    void Remove(const std::string &name) {
        Save(name);
        RegDeleteValueA(key_, name.c_str());
    }

private:
    void Store(const std::string &name, const std::string &text, bool terminated) {
        const DWORD size = terminated ? static_cast<DWORD>(text.size() + 1) : 0;
        EXPECT_EQ(RegSetValueExA(key_, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE *>(text.c_str()), size),
                  ERROR_SUCCESS);
    }
    void Save(const std::string &name) {
        char buffer[1024];
        DWORD size = sizeof buffer - 1;
        std::optional<std::string> old;
        if (RegQueryValueExA(key_, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE *>(buffer), &size) ==
            ERROR_SUCCESS) {
            buffer[size] = '\0';
            old = std::string(buffer);
        }
        saved_.emplace_back(name, old);
    }

    HKEY key_ = nullptr;
    std::optional<std::string> savedCurrency_;
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

} // namespace test
