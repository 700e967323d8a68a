#include "intl/char_walk.h"

#include <windows.h>

#include "orvexrt/intl.h"

int32_t IntlCharCount(const char *s) {
    if (s == nullptr) return 0;
    int32_t count = 0;
    for (const char *p = s; *p != '\0'; p = CharNextA(p)) ++count;
    return count;
}

const char *IntlSkipSpace(const char *s) {
    if (s == nullptr) return nullptr;
    const bool dbcs = IntlDBCSEnabled() != 0;
    const uint16_t blank = IntlDBCSBlank();
    while (*s != '\0') {
        if (IntlIsWhiteSpace(*s))
            ++s;
        else if (dbcs && IntlIsDBChar(s) && IntlDBCSChar(s) == blank)
            s = CharNextA(s);
        else
            break;
    }
    return s;
}
