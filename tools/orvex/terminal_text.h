// Texts between the terminal (UTF-8) and the library (the ANSI code page).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvex {

// The command line's arguments (without the program name) in UTF-8, read
// from the process's wide command line, so that they are the same on every
// system whatever its ANSI code page.  A byte of an argument that was not
// UTF-8 stays as it was, for the commands to refuse.
std::vector<std::string> CommandLineArguments(int argc, char **argv);

// Terminal text in the ANSI code page; false when it is not valid UTF-8.
bool ToAnsiChecked(std::string_view utf8, std::string &ansi);
// The same, passing a text that does not convert as it is.
std::string ToAnsi(std::string_view utf8);
std::string ToTerminal(std::string_view ansi);

} // namespace orvex
