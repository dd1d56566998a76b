// trailcam-card show and check: what a card's settings files hold, and whether their forms could
// have made them.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "cli/card_command.h"
#include "cli/form_lines.h"
#include "core/settings_text.h"

namespace {

using Format = Invocation::Format;

struct SettingsFile {
    const SettingsKind* kind;
    std::string text;
};

std::vector<Input> InputsOf(const Invocation& invocation) {
    std::vector<Input> inputs;
    for (const std::string& operand : invocation.operands) {
        std::ranges::move(InputsOf(operand, invocation.kind), std::back_inserter(inputs));
    }
    return inputs;
}

// The file of `input` read as the kind that --kind, its folder or else its name says; with none,
// as the kind it reads as. The file is read once.
Parsed<SettingsFile> ReadAnySettingsFile(const Input& input) {
    if (input.problem) {
        return Parsed<SettingsFile>::Refused(*input.problem);
    }
    const Parsed<std::string> bytes = ReadInput(input.path);
    if (!bytes) {
        return Parsed<SettingsFile>::Refused(bytes.Reason());
    }
    const SettingsKind* named = input.kind != nullptr ? input.kind : KindOfFile(input.path);
    if (named != nullptr) {
        const Parsed<std::string> text = SettingsTextOf(*bytes, *named);
        return text ? Parsed<SettingsFile>(SettingsFile{named, *text})
                    : Parsed<SettingsFile>::Refused(text.Reason());
    }
    for (const SettingsKind& kind : SettingsKinds()) {
        if (const Parsed<std::string> text = SettingsTextOf(*bytes, kind)) {
            return SettingsFile{&kind, *text};
        }
    }
    return Parsed<SettingsFile>::Refused(
        bytes->empty() ? Said(TrailcamCard::tr("it is empty"))
                       : Said(TrailcamCard::tr("neither its name nor --kind says which settings "
                                               "file it is, and it reads as none of them")));
}

// A text as a JSON string. Valid UTF-8 stays as it is; each byte that is not part of a valid
// UTF-8 sequence, as a file name on a card may hold, becomes U+FFFD, so the output is always
// valid JSON.
std::string Json(std::string_view text) {
    std::string json = "\"";
    while (!text.empty()) {
        const unsigned char c = static_cast<unsigned char>(text[0]);
        std::size_t taken = 1;
        if (c == '"' || c == '\\') {
            json += '\\';
            json += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            json += escaped;
        } else if ((taken = Utf8SequenceLength(text)) != 0) {
            json += text.substr(0, taken);
        } else {
            json += "\\ufffd";
            taken = 1;
        }
        text.remove_prefix(taken);
    }
    return json + "\"";
}

// The members of a file's JSON object that say what it is: its kind and form.
void PrintJsonKind(const SettingsKind& kind, std::ostream& out) {
    out << ", \"kind\": " << Json(kind.name) << ", \"form\": " << Json(kind.Title());
}

void PrintJsonLines(const SettingsFile& file, std::ostream& out) {
    const SettingsKind& kind = *file.kind;
    PrintJsonKind(kind, out);
    if (kind.modeOf != nullptr) {
        out << ", \"mode\": " << Json(kind.modeOf(file.text));
    }
    out << ", \"lines\": [";
    const std::vector<TextLine> lines = SplitSettingsLines(file.text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ShownLine shown = ShowLine(kind, kind.lines[i], lines[i].value);
        out << (i == 0 ? "\n" : ",\n") << "    {\"key\": " << Json(lines[i].key)
            << ", \"value\": " << Json(lines[i].value) << ", \"label\": " << Json(shown.label)
            << ", \"shown\": " << Json(shown.shown) << "}";
    }
    out << "\n  ]";
}

void PrintLines(const std::string& path, const SettingsFile& file, bool raw, std::ostream& out) {
    const SettingsKind& kind = *file.kind;
    out << Shown(path) << ": " << kind.Title() << " (" << kind.BareFileName() << ")\n";
    if (raw) {
        for (const TextLine& line : SplitSettingsLines(file.text)) {
            out << "  " << line.key << '=' << line.value << '\n';
        }
        return;
    }
    for (const ShownLine& line : ShowLines(kind, file.text)) {
        out << "  " << line.label << ':' << (line.shown.empty() ? "" : " ") << line.shown << '\n';
    }
}

// What check finds in a file that reads as its kind: each value and each record its form would
// not make.
std::vector<std::string> CheckProblems(const SettingsFile& file) {
    std::vector<std::string> problems = ValueProblems(*file.kind, SplitSettingsLines(file.text));
    std::ranges::move(file.kind->recordProblems(file.text), std::back_inserter(problems));
    return problems;
}

// Runs `report` on every input: results on `out`, and each file that could not be read as a
// settings file an error on `err` with the program's name. With --json, `out` holds an array
// of one object a file, beginning with its path, and one that could not be read says why in it.
template <class Report>
int ForEachInput(const Invocation& invocation, std::ostream& out, std::ostream& err,
                 Report report) {
    const bool json = invocation.format == Format::Json;
    int exitCode = kExitDone;
    std::vector<std::string> errors;
    bool first = true;
    for (const Input& input : InputsOf(invocation)) {
        const Parsed<SettingsFile> file = ReadAnySettingsFile(input);
        if (json) {
            out << (first ? "[\n" : ",\n") << "  {\"file\": " << Json(input.path);
        }
        first = false;
        if (file) {
            exitCode = report(input.path, *file) ? exitCode : kExitProblem;
        } else {
            exitCode = kExitProblem;
            errors.push_back("trailcam-card: " + Shown(input.path) + ": " + file.Reason() + "\n");
            if (json) {
                out << ", \"problem\": " << Json(file.Reason());
            } else {
                // Flushed, so that what the files hold and their problems come in the files'
                // order.
                out.flush();
                err << errors.back();
            }
        }
        if (json) {
            out << "}";
        }
    }
    if (json) {
        // The errors after the whole array, so that a terminal shows it unbroken.
        out << "\n]\n" << std::flush;
        for (const std::string& error : errors) {
            err << error;
        }
    }
    return exitCode;
}

}  // namespace

int ShowSettingsFiles(const Invocation& invocation, std::ostream& out, std::ostream& err) {
    return ForEachInput(invocation, out, err,
                        [&](const std::string& path, const SettingsFile& file) {
                            if (invocation.format == Format::Json) {
                                PrintJsonLines(file, out);
                            } else {
                                PrintLines(path, file, invocation.format == Format::Raw, out);
                            }
                            return true;
                        });
}

int CheckSettingsFiles(const Invocation& invocation, std::ostream& out, std::ostream& err) {
    return ForEachInput(
        invocation, out, err, [&](const std::string& path, const SettingsFile& file) {
            const std::vector<std::string> problems = CheckProblems(file);
            if (invocation.format == Format::Json) {
                PrintJsonKind(*file.kind, out);
                out << ", \"ok\": " << (problems.empty() ? "true" : "false") << ", \"problems\": [";
                for (std::size_t i = 0; i < problems.size(); ++i) {
                    out << (i == 0 ? "" : ", ") << Json(problems[i]);
                }
                out << "]";
            } else if (problems.empty()) {
                out << Said(TrailcamCard::tr("%1: OK, %2 (%3)"),
                            {Shown(path), file.kind->Title(), file.kind->BareFileName()})
                    << '\n';
            } else {
                for (const std::string& problem : problems) {
                    out << Shown(path) << ": " << problem << '\n';
                }
            }
            return problems.empty();
        });
}
