// Day and month names: loaded once from the string table into the state
// record and into two tables sorted by name for the reverse lookups.
#include "datetime/name_tables.h"

#include <windows.h>

#include <atomic>
#include <cstring>
#include <utility>

#include "datetime/intl_state.h"
#include "frame/critical_region.h"
#include "frame/static_objects.h"

namespace {

// A name (at most 14 characters) and the number of its day or month.
struct NameEntry {
    char name[16];
    int32_t number;
};
static_assert(sizeof(NameEntry) == 20);

NameEntry gDayTable[14];
NameEntry gMonthTable[24];

// Strings of the day names, short and long for each day from Saturday.
constexpr UINT kDayStrings[14] = {2030, 2037, 2031, 2038, 2025, 2032, 2026, 2033, 2027, 2034, 2028, 2035, 2029, 2036};
constexpr UINT kFirstShortMonth = 2001;
constexpr UINT kFirstLongMonth = 2013;
constexpr int kNameBuffer = 15;

bool LoadName(UINT id, NameEntry &entry, int32_t number) {
    entry.number = number;
    return LoadStringA(gIntlState.hInstance, id, entry.name, kNameBuffer) != 0;
}

bool LoadWord(UINT id, char *word, int size) { return LoadStringA(gIntlState.hInstance, id, word, size) != 0; }

template <size_t N> void CopyName(char (&slot)[N], const NameEntry &entry) {
    std::memcpy(slot, entry.name, sizeof entry.name);
}

// A Shell sort with halving gaps, as case-insensitive name order.
template <size_t N> void SortByName(NameEntry (&table)[N]) {
    for (size_t gap = N / 2; gap > 0; gap /= 2)
        for (size_t i = gap; i < N; ++i)
            for (size_t j = i; j >= gap && lstrcmpiA(table[j - gap].name, table[j].name) > 0; j -= gap)
                std::swap(table[j - gap], table[j]);
}

bool LoadAll() {
    for (int i = 0; i < 14; ++i)
        if (!LoadName(kDayStrings[i], gDayTable[i], i / 2 + 1)) return false;
    for (int d = 0; d < 7; ++d) {
        CopyName(gIntlState.szShortDays[d], gDayTable[2 * d]);
        CopyName(gIntlState.szLongDays[d], gDayTable[2 * d + 1]);
    }
    for (int m = 0; m < 12; ++m) {
        if (!LoadName(kFirstShortMonth + m, gMonthTable[2 * m], m + 1)) return false;
        if (!LoadName(kFirstLongMonth + m, gMonthTable[2 * m + 1], m + 1)) return false;
        CopyName(gIntlState.szShortMonths[m], gMonthTable[2 * m]);
        CopyName(gIntlState.szLongMonths[m], gMonthTable[2 * m + 1]);
    }
    SortByName(gDayTable);
    SortByName(gMonthTable);
    return LoadWord(2039, gIntlState.szDateTypeKey, 20) && LoadWord(2041, gIntlState.szCurrentDateType, 25) &&
           LoadWord(2040, gIntlState.szLongGregorian, 24) && LoadWord(2042, gIntlState.szJapanGregorian, 25) &&
           LoadWord(2043, gIntlState.szJapanEmperor, 23) && LoadWord(2044, gIntlState.szBoundaryCheckKey, 31);
}

// The names never change once loaded, so readers take the profile lock
// only while they are still to be loaded.
bool NamesLoaded() { return std::atomic_ref<int32_t>(gIntlState.bNamesLoaded).load(std::memory_order_acquire) != 0; }

bool NamesReady() {
    if (NamesLoaded()) return true;
    CRRegionHold hold(&gFMTProfileLock);
    return NamesLoaded() || FMTLoadNames();
}

template <size_t N> const char *NameOf(const char (&names)[N][kIntlNameSlot], int32_t number) {
    if (number < 1 || number > static_cast<int32_t>(N) || !NamesReady()) return "";
    return names[number - 1];
}

template <size_t N> int32_t NumberOf(const NameEntry (&table)[N], const char *name) {
    if (!name || !NamesReady()) return 0;
    int low = 0, high = static_cast<int>(N) - 1;
    while (low <= high) {
        const int middle = (low + high) / 2;
        const int order = lstrcmpiA(name, table[middle].name);
        if (order == 0) return table[middle].number;
        if (order < 0)
            high = middle - 1;
        else
            low = middle + 1;
    }
    return 0;
}

} // namespace

int32_t FMTLoadNames() {
    CRRegionHold hold(&gFMTProfileLock);
    if (NamesLoaded()) return 1;
    if (!LoadAll()) return 0;
    std::atomic_ref<int32_t>(gIntlState.bNamesLoaded).store(1, std::memory_order_release);
    return 1;
}

const char *FMTShortDayName(int32_t weekday) { return NameOf(gIntlState.szShortDays, weekday); }
const char *FMTLongDayName(int32_t weekday) { return NameOf(gIntlState.szLongDays, weekday); }
const char *FMTShortMonthName(int32_t month) { return NameOf(gIntlState.szShortMonths, month); }
const char *FMTLongMonthName(int32_t month) { return NameOf(gIntlState.szLongMonths, month); }

bool FMTNamesReady() { return NamesReady(); }

int32_t FMTMonthByName(const char *name) { return NumberOf(gMonthTable, name); }
int32_t FMTDayByName(const char *name) { return NumberOf(gDayTable, name); }
