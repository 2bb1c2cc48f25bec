#include "compute_run.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "number_text.h"
#include "sheet_printer.h"

namespace trelvin {
namespace {

ComparisonSheet workedExample() {
    ComparisonSheet sheet;
    sheet.lmr(1) = "0.36";
    sheet.lmr(2) = "0.5";
    sheet.smr(1) = "0.5";
    sheet.n = "100";
    sheet.d = "2";
    return sheet;
}

TEST(ComputeRun, WorkedExample) {
    ComparisonSheet sheet = workedExample();
    ASSERT_TRUE(computeRun(sheet).completed());

    EXPECT_EQ(sheet.lmesq(1), "0.64");
    EXPECT_EQ(sheet.lme(1), "0.8");
    EXPECT_EQ(sheet.lmesq(2), "0.5");
    EXPECT_EQ(sheet.lme(2), "0.707106781186548");
    EXPECT_EQ(sheet.smesq(1), "0.5");
    EXPECT_EQ(sheet.sme(1), "0.707106781186548");
    EXPECT_EQ(sheet.lmesq(3), "");
    EXPECT_EQ(sheet.smesq(2), "");
    EXPECT_EQ(sheet.nfitl, "0.68");
    EXPECT_EQ(sheet.nfits, "0.5");
    EXPECT_EQ(sheet.nq, "0.64");
    EXPECT_EQ(sheet.nw, "43.7361360575851");
    EXPECT_EQ(sheet.np, " p < .01");
    EXPECT_EQ(sheet.n, "100");
    EXPECT_EQ(sheet.d, "2");
}

TEST(ComputeRun, EmptyListsGiveQOfOneAndAZeroW) {
    ComparisonSheet sheet;
    sheet.n = "100";
    sheet.d = "2";
    ASSERT_TRUE(computeRun(sheet).completed());
    EXPECT_EQ(sheet.nfitl, "0");
    EXPECT_EQ(sheet.nfits, "0");
    EXPECT_EQ(sheet.nq, "1");
    EXPECT_EQ(sheet.nw, "0");  // -(98) × ln 1 is -0
    EXPECT_EQ(sheet.np, " p > .05");
    EXPECT_EQ(sheet.lmesq(1), "");
    EXPECT_EQ(sheet.sme(1), "");

    sheet.d = "0";
    ASSERT_TRUE(computeRun(sheet).completed());
    EXPECT_EQ(sheet.np, " no test");
}

// From a published path-analysis example: residual paths .968 and .775 in the
// full model and .968 and .866 in the reduced one, entered as R² = 1 - e².
TEST(ComputeRun, PublishedExample) {
    ComparisonSheet sheet;
    sheet.lmr(1) = "0.062976";
    sheet.lmr(2) = "0.399375";
    sheet.smr(1) = "0.062976";
    sheet.smr(2) = "0.250044";
    sheet.n = "100";
    sheet.d = "1";
    ASSERT_TRUE(computeRun(sheet).completed());
    EXPECT_EQ(sheet.lme(1), "0.968");
    EXPECT_EQ(sheet.lme(2), "0.775");
    EXPECT_EQ(sheet.sme(2), "0.866");
    EXPECT_NEAR(*strictNumber(sheet.nfitl), 0.437, 0.0005);
    EXPECT_NEAR(*strictNumber(sheet.nfits), 0.297, 0.0005);
    EXPECT_NEAR(*strictNumber(sheet.nq), 0.801, 0.0005);
}

TEST(ComputeRun, RewritesNAndDAsTheNumbersTheyStartWith) {
    const struct {
        std::string typed, rewritten;
    } cases[] = {
        {"  100 cases", "100"}, {"cases", "0"},      {"", "0"},
        {"1e3", "1000"},        {".5", "0.5"},       {"-0", "0"},
        {"1.23456789012345678", "1.23456789012346"}, {"1e20", "1E+20"},
    };
    for (const auto& c : cases) {
        ComparisonSheet sheet;
        sheet.n = c.typed;
        sheet.d = c.typed;
        ASSERT_TRUE(computeRun(sheet).completed()) << c.typed;
        EXPECT_EQ(sheet.n, c.rewritten) << '"' << c.typed << '"';
        EXPECT_EQ(sheet.d, c.rewritten) << '"' << c.typed << '"';
    }
}

TEST(ComputeRun, TestsTheRoundedD) {
    ComparisonSheet sheet = workedExample();
    sheet.d = "2.0000000000000001";  // more than 15 digits: tested as 2
    ASSERT_TRUE(computeRun(sheet).completed());
    EXPECT_EQ(sheet.d, "2");
    EXPECT_EQ(sheet.np, " p < .01");
}

TEST(ComputeRun, TheListEndsAtTheFirstZeroEntry) {
    ComparisonSheet sheet;
    sheet.lmr(1) = "0.36";
    sheet.lmr(2) = "0.5";
    sheet.lmr(3) = "";
    sheet.lmr(4) = "0.2";
    sheet.smr(1) = "0.3";
    sheet.smr(2) = "0.0";
    sheet.smr(3) = "0.4";
    ASSERT_TRUE(computeRun(sheet).completed());
    EXPECT_EQ(sheet.lmesq(2), "0.5");
    EXPECT_EQ(sheet.lmesq(4), "");
    EXPECT_EQ(sheet.nfitl, "0.68");
    EXPECT_EQ(sheet.smesq(1), "0.7");
    EXPECT_EQ(sheet.smesq(3), "");
    EXPECT_EQ(sheet.nfits, "0.3");
}

TEST(ComputeRun, UsesAllTwelveRowsAndNoMore) {
    ComparisonSheet sheet;
    for (int row = 1; row <= kRows; ++row) sheet.lmr(row) = "0.5";
    ASSERT_TRUE(computeRun(sheet).completed());
    EXPECT_EQ(sheet.lmesq(12), "0.5");
    EXPECT_EQ(sheet.nfitl, "0.999755859375");  // 1 - 2^-12
}

TEST(ComputeRun, ANegativeRSquaredGivesAResidualAboveOne) {
    ComparisonSheet sheet;
    sheet.lmr(1) = "-0.2";
    ASSERT_TRUE(computeRun(sheet).completed());
    EXPECT_EQ(sheet.lmesq(1), "1.2");
    EXPECT_EQ(sheet.lme(1), "1.09544511501033");
    EXPECT_EQ(sheet.nfitl, "-0.2");
}

TEST(ComputeRun, RowsBeyondAShorterListKeepTheirTexts) {
    ComparisonSheet sheet = workedExample();
    sheet.lmr(3) = "0.1";
    ASSERT_TRUE(computeRun(sheet).completed());
    ASSERT_EQ(sheet.lmesq(3), "0.9");
    sheet.lmr(2) = "";
    ASSERT_TRUE(computeRun(sheet).completed());
    EXPECT_EQ(sheet.lmesq(2), "0.5");
    EXPECT_EQ(sheet.lme(2), "0.707106781186548");
    EXPECT_EQ(sheet.lmesq(3), "0.9");
    EXPECT_EQ(sheet.nfitl, "0.36");
}

TEST(ComputeRun, TwoRunsOnUnchangedEntriesGiveIdenticalTexts) {
    ComparisonSheet sheet = workedExample();
    sheet.n = "  1e2 cases";
    sheet.d = "2.00";
    sheet.lmr(3) = "-0.7";
    ASSERT_TRUE(computeRun(sheet).completed());
    const ComparisonSheet first = sheet;
    ASSERT_TRUE(computeRun(sheet).completed());
    EXPECT_EQ(sheet, first);
}

// A sheet whose every field holds a marker, so a test can see exactly which
// fields a faulting run rewrote.
ComparisonSheet markedSheet() {
    ComparisonSheet sheet;
    for (SheetRows* rows : {&sheet.lmr, &sheet.lmesq, &sheet.lme, &sheet.smr, &sheet.smesq, &sheet.sme})
        rows->items.fill("old");
    for (std::string* field : {&sheet.n, &sheet.d, &sheet.nfitl, &sheet.nfits, &sheet.nq, &sheet.nw, &sheet.np})
        *field = "old";
    // "old" reads as 0, so the lists end at row 1 unless a case fills them.
    sheet.n = "100";
    sheet.d = "2";
    return sheet;
}

struct FaultCase {
    const char* name;
    std::function<void(ComparisonSheet&)> enter;
    Fault fault;
    std::function<void(ComparisonSheet&)> expectedChanges;  // applied to the entered sheet
};

TEST(ComputeRun, AFaultLeavesTheSheetExactlyAsFarAsTheRunGot) {
    using K = FaultKind;
    using S = FaultStep;
    const FaultCase cases[] = {
        {"R² above 1 in the larger model",
         [](auto& s) { s.lmr(1) = "1.2"; },
         {K::InvalidOperation, S::RowE, Model::Larger, 1},
         [](auto& s) { s.lmesq(1) = "-0.2"; }},
        {"a percentage in the smaller model",
         [](auto& s) { s.lmr(1) = "0.5"; s.smr(1) = "0.5"; s.smr(2) = "36"; },
         {K::InvalidOperation, S::RowE, Model::Smaller, 2},
         [](auto& s) { s.lmesq(1) = "0.5"; s.lme(1) = "0.707106781186548";
                       s.smesq(1) = "0.5"; s.sme(1) = "0.707106781186548"; s.smesq(2) = "-35"; }},
        {"R² entry beyond the double range",
         [](auto& s) { s.lmr(1) = "0.5"; s.lmr(2) = "1e999"; },
         {K::Overflow, S::ReadR, Model::Larger, 2},
         [](auto& s) { s.lmesq(1) = "0.5"; s.lme(1) = "0.707106781186548"; }},
        {"model product beyond the double range",
         [](auto& s) { s.lmr(1) = "-1e200"; s.lmr(2) = "-1e200"; },
         {K::Overflow, S::RowProduct, Model::Larger, 2},
         [](auto& s) { s.lmesq(1) = "1E+200"; s.lme(1) = "1E+100"; s.lmesq(2) = "1E+200"; s.lme(2) = "1E+100"; }},
        {"smaller model fits exactly",
         [](auto& s) { s.lmr(1) = "0.5"; s.smr(1) = "1"; },
         {K::DivisionByZero, S::Q},
         [](auto& s) { s.lmesq(1) = "0.5"; s.lme(1) = "0.707106781186548"; s.smesq(1) = "0"; s.sme(1) = "0"; }},
        {"both models fit exactly",
         [](auto& s) { s.lmr(1) = "1"; s.smr(1) = "1"; },
         {K::InvalidOperation, S::Q},
         [](auto& s) { s.lmesq(1) = "0"; s.lme(1) = "0"; s.smesq(1) = "0"; s.sme(1) = "0"; }},
        {"Q beyond the double range",
         [](auto& s) { s.lmr(1) = "-1e300"; s.smr(1) = "0.9999999999999999"; },
         {K::Overflow, S::Q},
         [](auto& s) { s.lmesq(1) = "1E+300"; s.lme(1) = "1E+150";
                       s.smesq(1) = "1.11022302462516E-16"; s.sme(1) = "1.05367121277235E-08"; }},
        {"d beyond the double range",
         [](auto& s) { s.d = "1e999"; },
         {K::Overflow, S::ReadD},
         [](auto&) {}},
        {"n beyond the double range",
         [](auto& s) { s.d = " 2 paths"; s.n = "1e999"; },
         {K::Overflow, S::ReadN},
         [](auto& s) { s.d = "2"; }},
        {"d rounded beyond the double range",
         [](auto& s) { s.d = "1.7976931348623157e308"; s.n = "100 "; },
         {K::Overflow, S::NumberD},
         [](auto& s) { s.d = "1.79769313486232E+308"; s.n = "100"; }},
        {"larger model fits exactly",
         [](auto& s) { s.lmr(1) = "1"; s.n = "  100 cases"; },
         {K::InvalidOperation, S::LnQ},
         [](auto& s) { s.lmesq(1) = "0"; s.lme(1) = "0"; s.n = "100"; }},
        {"N - d beyond the double range",
         [](auto& s) { s.n = "1e308"; s.d = "-1e308"; },
         {K::Overflow, S::NMinusD},
         [](auto& s) { s.n = "1E+308"; s.d = "-1E+308"; }},
        {"W beyond the double range",
         [](auto& s) { s.lmr(1) = "0.875"; s.n = "1e308"; s.d = "0"; },
         {K::Overflow, S::W},
         [](auto& s) { s.lmesq(1) = "0.125"; s.lme(1) = "0.353553390593274"; s.n = "1E+308"; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ComparisonSheet sheet = markedSheet();
        c.enter(sheet);
        ComparisonSheet expected = sheet;
        c.expectedChanges(expected);

        const RunOutcome outcome = computeRun(sheet);
        ASSERT_FALSE(outcome.completed());
        EXPECT_EQ(*outcome.fault, c.fault);
        EXPECT_EQ(sheet, expected);
    }
}

}  // namespace
}  // namespace trelvin
