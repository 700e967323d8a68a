// The active profile, its accessors, the per-thread separator buffer and the
// day and month names.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "datetime/intl_profile.h"
#include "orvexrt/frame.h"
#include "datetime/name_tables.h"
#include "datetime/user_settings.h"

namespace {

using test::UserSettings;

TEST(ProfileAccessors, StringsAndValuesOfTheActiveProfile) {
    UserSettings settings;
    settings.Set("sShortDate", "dd.MM.yy");
    settings.Set("sThousand", ".");
    settings.Set("sDecimal", ",");
    settings.Set("iCurrency", "3");
    settings.Set("iCountry", "49");
    FMTWinIniChanged();
    EXPECT_STREQ(FMTGetIntlString(0), "dd.MM.yy");
    EXPECT_EQ(FMTGetIntlValue(10), 3);
    EXPECT_EQ(FMTGetIntlValue(11), 49);
    for (int32_t index : {8, 9, -1, 12}) EXPECT_EQ(FMTGetIntlValue(index), -1) << index;
    for (int32_t index : {-1, 8}) EXPECT_EQ(FMTGetIntlString(index), nullptr) << index;

    // 6 and 7 share one buffer of the calling thread.
    const char *thousand = FMTGetIntlString(6);
    EXPECT_STREQ(thousand, ".");
    const char *decimal = FMTGetIntlString(7);
    EXPECT_EQ(thousand, decimal);
    EXPECT_STREQ(thousand, ",");
    std::thread([&] {
        EXPECT_NE(FMTGetIntlString(6), decimal);
        TLS_FreeAll(); // the thread detach that a test program's threads do not get
    }).join();

    // The defaults stay active until the settings are marked changed.
    FMTSetProfileDefault();
    EXPECT_STREQ(FMTGetIntlString(0), "M/d/yy");
    EXPECT_EQ(FMTGetIntlValue(10), 2);
    FMTSetProfileIntl();
    EXPECT_STREQ(FMTGetIntlString(0), "dd.MM.yy");
    FMTSetProfileDefault();
    FMTWinIniChanged();
    EXPECT_STREQ(FMTGetIntlString(0), "dd.MM.yy");
    settings.Set("iCurrency", "0");
    EXPECT_EQ(FMTGetIntlValue(10), 3) << "read only when marked stale";
    FMTWinIniChanged();
    EXPECT_EQ(FMTGetIntlValue(10), 0);
}

// Each thread reads its own copy of the profile: a switch made by another
// thread must reach it, also after the thread's record was released.
TEST(ProfileAccessors, AThreadSeesSwitchesMadeByAnother) {
    UserSettings settings;
    settings.Set("sShortDate", "yyyy-MM-dd");
    FMTWinIniChanged();
    FMTSetProfileIntl();
    std::atomic<int> step{0};
    auto waitFor = [&](int s) {
        while (step.load() != s) std::this_thread::yield();
    };
    std::thread worker([&] {
        EXPECT_STREQ(FMTGetIntlString(0), "yyyy-MM-dd");
        step = 1;
        waitFor(2);
        EXPECT_STREQ(FMTGetIntlString(0), "M/d/yy");
        TLS_FreeAll();
        EXPECT_STREQ(FMTGetIntlString(0), "M/d/yy") << "a new record after the release";
        step = 3;
        waitFor(4);
        EXPECT_STREQ(FMTGetIntlString(0), "yyyy-MM-dd");
        TLS_FreeAll();
    });
    waitFor(1);
    FMTSetProfileDefault();
    step = 2;
    waitFor(3);
    FMTSetProfileIntl();
    step = 4;
    worker.join();
}

TEST(ProfileAccessors, ReadersAndSwitchersOnManyThreads) {
    std::atomic<bool> stop{false};
    std::vector<std::thread> readers;
    for (int t = 0; t < 3; ++t) {
        readers.emplace_back([&] {
            while (!stop) {
                const int32_t digits = FMTGetIntlValue(3);
                EXPECT_GE(digits, 0);
                const char *separator = FMTGetIntlString(7);
                ASSERT_NE(separator, nullptr);
                EXPECT_EQ(separator[1], '\0');
            }
            TLS_FreeAll();
        });
    }
    for (int i = 0; i < 200; ++i) {
        FMTWinIniChanged();
        FMTSetProfileDefault();
        FMTSetProfileIntl();
    }
    stop = true;
    for (auto &r : readers) r.join();
}

TEST(NameTables, NamesByNumber) {
    EXPECT_STREQ(FMTShortDayName(1), "Sat");
    EXPECT_STREQ(FMTLongDayName(7), "Friday");
    EXPECT_STREQ(FMTShortMonthName(1), "Jan");
    EXPECT_STREQ(FMTLongMonthName(12), "December");
    for (int32_t n : {0, 13, -1}) EXPECT_STREQ(FMTLongMonthName(n), "") << n;
    for (int32_t n : {0, 8}) EXPECT_STREQ(FMTLongDayName(n), "") << n;
}

TEST(NameTables, NumbersByName) {
    const struct {
        const char *name;
        int32_t month, day;
    } rows[] = {
        {"january", 1, 0}, {"JAN", 1, 0},    {"Janu", 0, 0}, {"dec", 12, 0}, {"May", 5, 0}, {"sat", 0, 1},
        {"Friday", 0, 7},  {"SUNDAY", 0, 2}, {"", 0, 0},     {"Mo", 0, 0},   {"wed", 0, 5},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(FMTMonthByName(row.name), row.month) << row.name;
        EXPECT_EQ(FMTDayByName(row.name), row.day) << row.name;
    }
    EXPECT_EQ(FMTMonthByName(nullptr), 0);
    EXPECT_EQ(FMTLoadNames(), 1);
}

} // namespace
