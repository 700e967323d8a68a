// Known results of the NUMBER functions: the unit tests hold the library to
// them on every system, and number_differential holds its exact model to
// them before comparing the model with the library.  Values are decimal
// texts, or record bytes after '#'.
#pragma once

#include <cstdint>
#include <string>

namespace number_examples {

inline std::string Repeat(const std::string &unit, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += unit;
    return s;
}

// NumAsciiToNumber: the characters read and the record; a refusal reads as
// the null record "00".
struct Read {
    const char *text;
    int consumed;
    const char *bytes;
};
inline constexpr Read kReads[] = {
    {"0", 1, "01 C0"},
    {"1", 1, "02 C1 01"},
    {"-1", 2, "03 3E 63 65"},
    {"99", 2, "02 C1 63"},
    {"-99", 3, "03 3E 01 65"},
    {"100", 3, "02 C2 01"},
    {"0.5", 3, "02 C0 32"},
    {".5", 2, "02 C0 32"},
    {"3.14159", 7, "05 C1 03 0E 0F 5A"},
    {"123.45", 6, "04 C2 01 17 2D"},
    {"-123.45", 7, "05 3D 63 4D 37 65"},
    {"0.00001", 7, "02 BE 0A"},
    {"-0.001", 6, "03 40 5A 65"},
    {"1e118", 5, "02 FC 01"},
    {"  -12.50e1", 10, "04 3D 63 4B 65"},
    {"+7xyz", 2, "02 C1 07"},
    {"00012.3400", 10, "03 C1 0C 22"},
    {"5e", 2, "02 C1 05"},
    {"\t\n 42 ", 5, "02 C1 2A"},
    // A first dropped digit of exactly 50 rounds up; 49 does not.
    {"1.0000000000000000000000000000000000000000000050", 48, "18 C1 01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 01"},
    {"1.0000000000000000000000000000000000000000000049", 48, "02 C1 01"},
    // 47 significant characters are kept, the 48th is dropped unrounded but
    // still counts as a place; the packing rounds to 23 digits.
    {"12345678901234567890123456789012345678901234567899", 50,
     "18 D9 0C 22 38 4E 5A 0C 22 38 4E 5A 0C 22 38 4E 5A 0C 22 38 4E 5A 0C 22 39"},
    // 47 nines round up through every 99 to 10^47; 46 nines fit 23 digits,
    // but only 22 when negative.
    {"99999999999999999999999999999999999999999999999", 47, "02 D8 0A"},
    {"9999999999999999999999999999999999999999999999", 46,
     "18 D7 63 63 63 63 63 63 63 63 63 63 63 63 63 63 63 63 63 63 63 63 63 63 63"},
    {"-9999999999999999999999999999999999999999999999", 47, "03 27 63 65"},
    // Values beyond E = -60 keep their digits with E clamped to -60.
    {"1e-125", 6, "02 84 0A"},
    {"", 0, "00"},
    {"   ", 0, "00"},
    {"-", 0, "00"},
    {"+", 0, "00"},
    {".", 0, "00"},
    {"-.", 0, "00"},
    {"abc", 0, "00"},
    {"e5", 0, "00"},
    {"1e999", -1, "00"},
    {"1e10000", -1, "00"},
    {"1e120", -1, "00"},
    {"1e99999999", -1, "00"},
    {"1e-130", -2, "00"},
    {"0x1F", 4, "02 C1 1F"},
    {"0X1f", 4, "02 C1 1F"},
    {"-0x10", 5, "03 3E 54 65"},
    {"  0x", 4, "01 C0"},
    {"0xFFFFFFFF", 10, "06 C5 2A 5E 60 48 5F"},
    {"+0x10g", 5, "02 C1 10"},
};

// NumToAscii: one row for each way the text is fitted to its width: as it
// is, rounded, rounded into one more integer digit, without a leading zero,
// in scientific form, or not at all ("").
struct Written {
    const char *value;
    int width;
    const char *text;
};
inline constexpr Written kWritten[] = {
    {"123.45", 10, "123.45"},
    {"123.45", 4, "123"},
    {"123.45", 5, "123.5"},
    {"123.45", 2, ""},
    {"0.5", 5, ".5"},
    {"-0.5", 5, "-.5"},
    {"0", 1, "0"},
    {"0", 0, ""},
    {"0.0000123", 12, ".0000123"},
    {"0.0000123", 7, "1.2E-05"},
    {"9.96", 2, "10"},
    {"9.5", 1, ""},
    {"1.5", 1, "2"},
    {"1.5e20", 10, "1.5000E+20"},
    {"1.5e20", 21, "150000000000000000000"},
    {"-1.5e20", 10, "-1.500E+20"},
    {"1000000", 6, "1.E+06"},
    {"0.96", 2, "1"},
    {"0.0096", 4, ".01"},
    {"-2", 1, ""},
    {"1e-100", 10, "9.9999E-99"},
    {"-1e110", 8, "-9.9E+99"},
    {"12345678901234567890123456789012345678901234567", 60, "12345678901234567890123456789012345678901234600"},
    {"99.96", 4, "100"},
};

enum class Op { Add, Subtract, Multiply, Divide };
struct Binary {
    Op op;
    const char *a, *b;
    std::string bytes;
};
inline const Binary kBinary[] = {
    {Op::Add, "0.1", "0.2", "02 C0 1E"},
    {Op::Add, "1", "1e-50", "02 C1 01"},
    {Op::Add, "0", "-5", "03 3E 5F 65"},
    {Op::Add, "#00", "7", "02 C1 07"}, // null counts as zero
    {Op::Add, "#00", "#00", "01 C0"},
    {Op::Add, "99", "1", "02 C2 01"},
    {Op::Add, "-99", "-1", "03 3D 63 65"},
    {Op::Add, "5", "-5", "01 C0"},
    {Op::Add, "-3", "5", "02 C1 02"},
    {Op::Subtract, "3", "5", "03 3E 62 65"},
    {Op::Subtract, "1", "0.000001", "04 C0 63 63 63"},
    // Twenty-three digits of 99 plus one unit of the last place carry through.
    {Op::Add, "99999999999999999999999999999999999999999999.99", "0.01", "02 D7 01"},
    // Short operands whose places span the whole integer range: a carry
    // through every digit, a cancellation down to the last place, a sign
    // change.
    {Op::Add, "999999999999999999999999", "1", "02 CD 01"},
    {Op::Subtract, "-999999999999999999999999", "1", "03 32 63 65"},
    {Op::Subtract, "1234567890123456.78", "1234567890123456.77", "02 C0 01"},
    {Op::Subtract, "0.5", "123456789.5", "07 3A 63 4D 37 21 0B 65"},
    {Op::Multiply, "9999999999999999", "9999999999999999", "11 D0 63 63 63 63 63 63 63 62 00 00 00 00 00 00 00 01"},
    {Op::Multiply, "1.5", "-2", "03 3E 61 65"},
    {Op::Multiply, "0", "-2", "01 C0"},
    {Op::Multiply, "#00", "3", "01 C0"},
    {Op::Multiply, "1e60", "1e60", "02 FC 01"}, // clamped, no error
    {Op::Divide, "5", "0", "02 FC 01"},
    {Op::Divide, "-5", "0", "03 03 63 65"},
    {Op::Divide, "0", "0", "01 C0"},
    {Op::Divide, "#00", "3", "01 C0"},
    {Op::Divide, "10", "4", "03 C1 02 32"},
    // Twenty-four quotient digits, truncated: 1/3 keeps 23 digits of 33; the
    // first quotient digit of 2/3 is 0, so no digit is left to round on;
    // -1/3 keeps 22.
    {Op::Divide, "1", "3", "18 C0 " + Repeat("21 ", 22) + "21"},
    {Op::Divide, "2", "3", "18 C0 " + Repeat("42 ", 22) + "42"},
    {Op::Divide, "-1", "3", "18 3F " + Repeat("43 ", 22) + "65"},
    {Op::Divide, "200", "3", "18 C1 " + Repeat("42 ", 22) + "42"},
    // 1 / (100^n - 1) repeats a 1 every n places: divisors of nine and of
    // eleven base-100 digits, on either side of the short divisors.
    {Op::Divide, "1", "99", "18 C0 " + Repeat("01 ", 22) + "01"},
    {Op::Divide, "1", "999999999999999999", "14 B8 01 " + Repeat("00 ", 8) + "01 " + Repeat("00 ", 8) + "01"},
    {Op::Divide, "1", "9999999999999999999999", "18 B6 01 " + Repeat("00 ", 10) + "01 " + Repeat("00 ", 10) + "01"},
    // Long runs of 99 in both operands: quotient estimates that land a unit
    // or two off on both sides of a limb boundary.
    {Op::Divide, "#18 EC 63 63 63 63 63 63 63 63 63 4D 63 63 63 63 63 63 3B 63 43 4A 63 63 63",
     "#18 EA 63 63 63 63 63 63 63 63 63 63 63 63 63 63 63 63 63 63 31 63 63 32 63",
     "18 C2 63 63 63 63 63 63 63 63 63 4D 63 63 63 63 63 63 3C 00 11 4B 00 30 63"},
};

// NumCompare and DateCompare, each row both ways round.
struct Compared {
    const char *a, *b;
    int result;
};
inline constexpr Compared kCompared[] = {
    {"#00", "-5", -1},
    {"#00", "#00", 0},
    {"-2", "-10", 1},
    {"1.5", "#03 C1 01 32 00", 0},
    {"0", "-1", 1},
    {"0", "1", -1},
    {"1", "2", -1},
    {"100", "99", 1},
    {"-100", "-99", -1},
    {"1.01", "1.0101", -1},
    {"#19 C1 01", "1", 0},
    // With the top bit set only the low four bits are the length.
    {"#82 C1 05", "5", 0},
};
inline constexpr Compared kDateCompared[] = {
    {"45000.5", "45000.50000000000000001", 0},
    {"45000.5", "45000.500000000000001", -1},
    {"1e-17", "0", 1},
    // Differences below 3e-16 are the same moment.
    {"1.0000000000000003", "1", 1},
    {"1.00000000000000029", "1", 0},
    {"#00", "1", -1},
    {"-1", "1", -1},
    {"2", "1", 1},
};

// NumRound and NumTruncate; results as NumToAscii writes them at width 60.
struct Rounded {
    const char *value;
    int places;
    const char *result;
};
inline constexpr Rounded kRounded[] = {
    {"2.5", 0, "3"},        {"-2.5", 0, "-3"},    {"0.004", 2, "0"},   {"0.006", 2, ".01"},    {"99.96", 1, "100"},
    {"1234", -2, "1200"},   {"1250", -2, "1300"}, {"0.5", 0, "1"},     {"0.4", 0, "0"},        {"12.345", 2, "12.35"},
    {"12.344", 2, "12.34"}, {"12.3", 5, "12.3"},  {"-0.05", 1, "-.1"}, {"999.95", 1, "1000"},  {"7", -3, "0"},
    {"0", 3, "0"},          {"#00", 2, "0"},      {"1e50", -200, "0"}, {"5", 2000000000, "5"},
};
struct Truncated {
    const char *value;
    int precision, scale;
    const char *result;
};
inline constexpr Truncated kTruncated[] = {
    {"12345.678", 4, 2, "45.67"},
    {"12345.678", 10, 0, "12345"},
    {"-12345.678", 5, 1, "-2345.6"},
    {"0.999", 3, 2, ".99"},
    {"123", 2, 0, "23"},
    {"123", 1, 0, "3"},
    {"100", 2, 0, "0"},
    {"0", 5, 2, "0"},
};
// Powers of ten at width 9.
inline constexpr Rounded kScaled[] = {
    {"1.5", 3, "1500"},     {"1.5", -1, ".15"},      {"1.5", 0, "1.5"}, {"-2", 5, "-200000"},
    {"1", 60, "1.000E+60"}, {"1", -60, "1.000E-60"}, {"7", 1, "70"},    {"7", -2, ".07"},
};

// NumToLong and its kin: the 32 bits and the overflow flag.
struct Integer {
    const char *value;
    std::uint32_t bits;
    int overflow;
};
inline constexpr Integer kIntegers[] = {
    {"123.99", 123, 0},
    {"-123.99", std::uint32_t(-123), 0},
    {"0.5", 0, 0},
    {"#00", 0, 0},
    {"3000000000", 0xB2D05E00u, 0},
    {"2147483647", 0x7FFFFFFFu, 0},
    {"-2147483648", 0x80000000u, 0},
    {"1e12", std::uint32_t(1000000000000ull), 1},
    {"4294967295", 0xFFFFFFFFu, 0},
    {"1e20", 1661992960u, 1},
};

// CY values and their padded records.
struct Currency {
    std::int64_t value;
    const char *bytes;
};
inline constexpr Currency kCurrencies[] = {
    {-1, "04 3E 63 64 65"},
    {0, "04 C0 00 00 00"},
    {1, "04 C1 01 00 00"},
    {100, "04 C2 01 00 00"},
    {INT64_MAX, "0C CA 09 16 21 48 03 44 36 4D 3A 07 00"},
    {INT64_MIN, "0C 35 5B 4E 43 1C 61 20 2E 17 2A 5C 65"},
};

// DECIMAL fields: the 96-bit magnitude as its low 64 bits and high 32.
struct Decimal {
    std::uint64_t low;
    std::uint32_t high;
    int scale;
    bool negative;
};
struct DecimalRead {
    Decimal decimal;
    const char *text;
};
inline constexpr DecimalRead kDecimalReads[] = {
    {{15, 0, 1, false}, "1.5"},
    {{15, 0, 2, false}, ".15"},
    {{15, 0, 0, true}, "-15"},
    {{0, 0, 5, false}, "0"},
    {{~0ull, ~0u, 0, false}, "79228162514264337593543950335"},
    {{~0ull, ~0u, 28, false}, "7.9228162514264337593543950335"},
    {{1, 0, 27, true}, "-.000000000000000000000000001"},
};
// NumToDECIMAL: the record written, or left `unchanged`, and the overflow flag.
struct DecimalWritten {
    const char *value;
    Decimal decimal;
    int overflow;
    bool unchanged;
};
inline constexpr DecimalWritten kDecimalWrites[] = {
    {"1.5", {150, 0, 2, false}, 0, false},
    {"-1.5", {150, 0, 2, true}, 0, false},
    {"0.123456789012345678901234567890", {0x6D797A91BE38F34Eull, 0x3FD35EB, 28, false}, 0, false},
    {"1e-30", {0, 0, 28, false}, 0, false},
    {"0", {0, 0, 0, false}, 0, false},
    {"#00", {0, 0, 0, false}, 0, false},
    {"123", {123, 0, 0, false}, 0, false},
    {"1e20", {0x6BC75E2D63100000ull, 5, 0, false}, 0, false},
    // The test looks before each step: the last one may carry past 96 bits
    // unreported, leaving the magnitude modulo 2^96.
    {"1e29", {0x6D7217CAA0000000ull, 0x431E0FAE, 0, false}, 0, false},
    {"1e31", {0xC0914B2680000000ull, 0x37BE2022, 0, false}, 1, false},
    {"1e-32", {}, 1, true},
    {"1e70", {}, 1, true},
};

} // namespace number_examples
