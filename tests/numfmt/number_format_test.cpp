// FMTFormatNumber: pictures, the settings' number and currency forms, and
// refusals, with the built-in profile, settings carried by the request, the
// user's German settings and a Japanese system.
#include "numfmt/number_picture_support.h"

namespace {

using namespace numpic;
using NumberFormat = numpic::ProfileTest;
using NumberFormatOnJapaneseSystem = numpic::ProfileTest;

struct PictureRow {
    const char *picture;
    const char *value;
    const char *expected;
};

std::string FormatByPicture(const Settings *settings, const char *picture, const char *value) {
    Request request(settings);
    request.Picture(picture).Value(value).Block().nType = FMT_TYPE_NUMBER_PICTURE;
    const Outcome outcome = Format(request, 0);
    EXPECT_EQ(outcome.result, 1u) << picture << " " << value;
    return outcome.text;
}

TEST_F(NumberFormat, PicturesWithTheBuiltInProfile) {
    const PictureRow rows[] = {
        // digit places, grouping, places dropped down to the "0"s
        {"#,##0.00", "1234.567", "1,234.57"},
        {"#,##0.00", "0.5", "0.50"},
        {"#,##0.00", "1234567", "1,234,567.00"},
        {"#,##0.00", "-1234.5", "-1,234.50"},
        {"0,000", "12", "0,012"},
        {"0,000", "1234", "1,234"},
        {"0,000", "12345", "12,345"},
        {"#,##0", "1234567", "1,234,567"},
        {"#,##0", "1234567890123", "1,234,567,890,123"},
        {"#,##0.##", "5", "5"},
        {"#,##0.##", "5.1", "5.1"},
        {"0.0#", "1.5", "1.5"},
        {"0.0#", "1.25", "1.25"},
        {"0.0#", "1", "1.0"},
        {"0.00", "12345.678", "12345.68"},
        {"00", "12345", "12345"},
        {"0", "-2.5", "-3"},
        {"#.00", "0.5", ".50"},
        {"#.##", "0", "0"},
        {"##0.00", "-0.5", "-0.50"},
        {"0.", "7", "7"},
        // percent
        {"0%", "0.256", "26%"},
        {"0.0%", "0.1234", "12.3%"},
        // literal text, quotes and escapes, "_"
        {"'Total: '#,##0.00' kg'", "1234.5", "Total: 1,234.50 kg"},
        {"\"a\"\"b\" 0", "5", "a\"b 5"},
        {"'it\\'s '0", "5", "it's 5"},
        {"'it''s '0", "5", "it's 5"},
        {"$#,##0.00", "-1234.5", "-$1,234.50"},
        {"#,##0_)", "5", "5 "},
        {"0_)' x'", "5", "5  x"},
        // sections: negative, zero, re-chosen for a value that shows zero
        {"#,##0;(#,##0);0.00", "-5", "(5)"},
        {"#,##0;(#,##0);0.00", "0", "0.00"},
        {"#,##0;(#,##0);0.00", "1", "1"},
        {"0.00;(0.00);'zero'", "-0.001", "zero"},
        {"0.00;(0.00);'zero'", "0.001", "zero"},
        {"0.00;(0.00)", "-0.001", "0.00"},
        {"0.00", "-0.001", "0.00"},
        {"0.0;(0.0);0.000", "-0.01", "0.000"},
        {"'pos';'neg';'zero'", "-5", "neg"},
        {"#;", "-5", ""},
        {"0;(0);", "0", ""},
        // scientific
        {"0.00E+00", "9.6", "0.96E+01"},
        {"0.00E+00", "99.7", "1.00E+02"},
        {"0.00E+00", "12345", "1.23E+04"},
        {"0.00E+00", "-12345", "-1.23E+04"},
        {"0.00E+00", "0.00123", "1.23E-03"},
        {"0.00E+00", "0.09999", "1.00E-01"},
        {"0.00E+00", "0", "0.00E+00"},
        {"0.00E+00", "9.999", "1.00E+01"},
        {"0.00E-00", "12345", "1.23E04"},
        {"0.00E-00", "0.00123", "1.23E-03"},
        {"0.00e+00", "12345", "1.23e+04"},
        {"0.0##E+0", "1234", "1.234E+3"},
        {"0.0##E+0", "1", "1.0E+0"},
        {"0.00E+00", "1e118", "1.00E+118"},
        {"0.00E+00", "1e-120", "1.00E-120"},
    };
    UseBuiltInProfile();
    for (const PictureRow &row : rows)
        EXPECT_EQ(FormatByPicture(nullptr, row.picture, row.value), row.expected) << row.picture << " " << row.value;
}

TEST_F(NumberFormat, PicturesWithSettingsOfTheRequest) {
    const struct {
        const Settings *settings;
        PictureRow row;
    } rows[] = {
        {&kGerman, {"#.##0,00", "1234.567", "1.234,57"}},     {&kGerman, {"#.##0,##", "5", "5"}},
        {&kGerman, {"0,00E+00", "12345", "1,23E+04"}},        {&kGerman, {"0,0%", "0.1234", "12,3%"}},
        {&kSwiss, {"#'##0.00", "1234567.5", "1'234'567.50"}}, {&kEnglish, {"#,##0.00", "1234.5", "1,234.50"}},
    };
    for (const auto &[settings, row] : rows)
        EXPECT_EQ(FormatByPicture(settings, row.picture, row.value), row.expected) << row.picture << " " << row.value;
}

struct FormRow {
    int32_t kind;
    Settings settings;
    const char *value;
    uint32_t flags;
    const char *expected;
};

std::string FormatForm(const FormRow &row) {
    Request request(&row.settings);
    request.Value(row.value).Block().nType = row.kind;
    request.Block().dwFlags |= row.flags;
    const Outcome outcome = Format(request, 0);
    EXPECT_EQ(outcome.result, 1u) << row.value;
    return outcome.text;
}

TEST_F(NumberFormat, NumberAndCurrencyFormsOfTheSettings) {
    constexpr Settings kNoZero{',', '.', "$", 0, 0, 2, 0};
    constexpr Settings kNoGrouping{0, '.', "$", 0, 0, 2, 1};
    constexpr Settings kAfterFormat8{',', '.', "$", 0, 8, 2, 1};
    const FormRow rows[] = {
        {FMT_TYPE_NUMBER, kEnglish, "1234.5", 0, "1,234.50"},
        {FMT_TYPE_NUMBER, kEnglish, "-0.5", 0, "-0.50"},
        {FMT_TYPE_NUMBER, kNoZero, "0.5", 0, ".50"},
        {FMT_TYPE_NUMBER, kNoZero, "-0.5", 0, "-.50"},
        {FMT_TYPE_NUMBER, kEnglish, "-123", 0, "-123.00"},
        {FMT_TYPE_NUMBER, kEnglish, "-123456", 0, "-123,456.00"},
        {FMT_TYPE_NUMBER, kEnglish, "1234567.891", 0, "1,234,567.89"},
        {FMT_TYPE_NUMBER, kNoGrouping, "1234.5", 0, "1234.50"},
        {FMT_TYPE_NUMBER, kEnglish, "1234.5678", FMT_FLAG_ALL_DECIMALS, "1,234.5678"},
        {FMT_TYPE_NUMBER, kEnglish, "5", FMT_FLAG_ALL_DECIMALS, "5"},
        {FMT_TYPE_NUMBER, kGerman, "-1234.5", 0, "-1.234,50"},
        {FMT_TYPE_CURRENCY, kEnglish, "1234.5", 0, "$1,234.50"},
        {FMT_TYPE_CURRENCY, kEnglish, "-1234.5", 0, "($1,234.50)"},
        {FMT_TYPE_CURRENCY, kAfterFormat8, "-1", 0, "-1.00 $"},
        {FMT_TYPE_CURRENCY, kGerman, "1234.5", 0, "1.234,50 EUR"},
        {FMT_TYPE_CURRENCY, kGerman, "-1234.5", 0, "-1.234,50 EUR"},
        {FMT_TYPE_CURRENCY, kGerman, "0.5", FMT_FLAG_ALL_DECIMALS, "0,5 EUR"},
    };
    for (const FormRow &row : rows) EXPECT_EQ(FormatForm(row), row.expected) << row.value;
}

// Every position and negative currency format, and FMTValidateNumber reads
// each text back where the format's symbol stands on the position's side.
TEST_F(NumberFormat, EveryCurrencyFormAndItsReading) {
    const char *const positive[] = {"$1.00", "1.00$", "$ 1.00", "1.00 $", "$1.00"};
    for (int32_t position = 0; position < 5; ++position) {
        const FormRow row{FMT_TYPE_CURRENCY, {',', '.', "$", position, 0, 2, 1}, "1", 0, positive[position]};
        EXPECT_EQ(FormatForm(row), row.expected) << position;
    }
    const struct {
        int32_t format, position;
        const char *expected;
    } rows[] = {{0, 0, "($1.00)"},  {1, 2, "-$1.00"}, {2, 0, "$-1.00"}, {3, 2, "$1.00-"},  {4, 1, "(1.00$)"},
                {5, 3, "-1.00$"},   {6, 1, "1.00-$"}, {7, 3, "1.00$-"}, {8, 1, "-1.00 $"}, {9, 0, "-$ 1.00"},
                {10, 3, "1.00 $-"}, {11, 0, ""},      {15, 0, ""},      {-1, 0, ""}};
    for (const auto &row : rows) {
        const Settings settings{',', '.', "$", row.position, row.format, 2, 1};
        EXPECT_EQ(FormatForm({FMT_TYPE_CURRENCY, settings, "-1", 0, row.expected}), row.expected) << row.format;
        if (!*row.expected) continue;
        Request read(&settings);
        read.Input(row.expected).Block().nType = FMT_TYPE_CURRENCY;
        ASSERT_EQ(FMTValidateNumber(&read.Block()), 1) << row.expected;
        EXPECT_EQ(Plain(read.Block().numValue), "-1") << row.expected;
    }
}

TEST_F(NumberFormat, RefusalsLeaveAnEmptyOutput) {
    UseBuiltInProfile();
    auto outcome = [](auto prepare) {
        Request request(&kEnglish);
        request.Picture("#,##0.00").Value("1234.5").Block().nType = FMT_TYPE_NUMBER_PICTURE;
        prepare(request.Block());
        return Format(request, 0);
    };
    const Outcome refused{0, ""};
    EXPECT_EQ(outcome([](FMTCNTLBLOCK &b) { b.dwFlags &= ~FMT_FLAG_PREPARED; }), refused);
    EXPECT_EQ(outcome([](FMTCNTLBLOCK &b) { b.nType = 7; }), refused);
    EXPECT_EQ(outcome([](FMTCNTLBLOCK &b) { b.nType = -1; }), refused);
    EXPECT_EQ(outcome([](FMTCNTLBLOCK &b) { b.numValue = Num("1e108"); }), refused) << "no plain text";
    EXPECT_EQ(outcome([](FMTCNTLBLOCK &b) {
                  b.lpszPicture = const_cast<char *>("0%");
                  b.numValue = Num("9e119");
              }),
              refused)
        << "a percentage out of range";
    // A null value and an empty section are done, with nothing to show.
    EXPECT_EQ(outcome([](FMTCNTLBLOCK &b) { b.numValue.bLength = 0; }), (Outcome{1, ""}));
    EXPECT_EQ(outcome([](FMTCNTLBLOCK &b) { b.nType = FMT_TYPE_NUMBER, b.numValue.bLength = 0; }), (Outcome{1, ""}));
    // The largest plain value still shows.
    EXPECT_EQ(outcome([](FMTCNTLBLOCK &b) { b.numValue = Num("9.99e107"); }).text.size(), 108u + 107 / 3 + 3);

    Request nullOutput(&kEnglish);
    nullOutput.Value("1").Block().nType = FMT_TYPE_NUMBER;
    EXPECT_EQ(FMTFormatNumber(&nullOutput.Block(), 0), 0u);
    EXPECT_EQ(FMTFormatNumber(nullptr, 0), 0u);
}

// The work buffers of a call: a tokenized picture's plain form (64 bytes),
// the rounded text (cut at 325 characters), the plain value text (108
// characters with the sign) and the text by picture (1023 characters).
TEST_F(NumberFormat, WorkBuffersRefuseWhatDoesNotFit) {
    const std::string field63 = "\x0F" + std::string(63, '0') + "\x10";
    const std::string field64 = "\x0F" + std::string(64, '0') + "\x10";
    const struct {
        std::string picture;
        const char *value;
        uint32_t result;
        size_t length;
    } rows[] = {
        {field63, "1", 1, 63},
        {field64, "1", 0, 0},
        {"0." + std::string(400, '0'), "1", 1, 325},
        {"0", "9.99e107", 1, 108},
        {"0", "1e108", 0, 0},
        {"0", "-9.99e106", 1, 108},
        {"0", "-1e107", 0, 0},
        {"'" + std::string(1022, 'x') + "'0", "1", 1, 1023},
        {"'" + std::string(1023, 'x') + "'0", "1", 0, 0},
        {"0;'" + std::string(1022, 'x') + "'0", "-1", 1, 1023},
    };
    for (const auto &row : rows) {
        Request request(&kEnglish);
        request.Picture(row.picture).Value(row.value).Block().nType = FMT_TYPE_NUMBER_PICTURE;
        const Outcome outcome = Format(request, 0);
        EXPECT_EQ(outcome.result, row.result) << row.picture.size() << " " << row.value;
        EXPECT_EQ(outcome.text.size(), row.length) << row.picture.size() << " " << row.value;
    }
    // Unformatting reads tokenized pictures through the same buffer.
    for (const std::string &picture : {field63, field64}) {
        Request request(&kEnglish);
        request.Picture(picture).Input("12");
        EXPECT_EQ(Unformat(request), picture == field63 ? "12" : "refused");
    }
}

// A host's unnormalised records are read as the arithmetic reads them, also
// by scientific pictures, whose exponent comes from the digits.
TEST_F(NumberFormat, ScientificPicturesOfUnnormalisedRecords) {
    const struct {
        std::vector<uint8_t> record;
        const char *expected;
    } rows[] = {
        // Exponents beyond the written range are clamped to it.
        {{0x02, 0xFF, 0x01}, "1.00E+118"},
        {{0x02, 0x81, 0x01}, "1.00E-122"},
        // Leading zero digits are dropped.
        {{0x03, 0xC1, 0x00, 0x05}, "5.00E-02"},
        {{0x04, 0x3E, 0x64, 0x5F, 0x65}, "-5.00E-02"},
    };
    for (const auto &row : rows) {
        Request request(&kEnglish);
        request.Picture("0.00E+00").Block().nType = FMT_TYPE_NUMBER_PICTURE;
        std::memcpy(&request.Block().numValue, row.record.data(), row.record.size());
        EXPECT_EQ(Format(request, 0), (Outcome{1, row.expected})) << Hex({row.record.begin(), row.record.end()});
    }
}

TEST_F(NumberFormat, TokenizedPicturesFollowTheSettingsOfTheCall) {
    // #,##0.00 with the currency before it, tokenized.
    const std::string tokenized = "\x03\x0F#\x01##0\x02"
                                  "00\x10";
    const struct {
        const Settings *settings;
        const char *expected;
    } rows[] = {{&kEnglish, "$1,234.50"}, {&kGerman, "1.234,50 EUR"}, {&kSwiss, "Fr. 1'234.50"}};
    for (const auto &row : rows) {
        Request request(row.settings);
        request.Picture(tokenized).Value("1234.5").Block().nType = FMT_TYPE_NUMBER_PICTURE;
        EXPECT_EQ(Format(request, 0), (Outcome{1, row.expected})) << row.expected;
    }
    // A plain form that does not fit the call's 64-byte buffer is refused.
    Request tooLong(&kEnglish);
    tooLong.Picture("\x0F" + std::string(70, '0') + "\x10").Value("1").Block().nType = FMT_TYPE_NUMBER_PICTURE;
    EXPECT_EQ(Format(tooLong, 0), (Outcome{0, ""}));
}

TEST_F(NumberFormat, SettingsFormPicturesAndTheBuiltInProfile) {
    UseBuiltInProfile();
    const struct {
        const char *picture;
        const char *value;
        const char *expected;
    } rows[] = {{"", "1234.5", "1,234.50"}, {"$", "1234.5", "$ 1,234.50"}, {"$", "-1234.5", "($1,234.50)"}};
    for (const auto &row : rows) {
        Request request;
        request.Picture(row.picture).Value(row.value).Block().nType = FMT_TYPE_NUMBER_PICTURE;
        EXPECT_EQ(Format(request, 0), (Outcome{1, row.expected})) << row.picture;
    }
}

TEST_F(NumberFormat, TheUsersGermanSettings) {
    GermanUser german;
    OnFreshThread([] {
        const struct {
            int32_t kind;
            const char *picture;
            const char *value;
            const char *expected;
        } rows[] = {
            {FMT_TYPE_NUMBER, "", "1234.5", "1.234,50"},
            {FMT_TYPE_NUMBER, "", "-0.5", "-0,50"},
            {FMT_TYPE_CURRENCY, "", "1234.5", "1.234,50 EUR"},
            {FMT_TYPE_CURRENCY, "", "-1234.5", "-1.234,50 EUR"},
            {FMT_TYPE_NUMBER_PICTURE, "#.##0,00", "1234.5", "1.234,50"},
            {FMT_TYPE_NUMBER_PICTURE,
             "\x03\x0F#\x01##0\x02"
             "00\x10",
             "1234.5", "1.234,50 EUR"},
            {FMT_TYPE_NUMBER_PICTURE, "0,00E+00", "12345", "1,23E+04"},
        };
        for (const auto &row : rows) {
            Request request;
            request.Picture(row.picture).Value(row.value).Block().nType = row.kind;
            EXPECT_EQ(Format(request, 1), (Outcome{1, row.expected})) << row.picture << " " << row.value;
        }
    });
}

TEST_F(NumberFormat, MaximumLengthOfPictures) {
    UseBuiltInProfile();
    const struct {
        const char *picture;
        int32_t maxIntDigits, minLen, expected;
    } rows[] = {
        {"#,##0.00", 7, 0, 13},
        {"#,##0.00", 7, 20, 20},
        {"#,##0;(#,##0)", 4, 0, 7},
        {"0.00E+00", 3, 0, 10},
        {"0.0##E+00", 1, 0, 11},
        {"0%", 3, 0, 7},
        {"0.00_)", 2, 0, 7},
        {"$", 7, 0, 16},
        {"\x0F#\x01##0\x02"
         "00\x10",
         7, 0, 13},
    };
    for (const auto &row : rows)
        EXPECT_EQ(FMTGetMaxFormattedNumLen(row.picture, row.maxIntDigits, row.minLen), row.expected) << row.picture;
    EXPECT_EQ(FMTGetMaxFormattedNumLen(nullptr, -5, 0), 5) << "-0.50";
    EXPECT_EQ(FMTGetMaxFormattedNumLen("#,##0", INT32_MAX, 0), INT32_MAX) << "clamped, not wrapped";
}

TEST_F(NumberFormatOnJapaneseSystem, DoubleByteLiteralsAndCurrency) {
    const Settings yen{',', '.', "\x81\x8F", 0, 1, 0, 1};
    const struct {
        std::string picture;
        const char *value;
        std::string expected;
    } rows[] = {
        {"#,##0'" + kSo + "'", "1234", "1,234" + kSo},
        {"'" + kSo + "\\''0", "5", kSo + "'5"},
        {"0_" + kDa + "'x'", "5", "5 x"},
        {kYen + "#,##0", "-1234", "-" + kYen + "1,234"},
        {"0.0E+00'" + kU + "'", "150", "1.5E+02" + kU},
    };
    for (const auto &row : rows) {
        Request request(&yen);
        request.Picture(row.picture).Value(row.value).Block().nType = FMT_TYPE_NUMBER_PICTURE;
        EXPECT_EQ(Format(request, 0), (Outcome{1, row.expected})) << row.picture;
    }
    Request currency(&yen);
    currency.Value("-1234").Block().nType = FMT_TYPE_CURRENCY;
    EXPECT_EQ(Format(currency, 0), (Outcome{1, "-" + kYen + "1,234"}));
}

} // namespace
