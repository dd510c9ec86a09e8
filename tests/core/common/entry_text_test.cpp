#include <gtest/gtest.h>

#include "common/entry_text.h"

namespace tovaris {
namespace {

TEST(RemoveCurrencyChars, DropsOnlyMoneyPunctuation) {
    EXPECT_EQ(RemoveCurrencyChars("$ 1,234.50"), "1234.50");
    EXPECT_EQ(RemoveCurrencyChars("12.5%"), "12.5");
    EXPECT_EQ(RemoveCurrencyChars(" - 5 "), "-5");
    EXPECT_EQ(RemoveCurrencyChars("abc"), "abc");
    EXPECT_EQ(RemoveCurrencyChars(""), "");
}

TEST(IsNumeric, AcceptsPlainNumbersOnly) {
    struct Case {
        const char* text;
        bool numeric;
    };
    const Case cases[] = {
        {"0", true},    {"12", true},   {"-12", true},  {"+3", true},     {"1.5", true},
        {".5", true},   {"5.", true},   {"-.5", true},  {"1e3", true},    {"2.5E-2", true},
        {"", false},    {".", false},   {"-", false},   {"1.2.3", false}, {"1e", false},
        {"12a", false}, {"a12", false}, {"1 2", false}, {"--1", false},   {"e5", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsNumeric(c.text), c.numeric) << '"' << c.text << '"';
    }
}

TEST(ReadAmount, CleansThenConverts) {
    EXPECT_DOUBLE_EQ(*ReadAmount("$ 1,234.50"), 1234.5);
    EXPECT_DOUBLE_EQ(*ReadAmount("-$250"), -250);
    EXPECT_DOUBLE_EQ(*ReadAmount("7.5%"), 7.5);
    EXPECT_FALSE(ReadAmount("$").has_value());
    EXPECT_FALSE(ReadAmount("ten").has_value());
}

TEST(EntryText, QuotesAndFileNameCharacters) {
    EXPECT_EQ(ReplaceDoubleQuotes("the \"big\" house"), "the 'big' house");
    EXPECT_EQ(RemoveChars("Smith / Jones: v? 2023", "\\/:*?<>|"), "Smith  Jones v 2023");
}

}  // namespace
}  // namespace tovaris
