#pragma once

// The lines of a settings file, described once. Each kind of file has one constant table of its
// lines in file order: each line's key, its shape, the fields of the record that its value holds,
// the controls of the form that show them and the label that names it. Composing the file, reading
// it back, binding the form to the record and the command line's lines all follow from that
// table. Reading is the exact inverse of composing: a text that reads without a problem composes
// back to itself byte for byte.
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include "core/parsed.h"
#include "core/read_problem.h"

// How a line writes its value, and what kind of control shows it.
enum class LineShape {
    Position,    // the position of the current item of a list, in decimal ("%d")
    Text,        // the text of an edit as it stands ("%s")
    Clock,       // the clock text of an edit, laid out as the date-order list says
    Times,       // numbers that lists show, two digits each, as hh:mm pairs apart by a blank
    Characters,  // single characters that lists show, one after another ("%c%c%c%c")
};

// A field of a record: a member, or an element or member further down, reached by its path.
//   &Field<&CameraSettings::beep>
//   &Field<&CameraSettings::timers, 0, &TimerWindow::startHour>
template <class Value>
constexpr Value& Follow(Value& value) {
    return value;
}
template <auto step, auto... rest, class Value>
constexpr auto& Follow(Value& value) {
    if constexpr (std::is_member_object_pointer_v<decltype(step)>) {
        return Follow<rest...>(value.*step);
    } else {
        return Follow<rest...>(value[step]);
    }
}
template <class>
struct MemberOf;
template <class Class, class Type>
struct MemberOf<Type Class::*> {
    using Record = Class;
};
template <auto member, auto... rest>
constexpr auto& Field(typename MemberOf<decltype(member)>::Record& record) {
    return Follow<rest...>(record.*member);
}

// Which of a line field's accessors is set. The compile-time checks read this rather than compare
// the accessors with null, which not every compiler can do in a constant expression (GCC cannot
// while UndefinedBehaviorSanitizer is on).
enum class FieldHolds : unsigned char { Nothing, Number, Character, Text };

// One control of the form and the field of the record that it shows.
template <class Record>
struct LineField {
    int control = 0;
    FieldHolds holds = FieldHolds::Nothing;
    int& (*number)(Record&) = nullptr;        // a list's position, or the number its item shows
    char& (*character)(Record&) = nullptr;    // the character a list's item shows
    std::string& (*text)(Record&) = nullptr;  // an edit's text
};
template <class Record>
constexpr LineField<Record> List(int id, int& (*field)(Record&)) {
    return {id, FieldHolds::Number, field};
}
template <class Record>
constexpr LineField<Record> List(int id, char& (*field)(Record&)) {
    return {id, FieldHolds::Character, nullptr, field};
}
template <class Record>
constexpr LineField<Record> Edit(int id, std::string& (*field)(Record&)) {
    return {id, FieldHolds::Text, nullptr, nullptr, field};
}

template <class Record>
struct SettingsLine {
    std::string_view key;  // empty for a field that the form shows and the file does not hold
    LineShape shape;
    int label;                                  // the label that names the line in the form
    std::array<LineField<Record>, 4> fields{};  // in the order the value holds them
    std::string_view suffix = {};               // after the label, where lines share one: " 2"
    int orderList = 0;  // for a clock: the list of the date order that lays it out

    constexpr std::size_t FieldCount() const {
        std::size_t count = 0;
        while (count < fields.size() && fields[count].control != 0) {
            ++count;
        }
        return count;
    }
};

// A line whose value is the position of a list's current item, and one whose value is an edit's
// text: what most lines are. An empty key is a field that the form shows and the file does not
// hold.
template <class Record>
constexpr SettingsLine<Record> ListLine(std::string_view key, int label, int list,
                                        int& (*field)(Record&)) {
    return {key, LineShape::Position, label, {List(list, field)}};
}
template <class Record>
constexpr SettingsLine<Record> EditLine(std::string_view key, int label, int edit,
                                        std::string& (*field)(Record&)) {
    return {key, LineShape::Text, label, {Edit(edit, field)}};
}

// A line whose values are numbers that several lists show, as hh:mm pairs.
template <class Record, class... More>
constexpr SettingsLine<Record> TimesLine(std::string_view key, int label, std::string_view suffix,
                                         LineField<Record> first, More... more) {
    return {key, LineShape::Times, label, {first, more...}, suffix};
}

