#include "core/settings_lines.h"

#include <algorithm>
#include <charconv>
#include <iterator>

#include "core/settings_text.h"

namespace {

// The longest number read back: nine digits always fit an int.
constexpr std::size_t kMaxNumberDigits = 9;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string TimesLayout(std::size_t count) {
    std::string layout;
    for (std::size_t i = 0; i < count; ++i) {
        layout += i == 0 ? "" : i % 2 == 1 ? ":" : " ";
        layout += i % 2 == 0 ? "hh" : "mm";
    }
    return layout;
}

SettingsTextWriter::SettingsTextWriter() {
    m_text.reserve(kSettingsTextCapacity);
}

void SettingsTextWriter::Line(const LineValue& line) {
    m_text.append(line.key).append("=");
    switch (line.shape) {
        case LineShape::Position:
            m_text.append(std::to_string(*line.numbers[0]));
            break;
        case LineShape::Text:
        case LineShape::Clock:
            m_text.append(*line.text);
            break;
        case LineShape::Characters:
            for (const char* character : line.characters) {
                m_text.push_back(*character);
            }
            break;
        case LineShape::Times:
            for (std::size_t i = 0; i < line.numbers.size(); ++i) {
                m_text.append(i == 0 ? "" : i % 2 == 1 ? ":" : " ");
                // Two digits at least, as "%02d" gives them: 7 is "07", -7 stays "-7".
                const int value = *line.numbers[i];
                if (value >= 0 && value < 10) {
                    m_text.push_back('0');
                }
                char number[16];
                const auto written = std::to_chars(std::begin(number), std::end(number), value);
                m_text.append(number, written.ptr);
            }
            break;
    }
    m_text.append("\n");
}

SettingsTextReader::SettingsTextReader(std::string_view text) : m_rest(text) {
    if (text.empty()) {
        m_problem = ReadProblem{ReadProblem::Kind::Empty};
    } else if (text.size() > kMaxSettingsTextLength) {
        m_problem = ReadProblem{ReadProblem::Kind::TextTooLong};
        m_problem->size = text.size();
    }
}

void SettingsTextReader::Refuse(ReadProblem::Kind kind, std::string_view key,
                                std::string_view found, std::size_t size) {
    m_problem = ReadProblem{kind, {}, m_line, std::string(key), std::string(found), size};
}

std::optional<std::string_view> SettingsTextReader::Next(std::string_view key) {
    if (m_problem) {
        return std::nullopt;
    }
    ++m_line;
    if (m_rest.empty()) {
        Refuse(ReadProblem::Kind::EndOfText, key, {});
        return std::nullopt;
    }
    const std::size_t end = m_rest.find('\n');
    const std::string_view line = m_rest.substr(0, end);
    m_rest.remove_prefix(end == std::string_view::npos ? m_rest.size() : end + 1);

    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || line.substr(0, equals) != key) {
        Refuse(ReadProblem::Kind::WrongKey, key, line.substr(0, equals));
        return std::nullopt;
    }
    if (end == std::string_view::npos) {
        Refuse(ReadProblem::Kind::NoLineEnd, key, {});
        return std::nullopt;
    }
    const std::string_view value = line.substr(equals + 1);
    if (!IsPrintableAscii(value)) {
        Refuse(ReadProblem::Kind::NotPrintable, key, value);
        return std::nullopt;
    }
    return value;
}

void SettingsTextReader::Line(const LineValue& line) {
    const std::optional<std::string_view> text = Next(line.key);
    if (!text) {
        return;
    }
    using Kind = ReadProblem::Kind;
    switch (line.shape) {
        case LineShape::Position: {
            const bool plain = !text->empty() && std::all_of(text->begin(), text->end(), IsDigit) &&
                               (text->size() == 1 || text->front() != '0');
            if (!plain || text->size() > kMaxNumberDigits) {
                Refuse(plain ? Kind::NumberOutOfRange : Kind::NotANumber, line.key, *text);
                return;
            }
            *line.numbers[0] = std::stoi(std::string(*text));
            return;
        }
        case LineShape::Text:
        case LineShape::Clock:
            *line.text = *text;
            return;
        case LineShape::Characters:
            if (text->size() != line.characters.size()) {
                Refuse(Kind::WrongCharacters, line.key, *text, line.characters.size());
                return;
            }
            for (std::size_t i = 0; i < text->size(); ++i) {
                *line.characters[i] = (*text)[i];
            }
            return;
        case LineShape::Times: {
            const std::string layout = TimesLayout(line.numbers.size());
            const bool fits =
                text->size() == layout.size() &&
                std::equal(text->begin(), text->end(), layout.begin(), [](char c, char l) {
                    return l == 'h' || l == 'm' ? IsDigit(c) : c == l;
                });
            if (!fits) {
                Refuse(Kind::WrongTimes, line.key, *text, line.numbers.size());
                return;
            }
            for (std::size_t i = 0; i < line.numbers.size(); ++i) {
                *line.numbers[i] = ((*text)[i * 3] - '0') * 10 + ((*text)[i * 3 + 1] - '0');
            }
            return;
        }
    }
}

std::optional<ReadProblem> SettingsTextReader::Problem() const {
    if (m_problem || m_rest.empty()) {
        return m_problem;
    }
    return ReadProblem{ReadProblem::Kind::MoreText,
                       {},
                       m_line + 1,
                       {},
                       std::string(m_rest.substr(0, m_rest.find('\n')))};
}
