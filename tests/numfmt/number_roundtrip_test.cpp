// Property: for random values and random valid pictures that show every
// integer digit, FMTUnformatNumberStr of what FMTFormatNumber wrote gives
// back the value rounded to the picture's places; and the text is never
// longer than FMTGetMaxFormattedNumLen says.
#include "numfmt/number_picture_support.h"

#include <random>

namespace {

using namespace numpic;
using NumberRoundTrip = numpic::ProfileTest;
using NumberRoundTripOnJapaneseSystem = numpic::ProfileTest;

// A generated picture and what it does to a value.
struct Generated {
    std::string picture;
    int places = 0;
    bool percent = false;
};

class PictureGenerator {
public:
    PictureGenerator(const Settings &settings, bool doubleByte, uint32_t seed)
        : settings_(settings), doubleByte_(doubleByte), random_(seed) {}

    // One digit field for every section, so that each shows the same places.
    Generated Next() {
        Generated g;
        const std::string field = Field(g);
        g.picture = Prefix() + field + Suffix();
        const int shape = Pick(10);
        if (shape >= 5) g.picture += ";(" + field + ")";
        if (shape == 9) g.picture += ";" + field;
        return g;
    }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

private:
    // Literal text in quotes that are not the thousands separator.
    std::string Quoted(const std::string &text) const {
        const char quote = settings_.thousand == '\'' ? '"' : '\'';
        return quote + text + quote;
    }

    std::string Prefix() {
        switch (Pick(doubleByte_ ? 6 : 5)) {
        case 0:
            return Quoted("Total ");
        case 1:
            return settings_.position == 0 || settings_.position == 2 ? CurrencyPrefix() : "";
        case 2:
            return Quoted("it''s") + " ";
        case 5:
            return Quoted(kSo + "\\'");
        default:
            return "";
        }
    }

    std::string CurrencyPrefix() const {
        return std::string(settings_.currency) + (settings_.position == 2 ? " " : "");
    }

    std::string Field(Generated &g) {
        static const char *const integers[] = {"0", "#0", "#,##0", "0,000", "00", "###0", "#,###", "#"};
        static const char *const fractions[] = {"", ".0", ".00", ".0#", ".##", ".000", ".#"};
        std::string field = integers[Pick(8)];
        const std::string fraction = fractions[Pick(7)];
        field += fraction;
        g.places = fraction.empty() ? 0 : static_cast<int>(fraction.size()) - 1;
        for (char &c : field) {
            if (c == ',')
                c = settings_.thousand;
            else if (c == '.')
                c = settings_.decimal;
        }
        g.percent = Pick(6) == 0;
        if (g.percent) field += '%';
        return field;
    }

    std::string Suffix() {
        switch (Pick(doubleByte_ ? 7 : 5)) {
        case 0:
            return Quoted(" kg");
        case 1:
            return "_)";
        case 2:
            return " " + Quoted("units");
        case 5:
            return Quoted(kU);
        case 6:
            return "_" + kDa;
        default:
            return "";
        }
    }

    const Settings &settings_;
    const bool doubleByte_;
    std::mt19937 random_;
};

// A value of 1 to 15 significant digits between 10^-8 and 10^13, zero now
// and then, either sign.
std::string RandomValue(PictureGenerator &generator) {
    if (generator.Pick(20) == 0) return "0";
    std::string text = generator.Pick(2) ? "-" : "";
    text += static_cast<char>('1' + generator.Pick(9));
    text += '.';
    for (int digits = generator.Pick(15); digits > 0; --digits) text += static_cast<char>('0' + generator.Pick(10));
    return text + "e" + std::to_string(generator.Pick(22) - 8);
}

// The value as the picture shows it: times 100 for a percentage, rounded to
// the places, and back.
NUMBER Expected(const NUMBER &value, const Generated &g) {
    NUMBER v = value;
    if (g.percent) NumPower10(&v, &v, 2);
    NumRound(&v, &v, g.places);
    if (g.percent) NumPower10(&v, &v, -2);
    return v;
}

// Integer characters the rounded magnitude shows: zero shows as "0".
int32_t IntegerDigits(const NUMBER &value, const Generated &g) {
    NUMBER v = value;
    if (g.percent) NumPower10(&v, &v, 2);
    NumRound(&v, &v, g.places);
    std::string text = Plain(v);
    if (!text.empty() && text[0] == '-') text.erase(0, 1);
    const int32_t digits = static_cast<int32_t>(text.find('.') == std::string::npos ? text.size() : text.find('.'));
    return g.percent ? std::max(digits - 2, 0) : digits;
}

// With userProfile the requests read the active profile (bUseIntl), which
// `settings` then describe; otherwise they carry the settings themselves.
void CheckRoundTrips(const Settings &settings, bool userProfile, bool doubleByte, bool checkLength, uint32_t seed) {
    const Settings *carried = userProfile ? nullptr : &settings;
    PictureGenerator generator(settings, doubleByte, seed);
    int checked = 0, invalid = 0;
    for (int i = 0; i < 4000; ++i) {
        const Generated g = generator.Next();
        Request probe(carried);
        probe.Picture(g.picture);
        if (!FMTIsNumberPicValid(&probe.Block())) {
            ++invalid;
            continue;
        }
        const std::string valueText = RandomValue(generator);
        const NUMBER value = Num(valueText.c_str());

        Request format(carried);
        format.Picture(g.picture).Block().numValue = value;
        format.Block().nType = FMT_TYPE_NUMBER_PICTURE;
        const Outcome formatted = Format(format, userProfile ? 1 : 0);
        ASSERT_EQ(formatted.result, 1u) << g.picture << " " << valueText;

        Request unformat(carried);
        unformat.Picture(g.picture).Input(formatted.text);
        const std::string read = numpic::Unformat(unformat);
        ASSERT_EQ(read, Plain(Expected(value, g)))
            << "picture " << g.picture << ", value " << valueText << ", text \"" << formatted.text << '"';
        if (checkLength) {
            const int32_t longest = FMTGetMaxFormattedNumLen(g.picture.c_str(), IntegerDigits(value, g), 0);
            EXPECT_LE(static_cast<int32_t>(formatted.text.size()), longest)
                << "picture " << g.picture << ", value " << valueText << ", text \"" << formatted.text << '"';
        }
        ++checked;
    }
    EXPECT_GT(checked, 2000) << invalid << " pictures were invalid";
}

TEST_F(NumberRoundTrip, RandomValuesAndPictures) {
    UseBuiltInProfile();
    const Settings english{',', '.', "$", 0, 0, 2, 1};
    const Settings german{'.', ',', "EUR", 3, 0, 2, 1};
    const Settings swiss{'\'', '.', "Fr.", 2, 0, 2, 1};
    CheckRoundTrips(english, false, false, true, 1);
    CheckRoundTrips(german, false, false, false, 2);
    CheckRoundTrips(swiss, false, false, false, 3);
}

TEST_F(NumberRoundTrip, RandomValuesAndPicturesWithTheUsersGermanProfile) {
    // A fresh thread builds its currency texts from these settings.
    OnFreshThread([] {
        GermanUser user;
        FMTSetProfileIntl();
        const Settings german{'.', ',', "EUR", 3, 8, 2, 1};
        CheckRoundTrips(german, true, false, false, 5);
    });
}

TEST_F(NumberRoundTripOnJapaneseSystem, RandomValuesAndPicturesWithDoubleByteText) {
    UseBuiltInProfile();
    const Settings yen{',', '.', "\x81\x8F", 0, 0, 0, 1};
    CheckRoundTrips(yen, false, true, true, 4);
}

} // namespace
