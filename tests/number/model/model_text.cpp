// NUMBER text conversions: decimal and hexadecimal text in, decimal text out.
#include "number_model.h"

namespace number_model {

using namespace detail;

namespace {

constexpr std::size_t kKeptDigitCharacters = 47;
constexpr long kExponentFieldLimit = 10000;

// Reads a text up to its end or its first NUL, answering NUL past the end.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text.substr(0, text.find('\0'))) {}

    char peek(std::size_t ahead = 0) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }
    void advance(std::size_t count = 1) { pos_ += count; }
    std::size_t position() const { return pos_; }
    std::string_view rest() const { return text_.substr(pos_); }

    bool accept(char wanted) {
        if (peek() != wanted) return false;
        advance();
        return true;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

bool isWhiteSpace(char c) { return c == ' ' || (c >= 0x09 && c <= 0x0D); }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexDigitValue(char c) {
    if (isDigit(c)) return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool startsHexPrefix(const Cursor &cursor) {
    return cursor.peek() == '0' && (cursor.peek(1) == 'x' || cursor.peek(1) == 'X');
}

NumberResult failed(std::int32_t code) { return {nullNumber(), code}; }

// Multiplies every digit by `factor` and adds `carry` at the end, carrying
// leftwards; a carry out of the first digit becomes a new first digit.
void scaleDigits(std::vector<int> &digits, long &exponent, int factor, int carry) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        const int product = *it * factor + carry;
        *it = product % 100;
        carry = product / 100;
    }
    if (carry != 0) {
        digits.insert(digits.begin(), carry);
        ++exponent;
    }
}

// Multiplies a non-negative NUMBER by a factor below 100 in place, digit by
// digit: a full 23-digit value first loses its last digit (half up), and
// trailing zero digits that the product leaves are kept.
Bytes multiplySmall(const Bytes &value, int factor) {
    const int length = value[0] & 0x3F;
    if (length < 2) return value;
    long exponent = value[1] - 0xC0;
    std::vector<int> digits(value.begin() + 2, value.begin() + 1 + length);
    if (digits.size() == 23) {
        const int dropped = digits.back();
        digits.pop_back();
        scaleDigits(digits, exponent, 1, dropped >= 50 ? 1 : 0);
    }
    scaleDigits(digits, exponent, factor, 0);
    std::vector<std::uint8_t> body{static_cast<std::uint8_t>(0xC0 + exponent)};
    for (const int digit : digits) body.push_back(static_cast<std::uint8_t>(digit));
    return numberFromBytes(body);
}

// The decimal digits of a number as NumAsciiToNumber collects them: the
// significant characters kept (at most 47) and the decimal point's position
// P (value = 0.kept x 10^P).
struct DecimalDigits {
    std::string kept;
    long point = 0;
    bool anyDigit = false;
};

void readIntegerDigits(Cursor &cursor, DecimalDigits &number) {
    while (cursor.peek() == '0') { // leading zeros: seen, but not significant
        number.anyDigit = true;
        cursor.advance();
    }
    while (isDigit(cursor.peek())) {
        number.anyDigit = true;
        if (number.kept.size() < kKeptDigitCharacters) number.kept += cursor.peek();
        ++number.point;
        cursor.advance();
    }
}

void readFractionDigits(Cursor &cursor, DecimalDigits &number) {
    while (isDigit(cursor.peek())) {
        number.anyDigit = true;
        if (number.kept.empty() && cursor.peek() == '0')
            --number.point;
        else if (number.kept.size() < kKeptDigitCharacters)
            number.kept += cursor.peek();
        cursor.advance();
    }
}

// Reads an exponent field; false when it reaches the limit.
bool readExponent(Cursor &cursor, DecimalDigits &number) {
    if (cursor.peek() != 'e' && cursor.peek() != 'E') return true;
    cursor.advance();
    const bool negative = cursor.peek() == '-';
    if (negative || cursor.peek() == '+') cursor.advance();
    long exponent = 0;
    while (isDigit(cursor.peek())) {
        exponent = exponent * 10 + (cursor.peek() - '0');
        if (exponent >= kExponentFieldLimit) return false;
        cursor.advance();
    }
    number.point += negative ? -exponent : exponent;
    return true;
}

// Packs the collected digits, or answers -1 / -2 when the point lies out of
// range.
NumberResult buildDecimal(const DecimalDigits &number, bool negative, std::size_t consumed) {
    long biasedDecimal = 128 + number.point;
    if (biasedDecimal < 0) return failed(-2);
    if (biasedDecimal % 2 != 0) ++biasedDecimal;
    if (biasedDecimal / 2 > 124) return failed(-1);
    Exact exact;
    exact.negative = negative;
    if (!number.kept.empty()) exact.magnitude = mpz_class(number.kept);
    exact.exp10 = number.point - static_cast<long>(number.kept.size());
    return {pack(exact), static_cast<std::int32_t>(consumed)};
}

// ---- decimal text out ------------------------------------------------------

// The value's significant characters and point position, as NumToAscii
// derives them.
struct Shown {
    bool negative = false;
    std::string digits; // S
    long point = 0;     // P: value = 0.S x 10^P
    mpz_class integer() const { return mpz_class(digits); }
    long count() const { return static_cast<long>(digits.size()); }
};

// S rounded half up to `kept` characters (padded with zeros when longer).
mpz_class roundedDigits(const Shown &shown, long kept) {
    if (kept >= shown.count()) return shown.integer() * powerOf10(kept - shown.count());
    return divideRoundingHalfUp(shown.integer(), shown.count() - kept);
}

std::string signOf(const Shown &shown) { return shown.negative ? "-" : ""; }

TextResult notFitting() { return {0, "", TextResult::Freedom::Text}; }

TextResult written(std::string text) {
    const auto length = static_cast<std::int32_t>(text.size());
    return {length, std::move(text), TextResult::Freedom::None};
}

std::string twoDigits(long value) {
    return std::string(1, static_cast<char>('0' + value / 10)) + static_cast<char>('0' + value % 10);
}

// d.ddddE+xx filling the width (after the sign) exactly.
TextResult scientific(const Shown &shown, long width) {
    const long mantissaDigits = width - 5;
    if (mantissaDigits < 1) return notFitting();
    mpz_class mantissa = roundedDigits(shown, mantissaDigits);
    long exponent = shown.point - 1;
    if (mantissa == powerOf10(mantissaDigits)) {
        mantissa = powerOf10(mantissaDigits - 1);
        ++exponent;
    }
    if (exponent > 99 || exponent < -99) {
        mantissa = powerOf10(mantissaDigits) - 1;
        exponent = exponent > 0 ? 99 : -99;
    }
    const std::string m = mantissa.get_str();
    return written(signOf(shown) + m.substr(0, 1) + "." + m.substr(1) + "E" + (exponent < 0 ? "-" : "+") +
                   twoDigits(exponent < 0 ? -exponent : exponent));
}

std::string withoutTrailingZeros(std::string text) {
    while (!text.empty() && text.back() == '0') text.pop_back();
    return text;
}

// `value` (below 10^width) as exactly `width` digits.
std::string paddedTo(const mpz_class &value, long width) {
    const std::string text = value == 0 ? "" : value.get_str();
    return std::string(static_cast<std::size_t>(width - static_cast<long>(text.size())), '0') + text;
}

// A value below 1 with `places` characters after the point.
TextResult plainBelowOne(const Shown &shown, long places) {
    if (places < 1) return notFitting();
    const mpz_class shownPlaces = roundedDigits(shown, places + shown.point);
    if (shownPlaces == 0) return {0, "", TextResult::Freedom::TextAndResult}; // no significant digit fits
    if (shownPlaces == powerOf10(places)) return written(signOf(shown) + "1");
    return written(signOf(shown) + "." + withoutTrailingZeros(paddedTo(shownPlaces, places)));
}

// A value of 1 or more with `places` digit places from the first digit.
TextResult plainFromOne(const Shown &shown, long places, long width) {
    const long fractionPlaces = places - shown.point;
    const mpz_class rounded = roundedDigits(shown, places);
    const mpz_class unit = powerOf10(fractionPlaces);
    const std::string integerPart = mpz_class(rounded / unit).get_str();
    if (static_cast<long>(integerPart.size()) > width)
        return scientific(shown, width); // the carry made the integer part too long
    const std::string fraction = withoutTrailingZeros(paddedTo(rounded % unit, fractionPlaces));
    return written(signOf(shown) + integerPart + (fraction.empty() ? "" : "." + fraction));
}

} // namespace

