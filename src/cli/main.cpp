// trailcam-card: shows, checks and writes a trail camera's settings files from the command line.
#include <QCoreApplication>

#include <csignal>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/card_command.h"
#include "words/translations.h"

int main(int argc, char* argv[]) {
#if defined(SIGXFSZ)
    // A file that grows beyond the limit of its size then fails to be written with "File too
    // large", which is reported, instead of ending the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    const std::vector<std::string> given(argv + 1, argv + argc);
    const std::vector<std::string_view> arguments(given.begin(), given.end());
    // The user's language, as the system's settings give it (LANG, LANGUAGE, LC_ALL).
    QCoreApplication application(argc, argv);
    InstallTranslations();
    const int exitCode = RunCardCommand(arguments, std::cout, std::cerr);
    // Output that did not reach its file (a full disk, a closed pipe) is no success.
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "trailcam-card: " << Said(TrailcamCard::tr("write error")) << '\n';
        return kExitProblem;
    }
    return exitCode;
}
