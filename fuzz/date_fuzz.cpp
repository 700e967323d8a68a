// Fuzzes date/time pictures, formatting and reading: random pictures and
// typed texts against every date function.  The output buffer is exactly as
// long as FMTGetMaxFormattedDTLen says, so a text longer than promised is
// an overflow that ASan sees.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "orvexrt/datetime.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

// A NUL-terminated copy in a buffer of exactly its size.
std::vector<char> Exact(const std::string &text) {
    return std::vector<char>(text.c_str(), text.c_str() + text.size() + 1);
}

DATDEF ValueFrom(const uint8_t *data, size_t size) {
    auto byte = [&](size_t i) { return i < size ? data[i] : uint8_t{0}; };
    return DATDEF{byte(1) % 12 + 1, byte(2) % 31 + 1, (byte(3) << 8 | byte(4)) % 10000,        byte(5) % 24,
                  byte(6) % 60,     byte(7) % 60,     (byte(8) << 12 | byte(9) << 4) % 1000000};
}

void Format(FMTCNTLBLOCK &block, std::vector<char> &picture, uint32_t flags, int32_t select) {
    block.lpszShortPic = picture.data();
    block.lpszLongPic = picture.data();
    block.nPicSelect = select;
    block.dwFlags = (block.dwFlags & ~0x1FFFu) | FMT_FLAG_PREPARED | (flags & 0x145D);
    const int32_t max = FMTGetMaxFormattedDTLen(&block, -1);
    if (max < 0) return;
    std::vector<char> output(static_cast<size_t>(max) + 1, '\x7F');
    block.lpszOutput = output.data();
    if (FMTFormatDateTime(&block, 0)) Check(std::strlen(output.data()) <= static_cast<size_t>(max));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 10) return 0;
    const std::string rest(reinterpret_cast<const char *>(data) + 10, size - 10);
    const size_t split = rest.find('|');
    std::vector<char> picture = Exact(rest.substr(0, split));
    std::vector<char> text = Exact(split == std::string::npos ? rest : rest.substr(split + 1));

    FMTIsDatePicValid(picture.data());
    FMTDatePicHasDate(picture.data());
    FMTDatePicHasTime(picture.data());

    FMTCNTLBLOCK block;
    FMTInitCntlBlock(&block);
    block.nType = data[0] % 4;
    block.bUseIntl = data[0] & 0x80 ? 1 : 0;
    block.dtValue = ValueFrom(data, size);
    block.b24Hour = data[1] & 1;
    char am[] = "AM", pm[] = "PM", sep[] = ":";
    block.lpszAM = am;
    block.lpszPM = pm;
    block.lpszTimeSep = sep;
    block.bTLzero = data[2] & 1;
    const uint32_t flags = static_cast<uint32_t>(data[3] << 8 | data[4]);
    Format(block, picture, flags, data[5] % 5 - 1);

    FMTCNTLBLOCK reader;
    FMTInitCntlBlock(&reader);
    reader.nType = data[6] % 4;
    reader.bUseIntl = data[6] & 0x80 ? 1 : 0;
    reader.lpszInput = text.data();
    reader.lpszPicture = picture.data();
    reader.lpszShortPic = picture.data();
    reader.lpszLongPic = picture.data();
    reader.lpszAM = am;
    reader.lpszPM = pm;
    reader.lpszTimeSep = sep;
    reader.nCountry = data[7] & 1 ? 1 : 49;
    reader.bEmpBoundaryCheck = data[7] & 2 ? 1 : 0;
    reader.dwFlags |= flags & 0x07;
    FMTCNTLBLOCK copy = reader;
    FMTValidateDateTime(&copy);
    copy = reader;
    FMTUnformatDateTimeStr(&copy);
    copy = reader;
    FMTIsValidDateString(&copy);
    DATDEF iso;
    FMTIsoToDatDef(text.data(), &iso);
    return 0;
}
