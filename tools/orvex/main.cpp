// orvex: the orvexrt library at the command line.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "command.h"
#include "terminal_text.h"

namespace orvex {
namespace {

void PrintUsage(std::FILE *out) {
    std::fprintf(out, "usage: orvex [--help | --version] <command> [arguments]\n\ncommands:\n");
    for (const Command &c : Commands()) {
        const std::string head = std::string(c.name) + (c.synopsis.empty() ? "" : " ") + std::string(c.synopsis);
        std::fprintf(out, "  %-40s %.*s\n", head.c_str(), static_cast<int>(c.summary.size()), c.summary.data());
    }
}

const Command *FindCommand(std::string_view name) {
    for (const Command &c : Commands())
        if (c.name == name) return &c;
    return nullptr;
}

} // namespace

int UsageError(std::string_view message, const Command *command) {
    std::fprintf(stderr, "orvex: %.*s\n", static_cast<int>(message.size()), message.data());
    if (command)
        std::fprintf(stderr, "usage: orvex %.*s %.*s\n", static_cast<int>(command->name.size()), command->name.data(),
                     static_cast<int>(command->synopsis.size()), command->synopsis.data());
    else
        PrintUsage(stderr);
    return kUsage;
}

} // namespace orvex

int main(int argc, char **argv) {
    using namespace orvex;
    LoadLibraryObjects();
    const std::vector<std::string> arguments = CommandLineArguments(argc, argv);
    std::vector<std::string_view> words(arguments.begin(), arguments.end());
    if (words.empty()) return UsageError("no command given");
    const std::string_view first = words.front();
    if (first == "--help" || first == "-h" || first == "help") {
        PrintUsage(stdout);
        return kSuccess;
    }
    if (first == "--version") {
        std::printf("orvex %s\n", ORVEXRT_VERSION);
        return kSuccess;
    }
    const Command *command = FindCommand(first);
    if (!command) return UsageError("unknown command '" + std::string(first) + "'");
    return command->run(Args(words).subspan(1));
}
