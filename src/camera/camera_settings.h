#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/read_problem.h"
#include "core/settings_file.h"
#include "core/settings_file_reader.h"
#include "core/settings_lines.h"
#include "res/camera_dialog.h"

// One daily working-time window of the camera, in hours and minutes of the day.
struct TimerWindow {
    int startHour = 0;
    int startMinute = 0;
    int endHour = 0;
    int endMinute = 0;

    bool operator==(const TimerWindow&) const = default;
};

// The camera's own operating settings, one field per control of the Camera Setup form. Every
// integer is the position of a list item; the defaults are the form's defaults.
struct CameraSettings {
    int mode = 0;
    int photoResolution = 2;
    int videoResolution = 1;
    int seriesPhotos = 0;
    int videoLength = 0;
    int beep = 1;
    int sensitivity = 1;
    int timeStamp = 1;
    int irLed = 1;
    int dateOrder = 1;
    std::string clockText;
    int pirInterval = 1;
    int pirMinutes = 0;
    int pirSeconds = 5;
    int timeInterval = 0;
    int timeIntervalHours = 0;
    int timeIntervalMinutes = 0;
    int serialNumberOn = 0;
    std::array<char, 4> serialNumber{'T', 'E', 'S', 'T'};
    int fixedTime = 0;
    std::array<TimerWindow, 3> timers{};

    bool operator==(const CameraSettings&) const = default;
};

