#include "cli/card_command.h"

#include <algorithm>

#include "core/parsed.h"

namespace {

using Command = Invocation::Command;
using Format = Invocation::Format;

constexpr std::string_view kHelp =
    "Usage: trailcam-card show [--kind KIND] [--raw | --json] FILE...\n"
    "       trailcam-card check [--kind KIND] FILE...\n"
    "       trailcam-card write KIND [--from FILE] [--set KEY=VALUE]... FOLDER...\n"
    "Reads and writes the settings files of a trail camera as trailcam-setup's forms\n"
    "make them: CameraSet.dat (KIND camera), MmsSet.dat (mms) and SmtpSet.dat (smtp).\n"
    "\n"
    "  show     print the settings of each FILE in the words of its form\n"
    "  check    tell whether each FILE holds settings that its form can make\n"
    "  write    write the form's defaults, or the settings of --from FILE, each\n"
    "           --set KEY=VALUE changing the line KEY, into every FOLDER; the\n"
    "           camera's clock is taken now unless --set CLK=... gives one\n"
    "\n"
    "  --kind KIND     which settings file each FILE is, where its name does not say\n"
    "  --raw           show the file's own lines\n"
    "  --json          show the settings as JSON\n"
    "  -h, --help      show this help and exit\n"
    "      --version   show the version and exit\n"
    "\n"
    "Exit status: 0 when all went well, 1 when a file or value is wrong or a folder\n"
    "could not be written, 2 when the command line is wrong.\n";

// Reads the arguments after the command (and after write's KIND) into `invocation`.
std::optional<std::string> ReadOptions(std::span<const std::string_view> arguments,
                                       Invocation& invocation) {
    const bool writing = invocation.command == Command::Write;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--") {
            invocation.operands.insert(invocation.operands.end(), arguments.begin() + i + 1,
                                       arguments.end());
            break;
        }
        if (argument.size() < 2 || argument[0] != '-') {
            invocation.operands.emplace_back(argument);
            continue;
        }
        const std::string_view name = argument.substr(0, argument.find('='));
        const bool takesValue = name == "--kind" || name == "--from" || name == "--set";
        const bool allowed =
            (!writing && (name == "--kind" || name == "--raw" || name == "--json")) ||
            (writing && (name == "--from" || name == "--set"));
        if (!allowed || (!takesValue && name != argument)) {
            return "unknown option '" + std::string(argument) + "'";
        }
        if (!takesValue) {
            invocation.format = name == "--raw" ? Format::Raw : Format::Json;
            continue;
        }
        std::string value;
        if (name != argument) {
            value = argument.substr(name.size() + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            return std::string(name) + " needs a value";
        }
        if (name == "--kind") {
            invocation.kind = KindNamed(value);
            if (invocation.kind == nullptr) {
                return "unknown kind '" + value + "': camera, mms or smtp";
            }
        } else if (name == "--from") {
            if (invocation.from) {
                return "--from may be given once";
            }
            invocation.from = value;
        } else {
            const std::size_t equals = value.find('=');
            if (equals == 0 || equals == std::string::npos) {
                return "--set needs KEY=VALUE, not '" + value + "'";
            }
            invocation.sets.emplace_back(value.substr(0, equals), value.substr(equals + 1));
        }
    }
    return std::nullopt;
}

Parsed<Invocation> ReadInvocation(std::span<const std::string_view> arguments) {
    static constexpr std::array<std::pair<std::string_view, Command>, 3> kCommands{{
        {"show", Command::Show},
        {"check", Command::Check},
        {"write", Command::Write},
    }};
    if (arguments.empty()) {
        return Parsed<Invocation>::Refused("no command given");
    }
    const auto command = std::find_if(kCommands.begin(), kCommands.end(),
                                      [&](const auto& c) { return c.first == arguments[0]; });
    if (command == kCommands.end()) {
        return Parsed<Invocation>::Refused("unknown command '" + std::string(arguments[0]) + "'");
    }
    Invocation invocation;
    invocation.command = command->second;
    std::span<const std::string_view> rest = arguments.subspan(1);
    if (invocation.command == Command::Write) {
        invocation.kind = rest.empty() ? nullptr : KindNamed(rest[0]);
        if (invocation.kind == nullptr) {
            return Parsed<Invocation>::Refused(
                "write needs the kind of file first: camera, mms "
                "or smtp");
        }
        rest = rest.subspan(1);
    }
    if (const std::optional<std::string> misuse = ReadOptions(rest, invocation)) {
        return Parsed<Invocation>::Refused(*misuse);
    }
    const bool writing = invocation.command == Command::Write;
    if (invocation.operands.empty()) {
        return Parsed<Invocation>::Refused(writing ? "no FOLDER given" : "no FILE given");
    }
    // An empty name is mostly an unset variable; the system would read it as the current folder
    // or, with the file name after it, as the root.
    if (std::ranges::find(invocation.operands, "") != invocation.operands.end() ||
        invocation.from == "") {
        return Parsed<Invocation>::Refused(writing ? "an empty FOLDER or FILE name was given"
                                                   : "an empty FILE name was given");
    }
    // Standard input can be read only once.
    const auto inputs =
        std::ranges::count(invocation.operands, kStandardInput) + (invocation.from == "-" ? 1 : 0);
    if (!writing && inputs > 1) {
        return Parsed<Invocation>::Refused("standard input (-) may be given once");
    }
    return invocation;
}

}  // namespace

int RefuseCommandLine(std::ostream& err, const std::string& misuse) {
    err << "trailcam-card: " << misuse << " (see trailcam-card --help)\n";
    return kExitMisuse;
}

int RunCardCommand(std::span<const std::string_view> arguments, std::ostream& out,
                   std::ostream& err) {
    const auto end = std::find(arguments.begin(), arguments.end(), "--");
    if (std::find_if(arguments.begin(), end,
                     [](std::string_view a) { return a == "--help" || a == "-h"; }) != end) {
        out << kHelp;
        return kExitDone;
    }
    if (std::find(arguments.begin(), end, "--version") != end) {
        out << "trailcam-card " << TRAILCAM_VERSION << '\n';
        return kExitDone;
    }
    const Parsed<Invocation> invocation = ReadInvocation(arguments);
    if (!invocation) {
        return RefuseCommandLine(err, invocation.Reason());
    }
    switch (invocation->command) {
        case Command::Show:
            return ShowSettingsFiles(*invocation, out, err);
        case Command::Check:
            return CheckSettingsFiles(*invocation, out);
        case Command::Write:
            return WriteSettingsFiles(*invocation, out, err);
    }
    return kExitMisuse;
}
