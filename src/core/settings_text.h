#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A settings text is built in a buffer of this many bytes, terminating zero included, so the
// longest text the camera accepts is one byte shorter.
inline constexpr std::size_t kSettingsTextCapacity = 3000;
inline constexpr std::size_t kMaxSettingsTextLength = kSettingsTextCapacity - 1;

// Whether every byte of `text` is a printable ASCII character (0x20 to 0x7E): nothing that could
// end a line of a settings text or scramble into a line mark.
bool IsPrintableAscii(std::string_view text);

// Bytes as a message shows them: in quotes, printable ones as they are, the others as \xNN, a
// long text cut short with "...".
std::string QuotedBytes(std::string_view bytes);

// Whether `a` and `b` are the same but for the case of ASCII letters, as names of keys, sections
// and files are compared.
bool SameAsciiLetters(std::string_view a, std::string_view b);

// The length of the valid UTF-8 sequence at the start of `text`, or 0 where it is none: cut short,
// too long for its code point, a surrogate or beyond U+10FFFF. An ASCII byte is a sequence of 1.
std::size_t Utf8SequenceLength(std::string_view text);
