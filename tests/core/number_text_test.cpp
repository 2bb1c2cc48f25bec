#include "number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <string>

#include "compute_run.h"

namespace trelvin {
namespace {

struct PrefixCase {
    std::string text;
    double value;
};

TEST(NumericPrefix, ReadsTheNumberATextStartsWith) {
    const PrefixCase cases[] = {
        {"  100 cases", 100},  {"cases", 0},       {"", 0},        {".36", 0.36},
        {"+.5", 0.5},          {"-.5", -0.5},      {"1e", 1},      {"1e5x", 100000},
        {"1E+2", 100},         {"2.5e-1", 0.25},   {"1.", 1},      {".", 0},
        {"-", 0},              {"e5", 0},          {"0x10", 0},    {"inf", 0},
        {"nan", 0},            {"1,5", 1},         {"1 000", 1},   {"\t\n-2.5E+3 ", -2500},
        {"1e-999", 0},         {"\xc2\xa0" "5", 0},  // no-break space is not ASCII white space
    };
    for (const auto& c : cases) {
        const auto value = numericPrefix(c.text);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_EQ(*value, c.value) << '"' << c.text << '"';
    }
}

TEST(NumericPrefix, MinusZeroReadsAsZeroAndShowsWithoutSign) {
    const double value = *numericPrefix("-0");
    EXPECT_EQ(value, 0.0);
    EXPECT_EQ(generalNumberText(value), "0");
}

TEST(NumericPrefix, BeyondTheDoubleRangeHasNoValue) {
    for (const std::string text : {"1e999", "-1e999", "  2e308 paths", "1e99999999999999999999"})
        EXPECT_FALSE(numericPrefix(text).has_value()) << text;
    EXPECT_FALSE(numericPrefix(std::string(100'000, '7')).has_value());
    EXPECT_EQ(*numericPrefix("1e-99999999999999999999"), 0.0);
}

TEST(NumericPrefix, LongEntriesReadToTheNearestDouble) {
    EXPECT_EQ(*numericPrefix("0." + std::string(100'000, '3')), 1.0 / 3.0);
    EXPECT_EQ(*numericPrefix("0." + std::string(99'998, '0') + "1e99998"), 0.1);
}

struct TextCase {
    double value;
    std::string text;
};

TEST(GeneralNumberText, WritesFifteenSignificantDigitsInShortestForm) {
    const TextCase cases[] = {
        {1 - 0.7, "0.3"},
        {0.00001, "1E-05"},
        {0.0001, "0.0001"},
        {0.000099999999999999999, "0.0001"},
        {1e15, "1E+15"},
        {999999999999999, "999999999999999"},
        {-0.0, "0"},
        {0.5, "0.5"},
        {-0.25, "-0.25"},
        {100, "100"},
        {std::sqrt(0.5), "0.707106781186548"},
        {2.0 / 3.0, "0.666666666666667"},
        {1.5e-7, "1.5E-07"},
        {-1.25e20, "-1.25E+20"},
        {123456.789, "123456.789"},
        {DBL_MAX, "1.79769313486232E+308"},
        {4.9406564584124654e-324, "4.94065645841247E-324"},
    };
    for (const auto& c : cases) EXPECT_EQ(generalNumberText(c.value), c.text) << c.value;
}

TEST(GeneralNumberText, FewerDigitsOnRequest) {
    EXPECT_EQ(generalNumberText(3.1234e-7, 3), "3.12E-07");
    EXPECT_EQ(generalNumberText(0.049999, 3), "0.05");
}

TEST(StrictNumber, ReadsBackEveryGeneralNumberTextAsAFixedPoint) {
    for (const double value : {0.3, 1e-5, 1e15, -2.5, 0.707106781186548, 4.94065645841247e-324}) {
        const std::string text = generalNumberText(value);
        const auto read = strictNumber(text);
        ASSERT_TRUE(read.has_value()) << text;
        EXPECT_EQ(generalNumberText(*read), text);
    }
    for (const std::string text : {"", " 1", "1 ", "1x", "+1", "inf", "1.79769313486232E+308"})
        EXPECT_FALSE(strictNumber(text).has_value()) << '"' << text << '"';
}

// The window toolkit sets the C locale from the environment; a user whose
// locale writes decimal commas must still get full stops.
TEST(TextConversions, IgnoreACommaDecimalLocale) {
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the de_DE.UTF-8 locale is missing (scripts/test generates it)";
    EXPECT_EQ(generalNumberText(0.5), "0.5");
    EXPECT_EQ(generalNumberText(1e-5), "1E-05");
    EXPECT_EQ(*numericPrefix("0.36"), 0.36);
    EXPECT_EQ(*numericPrefix("0,36"), 0.0);
    EXPECT_EQ(*strictNumber("43.5"), 43.5);

    ComparisonSheet sheet;
    sheet.lmr(1) = "0.36";
    sheet.n = "100.5";
    sheet.d = "2";
    ASSERT_TRUE(computeRun(sheet).completed());
    EXPECT_EQ(sheet.lmesq(1), "0.64");
    EXPECT_EQ(sheet.n, "100.5");
    std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace trelvin
