#pragma once

#include <cstddef>
#include <string>

// A settings text is built in a buffer of this many bytes, terminating zero included, so the
// longest text the camera accepts is one byte shorter.
inline constexpr std::size_t kSettingsTextCapacity = 3000;
inline constexpr std::size_t kMaxSettingsTextLength = kSettingsTextCapacity - 1;

// Appends one printf-formatted line to a settings text.
#if defined(__GNUC__)
__attribute__((format(printf, 2, 3)))
#endif
void AppendSettingsLine(std::string& text, const char* format, ...);
