#include "core/profile.h"

#include <algorithm>

#include "core/file_handle.h"
#include "core/settings_text.h"

namespace {

constexpr std::string_view kBlanks = " \t\v\f";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string_view WithoutQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// What one line of the file is.
struct ProfileLine {
    enum Kind { Other, Section, Entry } kind = Other;
    std::string_view name;
    std::string_view value;
};

ProfileLine ParseLine(std::string_view line) {
    line = Trim(line.substr(0, line.find('\0')));
    if (line.empty() || line.front() == ';') {
        return {};
    }
    if (line.front() == '[') {
        const std::size_t close = line.find(']');
        if (close == std::string_view::npos) {
            return {};
        }
        return {ProfileLine::Section, Trim(line.substr(1, close - 1)), {}};
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return {ProfileLine::Entry, line, {}};
    }
    return {ProfileLine::Entry, Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

}  // namespace

std::string ToValidUtf8(std::string_view text, std::size_t maxCharacters) {
    std::string valid;
    valid.reserve(std::min(text.size(), maxCharacters * 4));
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size() && characters < maxCharacters; ++characters) {
        const std::size_t length = Utf8SequenceLength(text.substr(at));
        if (length == 0) {
            valid += kReplacementCharacter;
            ++at;
        } else {
            valid += text.substr(at, length);
            at += length;
        }
    }
    return valid;
}

Profile Profile::Read(const std::filesystem::path& file) {
    FileHandle handle;
    std::string bytes;
    if (file.empty() || handle.OpenForReading(file) ||
        handle.ReadAll(bytes, kProfileFileMaxBytes + 1)) {
        return {};
    }
    if (bytes.size() > kProfileFileMaxBytes) {
        // The file goes on: the line that the limit cuts is not read at all.
        bytes.resize(bytes.find_last_of("\r\n", kProfileFileMaxBytes - 1) + 1);
    }
    return Profile(bytes);
}

Profile::Profile(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    std::size_t section = kNoSection;
    while (!text.empty()) {
        // A line ends at a line feed or a carriage return; an empty line between them is no line.
        const std::size_t end = text.find_first_of("\r\n");
        const ProfileLine line = ParseLine(text.substr(0, end));
        if (line.kind == ProfileLine::Section) {
            section = m_sections.size();
            m_sections.emplace_back(line.name);
        } else if (line.kind == ProfileLine::Entry && section != kNoSection) {
            m_entries.push_back(
                {section, std::string(line.name),
                 ToValidUtf8(WithoutQuotes(line.value), kProfileValueMaxCharacters)});
        }
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
}

std::string Profile::Lookup(std::string_view section, std::string_view key) const {
    section = Trim(section);
    key = Trim(key);
    if (key.empty()) {
        return {};
    }
    for (const Entry& entry : m_entries) {
        if (SameAsciiLetters(entry.name, key) &&
            SameAsciiLetters(m_sections[entry.section], section)) {
            return entry.value;
        }
    }
    return {};
}

std::string ReadProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key) {
    return Profile::Read(file).Lookup(section, key);
}
