// Date/time formatting and validation beside the C library's strftime and
// strptime and, where it is installed, ICU's date format.
#include <benchmark/benchmark.h>

#include <ctime>
#include <thread>

#include "orvexrt/datetime.h"

#if __has_include(<unicode/smpdtfmt.h>)
#include <unicode/smpdtfmt.h>
#define ORVEX_BENCH_ICU 1
#endif

namespace {

FMTCNTLBLOCK FormatRequest(char *output, char *picture) {
    FMTCNTLBLOCK block;
    FMTInitCntlBlock(&block);
    block.nType = FMT_TYPE_DATE;
    block.dwFlags &= ~uint32_t{FMT_FLAG_DEFAULT_PICTURES};
    block.nPicSelect = 0;
    block.lpszLongPic = picture;
    block.lpszOutput = output;
    block.dtValue = DATDEF{12, 4, 2026, 10, 30, 15, 0};
    return block;
}

void FormatDateTime(benchmark::State &state) {
    char output[64], picture[] = "dddd, MMMM dd, yyyy";
    FMTCNTLBLOCK block = FormatRequest(output, picture);
    for (auto _ : state) benchmark::DoNotOptimize(FMTFormatDateTime(&block, 0));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(FormatDateTime)->ThreadRange(1, 2)->UseRealTime();

void PeerStrftime(benchmark::State &state) {
    std::tm tm{};
    tm.tm_year = 126;
    tm.tm_mon = 11;
    tm.tm_mday = 4;
    tm.tm_wday = 5;
    char output[64];
    for (auto _ : state) benchmark::DoNotOptimize(std::strftime(output, sizeof output, "%A, %B %d, %Y", &tm));
}
BENCHMARK(PeerStrftime);

void ValidateDateTime(benchmark::State &state) {
    FMTSetProfileDefault();
    char input[] = "Dec 4, 2026";
    FMTCNTLBLOCK block;
    FMTInitCntlBlock(&block);
    block.nType = FMT_TYPE_DATE;
    block.bUseIntl = 1;
    block.lpszInput = input;
    for (auto _ : state) {
        FMTCNTLBLOCK copy = block;
        benchmark::DoNotOptimize(FMTValidateDateTime(&copy));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ValidateDateTime)->ThreadRange(1, 2)->UseRealTime();

void PeerStrptime(benchmark::State &state) {
    for (auto _ : state) {
        std::tm tm{};
        benchmark::DoNotOptimize(strptime("Dec 4, 2026", "%b %d, %Y", &tm));
    }
}
BENCHMARK(PeerStrptime);

#ifdef ORVEX_BENCH_ICU
void PeerIcuFormat(benchmark::State &state) {
    UErrorCode status = U_ZERO_ERROR;
    icu::SimpleDateFormat format(icu::UnicodeString("EEEE, MMMM dd, yyyy"), icu::Locale::getUS(), status);
    format.setTimeZone(*icu::TimeZone::getGMT());
    const UDate date = 1796428800000.0; // 2026-12-04
    for (auto _ : state) {
        icu::UnicodeString text;
        format.format(date, text);
        benchmark::DoNotOptimize(text.length());
    }
}
BENCHMARK(PeerIcuFormat);

void PeerIcuParse(benchmark::State &state) {
    UErrorCode status = U_ZERO_ERROR;
    icu::SimpleDateFormat format(icu::UnicodeString("MMM d, yyyy"), icu::Locale::getUS(), status);
    const icu::UnicodeString text("Dec 4, 2026");
    for (auto _ : state) {
        UErrorCode parseStatus = U_ZERO_ERROR;
        benchmark::DoNotOptimize(format.parse(text, parseStatus));
    }
}
BENCHMARK(PeerIcuParse);
#endif

} // namespace
