// NUMBER text conversion and arithmetic beside peers in the same binary, all
// on the same operands: 256 values of 1 to 38 significant decimal digits with
// the point anywhere among them, half of them negative.
//
// Peers: binary doubles (strtod, std::to_chars and snprintf "%.17g" for
// text), GCC's decimal floating point _Decimal128 with the text conversions
// of the static decimal floating-point math library, and Boost's
// cpp_dec_float_50, each when it is available.  Rows are named
// "operation/implementation"; every iteration handles one operand (pair).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <type_traits>
#include <string>
#include <vector>

#if __has_include(<boost/multiprecision/cpp_dec_float.hpp>)
#include <boost/multiprecision/cpp_dec_float.hpp>
#define NUMBER_BENCH_BOOST 1
#endif

#include "orvexrt/number.h"

namespace {

constexpr size_t kOperands = 256;
constexpr int kMaxDigits = 38;
// Wide enough for every operand's plain text.
constexpr int kTextWidth = 48;

struct Operands {
    std::vector<std::string> texts;
    std::vector<NUMBER> numbers;
    std::vector<double> doubles;

    Operands() {
        std::mt19937_64 engine(20261206);
        auto uniform = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); };
        for (size_t k = 0; k < kOperands; ++k) {
            const int digits = 1 + static_cast<int>(k % kMaxDigits);
            const int fraction = uniform(0, digits);
            std::string text = uniform(0, 1) ? "-" : "";
            if (fraction == digits) text += "0";
            for (int i = 0; i < digits; ++i) {
                if (i == digits - fraction) text += '.';
                text += static_cast<char>('0' + (i == 0 ? uniform(1, 9) : uniform(0, 9)));
            }
            texts.push_back(text);
            NUMBER n;
            NumAsciiToNumber(&n, text.c_str());
            numbers.push_back(n);
            doubles.push_back(std::strtod(text.c_str(), nullptr));
        }
        // Shuffle so that neighbouring iterations do not see neighbouring sizes.
        std::vector<size_t> order(kOperands);
        for (size_t i = 0; i < kOperands; ++i) order[i] = i;
        std::shuffle(order.begin(), order.end(), engine);
        Operands shuffled = *this;
        for (size_t i = 0; i < kOperands; ++i) {
            texts[i] = shuffled.texts[order[i]];
            numbers[i] = shuffled.numbers[order[i]];
            doubles[i] = shuffled.doubles[order[i]];
        }
    }

    Operands(const Operands &) = default;
};

const Operands &Values() {
    static const Operands values;
    return values;
}

// The second operand of a pair: another value of a different size.
size_t Partner(size_t i) { return (i * 7 + 3) % kOperands; }

// Runs `step(i)` once per iteration over the operand indexes.
template <typename Step> void Cycle(benchmark::State &state, Step step) {
    size_t i = 0;
    for (auto _ : state) {
        step(i);
        i = (i + 1) % kOperands;
    }
}

// A peer's binary operation on each value and its partner; `values` gives the
// peer's own copies of the operands.
template <auto values, typename Op> void PeerBinary(benchmark::State &state) {
    const auto &v = values();
    typename std::decay_t<decltype(v)>::value_type r;
    Cycle(state, [&](size_t i) {
        r = Op{}(v[i], v[Partner(i)]);
        benchmark::DoNotOptimize(&r);
        benchmark::ClobberMemory();
    });
}

// ---- NUMBER ----

void ParseNumber(benchmark::State &state) {
    const Operands &v = Values();
    NUMBER n;
    Cycle(state, [&](size_t i) { benchmark::DoNotOptimize(NumAsciiToNumber(&n, v.texts[i].c_str())); });
}
BENCHMARK(ParseNumber)->Name("parse/NumAsciiToNumber");

void PrintNumber(benchmark::State &state) {
    const Operands &v = Values();
    char buffer[kTextWidth + 1];
    Cycle(state, [&](size_t i) { benchmark::DoNotOptimize(NumToAscii(&v.numbers[i], buffer, kTextWidth)); });
}
BENCHMARK(PrintNumber)->Name("print/NumToAscii");

