// Start-up and memory of the whole program against the floor dialog program, measured from
// outside in the same run: each program is started many times in turn, and for each start the
// time until its window is on screen (wall and processor time) and its peak resident memory are
// taken. The figures are medians, and so are the ratios: each the median of the program's over
// the floor's in starts made one beside the other.
// Each figure is measured against two floors. The look floor draws what the program's look
// needs and nothing more: its main window's texts in the faces the main window draws in (a
// title in bold Arial, the list and buttons in bold italic Arial), and after it windows of the
// forms' sizes with their text in the forms' face. The plain floor is the smallest dialog program
// of the main window's size, in the toolkit's own face, and opens no form.
//   trailcam-startup-bench [ROUNDS]     100 starts of each unless given
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>

extern char** environ;

namespace {

struct Start {
    double wallMs;
    double cpuMs;
    double peakKiB;
};

double Milliseconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
}

double Now() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

Start Run(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& word : command) {
        argv.push_back(const_cast<char*>(word.c_str()));
    }
    argv.push_back(nullptr);
    const double begin = Now();
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[0]);
        std::exit(2);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const double end = Now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not end well\n", argv[0]);
        std::exit(2);
    }
    return {end - begin, Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime),
            static_cast<double>(usage.ru_maxrss)};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Figures {
    double wallMs;
    double cpuMs;
    double peakKiB;
};

Figures Medians(const std::vector<Start>& starts) {
    std::vector<double> wall;
    std::vector<double> cpu;
    std::vector<double> peak;
    for (const Start& start : starts) {
        wall.push_back(start.wallMs);
        cpu.push_back(start.cpuMs);
        peak.push_back(start.peakKiB);
    }
    return {Median(wall), Median(cpu), Median(peak)};
}

// The program's and the floor's medians, and the median of the ratios of the starts made one
// beside the other.
struct Comparison {
    Figures program;
    Figures floor;
    Figures ratio;
};

// Starts the program and the floor in pairs, after a few starts of each that warm the caches.
// Each pair is started one right after the other, the program first in one pair and the floor
// first in the next, so that what the machine does besides weighs on both alike; the ratio of
// each pair is taken, and the median of those is the figure.
Comparison Compare(const std::vector<std::string>& program, const std::vector<std::string>& floor,
                   int rounds) {
    constexpr int kWarmUps = 3;
    for (int i = 0; i < kWarmUps; ++i) {
        Run(program);
        Run(floor);
    }
    std::vector<Start> programStarts;
    std::vector<Start> floorStarts;
    std::vector<Start> ratios;
    for (int i = 0; i < rounds; ++i) {
        Start programStart{};
        Start floorStart{};
        if (i % 2 == 0) {
            programStart = Run(program);
            floorStart = Run(floor);
        } else {
            floorStart = Run(floor);
            programStart = Run(program);
        }
        programStarts.push_back(programStart);
        floorStarts.push_back(floorStart);
        ratios.push_back({programStart.wallMs / floorStart.wallMs,
                          programStart.cpuMs / floorStart.cpuMs,
                          programStart.peakKiB / floorStart.peakKiB});
    }
    return {Medians(programStarts), Medians(floorStarts), Medians(ratios)};
}

void PrintRow(const char* what, double program, double floor, double ratio) {
    std::printf("%-44s %9.1f %9.1f %7.2f\n", what, program, floor, ratio);
}

// What the probe tells of the windows the program shows: the main window's size, the face of the
// forms' text, then each form's size and points, as the floor dialog program takes them.
std::vector<std::string> WindowSizes(const std::string& probe) {
    std::vector<std::string> sizes;
    FILE* const output = popen(("'" + probe + "' --sizes").c_str(), "r");
    std::array<char, 256> line{};
    while (output != nullptr && std::fgets(line.data(), line.size(), output) != nullptr) {
        std::string word(line.data());
        word.erase(word.find_last_not_of('\n') + 1);
        sizes.push_back(word);
    }
    if (output == nullptr || pclose(output) != 0 || sizes.size() < 3) {
        std::fprintf(stderr, "%s --sizes did not tell the windows\n", probe.c_str());
        std::exit(2);
    }
    return sizes;
}

}  // namespace

int main(int argc, char* argv[]) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 100;
    if (getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    const std::string probe = TRAILCAM_SETUP_PROBE;
    const std::string floor = TRAILCAM_FLOOR_DIALOG;
    std::printf("platform: %s, %d starts of each, medians\n\n", getenv("QT_QPA_PLATFORM"), rounds);
    const std::vector<std::string> sizes = WindowSizes(probe);
    std::vector<std::string> lookFloorForms{floor, "--forms"};
    lookFloorForms.insert(lookFloorForms.end(), sizes.begin(), sizes.end());
    const Comparison shown = Compare({probe}, {floor, "--faces", sizes[0]}, rounds);
    const Comparison shownPlain = Compare({probe}, {floor}, rounds);
    const Comparison forms = Compare({probe, "--forms"}, lookFloorForms, rounds);
    const Comparison formsPlain = Compare({probe, "--forms"}, {floor}, rounds);
    std::printf("%-44s %9s %9s %7s\n", "", "program", "floor", "ratio");
    std::printf("start-up to the main window shown\n");
    PrintRow("  wall ms, look floor", shown.program.wallMs, shown.floor.wallMs, shown.ratio.wallMs);
    PrintRow("  processor ms, look floor", shown.program.cpuMs, shown.floor.cpuMs,
             shown.ratio.cpuMs);
    PrintRow("  wall ms, plain floor", shownPlain.program.wallMs, shownPlain.floor.wallMs,
             shownPlain.ratio.wallMs);
    PrintRow("  processor ms, plain floor", shownPlain.program.cpuMs, shownPlain.floor.cpuMs,
             shownPlain.ratio.cpuMs);
    std::printf("peak memory, KiB\n");
    PrintRow("  main window shown, look floor", shown.program.peakKiB, shown.floor.peakKiB,
             shown.ratio.peakKiB);
    PrintRow("  main window shown, plain floor", shownPlain.program.peakKiB,
             shownPlain.floor.peakKiB, shownPlain.ratio.peakKiB);
    PrintRow("  after each form, look floor", forms.program.peakKiB, forms.floor.peakKiB,
             forms.ratio.peakKiB);
    PrintRow("  after each form, plain floor", formsPlain.program.peakKiB, formsPlain.floor.peakKiB,
             formsPlain.ratio.peakKiB);
    return 0;
}
