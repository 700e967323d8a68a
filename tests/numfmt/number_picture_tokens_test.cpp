// Tokenized pictures, the old syntax and the validity of pictures.
#include "numfmt/number_picture_support.h"

namespace {

using namespace numpic;
using NumberPictureTokens = numpic::ProfileTest;
using NumberPictureTokensOnJapaneseSystem = numpic::ProfileTest;
using NumberPictureValidity = numpic::ProfileTest;

constexpr Settings kDollarBefore{',', '.', "$", 0, 0, 2, 1};
constexpr Settings kDollarAfter{',', '.', "$", 1, 1, 2, 1};
constexpr Settings kMinusFormat5{',', '.', "$", 0, 5, 2, 1};

using Converter = uint32_t(ORVEXAPI *)(const FMTCNTLBLOCK *, int32_t);

// Converts under a request's settings into an output of exactly the
// documented size; "refused" for a result of 0 (the output then empty).
template <typename F>
std::string Convert(F convert, const Settings &settings, const std::string &picture, size_t factor, int32_t mode = 2) {
    Request request(&settings);
    request.Picture(picture).Output(factor * picture.size() + 1);
    if (!convert(&request.Block(), mode)) {
        EXPECT_EQ(request.Text(), "");
        return "refused";
    }
    return request.Text();
}

std::string Tokenize(const Settings &settings, const std::string &picture) {
    return Hex(Convert(FMTTokenizeNumberPic, settings, picture, 3));
}
std::string Untokenize(const Settings &settings, const std::string &picture) {
    return Convert(FMTUnTokenizeNumberPic, settings, picture, 9);
}
std::string ConvertOld(const Settings &settings, const std::string &picture) {
    const auto convert = [](const FMTCNTLBLOCK *block, int32_t) { return FMTCnvOldNumberPic(block); };
    return Convert(convert, settings, picture, 3);
}

TEST_F(NumberPictureTokens, TokenizeEveryToken) {
    const struct {
        const Settings &settings;
        const char *picture;
        const char *expected;
    } rows[] = {
        {kDollarBefore, "$#,##0.00", "03 0F 23 01 23 23 30 02 30 30 10"},
        {kGerman, "#.##0,00 EUR", "0F 23 01 23 23 30 02 30 30 10 04"},
        {kDollarBefore, "#,##0;($#,##0)", "0F 23 01 23 23 30 10 3B 05 0F 23 01 23 23 30 10 06"},
        {kDollarBefore, "#,##0;(#,##0)", "0F 23 01 23 23 30 10 3B 28 0F 23 01 23 23 30 10 29"},
        {kMinusFormat5, "#;-#", "0F 23 10 3B 2D 0F 23 10"},
        {kMinusFormat5, "#;-#$", "0F 23 10 3B 05 0F 23 10 06"},
        {kDollarBefore, "#,##0_)", "0F 23 01 23 23 30 10 0E 06"},
        {kDollarAfter, "0;-$0_$", "0F 30 10 3B 05 0F 30 10 0E 04"},
        {kDollarBefore, "#_x", "0F 23 10 0E 78"},
        {kDollarBefore, "0_", "0F 30 10 0E"},
        {kDollarBefore, "'#,##0' 0", "27 23 2C 23 23 30 27 20 0F 30 10"},
        {kDollarBefore, "'it\\'s' 0", "27 69 74 5C 27 73 27 20 0F 30 10"},
        {kDollarBefore, "0.", "0F 30 02 10"},
        {kDollarBefore, "#,##0,", "0F 23 01 23 23 30 10 2C"},
        {kDollarBefore, "0.00E+00", "0F 30 02 30 30 10 45 2B 0F 30 30 10"},
    };
    for (const auto &row : rows) EXPECT_EQ(Tokenize(row.settings, row.picture), row.expected) << row.picture;
}

TEST_F(NumberPictureTokens, UntokenizeForOtherSettings) {
    const std::string grouped = "\x0F#\x01##0\x02\x30\x30\x10";
    const struct {
        const Settings &settings;
        std::string picture;
        const char *expected;
    } rows[] = {
        {kGerman, grouped, "#.##0,00"},
        {kDollarBefore, "\x03" + grouped, "$#,##0.00"},
        {kGerman, "\x03" + grouped, "#.##0,00 EUR"},
        {kDollarBefore, grouped + "\x04", "$#,##0.00"},
        {kGerman, grouped + "\x04", "#.##0,00 EUR"},
        {kDollarBefore, "\x0F#\x10;\x05\x0F#\x10\x06", "#;($#)"},
        {kGerman, "\x0F#\x10;\x05\x0F#\x10\x06", "#;-# EUR"},
        {kDollarBefore, "\x0F#\x10;\x0F#\x10\x06", "#;($#)"},
        {kDollarAfter, "\x0F\x30\x10\x0E\x04", "0_$"},
        {kDollarBefore, "\x0F\x30\x10\x0E\x04", "0"},
        {kDollarBefore, "\x0F\x30\x10\x0E\x06", "0_)"},
        {kDollarBefore, "\x0F\x30\x10\x0E", "0_"},
        {kDollarBefore, "0.00E+00", "0.00E+00"},
        {kDollarBefore, "$", "$"},
        {kDollarBefore, "", ""},
    };
    for (const auto &row : rows) EXPECT_EQ(Untokenize(row.settings, row.picture), row.expected) << Hex(row.picture);
}

TEST_F(NumberPictureTokens, RoundTripsAcrossSettings) {
    const char *const pictures[] = {
        "#,##0.00", "$#,##0.00;($#,##0.00);'zero'", "#,##0.00 $", "0%", "#,##0;(#,##0)", "'x''y' 0.0#", "0.00E+00"};
    const Settings *const settings[] = {&kEnglish, &kDollarAfter};
    for (const Settings *s : settings) {
        for (const char *picture : pictures) {
            Request request(s);
            request.Picture(picture).Output(3 * std::strlen(picture) + 1);
            ASSERT_EQ(FMTTokenizeNumberPic(&request.Block(), 2), 1u);
            const std::string tokenized = request.Text();
            EXPECT_EQ(FMTIsNumberPicTokenized(tokenized.c_str()), 1u) << picture;
            EXPECT_EQ(FMTIsNumberPicTokenized(picture), 0u) << picture;
            EXPECT_EQ(Untokenize(*s, tokenized), picture) << Hex(tokenized);
            // Through German settings, where the currency stands after the
            // number, and back.
            const std::string german = Untokenize(kGerman, tokenized);
            Request again(&kGerman);
            again.Picture(german).Output(3 * german.size() + 1);
            ASSERT_EQ(FMTTokenizeNumberPic(&again.Block(), 2), 1u);
            EXPECT_EQ(Untokenize(*s, again.Text()), picture) << german;
        }
    }
}

TEST_F(NumberPictureTokens, SettingsFormPicturesAndRefusals) {
    for (Converter convert : {FMTTokenizeNumberPic, FMTUnTokenizeNumberPic}) {
        EXPECT_EQ(Convert(convert, kEnglish, "$", 3), "$");
        EXPECT_EQ(Convert(convert, kEnglish, "", 3), "");
        Request nullPicture(&kEnglish);
        nullPicture.Output(8);
        EXPECT_EQ(convert(&nullPicture.Block(), 2), 0u);
        EXPECT_EQ(nullPicture.Text(), "");
        Request nullOutput(&kEnglish);
        nullOutput.Picture("0");
        EXPECT_EQ(convert(&nullOutput.Block(), 2), 0u);
        EXPECT_EQ(convert(nullptr, 2), 0u);
        // A symbol whose currency texts do not fit them.
        const Settings longSymbol{',', '.', "Dollars!", 0, 0, 2, 1};
        EXPECT_EQ(Convert(convert, longSymbol, "#,##0", 3), "refused");
    }
    EXPECT_EQ(FMTIsNumberPicTokenized(nullptr), 0u);
}

TEST_F(NumberPictureTokens, ModesOfTheProfile) {
    // Mode 0 works with the built-in profile: the currency "$ " before the
    // number.
    OnFreshThread([] {
        Request request;
        request.Picture("$ #,##0").Output(22);
        ASSERT_EQ(FMTTokenizeNumberPic(&request.Block(), 0), 1u);
        EXPECT_EQ(Hex(request.Text()), "03 0F 23 01 23 23 30 10");
    });
    // Mode 1 reads the user's settings afresh.
    GermanUser german;
    OnFreshThread([] {
        Request request;
        request.Picture("#.##0,00 EUR").Output(37);
        ASSERT_EQ(FMTTokenizeNumberPic(&request.Block(), 1), 1u);
        EXPECT_EQ(Hex(request.Text()), "0F 23 01 23 23 30 02 30 30 10 04");
        Request back;
        back.Picture("\x03\x0F#\x01##0\x02\x30\x30\x10").Output(100);
        ASSERT_EQ(FMTUnTokenizeNumberPic(&back.Block(), 1), 1u);
        EXPECT_EQ(back.Text(), "#.##0,00 EUR");
    });
}

TEST_F(NumberPictureTokens, OldSyntax) {
    const struct {
        const Settings &settings;
        const char *picture;
        const char *expected;
    } rows[] = {
        {kEnglish, "#,##0.00 kg", "#,##0.00 'kg'"},
        {kEnglish, "Total: #,##0", "'Total:' #,##0"},
        {kEnglish, "$#,##0.00", "$#,##0.00"},
        {kGerman, "#,##0.00", "#.##0,00"},
        {kGerman, "#,##0.00 EUR", "#.##0,00 EUR"},
        {kEnglish, "#,##0;(#,##0)", "#,##0;'('#,##0)"},
        {kEnglish, "'quoted' 0", "'quoted' 0"},
        {kEnglish, "0.00E+00", "0.00E+00"},
        {kEnglish, "ab$0", "'ab'$0"},
        {kEnglish, "", ""},
        {kEnglish, "$", "$"},
    };
    for (const auto &row : rows) EXPECT_EQ(ConvertOld(row.settings, row.picture), row.expected) << row.picture;
}

struct ValidityRow {
    const char *picture;
    int32_t expected;
};

int32_t Validity(const Settings &settings, const std::string &picture) {
    Request request(&settings);
    request.Picture(picture);
    return FMTIsNumberPicValid(&request.Block());
}

TEST_F(NumberPictureValidity, Verdicts) {
    const ValidityRow rows[] = {
        {"", 1},
        {"$", 1},
        {"0.00E+00", 1},
        {"0,#E-0", 1},
        {"0.E+00", 0},
        {"0.0#0E+00", 0},
        {"0.00E00", 0},
        {"0.00E+0#0", 0},
        {"#,##0.00", 1},
        {"#,##0;(#,##0);'zero'", 1},
        {"$#,##0.00", 1},
        {"'a''b' 0", 1},
        {"\"a\\\"b\" 0", 1},
        {"#,##0;(#,##0", 0},
        {"#,##0;(#,##0))", 0},
        {"a#", 0},
        {"0;0;0;0", 0},
        {"#,##,##0", 0},
        {"#,##.00", 0},
        {"##0#", 0},
        {"0.#0", 0},
        {"0.0.0", 0},
        {"0 0", 0},
        {"'abc 0", 0},
        {"0_", 0},
        {"_x0", 0},
        {"-0", 0},
        {"0;--0", 0},
        {"0;-0", 1},
        {"0%%", 0},
        {"$#,##0;(#,##0)", 0},
        {"$#,##0;($#,##0)", 1},
        {"\x0F#\x01##0\x02\x30\x30\x10", 1},
        {"\x0F#\x01##0\x02\x30\x30\x10\x05", 0},
    };
    for (const ValidityRow &row : rows) EXPECT_EQ(Validity(kDollarBefore, row.picture), row.expected) << row.picture;
    EXPECT_EQ(FMTIsNumberPicValid(nullptr), 0);
}

TEST_F(NumberPictureValidity, ThousandsSeparatorsThatEndTheField) {
    const Settings space{' ', ',', "Kc", 3, 8, 2, 1};
    EXPECT_EQ(Validity(space, "# ##0 "), 1);
    EXPECT_EQ(Validity(space, "# ##0,00 Kc"), 1);
    EXPECT_EQ(Validity(kSwiss, "#'##0'"), 0) << "the quote then opens a literal that is not closed";
    EXPECT_EQ(Validity(kSwiss, "#'##0' '"), 1);
    EXPECT_EQ(Validity(kEnglish, "#,##0,"), 0);
}

TEST_F(NumberPictureTokensOnJapaneseSystem, DoubleByteTextAndCurrency) {
    const Settings yen{',', '.', "\x81\x8F", 0, 1, 0, 1};
    EXPECT_EQ(Tokenize(yen, kYen + "#,##0"), "03 0F 23 01 23 23 30 10");
    EXPECT_EQ(Tokenize(yen, "0'" + kSo + "'"), "0F 30 10 27 83 5C 27");
    EXPECT_EQ(Tokenize(yen, "0_" + kDa), "0F 30 10 0E 83 5F");
    EXPECT_EQ(Untokenize(kDollarBefore, "\x03\x0F#\x01##0\x10"), "$#,##0");
    EXPECT_EQ(Untokenize(yen, "\x03\x0F#\x01##0\x10"), kYen + "#,##0");
    EXPECT_EQ(Untokenize(yen, "\x0F\x30\x10\x0E" + kDa), "0_" + kDa);
    EXPECT_EQ(ConvertOld(yen, "#,##0 " + kSo), "#,##0 '" + kSo + "'");
    const ValidityRow rows[] = {{"0_\x83\x5F", 1}, {"'\x83\x5C' 0", 1}, {"\x81\x8F#,##0", 1}, {"\x83\x5C 0", 0}};
    for (const ValidityRow &row : rows) EXPECT_EQ(Validity(yen, row.picture), row.expected) << Hex(row.picture);
}

} // namespace
