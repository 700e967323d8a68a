// FMTFormatNumber: pictures, the settings' number and currency forms, and
// refusals, with the built-in profile, settings carried by the request, the
// user's German settings and a Japanese system.
#include "numfmt/number_picture_support.h"

namespace {

using namespace numpic;
using NumberFormat = numpic::ProfileTest;
using NumberFormatOnJapaneseSystem = numpic::ProfileTest;

// #,##0.00 with the currency before it, tokenized.
const std::string kTokenizedDollars = "\x03\x0F#\x01##0\x02\x30\x30\x10";

Outcome FormatByPicture(const Settings *settings, const std::string &picture, const char *value) {
    Request request(settings);
    request.Picture(picture).Value(value).Block().nType = FMT_TYPE_NUMBER_PICTURE;
    return Format(request, 0);
}

// Settings null: the built-in profile.
TEST_F(NumberFormat, Pictures) {
    const struct {
        const Settings *settings;
        const char *picture, *value, *expected;
    } rows[] = {
        // digit places, grouping, places dropped down to the "0"s
        {nullptr, "#,##0.00", "1234.567", "1,234.57"},
        {nullptr, "#,##0.00", "-1234.5", "-1,234.50"},
        {nullptr, "#,##0.00", "0.5", "0.50"},
        {nullptr, "0,000", "12", "0,012"},
        {nullptr, "0,000", "12345", "12,345"},
        {nullptr, "#,##0", "1234567890123", "1,234,567,890,123"},
        {nullptr, "#,##0.##", "5", "5"},
        {nullptr, "0.0#", "1.25", "1.25"},
        {nullptr, "0.0#", "1", "1.0"},
        {nullptr, "00", "12345", "12345"},
        {nullptr, "0", "-2.5", "-3"},
        {nullptr, "#.00", "0.5", ".50"},
        {nullptr, "#.##", "0", "0"},
        {nullptr, "0.", "7", "7"},
        {nullptr, "0%", "0.256", "26%"},
        // literal text, quotes and escapes, "_"
        {nullptr, "'Total: '#,##0.00' kg'", "1234.5", "Total: 1,234.50 kg"},
        {nullptr, "\"a\"\"b\" 0", "5", "a\"b 5"},
        {nullptr, "'it\\'s '0", "5", "it's 5"},
        {nullptr, "$#,##0.00", "-1234.5", "-$1,234.50"},
        {nullptr, "0_)' x'", "5", "5  x"},
        // sections: negative, zero, re-chosen for a value that shows zero
        {nullptr, "#,##0;(#,##0);0.00", "-5", "(5)"},
        {nullptr, "#,##0;(#,##0);0.00", "0", "0.00"},
        {nullptr, "0.00;(0.00);'zero'", "-0.001", "zero"},
        {nullptr, "0.00;(0.00);'zero'", "0.001", "zero"},
        {nullptr, "0.00;(0.00)", "-0.001", "0.00"},
        {nullptr, "0.00", "-0.001", "0.00"},
        {nullptr, "0.0;(0.0);0.000", "-0.01", "0.000"},
        {nullptr, "'pos';'neg';'zero'", "-5", "neg"},
        {nullptr, "#;", "-5", ""},
        {nullptr, "0;(0);", "0", ""},
        // scientific: the digit count of 9.6 is that of 10
        {nullptr, "0.00E+00", "9.6", "0.96E+01"},
        {nullptr, "0.00E+00", "99.7", "1.00E+02"},
        {nullptr, "0.00E+00", "-12345", "-1.23E+04"},
        {nullptr, "0.00E+00", "0.09999", "1.00E-01"},
        {nullptr, "0.00E+00", "0", "0.00E+00"},
        {nullptr, "0.00E-00", "12345", "1.23E04"},
        {nullptr, "0.00E-00", "0.00123", "1.23E-03"},
        {nullptr, "0.00e+00", "12345", "1.23e+04"},
        {nullptr, "0.0##E+0", "1234", "1.234E+3"},
        {nullptr, "0.00E+00", "1e118", "1.00E+118"},
        {nullptr, "0.00E+00", "1e-120", "1.00E-120"},
        // separators of the request
        {&kGerman, "#.##0,00", "1234.567", "1.234,57"},
        {&kGerman, "#.##0,##", "5", "5"},
        {&kGerman, "0,00E+00", "12345", "1,23E+04"},
        {&kGerman, "0,0%", "0.1234", "12,3%"},
        {&kSwiss, "#'##0.00", "1234567.5", "1'234'567.50"},
        // tokenized pictures follow the settings of the call
        {&kEnglish, kTokenizedDollars.c_str(), "1234.5", "$1,234.50"},
        {&kGerman, kTokenizedDollars.c_str(), "1234.5", "1.234,50 EUR"},
        {&kSwiss, kTokenizedDollars.c_str(), "1234.5", "Fr. 1'234.50"},
    };
    UseBuiltInProfile();
    for (const auto &row : rows)
        EXPECT_EQ(FormatByPicture(row.settings, row.picture, row.value), (Outcome{1, row.expected}))
            << row.picture << " " << row.value;
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
    const FormRow rows[] = {
        {FMT_TYPE_NUMBER, kEnglish, "1234.5", 0, "1,234.50"},
        {FMT_TYPE_NUMBER, kEnglish, "-0.5", 0, "-0.50"},
        {FMT_TYPE_NUMBER, kNoZero, "-0.5", 0, "-.50"},
        {FMT_TYPE_NUMBER, kEnglish, "-123456", 0, "-123,456.00"},
        {FMT_TYPE_NUMBER, kNoGrouping, "1234.5", 0, "1234.50"},
        {FMT_TYPE_NUMBER, kEnglish, "1234.5678", FMT_FLAG_ALL_DECIMALS, "1,234.5678"},
        {FMT_TYPE_NUMBER, kEnglish, "5", FMT_FLAG_ALL_DECIMALS, "5"},
        {FMT_TYPE_NUMBER, kGerman, "-1234.5", 0, "-1.234,50"},
        {FMT_TYPE_CURRENCY, kGerman, "1234.5", 0, "1.234,50 EUR"},
        {FMT_TYPE_CURRENCY, kGerman, "0.5", FMT_FLAG_ALL_DECIMALS, "0,5 EUR"},
    };
    for (const FormRow &row : rows) EXPECT_EQ(FormatForm(row), row.expected) << row.value;

    // The empty picture and "$" stand for these forms.
    UseBuiltInProfile();
    const struct {
        const char *picture, *value, *expected;
    } pictures[] = {{"", "1234.5", "1,234.50"}, {"$", "1234.5", "$ 1,234.50"}, {"$", "-1234.5", "($1,234.50)"}};
    for (const auto &row : pictures)
        EXPECT_EQ(FormatByPicture(nullptr, row.picture, row.value), (Outcome{1, row.expected})) << row.picture;
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

TEST_F(NumberFormat, Refusals) {
    auto outcome = [](auto prepare) {
        Request request(&kEnglish);
        request.Picture("#,##0.00").Value("1234.5").Block().nType = FMT_TYPE_NUMBER_PICTURE;
        prepare(request.Block());
        return Format(request, 0);
    };
    const Outcome refused{0, ""}, nothing{1, ""};
    EXPECT_EQ(outcome([](FMTCNTLBLOCK &b) { b.dwFlags &= ~FMT_FLAG_PREPARED; }), refused);
    EXPECT_EQ(outcome([](FMTCNTLBLOCK &b) { b.nType = 7; }), refused);
    EXPECT_EQ(outcome([](FMTCNTLBLOCK &b) { b.nType = -1; }), refused);
    EXPECT_EQ(outcome([](FMTCNTLBLOCK &b) { b.lpszPicture = const_cast<char *>("0%"), b.numValue = Num("9e119"); }),
              refused)
        << "a percentage out of range";
    // A null value is done, with nothing to show.
    EXPECT_EQ(outcome([](FMTCNTLBLOCK &b) { b.numValue.bLength = 0; }), nothing);
    EXPECT_EQ(outcome([](FMTCNTLBLOCK &b) { b.nType = FMT_TYPE_NUMBER, b.numValue.bLength = 0; }), nothing);
    // The largest plain value, grouped.
    EXPECT_EQ(outcome([](FMTCNTLBLOCK &b) { b.numValue = Num("9.99e107"); }).text.size(), 108u + 107 / 3 + 3);

    Request nullOutput(&kEnglish);
    nullOutput.Value("1").Block().nType = FMT_TYPE_NUMBER;
    EXPECT_EQ(FMTFormatNumber(&nullOutput.Block(), 0), 0u);
    EXPECT_EQ(FMTFormatNumber(nullptr, 0), 0u);
}

// Text is written straight into the caller's buffer unless the picture lies
// inside it, where writing would overwrite the picture while it is read.
TEST_F(NumberFormat, PictureInsideTheOutputBuffer) {
    Request request(&kEnglish);
    request.Value("-1234.5").Block().nType = FMT_TYPE_NUMBER_PICTURE;
    std::vector<char> shared(FMT_MAX_NUMBER_TEXT + 1, 'X');
    std::strcpy(shared.data() + 4, "#,##0.00;(#,##0.00)");
    request.Block().lpszOutput = shared.data();
    request.Block().lpszPicture = shared.data() + 4;
    EXPECT_EQ(FMTFormatNumber(&request.Block(), 0), 1u);
    EXPECT_STREQ(shared.data(), "(1,234.50)");
}

// One picture buffer read again and again, as a host formats a column: a
// change of its text in place, of the separators, or of the section the sign
// chooses shows at once.  Unformatting reads the same buffer in between.
TEST_F(NumberFormat, OnePictureBufferChangedBetweenCalls) {
    const struct {
        const Settings *settings;
        const char *picture, *value, *expected, *read;
    } rows[] = {
        {&kEnglish, "#,##0.00;(#,##0.00)", "1234.567", "1,234.57", "1234.57"},
        {&kEnglish, "#,##0.00;(#,##0.00)", "-1234.567", "(1,234.57)", "-1234.57"},
        {&kGerman, "#,##0.00;(#,##0.00)", "-1234.567", "(1.234,567.00)", "refused"},
        {&kEnglish, "#,##0.0#;(#,##0.00)", "1234.5", "1,234.5", "1234.5"},
        {&kEnglish, "#,##0.0#;(#,##0.00)", "-1234.5", "(1,234.50)", "-1234.5"},
        {&kEnglish, "#,##0.00;(#,##0.0#)", "-1234.5", "(1,234.5)", "-1234.5"},
        {&kEnglish, "#,##0.0#;'minus '0.0", "-1234.5", "minus 1234.5", "-1234.5"},
    };
    std::vector<char> picture(64, '\0');
    for (const auto &row : rows) {
        std::strcpy(picture.data(), row.picture);
        Request request(row.settings);
        request.Value(row.value).Block().nType = FMT_TYPE_NUMBER_PICTURE;
        request.Block().lpszPicture = picture.data();
        const Outcome formatted = Format(request, 0);
        EXPECT_EQ(formatted, (Outcome{1, row.expected})) << row.picture << " " << row.value;
        request.Input(formatted.text);
        EXPECT_EQ(Unformat(request), row.read) << row.picture << " " << formatted.text;
    }
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
        const Outcome outcome = FormatByPicture(&kEnglish, row.picture, row.value);
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

TEST_F(NumberFormat, TheUsersGermanSettings) {
    GermanUser german;
    OnFreshThread([] {
        const struct {
            int32_t kind;
            std::string picture;
            const char *value, *expected;
        } rows[] = {
            {FMT_TYPE_NUMBER, "", "-0.5", "-0,50"},
            {FMT_TYPE_CURRENCY, "", "-1234.5", "-1.234,50 EUR"},
            {FMT_TYPE_NUMBER_PICTURE, "#.##0,00", "1234.5", "1.234,50"},
            {FMT_TYPE_NUMBER_PICTURE, kTokenizedDollars, "1234.5", "1.234,50 EUR"},
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
        {"#,##0.00", 7, 0, 13},  {"#,##0.00", 7, 20, 20}, {"#,##0;(#,##0)", 4, 0, 7},
        {"0.0##E+00", 1, 0, 11}, {"0%", 3, 0, 7},         {"0.00_)", 2, 0, 7},
        {"$", 7, 0, 16},
    };
    for (const auto &row : rows)
        EXPECT_EQ(FMTGetMaxFormattedNumLen(row.picture, row.maxIntDigits, row.minLen), row.expected) << row.picture;
    EXPECT_EQ(FMTGetMaxFormattedNumLen(kTokenizedDollars.c_str() + 1, 7, 0), 13) << "tokenized";
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
    for (const auto &row : rows) EXPECT_EQ(FormatByPicture(&yen, row.picture, row.value), (Outcome{1, row.expected}));
    Request currency(&yen);
    currency.Value("-1234").Block().nType = FMT_TYPE_CURRENCY;
    EXPECT_EQ(Format(currency, 0), (Outcome{1, "-" + kYen + "1,234"}));
}

} // namespace
