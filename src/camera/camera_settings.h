#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/parsed.h"
#include "core/settings_file.h"

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

// Whether a working-time window starts strictly before it ends on the same day, or is all zero:
// an empty window.
bool TimerWindowPasses(const TimerWindow& window);

// The number (1 to 3) of the first working-time window that does not start strictly before it
// ends on the same day; an all-zero window is empty and passes. Nothing when all pass.
std::optional<int> CheckTimerWindows(const CameraSettings& settings);

// The message shown for a wrong working-time window.
std::string TimerWindowMessage(int window);

// The 21 lines of CameraSet.dat before scrambling.
std::string ComposeCameraSettingsText(const CameraSettings& settings);

// The record that a CameraSet.dat text holds, or why the text is none: the exact inverse of
// composing. For every record whose numbers are from 0 on (the times below 100) and whose clock
// text and serial number are printable ASCII, parsing the composed text gives the record back;
// for every text that parses, composing the record gives the text back byte for byte.
Parsed<CameraSettings> ParseCameraSettingsText(std::string_view text);

// Reads the CameraSet.dat at `path`.
Parsed<CameraSettings> ReadCameraSettingsFile(const std::string& path);

// Checks the working-time windows and, when they pass, writes CameraSet.dat into the folder.
SettingsFileOutcome WriteCameraSettingsFile(
    const CameraSettings& settings, const std::string& targetFolder,
    std::optional<FolderDevice> selectedDevice = std::nullopt);
