#include "camera/camera_settings.h"

#include "core/settings_lines_fit.h"

static_assert(LinesFitLayout<CameraSettings>(res::kCameraDialog, kCameraSetLines, {},
                                             res::IDC_CAMERA_FOLDER));

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

std::string ComposeCameraSettingsText(const CameraSettings& settings) {
    return ComposeSettingsText(settings, kCameraSetLines);
}

ReadFrom<CameraSettings> ParseCameraSettingsText(std::string_view text) {
    return ParseSettingsText(text, CameraSettings{}, kCameraSetLines);
}

ReadFrom<CameraSettings> ReadCameraSettingsFile(const std::string& path) {
    return ReadSettingsFile(path, kCameraScrambleKey, &ParseCameraSettingsText);
}

SettingsFileOutcome WriteCameraSettingsFile(const CameraSettings& settings,
                                            const std::string& targetFolder,
                                            std::optional<FolderDevice> selectedDevice) {
    if (CheckTimerWindows(settings)) {
        return {SettingsFileOutcome::Status::Refused,
                ComposeSettingsFilePath(targetFolder, kCameraSetFileName)};
    }
    return WriteSettingsFile(
        targetFolder, kCameraSetFileName, kCameraScrambleKey,
        [&settings] { return ComposeCameraSettingsText(settings); }, selectedDevice);
}
