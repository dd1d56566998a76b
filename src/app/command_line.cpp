#include "app/command_line.h"

#include <string_view>

#include "app/build_info.h"

namespace {

constexpr int kUsageError = 2;

constexpr std::string_view kHelp =
    "Usage: trailcam-setup [OPTION]...\n"
    "Fills in a trail camera's settings and writes them onto its SD card as the\n"
    "files the camera reads when it starts. Without options it opens the main window.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "      --version  show the version and exit\n"
    "\n"
    "Qt's own options, such as -platform offscreen or -style Fusion, are accepted too.\n";

}  // namespace

std::optional<int> AnswerInformationOptions(int argc, const char* const* argv, std::ostream& out) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            out << kHelp;
            return 0;
        }
        if (argument == "--version") {
            out << build::kProgramName << ' ' << build::kProgramVersion << '\n';
            return 0;
        }
    }
    return std::nullopt;
}

std::optional<int> RefuseLeftoverArguments(int argc, const char* const* argv, std::ostream& err) {
    if (argc < 2) {
        return std::nullopt;
    }
    err << build::kProgramName << ": unknown argument '" << argv[1] << "'\n"
        << "Try '" << build::kProgramName << " --help' for more information.\n";
    return kUsageError;
}
