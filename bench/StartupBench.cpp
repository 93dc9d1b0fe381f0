// Start-up time and peak memory of the calculator against a bare Qt Widgets
// window of the same size, measured in the same run, alternating the two so
// that both see the same machine load.
//   startup_bench PROBE [RUNS]

#include <sys/resource.h>
#include <sys/wait.h>

#include <spawn.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Sample {
    double milliseconds;
    long peakKiB;
};

bool runOnce(const char* probe, const char* kind, Sample& sample)
{
    const char* args[] = {probe, kind, nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, probe, nullptr, nullptr, const_cast<char* const*>(args), environ) != 0)
        return false;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    const auto end = std::chrono::steady_clock::now();
    sample.milliseconds = std::chrono::duration<double, std::milli>(end - start).count();
    sample.peakKiB = usage.ru_maxrss;
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double fastest(const std::vector<double>& values)
{
    return *std::min_element(values.begin(), values.end());
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROBE [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 2 ? std::atoi(argv[2]) : 20;
    std::vector<double> appTimes, bareTimes, appPeaks, barePeaks;
    for (int i = 0; i < runs + 1; ++i) {
        Sample app{}, bare{};
        if (!runOnce(argv[1], "siltmere", app) || !runOnce(argv[1], "bare", bare)) {
            std::fprintf(stderr, "a probe failed to start or exited with an error\n");
            return 1;
        }
        if (i == 0)
            continue; // warm-up: fills the disk and font caches
        appTimes.push_back(app.milliseconds);
        bareTimes.push_back(bare.milliseconds);
        appPeaks.push_back(static_cast<double>(app.peakKiB));
        barePeaks.push_back(static_cast<double>(bare.peakKiB));
    }
    const double appTime = median(appTimes), bareTime = median(bareTimes);
    const double appPeak = median(appPeaks) / 1024.0, barePeak = median(barePeaks) / 1024.0;
    std::printf("runs: %d each\n", runs);
    std::printf("%-22s %12s %12s %16s\n", "window", "median (ms)", "fastest (ms)", "peak RSS (MiB)");
    std::printf("%-22s %12.1f %12.1f %16.1f\n", "bare Qt window", bareTime, fastest(bareTimes), barePeak);
    std::printf("%-22s %12.1f %12.1f %16.1f\n", "Siltmere main window", appTime, fastest(appTimes), appPeak);
    const double ratio = appTime / bareTime;
    const double extra = appPeak - barePeak;
    std::printf("time ratio %.2f (median; fastest runs %.2f), target <= 1.25: %s\n", ratio,
                fastest(appTimes) / fastest(bareTimes), ratio <= 1.25 ? "met" : "missed");
    std::printf("extra peak memory %.1f MiB, target <= 10: %s\n", extra, extra <= 10.0 ? "met" : "missed");
    return 0;
}
