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

std::size_t FormLine::ControlCount() const {
    return static_cast<std::size_t>(
        std::count_if(controls.begin(), controls.end(), [](int id) { return id != 0; }));
}

SettingsTextWriter::SettingsTextWriter() {
    m_text.reserve(kSettingsTextCapacity);
}

void SettingsTextWriter::Number(std::string_view key, int& value) {
    m_text.append(key).append("=").append(std::to_string(value)).append("\n");
}

void SettingsTextWriter::Text(std::string_view key, std::string& value) {
    m_text.append(key).append("=").append(value).append("\n");
}

void SettingsTextWriter::Characters(std::string_view key, std::span<char* const> value) {
    m_text.append(key).append("=");
    for (const char* character : value) {
        m_text.push_back(*character);
    }
    m_text.append("\n");
}

void SettingsTextWriter::Times(std::string_view key, std::span<int* const> values) {
    m_text.append(key).append("=");
    for (std::size_t i = 0; i < values.size(); ++i) {
        m_text.append(i == 0 ? "" : i % 2 == 1 ? ":" : " ");
        // Two digits at least, as "%02d" gives them: 7 is "07", -7 stays "-7".
        const int value = *values[i];
        if (value >= 0 && value < 10) {
            m_text.push_back('0');
        }
        char number[16];
        const auto written = std::to_chars(std::begin(number), std::end(number), value);
        m_text.append(number, written.ptr);
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

void SettingsTextReader::Number(std::string_view key, int& value) {
    const std::optional<std::string_view> text = Next(key);
    if (!text) {
        return;
    }
    const bool plain = !text->empty() && std::all_of(text->begin(), text->end(), IsDigit) &&
                       (text->size() == 1 || text->front() != '0');
    if (!plain) {
        Refuse(ReadProblem::Kind::NotANumber, key, *text);
        return;
    }
    if (text->size() > kMaxNumberDigits) {
        Refuse(ReadProblem::Kind::NumberOutOfRange, key, *text);
        return;
    }
    value = std::stoi(std::string(*text));
}

void SettingsTextReader::Text(std::string_view key, std::string& value) {
    if (const std::optional<std::string_view> text = Next(key)) {
        value = *text;
    }
}

void SettingsTextReader::Characters(std::string_view key, std::span<char* const> value) {
    const std::optional<std::string_view> text = Next(key);
    if (!text) {
        return;
    }
    if (text->size() != value.size()) {
        Refuse(ReadProblem::Kind::WrongCharacters, key, *text, value.size());
        return;
    }
    for (std::size_t i = 0; i < value.size(); ++i) {
        *value[i] = (*text)[i];
    }
}

void SettingsTextReader::Times(std::string_view key, std::span<int* const> values) {
    const std::optional<std::string_view> text = Next(key);
    if (!text) {
        return;
    }
    const std::string layout = TimesLayout(values.size());
    const bool fits = text->size() == layout.size() &&
                      std::equal(text->begin(), text->end(), layout.begin(), [](char c, char l) {
                          return l == 'h' || l == 'm' ? IsDigit(c) : c == l;
                      });
    if (!fits) {
        Refuse(ReadProblem::Kind::WrongTimes, key, *text, values.size());
        return;
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        *values[i] = ((*text)[i * 3] - '0') * 10 + ((*text)[i * 3 + 1] - '0');
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
