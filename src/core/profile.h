#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

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
// The file is read afresh for every lookup; nothing is kept between lookups.

// The longest value a lookup delivers, in characters.
inline constexpr std::size_t kProfileValueMaxCharacters = 999;

// The value of `key` in `section` of `file`; "" when the file, the section or the key is missing
// or the value is empty.
std::string ReadProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key);

// `text` as valid UTF-8 of at most `maxCharacters` characters: every byte that does not belong to
// a valid sequence becomes U+FFFD, and the text is cut after its last whole character that fits.
std::string ToValidUtf8(std::string_view text, std::size_t maxCharacters);
