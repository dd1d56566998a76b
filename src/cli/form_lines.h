#pragma once

// The lines of a settings text in the words of its form: each line's label and what its form
// shows for the value, and the values the form does not offer, said with the values it does.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/settings_kinds.h"

struct TextLine {
    std::string key;
    std::string value;
};

// The lines of a text that reads as a settings text, each split at its first equals sign.
std::vector<TextLine> SplitSettingsLines(std::string_view text);
std::string JoinSettingsLines(std::span<const TextLine> lines);

// A line as its form shows it: "Video Resolution" and "720P".
struct ShownLine {
    std::string label;
    std::string shown;
};
ShownLine ShowLine(const SettingsKind& kind, const FormLine& line, const std::string& value);
// The lines in the form's words of a text of `kind`: for a report form the mode it reads as
// first ("MMS Mode" and "Auto, Australia, Optus"), then one line for each line of the text.
std::vector<ShownLine> ShowLines(const SettingsKind& kind, std::string_view text);

// The value of `line` that `given` on the command line stands for: for a list, its position, or
// the text of its item in any case of letters where that names one item; else `given` itself.
// Refused, with the values the form offers, for a text that names no item.
Parsed<std::string> ValueGiven(const SettingsKind& kind, const FormLine& line,
                               const std::string& given);

// The values that the form offers for `line`, in words: "0 (1080P), 1 (720P), 2 (VGA)".
std::string OfferedValues(const SettingsKind& kind, const FormLine& line);
// The values of a list that the command line takes for `line`, positions first, then the texts
// of its items; nothing for a line that is no list.
std::vector<std::string> ListValues(const SettingsKind& kind, const FormLine& line);

// Each value of `lines`, the lines of a text of `kind`, that the form does not offer, as
// "MODE=7: allowed values are 0 (Camera), 1 (Video), 2 (Camera+Video)".
std::vector<std::string> ValueProblems(const SettingsKind& kind, std::span<const TextLine> lines);
