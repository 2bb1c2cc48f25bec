#pragma once

#include <optional>

#include "comparison_test.h"

namespace trelvin {

// d is a whole number from 1 to kMaxTestedD.
bool hasChiSquareTest(double d);

// The upper 5% and 1% points for d degrees of freedom, each rounded to two
// decimals as the built-in table's are. d must have a test.
CriticalValues computedCriticalValues(double d);

// The exact upper-tail probability of W under chi-square with d degrees of
// freedom (1 for W <= 0), or nullopt when d has no test.
std::optional<double> upperTailP(double d, double w);

}  // namespace trelvin
