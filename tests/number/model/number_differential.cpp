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
#include <iostream>
#include <optional>

namespace number_differential {

namespace {

constexpr long kPrintedMismatchesPerFamily = 10;

constexpr struct {
    const char *name;
    void (*runCase)(Inputs &, Family &);
} kFamilies[] = {
    {"text-in", textInCase},    {"text-out", textOutCase},  {"add", addCase},         {"subtract", subtractCase},
    {"multiply", multiplyCase}, {"divide", divideCase},     {"compare", compareCase}, {"date-compare", dateCompareCase},
    {"round", roundCase},       {"truncate", truncateCase}, {"power10", power10Case}, {"negate", negateCase},
    {"integer", integerCase},   {"currency", currencyCase}, {"decimal", decimalCase}, {"double", doubleCase},
};

struct Options {
    long cases = 20000;
    std::uint64_t seed = 20240611;
    std::string family; // empty: all
};

// Options, or none when an option or family name is unknown.
std::optional<Options> parseOptions(int argc, char **argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--cases")
            options.cases = std::strtol(argv[i + 1], nullptr, 10);
        else if (option == "--seed")
            options.seed = std::strtoull(argv[i + 1], nullptr, 10);
        else if (option == "--family")
            options.family = argv[i + 1];
        else
            return std::nullopt;
    }
    const bool knownFamily = options.family.empty() || std::any_of(std::begin(kFamilies), std::end(kFamilies),
                                                                   [&](auto &f) { return options.family == f.name; });
    if (argc % 2 == 0 || !knownFamily) return std::nullopt;
    return options;
}

// Each family draws from its own stream, so that running one family alone
// reproduces its cases from a full run.
std::uint64_t familySeed(std::uint64_t seed, std::string_view name) {
    std::uint64_t hash = 1469598103934665603ULL;
    for (const char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    return seed ^ hash;
}

} // namespace

void Family::report(const std::string &details, const std::vector<std::string> &checks) {
    ++mismatches;
    for (const std::string &check : checks) ++failedChecks[check];
    if (mismatches <= kPrintedMismatchesPerFamily)
        std::cout << "[" << name << "] mismatch\n" << details;
    else if (mismatches == kPrintedMismatchesPerFamily + 1)
        std::cout << "[" << name << "] further mismatches are counted, not printed\n";
}

void Case::fail(std::string_view what, const std::string &expected, const std::string &actual) {
    failures_ += "  " + std::string(what) + "\n    expected " + expected + "\n    actual   " + actual + "\n";
    std::string kind;
    for (const char c : what) {
        const bool digit = c >= '0' && c <= '9';
        if (!digit || kind.empty() || kind.back() != '#') kind += digit ? '#' : c;
    }
    if (std::find(failedChecks_.begin(), failedChecks_.end(), kind) == failedChecks_.end())
        failedChecks_.push_back(kind);
}

std::string quoted(std::string_view text) {
    std::string result = "\"";
    char buffer[8];
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            result += '\\';
            result += c;
        } else if (byte < 0x20 || byte >= 0x7F) {
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

std::string allBytes(const Bytes &number) {
    std::string text;
    char buffer[4];
    for (const std::uint8_t byte : number) {
        std::snprintf(buffer, sizeof buffer, "%02X ", byte);
        text += buffer;
    }
    return text;
}

} // namespace number_differential

int main(int argc, char **argv) {
    using namespace number_differential;
    const std::optional<Options> options = parseOptions(argc, argv);
    if (!options) {
        std::cerr << "usage: number_differential [--cases N] [--seed S] [--family NAME]\nfamilies:";
        for (const auto &entry : kFamilies) std::cerr << ' ' << entry.name;
        std::cerr << '\n';
        return 2;
    }
    if (!selfCheckModel()) {
        std::cout << "the model disagrees with its own table; no family was run\n";
        return 1;
    }
    std::cout << "seed " << options->seed << ", " << options->cases << " cases per family\n";
    long totalMismatches = 0;
    for (const auto &entry : kFamilies) {
        if (!options->family.empty() && options->family != entry.name) continue;
        Inputs inputs(familySeed(options->seed, entry.name));
        Family family(entry.name);
        for (long i = 0; i < options->cases; ++i) entry.runCase(inputs, family);
        for (const auto &[check, count] : family.failedChecks)
            std::cout << "  " << family.name << " failed check \"" << check << "\": " << count << " cases\n";
        std::cout << family.name << ": " << family.cases << " cases, " << family.mismatches << " mismatches"
                  << std::endl;
        totalMismatches += family.mismatches;
    }
    return totalMismatches == 0 ? 0 : 1;
}
