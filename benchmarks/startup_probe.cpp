// Opens a window the way the program does, and ends once that window has
// been painted for the first time. It prints the moment of that paint on the
// system-wide monotonic clock, which the start-up benchmark compares with
// the moment it started this process, the CPU time this process has used by
// then (all its threads, from exec on: unlike the span, it hardly grows when
// others load the machine), and the peak resident memory so far.
//
// Built three times: with TRELVIN_PROBE_MAIN_WINDOW it shows Trelvin's main
// window; without it a bare QWidget of the same fixed size, the floor Qt
// itself sets; with TRELVIN_PROBE_ONE_LABEL that bare QWidget holding one
// label, which shows what drawing any text at all adds to the floor.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

#ifdef TRELVIN_PROBE_MAIN_WINDOW
#include "main_window.h"
#else
#include "twips.h"
#endif

namespace {

long long nanoseconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// VmHWM, the peak resident set of this process image. getrusage's ru_maxrss
// is no good here: after posix_spawn it can count the parent's pages too.
long peakResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

// The window's own paint event arrives before its painting is done; a zero
// timer set then runs once the whole tree has been painted and flushed to the
// screen, which is the moment the user first sees the window.
class FirstPaintExit : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            auto* window = static_cast<QWidget*>(watched);
            QTimer::singleShot(0, [window] {
                const long long paintedAt = nanoseconds(CLOCK_MONOTONIC);
                const long long cpu = nanoseconds(CLOCK_PROCESS_CPUTIME_ID);
                std::printf("painted_ns=%lld cpu_ns=%lld peak_kib=%ld size=%dx%d\n", paintedAt, cpu,
                            peakResidentKiB(), window->width(), window->height());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
#ifdef TRELVIN_PROBE_MAIN_WINDOW
    trelvin::MainWindow window;
#else
    QWidget window;
    window.setFixedSize(trelvin::twipsToPixels(5772), trelvin::twipsToPixels(8904));
#ifdef TRELVIN_PROBE_ONE_LABEL
    QLabel label(QStringLiteral("Compute"), &window);
#endif
#endif
    FirstPaintExit firstPaint;
    window.installEventFilter(&firstPaint);
    window.show();
    return application.exec();
}