template <int32_t(ORVEXAPI *Op)(NUMBER *, const NUMBER *, const NUMBER *)> void NumberBinary(benchmark::State &state) {
    const Operands &v = Values();
    NUMBER r;
    Cycle(state, [&](size_t i) { benchmark::DoNotOptimize(Op(&r, &v.numbers[i], &v.numbers[Partner(i)])); });
}
BENCHMARK(NumberBinary<NumAddition>)->Name("add/NumAddition");
BENCHMARK(NumberBinary<NumMultiply>)->Name("multiply/NumMultiply");
BENCHMARK(NumberBinary<NumDivide>)->Name("divide/NumDivide");

void RoundNumber(benchmark::State &state) {
    const Operands &v = Values();
    NUMBER r;
    Cycle(state, [&](size_t i) { benchmark::DoNotOptimize(NumRound(&r, &v.numbers[i], 2)); });
}
BENCHMARK(RoundNumber)->Name("round/NumRound");

// ---- double: the floor ----

void ParseDouble(benchmark::State &state) {
    const Operands &v = Values();
    Cycle(state, [&](size_t i) { benchmark::DoNotOptimize(std::strtod(v.texts[i].c_str(), nullptr)); });
}
BENCHMARK(ParseDouble)->Name("parse/strtod");

void PrintDoubleToChars(benchmark::State &state) {
    const Operands &v = Values();
    char buffer[64];
    Cycle(state, [&](size_t i) {
        benchmark::DoNotOptimize(std::to_chars(buffer, buffer + sizeof buffer, v.doubles[i]).ptr);
    });
}
BENCHMARK(PrintDoubleToChars)->Name("print/to_chars");

void PrintDoubleSnprintf(benchmark::State &state) {
    const Operands &v = Values();
    char buffer[64];
    Cycle(state, [&](size_t i) {
        benchmark::DoNotOptimize(std::snprintf(buffer, sizeof buffer, "%.17g", v.doubles[i]));
    });
}
BENCHMARK(PrintDoubleSnprintf)->Name("print/snprintf_17g");

template <typename Op> void DoubleBinary(benchmark::State &state) {
    const Operands &v = Values();
    Cycle(state, [&](size_t i) { benchmark::DoNotOptimize(Op{}(v.doubles[i], v.doubles[Partner(i)])); });
}
BENCHMARK(DoubleBinary<std::plus<double>>)->Name("add/double");
BENCHMARK(DoubleBinary<std::multiplies<double>>)->Name("multiply/double");
BENCHMARK(DoubleBinary<std::divides<double>>)->Name("divide/double");

void RoundDouble(benchmark::State &state) {
    const Operands &v = Values();
    Cycle(state, [&](size_t i) { benchmark::DoNotOptimize(std::round(v.doubles[i] * 100) / 100); });
}
BENCHMARK(RoundDouble)->Name("round/double");

// ---- _Decimal128 ----

#ifdef NUMBER_BENCH_DECIMAL128
using Decimal128 = float __attribute__((mode(TD)));

// The library's 128-bit decimal bits (the same encoding as Decimal128),
// passed by value; rounding mode and flags are arguments.
struct alignas(16) BidBits {
    uint64_t w[2];
};
extern "C" BidBits __bid128_from_string(char *text, unsigned rounding, unsigned *flags);
extern "C" void __bid128_to_string(char *text, BidBits value, unsigned *flags);
extern "C" BidBits __bid128_quantize(BidBits value, BidBits exponentOf, unsigned rounding, unsigned *flags);
constexpr unsigned kTiesToEven = 0, kTiesAway = 4;

