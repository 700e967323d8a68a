// orvex date: calendar facts of a date.
#include <charconv>
#include <cstdio>
#include <string>

#include "command.h"
#include "datetime/date_values.h"
#include "datetime/japanese_eras.h"
#include "datetime/name_tables.h"

namespace orvex {
namespace {

// "YYYY-MM-DD" with a four-digit year.
bool ParseIsoDate(std::string_view text, int32_t &year, int32_t &month, int32_t &day) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    auto field = [&](size_t at, size_t size, int32_t &value) {
        const char *begin = text.data() + at;
        const auto [end, error] = std::from_chars(begin, begin + size, value);
        return error == std::errc() && end == begin + size;
    };
    return field(0, 4, year) && field(5, 2, month) && field(8, 2, day);
}

const Command *DateCommand() {
    for (const Command &c : Commands())
        if (c.name == "date") return &c;
    return nullptr;
}

int RunInfo(std::string_view text) {
    int32_t year, month, day;
    if (!ParseIsoDate(text, year, month, day)) return UsageError("expected a date as YYYY-MM-DD", DateCommand());
    if (!FMTIsValidDate(month, day, year, nullptr)) {
        std::fprintf(stderr, "orvex: %.*s is not a date of the calendar\n", static_cast<int>(text.size()), text.data());
        return kFailure;
    }
    const int32_t jdn = FMTDateToJulian(month, day, year);
    const int32_t weekday = FMTWeekday(month, day, year);
    std::printf("date:        %04d-%02d-%02d\n", year, month, day);
    std::printf("day number:  %d\n", jdn);
    std::printf("weekday:     %d (%s)\n", weekday, FMTLongDayName(weekday));
    std::printf("leap year:   %s\n", FMTIsLeapYear(year) ? "yes" : "no");
    if (const FMTEra *era = FMTEraOfDay(jdn))
        std::printf("era:         %c, year %d\n", era->cLetter, FMTEraYear(*era, year));
    else
        std::printf("era:         none\n");
    return kSuccess;
}

} // namespace

int RunDate(Args args) {
    if (args.size() == 2 && args[0] == "info") return RunInfo(args[1]);
    return UsageError("unknown date request", DateCommand());
}

} // namespace orvex