// The 21 lines of CameraSet.dat in file order: each key with the fields it holds, the lists and
// the edit of the Camera Setup form that show them, and the label that names it.
inline constexpr auto kCameraSetLines = [] {
    using namespace res;
    using C = CameraSettings;
    using S = LineShape;
    using W = TimerWindow;
    return std::to_array<SettingsLine<C>>({
        ListLine("MODE", IDC_CAMERA_MODE_LABEL, IDC_CAMERA_MODE, &Field<&C::mode>),
        ListLine("PRES", IDC_CAMERA_PHOTO_RESOLUTION_LABEL, IDC_CAMERA_PHOTO_RESOLUTION,
                 &Field<&C::photoResolution>),
        ListLine("MRES", IDC_CAMERA_VIDEO_RESOLUTION_LABEL, IDC_CAMERA_VIDEO_RESOLUTION,
                 &Field<&C::videoResolution>),
        ListLine("IMGB", IDC_CAMERA_SERIES_PHOTOS_LABEL, IDC_CAMERA_SERIES_PHOTOS,
                 &Field<&C::seriesPhotos>),
        ListLine("VLEN", IDC_CAMERA_VIDEO_LENGTH_LABEL, IDC_CAMERA_VIDEO_LENGTH,
                 &Field<&C::videoLength>),
        ListLine("BEEP", IDC_CAMERA_BEEP_LABEL, IDC_CAMERA_BEEP, &Field<&C::beep>),
        ListLine("SENL", IDC_CAMERA_SENSITIVITY_LABEL, IDC_CAMERA_SENSITIVITY,
                 &Field<&C::sensitivity>),
        ListLine("TSTP", IDC_CAMERA_TIME_STAMP_LABEL, IDC_CAMERA_TIME_STAMP, &Field<&C::timeStamp>),
        ListLine("IRLED", IDC_CAMERA_IR_LED_LABEL, IDC_CAMERA_IR_LED, &Field<&C::irLed>),
        ListLine("YMD", IDC_CAMERA_CLOCK_LABEL, IDC_CAMERA_DATE_ORDER, &Field<&C::dateOrder>),
        {"CLK",
         S::Clock,
         IDC_CAMERA_CLOCK_LABEL,
         {Edit(IDC_CAMERA_CLOCK, &Field<&C::clockText>)},
         {},
         IDC_CAMERA_DATE_ORDER},
        ListLine("PINV", IDC_CAMERA_PIR_INTERVAL_LABEL, IDC_CAMERA_PIR_INTERVAL,
                 &Field<&C::pirInterval>),
        TimesLine("PINVT", IDC_CAMERA_PIR_INTERVAL_LABEL, {},
                  List(IDC_CAMERA_PIR_MINUTES, &Field<&C::pirMinutes>),
                  List(IDC_CAMERA_PIR_SECONDS, &Field<&C::pirSeconds>)),
        ListLine("TINV", IDC_CAMERA_TIME_INTERVAL_LABEL, IDC_CAMERA_TIME_INTERVAL,
                 &Field<&C::timeInterval>),
        TimesLine("TINVT", IDC_CAMERA_TIME_INTERVAL_LABEL, {},
                  List(IDC_CAMERA_INTERVAL_HOURS, &Field<&C::timeIntervalHours>),
                  List(IDC_CAMERA_INTERVAL_MINUTES, &Field<&C::timeIntervalMinutes>)),
        ListLine("SNUM", IDC_CAMERA_SERIAL_NUMBER_LABEL, IDC_CAMERA_SERIAL_NUMBER,
                 &Field<&C::serialNumberOn>),
        {"SNUMS",
         S::Characters,
         IDC_CAMERA_SERIAL_NUMBER_LABEL,
         {List(IDC_CAMERA_SERIAL_CHAR1, &Field<&C::serialNumber, 0>),
          List(IDC_CAMERA_SERIAL_CHAR2, &Field<&C::serialNumber, 1>),
          List(IDC_CAMERA_SERIAL_CHAR3, &Field<&C::serialNumber, 2>),
          List(IDC_CAMERA_SERIAL_CHAR4, &Field<&C::serialNumber, 3>)}},
        ListLine("TIMER", IDC_CAMERA_FIXED_TIME_LABEL, IDC_CAMERA_FIXED_TIME,
                 &Field<&C::fixedTime>),
        TimesLine("TIMERT1", IDC_CAMERA_FIXED_TIME_LABEL, " 1",
                  List(IDC_CAMERA_WINDOW1_START_HOUR, &Field<&C::timers, 0, &W::startHour>),
                  List(IDC_CAMERA_WINDOW1_START_MINUTE, &Field<&C::timers, 0, &W::startMinute>),
                  List(IDC_CAMERA_WINDOW1_END_HOUR, &Field<&C::timers, 0, &W::endHour>),
                  List(IDC_CAMERA_WINDOW1_END_MINUTE, &Field<&C::timers, 0, &W::endMinute>)),
        TimesLine("TIMERT2", IDC_CAMERA_FIXED_TIME_LABEL, " 2",
                  List(IDC_CAMERA_WINDOW2_START_HOUR, &Field<&C::timers, 1, &W::startHour>),
                  List(IDC_CAMERA_WINDOW2_START_MINUTE, &Field<&C::timers, 1, &W::startMinute>),
                  List(IDC_CAMERA_WINDOW2_END_HOUR, &Field<&C::timers, 1, &W::endHour>),
                  List(IDC_CAMERA_WINDOW2_END_MINUTE, &Field<&C::timers, 1, &W::endMinute>)),
        TimesLine("TIMERT3", IDC_CAMERA_FIXED_TIME_LABEL, " 3",
                  List(IDC_CAMERA_WINDOW3_START_HOUR, &Field<&C::timers, 2, &W::startHour>),
                  List(IDC_CAMERA_WINDOW3_START_MINUTE, &Field<&C::timers, 2, &W::startMinute>),
                  List(IDC_CAMERA_WINDOW3_END_HOUR, &Field<&C::timers, 2, &W::endHour>),
                  List(IDC_CAMERA_WINDOW3_END_MINUTE, &Field<&C::timers, 2, &W::endMinute>)),
    });
}();

// Whether a working-time window starts strictly before it ends on the same day, or is all zero:
// an empty window.
bool TimerWindowPasses(const TimerWindow& window);

// The number (1 to 3) of the first working-time window that does not start strictly before it
// ends on the same day; an all-zero window is empty and passes. Nothing when all pass.
std::optional<int> CheckTimerWindows(const CameraSettings& settings);

// The 21 lines of CameraSet.dat before scrambling.
std::string ComposeCameraSettingsText(const CameraSettings& settings);

// The record that a CameraSet.dat text holds, or why the text is none: the exact inverse of
// composing. For every record whose numbers are from 0 on (the times below 100) and whose clock
// text and serial number are printable ASCII, parsing the composed text gives the record back;
// for every text that parses, composing the record gives the text back byte for byte.
ReadFrom<CameraSettings> ParseCameraSettingsText(std::string_view text);

// Reads the CameraSet.dat at `path`.
ReadFrom<CameraSettings> ReadCameraSettingsFile(const std::string& path);

// Checks the working-time windows and, when they pass, writes CameraSet.dat into the folder; a
// wrong window is refused (CheckTimerWindows says which).
SettingsFileOutcome WriteCameraSettingsFile(
    const CameraSettings& settings, const std::string& targetFolder,
    std::optional<FolderDevice> selectedDevice = std::nullopt);
