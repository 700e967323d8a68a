// The long date picture of the user's settings, rewritten for the library's
// picture language.
#pragma once

#include <string>
#include <string_view>

// Windows quotes literal text in long date pictures, while the library's
// pictures take the separators . - / : \ , and the space as literals on
// their own: separators move out of quoted segments, quotes around nothing
// but separators and blanks go, quoted words stay.  For country 358 a 't'
// right after the month name is quoted with the character after it.
std::string FMTRewriteLongDate(std::string_view picture, int32_t country);
