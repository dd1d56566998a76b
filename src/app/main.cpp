#include <QApplication>

#include <iostream>

#include "app/build_info.h"
#include "app/command_line.h"
#include "app/setup_app.h"

int main(int argc, char* argv[]) {
    if (const auto answered = AnswerInformationOptions(argc, argv, std::cout)) {
        // An answer that did not reach its file (a full disk, a closed pipe) is no success.
        std::cout.flush();
        if (!std::cout) {
            std::cerr << build::kProgramName << ": write error\n";
            return 1;
        }
        return *answered;
    }
    if (const auto refused = RefuseUnknownArguments(argc, argv, std::cerr)) {
        return *refused;
    }
    QApplication application(argc, argv);
    if (const auto refused = RefuseLeftoverArguments(argc, argv, std::cerr)) {
        return *refused;
    }
    // Wayland desktops match the window to its menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(build::kDesktopAppId));
    CSetupApp setup;
    const int status = setup.Run();
    CSetupApp::EndBeforeTeardown(status);
    return status;
}
