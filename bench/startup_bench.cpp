// Start-up and memory of the whole program against the floor dialog program, measured from
// outside in the same run: each program is started many times in turn, and for each start the
// time until its window is on screen (wall and processor time) and its peak resident memory are
// taken. The figures are medians; the ratios are the program's over the floor's. Memory after the
// forms is measured against two floors: the floor dialog program as it starts, and the same
// program showing what the program shows, windows of the forms' sizes in the forms' faces.
//   trailcam-startup-bench [ROUNDS]     40 starts of each unless given
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

// Starts the program and the floor in turn, after a few starts of each that warm the caches, and
// gives the medians of each.
std::pair<Figures, Figures> Compare(const std::vector<std::string>& program,
                                    const std::vector<std::string>& floor, int rounds) {
    constexpr int kWarmUps = 3;
    for (int i = 0; i < kWarmUps; ++i) {
        Run(program);
        Run(floor);
    }
    std::vector<Start> programStarts;
    std::vector<Start> floorStarts;
    for (int i = 0; i < rounds; ++i) {
        programStarts.push_back(Run(program));
        floorStarts.push_back(Run(floor));
    }
    return {Medians(programStarts), Medians(floorStarts)};
}

void PrintRow(const char* what, double program, double floor) {
    std::printf("%-44s %9.1f %9.1f %7.2f\n", what, program, floor, program / floor);
}

// The floor dialog program that shows the windows the program shows, as the probe tells them:
// the face of the forms' text, then each form's size and points.
std::vector<std::string> FloorLikeForms(const std::string& probe, const std::string& floor) {
    std::vector<std::string> command{floor, "--forms"};
    FILE* const sizes = popen(("'" + probe + "' --sizes").c_str(), "r");
    std::array<char, 256> line{};
    while (sizes != nullptr && std::fgets(line.data(), line.size(), sizes) != nullptr) {
        std::string word(line.data());
        word.erase(word.find_last_not_of('\n') + 1);
        command.push_back(word);
    }
    if (sizes == nullptr || pclose(sizes) != 0 || command.size() < 4) {
        std::fprintf(stderr, "%s --sizes did not tell the forms\n", probe.c_str());
        std::exit(2);
    }
    return command;
}

}  // namespace

int main(int argc, char* argv[]) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 40;
    if (getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    const std::string probe = TRAILCAM_SETUP_PROBE;
    const std::string floor = TRAILCAM_FLOOR_DIALOG;
    std::printf("platform: %s, %d starts of each, medians\n\n", getenv("QT_QPA_PLATFORM"), rounds);
    const auto [shown, floorShown] = Compare({probe}, {floor}, rounds);
    const auto [forms, floorAgain] = Compare({probe, "--forms"}, {floor}, rounds);
    const auto [formsAgain, floorForms] =
        Compare({probe, "--forms"}, FloorLikeForms(probe, floor), rounds);
    std::printf("%-44s %9s %9s %7s\n", "", "program", "floor", "ratio");
    PrintRow("start-up to the main window shown, wall ms", shown.wallMs, floorShown.wallMs);
    PrintRow("start-up, processor ms", shown.cpuMs, floorShown.cpuMs);
    PrintRow("peak memory, main window shown, KiB", shown.peakKiB, floorShown.peakKiB);
    PrintRow("peak memory, after each form, KiB", forms.peakKiB, floorAgain.peakKiB);
    PrintRow("  the same, floor showing the same windows", formsAgain.peakKiB, floorForms.peakKiB);
    return 0;
}
