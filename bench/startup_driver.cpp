// Starts three programs in turn, round after round, and compares the time
// from the start of each process to its first frame and its peak memory:
//   startup-driver --platform NAME [--runs N] [--label TEXT] KURSWAAGE BARE FORM
// KURSWAAGE is the program's own start, BARE an empty QDialog of the same
// size started the default way, FORM the Designer form alone. Each probe
// prints "frame PLATFORM QT-VERSION" once its first frame is out and exits.
// The order of the three goes through all six permutations, round after
// round, so that none profits from following another; ratios are taken
// within each round and their median reported, so that drift of the
// machine cancels out.
#include <sys/resource.h>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

extern char **environ;

namespace {

struct Probe {
    const char *name;
    std::string path;
};

struct Sample {
    double frameMs;  // process start to first frame
    double cpuMs;    // user and system time of the whole run
    double peakMiB;  // maximum resident set size
};

struct Report {
    std::string platform;
    std::string qtVersion;
};

[[noreturn]] void fail(const std::string &message)
{
    std::fprintf(stderr, "startup-driver: %s\n", message.c_str());
    std::exit(1);
}

// The probe's diagnostics go to a scratch file, shown only when it fails:
// the offscreen platform warns about every window it shows.
std::FILE *probeErrors()
{
    static std::FILE *file = std::tmpfile();
    if (!file)
        fail("cannot create a scratch file");
    return file;
}

std::string probeErrorText()
{
    std::FILE *file = probeErrors();
    std::string text;
    std::rewind(file);
    char buffer[4096];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, got);
    return text;
}

// One start of `probe`: until it reports its first frame, then to its end
// for the peak memory and the cpu time.
Sample runOnce(const Probe &probe, const std::string &platform, Report *report)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        fail("pipe: " + std::string(std::strerror(errno)));
    const int errorFd = fileno(probeErrors());
    if (ftruncate(errorFd, 0) != 0 || lseek(errorFd, 0, SEEK_SET) != 0)
        fail("cannot reset the scratch file");

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        fail("fork: " + std::string(std::strerror(errno)));
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        dup2(errorFd, STDERR_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        execl(probe.path.c_str(), probe.path.c_str(), static_cast<char *>(nullptr));
        std::fprintf(stderr, "cannot start it: %s\n", std::strerror(errno));
        std::_Exit(127);
    }
    close(pipeFds[1]);
    std::string line;
    char c;
    while (read(pipeFds[0], &c, 1) == 1 && c != '\n')
        line += c;
    const auto shown = std::chrono::steady_clock::now();
    close(pipeFds[0]);

    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        fail("wait4: " + std::string(std::strerror(errno)));
    char reported[64] = {}, version[64] = {};
    const bool framed = std::sscanf(line.c_str(), "frame %63s %63s", reported, version) == 2;
    if (!framed || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        const std::string end = WIFEXITED(status) ? "exit status " + std::to_string(WEXITSTATUS(status))
                                                  : "signal " + std::to_string(WTERMSIG(status));
        fail(probe.path + " did not report a frame and exit cleanly (" + end + "); it said:\n" + line + "\n" +
             probeErrorText());
    }
    if (reported != platform)
        fail(probe.path + " ran on the platform " + reported + ", not " + platform);
    if (report)
        *report = {reported, version};

    const auto milliseconds = [](const timeval &t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return {std::chrono::duration<double, std::milli>(shown - start).count(),
            milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime), usage.ru_maxrss / 1024.0};
}

// The q-quantile, interpolated between neighbours.
double quantile(std::vector<double> values, double q)
{
    std::sort(values.begin(), values.end());
    const double position = q * double(values.size() - 1);
    const size_t below = size_t(std::floor(position));
    const size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (position - double(below)) * (values[above] - values[below]);
}

double median(const std::vector<double> &values)
{
    return quantile(values, 0.5);
}

std::string firstValue(const char *file, const std::string &key, char separator)
{
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        if (line.compare(0, key.size(), key) != 0)
            continue;
        std::string value = line.substr(line.find(separator) + 1);
        value.erase(0, value.find_first_not_of(" \t\""));
        value.erase(value.find_last_not_of(" \t\"") + 1);
        return value;
    }
    return "unknown";
}

