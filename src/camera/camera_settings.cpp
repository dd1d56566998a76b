#include "camera/camera_settings.h"

#include "core/settings_text.h"

std::optional<int> CheckTimerWindows(const CameraSettings& settings) {
    for (std::size_t i = 0; i < settings.timers.size(); ++i) {
        const TimerWindow& window = settings.timers[i];
        const int start = window.startHour * 60 + window.startMinute;
        const int end = window.endHour * 60 + window.endMinute;
        if (start == 0 && end == 0) {
            continue;
        }
        if (start >= end) {
            return static_cast<int>(i) + 1;
        }
    }
    return std::nullopt;
}

std::string TimerWindowMessage(int window) {
    return "Timer " + std::to_string(window) + " set error !\nStar time need < End time .";
}

std::string ComposeCameraSettingsText(const CameraSettings& s) {
    std::string text;
    text.reserve(kSettingsTextCapacity);
    AppendSettingsLine(text, "MODE=%d\n", s.mode);
    AppendSettingsLine(text, "PRES=%d\n", s.photoResolution);
    AppendSettingsLine(text, "MRES=%d\n", s.videoResolution);
    AppendSettingsLine(text, "IMGB=%d\n", s.seriesPhotos);
    AppendSettingsLine(text, "VLEN=%d\n", s.videoLength);
    AppendSettingsLine(text, "BEEP=%d\n", s.beep);
    AppendSettingsLine(text, "SENL=%d\n", s.sensitivity);
    AppendSettingsLine(text, "TSTP=%d\n", s.timeStamp);
    AppendSettingsLine(text, "IRLED=%d\n", s.irLed);
    AppendSettingsLine(text, "YMD=%d\n", s.dateOrder);
    AppendSettingsLine(text, "CLK=%s\n", s.clockText.c_str());
    AppendSettingsLine(text, "PINV=%d\n", s.pirInterval);
    AppendSettingsLine(text, "PINVT=%02d:%02d\n", s.pirMinutes, s.pirSeconds);
    AppendSettingsLine(text, "TINV=%d\n", s.timeInterval);
    AppendSettingsLine(text, "TINVT=%02d:%02d\n", s.timeIntervalHours, s.timeIntervalMinutes);
    AppendSettingsLine(text, "SNUM=%d\n", s.serialNumberOn);
    AppendSettingsLine(text, "SNUMS=%c%c%c%c\n", s.serialNumber[0], s.serialNumber[1],
                       s.serialNumber[2], s.serialNumber[3]);
    AppendSettingsLine(text, "TIMER=%d\n", s.fixedTime);
    for (std::size_t i = 0; i < s.timers.size(); ++i) {
        const TimerWindow& w = s.timers[i];
        AppendSettingsLine(text, "TIMERT%zu=%02d:%02d %02d:%02d\n", i + 1, w.startHour,
                           w.startMinute, w.endHour, w.endMinute);
    }
    return text;
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
