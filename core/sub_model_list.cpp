#include "sub_model_list.h"

#include <cmath>

#include "number_text.h"

namespace trelvin {

std::optional<Fault> subModelList(Model model, const SheetRows& entries, SheetRows& esq,
                                  SheetRows& e, double& product) {
    for (int row = 1; row <= kRows; ++row) {
        const std::optional<double> r = numericPrefix(entries(row));
        if (!r) return Fault{FaultKind::Overflow, FaultStep::ReadR, model, row};
        if (*r == 0.0) break;

        const double t = 1.0 - *r;
        esq(row) = generalNumberText(t);
        if (t < 0.0) return Fault{FaultKind::InvalidOperation, FaultStep::RowE, model, row};
        e(row) = generalNumberText(std::sqrt(t));

        product *= t;
        if (std::isinf(product)) return Fault{FaultKind::Overflow, FaultStep::RowProduct, model, row};
    }
    return std::nullopt;
}

double modelFit(double product) { return 1.0 - product; }

}  // namespace trelvin
