// Starts each probe again and again and compares the time from the start of
// the process to its first shown frame, and its peak memory:
//   startup-driver RUNS PROBE...
// Prints the median and the spread per probe and the ratio of each to the
// first.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Sample {
    double milliseconds;
    long peakKiB;
};

// One start of `probe`: until it reports its first frame, then to its end
// for the peak memory.
Sample runOnce(const char *probe)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        std::exit(2);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        execl(probe, probe, static_cast<char *>(nullptr));
        std::_Exit(127);
    }
    close(pipeFds[1]);
    char line[16] = {};
    const ssize_t got = read(pipeFds[0], line, sizeof line - 1);
    const auto shown = std::chrono::steady_clock::now();
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (got <= 0 || std::string(line).rfind("frame", 0) != 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not report a frame\n", probe);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(shown - start).count(), usage.ru_maxrss};
}

template<typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS PROBE...\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const int probes = argc - 2;
    std::vector<std::vector<Sample>> samples(probes);
    for (int i = 0; i < probes; ++i)  // warm the caches once
        runOnce(argv[2 + i]);
    for (int run = 0; run < runs; ++run)  // interleaved, so that drift hits all alike
        for (int i = 0; i < probes; ++i)
            samples[i].push_back(runOnce(argv[2 + i]));

    double firstTime = 0;
    long firstPeak = 0;
    std::printf("%-28s %12s %12s %12s %10s %14s\n", "probe", "median ms", "min ms", "max ms", "ratio",
                "peak memory");
    for (int i = 0; i < probes; ++i) {
        std::vector<double> times;
        std::vector<long> peaks;
        for (const Sample &s : samples[i])
            times.push_back(s.milliseconds), peaks.push_back(s.peakKiB);
        const double time = median(times);
        const long peak = median(peaks);
        if (i == 0)
            firstTime = time, firstPeak = peak;
        const std::string name = std::string(argv[2 + i]).substr(std::string(argv[2 + i]).find_last_of('/') + 1);
        std::printf("%-28s %12.1f %12.1f %12.1f %9.3fx %8.1f MiB (%+.1f)\n", name.c_str(), time,
                    *std::min_element(times.begin(), times.end()), *std::max_element(times.begin(), times.end()),
                    time / firstTime, peak / 1024.0, (peak - firstPeak) / 1024.0);
    }
    return 0;
}
