// Number formatting by picture and unformatting, each beside a peer doing
// the same job on binary doubles: snprintf with the grouping done by hand,
// and strtod after the grouping is taken out by hand.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "orvexrt.h"

namespace {

const char *const kValues[] = {"1234.567", "-0.5", "1234567.891", "42", "-98765.4321", "0.001"};

struct Block {
    FMTCNTLBLOCK block{};
    char output[FMT_MAX_NUMBER_TEXT + 16] = "";

    Block() {
        FMTInitCntlBlock(&block);
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

void FormatByPicture(benchmark::State &state, const char *picture) {
    Block b;
    b.block.nType = FMT_TYPE_NUMBER_PICTURE;
    b.block.lpszPicture = const_cast<char *>(picture);
    NUMBER values[std::size(kValues)];
    for (size_t i = 0; i < std::size(kValues); ++i) values[i] = Parse(kValues[i]);
    FMTSetProfileIntl();
    for (auto _ : state) {
        for (const NUMBER &v : values) {
            b.block.numValue = v;
            benchmark::DoNotOptimize(FMTFormatNumber(&b.block, 1));
        }
    }
}
BENCHMARK_CAPTURE(FormatByPicture, Grouped, "#,##0.00");
BENCHMARK_CAPTURE(FormatByPicture, Sections, "#,##0.00;(#,##0.00);'zero'");
BENCHMARK_CAPTURE(FormatByPicture, Literals, "'Total: '#,##0.0#' kg'_)");
BENCHMARK_CAPTURE(FormatByPicture, Percent, "0.0%");
BENCHMARK_CAPTURE(FormatByPicture, Scientific, "0.00E+00");
BENCHMARK_CAPTURE(FormatByPicture, Tokenized,
                  "\x0F#\x01##0\x02"
                  "00\x10");

// The peer of "#,##0.00": two places by snprintf, then a separator before
// every group of three integer digits.
void PeerSnprintfGrouped(benchmark::State &state) {
    double values[std::size(kValues)];
    for (size_t i = 0; i < std::size(kValues); ++i) values[i] = std::strtod(kValues[i], nullptr);
    char plain[64], grouped[96];
    for (auto _ : state) {
        for (double v : values) {
            const int length = std::snprintf(plain, sizeof plain, "%.2f", v);
            const char *digits = plain + (plain[0] == '-');
            const int integers = static_cast<int>(std::strchr(digits, '.') - digits);
            char *out = grouped;
            if (digits != plain) *out++ = '-';
            for (int i = 0; i < integers; ++i) {
                if (i > 0 && (integers - i) % 3 == 0) *out++ = ',';
                *out++ = digits[i];
            }
            std::memcpy(out, digits + integers, static_cast<size_t>(length - (digits - plain) - integers + 1));
            benchmark::DoNotOptimize(grouped);
        }
    }
}
BENCHMARK(PeerSnprintfGrouped);

const char *const kTexts[] = {"1,234.57", "-0.50", "1,234,567.89", "42.00", "-98,765.43", "0.00"};

void Unformat(benchmark::State &state) {
    Block b;
    b.block.lpszPicture = const_cast<char *>("#,##0.00");
    FMTSetProfileIntl();
    for (auto _ : state) {
        for (const char *text : kTexts) {
            b.block.lpszInput = const_cast<char *>(text);
            benchmark::DoNotOptimize(FMTUnformatNumberStr(&b.block));
        }
    }
}
BENCHMARK(Unformat);

void UnformatWithSections(benchmark::State &state) {
    Block b;
    b.block.lpszPicture = const_cast<char *>("'Total: '#,##0.00;('Total: '#,##0.00)");
    const char *const texts[] = {"Total: 1,234.57", "(Total: 0.50)", "Total: 1,234,567.89"};
    FMTSetProfileIntl();
    for (auto _ : state) {
        for (const char *text : texts) {
            b.block.lpszInput = const_cast<char *>(text);
            benchmark::DoNotOptimize(FMTUnformatNumberStr(&b.block));
        }
    }
}
BENCHMARK(UnformatWithSections);

// The peer: the separators dropped by hand, then strtod.
void PeerStrtodUngrouped(benchmark::State &state) {
    char plain[64];
    for (auto _ : state) {
        for (const char *text : kTexts) {
            char *out = plain;
            for (const char *p = text; *p; ++p)
                if (*p != ',') *out++ = *p;
            *out = '\0';
            benchmark::DoNotOptimize(std::strtod(plain, nullptr));
        }
    }
}
BENCHMARK(PeerStrtodUngrouped);

} // namespace
