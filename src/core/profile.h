#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Looking up one value in an INI ("profile") file, the way the desktop's private-profile reading
// does it:
// - lines end at a line feed, a carriage return or both; a line also ends at a NUL byte, and a
//   UTF-8 byte-order mark at the start of the file is skipped;
// - "[name]" starts a section; "name = value" is an entry; a line starting with ";" is a comment;
// - section and key names match in any letter case, and blanks around names and values do not
//   count;
// - the first matching entry wins, in file order, even if its section name appears twice;
// - one pair of matching quotes (double or single) around a value is removed, so quotes keep
//   blanks at its ends;
// - the value is read as UTF-8 (a byte that is not part of a valid sequence reads as U+FFFD)
//   and cut to its first 999 characters.
// Only a regular file is read, and opening it never waits: a named pipe or a device reads as a
// missing file. Of a file longer than kProfileFileMaxBytes, the lines that end within that many
// bytes are read.

// The longest value a lookup delivers, in characters.
inline constexpr std::size_t kProfileValueMaxCharacters = 999;

// How much of a profile file is read, in bytes: many times the largest real one.
inline constexpr std::size_t kProfileFileMaxBytes = std::size_t{1} << 20;

// A profile file read once, for any number of lookups.
class Profile {
public:
    // The file as it is now; an empty profile when it is missing or cannot be read.
    static Profile Read(const std::filesystem::path& file);
    // The profile that `text` holds.
    explicit Profile(std::string_view text);
    Profile() = default;

    // The value of `key` in `section`; "" when the section or the key is missing or the value is
    // empty.
    std::string Lookup(std::string_view section, std::string_view key) const;

private:
    struct Entry {
        std::size_t section;  // index into m_sections: entries before any section are not kept
        std::string name;
        std::string value;  // already without quotes and cut
    };
    static constexpr std::size_t kNoSection = static_cast<std::size_t>(-1);

    std::vector<std::string> m_sections;
    std::vector<Entry> m_entries;
};

// The value of `key` in `section` of `file`, read afresh; "" when the file, the section or the
// key is missing or the value is empty.
std::string ReadProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key);

// `text` as valid UTF-8 of at most `maxCharacters` characters: every byte that does not belong to
// a valid sequence becomes U+FFFD, and the text is cut after its last whole character that fits.
std::string ToValidUtf8(std::string_view text, std::size_t maxCharacters);
