// Made at build time from the same layouts and lines as trailcam-card itself, so that they
// cannot drift from it: the manual page's table of every key of every file, and the bash
// completion of the command line.
//   trailcam-card-tables manual PAGE   PAGE with its marker line replaced by the table
//   trailcam-card-tables bash          the completion script
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "cli/form_lines.h"

namespace {

constexpr std::string_view kTableMarker = ".\\\" The table of keys is put here.";

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

int PrintManual(const char* page, std::ostream& out) {
    std::ifstream in(page);
    int markers = 0;
    for (std::string line; std::getline(in, line);) {
        if (line == kTableMarker) {
            PrintKeyTable(out);
            ++markers;
        } else {
            out << line << '\n';
        }
    }
    if (!in.eof() || markers != 1) {
        std::cerr << "trailcam-card-tables: " << page << ": cannot be read, or has not one line \""
                  << kTableMarker << "\"\n";
        return 1;
    }
    return 0;
}

// A word in single quotes, as the shell takes it whatever it holds.
std::string Quoted(std::string_view word) {
    std::string quoted = "'";
    for (const char c : word) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

constexpr std::string_view kCompletion = R"bash(
# The word being completed is the text before the cursor after its last blank; readline replaces
# only what follows the last of its word breaks in it (such as the = of KEY=VALUE).
_trailcam_card() {
    local line=${COMP_LINE:0:COMP_POINT}
    local -a words
    read -ra words <<<"$line"
    [[ $line == *[[:space:]] || ${#words[@]} -eq 0 ]] && words+=("")
    local cword=$((${#words[@]} - 1))
    local word=${words[cword]} prev=${words[cword - 1]:-}
    local command=${words[1]:-} kind=${words[2]:-}
    local -a candidates=()
    COMPREPLY=()
    if ((cword == 1)); then
        candidates=(show check write --help --version)
    elif [[ $prev == --kind ]] || { ((cword == 2)) && [[ $command == write ]]; }; then
        candidates=(camera mms smtp)
    elif [[ $command == write && $prev == --set ]]; then
        local key
        if [[ $word == *=* ]]; then
            key=${word%%=*}
            local IFS=$'\n'
            candidates=($(_trailcam_card_values "$kind.$key"))
            unset IFS
            candidates=("${candidates[@]/#/$key=}")
        else
            candidates=($(_trailcam_card_keys "$kind"))
            candidates=("${candidates[@]/%/=}")
            compopt -o nospace 2>/dev/null
        fi
    elif [[ $word == -* ]]; then
        case $command in
        show) candidates=(--kind --raw --json --help) ;;
        check) candidates=(--kind --json --help) ;;
        write) candidates=(--from --set --help) ;;
        esac
    else
        return 0 # files and folders, as bash completes them
    fi
    local candidate start= breaks=${COMP_WORDBREAKS//[^=:]/}
    [[ -z $breaks ]] || start=${word%"${word##*[$breaks]}"}
    for candidate in "${candidates[@]}"; do
        if [[ ${candidate,,} == "${word,,}"* ]]; then
            candidate=${candidate#"$start"}
            COMPREPLY+=("$(printf '%q' "$candidate")")
        fi
    done
    return 0
}
complete -o default -F _trailcam_card trailcam-card
)bash";

void PrintCompletion(std::ostream& out) {
    out << "# bash completion for trailcam-card: its commands, options, kinds, keys and the "
           "values\n"
           "# of the forms' lists. Made from the program's own tables; do not edit.\n\n"
           "_trailcam_card_keys() {\n    case $1 in\n";
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
    out << "    esac\n}\n" << kCompletion;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string_view mode = argc > 1 ? argv[1] : "";
    if (mode == "manual" && argc == 3) {
        return PrintManual(argv[2], std::cout);
    }
    if (mode == "bash" && argc == 2) {
        PrintCompletion(std::cout);
        return std::cout.flush() ? 0 : 1;
    }
    std::cerr << "usage: trailcam-card-tables manual PAGE | bash\n";
    return 2;
}
