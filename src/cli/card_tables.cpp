// Made at build time from the same layouts and lines as trailcam-card itself, so that they
// cannot drift from it: the manual page's table of every key of every file, and the bash
// completion of the command line.
//   trailcam-card-tables manual PAGE    PAGE with its marker line replaced by the table of keys
//   trailcam-card-tables bash SCRIPT    SCRIPT with its marker line replaced by the keys and the
//                                       values of the forms' lists
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "cli/form_lines.h"

namespace {

// The lines of the manual page and of the completion script that the tables take the place of.
constexpr std::string_view kManualMarker = ".\\\" The table of keys is put here.";
constexpr std::string_view kCompletionMarker = "# The keys and values of the forms are put here.";

// A text as roff shows it: backslashes and hyphens escaped, and a control character at the start
// of a line taken as text.
std::string Roff(std::string_view text) {
    std::string roff = text.starts_with('.') || text.starts_with('\'') ? "\\&" : "";
    for (const char c : text) {
        roff += c == '\\' ? "\\e" : c == '-' ? "\\-" : std::string(1, c);
    }
    return roff;
}

void PrintKeyTable(std::ostream& out) {
    for (const SettingsKind& kind : SettingsKinds()) {
        out << ".SS " << kind.BareFileName() << " (" << kind.name << ", " << Roff(kind.Title())
            << ")\n";
        const std::vector<TextLine> defaults = SplitSettingsLines(kind.defaults());
        for (std::size_t i = 0; i < kind.lines.size(); ++i) {
            const FormLine& line = kind.lines[i];
            const ShownLine shown = ShowLine(kind, line, defaults[i].value);
            out << ".TP\n.B " << line.key << "\n"
                << Roff(shown.label) << ": " << Roff(OfferedValues(kind, line)) << ".\n";
            if (!defaults[i].value.empty()) {
                out << "Default " << Roff(defaults[i].value)
                    << (shown.shown.starts_with(defaults[i].value) ? ""
                                                                   : " (" + Roff(shown.shown) + ")")
                    << ".\n";
            }
        }
    }
}

// Prints the file `source` with its one line `marker` replaced by what `print` prints.
int Fill(const char* source, std::string_view marker, void (*print)(std::ostream&),
         std::ostream& out) {
    std::ifstream in(source);
    int markers = 0;
    for (std::string line; std::getline(in, line);) {
        if (line == marker) {
            print(out);
            ++markers;
        } else {
            out << line << '\n';
        }
    }
    if (!in.eof() || markers != 1) {
        std::cerr << "trailcam-card-tables: " << source
                  << ": cannot be read, or has not one line \"" << marker << "\"\n";
        return 1;
    }
    return out.flush() ? 0 : 1;
}

// A word in single quotes, as the shell takes it whatever it holds.
std::string Quoted(std::string_view word) {
    std::string quoted = "'";
    for (const char c : word) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

void PrintCompletionTables(std::ostream& out) {
    out << "_trailcam_card_keys() {\n    case $1 in\n";
    for (const SettingsKind& kind : SettingsKinds()) {
        out << "    " << kind.name << ") echo";
        for (const FormLine& line : kind.lines) {
            out << ' ' << line.key;
        }
        out << " ;;\n";
    }
    out << "    esac\n}\n\n_trailcam_card_values() {\n    case $1 in\n";
    for (const SettingsKind& kind : SettingsKinds()) {
        for (const FormLine& line : kind.lines) {
            const std::vector<std::string> values = ListValues(kind, line);
            if (values.empty()) {
                continue;
            }
            out << "    " << kind.name << '.' << line.key << ") printf '%s\\n'";
            for (const std::string& value : values) {
                out << ' ' << Quoted(value);
            }
            out << " ;;\n";
        }
    }
    out << "    esac\n}\n";
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string_view mode = argc > 1 ? argv[1] : "";
    if (mode == "manual" && argc == 3) {
        return Fill(argv[2], kManualMarker, &PrintKeyTable, std::cout);
    }
    if (mode == "bash" && argc == 3) {
        return Fill(argv[2], kCompletionMarker, &PrintCompletionTables, std::cout);
    }
    std::cerr << "usage: trailcam-card-tables manual PAGE | bash SCRIPT\n";
    return 2;
}
