// The character classes of input masks: what each mask character accepts
// and how it converts what it accepts, by the system's character classes of
// the ANSI code page (so é is a letter on a Windows-1252 system).
#include <windows.h>

#include "numfmt/mask_core.h"

namespace {

bool IsLetter(char c) { return IsCharAlphaA(c) != FALSE; }
bool IsLetterOrDigit(char c) { return IsCharAlphaNumericA(c) != FALSE; }
// A digit is what the system calls alphanumeric but not a letter, which
// takes in the superscript digits of the code page as well.
bool IsDigit(char c) { return IsLetterOrDigit(c) && !IsLetter(c); }
bool IsNotLineFeed(char c) { return c != '\n'; }

char ToUpper(char c) {
    // A pointer argument whose high bits are zero carries one character.
    const auto code =
        reinterpret_cast<ULONG_PTR>(CharUpperA(reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(static_cast<BYTE>(c)))));
    return static_cast<char>(code & 0xFF);
}

} // namespace

bool FMTIsMaskChar(char c) {
    switch (c) {
    case kMaskDigit:
    case kMaskLetter:
    case kMaskUpperLetter:
    case kMaskAlphanumeric:
    case kMaskUpperAlphanumeric:
    case kMaskAny:
    case kMaskUpperAny:
    case kMaskRest:
        return true;
    default:
        return false;
    }
}

bool FMTApplyMaskChar(char maskChar, char *c) {
    if (!c) return false;
    bool accepted = true;
    bool upper = false;
    switch (maskChar) {
    case kMaskDigit:
        accepted = IsDigit(*c);
        break;
    case kMaskUpperLetter:
        upper = true;
        [[fallthrough]];
    case kMaskLetter:
        accepted = IsLetter(*c);
        break;
    case kMaskUpperAlphanumeric:
        upper = true;
        [[fallthrough]];
    case kMaskAlphanumeric:
        accepted = IsLetterOrDigit(*c);
        break;
    case kMaskUpperAny:
        upper = true;
        [[fallthrough]];
    case kMaskAny:
        accepted = IsNotLineFeed(*c);
        break;
    case kMaskRest:
        break;
    default:
        *c = maskChar; // a literal stands for itself
        return true;
    }
    if (accepted && upper) *c = ToUpper(*c);
    return accepted;
}

bool FMTPassesUnmaskTest(char maskChar, char c) {
    switch (maskChar) {
    case kMaskDigit:
        return IsDigit(c);
    case kMaskAlphanumeric:
    case kMaskUpperAlphanumeric:
        return IsLetterOrDigit(c);
    default:
        return true;
    }
}