NumberResult hexAsciiToNumber(std::string_view text) {
    Cursor cursor(text);
    while (cursor.peek() == ' ' || cursor.peek() == '\t') cursor.advance();
    const bool negative = cursor.peek() == '-';
    if (negative || cursor.peek() == '+') cursor.advance();
    if (startsHexPrefix(cursor)) cursor.advance(2);
    while (cursor.peek() == '0') cursor.advance();
    Bytes value = zeroNumber();
    for (int digit; (digit = hexDigitValue(cursor.peek())) >= 0; cursor.advance()) {
        value = multiplySmall(value, 16);
        if (digit != 0) value = add(value, fromWord(static_cast<std::uint16_t>(digit)).value).value;
    }
    if (negative) value = negate(value).value;
    return {value, static_cast<std::int32_t>(cursor.position())};
}

NumberResult asciiToNumber(std::string_view text) {
    Cursor cursor(text);
    while (isWhiteSpace(cursor.peek())) cursor.advance();
    if (cursor.peek() == '\0') return failed(0);
    const std::size_t signPosition = cursor.position();
    const bool negative = cursor.peek() == '-';
    if (negative || cursor.peek() == '+') cursor.advance();
    if (startsHexPrefix(cursor)) {
        const std::size_t start = negative ? signPosition : cursor.position();
        const NumberResult hex = hexAsciiToNumber(text.substr(start));
        return {hex.value, static_cast<std::int32_t>(start) + hex.result};
    }
    DecimalDigits number;
    readIntegerDigits(cursor, number);
    if (cursor.accept('.')) readFractionDigits(cursor, number);
    if (!number.anyDigit) return failed(0);
    if (!readExponent(cursor, number)) return failed(-1);
    return buildDecimal(number, negative, cursor.position());
}

TextResult toAscii(const Bytes &number, std::int32_t width) {
    const int length = lengthOf(number, LengthRule::SixBits);
    if (length == 0 || length >= 25) return {0, "", TextResult::Freedom::None};
    const Exact exact = exactOf(unpack(number, length));
    const Significand significand = significandOf(exact);
    const Shown shown{exact.negative, significand.digits, significand.point};
    long w = width & 0xFFFF;
    if (shown.negative) --w;
    if (shown.digits.empty()) return w < 1 ? notFitting() : written("0");
    if (shown.point < 1) {
        const long zerosAfterPoint = -shown.point;
        if (w <= zerosAfterPoint + shown.count() + 1 && zerosAfterPoint >= 4) return scientific(shown, w);
        return plainBelowOne(shown, w - 1);
    }
    if (shown.point > w) return scientific(shown, w);
    const bool needsPoint = shown.count() > shown.point;
    long places = shown.point;
    if (needsPoint && w == 1)
        places = 1;
    else if (shown.point > shown.count() || w > shown.point)
        places = w - (needsPoint ? 1 : 0);
    return plainFromOne(shown, places, w);
}

} // namespace number_model
