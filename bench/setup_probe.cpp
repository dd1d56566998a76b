// trailcam-setup as it starts, ending as soon as its main window is on screen; the start-up and
// memory benchmarks run it against the floor dialog program.
//   trailcam-setup-probe            start, show the main window, end
//   trailcam-setup-probe --forms    the same, but first open and close each setup form in turn,
//                                   pressing the main window's buttons as a person does
#include <QApplication>
#include <QComboBox>
#include <QPushButton>

#include <array>
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
    explicit FormWalk(bool openForms) : m_next(openForms ? 0 : kFormButtons.size()) {}

    void Shown(QWidget& window) {
        if (auto* form = qobject_cast<CSettingsForm*>(&window)) {
            form->reject();
            return;
        }
        auto* main = qobject_cast<CMainDlg*>(&window);
        if (main == nullptr) {
            return;
        }
        if (m_next == kFormButtons.size()) {
            std::_Exit(0);
        }
        main->List(res::IDC_MODEL)->setCurrentIndex(2);  // the model that may open every form
        main->Button(kFormButtons[m_next++])->click();
    }

private:
    std::size_t m_next;
};

}  // namespace

int main(int argc, char* argv[]) {
    const bool openForms = argc > 1 && std::strcmp(argv[1], "--forms") == 0;
    QApplication application(argc, argv);
    SilenceToolkitMessages();
    QGuiApplication::setDesktopFileName(QString::fromLatin1(build::kDesktopAppId));
    FormWalk walk(openForms);
    const WindowShownWatch watch([&walk](QWidget& window) { walk.Shown(window); });
    CSetupApp setup;
    return setup.Run();
}
