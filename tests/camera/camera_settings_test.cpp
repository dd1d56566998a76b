#include "camera/camera_settings.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>

#include "tests/support/files.h"

namespace {

const char* const kDefaultText =
    "MODE=0\nPRES=2\nMRES=1\nIMGB=0\nVLEN=0\nBEEP=1\nSENL=1\nTSTP=1\nIRLED=1\nYMD=1\n"
    "CLK=06-12-2026 14:05:09\nPINV=1\nPINVT=00:05\nTINV=0\nTINVT=00:00\nSNUM=0\nSNUMS=TEST\n"
    "TIMER=0\nTIMERT1=00:00 00:00\nTIMERT2=00:00 00:00\nTIMERT3=00:00 00:00\n";

// The default file scrambled with the camera key, worked out by hand from the key table.
const char* const kDefaultFileHex =
    "685e70644956017f64626e4c5e0159785e824f4e015879664e6349016869605d694f01685e74625a4c017f"
    "645a72566001716e637c5c3d0162815e625f4c5d0165735d6c43015e5b775c3c5c4660444a4d3f5e552c57"
    "4d694252553f65015c6f67854f4e015f756d627a565f42574b44017355746f6c42016f587a756063495f4c"
    "4d4b017f6d6173565f017069647972497a5e8266016f5879645e634901666668547e733d63495f4c4d4b2f"
    "5c4f46564901666668547e733e63495f4c4d4b2f5c4f46564901666668547e733f63495f4c4d4b2f5c4f46"
    "564901";

CameraSettings Defaults() {
    CameraSettings settings;
    settings.clockText = "06-12-2026 14:05:09";
    return settings;
}

CameraSettings WithWindow(int index, TimerWindow window) {
    CameraSettings settings = Defaults();
    settings.timers[static_cast<std::size_t>(index)] = window;
    return settings;
}

TEST(ComposeCameraSettingsText, DefaultsGiveTheTwentyOneDefaultLines) {
    const std::string text = ComposeCameraSettingsText(Defaults());
    EXPECT_EQ(text, kDefaultText);
    EXPECT_EQ(text.size(), 218u);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 21);
}

TEST(ComposeCameraSettingsText, TimesAreTwoDigitsAndSerialIsFourCharacters) {
    CameraSettings settings = Defaults();
    settings.pirMinutes = 1;
    settings.pirSeconds = 30;
    settings.timeIntervalHours = 2;
    settings.timeIntervalMinutes = 15;
    settings.serialNumber = {'0', 'A', '9', 'Z'};
    settings.serialNumberOn = 0;
    settings.timers[0] = {8, 0, 18, 0};
    const std::string text = ComposeCameraSettingsText(settings);
    EXPECT_NE(text.find("\nPINVT=01:30\n"), std::string::npos);
    EXPECT_NE(text.find("\nTINVT=02:15\n"), std::string::npos);
    EXPECT_NE(text.find("\nSNUM=0\nSNUMS=0A9Z\n"), std::string::npos);
    EXPECT_NE(text.find("\nTIMERT1=08:00 18:00\n"), std::string::npos);
    EXPECT_EQ(text.size(), 218u);
}

TEST(ComposeCameraSettingsText, ClockIsWrittenAsItWasTakenWhateverTheDateOrder) {
    CameraSettings settings = Defaults();
    settings.clockText = "2026-12-06 14:05:09";
    settings.dateOrder = 1;
    EXPECT_NE(ComposeCameraSettingsText(settings).find("\nYMD=1\nCLK=2026-12-06 14:05:09\n"),
              std::string::npos);
}

TEST(ParseCameraSettingsText, ReadsBackEveryRecordTheFormCanMake) {
    // Every value from 0 to 59 in every number covers every position of every list.
    const std::array<int CameraSettings::*, 17> numbers{&CameraSettings::mode,
                                                        &CameraSettings::photoResolution,
                                                        &CameraSettings::videoResolution,
                                                        &CameraSettings::seriesPhotos,
                                                        &CameraSettings::videoLength,
                                                        &CameraSettings::beep,
                                                        &CameraSettings::sensitivity,
                                                        &CameraSettings::timeStamp,
                                                        &CameraSettings::irLed,
                                                        &CameraSettings::dateOrder,
                                                        &CameraSettings::pirInterval,
                                                        &CameraSettings::pirMinutes,
                                                        &CameraSettings::pirSeconds,
                                                        &CameraSettings::timeInterval,
                                                        &CameraSettings::timeIntervalHours,
                                                        &CameraSettings::timeIntervalMinutes,
                                                        &CameraSettings::fixedTime};
    const std::string characters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (int value = 0; value < 60; ++value) {
        CameraSettings settings = Defaults();
        for (int CameraSettings::*number : numbers) {
            settings.*number = value;
        }
        settings.serialNumberOn = value % 2;
        for (TimerWindow& window : settings.timers) {
            window = {value % 24, value, 23 - value % 24, 59 - value};
        }
        for (std::size_t i = 0; i < settings.serialNumber.size(); ++i) {
            settings.serialNumber[i] = characters[(static_cast<std::size_t>(value) + i) % 36];
        }
        settings.clockText = value % 3 == 0 ? "2026-12-06 14:05:09" : "12-06-2026 14:05:09";
        const std::string text = ComposeCameraSettingsText(settings);
        const ReadFrom<CameraSettings> parsed = ParseCameraSettingsText(text);
        ASSERT_TRUE(parsed) << parsed.Reason().line;
        EXPECT_EQ(*parsed, settings) << text;
        EXPECT_EQ(ComposeCameraSettingsText(*parsed), text);
    }
}

