// The Compute run against its floor: the text conversions the run cannot do
// without, done alone on the same texts and numbers.
#include <benchmark/benchmark.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "compute_run.h"
#include "number_text.h"
#include "sheet.h"

namespace trelvin {
namespace {

// Moved-in strings: assigning the literals themselves trips a false
// -Wrestrict of GCC 12 at -O3.
ComparisonSheet onlyNAndD() {
    ComparisonSheet sheet;
    sheet.n = std::string("250");
    sheet.d = std::string("3");
    return sheet;
}

// Every row of both models used, with R² entries of many digits so that
// every 1 - R² and e is written with all fifteen digits, as a user's are.
ComparisonSheet fullSheet() {
    ComparisonSheet sheet = onlyNAndD();
    for (int row = 1; row <= kRows; ++row) {
        sheet.lmr(row) = generalNumberText(0.05 + 0.0637 * row + 0.000123456789 * row * row);
        sheet.smr(row) = generalNumberText(0.04 + 0.0611 * row + 0.000098765432 * row * row);
    }
    return sheet;
}

// The same inputs the full-sheet run converts, gathered once: 26 texts read
// as numeric prefixes, 54 numbers written as general number texts and the 2
// rewritten texts read back as strict numbers.
struct Conversions {
    std::vector<std::string> prefixTexts;
    std::vector<double> generalValues;
    std::vector<std::string> strictTexts;
};

Conversions conversionsOf(const ComparisonSheet& entries) {
    Conversions c;
    const auto model = [&](const SheetRows& rows, double& product) {
        for (int row = 1; row <= kRows; ++row) {
            c.prefixTexts.push_back(rows(row));
            const double t = 1.0 - *numericPrefix(rows(row));
            c.generalValues.push_back(t);
            c.generalValues.push_back(std::sqrt(t));
            product *= t;
        }
    };
    double productL = 1.0;
    double productS = 1.0;
    model(entries.lmr, productL);
    model(entries.smr, productS);
    c.prefixTexts.push_back(entries.d);
    c.prefixTexts.push_back(entries.n);
    const double d = *numericPrefix(entries.d);
    const double n = *numericPrefix(entries.n);
    c.generalValues.push_back(d);
    c.generalValues.push_back(n);
    c.strictTexts.push_back(generalNumberText(d));
    c.strictTexts.push_back(generalNumberText(n));
    const double fitL = 1.0 - productL;
    const double fitS = 1.0 - productS;
    const double q = (1.0 - fitL) / (1.0 - fitS);
    c.generalValues.push_back(fitL);
    c.generalValues.push_back(fitS);
    c.generalValues.push_back(q);
    c.generalValues.push_back(-(n - d) * std::log(q));
    return c;
}

// The sheet is run again and again, as a window's is: from the second run on
// n and d hold their rewritten texts and every result field holds a text.
void runOn(benchmark::State& state, ComparisonSheet sheet) {
    if (!computeRun(sheet).completed()) {
        state.SkipWithError("the run stopped at a fault");
        return;
    }
    for (auto _ : state) {
        RunOutcome outcome = computeRun(sheet);
        benchmark::DoNotOptimize(outcome);
        benchmark::ClobberMemory();
    }
}

void BM_ComputeRunFullSheet(benchmark::State& state) { runOn(state, fullSheet()); }
BENCHMARK(BM_ComputeRunFullSheet);

void BM_ComputeRunOnlyNAndD(benchmark::State& state) { runOn(state, onlyNAndD()); }
BENCHMARK(BM_ComputeRunOnlyNAndD);

void BM_ConversionsFloor(benchmark::State& state) {
    ComparisonSheet sheet = fullSheet();
    computeRun(sheet);
    const Conversions c = conversionsOf(sheet);
    if (c.prefixTexts.size() != 26 || c.generalValues.size() != 54 || c.strictTexts.size() != 2) {
        state.SkipWithError("the floor does not hold the run's conversions");
        return;
    }
    for (auto _ : state) {
        for (const std::string& text : c.prefixTexts) benchmark::DoNotOptimize(numericPrefix(text));
        for (double value : c.generalValues) benchmark::DoNotOptimize(generalNumberText(value));
        for (const std::string& text : c.strictTexts) benchmark::DoNotOptimize(strictNumber(text));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ConversionsFloor);

}  // namespace
}  // namespace trelvin
