// trailcam-card show and check: what a card's settings files hold, and whether their forms could
// have made them.
#include "cli/card_command.h"
#include "cli/form_lines.h"

namespace {

struct SettingsFile {
    const SettingsKind* kind;
    std::string text;
};

// The file at `path` read as the kind that `given` (--kind) or else its name says; with neither,
// as the kind it reads as. The file is read once.
Parsed<SettingsFile> ReadAnySettingsFile(const std::string& path, const SettingsKind* given) {
    const Parsed<std::string> bytes = ReadInput(path);
    if (!bytes) {
        return Parsed<SettingsFile>::Refused(bytes.Reason());
    }
    const SettingsKind* named = given != nullptr ? given : KindOfFile(path);
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
        bytes->empty() ? "it is empty"
                       : "neither its name nor --kind says which settings file it is, and it "
                         "reads as none of them");
}

// A text as a JSON string; bytes from 0x80 on are left as they are.
std::string Json(std::string_view text) {
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

void PrintJson(const std::string& path, const Parsed<SettingsFile>& file, bool first,
               std::ostream& out) {
    out << (first ? "[\n" : ",\n") << "  {\"file\": " << Json(path);
    if (!file) {
        out << ", \"problem\": " << Json(file.Reason()) << "}";
        return;
    }
    const SettingsKind& kind = *file->kind;
    out << ", \"kind\": " << Json(kind.name) << ", \"form\": " << Json(kind.Title());
    if (kind.modeOf != nullptr) {
        out << ", \"mode\": " << Json(kind.modeOf(file->text));
    }
    out << ", \"lines\": [";
    const std::vector<SettingsLine> lines = SplitSettingsLines(file->text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ShownLine shown = ShowLine(kind, kind.lines[i], lines[i].value);
        out << (i == 0 ? "\n" : ",\n") << "    {\"key\": " << Json(lines[i].key)
            << ", \"value\": " << Json(lines[i].value) << ", \"label\": " << Json(shown.label)
            << ", \"shown\": " << Json(shown.shown) << "}";
    }
    out << "\n  ]}";
}

void PrintLines(const std::string& path, const SettingsFile& file, bool raw, std::ostream& out) {
    const SettingsKind& kind = *file.kind;
    out << path << ": " << kind.Title() << " (" << kind.BareFileName() << ")\n";
    if (raw) {
        for (const SettingsLine& line : SplitSettingsLines(file.text)) {
            out << "  " << line.key << '=' << line.value << '\n';
        }
        return;
    }
    for (const ShownLine& line : ShowLines(kind, file.text)) {
        out << "  " << line.label << ':' << (line.shown.empty() ? "" : " ") << line.shown << '\n';
    }
}

}  // namespace

int ShowSettingsFiles(const Invocation& invocation, std::ostream& out, std::ostream& err) {
    int exitCode = kExitDone;
    for (std::size_t i = 0; i < invocation.operands.size(); ++i) {
        const std::string& path = invocation.operands[i];
        const Parsed<SettingsFile> file = ReadAnySettingsFile(path, invocation.kind);
        exitCode = file ? exitCode : kExitProblem;
        if (invocation.format == Invocation::Format::Json) {
            PrintJson(path, file, i == 0, out);
        } else if (file) {
            // Flushed, so that what the files hold and their problems come in the files' order.
            PrintLines(path, *file, invocation.format == Invocation::Format::Raw, out);
            out.flush();
        } else {
            err << "trailcam-card: " << path << ": " << file.Reason() << '\n';
        }
    }
    if (invocation.format == Invocation::Format::Json) {
        out << "\n]\n";
    }
    return exitCode;
}

int CheckSettingsFiles(const Invocation& invocation, std::ostream& out) {
    int exitCode = kExitDone;
    for (const std::string& path : invocation.operands) {
        const Parsed<SettingsFile> file = ReadAnySettingsFile(path, invocation.kind);
        std::vector<std::string> problems;
        if (!file) {
            problems.push_back(file.Reason());
        } else {
            problems = ValueProblems(*file->kind, SplitSettingsLines(file->text));
            for (std::string& problem : file->kind->recordProblems(file->text)) {
                problems.push_back(std::move(problem));
            }
        }
        for (const std::string& problem : problems) {
            out << path << ": " << problem << '\n';
        }
        if (problems.empty()) {
            out << path << ": OK, " << file->kind->Title() << " (" << file->kind->BareFileName()
                << ")\n";
        }
        exitCode = problems.empty() ? exitCode : kExitProblem;
    }
    return exitCode;
}
