// Formatting and reading back agree: random values written through random
// pictures that can be read without ambiguity come back unchanged.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "datetime/date_block.h"

namespace {

using test::DateRequest;
using test::Iso;

// Words that a picture may quote, and the designators, on each system
// (the Japanese ones in code page 932).
struct Words {
    std::vector<std::string> quoted;
    std::string am, pm;
};

const Words kEnglish{{"at", "de", "T", "of"}, "AM", "PM"};
const Words kJapanese{{"\x94\x4E", "\x8C\x8E", "\x93\xFA", "at"}, "\x8C\xDF\x91\x4F", "\x8C\xDF\x8C\xE3"};

// A picture, the value it must read back, and the kind of the request.
struct Case {
    std::string picture;
    DATDEF value;
    int32_t kind;
};

class CaseMaker {
public:
    CaseMaker(uint32_t seed, const Words &words) : random_(seed), words_(words) {}

    Case Next() {
        Case c{"", {1, 1, 1900, 0, 0, 0, 0}, FMT_TYPE_DATE};
        const std::vector<Element> elements = Elements();
        for (size_t i = 0; i < elements.size(); ++i) {
            if (i > 0) c.picture += Between(elements[i - 1], elements[i]);
            c.picture += elements[i].text;
        }
        // The fields that the picture holds get random values; the others
        // read back as their defaults.
        DATDEF &v = c.value;
        v.nYear = Uniform(1, 9999);
        if (Has(elements, 'M')) v.nMonth = Uniform(1, 12);
        if (Has(elements, 'd')) v.nDay = Uniform(1, DaysIn(v.nMonth, v.nYear));
        if (Has(elements, 'h')) {
            c.kind = FMT_TYPE_DATETIME;
            v.nHour = Uniform(0, 23);
            v.nMinute = Uniform(0, 59);
            if (Has(elements, 's')) v.nSecond = Uniform(0, 59);
            if (Has(elements, 'u')) v.nMicrosecond = Uniform(0, 999999);
        }
        return c;
    }

private:
    // One picture element and the field it stands for ('w' weekday, 'u'
    // microseconds, 'a' designator); `number` when it is written in digits.
    struct Element {
        std::string text;
        char field;
        bool number;
    };

    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    template <typename T> const T &Pick(const std::vector<T> &options) {
        return options[static_cast<size_t>(Uniform(0, static_cast<int>(options.size()) - 1))];
    }
    bool Coin() { return Uniform(0, 1) == 1; }

    static bool Has(const std::vector<Element> &elements, char field) {
        for (const Element &e : elements)
            if (e.field == field) return true;
        return false;
    }
    static int DaysIn(int month, int year) {
        static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        return kDays[month - 1] + (month == 2 && leap ? 1 : 0);
    }

    // The year always; day and month each at most once, in any order; a
    // weekday first when day and month are there to check it against; then
    // maybe a time: hours, minutes, maybe seconds and microseconds, and the
    // designator exactly when the hours are on a 12-hour clock.
    std::vector<Element> Elements() {
        std::vector<Element> date{{"yyyy", 'y', true}};
        if (Coin()) date.push_back(Pick<Element>({{"d", 'd', true}, {"dd", 'd', true}}));
        if (Coin())
            date.push_back(Pick<Element>({{"M", 'M', true}, {"MM", 'M', true}, {"MMM", 'M', false}, {"MMMM", 'M', false}}));
        std::shuffle(date.begin(), date.end(), random_);
        std::vector<Element> elements;
        if (Has(date, 'd') && Has(date, 'M') && Coin())
            elements.push_back(Pick<Element>({{"ddd", 'w', false}, {"dddd", 'w', false}}));
        elements.insert(elements.end(), date.begin(), date.end());
        if (Coin()) {
            const Element hour = Pick<Element>({{"h", 'h', true}, {"hh", 'h', true}, {"hhh", 'h', true}, {"hhhh", 'h', true}});
            elements.push_back(hour);
            elements.push_back({"mm", 'm', true});
            if (Coin()) {
                elements.push_back({"ss", 's', true});
                if (Coin()) elements.push_back({"mmmmmm", 'u', true});
            }
            if (hour.text.size() <= 2) elements.push_back({"AMPM", 'a', false});
        }
        return elements;
    }

    // What stands between two elements: a separator, a run of spaces, or,
    // between two numbers, a quoted word.
    std::string Between(const Element &before, const Element &after) {
        if (before.number && after.number && Uniform(0, 3) == 0) return "'" + Pick(words_.quoted) + "'";
        return Pick<std::string>({",", "-", ".", "/", ":", "\\", " ", ", ", "  "});
    }

    std::mt19937 random_;
    const Words &words_;
};

void RoundTrips(const Words &words, uint32_t seed) {
    CaseMaker maker(seed, words);
    for (int n = 0; n < 3000; ++n) {
        const Case c = maker.Next();
        DateRequest format(c.kind);
        format.longPic = c.picture;
        format.am = words.am;
        format.pm = words.pm;
        format.block.bTLzero = n % 2;
        format.block.dtValue = c.value;
        ASSERT_EQ(FMTFormatDateTime(format.Ready(), 0), 1) << c.picture;

        DateRequest read(FMT_TYPE_DATE);
        read.picture = c.picture;
        read.input = format.output;
        read.am = words.am;
        read.pm = words.pm;
        ASSERT_EQ(FMTUnformatDateTimeStr(read.Ready()), 1) << c.picture << " | " << format.output;
        ASSERT_EQ(Iso(read.block.dtValue), Iso(c.value)) << c.picture << " | " << format.output;
    }
}

TEST(DateRoundTrip, RandomValuesThroughRandomPictures) { RoundTrips(kEnglish, 20261204); }

TEST(DateRoundTripOnJapaneseSystem, RandomValuesThroughRandomPictures) { RoundTrips(kJapanese, 19890107); }

} // namespace
