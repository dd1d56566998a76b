#pragma once

#include <cstddef>
#include <string_view>

// A settings text is built in a buffer of this many bytes, terminating zero included, so the
// longest text the camera accepts is one byte shorter.
inline constexpr std::size_t kSettingsTextCapacity = 3000;
inline constexpr std::size_t kMaxSettingsTextLength = kSettingsTextCapacity - 1;

// Whether every byte of `text` is a printable ASCII character (0x20 to 0x7E): nothing that could
// end a line of a settings text or scramble into a line mark.
bool IsPrintableAscii(std::string_view text);
