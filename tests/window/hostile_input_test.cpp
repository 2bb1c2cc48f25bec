// Whatever a user types or pastes, the window computes or reports a fault,
// and every entry stays exactly as typed.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "main_window.h"
#include "qt_printers.h"

namespace trelvin {
namespace {

class HostileInputTest : public testing::Test {
protected:
    HostileInputTest() {
        window.setFaultReporter([this](const QString&) { ++faults; });
        for (QLineEdit* box : window.findChildren<QLineEdit*>()) boxes << box;
    }

    QLineEdit* box(const char* name) { return window.findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QString shown(const char* name) { return window.findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    void press() { window.findChild<QPushButton*>(QStringLiteral("Command1"))->click(); }

    MainWindow window;
    QList<QLineEdit*> boxes;
    int faults = 0;
};

TEST_F(HostileInputTest, AMegabytePasteStaysWholeAndComputes) {
    const QString paste = QStringLiteral("0.") + QString(1 << 20, u'3');
    QApplication::clipboard()->setText(paste);
    box("lmr(1)")->setFocus();
    box("lmr(1)")->paste();
    ASSERT_EQ(box("lmr(1)")->text(), paste);
    box("n")->setText("100");
    box("d")->setText("1");

    press();
    EXPECT_EQ(faults, 0);
    EXPECT_EQ(shown("lmesq(1)"), "0.666666666666667");
    EXPECT_EQ(box("lmr(1)")->text(), paste);
}

TEST_F(HostileInputTest, StrangeTextsAreTakenForWhatTheyStartWith) {
    const struct {
        QString entry;
        QString lmesq;  // empty: the entry reads as 0 and ends the list
    } cases[] = {
        {QStringLiteral("0.5\u0000garbage"), "0.5"},
        {QString(QChar(0)) + "0.5", ""},
        {QStringLiteral("0.5") + QChar(0) + "9", "0.5"},
        {QStringLiteral("\t0.5"), "0.5"},
        {QStringLiteral("\x01\x02\x1b[2J"), ""},
        {QStringLiteral("٣"), ""},
        {QStringLiteral("½"), ""},
        {QStringLiteral("0,5"), ""},
        {QStringLiteral("０.５"), ""},  // fullwidth digits
        {QStringLiteral("\U0001F600 0.5"), ""},
        {QStringLiteral("0.25\u202e"), "0.75"},
    };
    for (const auto& c : cases) {
        box("lmr(1)")->setText("0.9");
        press();
        box("lmr(1)")->setText(c.entry);
        press();
        EXPECT_EQ(box("lmr(1)")->text(), c.entry);
        // A list that ends at row 1 leaves the earlier text.
        EXPECT_EQ(shown("lmesq(1)"), c.lmesq.isEmpty() ? QStringLiteral("0.1") : c.lmesq)
            << c.entry.toStdString();
    }
    EXPECT_EQ(faults, 0);
}

TEST_F(HostileInputTest, AllBoxesFilledAndTenThousandPresses) {
    ASSERT_EQ(boxes.size(), 26);
    for (int i = 1; i <= 12; ++i) {
        box(QStringLiteral("lmr(%1)").arg(i).toLatin1().constData())->setText(QStringLiteral("0.%1").arg(i + 20));
        box(QStringLiteral("smr(%1)").arg(i).toLatin1().constData())->setText(QStringLiteral("0.%1").arg(i + 10));
    }
    box("n")->setText("500 cases");
    box("d")->setText("12");
    QStringList typed;
    for (QLineEdit* b : boxes) typed << b->text();

    press();
    const ComparisonSheet first = window.sheet();
    for (int press_ = 1; press_ < 10'000; ++press_) press();
    EXPECT_EQ(window.sheet(), first);
    EXPECT_EQ(faults, 0);
    EXPECT_EQ(shown("np"), " p < .01");
    EXPECT_EQ(shown("sme(12)"), "0.883176086632785");

    QStringList now;
    for (QLineEdit* b : boxes) now << b->text();
    typed[boxes.indexOf(box("n"))] = "500";  // the run rewrites N and d, nothing else
    EXPECT_EQ(now, typed);
}

TEST_F(HostileInputTest, RepeatedFaultsAreEachReportedAndLoseNothing) {
    box("lmr(1)")->setText("1e999");
    box("smr(1)")->setText("36");
    for (int i = 0; i < 100; ++i) press();
    EXPECT_EQ(faults, 100);
    EXPECT_EQ(box("lmr(1)")->text(), "1e999");
    EXPECT_EQ(shown("lmesq(1)"), "");
}

}  // namespace
}  // namespace trelvin
