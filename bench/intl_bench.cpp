// The Japanese width conversions and the character walker, each beside a
// peer in the same binary (a plain copy and count by the system's walker, the
// walker itself, the C library's length), so the ratio shows what the table
// lookups and the library's layer cost.  The label says
// whether the library ran in DBCS mode (LANG=ja_JP.UTF-8) or not.
#include "orvexrt/intl.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// About 4 KB of half-width text: ASCII, half-width kana with sound marks, and
// a double-byte kanji pair that the conversions copy.
const std::string &HalfWidthText() {
    static const std::string text = [] {
        const std::string line = "Order 1234: \xB6\xDE\xDD\xCA\xDF\xDD \xBB\xB2\xBD\xDE (\x93\xFA\x96\x7B) ok;\n";
        std::string repeated;
        while (repeated.size() < 4096) repeated += line;
        return repeated;
    }();
    return text;
}

// The same text after IntlStrJapanFull: mostly full-width characters in DBCS
// mode, unchanged otherwise.
const std::string &FullWidthText() {
    static const std::string text = [] {
        std::vector<char> full(2 * HalfWidthText().size() + 1);
        IntlStrJapanFull(full.data(), HalfWidthText().c_str());
        return std::string(full.data());
    }();
    return text;
}

void Describe(benchmark::State &state, const std::string &input) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.size()));
    state.SetLabel(IntlDBCSEnabled() ? "DBCS mode" : "single-byte mode");
}

template <int32_t(ORVEXAPI *Convert)(char *, const char *)>
void BM_Convert(benchmark::State &state, const std::string &input) {
    std::vector<char> dst(2 * input.size() + 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Convert(dst.data(), input.c_str()));
        benchmark::ClobberMemory();
    }
    Describe(state, input);
}

// The least that a DBCS-aware conversion does: walk the source with the
// system walker and copy each character, then count what was written.
void BM_PeerCharNextACopy(benchmark::State &state, const std::string &input) {
    std::vector<char> dst(2 * input.size() + 1);
    for (auto _ : state) {
        char *out = dst.data();
        for (const char *p = input.c_str(); *p != '\0';) {
            const char *next = CharNextA(p);
            while (p != next) *out++ = *p++;
        }
        *out = '\0';
        int32_t count = 0;
        for (const char *p = dst.data(); *p != '\0'; p = CharNextA(p)) ++count;
        benchmark::DoNotOptimize(count);
        benchmark::ClobberMemory();
    }
    Describe(state, input);
}

void BM_IntlBytesInNextCharWalk(benchmark::State &state, const std::string &input) {
    for (auto _ : state) {
        int32_t count = 0;
        for (const char *p = input.c_str(); const int32_t width = IntlBytesInNextChar(p); p += width) ++count;
        benchmark::DoNotOptimize(count);
    }
    Describe(state, input);
}

void BM_PeerCharNextAWalk(benchmark::State &state, const std::string &input) {
    for (auto _ : state) {
        int32_t count = 0;
        for (const char *p = input.c_str(); *p != '\0'; p = CharNextA(p)) ++count;
        benchmark::DoNotOptimize(count);
    }
    Describe(state, input);
}

void BM_PeerStrlen(benchmark::State &state, const std::string &input) {
    for (auto _ : state) benchmark::DoNotOptimize(std::strlen(input.c_str()));
    Describe(state, input);
}

// Inputs are made on first use, after the library has loaded and chosen its
// mode: the full-width text depends on it.
struct Registrar {
    Registrar() {
        benchmark::RegisterBenchmark("IntlStrJapanFull/half-width text",
                                     [](benchmark::State &s) { BM_Convert<IntlStrJapanFull>(s, HalfWidthText()); });
        benchmark::RegisterBenchmark("Peer CharNextA copy/half-width text",
                                     [](benchmark::State &s) { BM_PeerCharNextACopy(s, HalfWidthText()); });
        benchmark::RegisterBenchmark("IntlStrJapanHalf/full-width text",
                                     [](benchmark::State &s) { BM_Convert<IntlStrJapanHalf>(s, FullWidthText()); });
        benchmark::RegisterBenchmark("Peer CharNextA copy/full-width text",
                                     [](benchmark::State &s) { BM_PeerCharNextACopy(s, FullWidthText()); });
        benchmark::RegisterBenchmark("IntlBytesInNextChar walk/full-width text",
                                     [](benchmark::State &s) { BM_IntlBytesInNextCharWalk(s, FullWidthText()); });
        benchmark::RegisterBenchmark("Peer CharNextA walk/full-width text",
                                     [](benchmark::State &s) { BM_PeerCharNextAWalk(s, FullWidthText()); });
        benchmark::RegisterBenchmark("Peer strlen/full-width text",
                                     [](benchmark::State &s) { BM_PeerStrlen(s, FullWidthText()); });
    }
} registrar;

} // namespace
