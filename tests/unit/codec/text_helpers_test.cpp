// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/text_helpers.h"

#include <gtest/gtest.h>

namespace zq61 {
namespace {

using namespace std::string_literals;

TEST(TextHelpers, CleanStringCutsAtNulAndTrimsBlanks) {
    EXPECT_EQ(cleanString("ZQ-61\0ab"s), "ZQ-61");
    EXPECT_EQ(cleanString("ZQ-61 \0  "s), "ZQ-61");
    EXPECT_EQ(cleanString("     "), "");
    EXPECT_EQ(cleanString("  lead"), "  lead");
}

TEST(TextHelpers, IsNumericAcceptsDecimalEntries) {
    for (const char* yes : {"28", "8.5", ".5", "5.", " 28.0 ", "-3", "+2", "1e3"})
        EXPECT_TRUE(isNumeric(yes)) << yes;
    for (const char* no : {"", " ", ".", "-", "abc", "1.2.3", "1,5", "2e", "1e999", "- 3"})
        EXPECT_FALSE(isNumeric(no)) << no;
    EXPECT_EQ(parseNumber(" 28.0 "), 28.0);
    EXPECT_EQ(parseNumber(".5"), 0.5);
}

TEST(TextHelpers, ClampLimitsStepsAndFallsBack) {
    struct Case {
        const char* text;
        int min, max, step, def, expected;
    };
    const Case cases[] = {
        {"7", 5, 1000, 5, 5, 5},        {"1003", 5, 1000, 5, 5, 1000},
        {"-3", 0, 16, 1, 0, 0},         {"x", 0, 8, 1, 0, 0},
        {"999", 5, 1000, 5, 5, 995},    {"8.9", 0, 16, 1, 0, 8},
        {"99999999999", 0, 8, 1, 0, 8}, {"99999999999", -32768, 32767, 1, 0, 32767},
        {"-7", -100, 100, 5, 0, -5},  // the remainder keeps the sign of the value
    };
    for (const auto& c : cases)
        EXPECT_EQ(clampValue(c.text, c.min, c.max, c.step, c.def), c.expected) << c.text;
    EXPECT_EQ(longOrDefault("abc", 7), 7);
    EXPECT_EQ(longOrDefault("-12.7", 7), -12);
    EXPECT_EQ(longOrDefault("99999999999", 7), 2147483647);
}

TEST(TextHelpers, ListLookupsFallBackToTheFirstItem) {
    const std::vector<std::string> three = {"Off", "+", "-"};
    EXPECT_EQ(listItem(three, 1), "+");
    EXPECT_EQ(listItem(three, 5), "Off");
    EXPECT_EQ(listItem(three, -1), "Off");
    EXPECT_EQ(listItem({}, 0), "");
    EXPECT_EQ(findListItem(three, "-"), "-");
    EXPECT_EQ(findListItem(three, "OFF"), "Off");  // exact match only
    EXPECT_EQ(findListItem({}, "x"), "");
}

TEST(TextHelpers, DtmfDigitsAndFileNames) {
    EXPECT_EQ(dtmfToDisplay("12E4F"), "12#4*");
    EXPECT_EQ(dtmfToStored("12#4*"), "12E4F");
    EXPECT_EQ(fileNameOfPath("C:\\radio\\ham.dat"), "ham.dat");
    EXPECT_EQ(fileNameOfPath("/home/op/cb.dat"), "cb.dat");
}

}  // namespace
}  // namespace zq61
