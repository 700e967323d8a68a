// Fuzzes the NUMBER text conversions and, on what they produce and on raw
// records, the arithmetic: nothing may read or write outside its buffers,
// every record written must have a valid length, and the text of a value at
// a width that holds all of its digits must read back to the same record.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "orvexrt/number.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

void CheckRecord(const NUMBER &n) { Check(n.bLength <= 24); }

// A record from raw fuzz bytes: any 25 bytes, valid or not.
NUMBER RawRecord(const uint8_t *data, size_t size) {
    NUMBER n{};
    std::memcpy(&n, data, size < sizeof n ? size : sizeof n);
    return n;
}

void CheckText(const NUMBER &n, int width) {
    std::vector<char> buffer(static_cast<size_t>(width) + 1, '\x7F');
    const int32_t length = NumToAscii(&n, buffer.data(), width);
    Check(length >= 0 && length <= width);
    Check(std::strlen(buffer.data()) == static_cast<size_t>(length));
}

// Whether a record's last digit is non-zero.  Hexadecimal reading may leave
// trailing zero digits; every other writer normalises.
bool IsNormalised(const NUMBER &n) {
    const auto *bytes = reinterpret_cast<const uint8_t *>(&n);
    if (n.bLength < 2) return true;
    const bool negative = n.bExponent < 0x80;
    const uint8_t last = bytes[negative ? n.bLength - 1 : n.bLength];
    return negative ? last != 100 : last != 0;
}

// The text of a value at a width that holds all its digits reads back to the
// value, and a normalised record to the same bytes.
void CheckRoundTrip(const NUMBER &n) {
    char text[256];
    if (NumToAscii(&n, text, 200) <= 0) return;
    NUMBER back;
    Check(NumAsciiToNumber(&back, text) > 0);
    Check(NumCompare(&n, &back) == 0);
    if (IsNormalised(n)) Check(std::memcmp(&back, &n, static_cast<size_t>(n.bLength) + 1) == 0);
}

void ExerciseArithmetic(const NUMBER &a, const NUMBER &b) {
    using BinaryOp = int32_t(ORVEXAPI *)(NUMBER *, const NUMBER *, const NUMBER *);
    for (BinaryOp op : {NumAddition, NumSubtract, NumMultiply, NumDivide}) {
        NUMBER r;
        op(&r, &a, &b);
        CheckRecord(r);
    }
    NUMBER r;
    NumRound(&r, &a, b.bLength % 40 - 20);
    CheckRecord(r);
    NumPower10(&r, &a, b.bLength % 130 - 65);
    NUMBER t = a;
    NumTruncate(&t, b.bLength % 50, b.bExponent % 30);
    NumNegate(&t);
    NumCompare(&a, &b);
    NUMBER da = a, db = b;
    DateCompare(&da, &db);
    int32_t flag;
    NumToLongReply(&a, &flag);
    CY cy;
    NumToLLong(&cy, &a, &flag);
    DECIMAL dec{};
    NumToDECIMAL(&dec, &a, &flag);
    double d;
    NumToDouble(&a, &d);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0) return 0;
    // An exactly sized copy: the parsers must stop at its terminator.
    const std::string text(reinterpret_cast<const char *>(data) + 1, size - 1);
    std::vector<char> input(text.begin(), text.end());
    input.push_back('\0');
    const int width = data[0] % 64 + 1;

    NUMBER parsed{};
    const int32_t consumed = NumAsciiToNumber(&parsed, input.data());
    Check(consumed >= -2 && consumed <= static_cast<int32_t>(text.size()));
    if (consumed > 0) {
        CheckRecord(parsed);
        CheckText(parsed, width);
        CheckRoundTrip(parsed);
    } else {
        Check(parsed.bLength == 0);
    }
    NUMBER hex{};
    const int32_t hexConsumed = NumHexAsciiToNumber(&hex, input.data());
    Check(hexConsumed >= 0 && hexConsumed <= static_cast<int32_t>(text.size()));
    CheckRecord(hex);
    CheckRoundTrip(hex);

    const NUMBER raw = RawRecord(data, size);
    CheckText(raw, width);
    ExerciseArithmetic(parsed, hex);
    ExerciseArithmetic(raw, parsed);
    ExerciseArithmetic(hex, raw);
    return 0;
}
