#include "cli/card_command.h"

#include <algorithm>
#include <array>

#include "core/parsed.h"
#include "core/program_notice.h"
#include "words/translations.h"

namespace {

using Command = Invocation::Command;
using Format = Invocation::Format;

// The options, and the commands that take them.
struct Option {
    std::string_view name;
    bool takesValue;
    std::array<bool, 3> takenBy;  // show, check, write
};
constexpr std::array<Option, 5> kOptions{{
    {"--kind", true, {true, true, false}},
    {"--raw", false, {true, false, false}},
    {"--json", false, {true, true, false}},
    {"--from", true, {false, false, true}},
    {"--set", true, {false, false, true}},
}};
constexpr std::array<std::string_view, 3> kCommandNames{"show", "check", "write"};

// Reads the arguments after the command (and after write's KIND) into `invocation`.
std::optional<std::string> ReadOptions(std::span<const std::string_view> arguments,
                                       Invocation& invocation) {
    const std::string_view command = kCommandNames[static_cast<std::size_t>(invocation.command)];
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
        const auto option = std::ranges::find(kOptions, name, &Option::name);
        if (option == kOptions.end() || (!option->takesValue && name != argument)) {
            return Said(TrailcamCard::tr("unknown option '%1'"), {argument});
        }
        if (!option->takenBy[static_cast<std::size_t>(invocation.command)]) {
            return name == "--kind"
                       ? Said(TrailcamCard::tr("%1 takes no %2: the KIND comes right after write"),
                              {command, name})
                       : Said(TrailcamCard::tr("%1 takes no %2"), {command, name});
        }
        if (!option->takesValue) {
            const Format format = name == "--raw" ? Format::Raw : Format::Json;
            if (invocation.format != Format::Labelled && invocation.format != format) {
                return Said(TrailcamCard::tr("--raw and --json cannot be given together"));
            }
            invocation.format = format;
            continue;
        }
        std::string value;
        if (name != argument) {
            value = argument.substr(name.size() + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            return Said(TrailcamCard::tr("%1 needs a value"), {name});
        }
        if (name == "--kind") {
            const SettingsKind* kind = KindNamed(value);
            if (kind == nullptr) {
                return Said(TrailcamCard::tr("unknown kind '%1': camera, mms or smtp"), {value});
            }
            if (invocation.kind != nullptr && invocation.kind != kind) {
                return Said(TrailcamCard::tr("--kind may be given once"));
            }
            invocation.kind = kind;
        } else if (name == "--from") {
            if (invocation.from) {
                return Said(TrailcamCard::tr("--from may be given once"));
            }
            invocation.from = value;
        } else {
            const std::size_t equals = value.find('=');
            if (equals == 0 || equals == std::string::npos) {
                return Said(TrailcamCard::tr("--set needs KEY=VALUE, not '%1'"), {value});
            }
            invocation.sets.emplace_back(value.substr(0, equals), value.substr(equals + 1));
        }
    }
    return std::nullopt;
}

Parsed<Invocation> ReadInvocation(std::span<const std::string_view> arguments) {
    if (arguments.empty()) {
        return Parsed<Invocation>::Refused(Said(TrailcamCard::tr("no command given")));
    }
    const auto command = std::ranges::find(kCommandNames, arguments[0]);
    if (command == kCommandNames.end()) {
        return Parsed<Invocation>::Refused(
            Said(TrailcamCard::tr("unknown command '%1'"), {arguments[0]}));
    }
    Invocation invocation;
    invocation.command = static_cast<Command>(command - kCommandNames.begin());
    std::span<const std::string_view> rest = arguments.subspan(1);
    if (invocation.command == Command::Write) {
        invocation.kind = rest.empty() ? nullptr : KindNamed(rest[0]);
        if (invocation.kind == nullptr) {
            return Parsed<Invocation>::Refused(
                Said(TrailcamCard::tr("write needs the kind of file first: camera, mms or smtp")));
        }
        rest = rest.subspan(1);
    }
    if (const std::optional<std::string> misuse = ReadOptions(rest, invocation)) {
        return Parsed<Invocation>::Refused(*misuse);
    }
    const bool writing = invocation.command == Command::Write;
    if (invocation.operands.empty()) {
        return Parsed<Invocation>::Refused(writing ? Said(TrailcamCard::tr("no FOLDER given"))
                                                   : Said(TrailcamCard::tr("no FILE given")));
    }
    // An empty name is mostly an unset variable; the system would read it as the current folder
    // or, with the file name after it, as the root.
    if (std::ranges::find(invocation.operands, "") != invocation.operands.end() ||
        invocation.from == "") {
        return Parsed<Invocation>::Refused(
            writing ? Said(TrailcamCard::tr("an empty FOLDER or FILE name was given"))
                    : Said(TrailcamCard::tr("an empty FILE name was given")));
    }
    // Standard input can be read only once.
    const auto inputs =
        std::ranges::count(invocation.operands, kStandardInput) + (invocation.from == "-" ? 1 : 0);
    if (!writing && inputs > 1) {
        return Parsed<Invocation>::Refused(
            Said(TrailcamCard::tr("standard input (-) may be given once")));
    }
    return invocation;
}

}  // namespace

