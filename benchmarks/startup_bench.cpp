// Start-up of Trelvin's window against a bare Qt window: runs the probes in
// turn, each many times, and prints the median time from process start to
// first paint, the median CPU time the probe used by then and the median
// peak resident memory of each, one name=value a line.
//
// Process start is taken here, on CLOCK_MONOTONIC, just before posix_spawn;
// the probe reads the same system-wide clock once its window is painted. The
// span so covers everything the user waits for: exec, loading the shared
// libraries, QApplication, building the window and its first paint.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Launch {
    double milliseconds = 0;
    double cpuMilliseconds = 0;
    double peakMiB = 0;
    std::string size;
};

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

bool launch(const char* probe, Launch& result) {
    int out[2];
    if (pipe(out) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char* argv[] = {const_cast<char*>(probe), nullptr};

    pid_t pid = 0;
    const long long startedAt = monotonicNanoseconds();
    const int spawned = posix_spawn(&pid, probe, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        std::fprintf(stderr, "cannot start %s\n", probe);
        return false;
    }

    std::string output;
    char buffer[256];
    for (ssize_t got; (got = read(out[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<std::size_t>(got));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);

    long long paintedAt = 0;
    long long cpu = 0;
    long peakKiB = 0;
    char size[32] = {};
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
        std::sscanf(output.c_str(), "painted_ns=%lld cpu_ns=%lld peak_kib=%ld size=%31s", &paintedAt, &cpu,
                    &peakKiB, size) != 4) {
        std::fprintf(stderr, "%s did not report its first paint: %s\n", probe, output.c_str());
        return false;
    }
    result = {static_cast<double>(paintedAt - startedAt) / 1e6, static_cast<double>(cpu) / 1e6,
              static_cast<double>(peakKiB) / 1024.0, size};
    return true;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 0;
    if (argc < 3 || runs < 1) {
        std::fprintf(stderr, "usage: %s RUNS NAME=PROBE...\n", argv[0]);
        return 2;
    }
    struct Probe {
        std::string name;
        std::string path;
        std::vector<double> ms, cpuMs, mib;
        std::string size;
    };
    std::vector<Probe> probes;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const std::size_t equals = arg.find('=');
        if (equals == std::string::npos) {
            std::fprintf(stderr, "not NAME=PROBE: %s\n", argv[i]);
            return 2;
        }
        probes.push_back({arg.substr(0, equals), arg.substr(equals + 1), {}, {}, {}, {}});
    }

    // One unmeasured round first, so that no probe pays alone for a cold
    // page cache.
    Launch launched;
    for (const Probe& probe : probes)
        if (!launch(probe.path.c_str(), launched)) return 1;

    // Round after round in the same order, so that each probe always
    // follows the same other one and a burst of load from another user
    // falls on all of them alike.
    for (int run = 0; run < runs; ++run) {
        for (Probe& probe : probes) {
            if (!launch(probe.path.c_str(), launched)) return 1;
            probe.ms.push_back(launched.milliseconds);
            probe.cpuMs.push_back(launched.cpuMilliseconds);
            probe.mib.push_back(launched.peakMiB);
            probe.size = launched.size;
        }
    }

    std::printf("runs=%d\n", runs);
    for (const Probe& probe : probes) {
        if (probe.size != probes.front().size) {
            std::fprintf(stderr, "%s is %s, %s %s: not the same size\n", probe.name.c_str(), probe.size.c_str(),
                         probes.front().name.c_str(), probes.front().size.c_str());
            return 1;
        }
        const char* name = probe.name.c_str();
        std::printf("%s_ms=%.1f\n%s_cpu_ms=%.1f\n%s_mib=%.2f\n", name, median(probe.ms), name,
                    median(probe.cpuMs), name, median(probe.mib));
    }
    std::printf("size=%s\n", probes.front().size.c_str());
    return 0;
}
