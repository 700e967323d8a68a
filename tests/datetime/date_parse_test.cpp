// Typed dates and times read back into values.
#include <gtest/gtest.h>

#include <string>

#include "datetime/date_block.h"
#include "datetime/user_settings.h"

namespace {

using test::DateRequest;
using test::Iso;

// Reads text by a picture; the value as ISO text, or "<refused>".
std::string Unformat(const std::string &picture, const std::string &text, uint32_t *flags = nullptr) {
    DateRequest r(FMT_TYPE_DATE);
    r.picture = picture;
    r.input = text;
    if (!FMTUnformatDateTimeStr(r.Ready())) return "<refused>";
    if (flags) *flags = r.block.dwFlags;
    return Iso(r.block.dtValue);
}

TEST(DateParse, ReadingByAPicture) {
    const struct {
        const char *picture, *text, *value;
    } rows[] = {
        {"M/d/yy", "12/4/26", "2026-12-04 00:00:00.000000"},
        {"M/d/yy", "12-4-26", "2026-12-04 00:00:00.000000"},
        {"M/d/yy", "12/4", "<refused>"},
        {"M/d", "12/4", "1900-12-04 00:00:00.000000"},
        {"hh:mm AMPM", "10:30 PM", "1900-01-01 22:30:00.000000"},
        {"hh:mm AMPM", "12:15 AM", "1900-01-01 00:15:00.000000"},
        {"hh:mm AMPM", "12:15 pm", "1900-01-01 12:15:00.000000"},
        {"hh:mm AMPM", "13:00 PM", "<refused>"},
        {"hh:mm AMPM", "10:30", "<refused>"},
        {"hh:mm", "10 30", "1900-01-01 10:30:00.000000"},
        {"hhhh:mm", "10 30", "<refused>"},
        {"hhhh:mm", "24:00", "1900-01-01 24:00:00.000000"},
        {"hhhh:mm", "25:00", "<refused>"},
        {"ddd, MMM d, yyyy", "Fri, Dec 4, 2026", "2026-12-04 00:00:00.000000"},
        {"ddd, MMM d, yyyy", "Mon, Dec 4, 2026", "<refused>"},
        {"dddd, MMMM d, yyyy", "friday, december 4, 2026", "2026-12-04 00:00:00.000000"},
        {"yyyy", "0049", "0049-01-01 00:00:00.000000"},
        {"d MMMM'ta' yyyy", "4 Decemberta 2026", "2026-12-04 00:00:00.000000"},
        {"M/d/yyyy", "2/30/2026", "<refused>"},
        {"yyyy-MM-dd", "20261204", "2026-12-04 00:00:00.000000"},
        {"hhhh.mm.ss.mmmmmm", "10.30.15.000042", "1900-01-01 10:30:15.000042"},
        {"M/d/yy", "12/4/26 extra", "<refused>"},
        {"T", "10:30", "<refused>"},
        {"'At' hhhh:mm", "at 10:30", "1900-01-01 10:30:00.000000"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(Unformat(row.picture, row.text), row.value) << row.picture << " | " << row.text;
}

TEST(DateParse, ReadMarks) {
    uint32_t flags = 0;
    Unformat("M/d/yy h:mm", "12/4/26 9:05", &flags);
    EXPECT_EQ(flags & (FMT_FLAG_DATE_READ | FMT_FLAG_TIME_READ | FMT_FLAG_NO_HOUR_ZERO),
              uint32_t{FMT_FLAG_DATE_READ | FMT_FLAG_TIME_READ | FMT_FLAG_NO_HOUR_ZERO});
    Unformat("M/d/yy hh:mm", "12/4/26", &flags);
    EXPECT_EQ(flags & (FMT_FLAG_DATE_READ | FMT_FLAG_TIME_READ), uint32_t{FMT_FLAG_DATE_READ});
}

// A fixed clock is not reachable from the exports: these rows hold in any
// year from 2000 to 2049, when two-digit years take the window 1950-2049.
TEST(DateParse, TwoDigitYearsTakeTheWindowOfTheCurrentYear) {
    EXPECT_EQ(Unformat("yy", "49").substr(0, 4), "2049");
    EXPECT_EQ(Unformat("yy", "50").substr(0, 4), "1950");
    EXPECT_EQ(Unformat("yyyy", "99").substr(0, 4), "1999");
}

std::string Validate(int32_t type, const std::string &text, uint32_t extraFlags = 0) {
    DateRequest r(type);
    r.block.bUseIntl = 1;
    r.block.dwFlags |= FMT_FLAG_DEFAULT_PICTURES | extraFlags;
    r.input = text;
    if (!FMTValidateDateTime(r.Ready())) return "<refused>";
    return Iso(r.block.dtValue);
}

TEST(DateParse, ValidationFallsBackThroughPictures) {
    test::UserSettings settings;
    settings.Set("sShortDate", "M/d/yy");
    settings.Set("sLongDate", "dddd, MMMM dd, yyyy");
    settings.Set("iCountry", "1");
    settings.Set("iTime", "1");
    settings.Set("sTime", ":");
    FMTWinIniChanged();
    const struct {
        int32_t type;
        const char *text, *value;
    } rows[] = {
        {1, "12/4/26", "2026-12-04 00:00:00.000000"},
        {1, "12-4-2026", "2026-12-04 00:00:00.000000"},
        {1, "Dec 4, 2026", "2026-12-04 00:00:00.000000"},
        {1, "4 December, 2026", "2026-12-04 00:00:00.000000"},
        {1, "Friday, December 04, 2026", "2026-12-04 00:00:00.000000"},
        {1, "2026-12-04", "2026-12-04 00:00:00.000000"},
        {1, "4-Dec-26", "2026-12-04 00:00:00.000000"},
        {1, "2/30/2026", "<refused>"},
        {1, "hello", "<refused>"},
        {1, "", "<refused>"},
        {2, "10:30:15", "1900-01-01 10:30:15.000000"},
        {2, "10:30 PM", "1900-01-01 22:30:00.000000"},
        {3, "12/4/26 10:30", "2026-12-04 10:30:00.000000"},
        {3, "2026-12-04-10.30.15.000042", "2026-12-04 10:30:15.000042"},
    };
    for (const auto &row : rows) EXPECT_EQ(Validate(row.type, row.text), row.value) << row.text;
    EXPECT_EQ(Validate(2, "10:30 PM", FMT_FLAG_NO_GUESSED_TIME), "<refused>");
    // Pictures that a numeric text cannot match leave it to the guess.
    settings.Set("sShortDate", "MMM d, yyyy");
    settings.Set("sLongDate", "MMMM d, yyyy");
    FMTWinIniChanged();
    EXPECT_EQ(Validate(1, "12/04/2026"), "2026-12-04 00:00:00.000000");
    settings.Set("iCountry", "49");
    FMTWinIniChanged();
    EXPECT_EQ(Validate(1, "12/04/2026"), "<refused>") << "numeric shapes only for country 1";
    FMTWinIniChanged();
}

TEST(DateParse, ShapesAgreeingWithAPicture) {
    const struct {
        const char *picture, *text;
        int32_t result;
    } rows[] = {
        {"MMM d, yyyy", "Dec 4, 2026", 1},
        {"MMM d, yyyy", "December 4, 2026", 4},
        {"MMM d, yyyy", "hello", 2},
        {"yyyy-MM-dd", "2026-12-04", 1},
        {"M/d/yyyy", "12/04/2026", 1},
        {"MMM d, yyyy", "Dec 4, 26", 2},
        {"MMMM dd, yyyy", "December 04, 2026", 1},
        {"d-MMM-yyyy", "4/Dec/26", 1},
    };
    for (const auto &row : rows) {
        DateRequest r(FMT_TYPE_DATE);
        r.picture = row.picture;
        r.input = row.text;
        EXPECT_EQ(FMTIsValidDateString(r.Ready()), row.result) << row.text;
    }
    DateRequest empty(FMT_TYPE_DATE);
    EXPECT_EQ(FMTIsValidDateString(empty.Ready()), 0);
}

TEST(DateParse, IsoTexts) {
    DATDEF d;
    EXPECT_EQ(FMTIsoToDatDef("2026-12-04 10:30:15.000042", &d), 1);
    EXPECT_EQ(Iso(d), "2026-12-04 10:30:15.000042");
    EXPECT_EQ(FMTIsoToDatDef("2026", &d), 1);
    EXPECT_EQ(Iso(d), "2026-00-00 00:00:00.000000");
    EXPECT_EQ(FMTIsoToDatDef("", &d), 1);
    EXPECT_EQ(d.nYear, 0);
}

// The era name, the era year and the year, month and day characters.
std::string Japanese(const std::string &era, const char *year, const char *month, const char *day) {
    return era + year + "\x94\x4E" + month + "\x8C\x8E" + day + "\x93\xFA";
}

TEST(DateParseOnJapaneseSystem, EraDates) {
    const std::string showa = "\x8F\xBA\x98\x61", meiji = "\x96\xBE\x8E\xA1";
    const struct {
        std::string text;
        int32_t boundaryCheck;
        const char *value;
    } rows[] = {
        {Japanese(showa, "64", "1", "7"), 0, "1989-01-07 00:00:00.000000"},
        {Japanese(showa, "65", "1", "1"), 0, "1990-01-01 00:00:00.000000"},
        {Japanese(showa, "65", "1", "1"), 1, "<refused>"},
        {Japanese(meiji, "1", "1", "1"), 0, "<refused>"},
        {Japanese(meiji, "247303403", "1", "2"), 0, "<refused>"},
        {Japanese("", "26", "12", "4"), 0, "1926-12-04 00:00:00.000000"},
        {Japanese("", "2026", "12", "4"), 0, "2026-12-04 00:00:00.000000"},
        {"H1" + Japanese("", "", "1", "8"), 0, "<refused>"},
    };
    for (const auto &row : rows) {
        DateRequest r(FMT_TYPE_DATE);
        r.input = row.text;
        r.shortPic = "M/d/yy";
        r.longPic = "MMMM d, yyyy";
        r.block.bEmpBoundaryCheck = row.boundaryCheck;
        const int32_t ok = FMTValidateDateTime(r.Ready());
        EXPECT_EQ(ok ? Iso(r.block.dtValue) : "<refused>", row.value) << row.text;
        if (ok) {
            EXPECT_EQ(+r.block.dwFlags & (FMT_FLAG_DATE_READ | FMT_FLAG_TIME_READ), uint32_t{FMT_FLAG_DATE_READ});
        }
    }
    // A date and a time after it.
    DateRequest both(FMT_TYPE_DATETIME);
    both.input = Japanese(showa, "64", "1", "7") + " 10:30:15";
    both.block.dwFlags |= FMT_FLAG_DEFAULT_PICTURES;
    both.block.b24Hour = 1;
    ASSERT_EQ(FMTValidateDateTime(both.Ready()), 1);
    EXPECT_EQ(Iso(both.block.dtValue), "1989-01-07 10:30:15.000000");
    // The emperor keyword requires an era.
    DateRequest keyword(FMT_TYPE_DATE);
    keyword.picture = "ED";
    keyword.input = Japanese("", "26", "12", "4");
    EXPECT_EQ(FMTUnformatDateTimeStr(keyword.Ready()), 0);
    keyword.input = Japanese(showa, "64", "1", "7");
    EXPECT_EQ(FMTUnformatDateTimeStr(keyword.Ready()), 1);
}

} // namespace
