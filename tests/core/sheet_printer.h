#pragma once

#include <ostream>

#include "fault.h"
#include "sheet.h"

// Readable failure messages: every non-empty field of a sheet, by name.
namespace trelvin {

inline void PrintTo(const ComparisonSheet& sheet, std::ostream* out) {
    const auto rows = [&](const char* name, const SheetRows& items) {
        for (int i = 1; i <= kRows; ++i)
            if (!items(i).empty()) *out << ' ' << name << '(' << i << ")=\"" << items(i) << '"';
    };
    rows("lmr", sheet.lmr);
    rows("lmesq", sheet.lmesq);
    rows("lme", sheet.lme);
    rows("smr", sheet.smr);
    rows("smesq", sheet.smesq);
    rows("sme", sheet.sme);
    *out << " n=\"" << sheet.n << "\" d=\"" << sheet.d << "\" nfitl=\"" << sheet.nfitl << "\" nfits=\""
         << sheet.nfits << "\" nq=\"" << sheet.nq << "\" nw=\"" << sheet.nw << "\" np=\"" << sheet.np << '"';
}

inline void PrintTo(const Fault& fault, std::ostream* out) {
    *out << "{kind " << static_cast<int>(fault.kind) << ", step " << static_cast<int>(fault.step)
         << ", model " << static_cast<int>(fault.model) << ", row " << fault.row << '}';
}

}  // namespace trelvin
