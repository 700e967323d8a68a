#include "datetime/intl_state.h"

INTLSTATE gIntlState{};
