// Dates and times written through pictures.
#include <gtest/gtest.h>

#include <string>

#include "datetime/date_block.h"
#include "datetime/user_settings.h"

namespace {

using test::DateRequest;

std::string Format(int32_t type, const std::string &picture, const DATDEF &value, uint32_t flags = 0,
                   bool leadingZero = false) {
    DateRequest r(type);
    r.shortPic = picture;
    r.block.nPicSelect = 1;
    r.block.dtValue = value;
    r.block.dwFlags |= flags;
    r.block.bTLzero = leadingZero ? 1 : 0;
    if (!FMTFormatDateTime(r.Ready(), 0)) return "<failed>";
    return r.output;
}

TEST(DateFormat, PictureElements) {
    const DATDEF friday{12, 4, 2026, 9, 5, 7, 42};
    const DATDEF evening{12, 4, 2026, 21, 30, 0, 0};
    const DATDEF midnight{1, 1, 2026, 0, 30, 0, 0};
    const DATDEF yearFive{3, 9, 5, 12, 0, 0, 0};
    const struct {
        int32_t type;
        const char *picture;
        DATDEF value;
        uint32_t flags;
        bool zero;
        const char *text;
    } rows[] = {
        {1, "M/d/yy", friday, 0, false, "12/4/26"},
        {1, "dddd, MMMM dd, yyyy", friday, 0, false, "Friday, December 04, 2026"},
        {1, "ddd MMM d yyyy", friday, 0, false, "Fri Dec 4 2026"},
        {1, "yyyy-MM-dd'T'", friday, 0, false, "2026-12-04T"},
        {1, "dd.MM.yy", yearFive, 0, false, "09.03.05"},
        {1, "yyyy", yearFive, 0, false, "0005"},
        {2, "hh:mm:ss AMPM", friday, 0, false, "9:05:07 AM"},
        {2, "hh:mm:ss AMPM", friday, 0, true, "09:05:07 AM"},
        {2, "hh:mm:ss AMPM", friday, FMT_FLAG_NO_HOUR_ZERO, true, "9:05:07 AM"},
        {2, "h:mm AMPM", friday, 0, true, "9:05 AM"},
        {2, "h:mm AMPM", midnight, 0, false, "12:30 AM"},
        {2, "hh:mm AMPM", evening, 0, false, "9:30 PM"},
        {2, "hhhh:mm", evening, 0, false, "21:30"},
        {2, "hhh:mm", midnight, 0, true, "0:30"},
        {2, "hhhh.mm.ss.mmmmmm", evening, FMT_FLAG_DROP_ZERO_MICROSECONDS, false, "21.30.00"},
        {2, "hhhh.mm.ss.mmmmmm", evening, 0, false, "21.30.00.000000"},
        {2, "hhhh.mm.ss.mmmmmm", friday, FMT_FLAG_DROP_ZERO_MICROSECONDS, false, "9.05.07.000042"},
        {1, "d  M", friday, 0, false, "4  12"},
        // Longer than the pictures a thread keeps scanned.
        {1, "dddd, MMMM dd, yyyy' is the first Friday of the last month of the year'", friday, 0, false,
         "Friday, December 04, 2026 is the first Friday of the last month of the year"},
        {1, "dddddd", friday, 0, false, "<failed>"},
        {1, "HH", friday, 0, false, "<failed>"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(Format(row.type, row.picture, row.value, row.flags, row.zero), row.text) << row.picture;
}

TEST(DateFormat, ProfilePicturesAndKeywords) {
    test::UserSettings settings;
    FMTSetProfileIntl(); // a refresh that is due happens now, not under the defaults
    FMTSetProfileDefault();
    DateRequest r(FMT_TYPE_DATE);
    r.block.bUseIntl = 1;
    r.block.dwFlags |= FMT_FLAG_DEFAULT_PICTURES;
    r.SetValue(2026, 12, 4, 22, 15, 30);
    ASSERT_EQ(FMTFormatDateTime(r.Ready(), 0), 1);
    EXPECT_STREQ(r.output, "12/4/26");
    r.block.dwFlags |= FMT_FLAG_LONG_DATE;
    ASSERT_EQ(FMTFormatDateTime(r.Ready(), 0), 1);
    EXPECT_STREQ(r.output, "Friday, December 04, 2026");
    r.block.nType = FMT_TYPE_DATETIME;
    r.block.dwFlags &= ~uint32_t{FMT_FLAG_LONG_DATE | FMT_FLAG_MICROSECONDS};
    ASSERT_EQ(FMTFormatDateTime(r.Ready(), 0), 1);
    EXPECT_STREQ(r.output, "12/4/26 22:15:30");
    r.block.dwFlags &= ~uint32_t{FMT_FLAG_DEFAULT_PICTURES};
    EXPECT_EQ(FMTFormatDateTime(r.Ready(), 0), 0) << "the profile needs the default pictures";
    FMTSetProfileIntl();

    // Keywords of a block's own pictures.
    DateRequest k(FMT_TYPE_DATE);
    k.SetValue(1989, 1, 7);
    k.block.nPicSelect = 1;
    FMTSetProfileIntl();
    FMTSetProfileDefault();
    for (const auto &[keyword, text] :
         {std::pair{"S", "1/7/89"}, {"L", "Saturday, January 07, 1989"}, {"", "1/7/89"}}) {
        k.shortPic = keyword;
        ASSERT_EQ(FMTFormatDateTime(k.Ready(), 0), 1) << keyword;
        EXPECT_STREQ(k.output, text) << keyword;
    }
    FMTSetProfileIntl();
    k.block.nType = 5;
    EXPECT_EQ(FMTFormatDateTime(k.Ready(), 0), 0);
}

TEST(DateFormat, MaximumLengths) {
    const struct {
        int32_t type;
        const char *picture;
        int32_t minimum, length;
    } rows[] = {
        {1, "MMM d, yyyy", 0, 12},  {1, "dddd", 0, 9},           {1, "MMMM", 0, 9},
        {1, "MMM d, yyyy", 20, 20}, {2, "hh:mm:ss AMPM", 0, 11}, {2, "hhhh.mm.ss.mmmmmm", 0, 15},
        {1, "'Date: 'd", 0, 8},     {1, "ddddd", -1, -1},        {1, "ddddd", 5, 5},
        {1, "ED", 0, 16},
    };
    for (const auto &row : rows) {
        DateRequest r(row.type);
        r.shortPic = row.picture;
        r.block.nPicSelect = 1;
        EXPECT_EQ(FMTGetMaxFormattedDTLen(r.Ready(), row.minimum), row.length) << row.picture;
    }
}

TEST(DatePictures, Questions) {
    const struct {
        const char *picture;
        int32_t valid, hasDate, hasTime;
    } rows[] = {
        {"", 1, 0, 0},          {"ED", 1, 0, 0},     {"ed", 0, 0, 0},    {"EE", 0, 0, 0},          {"S", 1, 0, 0},
        {"dddd", 1, 1, 0},      {"ddddd", 0, 0, 0},  {"hh:mm", 1, 0, 1}, {"M/d/yy hhhh", 1, 1, 1}, {"MMMMM", 0, 0, 0},
        {"yyy", 0, 0, 0},       {"mmm", 0, 0, 0},    {"HH", 0, 0, 0},    {"am", 0, 0, 0},          {"s", 0, 0, 0},
        {"'unclosed", 0, 0, 0}, {"yyyyyy", 1, 1, 0}, {"mmmm", 1, 0, 1},  {"'' d", 1, 1, 0},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(FMTIsDatePicValid(row.picture), row.valid) << row.picture;
        EXPECT_EQ(FMTDatePicHasDate(row.picture), row.hasDate) << row.picture;
        EXPECT_EQ(FMTDatePicHasTime(row.picture), row.hasTime) << row.picture;
    }
    EXPECT_EQ(FMTIsDatePicValid(nullptr), 0);
}

TEST(DatePictures, DefaultPicturesAndTheLongDateWithoutWeekdays) {
    test::UserSettings settings;
    char buffer[64];
    const struct {
        const char *longDate, *result;
    } rows[] = {
        {"dddd, MMMM dd, yyyy", "MMMM dd, yyyy"},
        {"dddd, d' de 'MMMM' de 'yyyy", "d MMMM yyyy"},
        {"MMMM d, yyyy, dddd", "MMMM d, yyyy"},
        {"d. MMMM yyyy", "d. MMMM yyyy"},
    };
    for (const auto &row : rows) {
        settings.Set("sLongDate", row.longDate);
        FMTWinIniChanged();
        EXPECT_EQ(FMTGetGeeLongDatePic(buffer, sizeof buffer, 0), 1);
        EXPECT_STREQ(buffer, row.result) << row.longDate;
        EXPECT_EQ(FMTGetDefaultLongDatePic(buffer, sizeof buffer), 1);
        EXPECT_STREQ(buffer, row.longDate);
    }
    settings.Set("sShortDate", "dd/MM/yyyy");
    FMTWinIniChanged();
    EXPECT_EQ(FMTGetDefaultShortDatePic(buffer, 6), 1);
    EXPECT_STREQ(buffer, "dd/MM");
    EXPECT_EQ(FMTGetDefaultDatePic(buffer, sizeof buffer), 1);
    EXPECT_STREQ(buffer, "dd/MM/yyyy");
    FMTWinIniChanged();
}

TEST(DateFormatOnJapaneseSystem, JapaneseForms) {
    DateRequest r(FMT_TYPE_DATE);
    r.SetValue(1989, 1, 7);
    r.block.nPicSelect = 3;
    ASSERT_EQ(FMTFormatDateTime(r.Ready(), 0), 1);
    EXPECT_STREQ(r.output, "\x8F\xBA\x98\x61"
                           "64\x94\x4E"
                           "01\x8C\x8E"
                           "07\x93\xFA");
    r.SetValue(1989, 1, 8);
    ASSERT_EQ(FMTFormatDateTime(r.Ready(), 0), 1);
    EXPECT_STREQ(r.output, "\x95\xBD\x90\xAC"
                           "01\x94\x4E"
                           "01\x8C\x8E"
                           "08\x93\xFA");
    r.SetValue(1868, 9, 28);
    EXPECT_EQ(FMTFormatDateTime(r.Ready(), 0), 0);
    r.block.nPicSelect = 2;
    r.SetValue(2026, 12, 4);
    ASSERT_EQ(FMTFormatDateTime(r.Ready(), 0), 1);
    EXPECT_STREQ(r.output, "2026\x94\x4E"
                           "12\x8C\x8E"
                           "04\x93\xFA");
}

} // namespace
