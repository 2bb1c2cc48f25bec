// Press to shown: from a press of Compute to every result label that
// changed updated and painted, on a full sheet, offscreen. After the press
// the event loop runs as the program's would, delivering what the press
// posted, until each changed label has received its paint event.
//
// Each measured press follows new entries in every R² box, so that every
// row's results change and must be re-wrapped and repainted: the press a
// user makes after typing. The entries are typed and painted before the
// clock starts.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <array>
#include <chrono>
#include <cstdio>
#include <vector>

#include "main_window.h"
#include "number_text.h"
#include "sheet.h"

namespace trelvin {
namespace {

using Clock = std::chrono::steady_clock;

struct Entries {
    std::array<QString, kRows> lmr;
    std::array<QString, kRows> smr;
};

// Two full sheets whose row results all differ from the other's.
Entries fullEntries(double shift) {
    Entries entries;
    for (int row = 1; row <= kRows; ++row) {
        entries.lmr[row - 1] =
            QString::fromStdString(generalNumberText(shift + 0.0637 * row + 0.000123456789 * row * row));
        entries.smr[row - 1] =
            QString::fromStdString(generalNumberText(shift - 0.01 + 0.0611 * row + 0.000098765432 * row * row));
    }
    return entries;
}

class PaintWatch : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted.insert(watched);
        return false;
    }
    QSet<QObject*> painted;
};

class PressedWindow {
public:
    PressedWindow() {
        window_.setFaultReporter([this](const QString& message) {
            std::fprintf(stderr, "unexpected fault: %s\n", qPrintable(message));
            faulted_ = true;
        });
        box(QStringLiteral("n"))->setText(QStringLiteral("250"));
        box(QStringLiteral("d"))->setText(QStringLiteral("3"));
        const char* results[] = {"lmesq", "lme", "smesq", "sme"};
        for (const char* name : results)
            for (int row = 1; row <= kRows; ++row)
                results_.push_back(window_.findChild<QLabel*>(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(row)));
        for (const char* name : {"nfitl", "nfits", "nq", "nw", "np"})
            results_.push_back(window_.findChild<QLabel*>(QLatin1String(name)));
        for (QLabel* label : results_) label->installEventFilter(&watch_);
        window_.show();
        settle();
    }

    void enter(const Entries& entries) {
        for (int row = 1; row <= kRows; ++row) {
            box(QStringLiteral("lmr(%1)").arg(row))->setText(entries.lmr[row - 1]);
            box(QStringLiteral("smr(%1)").arg(row))->setText(entries.smr[row - 1]);
        }
        settle();
    }

    // One press and the event loop up to the paint of every label the
    // press changed; false if the run faulted or a label never painted.
    bool pressUntilShown(std::size_t& changedCount) {
        std::vector<QString> before;
        for (QLabel* label : results_) before.push_back(label->text());
        watch_.painted.clear();

        button_->click();
        std::vector<QLabel*> changed;
        for (std::size_t i = 0; i < results_.size(); ++i)
            if (results_[i]->text() != before[i]) changed.push_back(results_[i]);
        for (int round = 0; round < 1000; ++round) {
            bool allPainted = true;
            for (QLabel* label : changed) allPainted = allPainted && watch_.painted.contains(label);
            if (allPainted) {
                changedCount = changed.size();
                return !faulted_;
            }
            QApplication::processEvents();
        }
        return false;
    }

    void repaint() { window_.repaint(); }

private:
    QLineEdit* box(const QString& name) { return window_.findChild<QLineEdit*>(name); }
    static void settle() {
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
    }

    MainWindow window_;
    QPushButton* button_ = window_.findChild<QPushButton*>(QStringLiteral("Command1"));
    std::vector<QLabel*> results_;
    PaintWatch watch_;
    bool faulted_ = false;
};

PressedWindow* window = nullptr;
const Entries sheets[2] = {fullEntries(0.05), fullEntries(0.08)};

void BM_PressToShown(benchmark::State& state) {
    static int next = 0;
    std::size_t changed = 0;
    for (auto _ : state) {
        window->enter(sheets[next]);
        next = 1 - next;
        const Clock::time_point start = Clock::now();
        const bool shown = window->pressUntilShown(changed);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        if (!shown) state.SkipWithError("a press faulted or its labels were not painted");
    }
    state.counters["labels_changed"] = static_cast<double>(changed);
}
BENCHMARK(BM_PressToShown)->UseManualTime()->Iterations(1)->Repetitions(1000)->ReportAggregatesOnly(true);

// A repaint of the whole window with nothing changed, for scale.
void BM_RepaintWindow(benchmark::State& state) {
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        window->repaint();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
}
BENCHMARK(BM_RepaintWindow)->UseManualTime()->Iterations(1)->Repetitions(1000)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace trelvin

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    trelvin::PressedWindow window;
    trelvin::window = &window;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
