#include "core/settings_text.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

void AppendSettingsLine(std::string& text, const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int needed = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (needed > 0) {
        const std::size_t start = text.size();
        text.resize(start + static_cast<std::size_t>(needed) + 1);
        std::vsnprintf(text.data() + start, static_cast<std::size_t>(needed) + 1, format, args);
        text.resize(start + static_cast<std::size_t>(needed));
    }
    va_end(args);
}

bool IsPrintableAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}
