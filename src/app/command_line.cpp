#include "app/command_line.h"

#include <string_view>

#include "app/build_info.h"
#include "core/program_notice.h"

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

// Qt's own options, as QGuiApplication and QApplication take them (with one dash or two);
// those of the first list take the argument after them, or "=value".
constexpr std::string_view kQtOptionsWithValue[] = {"platform",      "platformpluginpath",
                                                    "platformtheme", "plugin",
                                                    "qmljsdebugger", "qwindowgeometry",
                                                    "qwindowicon",   "qwindowtitle",
                                                    "session",       "display",
                                                    "geometry",      "style",
                                                    "stylesheet",    "name",
                                                    "title"};
constexpr std::string_view kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

bool IsAmong(std::string_view name, const auto& names) {
    for (const std::string_view known : names) {
        if (name == known) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::optional<int> RefuseUnknownArguments(int argc, const char* const* argv, std::ostream& err) {
    for (int i = 1; i < argc; ++i) {
        std::string_view name = argv[i];
        if (name.starts_with("--")) {
            name.remove_prefix(2);
        } else if (name.starts_with("-")) {
            name.remove_prefix(1);
        } else {
            name = {};
        }
        const std::size_t equals = name.find('=');
        const bool withValue = IsAmong(name.substr(0, equals), kQtOptionsWithValue);
        if (withValue && equals == std::string_view::npos && i + 1 < argc) {
            ++i;
            continue;
        }
        if (withValue || (equals == std::string_view::npos && IsAmong(name, kQtFlags))) {
            continue;
        }
        return RefuseLeftoverArguments(2, argv + i - 1, err);
    }
    return std::nullopt;
}

std::optional<int> AnswerInformationOptions(int argc, const char* const* argv, std::ostream& out) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            out << kHelp << '\n' << notice::kReportBugs;
            return 0;
        }
        if (argument == "--version") {
            out << build::kProgramName << ' ' << build::kProgramVersion << '\n'
                << notice::kCopyrightAndLicence;
            return 0;
        }
    }
    return std::nullopt;
}

std::optional<int> RefuseLeftoverArguments(int argc, const char* const* argv, std::ostream& err) {
    if (argc < 2) {
        return std::nullopt;
    }
    err << build::kProgramName << ": unknown argument '" << argv[1] << "' (see "
        << build::kProgramName << " --help)\n";
    return kUsageError;
}
