// The whole Compute run on sheets built from fuzzer bytes, with the
// properties every run must keep: it completes or reports a well-formed
// fault, it never changes an R² entry, a completed run gives a verdict and is
// repeated exactly by a second run, a fault leaves every later field as it
// was, and rows beyond a list's end are never written.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compute_run.h"
#include "number_text.h"
#include "require.h"
#include "sheet_from_bytes.h"

namespace {

using namespace trelvin;

bool isVerdict(std::string_view text) {
    return text == " p < .05" || text == " p > .05" || text == " p < .01" || text == " no test";
}

bool isRowStep(FaultStep step) {
    return step == FaultStep::ReadR || step == FaultStep::RowE || step == FaultStep::RowProduct;
}

void checkWellFormed(const Fault& fault) {
    require(fault.kind == FaultKind::InvalidOperation || fault.kind == FaultKind::DivisionByZero ||
                fault.kind == FaultKind::Overflow,
            "a fault of no known kind");
    require(fault.step >= FaultStep::ReadR && fault.step <= FaultStep::W, "a fault at no known step");
    if (isRowStep(fault.step))
        require((fault.model == Model::Larger || fault.model == Model::Smaller) && fault.row >= 1 &&
                    fault.row <= kRows,
                "a row fault without its model and row");
    else
        require(fault.model == Model::None && fault.row == 0, "a model or row on a fault outside the rows");
}

// The position, in fieldsInRunOrder, of the last field that a run stopped by
// `fault` may have written; -1 when it can have written none.
int lastFieldBefore(const Fault& fault) {
    const int rowFields = 2 * kRows;  // esq and e of every row of one model
    const int esq = (fault.model == Model::Smaller ? rowFields : 0) + 2 * (fault.row - 1);
    const int dField = 2 * rowFields;
    switch (fault.step) {
        case FaultStep::ReadR: return esq - 1;       // the row's entry could not be read
        case FaultStep::RowE: return esq;            // 1 - R² is shown, e has no value
        case FaultStep::RowProduct: return esq + 1;  // both of the row's texts are shown
        case FaultStep::Q:
        case FaultStep::ReadD: return dField - 1;
        case FaultStep::ReadN: return dField;
        default: return dField + 1;  // d and n are rewritten before anything else can fail
    }
}

void checkListEnds(const SheetRows& typed, const SheetRows& esq, const SheetRows& e,
                   const SheetRows& esqBefore, const SheetRows& eBefore) {
    for (int row = 1; row <= kRows; ++row) {
        const std::optional<double> r = numericPrefix(typed(row));
        if (!r) return;  // the run stopped here
        if (*r != 0.0) continue;
        for (int beyond = row; beyond <= kRows; ++beyond)
            require(esq(beyond) == esqBefore(beyond) && e(beyond) == eBefore(beyond),
                    "a row beyond the end of its list was written");
        return;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    ComparisonSheet before = sheetFromBytes(bytes, size);
    ComparisonSheet sheet = before;
    const RunOutcome outcome = computeRun(sheet);

    require(sheet.lmr == before.lmr && sheet.smr == before.smr, "the run changed an R² entry");
    checkListEnds(sheet.lmr, sheet.lmesq, sheet.lme, before.lmesq, before.lme);
    checkListEnds(sheet.smr, sheet.smesq, sheet.sme, before.smesq, before.sme);

    if (outcome.completed()) {
        require(isVerdict(sheet.np), "a completed run left no verdict", sheet.np);
        ComparisonSheet again = sheet;
        require(computeRun(again).completed(), "a second run over a completed run's sheet failed");
        require(again == sheet, "a second run over a completed run's sheet changed a text");
        return 0;
    }

    const Fault& fault = *outcome.fault;
    checkWellFormed(fault);
    const std::vector<std::string*> after = fieldsInRunOrder(sheet);
    const std::vector<std::string*> earlier = fieldsInRunOrder(before);
    for (std::size_t i = static_cast<std::size_t>(lastFieldBefore(fault) + 1); i < after.size(); ++i)
        require(*after[i] == *earlier[i], "a field after the fault was written", *after[i]);
    return 0;
}
