// The scanner's tokens of pictures and typed values, and guessed pictures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "datetime/date_tokens.h"

namespace {

std::vector<int32_t> Codes(const FMTDATETOKEN *node) {
    std::vector<int32_t> codes;
    for (; node; node = node->next) codes.push_back(node->code);
    return codes;
}

std::vector<int32_t> PictureCodes(const char *picture) {
    FMTDATETOKEN *list = FMTParseDatePic(picture, 4);
    const std::vector<int32_t> codes = Codes(list);
    FMTFreeDateTokens(list);
    return codes;
}

TEST(DateGrammar, PictureTokens) {
    using V = std::vector<int32_t>;
    EXPECT_EQ(PictureCodes("M/d/yy"), (V{8, 2, 4, 2, 12}));
    EXPECT_EQ(PictureCodes("dddd, MMMM dd, yyyy"), (V{7, 2, 3, 11, 3, 5, 2, 3, 13}));
    EXPECT_EQ(PictureCodes("hh:mm:ss AMPM"), (V{14, 2, 16, 2, 17, 3, 19}));
    EXPECT_EQ(PictureCodes("hhhh.mm.ss.mmmmmm"), (V{15, 2, 16, 2, 17, 2, 18}));
    EXPECT_EQ(PictureCodes("h hhh"), (V{20, 3, 21}));
    EXPECT_EQ(PictureCodes("yyyyyy mmmm"), (V{13, 12, 3, 16, 16}));
    EXPECT_EQ(PictureCodes("yyyy-MM-dd'T'hh"), (V{13, 2, 9, 2, 5, 1, 14}));
    for (const char *invalid : {"MMMMM", "ddddd", "yyy", "mmm", "HH", "am", "s", "'open", "D", "1", "\"x\""})
        EXPECT_EQ(FMTParseDatePic(invalid, 4), nullptr) << invalid;
    EXPECT_EQ(FMTParseDatePic("", 4), nullptr);
    EXPECT_EQ(FMTParseDatePic("d", 7), nullptr);
    // A token of more than 99 characters ends the scan.
    EXPECT_EQ(FMTParseDatePic(("'" + std::string(98, 'x') + "'").c_str(), 4), nullptr);
    FMTDATETOKEN *fits = FMTParseDatePic(("'" + std::string(97, 'x') + "'").c_str(), 4);
    ASSERT_NE(fits, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(fits->value)), std::string(97, 'x'));
    FMTFreeDateTokens(fits);
}

TEST(DateGrammar, ValueTokens) {
    FMTDATETOKEN *list = FMTParseDatePic("Dec 4, 2026 10:30:15 PM", 1);
    EXPECT_EQ(Codes(list), (std::vector<int32_t>{1, 3, 0, 2, 3, 0, 3, 0, 2, 0, 2, 0, 3, 1}));
    ASSERT_NE(list, nullptr);
    EXPECT_STREQ(reinterpret_cast<const char *>(list->value), "Dec");
    EXPECT_EQ(FMTFirstDateToken(list->next->next), list);
    EXPECT_EQ(FMTFirstDateToken(nullptr), nullptr);
    FMTFreeDateTokens(list);

    list = FMTParseDatePic("20261204", 1);
    EXPECT_EQ(Codes(list), (std::vector<int32_t>{0, 3, 0, 3, 0}));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->value, 2026u);
    EXPECT_EQ(list->next->next->next->next->value, 4u);
    FMTFreeDateTokens(list);

    list = FMTParseDatePic("0099", 1);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->value, 0xFF000063u);
    FMTFreeDateTokens(list);
    list = FMTParseDatePic("Dec4", 1);
    EXPECT_EQ(Codes(list), (std::vector<int32_t>{1, 0})) << "a word and a number";
    FMTFreeDateTokens(list);
    EXPECT_EQ(FMTParseDatePic("12;4", 2), nullptr);
    FMTFreeDateTokens(nullptr);
}

TEST(DateGrammar, GuessedPictures) {
    const struct {
        const char *text;
        int32_t kind, numeric;
        const char *picture;
    } rows[] = {
        {"Dec 4, 2026", 1, 1, "MMM d, yyyy"},
        {"December 04, 2026", 1, 1, "MMMM dd, yyyy"},
        {"04 December, 2026", 1, 1, "dd MMMM, yyyy"},
        {"4 Dec 2026", 1, 1, "d MMM, yyyy"},
        {"2026-12-04", 1, 1, "yyyy-MM-dd"},
        {"12/04/2026", 1, 1, "M/d/yyyy"},
        {"12/04/2026", 1, 0, nullptr},
        {"4-Dec-26", 1, 1, "d-MMM-yyyy"},
        {"4/Dec/2026", 1, 1, "d-MMM-yyyy"},
        {"1/2/26", 1, 1, nullptr},
        {"2026/12/04", 1, 1, nullptr},
        {"De 4, 2026", 1, 1, nullptr},
        {"  Dec 4, 2026", 1, 1, "MMM d, yyyy"},
        {"10:30", 2, 1, "hhhh.mm.ss.mmmmmm"},
        {"10:30:15.000042 PM", 2, 1, "hh.mm.ss.mmmmmm AMPM"},
        {"10:30:150", 2, 1, "hhhh.mm.ss.mmmmmm"},
        {"103", 2, 1, nullptr},
        {"2026-12-04-10.30.15.000000", 3, 1, "yyyy-MM-dd-hhhh.mm.ss.mmmmmm"},
        {"Dec 4, 2026 10:30 PM", 3, 1, "MMM d, yyyy hh.mm.ss.mmmmmm AMPM"},
        {"Dec 4, 2026", 3, 1, "MMM d, yyyy hh.mm.ss.mmmmmm AMPM"},
        {"hello", 1, 1, nullptr},
        {"Dec 4, 2026", 4, 1, nullptr},
    };
    for (const auto &row : rows) {
        char picture[80] = "";
        FMTDATETOKEN *list = FMTGuessDatePic(row.text, row.kind, picture, row.numeric);
        if (!row.picture) {
            EXPECT_EQ(list, nullptr) << row.text;
        } else {
            EXPECT_NE(list, nullptr) << row.text;
            EXPECT_STREQ(picture, row.picture) << row.text;
        }
        FMTFreeDateTokens(list);
    }
}

} // namespace
