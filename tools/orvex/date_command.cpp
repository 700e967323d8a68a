// orvex date: calendar facts of a date.
#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "command.h"
#include "datetime/date_values.h"
#include "datetime/japanese_eras.h"
#include "datetime/date_tokens.h"
#include "datetime/intl_profile.h"
#include "datetime/name_tables.h"
#include "orvexrt/datetime.h"
#include "terminal_text.h"

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

std::string Iso(const DATDEF &d) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%06d", d.nYear, d.nMonth, d.nDay, d.nHour,
                  d.nMinute, d.nSecond, d.nMicrosecond);
    return text;
}

// The kind of a request: date, time or datetime.
bool ParseKind(std::string_view word, int32_t &kind) {
    if (word == "date")
        kind = FMT_TYPE_DATE;
    else if (word == "time")
        kind = FMT_TYPE_TIME;
    else if (word == "datetime")
        kind = FMT_TYPE_DATETIME;
    else
        return false;
    return true;
}

// The words of a request: positional texts and the options it allows.
struct DateArgs {
    std::vector<std::string> texts;
    std::string picture;
    bool hasPicture = false;
    bool invalidText = false; // an argument was not valid UTF-8
    int32_t kind = FMT_TYPE_DATE;
};

// A text of the terminal in the library's code page; text that is not
// valid UTF-8 is refused rather than guessed at.
bool TerminalText(std::string_view word, std::string &out, DateArgs &args) {
    if (ToAnsiChecked(word, out)) return true;
    std::fprintf(stderr, "orvex: an argument is not valid UTF-8 text\n");
    args.invalidText = true;
    return false;
}

bool ReadDateArgs(Args args, DateArgs &out) {
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--picture" && i + 1 < args.size()) {
            if (!TerminalText(args[++i], out.picture, out)) return false;
            out.hasPicture = true;
        } else if (args[i] == "--kind" && i + 1 < args.size()) {
            if (!ParseKind(args[++i], out.kind)) return false;
        } else if (args[i] == "--default") {
            FMTSetProfileDefault();
        } else if (!TerminalText(args[i], out.texts.emplace_back(), out)) {
            return false;
        }
    }
    return true;
}

// format PICTURE VALUE: the value (ISO, «2026-12-04T10:30:15.000042») through
// a picture, with the profile's designators and time separator.
int RunFormat(const DateArgs &a) {
    if (a.texts.size() != 2) return UsageError("format takes a picture and an ISO date and time", DateCommand());
    std::string picture = a.texts[0];
    FMTCNTLBLOCK block;
    FMTInitCntlBlock(&block);
    block.nType = FMT_TYPE_DATETIME;
    block.dwFlags &= ~uint32_t{FMT_FLAG_DEFAULT_PICTURES};
    block.lpszLongPic = picture.data();
    block.nPicSelect = 0;
    std::string am = FMTGetIntlString(3), pm = FMTGetIntlString(4), separator = FMTGetIntlString(2);
    block.lpszAM = am.data();
    block.lpszPM = pm.data();
    block.lpszTimeSep = separator.data();
    block.b24Hour = FMTGetIntlValue(0) != 0;
    block.bTLzero = FMTGetIntlValue(1) != 0;
    FMTIsoToDatDef(a.texts[1].c_str(), &block.dtValue);
    const int32_t length = FMTGetMaxFormattedDTLen(&block, 0);
    if (length < 0) {
        std::fprintf(stderr, "orvex: not a valid date/time picture\n");
        return kFailure;
    }
    std::string output(static_cast<size_t>(length) + 1, '\0');
    block.lpszOutput = output.data();
    if (!FMTFormatDateTime(&block, 0)) {
        std::fprintf(stderr, "orvex: the picture cannot write this value\n");
        return kFailure;
    }
    std::printf("%s\n", ToTerminal(output.c_str()).c_str());
    return kSuccess;
}

// parse TEXT: read by a picture when one is given, else validated against
// the profile's pictures and the text's own shape.
int RunParse(DateArgs a) {
    if (a.texts.size() != 1) return UsageError("parse takes one text", DateCommand());
    FMTCNTLBLOCK block;
    FMTInitCntlBlock(&block);
    block.nType = a.kind;
    block.bUseIntl = 1;
    block.lpszInput = a.texts[0].data();
    block.lpszPicture = a.picture.data();
    const int32_t ok = a.hasPicture ? FMTUnformatDateTimeStr(&block) : FMTValidateDateTime(&block);
    if (!ok) {
        std::fprintf(stderr, "orvex: not a date/time of this kind\n");
        return kFailure;
    }
    std::printf("%s\n", Iso(block.dtValue).c_str());
    return kSuccess;
}

int RunGuess(const DateArgs &a) {
    if (a.texts.size() != 1) return UsageError("guess takes one text", DateCommand());
    std::string picture;
    if (!FMTGuessDatePicture(a.texts[0], a.kind, true, picture)) {
        std::fprintf(stderr, "orvex: no free-form shape fits\n");
        return kFailure;
    }
    std::printf("%s\n", picture.c_str());
    return kSuccess;
}

} // namespace

int RunDate(Args args) {
    DateArgs a;
    if (!ReadDateArgs(args, a)) return a.invalidText ? kFailure : UsageError("unknown date request", DateCommand());
    if (a.texts.empty()) return UsageError("unknown date request", DateCommand());
    const std::string verb = a.texts.front();
    a.texts.erase(a.texts.begin());
    if (verb == "info" && a.texts.size() == 1) return RunInfo(a.texts[0]);
    if (verb == "format") return RunFormat(a);
    if (verb == "parse") return RunParse(a);
    if (verb == "guess") return RunGuess(a);
    return UsageError("unknown date request", DateCommand());
}

} // namespace orvex