// A line as the command line knows it, without the record: its key, shape, label and controls.
struct FormLine {
    std::string_view key;
    LineShape shape;
    int label;
    std::array<int, 4> controls{};  // 0 where unused
    std::string_view suffix;
    int orderList;
    std::size_t controlCount;
};
template <class Record, std::size_t N>
constexpr std::array<FormLine, N> FormLinesOf(const std::array<SettingsLine<Record>, N>& lines) {
    std::array<FormLine, N> formLines{};
    for (std::size_t i = 0; i < N; ++i) {
        const SettingsLine<Record>& line = lines[i];
        formLines[i] = {line.key,    line.shape,     line.label,       {},
                        line.suffix, line.orderList, line.FieldCount()};
        for (std::size_t f = 0; f < line.fields.size(); ++f) {
            formLines[i].controls[f] = line.fields[f].control;
        }
    }
    return formLines;
}

// How `count` times are laid out: "hh:mm", or "hh:mm hh:mm" for two pairs.
std::string TimesLayout(std::size_t count);

// One line of a record, whatever the record: its key and shape, and where its values are.
struct LineValue {
    std::string_view key;
    LineShape shape;
    std::span<int* const> numbers;      // Position (one) and Times
    std::span<char* const> characters;  // Characters
    std::string* text;                  // Text and Clock
};

// Composes a settings text, one line after another: a key, "=", the value as its shape writes
// it ("%d", "%s", "%c%c%c%c", "%02d:%02d %02d:%02d"), a line feed.
class SettingsTextWriter {
public:
    SettingsTextWriter();
    void Line(const LineValue& line);
    const std::string& Composed() const { return m_text; }

private:
    std::string m_text;
};

// Reads the values of a settings text into the lines walked. It takes exactly what the writer
// makes of numbers from 0 on (the times below 100) and printable ASCII texts: the lines in the
// order walked, each with its key, and no byte outside printable ASCII but the line feeds. The
// first line that differs is the problem; the lines after it are not read.
class SettingsTextReader {
public:
    explicit SettingsTextReader(std::string_view text);
    void Line(const LineValue& line);
    // Why the text is not the lines walked so far and nothing more; nothing when it is.
    std::optional<ReadProblem> Problem() const;

private:
    // The value of the next line if that line carries `key`; nothing, with the problem kept,
    // otherwise.
    std::optional<std::string_view> Next(std::string_view key);
    void Refuse(ReadProblem::Kind kind, std::string_view key, std::string_view found,
                std::size_t size = 0);

    std::string_view m_rest;
    int m_line = 0;
    std::optional<ReadProblem> m_problem;
};

// Walks the lines of `lines` over the fields of `record` with a writer or a reader.
template <class Record, class Walker>
void WalkSettingsLines(Walker& walker, std::span<const SettingsLine<Record>> lines,
                       Record& record) {
    for (const SettingsLine<Record>& line : lines) {
        const std::size_t count = line.FieldCount();
        std::array<int*, 4> numbers{};
        std::array<char*, 4> characters{};
        std::string* text = nullptr;
        for (std::size_t i = 0; i < count; ++i) {
            const LineField<Record>& field = line.fields[i];
            numbers[i] = field.number != nullptr ? &field.number(record) : nullptr;
            characters[i] = field.character != nullptr ? &field.character(record) : nullptr;
            text = field.text != nullptr ? &field.text(record) : text;
        }
        walker.Line({line.key, line.shape, std::span(numbers).first(count),
                     std::span(characters).first(count), text});
    }
}

// The text of `record`'s lines.
template <class Record, std::size_t N>
std::string ComposeSettingsText(Record record, const std::array<SettingsLine<Record>, N>& lines) {
    SettingsTextWriter writer;
    WalkSettingsLines<Record>(writer, std::span(lines), record);
    return writer.Composed();
}

// `record` with the values of `text` in the fields its lines hold, or why the text is not those
// lines.
template <class Record, std::size_t N>
Parsed<Record, ReadProblem> ParseSettingsText(std::string_view text, Record record,
                                              const std::array<SettingsLine<Record>, N>& lines) {
    SettingsTextReader reader(text);
    WalkSettingsLines<Record>(reader, std::span(lines), record);
    if (std::optional<ReadProblem> problem = reader.Problem()) {
        return Parsed<Record, ReadProblem>::Refused(std::move(*problem));
    }
    return record;
}
