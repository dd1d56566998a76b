#include "core/clock_text.h"

#include <array>
#include <iomanip>
#include <sstream>

namespace {

constexpr std::array<const char*, 3> kFormats{
    "%Y-%m-%d %H:%M:%S",
    "%d-%m-%Y %H:%M:%S",
    "%m-%d-%Y %H:%M:%S",
};

bool IsDateOrder(int dateOrder) {
    return dateOrder >= 0 && dateOrder < static_cast<int>(kFormats.size());
}

int DaysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 1 && leap ? 29 : kDays[static_cast<std::size_t>(month)];
}

}  // namespace

std::string FormatClockText(int dateOrder, const std::tm& localTime) {
    if (!IsDateOrder(dateOrder)) {
        return {};
    }
    char text[64] = {};
    const std::size_t length = std::strftime(text, sizeof text, kFormats[dateOrder], &localTime);
    return std::string(text, length);
}

bool IsClockText(int dateOrder, std::string_view text) {
    if (!IsDateOrder(dateOrder)) {
        return false;
    }
    std::tm time{};
    std::istringstream in{std::string(text)};
    in >> std::get_time(&time, kFormats[dateOrder]);
    // Reading takes one-digit fields and stops at trailing text: only the exact layout is one.
    return !in.fail() && FormatClockText(dateOrder, time) == text && time.tm_mon >= 0 &&
           time.tm_mon < 12 && time.tm_mday <= DaysInMonth(time.tm_year + 1900, time.tm_mon) &&
           time.tm_sec < 60;
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
