#include "codec/text_helpers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace zq61 {
namespace {

using namespace std::string_literals;

TEST(CleanString, CutsAtNulAndTrimsTrailingBlanks) {
    EXPECT_EQ(cleanString("ZQ-61\0ab"s), "ZQ-61");
    EXPECT_EQ(cleanString("ZQ-61  "), "ZQ-61");
    EXPECT_EQ(cleanString("ZQ-61 \0  "s), "ZQ-61");
    EXPECT_EQ(cleanString("     "), "");
    EXPECT_EQ(cleanString("\0\0\0"s), "");
    EXPECT_EQ(cleanString("  lead"), "  lead");
}

TEST(IsNumeric, AcceptsWhatADecimalEntryMeans) {
    struct Case {
        const char* text;
        bool numeric;
        double value;
    };
    const Case cases[] = {
        {"28", true, 28},       {"8.5", true, 8.5},
        {".5", true, 0.5},      {"5.", true, 5},
        {" 28.0 ", true, 28},   {"-3", true, -3},
        {"+2", true, 2},        {"1e3", true, 1000},
        {"2.5E-1", true, 0.25}, {"99999999999", true, 99999999999.0},
        {"", false, 0},         {" ", false, 0},
        {".", false, 0},        {"-", false, 0},
        {"abc", false, 0},      {"1.2.3", false, 0},
        {"1,5", false, 0},      {"2e", false, 0},
        {"1e999", false, 0},    {"12a", false, 0},
        {"- 3", false, 0},      {"0x10", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(isNumeric(c.text), c.numeric);
        const auto v = parseNumber(c.text);
        ASSERT_EQ(v.has_value(), c.numeric);
        if (v) EXPECT_DOUBLE_EQ(*v, c.value);
    }
}

TEST(IsNumeric, IgnoresACommaLocale) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE locale";
    EXPECT_EQ(parseNumber("27.185"), 27.185);
    EXPECT_FALSE(isNumeric("27,185"));
    EXPECT_EQ(formatFiveDecimals(27.185), "27.18500");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(ClampValue, LimitsStepsAndFallsBack) {
    struct Case {
        const char* text;
        int min, max, step, def, expected;
    };
    const Case cases[] = {
        {"7", 5, 1000, 5, 5, 5},
        {"1003", 5, 1000, 5, 5, 1000},
        {"-3", 0, 16, 1, 0, 0},
        {"x", 0, 8, 1, 0, 0},
        {"", 5, 1000, 5, 5, 5},
        {"995", 5, 1000, 5, 5, 995},
        {"999", 5, 1000, 5, 5, 995},
        {"16", 0, 16, 1, 0, 16},
        {"17", 0, 16, 1, 0, 16},
        {"8.9", 0, 16, 1, 0, 8},
        {"99999999999", 0, 8, 1, 0, 8},
        {"-99999999999", 0, 8, 1, 0, 0},
        {"99999999999", -32768, 32767, 1, 0, 32767},
        {"1e300", 5, 1000, 5, 5, 1000},
        {"-7", -100, 100, 5, 0, -5},  // remainder keeps the sign of the value
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(clampValue(c.text, c.min, c.max, c.step, c.def), c.expected);
    }
}

TEST(LongOrDefault, GivesTheIntegerOrTheDefault) {
    EXPECT_EQ(longOrDefault("", 7), 7);
    EXPECT_EQ(longOrDefault("abc", 7), 7);
    EXPECT_EQ(longOrDefault(" 42 ", 7), 42);
    EXPECT_EQ(longOrDefault("-12.7", 7), -12);
    EXPECT_EQ(longOrDefault("99999999999", 7), 2147483647);
    EXPECT_EQ(longOrDefault("-99999999999", 7), -2147483647 - 1);
}

TEST(ListLookup, FallsBackToTheFirstItem) {
    const std::vector<std::string> three = {"Off", "+", "-"};
    const std::vector<std::string> none;
    EXPECT_EQ(listItem(three, 1), "+");
    EXPECT_EQ(listItem(three, 5), "Off");
    EXPECT_EQ(listItem(three, 3), "Off");
    EXPECT_EQ(listItem(three, -1), "Off");
    EXPECT_EQ(listItem(none, 0), "");
    EXPECT_EQ(findListItem(three, "-"), "-");
    EXPECT_EQ(findListItem(three, "x"), "Off");
    EXPECT_EQ(findListItem(three, "OFF"), "Off");  // exact match only, so item 0
    EXPECT_EQ(findListItem(none, "x"), "");
}

TEST(DtmfDigits, ConvertBothWays) {
    EXPECT_EQ(dtmfToDisplay("12E4F"), "12#4*");
    EXPECT_EQ(dtmfToStored("12#4*"), "12E4F");
    EXPECT_EQ(dtmfToStored(dtmfToDisplay("ABCDEF0")), "ABCDEF0");
}

TEST(FileNameOfPath, TakesThePartAfterTheLastSeparator) {
    EXPECT_EQ(fileNameOfPath("C:\\radio\\ham.dat"), "ham.dat");
    EXPECT_EQ(fileNameOfPath("/home/op/cb.dat"), "cb.dat");
    EXPECT_EQ(fileNameOfPath("new.dat"), "new.dat");
    EXPECT_EQ(fileNameOfPath("dir/"), "");
}

TEST(FormatFiveDecimals, AlwaysFiveDecimalsWithAPoint) {
    EXPECT_EQ(formatFiveDecimals(28.015), "28.01500");
    EXPECT_EQ(formatFiveDecimals(0.5), "0.50000");
    EXPECT_EQ(formatFiveDecimals(26.965), "26.96500");
    EXPECT_EQ(formatFiveDecimals(100), "100.00000");
}

}  // namespace
}  // namespace zq61
