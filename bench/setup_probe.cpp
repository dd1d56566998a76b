// trailcam-setup as it starts, ending as soon as its main window is on screen; the start-up and
// memory benchmarks run it against the floor dialog program.
//   trailcam-setup-probe            start, show the main window, end
//   trailcam-setup-probe --forms    the same, but first open and close each setup form in turn,
//                                   pressing the main window's buttons as a person does
//   trailcam-setup-probe --sizes    as --forms, and prints the main window's size, the face of the
//                                   forms' text and each form's size and points, as the floor
//                                   dialog program takes them
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QPushButton>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/build_info.h"
#include "app/main_dlg.h"
#include "app/setup_app.h"
#include "framework/controls.h"
#include "framework/settings_form.h"
#include "quiet_toolkit.h"
#include "res/main_dialog.h"
#include "window_watch.h"

namespace {

// The buttons of the main window that open the forms, in the order pressed.
constexpr std::array<int, 3> kFormButtons{res::IDC_CAMERA_SETUP, res::IDC_MMS_SETUP,
                                          res::IDC_SMTP_SETUP};

// Each time the main window comes back on screen, the next form is opened; a form is closed
// as soon as it is on screen; when no form is left, the program ends.
class FormWalk {
public:
    FormWalk(bool openForms, bool printSizes)
        : m_next(openForms ? 0 : kFormButtons.size()), m_printSizes(printSizes) {}

    void Shown(QWidget& window) {
        if (auto* form = qobject_cast<CSettingsForm*>(&window)) {
            if (m_printSizes) {
                const QFontInfo text(form->font());
                if (m_next == 1) {
                    std::printf("%s\n", text.family().toLocal8Bit().constData());
                }
                std::printf("%dx%dx%d\n", form->width(), form->height(), text.pointSize());
                std::fflush(stdout);
            }
            form->reject();
            return;
        }
        auto* main = qobject_cast<CMainDlg*>(&window);
        if (main == nullptr) {
            return;
        }
        if (m_printSizes && m_next == 0) {
            std::printf("%dx%d\n", main->width(), main->height());
        }
        if (m_next == kFormButtons.size()) {
            std::_Exit(0);
        }
        main->List(res::IDC_MODEL)->setCurrentIndex(2);  // the model that may open every form
        main->Button(kFormButtons[m_next++])->click();
    }

private:
    std::size_t m_next;
    bool m_printSizes;
};

}  // namespace

int main(int argc, char* argv[]) {
    const bool printSizes = argc > 1 && std::strcmp(argv[1], "--sizes") == 0;
    const bool openForms = printSizes || (argc > 1 && std::strcmp(argv[1], "--forms") == 0);
    QApplication application(argc, argv);
    SilenceToolkitMessages();
    QGuiApplication::setDesktopFileName(QString::fromLatin1(build::kDesktopAppId));
    FormWalk walk(openForms, printSizes);
    const WindowShownWatch watch([&walk](QWidget& window) { walk.Shown(window); });
    CSetupApp setup;
    return setup.Run();
}
