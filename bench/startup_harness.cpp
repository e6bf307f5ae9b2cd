// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and peak memory of programs that end after their first painted
// frame, each against the first one, the baseline.
//
//   startup_harness RUNS LABEL=PROGRAM LABEL=PROGRAM...
//
// Every program runs RUNS times, in rounds that take each program once, in
// turn forwards and backwards, so that a slow phase of a loaded machine
// weighs on all alike. A run gives the CPU time (all threads) and the wall
// time from launch to the first paint, which the program reports, the CPU
// time of the whole process (user + system, from wait4) and its wall time
// to exit, and its peak resident memory. For each program and measure the
// table gives the median, the minimum and the maximum of the runs and the
// ratio of its median to the baseline's.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <time.h>
#include <vector>

namespace {

enum Measure { PaintCpu, PaintWall, RunCpu, RunWall, PeakMemory, kMeasures };

// Names without spaces, so that a script can pick the rows.
constexpr std::array<const char *, kMeasures> kNames{"first-paint-cpu-ms", "first-paint-wall-ms",
                                                     "run-cpu-ms", "run-wall-ms", "peak-rss-kib"};

using Run = std::array<double, kMeasures>;

struct Program {
    std::string label;
    std::string path;
    std::array<std::vector<double>, kMeasures> runs;
};

double Milliseconds(const timespec &t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double Milliseconds(const timeval &t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Reads the number that follows `key` in `text`, or -1.
double After(const std::string &text, std::string_view key) {
    const auto at = text.find(key);
    return at == std::string::npos ? -1 : std::atof(text.c_str() + at + key.size());
}

// Runs the program once; false unless it painted and exited cleanly.
bool Launch(const std::string &program, Run &run) {
    int out[2];
    if (pipe(out) != 0)
        return false;
    timespec launched{};
    clock_gettime(CLOCK_MONOTONIC, &launched);
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
        execl(program.c_str(), program.c_str(), static_cast<char *>(nullptr));
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
    timespec ended{};
    clock_gettime(CLOCK_MONOTONIC, &ended);
    run[RunWall] = Milliseconds(ended) - Milliseconds(launched);
    run[RunCpu] = Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime);
    run[PeakMemory] = static_cast<double>(usage.ru_maxrss);
    run[PaintWall] = After(output, "first paint at ") - Milliseconds(launched);
    run[PaintCpu] = After(output, ", cpu ");
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 && run[PaintCpu] >= 0 &&
           run[PaintWall] >= 0;
}

bool Round(std::vector<Program> &programs, bool backwards, bool counted) {
    for (std::size_t i = 0; i < programs.size(); ++i) {
        Program &program = programs[backwards ? programs.size() - 1 - i : i];
        Run run{};
        if (!Launch(program.path, run)) {
            std::fprintf(stderr, "%s did not paint and exit cleanly\n", program.path.c_str());
            return false;
        }
        for (int m = 0; counted && m < kMeasures; ++m)
            program.runs[m].push_back(run[m]);
    }
    return true;
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 4 || std::atoi(argv[1]) < 1) {
        std::fprintf(stderr, "usage: %s RUNS LABEL=BASELINE LABEL=PROGRAM...\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<Program> programs;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const auto equals = arg.find('=');
        if (equals == std::string_view::npos) {
            std::fprintf(stderr, "%s: expected LABEL=PROGRAM\n", argv[i]);
            return 2;
        }
        programs.push_back(
            {std::string(arg.substr(0, equals)), std::string(arg.substr(equals + 1)), {}});
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // One round first, uncounted: it fills the file cache.
    if (!Round(programs, false, false))
        return 1;
    for (int round = 0; round < runs; ++round) {
        if (!Round(programs, round % 2 == 1, true))
            return 1;
    }

    std::printf("%-12s %-20s %10s %10s %10s %8s\n", "program", "measure", "median", "min", "max",
                "ratio");
    for (const Program &program : programs) {
        for (int m = 0; m < kMeasures; ++m) {
            const auto &values = program.runs[m];
            const double median = Median(values);
            std::printf("%-12s %-20s %10.1f %10.1f %10.1f %8.3f\n", program.label.c_str(),
                        kNames[m], median, *std::min_element(values.begin(), values.end()),
                        *std::max_element(values.begin(), values.end()),
                        median / Median(programs.front().runs[m]));
        }
    }
    std::printf("runs: %d of each, interleaved; ratio: median against %s's median\n", runs,
                programs.front().label.c_str());
    return 0;
}
