#pragma once

#include <optional>

namespace trelvin {

enum class FaultKind {
    InvalidOperation,  // an argument without a value: sqrt of a negative, 0/0, ln of 0
    DivisionByZero,
    Overflow,
};

// Where the run stopped, in the order the run takes its steps.
enum class FaultStep {
    ReadR,       // the R² entry of a row is beyond the double range
    RowE,        // the row's e = (1 - R²)^0.5
    RowProduct,  // the model product after multiplying in the row's 1 - R²
    Q,
    ReadD,       // the number at the start of d
    ReadN,       // the number at the start of n
    NumberD,     // the rewritten d read back as a number
    NumberN,     // the rewritten n read back as a number
    LnQ,
    NMinusD,
    W,
};

enum class Model { None, Larger, Smaller };

struct Fault {
    FaultKind kind;
    FaultStep step;
    Model model = Model::None;  // set for the row steps
    int row = 0;                // 1 to 12 for the row steps

    bool operator==(const Fault&) const = default;
};

// What a Compute run reports: it completed, or it stopped at its first fault.
struct RunOutcome {
    std::optional<Fault> fault;

    bool completed() const { return !fault; }
};

}  // namespace trelvin
