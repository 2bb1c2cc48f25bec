// Renders the main window, with the worked example entered and computed, to
// a PNG: for the README and for looking at the layout without a display.
//
//     render_window OUTPUT.png

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>

#include "main_window.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    trelvin::MainWindow window;

    const auto enter = [&window](const char* name, const char* text) {
        window.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
    };
    enter("lmr(1)", "0.36");
    enter("lmr(2)", "0.5");
    enter("smr(1)", "0.5");
    enter("n", "100");
    enter("d", "2");
    window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();

    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
