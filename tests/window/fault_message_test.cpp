#include "fault_message.h"

#include <gtest/gtest.h>

#include "qt_printers.h"

namespace trelvin {
namespace {

TEST(FaultMessage, TellsTheKindAndWhereTheRunStopped) {
    const struct {
        Fault fault;
        const char* expected;
    } cases[] = {
        {{FaultKind::InvalidOperation, FaultStep::RowE, Model::Larger, 1},
         "The computation stopped: an argument without a value. Sub-model 1 of the larger model has an R² "
         "above 1, so its 1-R² is negative and has no square root."},
        {{FaultKind::Overflow, FaultStep::RowProduct, Model::Smaller, 3},
         "The computation stopped: overflow. The product of the 1-R² values of the smaller model, up to "
         "sub-model 3, is beyond the range of numbers Trelvin can hold."},
        {{FaultKind::DivisionByZero, FaultStep::Q},
         "The computation stopped: division by zero. The fit of the smaller model is exactly 1, so "
         "Q = (1 - fit of the larger model) / (1 - fit of the smaller model) divides by zero."},
        {{FaultKind::InvalidOperation, FaultStep::LnQ},
         "The computation stopped: an argument without a value. Q is 0, so it has no logarithm: the fit of "
         "the larger model is 1, or so close to 1 that 1 - fit is lost."},
        {{FaultKind::Overflow, FaultStep::ReadN},
         "The computation stopped: overflow. The number in N is beyond the range of numbers Trelvin can hold."},
    };
    for (const auto& c : cases) EXPECT_EQ(faultMessage(c.fault), QString::fromUtf8(c.expected));
}

}  // namespace
}  // namespace trelvin
