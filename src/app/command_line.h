#pragma once

#include <optional>
#include <ostream>

// The program's command line. It has two options of its own, --help and --version, answered
// before anything needs a display; everything else is Qt's (-platform, -style and the like),
// taken out of the arguments by QApplication. An argument neither knows is refused.

// Writes the help or the version to `out` if the arguments ask for either; the result is the
// exit code then, and nothing when the program should start.
std::optional<int> AnswerInformationOptions(int argc, const char* const* argv, std::ostream& out);

// Called before QApplication exists, so that a wrong argument is refused even where no display
// can be reached: names the first argument that is neither the program's nor one of Qt's on
// `err` and gives the exit code for a usage error, or nothing when all are known.
std::optional<int> RefuseUnknownArguments(int argc, const char* const* argv, std::ostream& err);

// Called once QApplication has taken its own options: names the first argument left over on
// `err` and gives the exit code for a usage error, or nothing when none is left.
std::optional<int> RefuseLeftoverArguments(int argc, const char* const* argv, std::ostream& err);
