#pragma once

#include <QWidget>
#include <functional>

#include "sheet.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace trelvin {

// The one window: the comparison sheet as text boxes and labels, and the
// Compute button that runs the comparison over it.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    // How a stopped run is told to the user; a message box unless replaced
    // (the tests replace it, since a modal box would block them).
    using FaultReporter = std::function<void(const QString& message)>;
    void setFaultReporter(FaultReporter reporter);

    const ComparisonSheet& sheet() const { return sheet_; }

public slots:
    // A press of Command1: copy the entries into the sheet, run the
    // computation and show every field of the sheet.
    void compute();

private:
    void copyEntriesToSheet();
    void showSheet(const ComparisonSheet& before);
    void showVerdictTip();

    ComparisonSheet sheet_;
    FaultReporter reportFault_;

    // The controls of each row, numbered 1 to 12 like the sheet's fields.
    Rows<QLineEdit*> lmr_;
    Rows<QLabel*> lmesq_;
    Rows<QLabel*> lme_;
    Rows<QLineEdit*> smr_;
    Rows<QLabel*> smesq_;
    Rows<QLabel*> sme_;
    QLineEdit* n_ = nullptr;
    QLineEdit* d_ = nullptr;
    QPushButton* command1_ = nullptr;
    QLabel* nfitl_ = nullptr;
    QLabel* nfits_ = nullptr;
    QLabel* nq_ = nullptr;
    QLabel* nw_ = nullptr;
    QLabel* np_ = nullptr;
};

}  // namespace trelvin
