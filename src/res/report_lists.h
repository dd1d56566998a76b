#pragma once

#include <QtGlobal>

#include <array>
#include <string_view>

// The fixed items of the lists that the MMS and Smtp Setup forms share.
namespace res {

inline constexpr std::array<std::string_view, 2> kReportModeItems{
    QT_TRANSLATE_NOOP("Lists", "Auto"), QT_TRANSLATE_NOOP("Lists", "Manual")};
inline constexpr std::array<std::string_view, 4> kReportStatusItems{
    QT_TRANSLATE_NOOP("Lists", "Off"), "800X600", "VGA", "SMS"};
inline constexpr std::array<std::string_view, 2> kDailyReportItems{
    QT_TRANSLATE_NOOP("Lists", "Off"), QT_TRANSLATE_NOOP("Lists", "On")};

}  // namespace res
