#include "compute_run.h"

#include <optional>
#include <string>

#include "comparison_test.h"
#include "number_text.h"
#include "sub_model_list.h"

namespace trelvin {

RunOutcome computeRun(ComparisonSheet& sheet) {
    double productL = 1.0;
    double productS = 1.0;

    if (auto fault = subModelList(Model::Larger, sheet.lmr, sheet.lmesq, sheet.lme, productL))
        return {fault};
    if (auto fault = subModelList(Model::Smaller, sheet.smr, sheet.smesq, sheet.sme, productS))
        return {fault};

    const double fitL = modelFit(productL);
    const double fitS = modelFit(productS);

    double q = 0.0;
    if (auto fault = qFromFits(fitL, fitS, q)) return {fault};

    // d before n, and both before the logarithm: N and d are the numbers of
    // the rewritten texts, so their 15-digit rounding carries into W.
    const std::optional<double> typedD = numericPrefix(sheet.d);
    if (!typedD) return {Fault{FaultKind::Overflow, FaultStep::ReadD}};
    sheet.d = generalNumberText(*typedD);
    const std::optional<double> typedN = numericPrefix(sheet.n);
    if (!typedN) return {Fault{FaultKind::Overflow, FaultStep::ReadN}};
    sheet.n = generalNumberText(*typedN);

    // Rounding to 15 digits can carry a number next to the double maximum
    // beyond it.
    const std::optional<double> d = strictNumber(sheet.d);
    if (!d) return {Fault{FaultKind::Overflow, FaultStep::NumberD}};
    const std::optional<double> n = strictNumber(sheet.n);
    if (!n) return {Fault{FaultKind::Overflow, FaultStep::NumberN}};

    double w = 0.0;
    if (auto fault = wFromQ(q, *n, *d, w)) return {fault};
    const std::string_view verdictText = verdict(*d, w);

    sheet.nfitl = generalNumberText(fitL);
    sheet.nfits = generalNumberText(fitS);
    sheet.nq = generalNumberText(q);
    sheet.nw = generalNumberText(w);
    sheet.np = std::string(verdictText);
    return {};
}

}  // namespace trelvin
