#pragma once

// trailcam-card's command line: which command, on which kind of settings file, with which options
// and on which files or folders; and running it.
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/card_words.h"
#include "cli/settings_kinds.h"

// Exit codes: all went well; a file or a value was wrong or a folder could not be written; the
// command line itself was wrong.
inline constexpr int kExitDone = 0;
inline constexpr int kExitProblem = 1;
inline constexpr int kExitMisuse = 2;

struct Invocation {
    enum class Command { Show, Check, Write };
    enum class Format { Labelled, Raw, Json };

    Command command = Command::Show;
    const SettingsKind* kind = nullptr;                     // --kind, or the kind that write writes
    Format format = Format::Labelled;                       // show --raw or --json, check --json
    std::optional<std::string> from;                        // write --from FILE
    std::vector<std::pair<std::string, std::string>> sets;  // write --set KEY=VALUE, in order
    std::vector<std::string> operands;                      // the FILEs or FOLDERs
};

// Runs the program with the arguments after its name; gives the exit code.
int RunCardCommand(std::span<const std::string_view> arguments, std::ostream& out,
                   std::ostream& err);

// The commands, with the invocation read from a correct command line.
int ShowSettingsFiles(const Invocation& invocation, std::ostream& out, std::ostream& err);
int CheckSettingsFiles(const Invocation& invocation, std::ostream& out, std::ostream& err);
int WriteSettingsFiles(const Invocation& invocation, std::ostream& out, std::ostream& err);

// Why `misuse` makes the command line wrong, on one line of `err`; gives the exit code for it.
int RefuseCommandLine(std::ostream& err, const std::string& misuse);
