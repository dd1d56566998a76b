#include "core/settings_lines.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iterator>

#include "core/settings_text.h"

namespace {

// How many bytes of a line a message quotes before it cuts the rest short.
constexpr std::size_t kQuotedBytes = 24;
// The longest number read back: nine digits always fit an int.
constexpr std::size_t kMaxNumberDigits = 9;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Bytes of a text as a message shows them: in quotes, printable ones as they are, the others as
// \xNN, a long text cut short.
std::string Quoted(std::string_view bytes) {
    std::string quoted = "\"";
    for (const char c : bytes.substr(0, kQuotedBytes)) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
        }
        if (IsPrintableAscii(std::string_view(&c, 1))) {
            quoted += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(c));
            quoted += escaped;
        }
    }
    quoted += bytes.size() > kQuotedBytes ? "\"..." : "\"";
    return quoted;
}

// The layout of `count` times: "hh:mm", or "hh:mm hh:mm" for two pairs.
std::string TimesLayout(std::size_t count) {
    std::string layout;
    for (std::size_t i = 0; i < count; ++i) {
        layout += i == 0 ? "" : i % 2 == 1 ? ":" : " ";
        layout += i % 2 == 0 ? "hh" : "mm";
    }
    return layout;
}

}  // namespace

SettingsTextWriter::SettingsTextWriter() {
    m_text.reserve(kSettingsTextCapacity);
}

void SettingsTextWriter::Number(std::string_view key, int& value) {
    m_text.append(key).append("=").append(std::to_string(value)).append("\n");
}

void SettingsTextWriter::Text(std::string_view key, std::string& value) {
    m_text.append(key).append("=").append(value).append("\n");
}

void SettingsTextWriter::Characters(std::string_view key, std::span<char> value) {
    m_text.append(key).append("=").append(value.begin(), value.end()).append("\n");
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
        m_problem = "it is empty";
    } else if (text.size() > kMaxSettingsTextLength) {
        m_problem = "the settings are " + std::to_string(text.size()) +
                    " bytes long; a settings file holds at most " +
                    std::to_string(kMaxSettingsTextLength);
    }
}

void SettingsTextReader::Refuse(const std::string& what) {
    m_problem = "line " + std::to_string(m_line) + ": " + what;
}

void SettingsTextReader::RefuseValue(std::string_view key, std::string_view expected,
                                     std::string_view found) {
    Refuse("expected " + std::string(expected) + " for " + std::string(key) + ", found " +
           Quoted(found));
}

std::optional<std::string_view> SettingsTextReader::Next(std::string_view key) {
    if (m_problem) {
        return std::nullopt;
    }
    ++m_line;
    if (m_rest.empty()) {
        Refuse("expected key " + std::string(key) + ", found the end of the text");
        return std::nullopt;
    }
    const std::size_t end = m_rest.find('\n');
    const std::string_view line = m_rest.substr(0, end);
    m_rest.remove_prefix(end == std::string_view::npos ? m_rest.size() : end + 1);

    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || line.substr(0, equals) != key) {
        Refuse("expected key " + std::string(key) + ", found " + Quoted(line.substr(0, equals)));
        return std::nullopt;
    }
    if (end == std::string_view::npos) {
        Refuse(std::string(key) + " has no line end: the text is cut short");
        return std::nullopt;
    }
    const std::string_view value = line.substr(equals + 1);
    if (!IsPrintableAscii(value)) {
        Refuse("the value of " + std::string(key) +
               " holds a byte outside printable ASCII: " + Quoted(value));
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
        RefuseValue(key, "a number", *text);
        return;
    }
    if (text->size() > kMaxNumberDigits) {
        Refuse("the number for " + std::string(key) + " is out of range, found " + Quoted(*text));
        return;
    }
    value = std::stoi(std::string(*text));
}

void SettingsTextReader::Text(std::string_view key, std::string& value) {
    if (const std::optional<std::string_view> text = Next(key)) {
        value = *text;
    }
}

void SettingsTextReader::Characters(std::string_view key, std::span<char> value) {
    const std::optional<std::string_view> text = Next(key);
    if (!text) {
        return;
    }
    if (text->size() != value.size()) {
        RefuseValue(key, std::to_string(value.size()) + " characters", *text);
        return;
    }
    std::copy(text->begin(), text->end(), value.begin());
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
        RefuseValue(key, layout, *text);
        return;
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        *values[i] = ((*text)[i * 3] - '0') * 10 + ((*text)[i * 3 + 1] - '0');
    }
}

std::optional<std::string> SettingsTextReader::Problem() const {
    if (m_problem || m_rest.empty()) {
        return m_problem;
    }
    return "line " + std::to_string(m_line + 1) + ": expected the end of the text, found " +
           Quoted(m_rest.substr(0, m_rest.find('\n')));
}
