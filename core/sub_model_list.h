#pragma once

#include <optional>

#include "fault.h"
#include "sheet.h"

namespace trelvin {

// Processes one model's rows 1, 2, ... up to the first entry whose value is
// 0 (blank and non-numeric entries count as 0): writes each used row's
// 1 - R² and e, and multiplies its 1 - R² into `product`. Stops at the first
// fault, with the fields written so far kept.
std::optional<Fault> subModelList(Model model, const SheetRows& entries, SheetRows& esq,
                                  SheetRows& e, double& product);

// 1 - product, in that form: the comparison test subtracts the fit from 1
// again, and the rounding of both subtractions is part of the result.
double modelFit(double product);

}  // namespace trelvin
