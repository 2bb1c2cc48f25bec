#include "comparison_test.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "chi_square.h"

namespace trelvin {
namespace {

struct VerdictCase {
    double d;
    double w;
    std::string_view expected;
};

TEST(Verdict, TestsWAgainstTheCriticalPointsOfD) {
    const VerdictCase cases[] = {
        // A W equal to c05 is significant at .05; one equal to c01 does not reach .01.
        {1, 3.83, kAbove05},      {1, 3.84, kBelow05},      {1, 6.63, kBelow05},
        {1, 6.64, kBelow01},      {30, 43.76, kAbove05},    {30, 43.77, kBelow05},
        {30, 50.90, kBelow01},    {2, -1, kAbove05},        {2, 43.736, kBelow01},
        // Beyond the table, from the computed points.
        {31, 44.98, kAbove05},    {31, 44.99, kBelow05},    {31, 52.19, kBelow05},
        {31, 52.20, kBelow01},    {40, 55.75, kAbove05},    {40, 55.76, kBelow05},
        {40, 63.70, kBelow01},    {100, 124.33, kAbove05},  {100, 135.81, kBelow05},
        {100, 135.82, kBelow01},  {1e6, 1e7, kBelow01},     {1e6, 1e6, kAbove05},
        // No chi-square test applies.
        {0, 1000, kNoTest},       {2.5, 1000, kNoTest},     {-3, 1000, kNoTest},
        {2e6, 1e7, kNoTest},      {1e6 + 1, 1e7, kNoTest},  {1e300, 0, kNoTest},
    };
    for (const auto& c : cases)
        EXPECT_EQ(verdict(c.d, c.w), c.expected) << "d = " << c.d << ", W = " << c.w;
}

TEST(CriticalValues, ComputedPointsMatchAnIndependentLibrary) {
    const struct {
        double d, c05, c01;
    } cases[] = {{31, 44.99, 52.19}, {40, 55.76, 63.69}, {100, 124.34, 135.81}};
    for (const auto& c : cases) {
        const auto values = criticalValuesFor(c.d);
        ASSERT_TRUE(values.has_value());
        EXPECT_EQ(values->c05, c.c05) << c.d;
        EXPECT_EQ(values->c01, c.c01) << c.d;
    }
}

// Guards the built-in table against a typo.
TEST(CriticalValues, TheBuiltInTableIsTheComputedPointsRounded) {
    for (int k = 1; k <= kTableRows; ++k) {
        const CriticalValues computed = computedCriticalValues(k);
        EXPECT_EQ(kCriticalTable[k - 1].c05, computed.c05) << "k = " << k;
        EXPECT_EQ(kCriticalTable[k - 1].c01, computed.c01) << "k = " << k;
    }
}

TEST(UpperTailP, IsTheChiSquareTailOfW) {
    // With 2 degrees of freedom the tail is exp(-W/2).
    EXPECT_NEAR(*upperTailP(2, 43.736), std::exp(-43.736 / 2), 1e-22);
    EXPECT_NEAR(*upperTailP(1, 3.841458820694124), 0.05, 1e-12);
    EXPECT_EQ(*upperTailP(5, 0), 1.0);
    EXPECT_EQ(*upperTailP(5, -2), 1.0);
    EXPECT_EQ(*upperTailP(5, 1e300), 0.0);
    EXPECT_FALSE(upperTailP(2.5, 3).has_value());
    EXPECT_FALSE(upperTailP(0, 3).has_value());
}

TEST(QFromFits, FaultsWhenTheSmallerModelFitsPerfectly) {
    double q = -1;
    EXPECT_EQ(qFromFits(0.5, 1.0, q), (Fault{FaultKind::DivisionByZero, FaultStep::Q}));
    EXPECT_EQ(qFromFits(1.0, 1.0, q), (Fault{FaultKind::InvalidOperation, FaultStep::Q}));
    EXPECT_EQ(q, -1);
    EXPECT_FALSE(qFromFits(0.68, 0.5, q).has_value());
    EXPECT_DOUBLE_EQ(q, 0.64);
}

}  // namespace
}  // namespace trelvin
