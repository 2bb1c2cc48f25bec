#include "comparison_test.h"

#include <cmath>

#include "chi_square.h"

namespace trelvin {

const CriticalValues kCriticalTable[kTableRows] = {
    {3.84, 6.63},   {5.99, 9.21},   {7.81, 11.34},  {9.49, 13.28},  {11.07, 15.09},
    {12.59, 16.81}, {14.07, 18.48}, {15.51, 20.09}, {16.92, 21.67}, {18.31, 23.21},
    {19.68, 24.72}, {21.03, 26.22}, {22.36, 27.69}, {23.68, 29.14}, {25.00, 30.58},
    {26.30, 32.00}, {27.59, 33.41}, {28.87, 34.81}, {30.14, 36.19}, {31.41, 37.57},
    {32.67, 38.93}, {33.92, 40.29}, {35.17, 41.64}, {36.42, 42.98}, {37.65, 44.31},
    {38.89, 45.64}, {40.11, 46.96}, {41.34, 48.28}, {42.56, 49.59}, {43.77, 50.89},
};

std::optional<CriticalValues> criticalValuesFor(double d) {
    if (!hasChiSquareTest(d)) return std::nullopt;
    if (d <= kTableRows) return kCriticalTable[static_cast<int>(d) - 1];
    return computedCriticalValues(d);
}

std::optional<Fault> qFromFits(double fitL, double fitS, double& q) {
    const double a = 1.0 - fitL;
    const double b = 1.0 - fitS;
    if (b == 0.0) {
        const FaultKind kind = a == 0.0 ? FaultKind::InvalidOperation : FaultKind::DivisionByZero;
        return Fault{kind, FaultStep::Q};
    }
    q = a / b;
    if (std::isinf(q)) return Fault{FaultKind::Overflow, FaultStep::Q};
    return std::nullopt;
}

std::optional<Fault> wFromQ(double q, double n, double d, double& w) {
    if (q <= 0.0) return Fault{FaultKind::InvalidOperation, FaultStep::LnQ};
    const double lnQ = std::log(q);
    const double difference = n - d;
    if (std::isinf(difference)) return Fault{FaultKind::Overflow, FaultStep::NMinusD};
    w = -difference * lnQ;
    if (std::isinf(w)) return Fault{FaultKind::Overflow, FaultStep::W};
    return std::nullopt;
}

std::string_view verdict(double d, double w) {
    const std::optional<CriticalValues> critical = criticalValuesFor(d);
    if (!critical) return kNoTest;
    if (w > critical->c01) return kBelow01;
    if (w < critical->c05) return kAbove05;
    return kBelow05;
}

}  // namespace trelvin
