#include "calc_expression.h"

#include <cctype>
#include <string>

namespace orvex {
namespace {

// A recursive-descent reader; the first error stops it and is kept.
class CalcParser {
public:
    explicit CalcParser(std::string_view text) : text_(text) {}

    CalcResult Run() {
        CalcResult result;
        NUMBER value = Expression();
        SkipBlanks();
        if (!failed_ && pos_ < text_.size()) Fail("unexpected '" + std::string(1, text_[pos_]) + "'");
        result.ok = !failed_;
        result.value = value;
        result.errorPosition = errorPosition_;
        result.error = error_;
        return result;
    }

private:
    using BinaryOp = int32_t(ORVEXAPI *)(NUMBER *, const NUMBER *, const NUMBER *);

    void Fail(std::string message) {
        if (failed_) return;
        failed_ = true;
        errorPosition_ = pos_;
        error_ = std::move(message);
    }

    void SkipBlanks() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
    }

    bool Accept(char c) {
        SkipBlanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    void Expect(char c) {
        if (!Accept(c)) Fail(std::string("expected '") + c + "'");
    }

    // Folds left-associative operators of one precedence level.
    template <typename Operand>
    NUMBER Fold(Operand operand, char first, BinaryOp firstOp, char second, BinaryOp secondOp) {
        NUMBER left = (this->*operand)();
        while (!failed_) {
            BinaryOp op = Accept(first) ? firstOp : (Accept(second) ? secondOp : nullptr);
            if (!op) break;
            const NUMBER right = (this->*operand)();
            op(&left, &left, &right);
        }
        return left;
    }

    NUMBER Expression() { return Fold(&CalcParser::Term, '+', NumAddition, '-', NumSubtract); }
    NUMBER Term() { return Fold(&CalcParser::Factor, '*', NumMultiply, '/', NumDivide); }

    NUMBER Factor() {
        if (Accept('-')) {
            NUMBER value = Factor();
            NumNegate(&value);
            return value;
        }
        if (Accept('+')) return Factor();
        if (Accept('(')) {
            NUMBER value = Expression();
            Expect(')');
            return value;
        }
        SkipBlanks();
        if (pos_ < text_.size() && std::isalpha(static_cast<unsigned char>(text_[pos_]))) return Function();
        return Literal();
    }

    // An integer argument of a function.
    int32_t IntegerArgument() {
        const NUMBER value = Expression();
        int32_t overflow = 0;
        const int32_t n = NumToLongReply(&value, &overflow);
        if (overflow) Fail("argument out of range");
        return n;
    }

    NUMBER Function() {
        const size_t start = pos_;
        while (pos_ < text_.size() && std::isalpha(static_cast<unsigned char>(text_[pos_]))) ++pos_;
        const std::string_view name = text_.substr(start, pos_ - start);
        NUMBER value{};
        if (name == "round") {
            Expect('(');
            const NUMBER x = Expression();
            Expect(',');
            const int32_t places = IntegerArgument();
            Expect(')');
            NumRound(&value, &x, places);
        } else if (name == "trunc") {
            Expect('(');
            value = Expression();
            Expect(',');
            const int32_t precision = IntegerArgument();
            Expect(',');
            const int32_t scale = IntegerArgument();
            Expect(')');
            NumTruncate(&value, precision, scale);
        } else {
            pos_ = start;
            Fail("unknown function '" + std::string(name) + "'");
        }
        return value;
    }

    NUMBER Literal() {
        NUMBER value{};
        const char c = pos_ < text_.size() ? text_[pos_] : '\0';
        if (!std::isdigit(static_cast<unsigned char>(c)) && c != '.') {
            Fail(c ? "expected a number" : "expected a number at the end");
            return value;
        }
        const std::string rest(text_.substr(pos_));
        const int32_t consumed = NumAsciiToNumber(&value, rest.c_str());
        if (consumed == -1 || consumed == -2) {
            Fail(consumed == -1 ? "number too large" : "number too small");
        } else if (consumed <= 0) {
            Fail("expected a number");
        } else {
            pos_ += static_cast<size_t>(consumed);
        }
        return value;
    }

    std::string_view text_;
    size_t pos_ = 0;
    bool failed_ = false;
    size_t errorPosition_ = 0;
    std::string error_;
};

} // namespace

CalcResult EvaluateCalc(std::string_view expression) { return CalcParser(expression).Run(); }

} // namespace orvex
