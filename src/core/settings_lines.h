#pragma once

// The lines of a settings file, described once and walked both ways. Each file has one walk that
// names its lines' keys in file order together with the record fields their values hold; walked
// by a SettingsTextWriter it composes the text, walked by a SettingsTextReader it reads a text
// back into a record. Reading is so the exact inverse of composing: a text that reads without a
// problem composes back to itself byte for byte.
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/parsed.h"

// One line after another: a key, "=", the value as the kind of line writes it, a line feed.
class SettingsLines {
public:
    virtual ~SettingsLines() = default;

    // A number in decimal, without sign or leading zeros ("%d").
    virtual void Number(std::string_view key, int& value) = 0;
    // A text as it stands ("%s").
    virtual void Text(std::string_view key, std::string& value) = 0;
    // Single characters, one after another ("%c%c%c%c").
    virtual void Characters(std::string_view key, std::span<char> value) = 0;
    // Two-digit numbers in pairs, each pair as hh:mm, pairs apart by a blank ("%02d:%02d
    // %02d:%02d").
    virtual void Times(std::string_view key, std::span<int* const> values) = 0;
};

// Composes a settings text from the lines walked.
class SettingsTextWriter final : public SettingsLines {
public:
    SettingsTextWriter();

    void Number(std::string_view key, int& value) override;
    void Text(std::string_view key, std::string& value) override;
    void Characters(std::string_view key, std::span<char> value) override;
    void Times(std::string_view key, std::span<int* const> values) override;

    const std::string& Composed() const { return m_text; }

private:
    std::string m_text;
};

// Reads the values of a settings text into the fields walked. It takes exactly what the writer
// makes of numbers from 0 on (the times below 100) and printable ASCII texts: the lines in the
// order walked, each with its key, and no byte outside printable ASCII but the line feeds. The
// first line that differs is the problem; the lines after it are not read.
class SettingsTextReader final : public SettingsLines {
public:
    explicit SettingsTextReader(std::string_view text);

    void Number(std::string_view key, int& value) override;
    void Text(std::string_view key, std::string& value) override;
    void Characters(std::string_view key, std::span<char> value) override;
    void Times(std::string_view key, std::span<int* const> values) override;

    // Why the text is not the lines walked so far and nothing more, said by its line, for example
    // "line 7: expected key SENL, found \"SENX\""; nothing when it is.
    std::optional<std::string> Problem() const;

private:
    // The value of the next line if that line carries `key`; nothing, with the problem kept,
    // otherwise.
    std::optional<std::string_view> Next(std::string_view key);
    void Refuse(const std::string& what);
    void RefuseValue(std::string_view key, std::string_view expected, std::string_view found);

    std::string_view m_rest;
    int m_line = 0;
    std::optional<std::string> m_problem;
};

// The keys of the four e-mail recipients, which the MMS and the SMTP files both end with: the
// middle two with N, the outer two with L, as the camera reads them.
inline constexpr std::array<std::string_view, 4> kRecipientEmailKeys{"EML1", "EMN2", "EMN3",
                                                                     "EML4"};

// A file's walk: its lines in file order, each with the fields of `record` it holds.
template <class Record>
using SettingsWalk = void (*)(SettingsLines& lines, Record& record);

// The text of `record`'s lines.
template <class Record>
std::string ComposeSettingsText(Record record, SettingsWalk<Record> walk) {
    SettingsTextWriter writer;
    walk(writer, record);
    return writer.Composed();
}

// `record` with the values of `text` in the fields its lines hold, or why the text is not those
// lines.
template <class Record>
Parsed<Record> ParseSettingsText(std::string_view text, Record record, SettingsWalk<Record> walk) {
    SettingsTextReader reader(text);
    walk(reader, record);
    if (const std::optional<std::string> problem = reader.Problem()) {
        return Parsed<Record>::Refused(*problem);
    }
    return record;
}
