#include "intl/char_walk.h"

#include <windows.h>

int32_t IntlCharCount(const char *s)
{
    if (s == nullptr)
        return 0;
    int32_t count = 0;
    for (const char *p = s; *p != '\0'; p = CharNextA(p))
        ++count;
    return count;
}
