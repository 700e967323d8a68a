// Differential run of the library's NUMBER exports against the exact model.
//
//   number_differential [--cases N] [--seed S] [--family NAME]
//
// The model is first checked against a table of known results; then each
// family of operations runs N random cases (20000 by default).  Mismatches
// are printed with their operands (the first few of each family) and
// counted; the run ends with one line per family and fails when any case
// did not match.
#include "differential.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>

namespace number_differential {

namespace {

constexpr long kPrintedMismatchesPerFamily = 10;

struct FamilyEntry {
    const char *name;
    void (*runCase)(Inputs &, Family &);
};

constexpr FamilyEntry kFamilies[] = {
    {"text-in", textInCase},    {"text-out", textOutCase},  {"add", addCase},         {"subtract", subtractCase},
    {"multiply", multiplyCase}, {"divide", divideCase},     {"compare", compareCase}, {"date-compare", dateCompareCase},
    {"round", roundCase},       {"truncate", truncateCase}, {"power10", power10Case}, {"negate", negateCase},
    {"integer", integerCase},   {"currency", currencyCase}, {"decimal", decimalCase}, {"double", doubleCase},
};

struct Options {
    long cases = 20000;
    std::uint64_t seed = 20240611;
    std::optional<std::string> family;
};

std::optional<Options> parseOptions(int argc, char **argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) {
            return std::nullopt;
        }
        const char *argument = argv[++i];
        if (option == "--cases") {
            options.cases = std::strtol(argument, nullptr, 10);
        } else if (option == "--seed") {
            options.seed = std::strtoull(argument, nullptr, 10);
        } else if (option == "--family") {
            options.family = argument;
        } else {
            return std::nullopt;
        }
    }
    return options;
}

// Each family draws from its own stream, so that running one family alone
// reproduces its cases from a full run.
std::uint64_t familySeed(std::uint64_t seed, std::string_view name) {
    std::uint64_t hash = 1469598103934665603ULL;
    for (const char c : name) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    return seed ^ hash;
}

void printUsage() {
    std::cerr << "usage: number_differential [--cases N] [--seed S] [--family NAME]\nfamilies:";
    for (const FamilyEntry &entry : kFamilies) {
        std::cerr << ' ' << entry.name;
    }
    std::cerr << '\n';
}

} // namespace

void Family::reportMismatch(const std::string &details, const std::vector<std::string> &checks) {
    ++mismatches_;
    for (const std::string &check : checks) {
        ++failedChecks_[check];
    }
    if (mismatches_ <= kPrintedMismatchesPerFamily) {
        std::cout << "[" << name_ << "] mismatch\n" << details;
    } else if (mismatches_ == kPrintedMismatchesPerFamily + 1) {
        std::cout << "[" << name_ << "] further mismatches are counted, not printed\n";
    }
}

Case::~Case() {
    if (!failures_.empty()) {
        family_.reportMismatch(operands_ + failures_, failedChecks_);
    }
}

Case &Case::operand(std::string_view name, const Bytes &number) {
    operands_ += "  " + std::string(name) + " = " + numberLine(number) + "\n";
    return *this;
}

Case &Case::operand(std::string_view name, std::string_view text) {
    operands_ += "  " + std::string(name) + " = " + quoted(text) + "\n";
    return *this;
}

Case &Case::operand(std::string_view name, long long value) {
    operands_ += "  " + std::string(name) + " = " + std::to_string(value) + "\n";
    return *this;
}

void Case::expectNumber(std::string_view what, const Bytes &expected, const Bytes &actual) {
    if (!number_model::sameNumber(expected, actual)) {
        fail(what, numberLine(expected), numberLine(actual));
    }
}

void Case::expectBuffer(std::string_view what, const Bytes &expected, const Bytes &actual) {
    if (expected != actual) {
        auto allBytes = [](const Bytes &number) {
            std::string text;
            char buffer[4];
            for (const std::uint8_t byte : number) {
                std::snprintf(buffer, sizeof buffer, "%02X ", byte);
                text += buffer;
            }
            return text;
        };
        fail(what, allBytes(expected), allBytes(actual));
    }
}

void Case::expectValue(std::string_view what, long long expected, long long actual) {
    if (expected != actual) {
        fail(what, std::to_string(expected), std::to_string(actual));
    }
}

void Case::expectText(std::string_view what, std::string_view expected, std::string_view actual) {
    if (expected != actual) {
        fail(what, quoted(expected), quoted(actual));
    }
}

void Case::expectTrue(std::string_view what, bool condition) {
    if (!condition) {
        fail(what, "true", "false");
    }
}

void Case::fail(std::string_view what, const std::string &expected, const std::string &actual) {
    failures_ += "  " + std::string(what) + "\n    expected " + expected + "\n    actual   " + actual + "\n";
    std::string kind;
    for (const char c : what) {
        const bool digit = c >= '0' && c <= '9';
        if (!digit || kind.empty() || kind.back() != '#') {
            kind += digit ? '#' : c;
        }
    }
    if (std::find(failedChecks_.begin(), failedChecks_.end(), kind) == failedChecks_.end()) {
        failedChecks_.push_back(kind);
    }
}

std::string quoted(std::string_view text) {
    std::string result = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            result += '\\';
            result += c;
        } else if (byte < 0x20 || byte >= 0x7F) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\x%02X", byte);
            result += buffer;
        } else {
            result += c;
        }
    }
    return result + "\"";
}

std::string numberLine(const Bytes &number) {
    return number_model::hexOf(number) + "  (" + number_model::describe(number) + ")";
}

} // namespace number_differential

int main(int argc, char **argv) {
    using namespace number_differential;
    const std::optional<Options> options = parseOptions(argc, argv);
    if (!options) {
        printUsage();
        return 2;
    }
    bool knownFamily = !options->family;
    for (const FamilyEntry &entry : kFamilies) {
        knownFamily = knownFamily || *options->family == entry.name;
    }
    if (!knownFamily) {
        printUsage();
        return 2;
    }
    if (!selfCheckModel()) {
        std::cout << "the model disagrees with its own table; no family was run\n";
        return 1;
    }
    std::cout << "seed " << options->seed << ", " << options->cases << " cases per family\n";
    long totalMismatches = 0;
    for (const FamilyEntry &entry : kFamilies) {
        if (options->family && *options->family != entry.name) {
            continue;
        }
        Inputs inputs(familySeed(options->seed, entry.name));
        Family family(entry.name);
        for (long i = 0; i < options->cases; ++i) {
            entry.runCase(inputs, family);
        }
        for (const auto &[check, count] : family.failedChecks()) {
            std::cout << "  " << family.name() << " failed check \"" << check << "\": " << count << " cases\n";
        }
        std::cout << family.name() << ": " << family.cases() << " cases, " << family.mismatches() << " mismatches"
                  << std::endl;
        totalMismatches += family.mismatches();
    }
    return totalMismatches == 0 ? 0 : 1;
}
