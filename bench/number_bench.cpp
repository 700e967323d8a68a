// NUMBER text conversion and arithmetic, each beside a peer doing the same
// job with the C library's binary doubles.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>

#include "orvexrt/number.h"

namespace {

const char *const kTexts[] = {"123.45", "-0.000123", "3.14159265358979", "99999999999999999999.99", "1e50", "42"};

NUMBER Parse(const char *text) {
    NUMBER n;
    NumAsciiToNumber(&n, text);
    return n;
}

void TextToNumber(benchmark::State &state) {
    for (auto _ : state)
        for (const char *text : kTexts) {
            NUMBER n;
            benchmark::DoNotOptimize(NumAsciiToNumber(&n, text));
        }
}
BENCHMARK(TextToNumber);

void PeerStrtod(benchmark::State &state) {
    for (auto _ : state)
        for (const char *text : kTexts) benchmark::DoNotOptimize(std::strtod(text, nullptr));
}
BENCHMARK(PeerStrtod);

void NumberToText(benchmark::State &state) {
    NUMBER values[std::size(kTexts)];
    for (size_t i = 0; i < std::size(kTexts); ++i) values[i] = Parse(kTexts[i]);
    char buffer[64];
    for (auto _ : state)
        for (const NUMBER &n : values) benchmark::DoNotOptimize(NumToAscii(&n, buffer, 30));
}
BENCHMARK(NumberToText);

void PeerSnprintf(benchmark::State &state) {
    double values[std::size(kTexts)];
    for (size_t i = 0; i < std::size(kTexts); ++i) values[i] = std::strtod(kTexts[i], nullptr);
    char buffer[64];
    for (auto _ : state)
        for (double v : values) benchmark::DoNotOptimize(std::snprintf(buffer, sizeof buffer, "%.15g", v));
}
BENCHMARK(PeerSnprintf);

template <int32_t(ORVEXAPI *Op)(NUMBER *, const NUMBER *, const NUMBER *)> void Arithmetic(benchmark::State &state) {
    const NUMBER a = Parse("12345678901234567890.123456789"), b = Parse("-987.654321");
    NUMBER r;
    for (auto _ : state) benchmark::DoNotOptimize(Op(&r, &a, &b));
}
BENCHMARK(Arithmetic<NumAddition>)->Name("Add");
BENCHMARK(Arithmetic<NumMultiply>)->Name("Multiply");
BENCHMARK(Arithmetic<NumDivide>)->Name("Divide");

void PeerLongDoubleDivide(benchmark::State &state) {
    volatile long double a = 12345678901234567890.123456789L, b = -987.654321L;
    for (auto _ : state) benchmark::DoNotOptimize(a / b);
}
BENCHMARK(PeerLongDoubleDivide);

void Round(benchmark::State &state) {
    const NUMBER a = Parse("12345.678901");
    NUMBER r;
    for (auto _ : state) benchmark::DoNotOptimize(NumRound(&r, &a, 2));
}
BENCHMARK(Round);

} // namespace
