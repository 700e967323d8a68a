// Reading numbers back: FMTValidateNumber, FMTUnformatNumberStr and
// FMTStrToNumber, on typed texts and on what FMTFormatNumber wrote.
#include "numfmt/number_picture_support.h"

#include <clocale>
#include <cmath>
#include <limits>

namespace {

using namespace numpic;
using NumberStrToNumber = numpic::ProfileTest;
using NumberUnformat = numpic::ProfileTest;
using NumberUnformatOnJapaneseSystem = numpic::ProfileTest;
using NumberValidate = numpic::ProfileTest;

// FMTValidateNumber: the value's text, or "invalid".
std::string Validate(const Settings *settings, int32_t kind, const std::string &text) {
    Request request(settings);
    request.Input(text).Block().nType = kind;
    request.Block().numValue = Num("77");
    if (!FMTValidateNumber(&request.Block())) {
        EXPECT_EQ(Plain(request.Block().numValue), "77") << "an invalid text leaves the value";
        return "invalid";
    }
    return Plain(request.Block().numValue);
}

std::string Unformat(const Settings *settings, const std::string &picture, const std::string &text) {
    Request request(settings);
    request.Picture(picture).Input(text);
    return numpic::Unformat(request);
}

TEST_F(NumberValidate, NumbersInTheSettingsForm) {
    const struct {
        const Settings &settings;
        const char *text;
        const char *expected;
    } rows[] = {
        {kEnglish, "1,234.56", "1234.56"},
        {kEnglish, "1,23.5", "invalid"},
        {kEnglish, "12,345,67", "invalid"},
        {kEnglish, "1,234,567", "1234567"},
        {kEnglish, "1.2.3", "invalid"},
        {kEnglish, "123-", "-123"},
        {kEnglish, "+5", "5"},
        {kEnglish, "-.5", "-.5"},
        {kEnglish, "12a", "invalid"},
        {kEnglish, "   ", "0"},
        {kEnglish, "1.5e-3", ".0015"},
        {kEnglish, "1e", "1"},
        {kEnglish, "e5", "invalid"},
        {kEnglish, "1e999", "invalid"},
        {kEnglish, "--5", "invalid"},
        {kGerman, "1.234,56", "1234.56"},
        {kGerman, "-0,5", "-.5"},
        {kSwiss, "1'234'567.5", "1234567.5"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(Validate(&row.settings, FMT_TYPE_NUMBER, row.text), row.expected) << row.text;
}

TEST_F(NumberValidate, CurrencyAmounts) {
    const struct {
        const Settings &settings;
        const char *text;
        const char *expected;
    } rows[] = {
        {kEnglish, "$1,234.50", "1234.5"},     {kEnglish, "($5.00)", "-5"},  {kEnglish, "-$5", "-5"},
        {kEnglish, "5$", "invalid"},           {kEnglish, "($5", "invalid"}, {kGerman, "1.234,50 EUR", "1234.5"},
        {kGerman, "1.234,50 EUR-", "-1234.5"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(Validate(&row.settings, FMT_TYPE_CURRENCY, row.text), row.expected) << row.text;
}

TEST_F(NumberValidate, Refusals) {
    EXPECT_EQ(Validate(&kEnglish, FMT_TYPE_NUMBER, ""), "invalid");
    EXPECT_EQ(Validate(&kEnglish, FMT_TYPE_NUMBER_PICTURE, "5"), "invalid");
    EXPECT_EQ(Validate(&kEnglish, FMT_TYPE_DATE, "5"), "invalid");
    Request unprepared(&kEnglish);
    unprepared.Input("5").Block().nType = FMT_TYPE_NUMBER;
    unprepared.Block().dwFlags &= ~FMT_FLAG_PREPARED;
    EXPECT_EQ(FMTValidateNumber(&unprepared.Block()), 0);
    Request nullInput(&kEnglish);
    nullInput.Block().nType = FMT_TYPE_NUMBER;
    EXPECT_EQ(FMTValidateNumber(&nullInput.Block()), 0);
    EXPECT_EQ(FMTValidateNumber(nullptr), 0);
    // A long text goes through a heap copy.
    EXPECT_EQ(Validate(&kEnglish, FMT_TYPE_NUMBER, std::string(300, ' ') + "42"), "42");
}

TEST_F(NumberUnformat, TextsOfPictures) {
    const struct {
        const Settings &settings;
        const char *picture;
        const char *text;
        const char *expected;
    } rows[] = {
        {kEnglish, "#,##0.00' kg'", "1,234.50 kg", "1234.5"},
        {kEnglish, "0%", "25%", ".25"},
        {kEnglish, "0.0%", "12.5%", ".125"},
        {kEnglish, "#,##0;(#,##0)", "(1,234)", "-1234"},
        {kEnglish, "#,##0;(#,##0)", "-5", "-5"},
        {kEnglish, "#,##0;(#,##0)", "x", "refused"},
        {kEnglish, "#,##0;", "(5)", "refused"},
        {kEnglish, "#,##0;;0", "5", "5"},
        {kEnglish, "#,##0;(#,##0);'zero'", "zero", "refused"},
        {kEnglish, "'Total: '#,##0.00", "Total: 1,234.50", "1234.5"},
        {kEnglish, "$#,##0.00", "-$1,234.50", "-1234.5"},
        {kEnglish, "#,##0_)", "5 ", "5"},
        {kEnglish, "'it''s '0", "it's 5", "5"},
        {kEnglish, "0.00E+00", "1.5E3", "1500"},
        {kEnglish, "0.00E+00", "-1.5e-03", "-.0015"},
        {kEnglish, "0.00E+00", "1.5E+0.5", "refused"},
        {kEnglish, "0.00E+00", "1E+999", "refused"},
        {kEnglish, "0.00E+00", "1500", "1500"},
        {kEnglish, "$", "($5.00)", "-5"},
        {kEnglish, "0", "12a", "refused"},
        {kEnglish, "'only text'", "5", "refused"},
        {kGerman, "0,00E+00", "1,5E+03", "1500"},
        {kGerman, "0,00E+00", "1.5E+03", "refused"},
        {kGerman, "$", "-1.234,50 EUR", "-1234.5"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(Unformat(&row.settings, row.picture, row.text), row.expected) << row.picture << " " << row.text;
}

TEST_F(NumberUnformat, Refusals) {
    const struct {
        std::string picture, text, expected;
    } rows[] = {
        {"0", "", "refused"},
        {"", "5", "refused"},
        {"\x0F" + std::string(70, '0') + "\x10", "5", "refused"},
        // Values whose plain text the 109-byte output holds exactly, and the
        // first ones beyond.
        {"0", "9e107", "9" + std::string(107, '0')},
        {"0", "1e108", "refused"},
        {"0", "-9e106", "-9" + std::string(106, '0')},
        {"0", "-1e107", "refused"},
        {"0", "1e-99", "." + std::string(98, '0') + "1"},
        {"0", "1e-100", "refused"},
    };
    for (const auto &row : rows) EXPECT_EQ(Unformat(&kEnglish, row.picture, row.text), row.expected) << row.text;
    Request unprepared(&kEnglish);
    unprepared.Picture("0").Input("5").Block().dwFlags &= ~FMT_FLAG_PREPARED;
    EXPECT_EQ(numpic::Unformat(unprepared), "refused");
    Request nullPicture(&kEnglish);
    nullPicture.Input("5");
    EXPECT_EQ(numpic::Unformat(nullPicture), "refused");
    EXPECT_EQ(FMTUnformatNumberStr(nullptr), 0u);
}

TEST_F(NumberUnformat, TokenizedPicturesAndTheUsersSettings) {
    GermanUser german;
    OnFreshThread([] {
        Request request;
        request.Picture("\x03\x0F#\x01##0\x02\x30\x30\x10").Input("1.234,50 EUR");
        EXPECT_EQ(numpic::Unformat(request), "1234.5");
        Request typed;
        typed.Input("-1.234,5").Block().nType = FMT_TYPE_NUMBER;
        ASSERT_EQ(FMTValidateNumber(&typed.Block()), 1);
        EXPECT_EQ(Plain(typed.Block().numValue), "-1234.5");
    });
}

TEST_F(NumberStrToNumber, ReadsLikeTheCLocale) {
    const struct {
        const char *text;
        double expected;
    } rows[] = {
        {"1.5", 1.5},
        {"  -2.5e3xyz", -2500.0},
        {"abc", 0.0},
        {"1,5", 1.0},
        {"0x1p4", 16.0},
        {"1e-999", 0.0},
        {"-0", -0.0},
        {"12e", 12.0},
        {"1e999", std::numeric_limits<double>::infinity()},
    };
    // Whatever numeric locale the process chose, "." is the point.
    const char *german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    for (const auto &row : rows) {
        Request request;
        request.Input(row.text);
        EXPECT_EQ(FMTStrToNumber(&request.Block()), 1u);
        const double value = request.Block().dblValue; // the packed field, read unaligned
        EXPECT_EQ(value, row.expected) << row.text << (german ? " (German locale)" : "");
    }
    std::setlocale(LC_NUMERIC, "C");

    // An empty text sets only the top 16 bits: a quiet NaN, the null double.
    Request empty;
    empty.Input("");
    const uint64_t before = 0x123456789ABCDEF0ull;
    std::memcpy(&empty.Block().dblValue, &before, sizeof before);
    EXPECT_EQ(FMTStrToNumber(&empty.Block()), 1u);
    uint64_t after;
    std::memcpy(&after, &empty.Block().dblValue, sizeof after);
    EXPECT_EQ(after, 0x7FF856789ABCDEF0ull);
    double null;
    std::memcpy(&null, &empty.Block().dblValue, sizeof null);
    EXPECT_EQ(NumIsNullDouble(&null), 1);
}

TEST_F(NumberUnformatOnJapaneseSystem, DoubleByteTextAndCurrency) {
    const Settings yen{',', '.', "\x81\x8F", 0, 1, 0, 1};
    EXPECT_EQ(Validate(&yen, FMT_TYPE_CURRENCY, kYen + "1,234"), "1234");
    EXPECT_EQ(Validate(&yen, FMT_TYPE_CURRENCY, "-" + kYen + "1,234"), "-1234");
    EXPECT_EQ(Validate(&yen, FMT_TYPE_NUMBER,
                       "\x81\x40"
                       "12\x81\x40"),
              "12")
        << "double-byte blanks are trimmed";
    EXPECT_EQ(Unformat(&yen, "#,##0'" + kSo + "'", "1,234" + kSo), "1234");
    EXPECT_EQ(Unformat(&yen, "'" + kSo + "\\''0", kSo + "'5"), "5");
    EXPECT_EQ(Unformat(&yen, "0_" + kDa, "5 "), "5");
    EXPECT_EQ(Unformat(&yen, kYen + "#,##0;(" + kYen + "#,##0)", "(" + kYen + "1,234)"), "-1234");
}

} // namespace
