#include "main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "qt_printers.h"

namespace trelvin {
namespace {

class MainWindowTest : public testing::Test {
protected:
    MainWindowTest() {
        window.setFaultReporter([this](const QString& message) { faults << message; });
    }

    QLineEdit* box(const QString& name) {
        auto* found = window.findChild<QLineEdit*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QLabel* label(const QString& name) {
        auto* found = window.findChild<QLabel*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QString shown(const QString& name) { return label(name)->text(); }
    QPushButton* button() { return window.findChild<QPushButton*>(QStringLiteral("Command1")); }
    void press() { QTest::mouseClick(button(), Qt::LeftButton); }

    void enterWorkedExample() {
        box("lmr(1)")->setText("0.36");
        box("lmr(2)")->setText("0.5");
        box("smr(1)")->setText("0.5");
        box("n")->setText("100");
        box("d")->setText("2");
    }

    MainWindow window;
    QStringList faults;
};

TEST_F(MainWindowTest, ComputeShowsEveryResult) {
    enterWorkedExample();
    press();
    EXPECT_EQ(shown("lmesq(1)"), "0.64");
    EXPECT_EQ(shown("lme(1)"), "0.8");
    EXPECT_EQ(shown("lme(2)"), "0.707106781186548");
    EXPECT_EQ(shown("smesq(1)"), "0.5");
    EXPECT_EQ(shown("sme(1)"), "0.707106781186548");
    EXPECT_EQ(shown("lmesq(3)"), "");
    EXPECT_EQ(shown("nfitl"), "0.68");
    EXPECT_EQ(shown("nfits"), "0.5");
    EXPECT_EQ(shown("nq"), "0.64");
    EXPECT_EQ(shown("nw"), "43.7361360575851");
    EXPECT_EQ(shown("np"), " p < .01");
    EXPECT_TRUE(faults.isEmpty());

    EXPECT_EQ(label("lme(2)")->toolTip(), "0.707106781186548");
    EXPECT_EQ(label("np")->toolTip(), "Exact p = 3.18E-10 (chi-square, 2 df)");
    EXPECT_EQ(label("nw")->accessibleDescription(), "W");
    EXPECT_EQ(label("sme(1)")->accessibleDescription(), "Smaller model, sub-model 1, e");
}

TEST_F(MainWindowTest, EmptySheetWithOnlyNAndD) {
    box("n")->setText("  100 cases");
    box("d")->setText("0");
    press();
    EXPECT_EQ(box("n")->text(), "100");
    EXPECT_EQ(box("d")->text(), "0");
    EXPECT_EQ(shown("nfitl"), "0");
    EXPECT_EQ(shown("nfits"), "0");
    EXPECT_EQ(shown("nq"), "1");
    EXPECT_EQ(shown("nw"), "0");
    EXPECT_EQ(shown("np"), " no test");
    EXPECT_EQ(label("np")->toolTip(), "No chi-square test: d must be a whole number from 1 to 1,000,000.");

    box("n")->setText("  50 x");
    press();
    EXPECT_EQ(box("n")->text(), "50");
}

TEST_F(MainWindowTest, ReturnInAnyBoxComputes) {
    enterWorkedExample();
    QTest::keyClick(box("smr(7)"), Qt::Key_Return);
    EXPECT_EQ(shown("np"), " p < .01");
    box("d")->setText("1");
    QTest::keyClick(box("d"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(shown("np"), " p < .01");
    EXPECT_EQ(label("np")->toolTip(), "Exact p = 2.99E-11 (chi-square, 1 df)");
}

TEST_F(MainWindowTest, AFaultIsShownAsFarAsTheRunGotAndReportedOnce) {
    enterWorkedExample();
    press();
    box("lmr(1)")->setText("1.2");
    box("n")->setText("200 cases");
    press();

    ASSERT_EQ(faults.size(), 1);
    EXPECT_EQ(faults[0].toStdString(),
              "The computation stopped: an argument without a value. Sub-model 1 of the larger model has an "
              "R² above 1, so its 1-R² is negative and has no square root.");
    EXPECT_EQ(shown("lmesq(1)"), "-0.2");
    EXPECT_EQ(shown("lme(1)"), "0.8");
    EXPECT_EQ(shown("nfitl"), "0.68");
    EXPECT_EQ(shown("np"), " p < .01");
    // Every entry stays as typed, ready to be corrected.
    EXPECT_EQ(box("lmr(1)")->text(), "1.2");
    EXPECT_EQ(box("n")->text(), "200 cases");
}

TEST_F(MainWindowTest, ControlsStandAtTheirPlaces) {
    EXPECT_EQ(window.size(), QSize(385, 594));
    EXPECT_EQ(window.windowTitle(), "Trelvin");
    EXPECT_EQ(box("lmr(1)")->geometry(), QRect(8, 136, 41, 25));
    EXPECT_EQ(box("smr(12)")->geometry(), QRect(200, 488, 41, 25));
    EXPECT_EQ(label("sme(12)")->geometry(), QRect(304, 496, 49, 17));
    EXPECT_EQ(button()->geometry(), QRect(312, 8, 57, 25));
    EXPECT_EQ(box("d")->geometry(), QRect(272, 32, 33, 19));
    EXPECT_EQ(label("np")->geometry(), QRect(256, 560, 57, 17));
    EXPECT_EQ(label("Label11(1)")->text(), "  1-R²");
    EXPECT_EQ(button()->text(), "Compute");
    EXPECT_EQ(box("lmr(1)")->maxLength(), std::numeric_limits<int>::max());
    EXPECT_EQ(box("smr(3)")->accessibleName(), "Smaller model, sub-model 3, R²");
}

bool near(QColor actual, QColor expected, int tolerance) {
    return std::abs(actual.red() - expected.red()) <= tolerance &&
           std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance;
}

// Share of the pixels of `area` within `tolerance` of `colour`.
double shareOf(const QImage& image, QRect area, QColor colour, int tolerance) {
    int matching = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (near(image.pixelColor(x, y), colour, tolerance)) ++matching;
    return double(matching) / (area.width() * area.height());
}

TEST_F(MainWindowTest, ColoursOnAGrab) {
    const QImage image = window.grab().toImage();
    const QColor orange(255, 128, 0);
    EXPECT_EQ(image.pixelColor(2, 2), orange);
    EXPECT_EQ(image.pixelColor(380, 590), orange);
    EXPECT_GT(shareOf(image, label("Label5")->geometry(), orange, 0), 0.5);  // the label shows orange round its text
    EXPECT_GT(shareOf(image, button()->geometry().adjusted(2, 2, -2, -2), QColor(128, 255, 128), 16), 0.5);
    const QRect inside = box("smr(4)")->geometry().adjusted(4, 4, -4, -4);
    EXPECT_EQ(shareOf(image, inside, Qt::white, 0), 1.0);
}

TEST_F(MainWindowTest, ALongNumberIsDrawnOnItsFirstLineOnly) {
    box("lmr(1)")->setText("0.5");
    press();
    QLabel* e = label("lme(1)");
    ASSERT_EQ(e->text(), "0.707106781186548");
    const QImage image = e->grab().toImage();
    const int lineHeight = e->fontMetrics().height();
    ASSERT_LT(lineHeight, image.height());
    // Broken after "0." the right part of the first line would be empty.
    const QRect rightOfFirstLine(image.width() * 3 / 4, 0, image.width() / 4, lineHeight);
    EXPECT_LT(shareOf(image, rightOfFirstLine, QColor(255, 128, 0), 0), 0.95);
    EXPECT_EQ(shareOf(image, QRect(0, lineHeight, image.width(), image.height() - lineHeight), QColor(255, 128, 0), 0), 1.0);
}

TEST_F(MainWindowTest, AResultCanBeSelectedWithTheMouse) {
    enterWorkedExample();
    press();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QLabel* w = label("nw");
    const int y = w->height() / 2;
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(1, y));
    QTest::mouseMove(w, QPoint(w->width() - 1, y));
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(w->width() - 1, y));
    EXPECT_TRUE(w->hasSelectedText());
    EXPECT_TRUE(QString("43.7361360575851").startsWith(w->selectedText())) << w->selectedText().toStdString();
    // Results are not in the Tab chain.
    EXPECT_FALSE(w->focusPolicy() & Qt::TabFocus);
}

TEST_F(MainWindowTest, TabFollowsTheOrderOfTheInstruction) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QStringList expected;
    for (int i = 1; i <= 12; ++i) expected << QStringLiteral("lmr(%1)").arg(i);
    for (int i = 1; i <= 12; ++i) expected << QStringLiteral("smr(%1)").arg(i);
    expected << "n" << "d" << "Command1" << "lmr(1)";

    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int step = 1; step < expected.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, expected);

    // Space on the focused button presses it.
    box("n")->setText("7");
    QTest::keyClick(button(), Qt::Key_Space);
    EXPECT_EQ(shown("nw"), "0");
    EXPECT_EQ(box("d")->text(), "0");
}

}  // namespace
}  // namespace trelvin
