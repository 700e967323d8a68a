// The subcommands of orvex: each lives in its own file and has one row in
// the table of commands.cpp.
#pragma once

#include <span>
#include <string_view>

namespace orvex {

// The words after the subcommand's name.
using Args = std::span<const std::string_view>;

// Exit statuses: 0 success, 1 the request failed, 2 a usage error.
enum ExitStatus : int { kSuccess = 0, kFailure = 1, kUsage = 2 };

struct Command {
    std::string_view name;
    std::string_view synopsis; // the arguments, for the usage text
    std::string_view summary;  // one line
    int (*run)(Args args);
};

std::span<const Command> Commands();

// Attaches the library's objects linked into orvex.
void LoadLibraryObjects();

// Prints the usage of the whole tool, or of one command, to standard error
// and returns kUsage.
int UsageError(std::string_view message, const Command *command = nullptr);

} // namespace orvex
