// Texts between the terminal (UTF-8) and the library (the ANSI code page).
#pragma once

#include <string>
#include <string_view>

namespace orvex {

std::string ToAnsi(std::string_view utf8);
std::string ToTerminal(std::string_view ansi);

} // namespace orvex
