// Number formatting by picture and unformatting, one value per iteration,
// beside peers doing the same job on binary doubles: ICU's decimal format
// with the same patterns (where installed), fmt (where installed), snprintf,
// and strtod after the grouping is taken out by hand.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "orvexrt.h"

#if __has_include(<unicode/decimfmt.h>)
#include <unicode/decimfmt.h>
#include <unicode/dcfmtsym.h>
#define ORVEX_BENCH_ICU 1
#endif
#ifdef ORVEX_BENCH_HAS_FMT
#include <fmt/format.h>
#endif

namespace {

const char *const kValues[] = {"1234.567", "-0.5", "1234567.891", "42", "-98765.4321", "0.001"};
constexpr size_t kCount = std::size(kValues);
const char *const kTexts[] = {"1,234.57", "-0.50", "1,234,567.89", "42.00", "-98,765.43", "0.00"};
static_assert(std::size(kTexts) == kCount);

constexpr const char *kGrouped = "#,##0.00";
constexpr const char *kGroupedSections = "#,##0.00;(#,##0.00)";

// Cycles through the values, one per iteration.
size_t Next(size_t i) { return i + 1 == kCount ? 0 : i + 1; }

struct Block {
    FMTCNTLBLOCK block{};
    char output[FMT_MAX_NUMBER_TEXT + 16] = "";

