// Start-up and peak memory of two programs that end after their first
// painted frame, as the median of a number of runs each, and their ratio.
//
//   startup_harness RUNS PROGRAM BASELINE
//
// Each run is timed from launch to the first paint, which the program reports
// on the monotonic clock, and from launch to exit. Peak memory is the child's
// maximum resident set size. The runs of the two alternate, so that a slow
// phase of the machine weighs on both alike.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <time.h>
#include <vector>

namespace {

struct Run {
    double wallMs = 0;
    double firstPaintMs = -1;
    long peakKb = 0;
};

struct Sample {
    std::vector<double> wallMs;
    std::vector<double> firstPaintMs;
    std::vector<double> peakKb;
};

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

bool Launch(const char *program, Run &run) {
    int out[2];
    if (pipe(out) != 0)
        return false;
    timespec launched{};
    clock_gettime(CLOCK_MONOTONIC, &launched);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        // Qt's warnings about the offscreen platform are not of interest.
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDERR_FILENO);
        close(out[0]);
        close(out[1]);
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string output;
    char buffer[256];
    ssize_t got = 0;
    while ((got = read(out[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, static_cast<std::size_t>(got));
    close(out[0]);
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        return false;
    run.wallMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    run.peakKb = usage.ru_maxrss;
    const auto at = output.find("first paint at ");
    if (at != std::string::npos)
        run.firstPaintMs =
            std::atof(output.c_str() + at + 15) - (static_cast<double>(launched.tv_sec) * 1e3 +
                                                   static_cast<double>(launched.tv_nsec) / 1e6);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 && run.firstPaintMs >= 0;
}

void Add(Sample &sample, const Run &run) {
    sample.wallMs.push_back(run.wallMs);
    sample.firstPaintMs.push_back(run.firstPaintMs);
    sample.peakKb.push_back(static_cast<double>(run.peakKb));
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM BASELINE\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    Sample program;
    Sample baseline;
    // One run of each first, uncounted: it fills the file cache.
    Run warm;
    if (!Launch(argv[2], warm) || !Launch(argv[3], warm)) {
        std::fprintf(stderr, "a program did not paint and exit cleanly\n");
        return 1;
    }
    for (int i = 0; i < runs; ++i) {
        Run a;
        Run b;
        if (!Launch(argv[2], a) || !Launch(argv[3], b)) {
            std::fprintf(stderr, "a program did not paint and exit cleanly\n");
            return 1;
        }
        Add(program, a);
        Add(baseline, b);
    }
    const double wall = Median(program.wallMs) / Median(baseline.wallMs);
    const double paint = Median(program.firstPaintMs) / Median(baseline.firstPaintMs);
    const double peak = Median(program.peakKb) / Median(baseline.peakKb);
    std::printf("%-36s %12s %12s %8s\n", "median of runs", "program", "minimal", "ratio");
    std::printf("%-36s %12.1f %12.1f %8.3f\n", "launch to exit after first paint, ms",
                Median(program.wallMs), Median(baseline.wallMs), wall);
    std::printf("%-36s %12.1f %12.1f %8.3f\n", "launch to first paint, ms",
                Median(program.firstPaintMs), Median(baseline.firstPaintMs), paint);
    std::printf("%-36s %12.0f %12.0f %8.3f\n", "peak resident memory, KiB", Median(program.peakKb),
                Median(baseline.peakKb), peak);
    std::printf("runs: %d each\n", runs);
    return 0;
}
