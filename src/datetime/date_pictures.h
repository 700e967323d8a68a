// Choosing and building date/time pictures: the default pictures, the
// keyword pictures and the picture of a formatting request.
#pragma once

#include <cstdint>
#include <string>

#include "orvexrt/datetime.h"

// The default time picture of a block: «hhhh» or «hh», the separator, «mm»,
// the separator, «ss», with microseconds «mmmmmm» when the block asks for
// them, and « AMPM» on a 12-hour clock.
std::string FMTDefaultTimePic(const FMTCNTLBLOCK &block);

// The profile's pictures.
std::string FMTDefaultShortDatePicture();
std::string FMTDefaultLongDatePicture();
std::string FMTDefaultDatePicture(); // short unless the date type is 0 (long)

// What a formatting request writes: a picture, or one of the two Japanese
// date forms, optionally followed by a time picture.
struct FMTDatePlan {
    enum Form { kPicture, kGeeDate, kEmperorDate } form = kPicture;
    std::string picture;        // the picture, or the time picture after a Japanese form
    bool stopAfterForm = false; // a Japanese form that is the whole result
};

// Makes the choice of a formatting request (kind, profile or block pictures,
// selector, keywords).  Returns false for a block that cannot be formatted.
// Keywords that the choice reads may set or clear flags of the block.
bool FMTPlanDateFormat(FMTCNTLBLOCK &block, FMTDatePlan &plan);
