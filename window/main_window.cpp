#include "main_window.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <limits>
#include <optional>

#include "chi_square.h"
#include "compute_run.h"
#include "fault_message.h"
#include "label_wrap.h"
#include "number_text.h"
#include "twips.h"

namespace trelvin {
namespace {

const QColor kOrange(255, 128, 0);
const QColor kWhite(255, 255, 255);
const QColor kLightGreen(128, 255, 128);

QString indexed(const char* name, int item) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(item); }

// Shows `text` wrapped at spaces within the label's width. The full text is
// kept as the tooltip, since narrow labels clip long numbers.
void setLabelText(QLabel* label, const QString& text, bool withTip) {
    label->setText(wrapAtSpaces(text, label->fontMetrics(), label->size()));
    if (withTip) label->setToolTip(text);
}

QLabel* addLabel(QWidget* parent, const QString& name, QRect twips, const QString& caption = {}) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(twips);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setLabelText(label, caption, false);
    return label;
}

// Makes a label selectable at the first mouse press on it, and lets that
// press go on to start the selection as it would have. A selectable QLabel,
// like any QLabel that can take focus, holds a text document that it lays
// out anew at the first paint after each change: for the fifty-odd result
// labels that was four fifths of the time from a press to its results shown.
class SelectableOnFirstPress : public QObject {
public:
    explicit SelectableOnFirstPress(QLabel* label) : QObject(label), label_(label) {
        label->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) {
            label_->removeEventFilter(this);
            label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
            // Qt hands out focus before the press reaches the label, by the
            // policy the label had then; a selectable label takes it on a click.
            label_->setFocus(Qt::MouseFocusReason);
            deleteLater();
        }
        return false;
    }

private:
    QLabel* label_;
};

// A label the run writes: its text can be selected and copied, and screen
// readers hear what it holds.
QLabel* addResult(QWidget* parent, const QString& name, QRect twips, const QString& description) {
    QLabel* label = addLabel(parent, name, twips);
    new SelectableOnFirstPress(label);
    label->setAccessibleDescription(description);
    return label;
}

QLineEdit* addBox(QWidget* parent, const QString& name, QRect twips, const QString& accessibleName) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(twips);
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setAccessibleName(accessibleName);
    return box;
}

