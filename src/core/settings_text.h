#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A settings text is built in a buffer of this many bytes, terminating zero included, so the
// longest text the camera accepts is one byte shorter.
inline constexpr std::size_t kSettingsTextCapacity = 3000;
inline constexpr std::size_t kMaxSettingsTextLength = kSettingsTextCapacity - 1;

// Appends one printf-formatted line to a settings text.
#if defined(__GNUC__)
__attribute__((format(printf, 2, 3)))
#endif
void AppendSettingsLine(std::string& text, const char* format, ...);

// True when every byte of `value` is printable 7-bit ASCII (0x20 to 0x7E): anything else could
// start a new line in the camera's file or scramble to the line mark.
bool IsPrintableAscii(std::string_view value);
