// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Whole-process start-up of the program to its main window's first exposed
// and first painted frame, against a bare Qt window of the same size showing
// one label. The two are started alternately, so that whatever else the
// machine does weighs on both alike; the medians of both times and of peak
// memory and their ratios are printed.
//
// Usage: bench_startup [runs]   (default 31; QT_QPA_PLATFORM defaults to
// offscreen when there is no display)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Sample {
    double exposedMs = 0;
    double paintedMs = 0;
    long peakKiB = 0;
};

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

Sample runOnce(const std::string& program) {
    int out[2];
    if (pipe(out) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    const long long start = monotonicNs();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        if (const int devnull = open("/dev/null", O_WRONLY); devnull >= 0)
            dup2(devnull, STDERR_FILENO); // the platform's chatter
        close(out[0]);
        close(out[1]);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buf[128];
    ssize_t n;
    while ((n = read(out[0], buf, sizeof buf)) > 0)
        text.append(buf, static_cast<size_t>(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    long long exposed = 0;
    long long painted = 0;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
        std::sscanf(text.c_str(), "%lld %lld", &exposed, &painted) != 2 || exposed == 0) {
        std::fprintf(stderr, "%s did not report its first frame\n", program.c_str());
        std::exit(1);
    }
    return {(exposed - start) / 1e6, (painted - start) / 1e6, usage.ru_maxrss};
}

template <class T> T median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 31;
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);

    const std::string dir = [&] {
        std::string self = argv[0];
        const auto slash = self.rfind('/');
        return slash == std::string::npos ? std::string(".") : self.substr(0, slash);
    }();
    const std::string programs[2] = {dir + "/discone_probe", dir + "/bare_window"};

    runOnce(programs[0]); // warm the file cache for both
    runOnce(programs[1]);
    std::vector<double> exposed[2];
    std::vector<double> painted[2];
    std::vector<long> kib[2];
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < 2; ++p) {
            const int which = (p + i) % 2; // alternate which goes first
            const Sample s = runOnce(programs[which]);
            exposed[which].push_back(s.exposedMs);
            painted[which].push_back(s.paintedMs);
            kib[which].push_back(s.peakKiB);
        }
    }
    const double e[2] = {median(exposed[0]), median(exposed[1])};
    const double t[2] = {median(painted[0]), median(painted[1])};
    const long m[2] = {median(kib[0]), median(kib[1])};
    std::printf("start-up, median of %d runs each (%s)\n", runs,
                std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "display");
    std::printf("                 exposed     painted     peak memory\n");
    std::printf("  discone       %7.1f ms  %7.1f ms  %8ld KiB\n", e[0], t[0], m[0]);
    std::printf("  bare window   %7.1f ms  %7.1f ms  %8ld KiB\n", e[1], t[1], m[1]);
    std::printf("  ratio         %7.2f x   %7.2f x   %8.2f x    (goals: 1.20 x, 1.20 x, 1.10 x)\n",
                e[0] / e[1], t[0] / t[1], static_cast<double>(m[0]) / static_cast<double>(m[1]));
    return 0;
}