void setBackground(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

void showInBox(QLineEdit* box, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (box->text() != shown) box->setText(shown);
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Trelvin"));
    setWindowTitle(QStringLiteral("Trelvin"));
    setFixedSize(twipsToPixels(5772), twipsToPixels(8904));
    setAutoFillBackground(true);
    setBackground(this, QPalette::Window, kOrange);  // the labels show it through

    addLabel(this, QStringLiteral("Label3"), twipsRect(120, 120, 3252, 852),
             QStringLiteral("Enter the R² for each sub model of the larger (with more paths) and smaller "
                            "(with fewer paths) models.  Enter the sample size and the number of deleted "
                            "paths.  Press \"Compute\"."));
    addLabel(this, QStringLiteral("Label4"), twipsRect(3720, 120, 372, 612),
             QStringLiteral("N =               d ="));
    n_ = addBox(this, QStringLiteral("n"), twipsRect(4080, 120, 492, 288), QStringLiteral("Sample size N"));
    d_ = addBox(this, QStringLiteral("d"), twipsRect(4080, 480, 492, 288), QStringLiteral("Deleted paths d"));

    command1_ = new QPushButton(QStringLiteral("Compute"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setGeometry(twipsRect(4680, 120, 852, 372));
    // Several styles paint push buttons without their palette colour, and
    // Fusion lightens it into a gradient. Qt's built-in Windows style fills
    // the button with exactly the palette colour, so the green shows as
    // given on every desktop.
    QStyle* buttonStyle = QStyleFactory::create(QStringLiteral("Windows"));
    buttonStyle->setParent(this);
    command1_->setStyle(buttonStyle);
    setBackground(command1_, QPalette::Button, kLightGreen);

    addLabel(this, QStringLiteral("Label1"), twipsRect(240, 1200, 2052, 372),
             QStringLiteral("  Type the R² for each sub- model in the larger model"));
    addLabel(this, QStringLiteral("Label2"), twipsRect(3000, 1200, 2052, 372),
             QStringLiteral("  Type the R² for each sub- model in the smaller model. "));
    for (int item = 0; item <= 1; ++item) {
        const int offset = item * 2880;
        addLabel(this, indexed("Label10", item), twipsRect(240 + offset, 1680, 492, 252), QStringLiteral("    R²"));
        addLabel(this, indexed("Label11", item), twipsRect(960 + offset, 1680, 612, 372), QStringLiteral("  1-R²"));
        addLabel(this, indexed("Label12", item), twipsRect(1800 + offset, 1680, 492, 252), QStringLiteral("     e"));
    }

    for (int i = 1; i <= kRows; ++i) {
        const int top = 2040 + 480 * (i - 1);
        const int lowerTop = top + 120;  // the smaller model's results sit lower than its boxes
        const auto larger = [i](const char* what) { return QStringLiteral("Larger model, sub-model %1, %2").arg(i).arg(QString::fromUtf8(what)); };
        const auto smaller = [i](const char* what) { return QStringLiteral("Smaller model, sub-model %1, %2").arg(i).arg(QString::fromUtf8(what)); };
        lmr_(i) = addBox(this, indexed("lmr", i), twipsRect(120, top, 612, 372), larger("R²"));
        lmesq_(i) = addResult(this, indexed("lmesq", i), twipsRect(960, top, 492, 252), larger("1-R²"));
        lme_(i) = addResult(this, indexed("lme", i), twipsRect(1680, top, 612, 252), larger("e"));
        smr_(i) = addBox(this, indexed("smr", i), twipsRect(3000, top, 612, 372), smaller("R²"));
        smesq_(i) = addResult(this, indexed("smesq", i), twipsRect(3840, lowerTop, 492, 252), smaller("1-R²"));
        sme_(i) = addResult(this, indexed("sme", i), twipsRect(4560, lowerTop, 732, 252), smaller("e"));
        setBackground(lmr_(i), QPalette::Base, kWhite);
        setBackground(smr_(i), QPalette::Base, kWhite);
    }

    addLabel(this, QStringLiteral("Label5"), twipsRect(120, 7920, 1212, 252), QStringLiteral("Fit of the model ="));
    nfitl_ = addResult(this, QStringLiteral("nfitl"), twipsRect(1440, 7920, 612, 252), QStringLiteral("Fit of the larger model"));
    addLabel(this, QStringLiteral("Label6"), twipsRect(3000, 7920, 1212, 252), QStringLiteral("Fit of the model ="));
    nfits_ = addResult(this, QStringLiteral("nfits"), twipsRect(4320, 7920, 612, 252), QStringLiteral("Fit of the smaller model"));
    addLabel(this, QStringLiteral("Label7"), twipsRect(120, 8400, 252, 252), QStringLiteral("Q ="));
    nq_ = addResult(this, QStringLiteral("nq"), twipsRect(480, 8400, 852, 252), QStringLiteral("Q"));
    addLabel(this, QStringLiteral("Label8"), twipsRect(1680, 8400, 372, 252), QStringLiteral("W ="));
    nw_ = addResult(this, QStringLiteral("nw"), twipsRect(2160, 8400, 852, 252), QStringLiteral("W"));
    addLabel(this, QStringLiteral("Label9"), twipsRect(3360, 8400, 372, 252), QStringLiteral("p ="));
    np_ = addResult(this, QStringLiteral("np"), twipsRect(3840, 8400, 852, 252), QStringLiteral("p"));

    // Tab follows the order in which the instruction asks for the entries.
    QWidget* previous = nullptr;
    const auto chain = [&previous](QWidget* next) {
        if (previous) setTabOrder(previous, next);
        previous = next;
    };
    for (QLineEdit* box : lmr_.items) chain(box);
    for (QLineEdit* box : smr_.items) chain(box);
    chain(n_);
    chain(d_);
    chain(command1_);
    lmr_(1)->setFocus();

    connect(command1_, &QPushButton::clicked, this, &MainWindow::compute);
    for (QLineEdit* box : findChildren<QLineEdit*>())
        connect(box, &QLineEdit::returnPressed, this, &MainWindow::compute);

    reportFault_ = [this](const QString& message) {
        QMessageBox::warning(this, QStringLiteral("Trelvin"), message);
    };
}

void MainWindow::setFaultReporter(FaultReporter reporter) { reportFault_ = std::move(reporter); }

void MainWindow::compute() {
    copyEntriesToSheet();
    const ComparisonSheet before = sheet_;
    const RunOutcome outcome = computeRun(sheet_);
    showSheet(before);
    if (outcome.completed()) showVerdictTip();
    else reportFault_(faultMessage(*outcome.fault));
}

void MainWindow::copyEntriesToSheet() {
    sheet_.n = n_->text().toStdString();
    sheet_.d = d_->text().toStdString();
    for (int i = 1; i <= kRows; ++i) {
        sheet_.lmr(i) = lmr_(i)->text().toStdString();
        sheet_.smr(i) = smr_(i)->text().toStdString();
    }
}

void MainWindow::showSheet(const ComparisonSheet& before) {
    // Only a field the run rewrote with a new text is shown again: an
    // unchanged label is not re-wrapped and repainted on every press.
    const auto show = [](QLabel* label, const std::string& text, const std::string& old) {
        if (text != old) setLabelText(label, QString::fromStdString(text), true);
    };
    // The run rewrites n and d but never an R² entry, so the R² boxes
    // already show their fields: converting a long paste back on every press
    // would only cost time.
    showInBox(n_, sheet_.n);
    showInBox(d_, sheet_.d);
    for (int i = 1; i <= kRows; ++i) {
        show(lmesq_(i), sheet_.lmesq(i), before.lmesq(i));
        show(lme_(i), sheet_.lme(i), before.lme(i));
        show(smesq_(i), sheet_.smesq(i), before.smesq(i));
        show(sme_(i), sheet_.sme(i), before.sme(i));
    }
    show(nfitl_, sheet_.nfitl, before.nfitl);
    show(nfits_, sheet_.nfits, before.nfits);
    show(nq_, sheet_.nq, before.nq);
    show(nw_, sheet_.nw, before.nw);
    show(np_, sheet_.np, before.np);
}

// The exact p behind the verdict, for the user who wants more than the
// table's three levels.
void MainWindow::showVerdictTip() {
    static_assert(kMaxTestedD == 1'000'000, "the tooltip below names the largest tested d");
    const std::optional<double> d = strictNumber(sheet_.d);
    const std::optional<double> w = strictNumber(sheet_.nw);
    const std::optional<double> p = d && w ? upperTailP(*d, *w) : std::nullopt;
    np_->setToolTip(p ? QStringLiteral("Exact p = %1 (chi-square, %2 df)")
                            .arg(QString::fromStdString(generalNumberText(*p, 3)),
                                 QString::fromStdString(generalNumberText(*d)))
                      : QStringLiteral("No chi-square test: d must be a whole number from 1 to 1,000,000."));
}

}  // namespace trelvin
