#include "camera/camera_settings.h"

#include "core/settings_file_reader.h"
#include "core/settings_lines.h"

namespace {

constexpr std::array<std::string_view, 3> kTimerKeys{"TIMERT1", "TIMERT2", "TIMERT3"};

// The 21 lines of CameraSet.dat, in file order.
void WalkLines(SettingsLines& lines, CameraSettings& s) {
    lines.Number("MODE", s.mode);
    lines.Number("PRES", s.photoResolution);
    lines.Number("MRES", s.videoResolution);
    lines.Number("IMGB", s.seriesPhotos);
    lines.Number("VLEN", s.videoLength);
    lines.Number("BEEP", s.beep);
    lines.Number("SENL", s.sensitivity);
    lines.Number("TSTP", s.timeStamp);
    lines.Number("IRLED", s.irLed);
    lines.Number("YMD", s.dateOrder);
    lines.Text("CLK", s.clockText);
    lines.Number("PINV", s.pirInterval);
    lines.Times("PINVT", std::array{&s.pirMinutes, &s.pirSeconds});
    lines.Number("TINV", s.timeInterval);
    lines.Times("TINVT", std::array{&s.timeIntervalHours, &s.timeIntervalMinutes});
    lines.Number("SNUM", s.serialNumberOn);
    lines.Characters("SNUMS", s.serialNumber);
    lines.Number("TIMER", s.fixedTime);
    for (std::size_t i = 0; i < s.timers.size(); ++i) {
        TimerWindow& w = s.timers[i];
        lines.Times(kTimerKeys[i],
                    std::array{&w.startHour, &w.startMinute, &w.endHour, &w.endMinute});
    }
}

}  // namespace

bool TimerWindowPasses(const TimerWindow& window) {
    const int start = window.startHour * 60 + window.startMinute;
    const int end = window.endHour * 60 + window.endMinute;
    return (start == 0 && end == 0) || start < end;
}

std::optional<int> CheckTimerWindows(const CameraSettings& settings) {
    for (std::size_t i = 0; i < settings.timers.size(); ++i) {
        if (!TimerWindowPasses(settings.timers[i])) {
            return static_cast<int>(i) + 1;
        }
    }
    return std::nullopt;
}

std::string TimerWindowMessage(int window) {
    return "Timer " + std::to_string(window) + " set error !\nStar time need < End time .";
}

std::string ComposeCameraSettingsText(const CameraSettings& settings) {
    return ComposeSettingsText(settings, &WalkLines);
}

Parsed<CameraSettings> ParseCameraSettingsText(std::string_view text) {
    return ParseSettingsText(text, CameraSettings{}, &WalkLines);
}

Parsed<CameraSettings> ReadCameraSettingsFile(const std::string& path) {
    return ReadSettingsFile(path, kCameraScrambleKey, &ParseCameraSettingsText);
}

SettingsFileOutcome WriteCameraSettingsFile(const CameraSettings& settings,
                                            const std::string& targetFolder,
                                            std::optional<FolderDevice> selectedDevice) {
    if (const std::optional<int> wrong = CheckTimerWindows(settings)) {
        return {SettingsFileOutcome::Status::Refused, TimerWindowMessage(*wrong)};
    }
    return WriteSettingsFile(
        targetFolder, kCameraSetFileName, kCameraScrambleKey,
        [&settings] { return ComposeCameraSettingsText(settings); }, selectedDevice);
}