int RefuseCommandLine(std::ostream& err, const std::string& misuse) {
    err << "trailcam-card: " << Said(TrailcamCard::tr("%1 (see trailcam-card --help)"), {misuse})
        << '\n';
    return kExitMisuse;
}

int RunCardCommand(std::span<const std::string_view> arguments, std::ostream& out,
                   std::ostream& err) {
    const auto end = std::find(arguments.begin(), arguments.end(), "--");
    if (std::find_if(arguments.begin(), end,
                     [](std::string_view a) { return a == "--help" || a == "-h"; }) != end) {
        out << Said(TrailcamCard::tr(
                   "Usage: trailcam-card show [--kind KIND] [--raw | --json] FILE|FOLDER...\n"
                   "       trailcam-card check [--kind KIND] [--json] FILE|FOLDER...\n"
                   "       trailcam-card write KIND [--from FILE] [--set KEY=VALUE]... FOLDER...\n"
                   "Reads and writes the settings files of a trail camera as trailcam-setup's "
                   "forms\n"
                   "make them: CameraSet.dat (KIND camera), MmsSet.dat (mms) and SmtpSet.dat "
                   "(smtp).\n"
                   "A FOLDER given to show or check stands for every settings file in it; - for a\n"
                   "FILE reads standard input.\n"
                   "\n"
                   "  show     print the settings of each FILE in the words of its form\n"
                   "  check    tell whether each FILE holds settings that its form can make\n"
                   "  write    write the form's defaults, or the settings of --from FILE, each\n"
                   "           --set KEY=VALUE changing the line KEY, into every FOLDER; the\n"
                   "           camera's clock is taken now unless --set CLK=... gives one.\n"
                   "           A list's VALUE is its position or its text, as MRES=0 or "
                   "MRES=1080P\n"
                   "\n"
                   "  --kind KIND     which settings file each FILE is, where its name does not "
                   "say\n"
                   "  --raw           show the file's own lines\n"
                   "  --json          show or check as JSON\n"
                   "  -h, --help      show this help and exit\n"
                   "      --version   show the version and exit\n"
                   "\n"
                   "Exit status: 0 when all went well, 1 when a file or value is wrong or a "
                   "folder\n"
                   "could not be written, 2 when the command line is wrong.\n"))
            << '\n'
            << Said(TrailcamCard::tr("Report bugs at <%1>."), {notice::kHomepage}) << '\n';
        return kExitDone;
    }
    if (std::find(arguments.begin(), end, "--version") != end) {
        out << "trailcam-card " << notice::kVersion << '\n' << notice::kCopyrightAndLicence;
        return kExitDone;
    }
    const Parsed<Invocation> invocation = ReadInvocation(arguments);
    if (!invocation) {
        return RefuseCommandLine(err, invocation.Reason());
    }
    // What scripts read never changes with the language.
    std::optional<InEnglish> english;
    if (invocation->format == Format::Json) {
        english.emplace();
    }
    switch (invocation->command) {
        case Command::Show:
            return ShowSettingsFiles(*invocation, out, err);
        case Command::Check:
            return CheckSettingsFiles(*invocation, out, err);
        case Command::Write:
            return WriteSettingsFiles(*invocation, out, err);
    }
    return kExitMisuse;
}
