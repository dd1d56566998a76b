// Whether the program grows while a person works: each setup form is opened from the main window
// and closed again many times, and the resident memory after the first ten openings is compared
// with that after the last. The peak of the whole run is compared with the floor dialog
// program's peak, measured in the same run.
//   trailcam-growth-bench [OPENINGS] [--no-pixmap-cache]
#include <QApplication>
#include <QComboBox>
#include <QPixmapCache>
#include <QPushButton>

#include <array>
#include <cstdio>
#include <cstring>
#include <string>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include "app/main_dlg.h"
#include "app/setup_app.h"
#include "framework/controls.h"
#include "framework/settings_form.h"
#include "process_memory.h"
#include "quiet_toolkit.h"
#include "res/main_dialog.h"
#include "window_watch.h"

extern char** environ;

namespace {

constexpr int kSettledOpenings = 10;

struct Form {
    const char* name;
    int button;
};
constexpr std::array<Form, 3> kForms{{
    {"Camera Setup", res::IDC_CAMERA_SETUP},
    {"MMS Setup", res::IDC_MMS_SETUP},
    {"Smtp Setup", res::IDC_SMTP_SETUP},
}};

// The floor dialog program's peak resident memory, the lowest of a few starts. A child counts
// the memory its parent had when it was started, so this runs before the parent grows.
long FloorPeakKiB() {
    long lowest = 0;
    for (int i = 0; i < 5; ++i) {
        char program[] = TRAILCAM_FLOOR_DIALOG;
        char* argv[] = {program, nullptr};
        pid_t child = 0;
        if (posix_spawn(&child, program, nullptr, nullptr, argv, environ) != 0) {
            return 0;
        }
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        lowest = i == 0 ? usage.ru_maxrss : std::min(lowest, usage.ru_maxrss);
    }
    return lowest;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const int openings = argc > 1 && argv[1][0] != '-' ? std::atoi(argv[1]) : 1000;
    const bool noPixmapCache = std::strcmp(argv[argc - 1], "--no-pixmap-cache") == 0;
    const long floor = FloorPeakKiB();
    QApplication application(argc, argv);
    SilenceToolkitMessages();
    CSetupApp::InitInstance();
    if (noPixmapCache) {
        QPixmapCache::setCacheLimit(1);
    }
    // Every form closes as soon as it is on screen, as if its "Exit" were pressed at once.
    const WindowShownWatch watch([](QWidget& window) {
        if (auto* form = qobject_cast<CSettingsForm*>(&window)) {
            form->reject();
        }
    });
    CMainDlg main;
    main.Create();
    main.show();
    main.List(res::IDC_MODEL)->setCurrentIndex(2);  // the model that may open every form

    std::printf("platform: %s, %d openings of each form%s\n\n", qgetenv("QT_QPA_PLATFORM").data(),
                openings, noPixmapCache ? ", pixmap cache off" : "");
    std::printf("%-14s %12s %12s %14s\n", "form", "after 10, KiB", "at end, KiB", "KiB an opening");
    for (const Form& form : kForms) {
        long settled = 0;
        for (int i = 0; i < openings; ++i) {
            if (i == kSettledOpenings) {
                settled = static_cast<long>(ResidentKiB());
            }
            main.Button(form.button)->click();
        }
        const long end = static_cast<long>(ResidentKiB());
        std::printf("%-14s %12ld %12ld %14.2f\n", form.name, settled, end,
                    static_cast<double>(end - settled) / (openings - kSettledOpenings));
    }
    main.hide();
    const long peak = static_cast<long>(PeakResidentKiB());
    std::printf(
        "\npeak resident memory: %ld KiB, the plain floor dialog program %ld KiB, ratio %.2f\n",
        peak, floor, static_cast<double>(peak) / static_cast<double>(floor));
    return 0;
}
