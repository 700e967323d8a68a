// Choosing and building date/time pictures: the default pictures, the
// keyword pictures and the picture of a formatting request.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "orvexrt/datetime.h"

// The default time picture of a block: «hhhh» or «hh», the separator, «mm»,
// the separator, «ss», with microseconds «mmmmmm» when the block asks for
// them, and « AMPM» on a 12-hour clock.
std::string FMTDefaultTimePic(const FMTCNTLBLOCK &block);

// Appends the default time picture to `out`.
void FMTAppendDefaultTimePic(const FMTCNTLBLOCK &block, std::string &out);

// The profile's pictures, as views into the calling thread's copy of the
// profile (FMTThreadProfile).
std::string_view FMTProfileShortDatePicture();
std::string_view FMTProfileLongDatePicture();

// The profile's pictures.
std::string FMTDefaultShortDatePicture();
std::string FMTDefaultLongDatePicture();
std::string FMTDefaultDatePicture(); // short unless the date type is 0 (long)

// What a formatting request writes: a picture, or one of the two Japanese
// date forms, optionally followed by a time picture.
struct FMTDatePlan {
    enum Form { kPicture, kGeeDate, kEmperorDate } form = kPicture;
    std::string_view picture;   // the picture, or the time picture after a Japanese form
    std::string composed;       // the picture when it is put together rather than given
    bool stopAfterForm = false; // a Japanese form that is the whole result
};

// Makes the choice of a formatting request (kind, profile or block pictures,
// selector, keywords).  Returns false for a block that cannot be formatted.
// Keywords that the choice reads may set or clear flags of the block.
bool FMTPlanDateFormat(FMTCNTLBLOCK &block, FMTDatePlan &plan);