TEST(ParseCameraSettingsText, RefusesAnotherFilesTextAndLinesOutOfOrder) {
    using Kind = ReadProblem::Kind;
    EXPECT_EQ(ParseCameraSettingsText("MMSS=0\nMMSDNUM=\n").Reason(),
              (ReadProblem{Kind::WrongKey, {}, 1, "MODE", "MMSS"}));
    std::string swapped = kDefaultText;
    swapped.replace(swapped.find("SENL=1\nTSTP=1"), 14, "TSTP=1\nSENL=1");
    EXPECT_EQ(ParseCameraSettingsText(swapped).Reason(),
              (ReadProblem{Kind::WrongKey, {}, 7, "SENL", "TSTP"}));
    const std::string cut(kDefaultText, 90);
    EXPECT_EQ(ParseCameraSettingsText(cut).Reason(), (ReadProblem{Kind::NoLineEnd, {}, 11, "CLK"}));
}

TEST(CheckTimerWindows, EmptyAndSameDayWindowsPass) {
    EXPECT_EQ(CheckTimerWindows(Defaults()), std::nullopt);
    EXPECT_EQ(CheckTimerWindows(WithWindow(0, {8, 0, 18, 0})), std::nullopt);
    EXPECT_EQ(CheckTimerWindows(WithWindow(0, {0, 0, 0, 30})), std::nullopt);
    EXPECT_EQ(CheckTimerWindows(WithWindow(2, {0, 0, 0, 0})), std::nullopt);
    EXPECT_EQ(CheckTimerWindows(WithWindow(1, {0, 0, 23, 59})), std::nullopt);
}

TEST(CheckTimerWindows, WindowsThatDoNotStartBeforeTheyEndFail) {
    EXPECT_EQ(CheckTimerWindows(WithWindow(1, {22, 0, 6, 0})), 2);
    EXPECT_EQ(CheckTimerWindows(WithWindow(0, {0, 30, 0, 0})), 1);
    EXPECT_EQ(CheckTimerWindows(WithWindow(2, {12, 0, 12, 0})), 3);
    EXPECT_EQ(CheckTimerWindows(WithWindow(0, {12, 30, 12, 29})), 1);
}

TEST(CheckTimerWindows, OnlyTheFirstWrongWindowIsNamed) {
    CameraSettings settings = WithWindow(0, {18, 0, 8, 0});
    settings.timers[2] = {12, 0, 12, 0};
    EXPECT_EQ(CheckTimerWindows(settings), 1);
}

TEST(CheckTimerWindows, WindowsAreCheckedWhileFixedTimeIsOff) {
    CameraSettings settings = WithWindow(1, {22, 0, 6, 0});
    settings.fixedTime = 0;
    EXPECT_EQ(CheckTimerWindows(settings), 2);
}

TEST(WriteCameraSettingsFile, DefaultsGiveTheWorkedExampleByteForByte) {
    QTemporaryDir dir;
    const SettingsFileOutcome outcome =
        WriteCameraSettingsFile(Defaults(), dir.path().toStdString());
    ASSERT_TRUE(outcome.Written()) << outcome.reason.message();
    const QByteArray bytes = ReadFileBytes(dir.filePath(QStringLiteral("CameraSet.dat")));
    EXPECT_EQ(bytes.toHex().toStdString(), kDefaultFileHex);
    EXPECT_EQ(bytes.count('\x01'), 21);
}

TEST(WriteCameraSettingsFile, WrongWindowTouchesNothingInTheFolder) {
    QTemporaryDir dir;
    const QString older = dir.filePath(QStringLiteral("CameraSet.dat"));
    WriteFileBytes(older, "older settings");
    const SettingsFileOutcome outcome =
        WriteCameraSettingsFile(WithWindow(1, {22, 0, 6, 0}), dir.path().toStdString());
    EXPECT_EQ(outcome.status, SettingsFileOutcome::Status::Refused);
    EXPECT_FALSE(outcome.reason);
    EXPECT_EQ(ReadFileBytes(older), "older settings");
    EXPECT_EQ(FolderEntries(dir.path()), QStringList{QStringLiteral("CameraSet.dat")});
}

TEST(WriteCameraSettingsFile, WrongWindowIsReportedBeforeAMissingFolder) {
    const SettingsFileOutcome outcome =
        WriteCameraSettingsFile(WithWindow(0, {18, 0, 8, 0}), "/no/such/folder");
    EXPECT_EQ(outcome.status, SettingsFileOutcome::Status::Refused);
}

}  // namespace
