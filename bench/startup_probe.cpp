// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up probe: runs two programs alternately on the current X display and measures,
// for each, the time from exec to its first top-level window being mapped, and its
// resident and proportional set size (Rss, Pss from /proc/PID/smaps_rollup) then.
// Usage: startup_probe RUNS PROGRAM_A PROGRAM_B
#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Sample {
    double ms = 0;
    long rssKb = 0;
    long pssKb = 0;
};

long field(const std::string& path, const std::string& name) {
    std::ifstream in(path);
    std::string key;
    long value = 0;
    while (in >> key) {
        if (key == name + ":") {
            in >> value;
            return value;
        }
        in.ignore(4096, '\n');
    }
    return -1;
}

Sample run(Display* display, const char* program) {
    // Drain anything left from the previous run before starting the clock.
    XSync(display, True);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    Sample sample;
    XEvent event;
    for (;;) {
        XNextEvent(display, &event);
        if (event.type == MapNotify && !event.xmap.override_redirect)
            break;
    }
    sample.ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    const std::string rollup = "/proc/" + std::to_string(pid) + "/smaps_rollup";
    sample.rssKb = field(rollup, "Rss");
    sample.pssKb = field(rollup, "Pss");
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    // Unmaps and destroys are not what we measure.
    usleep(100000);
    return sample;
}

template <class F> double median(std::vector<Sample> samples, F member) {
    std::vector<double> values;
    for (const Sample& s : samples)
        values.push_back(member(s));
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM_A PROGRAM_B\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    std::vector<Sample> a, b;
    run(display, argv[2]); // warm the file cache for both
    run(display, argv[3]);
    for (int i = 0; i < runs; ++i) {
        a.push_back(run(display, argv[2]));
        b.push_back(run(display, argv[3]));
    }
    const auto ms = [](const Sample& s) { return s.ms; };
    const auto rss = [](const Sample& s) { return double(s.rssKb); };
    const auto pss = [](const Sample& s) { return double(s.pssKb); };
    std::printf("%-12s %10s %10s %10s\n", "program", "map ms", "Rss KiB", "Pss KiB");
    std::printf("%-12s %10.1f %10.0f %10.0f\n", "A", median(a, ms), median(a, rss), median(a, pss));
    std::printf("%-12s %10.1f %10.0f %10.0f\n", "B", median(b, ms), median(b, rss), median(b, pss));
    std::printf("%-12s %10.2f %10.2f %10.2f\n", "A / B", median(a, ms) / median(b, ms),
                median(a, rss) / median(b, rss), median(a, pss) / median(b, pss));
    std::printf("(medians of %d alternating runs; A = %s, B = %s)\n", runs, argv[2], argv[3]);
    XCloseDisplay(display);
    return 0;
}
