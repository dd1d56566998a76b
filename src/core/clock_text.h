#pragma once

#include <ctime>
#include <string>
#include <string_view>

// Date orders of the camera's clock, as the date-order list offers them.
enum DateOrder : int { kDateOrderYmd = 0, kDateOrderDmy = 1, kDateOrderMdy = 2 };

// The camera clock text for `localTime` in the given date order, always 19 characters, for
// example "06-12-2026 14:05:09" in day-month-year order. An order outside 0..2 gives "".
std::string FormatClockText(int dateOrder, const std::tm& localTime);

// Whether `text` is a clock text that FormatClockText makes in the given date order: the layout
// of that order and a real date and time of day.
bool IsClockText(int dateOrder, std::string_view text);

// The current local time at second resolution.
std::tm CurrentLocalTime();
