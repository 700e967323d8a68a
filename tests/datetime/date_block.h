// Control blocks of date/time requests as the tests make them.
#pragma once

#include <cstdio>
#include <string>

#include "orvexrt/datetime.h"

namespace test {

// A block that reads pictures from itself, not from the profile.
struct DateRequest {
    FMTCNTLBLOCK block;
    char output[256];
    std::string input, picture, shortPic, longPic, am = "AM", pm = "PM", timeSep = ":";

    explicit DateRequest(int32_t type) {
        FMTInitCntlBlock(&block);
        block.nType = type;
        block.dwFlags &= ~uint32_t{FMT_FLAG_DEFAULT_PICTURES};
        block.lpszOutput = output;
        output[0] = '\0';
    }
    // Points the block's texts at this request's strings.
    FMTCNTLBLOCK *Ready() {
        block.lpszInput = input.data();
        block.lpszPicture = picture.data();
        block.lpszShortPic = shortPic.data();
        block.lpszLongPic = longPic.data();
        block.lpszAM = am.data();
        block.lpszPM = pm.data();
        block.lpszTimeSep = timeSep.data();
        return &block;
    }
    void SetValue(int32_t year, int32_t month, int32_t day, int32_t hour = 0, int32_t minute = 0, int32_t second = 0,
                  int32_t micro = 0) {
        block.dtValue = DATDEF{month, day, year, hour, minute, second, micro};
    }
};

inline std::string Iso(const DATDEF &d) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%06d", d.nYear, d.nMonth, d.nDay, d.nHour,
                  d.nMinute, d.nSecond, d.nMicrosecond);
    return text;
}

} // namespace test