void printMachine(const std::string &qtVersion)
{
    utsname system{};
    uname(&system);
    const double memoryGiB = std::atof(firstValue("/proc/meminfo", "MemTotal", ':').c_str()) / 1024 / 1024;
    double load = 0;
    getloadavg(&load, 1);
    std::printf("Machine: %s, %ld cores, %.1f GiB; %s, Linux %s; Qt %s; load average %.2f at the start\n",
                firstValue("/proc/cpuinfo", "model name", ':').c_str(), sysconf(_SC_NPROCESSORS_ONLN), memoryGiB,
                firstValue("/etc/os-release", "PRETTY_NAME", '=').c_str(), system.release, qtVersion.c_str(),
                load);
}

}  // namespace

int main(int argc, char *argv[])
{
    std::string platform, label;
    int runs = 300;
    std::vector<Probe> probes = {{"Kurswaage", {}}, {"bare QDialog", {}}, {"form alone", {}}};
    size_t given = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--platform" && i + 1 < argc)
            platform = argv[++i];
        else if (argument == "--runs" && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (argument == "--label" && i + 1 < argc)
            label = argv[++i];
        else if (given < probes.size())
            probes[given++].path = argument;
        else
            given = probes.size() + 1;
    }
    if (platform.empty() || given != probes.size()) {
        std::fprintf(stderr, "usage: %s --platform NAME [--runs N] [--label TEXT] KURSWAAGE BARE FORM\n", argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", platform.c_str(), 1);

    std::printf("== Start-up on %s: %d rounds, each starting the three once, in every order in turn\n",
                label.empty() ? platform.c_str() : label.c_str(), runs);
    std::printf("Kurswaage: the program's own main(); bare QDialog: empty, 1291 x 561, Qt's defaults;\n"
                "form alone: its Designer form on a plain QDialog, with the program's desktop defaults\n");
    std::fflush(stdout);
    Report report;
    for (const Probe &probe : probes)  // warms the file caches; not counted
        runOnce(probe, platform, &report);
    printMachine(report.qtVersion);
    for (char **variable = environ; *variable; ++variable)
        if (std::strncmp(*variable, "QT_", 3) == 0)
            std::printf("Environment of all three: %s\n", *variable);
    std::fflush(stdout);

    const size_t n = probes.size();
    std::vector<std::vector<Sample>> samples(n);
    std::vector<size_t> order(n);
    for (size_t i = 0; i < n; ++i)
        order[i] = i;
    for (int round = 0; round < runs; ++round) {
        for (const size_t i : order)
            samples[i].push_back(runOnce(probes[i], platform, nullptr));
        std::next_permutation(order.begin(), order.end());  // every order in turn
    }

    const auto column = [&](size_t i, double Sample::*field) {
        std::vector<double> values;
        for (const Sample &s : samples[i])
            values.push_back(s.*field);
        return values;
    };
    std::printf("\n%-14s %28s %10s %15s\n", "", "first frame, ms", "cpu, ms", "peak memory");
    std::printf("%-14s %8s %9s %9s %10s %15s\n", "", "median", "min", "max", "median", "median");
    for (size_t i = 0; i < n; ++i) {
        const std::vector<double> frame = column(i, &Sample::frameMs);
        std::printf("%-14s %8.1f %9.1f %9.1f %10.1f %11.1f MiB\n", probes[i].name, median(frame),
                    *std::min_element(frame.begin(), frame.end()), *std::max_element(frame.begin(), frame.end()),
                    median(column(i, &Sample::cpuMs)), median(column(i, &Sample::peakMiB)));
    }

    struct Pair {
        size_t a, b;
    };
    std::printf("\nPaired within each round: median of the %d ratios [quartiles]\n", runs);
    std::printf("%-27s %21s %21s %14s\n", "", "first frame", "peak memory", "difference");
    for (const Pair pair : {Pair{0, 1}, Pair{0, 2}, Pair{2, 1}}) {
        std::vector<double> frame, memory, difference;
        for (int r = 0; r < runs; ++r) {
            const Sample &a = samples[pair.a][size_t(r)], &b = samples[pair.b][size_t(r)];
            frame.push_back(a.frameMs / b.frameMs);
            memory.push_back(a.peakMiB / b.peakMiB);
            difference.push_back(a.peakMiB - b.peakMiB);
        }
        const std::string name = std::string(probes[pair.a].name) + " / " + probes[pair.b].name;
        std::printf("%-27s %6.3fx [%.3f-%.3f] %6.3fx [%.3f-%.3f] %+10.1f MiB\n", name.c_str(), median(frame),
                    quantile(frame, 0.25), quantile(frame, 0.75), median(memory), quantile(memory, 0.25),
                    quantile(memory, 0.75), median(difference));
    }
    std::printf("\n");
    return 0;
}
