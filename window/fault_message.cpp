#include "fault_message.h"

namespace trelvin {
namespace {

QString kindText(FaultKind kind) {
    switch (kind) {
        case FaultKind::InvalidOperation: return QStringLiteral("an argument without a value");
        case FaultKind::DivisionByZero: return QStringLiteral("division by zero");
        case FaultKind::Overflow: return QStringLiteral("overflow");
    }
    return {};
}

QString modelName(const Fault& fault) {
    return fault.model == Model::Larger ? QStringLiteral("larger") : QStringLiteral("smaller");
}

QString subModel(const Fault& fault) {
    return QStringLiteral("sub-model %1 of the %2 model").arg(fault.row).arg(modelName(fault));
}

QString capitalized(QString text) {
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text;
}

const QString kBeyondRange = QStringLiteral("beyond the range of numbers Trelvin can hold");
const QString kQFormula =
    QStringLiteral("Q = (1 - fit of the larger model) / (1 - fit of the smaller model)");

QString placeText(const Fault& fault) {
    switch (fault.step) {
        case FaultStep::ReadR:
            return QStringLiteral("The R² of %1 is %2.").arg(subModel(fault), kBeyondRange);
        case FaultStep::RowE:
            return QStringLiteral("%1 has an R² above 1, so its 1-R² is negative and has no square root.")
                .arg(capitalized(subModel(fault)));
        case FaultStep::RowProduct:
            return QStringLiteral("The product of the 1-R² values of the %1 model, up to sub-model %2, is %3.")
                .arg(modelName(fault))
                .arg(fault.row)
                .arg(kBeyondRange);
        case FaultStep::Q:
            if (fault.kind == FaultKind::DivisionByZero)
                return QStringLiteral("The fit of the smaller model is exactly 1, so %1 divides by zero.")
                    .arg(kQFormula);
            if (fault.kind == FaultKind::InvalidOperation)
                return QStringLiteral("Both models fit exactly 1, so %1 is 0 divided by 0.").arg(kQFormula);
            return QStringLiteral("%1 is %2.").arg(kQFormula, kBeyondRange);
        case FaultStep::ReadD: return QStringLiteral("The number in d is %1.").arg(kBeyondRange);
        case FaultStep::ReadN: return QStringLiteral("The number in N is %1.").arg(kBeyondRange);
        case FaultStep::NumberD:
            return QStringLiteral("The number in d, rounded to 15 digits, is %1.").arg(kBeyondRange);
        case FaultStep::NumberN:
            return QStringLiteral("The number in N, rounded to 15 digits, is %1.").arg(kBeyondRange);
        case FaultStep::LnQ:
            return QStringLiteral(
                "Q is 0, so it has no logarithm: the fit of the larger model is 1, "
                "or so close to 1 that 1 - fit is lost.");
        case FaultStep::NMinusD: return QStringLiteral("N - d is %1.").arg(kBeyondRange);
        case FaultStep::W: return QStringLiteral("W = -(N - d) × ln Q is %1.").arg(kBeyondRange);
    }
    return {};
}

}  // namespace

QString faultMessage(const Fault& fault) {
    return QStringLiteral("The computation stopped: %1. %2").arg(kindText(fault.kind), placeText(fault));
}

}  // namespace trelvin
