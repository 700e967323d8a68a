// orvex str: the library's string functions at the command line.
//
// Texts reach the library byte for byte as the command line gives them (a
// UTF-8 terminal gives UTF-8 bytes, which the library reads as bytes of the
// ANSI code page); converting them is not done yet.  Results are printed in
// brackets, so that blanks show, followed by the function's result.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "command.h"
#include "orvexrt.h"

namespace orvex {
namespace {

constexpr const char kOperations[] =
    "operations (add --bytes to left, mid, right and replace to count bytes):\n"
    "  len TEXT                      characters and bytes\n"
    "  left TEXT N | right TEXT N    the first or last N characters\n"
    "  mid TEXT START LEN            LEN characters from START (from 0)\n"
    "  replace TEXT REPL START COUNT\n"
    "                                COUNT characters from START replaced by REPL\n"
    "  upper | lower | proper | trim TEXT\n"
    "  scan TEXT PATTERN             where PATTERN matches, ignoring case (% any run,\n"
    "                                _ one character, \\ the next one literally)\n"
    "  token TEXT --delims D [--skip S] [--prefix C] [--quote Q | --nested]\n"
    "                                the first token of TEXT\n"
    "  number TEXT                   the integer and the double TEXT begins with\n"
    "texts are passed to the library byte for byte, without conversion to the\n"
    "ANSI code page\n";

const Command *StrCommand() {
    for (const Command &c : Commands())
        if (c.name == "str") return &c;
    return nullptr;
}

int StrUsage(const std::string &message) {
    const int status = UsageError(message, StrCommand());
    std::fputs(kOperations, stderr);
    return status;
}

// A text the library may write into: the bytes and a terminator.
std::vector<char> Buffer(std::string_view text, size_t extra = 0) {
    std::vector<char> buffer(text.size() + extra + 1, '\0');
    std::copy(text.begin(), text.end(), buffer.begin());
    return buffer;
}

std::optional<int32_t> ParseInt(std::string_view text) {
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

void PrintText(const char *text, int32_t result) { std::printf("[%s] %d\n", text, static_cast<int>(result)); }

std::string BytesRead(int32_t n) { return std::to_string(n) + (n == 1 ? " byte read" : " bytes read"); }

// The words of the operation, with the options pulled out.
struct Words {
    std::vector<std::string> positional;
    bool bytes = false;
    bool nested = false;
    std::optional<std::string> skip, delims, prefix, quote;
};

std::optional<Words> SplitWords(Args args, std::string &error) {
    Words words;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        std::optional<std::string> *option = nullptr;
        if (arg == "--bytes") {
            words.bytes = true;
        } else if (arg == "--nested") {
            words.nested = true;
        } else if (arg == "--skip") {
            option = &words.skip;
        } else if (arg == "--delims") {
            option = &words.delims;
        } else if (arg == "--prefix") {
            option = &words.prefix;
        } else if (arg == "--quote") {
            option = &words.quote;
        } else {
            words.positional.emplace_back(arg);
        }
        if (option != nullptr) {
            if (i + 1 == args.size()) {
                error = std::string(arg) + " needs a value";
                return std::nullopt;
            }
            *option = std::string(args[++i]);
        }
    }
    return words;
}

int RunSubstring(const std::string &op, const Words &w) {
    const std::string &text = w.positional[1];
    const size_t needed = op == "replace" ? 5 : (op == "mid" ? 4 : 3);
    if (w.positional.size() != needed) return StrUsage(op + " takes " + std::to_string(needed - 2) + " arguments");
    std::vector<std::optional<int32_t>> numbers;
    for (size_t i = op == "replace" ? 3 : 2; i < needed; ++i) numbers.push_back(ParseInt(w.positional[i]));
    for (const auto &n : numbers)
        if (!n) return StrUsage(op + ": positions and counts are whole numbers");
    const std::string repl = op == "replace" ? w.positional[2] : "";
    auto src = Buffer(text);
    auto dst = Buffer("", text.size() + repl.size());
    int32_t result = 0;
    if (op == "left") result = (w.bytes ? IntlStrLeftB : IntlStrLeft)(dst.data(), src.data(), *numbers[0]);
    if (op == "right") result = (w.bytes ? IntlStrRightB : IntlStrRight)(dst.data(), src.data(), *numbers[0]);
    if (op == "mid") result = (w.bytes ? IntlStrMidB : IntlStrMid)(dst.data(), src.data(), *numbers[0], *numbers[1]);
    if (op == "replace") {
        result = (w.bytes ? IntlStrReplaceB : IntlStrReplace)(dst.data(), src.data(), repl.c_str(), *numbers[0],
                                                              *numbers[1]);
    }
    PrintText(dst.data(), result);
    return kSuccess;
}

int RunToken(const Words &w) {
    if (w.positional.size() != 2 || !w.delims) return StrUsage("token takes a text and --delims");
    if (w.nested && w.quote) return StrUsage("token: --quote and --nested exclude each other");
    const std::string skip = w.skip.value_or("");
    const uint16_t prefix = w.prefix && !w.prefix->empty() ? static_cast<uint8_t>((*w.prefix)[0]) : 0;
    auto src = Buffer(w.positional[1]);
    auto dst = Buffer("", src.size());
    int32_t result = 0;
    if (w.quote) {
        const auto quote = static_cast<uint8_t>(w.quote->empty() ? '\0' : (*w.quote)[0]);
        result = IntlStrGetTokenQuoted(dst.data(), src.data(), skip.c_str(), w.delims->c_str(), prefix, quote, 0);
    } else if (w.nested) {
        result = IntlStrGetTokenNestedParens(dst.data(), src.data(), skip.c_str(), w.delims->c_str(), prefix, 0);
    } else {
        result = IntlStrGetToken(dst.data(), src.data(), skip.c_str(), w.delims->c_str(), prefix, 0);
    }
    PrintText(dst.data(), result);
    return kSuccess;
}

int RunNumber(const std::string &text) {
    int32_t whole = 0;
    const int32_t wholeRead = IntlFetchNextNumLong(&whole, text.c_str());
    if (wholeRead > 0)
        std::printf("long:   %d (%s)\n", static_cast<int>(whole), BytesRead(wholeRead).c_str());
    else
        std::printf("long:   none (%d)\n", static_cast<int>(wholeRead));
    double value = 0.0;
    const int32_t valueRead = IntlFetchNextNumDouble(&value, text.c_str());
    if (valueRead > 0)
        std::printf("double: %.17g (%s)\n", value, BytesRead(valueRead).c_str());
    else
        std::printf("double: %s (%d)\n", valueRead == 0 ? "none" : "refused", static_cast<int>(valueRead));
    return kSuccess;
}

// upper, lower, proper and trim: one text in, one out.
int RunCase(const std::string &op, const std::string &text) {
    auto src = Buffer(text);
    auto dst = Buffer("", text.size());
    if (op == "upper" || op == "lower") {
        (op == "upper" ? IntlStrUpper : IntlStrLower)(src.data());
        PrintText(src.data(), IntlStrLen(src.data()));
        return kSuccess;
    }
    const int32_t result = (op == "proper" ? IntlStrProper : IntlStrTrim)(dst.data(), src.data());
    PrintText(dst.data(), result);
    return kSuccess;
}

} // namespace

int RunStr(Args args) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::printf("usage: orvex str OPERATION TEXT [ARGS]\n%s", kOperations);
        return kSuccess;
    }
    std::string error;
    const std::optional<Words> words = SplitWords(args, error);
    if (!words) return StrUsage(error);
    if (words->positional.size() < 2) return StrUsage("str needs an operation and a text");
    const std::string &op = words->positional[0];
    const std::string &text = words->positional[1];
    if (op == "left" || op == "right" || op == "mid" || op == "replace") return RunSubstring(op, *words);
    if (op == "token") return RunToken(*words);
    if (words->bytes || words->nested || words->skip || words->delims || words->prefix || words->quote)
        return StrUsage(op + " takes no options");
    if (op == "scan") {
        if (words->positional.size() != 3) return StrUsage("scan takes a text and a pattern");
        std::printf("%d\n", static_cast<int>(IntlStrScan(text.c_str(), words->positional[2].c_str())));
        return kSuccess;
    }
    if (words->positional.size() != 2) return StrUsage(op + " takes one text");
    if (op == "len") {
        std::printf("%d characters, %d bytes\n", static_cast<int>(IntlStrLen(text.c_str())),
                    static_cast<int>(IntlStrLenB(text.c_str())));
        return kSuccess;
    }
    if (op == "number") return RunNumber(text);
    if (op == "upper" || op == "lower" || op == "proper" || op == "trim") return RunCase(op, text);
    return StrUsage("unknown operation '" + op + "'");
}

} // namespace orvex
