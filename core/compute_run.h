#pragma once

#include "fault.h"
#include "sheet.h"

namespace trelvin {

// The Compute run: reads the entries of the sheet and writes its results
// back, in a fixed order and without clearing anything first. At the first
// fault it stops, leaving every field written so far new and every later one
// as it was.
RunOutcome computeRun(ComparisonSheet& sheet);

}  // namespace trelvin
