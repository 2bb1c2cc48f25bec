#pragma once

#include <optional>
#include <string_view>

#include "fault.h"

namespace trelvin {

inline constexpr std::string_view kBelow05 = " p < .05";
inline constexpr std::string_view kAbove05 = " p > .05";
inline constexpr std::string_view kBelow01 = " p < .01";
inline constexpr std::string_view kNoTest = " no test";

// The largest d that is tested: beyond it the chi-square points are no longer
// computed reliably, and no model of twelve sub-models comes near it.
inline constexpr double kMaxTestedD = 1'000'000;

// Upper 5% and 1% points of the chi-square distribution, rounded to two
// decimals and held as the doubles nearest to those values.
struct CriticalValues {
    double c05;
    double c01;
};

// Built-in points for 1 to 30 degrees of freedom.
inline constexpr int kTableRows = 30;
extern const CriticalValues kCriticalTable[kTableRows];

// The points W is tested against, or nullopt when d is not a whole number
// from 1 to kMaxTestedD: the table for d up to 30, computed beyond.
std::optional<CriticalValues> criticalValuesFor(double d);

// Q = (1 - fitL) / (1 - fitS).
std::optional<Fault> qFromFits(double fitL, double fitS, double& q);

// W = -(N - d) × ln Q.
std::optional<Fault> wFromQ(double q, double n, double d, double& w);

// W above c01 gives " p < .01", otherwise W below c05 gives " p > .05",
// otherwise " p < .05"; " no test" when d has no chi-square test.
std::string_view verdict(double d, double w);

}  // namespace trelvin