    // The separators of the request, as ICU's are fixed; or with useIntl
    // those of the active profile, as a host with user settings reads them.
    explicit Block(bool useIntl = false) {
        FMTInitCntlBlock(&block);
        block.bUseIntl = useIntl ? 1 : 0;
        block.cThousand = ',';
        block.cDecimal = '.';
        block.lpszOutput = output;
    }
};

NUMBER Parse(const char *text) {
    NUMBER n;
    NumAsciiToNumber(&n, text);
    return n;
}

void FormatByPicture(benchmark::State &state, const char *picture, bool useIntl = false) {
    Block b(useIntl);
    b.block.nType = FMT_TYPE_NUMBER_PICTURE;
    b.block.lpszPicture = const_cast<char *>(picture);
    NUMBER values[kCount];
    for (size_t i = 0; i < kCount; ++i) values[i] = Parse(kValues[i]);
    size_t i = 0;
    for (auto _ : state) {
        b.block.numValue = values[i];
        benchmark::DoNotOptimize(FMTFormatNumber(&b.block, 1));
        i = Next(i);
    }
}
BENCHMARK_CAPTURE(FormatByPicture, Grouped, kGrouped);
BENCHMARK_CAPTURE(FormatByPicture, Sections, kGroupedSections);
BENCHMARK_CAPTURE(FormatByPicture, GroupedUserSettings, kGrouped, true);
BENCHMARK_CAPTURE(FormatByPicture, Literals, "'Total: '#,##0.0#' kg'_)");
BENCHMARK_CAPTURE(FormatByPicture, Percent, "0.0%");
BENCHMARK_CAPTURE(FormatByPicture, Scientific, "0.00E+00");
BENCHMARK_CAPTURE(FormatByPicture, Tokenized,
                  "\x0F#\x01##0\x02"
                  "00\x10");

template <typename Format> void FormatDoubles(benchmark::State &state, Format format) {
    double values[kCount];
    for (size_t i = 0; i < kCount; ++i) values[i] = std::strtod(kValues[i], nullptr);
    size_t i = 0;
    for (auto _ : state) {
        format(values[i]);
        i = Next(i);
    }
}

void PeerSnprintf(benchmark::State &state) {
    char text[64];
    FormatDoubles(state, [&](double v) { benchmark::DoNotOptimize(std::snprintf(text, sizeof text, "%.2f", v)); });
}
BENCHMARK(PeerSnprintf);

#ifdef ORVEX_BENCH_HAS_FMT
void PeerFmtFormat(benchmark::State &state) {
    FormatDoubles(state, [](double v) {
        std::string text = fmt::format("{:.2f}", v);
        benchmark::DoNotOptimize(text.data());
    });
}
BENCHMARK(PeerFmtFormat);

void PeerFmtFormatToN(benchmark::State &state) {
    char text[64];
    FormatDoubles(state, [&](double v) {
        const auto result = fmt::format_to_n(text, sizeof text - 1, "{:.2f}", v);
        *result.out = '\0';
        benchmark::DoNotOptimize(text);
    });
}
BENCHMARK(PeerFmtFormatToN);
#endif

#ifdef ORVEX_BENCH_ICU
icu::DecimalFormat IcuFormat(const char *pattern) {
    UErrorCode status = U_ZERO_ERROR;
    icu::DecimalFormat format(icu::UnicodeString(pattern), new icu::DecimalFormatSymbols(icu::Locale::getUS(), status),
                              status);
    return format;
}

void PeerIcuFormat(benchmark::State &state, const char *pattern) {
    const icu::DecimalFormat format = IcuFormat(pattern);
    icu::UnicodeString text;
    FormatDoubles(state, [&](double v) {
        text.truncate(0);
        format.format(v, text);
        benchmark::DoNotOptimize(text.getBuffer());
    });
}
BENCHMARK_CAPTURE(PeerIcuFormat, Grouped, kGrouped);
BENCHMARK_CAPTURE(PeerIcuFormat, Sections, kGroupedSections);
#endif

void Unformat(benchmark::State &state, const char *picture) {
    Block b;
    b.block.lpszPicture = const_cast<char *>(picture);
    size_t i = 0;
    for (auto _ : state) {
        b.block.lpszInput = const_cast<char *>(kTexts[i]);
        benchmark::DoNotOptimize(FMTUnformatNumberStr(&b.block));
        i = Next(i);
    }
}
BENCHMARK_CAPTURE(Unformat, Grouped, kGrouped);
BENCHMARK_CAPTURE(Unformat, Sections, kGroupedSections);

void UnformatWithLiterals(benchmark::State &state) {
    Block b;
    b.block.lpszPicture = const_cast<char *>("'Total: '#,##0.00;('Total: '#,##0.00)");
    const char *const texts[] = {"Total: 1,234.57", "(Total: 0.50)", "Total: 1,234,567.89"};
    size_t i = 0;
    for (auto _ : state) {
        b.block.lpszInput = const_cast<char *>(texts[i]);
        benchmark::DoNotOptimize(FMTUnformatNumberStr(&b.block));
        i = i + 1 == std::size(texts) ? 0 : i + 1;
    }
}
BENCHMARK(UnformatWithLiterals);

// The peer: the separators dropped by hand, then strtod.
void PeerStrtodUngrouped(benchmark::State &state) {
    char plain[64];
    size_t i = 0;
    for (auto _ : state) {
        char *out = plain;
        for (const char *p = kTexts[i]; *p; ++p)
            if (*p != ',') *out++ = *p;
        *out = '\0';
        benchmark::DoNotOptimize(std::strtod(plain, nullptr));
        i = Next(i);
    }
}
BENCHMARK(PeerStrtodUngrouped);

#ifdef ORVEX_BENCH_ICU
void PeerIcuParse(benchmark::State &state, const char *pattern) {
    const icu::DecimalFormat format = IcuFormat(pattern);
    icu::UnicodeString texts[kCount];
    for (size_t i = 0; i < kCount; ++i) texts[i] = icu::UnicodeString(kTexts[i]);
    icu::Formattable value;
    size_t i = 0;
    for (auto _ : state) {
        UErrorCode status = U_ZERO_ERROR;
        format.parse(texts[i], value, status);
        benchmark::DoNotOptimize(value.getDouble(status));
        i = Next(i);
    }
}
BENCHMARK_CAPTURE(PeerIcuParse, Grouped, kGrouped);
BENCHMARK_CAPTURE(PeerIcuParse, Sections, kGroupedSections);
#endif

} // namespace
