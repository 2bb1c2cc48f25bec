#include "chi_square.h"

#include <cmath>

#include <boost/math/distributions/chi_squared.hpp>

namespace trelvin {
namespace {

double roundedToHundredths(double x) { return std::round(x * 100.0) / 100.0; }

}  // namespace

bool hasChiSquareTest(double d) { return d >= 1.0 && d <= kMaxTestedD && d == std::floor(d); }

CriticalValues computedCriticalValues(double d) {
    const boost::math::chi_squared_distribution<double> distribution(d);
    return {roundedToHundredths(quantile(complement(distribution, 0.05))),
            roundedToHundredths(quantile(complement(distribution, 0.01)))};
}

std::optional<double> upperTailP(double d, double w) {
    if (!hasChiSquareTest(d)) return std::nullopt;
    if (w <= 0.0) return 1.0;
    const boost::math::chi_squared_distribution<double> distribution(d);
    return cdf(complement(distribution, w));
}

}  // namespace trelvin
