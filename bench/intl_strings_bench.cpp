// The hot string functions beside a peer in the same binary: IntlStrScan
// beside a naive case-insensitive search, IntlStrChr beside strchr,
// IntlStrTrim beside a plain trim loop and IntlStrMid beside a byte copy.
// These peers know nothing of double-byte characters, so the ratio shows
// what walking by characters costs; a search that steps with the system's
// walker (CharNextA) shows what the library adds to the walk itself.  The label says whether the library ran
// in DBCS mode (LANG=ja_JP.UTF-8) or not; the text is the same in both.
#include "orvexrt/intl.h"

#include <benchmark/benchmark.h>

#include <windows.h>

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

namespace {

// About 4 KB of text with runs of blanks, double-byte characters (kanji and
// katakana whose trail bytes look like ASCII) and the needle at the end; the
// start of the needle occurs on every line, so the searches restart often.
const std::string &Text() {
    static const std::string text = [] {
        const std::string line = "Order  1234:\t\x93\xFA\x96\x7B \x83\x41\x83\x7C  total \x95\x5C  due;  ";
        std::string repeated;
        while (repeated.size() < 4096) repeated += line;
        return repeated + "Needle found";
    }();
    return text;
}

constexpr char kNeedle[] = "DUE;  NEEDLE";

void Describe(benchmark::State &state) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Text().size()));
    state.SetLabel(IntlDBCSEnabled() ? "DBCS mode" : "single-byte mode");
}

void BM_IntlStrScan(benchmark::State &state) {
    for (auto _ : state) benchmark::DoNotOptimize(IntlStrScan(Text().c_str(), kNeedle));
    Describe(state);
}

// The least a case-insensitive search does: compare at every byte.
void BM_PeerNaiveCaseInsensitiveSearch(benchmark::State &state) {
    const char *needle = kNeedle;
    const size_t n = std::strlen(needle);
    for (auto _ : state) {
        const std::string &text = Text();
        long found = -1;
        for (size_t i = 0; i + n <= text.size() && found < 0; ++i) {
            size_t k = 0;
            while (k < n && std::toupper(static_cast<unsigned char>(text[i + k])) == needle[k]) ++k;
            if (k == n) found = static_cast<long>(i);
        }
        benchmark::DoNotOptimize(found);
    }
    Describe(state);
}

void BM_IntlStrChr(benchmark::State &state) {
    for (auto _ : state) benchmark::DoNotOptimize(IntlStrChr(Text().c_str(), 'N'));
    Describe(state);
}

void BM_PeerStrchr(benchmark::State &state) {
    for (auto _ : state) benchmark::DoNotOptimize(std::strchr(Text().c_str(), 'N'));
    Describe(state);
}

// The least a double-byte-aware search does: step with the system's walker.
void BM_PeerCharNextAFind(benchmark::State &state) {
    for (auto _ : state) {
        const char *p = Text().c_str();
        while (*p != '\0' && !(*p == 'N' && CharNextA(p) == p + 1)) p = CharNextA(p);
        benchmark::DoNotOptimize(p);
    }
    Describe(state);
}

void BM_IntlStrTrim(benchmark::State &state) {
    std::vector<char> dst(Text().size() + 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(IntlStrTrim(dst.data(), Text().c_str()));
        benchmark::ClobberMemory();
    }
    Describe(state);
}

// Collapses runs of blanks byte by byte.
void BM_PeerTrimLoop(benchmark::State &state) {
    std::vector<char> dst(Text().size() + 1);
    auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; };
    for (auto _ : state) {
        const char *p = Text().c_str();
        while (isBlank(*p)) ++p;
        char *out = dst.data();
        bool gap = false;
        for (; *p != '\0'; ++p) {
            if (isBlank(*p)) {
                gap = true;
                continue;
            }
            if (gap && out != dst.data()) *out++ = ' ';
            gap = false;
            *out++ = *p;
        }
        *out = '\0';
        benchmark::DoNotOptimize(out - dst.data());
        benchmark::ClobberMemory();
    }
    Describe(state);
}

// The middle half of the text.
void BM_IntlStrMid(benchmark::State &state) {
    std::vector<char> dst(Text().size() + 1);
    const int32_t length = IntlStrLen(Text().c_str());
    for (auto _ : state) {
        benchmark::DoNotOptimize(IntlStrMid(dst.data(), Text().c_str(), length / 4, length / 2));
        benchmark::ClobberMemory();
    }
    Describe(state);
}

void BM_PeerByteCopy(benchmark::State &state) {
    std::vector<char> dst(Text().size() + 1);
    const size_t length = Text().size();
    for (auto _ : state) {
        std::memcpy(dst.data(), Text().c_str() + length / 4, length / 2);
        dst[length / 2] = '\0';
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    Describe(state);
}

BENCHMARK(BM_IntlStrScan);
BENCHMARK(BM_PeerNaiveCaseInsensitiveSearch);
BENCHMARK(BM_IntlStrChr);
BENCHMARK(BM_PeerStrchr);
BENCHMARK(BM_PeerCharNextAFind);
BENCHMARK(BM_IntlStrTrim);
BENCHMARK(BM_PeerTrimLoop);
BENCHMARK(BM_IntlStrMid);
BENCHMARK(BM_PeerByteCopy);

} // namespace
