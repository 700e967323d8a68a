/* orvexrt: every public header of the library. */
#ifndef ORVEXRT_H
#define ORVEXRT_H

#include "orvexrt/frame.h"
#include "orvexrt/intl.h"
#include "orvexrt/number.h"
#include "orvexrt/datetime.h"
#include "orvexrt/numfmt.h"
#include "orvexrt/containers.h"
#include "orvexrt/masks.h"

#endif
