// Helpers of the number-picture tests: requests with their own settings or
// the profile's, output buffers of exactly the documented size (so that the
// address sanitizer sees any write beyond them), values as text.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "datetime/user_settings.h"
#include "orvexrt.h"

namespace numpic {

// Settings that a request carries itself (bUseIntl 0).
struct Settings {
    char thousand, decimal;
    const char *currency;
    int32_t position, negFormat, digits, leadingZero;
};
inline constexpr Settings kEnglish{',', '.', "$", 0, 0, 2, 1};
inline constexpr Settings kGerman{'.', ',', "EUR", 3, 8, 2, 1};
inline constexpr Settings kSwiss{'\'', '.', "Fr.", 2, 9, 2, 1};

// Code page 932: the yen sign, and characters whose trail bytes are "\",
// "_" and "E".
inline const std::string kYen = "\x81\x8F";
inline const std::string kSo = "\x83\x5C";
inline const std::string kDa = "\x83\x5F";
inline const std::string kU = "\x83\x45";

inline NUMBER Num(const char *text) {
    NUMBER n{};
    EXPECT_GT(NumAsciiToNumber(&n, text), 0) << text;
    return n;
}

inline std::string Plain(const NUMBER &n) {
    char text[110] = "";
    NumToAscii(&n, text, 108);
    return text;
}

// "0F 23 10" for the bytes of a text.
inline std::string Hex(const std::string &text) {
    std::string hex;
    for (unsigned char c : text) {
        char byte[4];
        std::snprintf(byte, sizeof byte, hex.empty() ? "%02X" : " %02X", c);
        hex += byte;
    }
    return hex;
}

// A prepared block: with settings, bUseIntl 0 and the settings' fields;
// without, bUseIntl 1 (the active profile).
class Request {
public:
    explicit Request(const Settings *settings = nullptr) {
        std::memset(&block_, 0, sizeof block_);
        FMTInitCntlBlock(&block_);
        if (!settings) {
            block_.bUseIntl = 1;
            return;
        }
        block_.cThousand = settings->thousand;
        block_.cDecimal = settings->decimal;
        currency_ = Copy(settings->currency);
        block_.lpszCurrency = currency_.data();
        block_.nCurrPos = settings->position;
        block_.nNegCurr = settings->negFormat;
        block_.nDigits = settings->digits;
        block_.bLzero = settings->leadingZero;
    }
    Request(const Request &) = delete;
    Request &operator=(const Request &) = delete;

    FMTCNTLBLOCK &Block() { return block_; }
    Request &Picture(const std::string &picture) {
        picture_ = Copy(picture);
        block_.lpszPicture = picture_.data();
        return *this;
    }
    Request &Input(const std::string &input) {
        input_ = Copy(input);
        block_.lpszInput = input_.data();
        return *this;
    }
    Request &Value(const char *text) {
        block_.numValue = Num(text);
        return *this;
    }
    // An output of exactly `size` bytes, filled with a sentinel.
    Request &Output(size_t size) {
        output_.assign(size, 'X');
        block_.lpszOutput = output_.data();
        return *this;
    }
    std::string Text() const {
        return output_.empty() ? "" : std::string(output_.data(), strnlen(output_.data(), output_.size()));
    }

private:
    static std::vector<char> Copy(const std::string &text) {
        std::vector<char> copy(text.begin(), text.end());
        copy.push_back('\0');
        return copy;
    }

    FMTCNTLBLOCK block_;
    std::vector<char> picture_, input_, output_, currency_;
};

struct Outcome {
    uint32_t result;
    std::string text;
    bool operator==(const Outcome &) const = default;
};
inline void PrintTo(const Outcome &o, std::ostream *os) { *os << o.result << " \"" << o.text << '"'; }

// FMTFormatNumber into an output of the documented size.
inline Outcome Format(Request &request, uint32_t useUserSettings = 1) {
    const char *currency = request.Block().lpszCurrency;
    const size_t symbol = request.Block().bUseIntl ? 5 : std::strlen(currency ? currency : "");
    request.Output(FMT_MAX_NUMBER_TEXT + 1 + symbol + 3);
    const uint32_t result = FMTFormatNumber(&request.Block(), useUserSettings);
    return {result, request.Text()};
}

// FMTUnformatNumberStr: the value's text, or "refused".
inline std::string Unformat(Request &request) {
    request.Output(109);
    if (!FMTUnformatNumberStr(&request.Block())) {
        EXPECT_EQ(request.Text(), "") << "a refusal leaves an empty output";
        return "refused";
    }
    return Plain(request.Block().numValue);
}

// Makes the built-in profile active: the user's settings are read first, so
// that a pending first read does not replace it at the next access.
inline void UseBuiltInProfile() {
    FMTSetProfileIntl();
    FMTSetProfileDefault();
}

// The user's settings of a German user for the life of the object; the
// library re-reads the settings when they change and when they are put back.
class GermanUser {
public:
    GermanUser() {
        test::UserSettings &settings = settings_.emplace();
        settings.Set("sThousand", ".");
        settings.Set("sDecimal", ",");
        settings.Set("iCurrency", "3");
        settings.Set("iNegCurr", "8");
        settings.Set("iDigits", "2");
        settings.Set("iCurrDigits", "2");
        settings.Set("iLzero", "1");
        settings.SetCurrency("EUR");
        FMTWinIniChanged();
    }
    ~GermanUser() {
        settings_.reset();
        FMTWinIniChanged();
    }
    GermanUser(const GermanUser &) = delete;
    GermanUser &operator=(const GermanUser &) = delete;

private:
    std::optional<test::UserSettings> settings_;
};

// The fixture of the number-picture tests: the user's settings are the
// active profile again after each test, so that a test that switched the
// process to the built-in profile leaves no trace in the next one.
class ProfileTest : public testing::Test {
protected:
    void TearDown() override { FMTSetProfileIntl(); }
};

// Runs f on a new thread, whose currency texts are built afresh from the
// profile, and releases that thread's items before it ends.
template <typename F> void OnFreshThread(F f) {
    std::thread([&f] {
        f();
        TLS_FreeAll();
    }).join();
}

} // namespace numpic