Decimal128 FromBits(BidBits bits) {
    Decimal128 d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

BidBits ToBits(Decimal128 d) {
    BidBits bits;
    std::memcpy(&bits, &d, sizeof d);
    return bits;
}

const std::vector<Decimal128> &Decimals() {
    static const std::vector<Decimal128> decimals = [] {
        std::vector<Decimal128> out;
        unsigned flags = 0;
        for (const std::string &text : Values().texts)
            out.push_back(FromBits(__bid128_from_string(const_cast<char *>(text.c_str()), kTiesToEven, &flags)));
        return out;
    }();
    return decimals;
}

void ParseDecimal(benchmark::State &state) {
    const Operands &v = Values();
    unsigned flags = 0;
    Cycle(state, [&](size_t i) {
        benchmark::DoNotOptimize(__bid128_from_string(const_cast<char *>(v.texts[i].c_str()), kTiesToEven, &flags));
    });
}
BENCHMARK(ParseDecimal)->Name("parse/_Decimal128");

void PrintDecimal(benchmark::State &state) {
    const std::vector<Decimal128> &d = Decimals();
    char buffer[64];
    unsigned flags = 0;
    Cycle(state, [&](size_t i) {
        __bid128_to_string(buffer, ToBits(d[i]), &flags);
        benchmark::DoNotOptimize(buffer);
    });
}
BENCHMARK(PrintDecimal)->Name("print/_Decimal128");

BENCHMARK(PeerBinary<Decimals, std::plus<Decimal128>>)->Name("add/_Decimal128");
BENCHMARK(PeerBinary<Decimals, std::multiplies<Decimal128>>)->Name("multiply/_Decimal128");
BENCHMARK(PeerBinary<Decimals, std::divides<Decimal128>>)->Name("divide/_Decimal128");

void RoundDecimal(benchmark::State &state) {
    const std::vector<Decimal128> &d = Decimals();
    unsigned flags = 0;
    char hundredth[] = "0.01";
    const BidBits places = __bid128_from_string(hundredth, kTiesToEven, &flags);
    Cycle(state, [&](size_t i) { benchmark::DoNotOptimize(__bid128_quantize(ToBits(d[i]), places, kTiesAway, &flags)); });
}
BENCHMARK(RoundDecimal)->Name("round/_Decimal128");
#endif

// ---- cpp_dec_float_50 ----

#ifdef NUMBER_BENCH_BOOST
using boost::multiprecision::cpp_dec_float_50;

const std::vector<cpp_dec_float_50> &BoostValues() {
    static const std::vector<cpp_dec_float_50> values = [] {
        std::vector<cpp_dec_float_50> out;
        for (const std::string &text : Values().texts) out.emplace_back(text);
        return out;
    }();
    return values;
}

void ParseBoost(benchmark::State &state) {
    const Operands &v = Values();
    Cycle(state, [&](size_t i) {
        cpp_dec_float_50 x(v.texts[i]);
        benchmark::DoNotOptimize(&x);
    });
}
BENCHMARK(ParseBoost)->Name("parse/cpp_dec_float_50");

void PrintBoost(benchmark::State &state) {
    const std::vector<cpp_dec_float_50> &b = BoostValues();
    Cycle(state, [&](size_t i) { benchmark::DoNotOptimize(b[i].str(kMaxDigits)); });
}
BENCHMARK(PrintBoost)->Name("print/cpp_dec_float_50");

BENCHMARK(PeerBinary<BoostValues, std::plus<cpp_dec_float_50>>)->Name("add/cpp_dec_float_50");
BENCHMARK(PeerBinary<BoostValues, std::multiplies<cpp_dec_float_50>>)->Name("multiply/cpp_dec_float_50");
BENCHMARK(PeerBinary<BoostValues, std::divides<cpp_dec_float_50>>)->Name("divide/cpp_dec_float_50");

void RoundBoost(benchmark::State &state) {
    const std::vector<cpp_dec_float_50> &b = BoostValues();
    cpp_dec_float_50 r;
    Cycle(state, [&](size_t i) {
        r = boost::multiprecision::round(b[i] * 100) / 100;
        benchmark::DoNotOptimize(&r);
    });
}
BENCHMARK(RoundBoost)->Name("round/cpp_dec_float_50");
#endif

} // namespace
