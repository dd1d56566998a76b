#pragma once

#include <array>
#include <string_view>

// The fixed items of the lists that the MMS and Smtp Setup forms share.
namespace res {

inline constexpr std::array<std::string_view, 2> kReportModeItems{"Auto", "Manual"};
inline constexpr std::array<std::string_view, 4> kReportStatusItems{"Off", "800X600", "VGA", "SMS"};
inline constexpr std::array<std::string_view, 2> kDailyReportItems{"Off", "On"};

}  // namespace res
