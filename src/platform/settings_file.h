// The registry of this platform: a human-editable settings file.
//
// The file (UTF-8 text) is named by ORVEXRT_SETTINGS, else it is
// $XDG_CONFIG_HOME/orvexrt/settings.ini, else ~/.config/orvexrt/settings.ini.
// Each section is a key by its full path, each line a string value:
//
//   [HKEY_CURRENT_USER\Control Panel\International]
//   sDecimal=,
//   sLongDate="dddd, d. MMMM yyyy"    ; quotes keep blanks, and "" is empty
//   s1159=                            ; a value of no bytes at all
//   -iCurrency                        ; the value is absent from the key
//
// A value that the file does not mention has the value that a US-English
// user's key has.  Texts are converted between UTF-8 and the ANSI code page.
#pragma once

#include <optional>
#include <string>

namespace platform {

// A value as the key holds it: its bytes in the ANSI code page, and whether
// they end with a terminator (a value written with no bytes has none).
struct SettingValue {
    std::string text;
    bool terminated = true;
};

bool SettingKeyExists(const std::string &keyPath);
std::optional<SettingValue> ReadSetting(const std::string &keyPath, const std::string &name);
bool WriteSetting(const std::string &keyPath, const std::string &name, const SettingValue &value);
bool DeleteSetting(const std::string &keyPath, const std::string &name);

} // namespace platform
