// Day numbers, weekdays, validity, the two-digit-year window and the eras.
#include <gtest/gtest.h>

#include "datetime/date_values.h"
#include "datetime/japanese_eras.h"

namespace {

TEST(DateValues, DayNumbersRoundTripFromYear1ToYear9999) {
    int32_t expected = FMTDateToJulian(1, 1, 1);
    ASSERT_EQ(expected, 1721426);
    for (int32_t year = 1; year <= 9999; ++year) {
        for (int32_t month = 1; month <= 12; ++month) {
            for (int32_t day = 1; day <= FMTDaysInMonth(month, year); ++day, ++expected) {
                const int32_t jdn = FMTDateToJulian(month, day, year);
                ASSERT_EQ(jdn, expected) << year << "-" << month << "-" << day;
                DATDEF back{};
                FMTJulianToDate(jdn, &back);
                ASSERT_EQ(back.nYear, year);
                ASSERT_EQ(back.nMonth, month);
                ASSERT_EQ(back.nDay, day);
            }
        }
    }
    EXPECT_EQ(FMTDateToJulian(1, 1, 2000), 2451545);
}

TEST(DateValues, WeekdaysAndLeapYears) {
    EXPECT_EQ(FMTWeekday(1, 1, 2000), 1);  // Saturday
    EXPECT_EQ(FMTWeekday(12, 4, 2026), 7); // Friday
    EXPECT_EQ(FMTWeekday(7, 20, 1969), 2); // Sunday
    EXPECT_EQ(FMTWeekday(1, 1, 1), 3);     // Monday
    for (int32_t year : {2000, 2024, 1600, 4}) EXPECT_TRUE(FMTIsLeapYear(year)) << year;
    for (int32_t year : {1900, 2023, 2100, 1}) EXPECT_FALSE(FMTIsLeapYear(year)) << year;
}

TEST(DateValues, Validity) {
    const struct {
        int32_t month, day, year;
        const char *weekday;
        int32_t valid;
    } rows[] = {
        {2, 29, 2000, nullptr, 1}, {2, 29, 2024, "", 1},        {2, 29, 1900, nullptr, 0},  {2, 29, 2023, nullptr, 0},
        {4, 31, 2026, nullptr, 0}, {4, 0, 2026, nullptr, 0},    {13, 1, 2026, nullptr, 0},  {0, 1, 2026, nullptr, 0},
        {1, 1, 0, nullptr, 1},     {1, 1, -50, nullptr, 1},     {12, 4, 2026, "friday", 1}, {12, 4, 2026, "FRI", 1},
        {12, 4, 2026, "Mon", 0},   {12, 4, 2026, "Fridays", 0}, {12, 32, 2026, "Fri", 0},
    };
    for (const auto &row : rows)
        EXPECT_EQ(FMTIsValidDate(row.month, row.day, row.year, row.weekday), row.valid)
            << row.year << "-" << row.month << "-" << row.day << " " << (row.weekday ? row.weekday : "");
}

// Replaces the library's clock for one test.
class FixedYear {
public:
    explicit FixedYear(int32_t year) : saved_(gFMTCurrentYear) {
        sYear = year;
        gFMTCurrentYear = [] { return sYear; };
    }
    ~FixedYear() { gFMTCurrentYear = saved_; }

private:
    static inline int32_t sYear = 0;
    int32_t (*saved_)();
};

TEST(DateValues, TwoDigitYearWindow) {
    const struct {
        int32_t now, twoDigits, century;
    } rows[] = {
        {2026, 49, 2000}, {2026, 50, 1900}, {2026, 0, 2000},  {2049, 49, 2000},  {2049, 50, 1900}, {2050, 49, 2100},
        {2050, 50, 2000}, {1999, 49, 2000}, {1999, 50, 1900}, {2026, 100, 2000}, {2026, -1, 2000},
    };
    for (const auto &row : rows) {
        FixedYear clock(row.now);
        EXPECT_EQ(FMTCenturyFor(row.twoDigits), row.century) << row.now << " " << row.twoDigits;
    }
    // The real clock: some century of this millennium's calendar.
    EXPECT_EQ(FMTCenturyFor(10) % 100, 0);
}

TEST(JapaneseEras, BoundariesAndEraYears) {
    const struct {
        int32_t month, day, year;
        char letter;
        int32_t eraYear;
    } rows[] = {
        {1, 7, 1989, 'S', 64}, {1, 8, 1989, 'H', 1},   {12, 25, 1926, 'S', 1}, {12, 24, 1926, 'T', 15},
        {7, 30, 1912, 'T', 1}, {7, 29, 1912, 'M', 45}, {9, 29, 1868, 'M', 1},  {12, 4, 2026, 'H', 38},
        {9, 28, 1868, 0, 0},   {1, 24, 1868, 0, 0},
    };
    for (const auto &row : rows) {
        const FMTEra *era = FMTEraOfDay(FMTDateToJulian(row.month, row.day, row.year));
        if (!row.letter) {
            EXPECT_EQ(era, nullptr) << row.year;
            continue;
        }
        ASSERT_NE(era, nullptr) << row.year;
        EXPECT_EQ(era->cLetter, row.letter) << row.year << "-" << row.month << "-" << row.day;
        EXPECT_EQ(FMTEraYear(*era, row.year), row.eraYear);
    }
    // The first days agree with the day numbers of the table.
    for (const auto &[m, d, y, index] :
         {std::tuple{9, 29, 1868, 0}, {7, 30, 1912, 1}, {12, 25, 1926, 2}, {1, 8, 1989, 3}})
        EXPECT_EQ(static_cast<int64_t>(kFMTEras[index].dwFirstDay), FMTDateToJulian(m, d, y));
}

TEST(JapaneseEras, BoundaryCheck) {
    const FMTEra &showa = kFMTEras[2], &heisei = kFMTEras[3];
    const int32_t firstHeiseiDay = FMTDateToJulian(1, 8, 1989);
    EXPECT_TRUE(FMTDayFitsEra(showa, firstHeiseiDay - 1, true));
    EXPECT_FALSE(FMTDayFitsEra(showa, firstHeiseiDay, true));
    EXPECT_TRUE(FMTDayFitsEra(showa, firstHeiseiDay, false));
    EXPECT_FALSE(FMTDayFitsEra(heisei, firstHeiseiDay - 1, false));
    // The last era has no end.
    EXPECT_TRUE(FMTDayFitsEra(heisei, FMTDateToJulian(1, 1, 2100), true));
    EXPECT_EQ(FMTEraByLetter('h'), &heisei);
    EXPECT_EQ(FMTEraByLetter('R'), nullptr);
}

} // namespace
