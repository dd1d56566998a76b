#include "core/profile.h"

#include <algorithm>
#include <fstream>

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

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, {}, AsciiLower, AsciiLower);
}

std::string_view WithoutQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// The length of the valid UTF-8 sequence that starts at `at`, or 0 if none does.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;  // the range of the second byte, narrowed where the lead needs it
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;   // no overlong forms
        high = lead == 0xF4 ? 0x8F : 0xBF;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (text.size() - at < length || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) {
            return 0;
        }
    }
    return length;
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
        const std::size_t length = Utf8SequenceLength(text, at);
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

std::string ReadProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key) {
    section = Trim(section);
    key = Trim(key);
    std::ifstream in(file, std::ios::binary);
    if (!in || key.empty()) {
        return {};
    }
    bool inSection = false;
    bool first = true;
    std::string chunk;
    while (std::getline(in, chunk, '\n')) {
        std::string_view rest = chunk;
        if (first && rest.starts_with(kByteOrderMark)) {
            rest.remove_prefix(kByteOrderMark.size());
        }
        first = false;
        // A carriage return ends a line too, with or without a line feed after it.
        while (true) {
            const std::size_t end = rest.find('\r');
            const ProfileLine line = ParseLine(rest.substr(0, end));
            if (line.kind == ProfileLine::Section) {
                inSection = SameName(line.name, section);
            } else if (line.kind == ProfileLine::Entry && inSection && SameName(line.name, key)) {
                return ToValidUtf8(WithoutQuotes(line.value), kProfileValueMaxCharacters);
            }
            if (end == std::string_view::npos) {
                break;
            }
            rest.remove_prefix(end + 1);
        }
    }
    return {};
}
