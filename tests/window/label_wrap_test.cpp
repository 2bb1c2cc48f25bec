#include "label_wrap.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>

#include "qt_printers.h"

namespace trelvin {
namespace {

TEST(WrapAtSpaces, BreaksOnlyAtSpacesAndKeepsWhatShows) {
    const QFontMetrics metrics{QFont()};
    const int tall = 10 * metrics.lineSpacing();
    const auto wrap = [&](const char* text, int width, int height) {
        return wrapAtSpaces(QString::fromUtf8(text), metrics, QSize(width, height));
    };
    const int oneTwo = metrics.horizontalAdvance(QStringLiteral("  one two"));
    const int nEquals = metrics.horizontalAdvance(QStringLiteral("N ="));

    EXPECT_EQ(wrap("  one two three", oneTwo, tall), "  one two\nthree");
    EXPECT_EQ(wrap("one  two", metrics.horizontalAdvance(QStringLiteral("one")), tall), "one\ntwo");
    // A word wider than the label stays whole on its line.
    EXPECT_EQ(wrap("0.707106781186548", 10, tall), "0.707106781186548");
    EXPECT_EQ(wrap("ab 0.707106781186548", 10, tall), "ab\n0.707106781186548");
    // A run of spaces wider than the label is a blank line of its own.
    EXPECT_EQ(wrap("N =               d =", nEquals, tall), "N =\n\nd =");
    EXPECT_EQ(wrap("    R²", 1000, tall), "    R²");
    EXPECT_EQ(wrap("model. ", 1000, tall), "model. ");
    EXPECT_EQ(wrap("", 10, tall), "");
    // Lines of which less than half would show are left out.
    const int spacing = metrics.lineSpacing();
    const int three = metrics.horizontalAdvance(QStringLiteral("three"));
    EXPECT_EQ(wrap("one two three", three, spacing + spacing / 2), "one\ntwo");
    EXPECT_EQ(wrap("one two three", three, spacing + spacing / 2 - 1), "one");
    EXPECT_EQ(wrap("one two", three, 1), "one");
}

}  // namespace
}  // namespace trelvin
