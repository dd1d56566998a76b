#pragma once

// The three settings files as trailcam-card knows them: each with the form that makes it, its
// name and key, how its text is read, checked and written, and how each of its lines stands in
// the form, so that the program speaks of a file in its form's words and allows exactly the values
// its form offers.
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/parsed.h"
#include "core/read_problem.h"
#include "core/scramble.h"
#include "core/settings_file.h"
#include "core/settings_lines.h"
#include "res/dialog_template.h"

struct SettingsKind {
    std::string_view name;  // as the command line names it: "camera", "mms" or "smtp"
    const res::DialogTemplate& form;
    const std::string& fileName;  // with its leading separator, as the writer takes it
    const ScrambleKey& key;
    std::span<const FormLine> lines;  // in file order
    // Why `text` is not a settings text of this kind; nothing when it is.
    std::optional<ReadProblem> (*refuse)(std::string_view text);
    // What the form refuses in a text of this kind beyond single values, one problem a line.
    std::vector<std::string> (*recordProblems)(std::string_view text);
    // Writes a text of this kind into `folder`, as the form writes it, onto the device `card`.
    SettingsFileOutcome (*write)(std::string_view text, const std::string& folder,
                                 std::optional<FolderDevice> card);
    // The text of the form's defaults.
    std::string (*defaults)();
    // For the report forms, whose files hold no mode: the label of the mode list, and the mode
    // that a text of this kind reads as, with its country and operator in "Auto".
    int modeLabel = 0;
    std::string (*modeOf)(std::string_view text) = nullptr;

    // The file's name as it stands in a folder: "CameraSet.dat".
    std::string_view BareFileName() const { return std::string_view(fileName).substr(1); }
    // The form's title in the user's language: "Camera Setup".
    std::string Title() const;
};

std::span<const SettingsKind> SettingsKinds();
// The kind that the command line calls `name`; nullptr for none.
const SettingsKind* KindNamed(std::string_view name);
// The kind whose file name `path` has, in any case of letters; nullptr for none.
const SettingsKind* KindOfFile(const std::string& path);

// The operand that stands for the process's standard input.
inline constexpr std::string_view kStandardInput = "-";

// A folder's name without the separators at its end, so that "CARD/" names its files
// "CARD/CameraSet.dat"; the root stays the root.
std::string WithoutTrailingSeparators(std::string folder);

// A name or word of the command line as text output shows it: as it stands, or, where it holds a
// control character or bytes that are no text, quoted as a POSIX shell reads it back, in the
// style of `ls --quoting-style=shell-escape`: 'a'$'\n''b'. A terminal then never receives the
// name's control characters.
std::string Shown(std::string_view name);

// One file to read: its path as the output names it, and the kind that --kind or the folder it
// was found in says it is; or why a folder given holds none.
struct Input {
    std::string path;
    const SettingsKind* kind = nullptr;
    std::optional<std::string> problem;
};

// The inputs that `operand` stands for: a folder stands for every settings file in it (only
// those of `given`, where that is set), found in any case of letters, in the order of the kinds;
// anything else for itself.
std::vector<Input> InputsOf(const std::string& operand, const SettingsKind* given);

// The bytes of the input that `operand` names: standard input for "-", else the regular file of
// that name. Each input is read once, and never more than a settings file can hold.
Parsed<std::string> ReadInput(const std::string& operand);

// The settings text of the file `bytes`, read as a file of `kind`, or why it is none; the reason
// says first that it is no valid file of that kind, and which kind it reads as instead, if any.
Parsed<std::string> SettingsTextOf(std::string_view bytes, const SettingsKind& kind);
