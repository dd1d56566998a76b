#include "core/clock_text.h"

#include <array>

std::string FormatClockText(int dateOrder, const std::tm& localTime) {
    static constexpr std::array<const char*, 3> kFormats{
        "%Y-%m-%d %H:%M:%S",
        "%d-%m-%Y %H:%M:%S",
        "%m-%d-%Y %H:%M:%S",
    };
    if (dateOrder < 0 || dateOrder >= static_cast<int>(kFormats.size())) {
        return {};
    }
    char text[64] = {};
    const std::size_t length = std::strftime(text, sizeof text, kFormats[dateOrder], &localTime);
    return std::string(text, length);
}

std::tm CurrentLocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}
