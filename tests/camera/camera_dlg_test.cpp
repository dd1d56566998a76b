#include "camera/camera_dlg.h"

#include <QLineEdit>

#include <gtest/gtest.h>

#include <array>

#include "res/camera_dialog.h"
#include "tests/support/form_fixture.h"

namespace {

using namespace res;

const QString kCameraSet = QStringLiteral("CameraSet.dat");

constexpr std::array<int, 4> kWindow1{IDC_CAMERA_WINDOW1_START_HOUR,
                                      IDC_CAMERA_WINDOW1_START_MINUTE, IDC_CAMERA_WINDOW1_END_HOUR,
                                      IDC_CAMERA_WINDOW1_END_MINUTE};
constexpr std::array<int, 4> kWindow2{IDC_CAMERA_WINDOW2_START_HOUR,
                                      IDC_CAMERA_WINDOW2_START_MINUTE, IDC_CAMERA_WINDOW2_END_HOUR,
                                      IDC_CAMERA_WINDOW2_END_MINUTE};
constexpr std::array<int, 4> kWindow3{IDC_CAMERA_WINDOW3_START_HOUR,
                                      IDC_CAMERA_WINDOW3_START_MINUTE, IDC_CAMERA_WINDOW3_END_HOUR,
                                      IDC_CAMERA_WINDOW3_END_MINUTE};
constexpr std::array<int, 4> kSerial{IDC_CAMERA_SERIAL_CHAR1, IDC_CAMERA_SERIAL_CHAR2,
                                     IDC_CAMERA_SERIAL_CHAR3, IDC_CAMERA_SERIAL_CHAR4};

class CameraDlgTest : public FormFixture<CCameraDlg> {
protected:
    QString ClockShown() { return Shown(IDC_CAMERA_CLOCK); }
    QString FolderShown() { return Shown(IDC_CAMERA_FOLDER); }
    std::string Written() { return WrittenText(kCameraSet, kCameraScrambleKey); }

    void SetWindow(const std::array<int, 4>& lists, const std::array<int, 4>& values) {
        for (std::size_t i = 0; i < lists.size(); ++i) {
            Pick(lists[i], QString::number(values[i]));
        }
    }
    void SetSerial(const char* characters) {
        for (std::size_t i = 0; i < kSerial.size(); ++i) {
            Pick(kSerial[i], QString(QChar::fromLatin1(characters[i])));
        }
    }
};

TEST_F(CameraDlgTest, OpensWithEveryDefault) {
    const std::array<std::pair<int, const char*>, 34> expected{{
        {IDC_CAMERA_MODE, "Camera"},           {IDC_CAMERA_PHOTO_RESOLUTION, "5M"},
        {IDC_CAMERA_VIDEO_RESOLUTION, "720P"}, {IDC_CAMERA_SERIES_PHOTOS, "1 Photo"},
        {IDC_CAMERA_VIDEO_LENGTH, "10S"},      {IDC_CAMERA_BEEP, "On"},
        {IDC_CAMERA_SENSITIVITY, "Medium"},    {IDC_CAMERA_TIME_STAMP, "On"},
        {IDC_CAMERA_IR_LED, "High"},           {IDC_CAMERA_DATE_ORDER, "D/M/Y"},
        {IDC_CAMERA_PIR_INTERVAL, "On"},       {IDC_CAMERA_PIR_MINUTES, "0"},
        {IDC_CAMERA_PIR_SECONDS, "5"},         {IDC_CAMERA_TIME_INTERVAL, "Off"},
        {IDC_CAMERA_INTERVAL_HOURS, "0"},      {IDC_CAMERA_INTERVAL_MINUTES, "0"},
        {IDC_CAMERA_SERIAL_NUMBER, "Off"},     {IDC_CAMERA_SERIAL_CHAR1, "T"},
        {IDC_CAMERA_SERIAL_CHAR2, "E"},        {IDC_CAMERA_SERIAL_CHAR3, "S"},
        {IDC_CAMERA_SERIAL_CHAR4, "T"},        {IDC_CAMERA_FIXED_TIME, "Off"},
        {IDC_CAMERA_WINDOW1_START_HOUR, "0"},  {IDC_CAMERA_WINDOW1_START_MINUTE, "0"},
        {IDC_CAMERA_WINDOW1_END_HOUR, "0"},    {IDC_CAMERA_WINDOW1_END_MINUTE, "0"},
        {IDC_CAMERA_WINDOW2_START_HOUR, "0"},  {IDC_CAMERA_WINDOW2_START_MINUTE, "0"},
        {IDC_CAMERA_WINDOW2_END_HOUR, "0"},    {IDC_CAMERA_WINDOW2_END_MINUTE, "0"},
        {IDC_CAMERA_WINDOW3_START_HOUR, "0"},  {IDC_CAMERA_WINDOW3_START_MINUTE, "0"},
        {IDC_CAMERA_WINDOW3_END_HOUR, "0"},    {IDC_CAMERA_WINDOW3_END_MINUTE, "0"},
    }};
    for (const auto& [id, text] : expected) {
        EXPECT_EQ(Shown(id), QString::fromLatin1(text)) << id;
    }
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Camera Setup"));
    EXPECT_EQ(ClockShown(), QStringLiteral("06-12-2026 14:05:09"));
    EXPECT_EQ(FolderShown(), DefaultFolder());
    EXPECT_FALSE(Enabled(IDC_CAMERA_CLOCK));
    EXPECT_FALSE(Enabled(IDC_CAMERA_FOLDER));
}

TEST_F(CameraDlgTest, ListsHoldTheirItems) {
    EXPECT_EQ(form.List(IDC_CAMERA_VIDEO_LENGTH)->count(), 4);
    EXPECT_EQ(form.List(IDC_CAMERA_VIDEO_LENGTH)->itemText(3), QStringLiteral("60S"));
    EXPECT_EQ(form.List(IDC_CAMERA_MODE)->itemText(2), QStringLiteral("Camera+Video"));
    EXPECT_EQ(form.List(IDC_CAMERA_INTERVAL_HOURS)->count(), 24);
    EXPECT_EQ(form.List(IDC_CAMERA_PIR_SECONDS)->count(), 60);
    EXPECT_EQ(form.List(IDC_CAMERA_PIR_SECONDS)->itemText(59), QStringLiteral("59"));
    EXPECT_EQ(form.List(IDC_CAMERA_SERIAL_CHAR1)->count(), 36);
    EXPECT_EQ(form.List(IDC_CAMERA_SERIAL_CHAR1)->itemText(10), QStringLiteral("A"));
    EXPECT_EQ(form.List(IDC_CAMERA_SERIAL_CHAR1)->itemText(35), QStringLiteral("Z"));
    EXPECT_EQ(form.List(IDC_CAMERA_SERIAL_NUMBER)->itemText(0), QStringLiteral("Off"));
    for (const auto& window : {kWindow1, kWindow2, kWindow3}) {
        EXPECT_EQ(form.List(window[0])->count(), 24);
        EXPECT_EQ(form.List(window[1])->count(), 60);
        EXPECT_EQ(form.List(window[2])->count(), 24);
        EXPECT_EQ(form.List(window[3])->count(), 60);
    }
}

TEST_F(CameraDlgTest, SwitchesEnableTheirListsAtOnAndDisableThemAtOff) {
    std::vector<int> timerLists;
    for (const auto& window : {kWindow1, kWindow2, kWindow3}) {
        timerLists.insert(timerLists.end(), window.begin(), window.end());
    }
    const std::array<std::pair<int, std::vector<int>>, 4> rules{{
        {IDC_CAMERA_PIR_INTERVAL, {IDC_CAMERA_PIR_MINUTES, IDC_CAMERA_PIR_SECONDS}},
        {IDC_CAMERA_TIME_INTERVAL, {IDC_CAMERA_INTERVAL_HOURS, IDC_CAMERA_INTERVAL_MINUTES}},
        {IDC_CAMERA_SERIAL_NUMBER, {kSerial.begin(), kSerial.end()}},
        {IDC_CAMERA_FIXED_TIME, timerLists},
    }};
    const std::array<bool, 4> onAtStart{true, false, false, false};
    for (std::size_t r = 0; r < rules.size(); ++r) {
        const auto& [switchId, dependents] = rules[r];
        for (const int id : dependents) {
            EXPECT_EQ(Enabled(id), onAtStart[r]) << id;
        }
        for (const char* position : {"On", "Off", "On"}) {
            Pick(switchId, QString::fromLatin1(position));
            for (const int id : dependents) {
                EXPECT_EQ(Enabled(id), QLatin1String(position) == "On") << id;
            }
            EXPECT_TRUE(Enabled(switchId));
        }
    }
}

TEST_F(CameraDlgTest, DateOrderChangeTakesTheClockAgainInTheNewLayout) {
    platform.now = FakePlatform::Time(2027, 3, 4, 5, 6, 7);
    Pick(IDC_CAMERA_DATE_ORDER, QStringLiteral("Y/M/D"));
    EXPECT_EQ(ClockShown(), QStringLiteral("2027-03-04 05:06:07"));
    platform.now = FakePlatform::Time(2027, 3, 4, 5, 6, 8);
    Click(IDC_CAMERA_GET_TIME);
    EXPECT_EQ(ClockShown(), QStringLiteral("2027-03-04 05:06:08"));
    Pick(IDC_CAMERA_DATE_ORDER, QStringLiteral("M/D/Y"));
    EXPECT_EQ(ClockShown(), QStringLiteral("03-04-2027 05:06:08"));
}

TEST_F(CameraDlgTest, GetTimeKeepsTheFolderShown) {
    ChooseFolder(dir.path());
    platform.now = FakePlatform::Time(2026, 12, 6, 14, 6, 0);
    Click(IDC_CAMERA_GET_TIME);
    EXPECT_EQ(ClockShown(), QStringLiteral("06-12-2026 14:06:00"));
    EXPECT_EQ(FolderShown(), dir.path());
}

TEST_F(CameraDlgTest, DefaultRestoresListsAndRulesButKeepsFolderAndClock) {
    ChooseFolder(dir.path());
    Pick(IDC_CAMERA_MODE, QStringLiteral("Video"));
    Pick(IDC_CAMERA_PHOTO_RESOLUTION, QStringLiteral("12M"));
    Pick(IDC_CAMERA_TIME_INTERVAL, QStringLiteral("On"));
    Pick(IDC_CAMERA_INTERVAL_HOURS, QStringLiteral("7"));
    Pick(IDC_CAMERA_SERIAL_NUMBER, QStringLiteral("On"));
    Pick(IDC_CAMERA_SERIAL_CHAR1, QStringLiteral("Z"));
    Pick(IDC_CAMERA_FIXED_TIME, QStringLiteral("On"));
    Pick(IDC_CAMERA_WINDOW1_START_HOUR, QStringLiteral("9"));
    Pick(IDC_CAMERA_PIR_INTERVAL, QStringLiteral("Off"));
    platform.now = FakePlatform::Time(2026, 12, 6, 15, 0, 0);

    Click(IDC_CAMERA_DEFAULT);
    const CameraSettings settings = form.ReadSettings();
    const CameraSettings defaults;
    EXPECT_EQ(settings.mode, 0);
    EXPECT_EQ(settings.photoResolution, defaults.photoResolution);
    EXPECT_EQ(settings.timeInterval, 0);
    EXPECT_EQ(settings.timeIntervalHours, 0);
    EXPECT_EQ(settings.serialNumberOn, 0);
    EXPECT_EQ(settings.serialNumber, defaults.serialNumber);
    EXPECT_EQ(settings.timers[0].startHour, 0);
    EXPECT_EQ(settings.pirInterval, 1);
    EXPECT_FALSE(Enabled(IDC_CAMERA_INTERVAL_HOURS));
    EXPECT_FALSE(Enabled(IDC_CAMERA_SERIAL_CHAR1));
    EXPECT_FALSE(Enabled(IDC_CAMERA_WINDOW1_START_HOUR));
    EXPECT_TRUE(Enabled(IDC_CAMERA_PIR_MINUTES));
    EXPECT_EQ(FolderShown(), dir.path());
    // The date order did not change, so neither did the clock.
    EXPECT_EQ(ClockShown(), QStringLiteral("06-12-2026 14:05:09"));
}

TEST_F(CameraDlgTest, DefaultAfterAnotherDateOrderTakesTheClockInTheDefaultLayout) {
    Pick(IDC_CAMERA_DATE_ORDER, QStringLiteral("Y/M/D"));
    EXPECT_EQ(ClockShown(), QStringLiteral("2026-12-06 14:05:09"));
    platform.now = FakePlatform::Time(2026, 12, 6, 15, 0, 0);
    Click(IDC_CAMERA_DEFAULT);
    EXPECT_EQ(Shown(IDC_CAMERA_DATE_ORDER), QStringLiteral("D/M/Y"));
    EXPECT_EQ(ClockShown(), QStringLiteral("06-12-2026 15:00:00"));
}

TEST_F(CameraDlgTest, EnterAndEscapeDoNothing) {
    for (const int id : {IDC_CAMERA_MODE, IDC_CAMERA_PIR_SECONDS, IDC_CAMERA_GENERATE, IDC_EXIT}) {
        form.Item(id)->setFocus();
        QTest::keyClick(form.Item(id), Qt::Key_Return);
        QTest::keyClick(form.Item(id), Qt::Key_Escape);
    }
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(CameraDlgTest, ATimeListLeftWithoutAnItemGetsItsFirst) {
    Pick(IDC_CAMERA_FIXED_TIME, QStringLiteral("On"));
    CComboBox* list = form.List(IDC_CAMERA_WINDOW3_START_MINUTE);
    list->setCurrentIndex(-1);
    list->showPopup();
    list->hidePopup();
    EXPECT_EQ(list->currentText(), QStringLiteral("0"));
    Pick(IDC_CAMERA_WINDOW3_START_MINUTE, QStringLiteral("45"));
    list->showPopup();
    list->hidePopup();
    EXPECT_EQ(list->currentText(), QStringLiteral("45"));
}

TEST_F(CameraDlgTest, GenerateWithDefaultsWritesTheWorkedExample) {
    ChooseFolder(dir.path());
    Generate();
    EXPECT_EQ(platform.messages,
              QStringList{QStringLiteral("System configuration file has been generated.")});
    const QByteArray bytes = ReadFileBytes(dir.filePath(kCameraSet));
    ASSERT_EQ(bytes.size(), 218);
    EXPECT_EQ(Written(),
              "MODE=0\nPRES=2\nMRES=1\nIMGB=0\nVLEN=0\nBEEP=1\nSENL=1\nTSTP=1\nIRLED=1\nYMD=1\n"
              "CLK=06-12-2026 14:05:09\nPINV=1\nPINVT=00:05\nTINV=0\nTINVT=00:00\nSNUM=0\n"
              "SNUMS=TEST\nTIMER=0\nTIMERT1=00:00 00:00\nTIMERT2=00:00 00:00\n"
              "TIMERT3=00:00 00:00\n");
    EXPECT_EQ(bytes.count('\x01'), 21);
    EXPECT_EQ(FolderShown(), dir.path());
    EXPECT_EQ(ClockShown(), QStringLiteral("06-12-2026 14:05:09"));
}

// Every list away from its default, each window's four lists at four different values: a list
// bound to the wrong field or an item renamed shows in the file.
TEST_F(CameraDlgTest, EveryListAwayFromItsDefaultReachesItsOwnLine) {
    ChooseFolder(dir.path());
    Pick(IDC_CAMERA_MODE, QStringLiteral("Camera+Video"));
    Pick(IDC_CAMERA_PHOTO_RESOLUTION, QStringLiteral("12M"));
    Pick(IDC_CAMERA_VIDEO_RESOLUTION, QStringLiteral("VGA"));
    Pick(IDC_CAMERA_SERIES_PHOTOS, QStringLiteral("2 Photos"));
    Pick(IDC_CAMERA_VIDEO_LENGTH, QStringLiteral("30S"));
    Pick(IDC_CAMERA_BEEP, QStringLiteral("Off"));
    Pick(IDC_CAMERA_SENSITIVITY, QStringLiteral("High"));
    Pick(IDC_CAMERA_TIME_STAMP, QStringLiteral("Off"));
    Pick(IDC_CAMERA_IR_LED, QStringLiteral("Medium"));
    Pick(IDC_CAMERA_DATE_ORDER, QStringLiteral("Y/M/D"));
    Pick(IDC_CAMERA_PIR_MINUTES, QStringLiteral("7"));
    Pick(IDC_CAMERA_PIR_SECONDS, QStringLiteral("42"));
    Pick(IDC_CAMERA_PIR_INTERVAL, QStringLiteral("Off"));
    Pick(IDC_CAMERA_TIME_INTERVAL, QStringLiteral("On"));
    Pick(IDC_CAMERA_INTERVAL_HOURS, QStringLiteral("13"));
    Pick(IDC_CAMERA_INTERVAL_MINUTES, QStringLiteral("45"));
    Pick(IDC_CAMERA_SERIAL_NUMBER, QStringLiteral("On"));
    SetSerial("1B8Y");
    Pick(IDC_CAMERA_FIXED_TIME, QStringLiteral("On"));
    SetWindow(kWindow1, {1, 2, 3, 4});
    SetWindow(kWindow2, {5, 6, 7, 8});
    SetWindow(kWindow3, {9, 10, 11, 12});
    Generate();

    EXPECT_EQ(Written(),
              "MODE=2\nPRES=0\nMRES=2\nIMGB=1\nVLEN=2\nBEEP=0\nSENL=2\nTSTP=0\nIRLED=0\nYMD=0\n"
              "CLK=2026-12-06 14:05:09\nPINV=0\nPINVT=07:42\nTINV=1\nTINVT=13:45\nSNUM=1\n"
              "SNUMS=1B8Y\nTIMER=1\nTIMERT1=01:02 03:04\nTIMERT2=05:06 07:08\n"
              "TIMERT3=09:10 11:12\n");
}

// A file with every list away from its default: loading shows it all, takes a new clock in the
// file's date order, and "Generate" writes the file back with only that clock changed.
TEST_F(CameraDlgTest, LoadFromCardShowsTheFileAndGenerateWritesItBackWithANewClock) {
    const std::string onCard =
        "MODE=2\nPRES=0\nMRES=2\nIMGB=1\nVLEN=2\nBEEP=0\nSENL=2\nTSTP=0\nIRLED=0\nYMD=0\n"
        "CLK=2020-01-02 03:04:05\nPINV=0\nPINVT=07:42\nTINV=1\nTINVT=13:45\nSNUM=1\n"
        "SNUMS=1B8Y\nTIMER=1\nTIMERT1=01:02 03:04\nTIMERT2=05:06 07:08\n"
        "TIMERT3=09:10 11:12\n";
    PutOnCard(kCameraSet, kCameraScrambleKey, onCard);
    platform.now = FakePlatform::Time(2027, 1, 2, 3, 4, 5);
    LoadFromCard();
    EXPECT_EQ(
        platform.messages,
        QStringList{
            QStringLiteral("Settings loaded from %1.").arg(InFolder(dir.path(), kCameraSet))});
    EXPECT_EQ(Shown(IDC_CAMERA_MODE), QStringLiteral("Camera+Video"));
    EXPECT_EQ(Shown(IDC_CAMERA_SERIAL_CHAR4), QStringLiteral("Y"));
    EXPECT_EQ(Shown(IDC_CAMERA_WINDOW3_END_MINUTE), QStringLiteral("12"));
    EXPECT_EQ(ClockShown(), QStringLiteral("2027-01-02 03:04:05"));
    EXPECT_FALSE(Enabled(IDC_CAMERA_PIR_MINUTES));
    EXPECT_TRUE(Enabled(IDC_CAMERA_INTERVAL_HOURS));
    EXPECT_TRUE(Enabled(IDC_CAMERA_SERIAL_CHAR1));
    EXPECT_TRUE(Enabled(IDC_CAMERA_WINDOW1_START_HOUR));

    Generate();
    std::string expected = onCard;
    expected.replace(expected.find("2020-01-02 03:04:05"), 19, "2027-01-02 03:04:05");
    EXPECT_EQ(Written(), expected);
}

TEST_F(CameraDlgTest, AFileTheFormCannotShowChangesNothing) {
    Pick(IDC_CAMERA_MODE, QStringLiteral("Video"));
    const CameraSettings before = form.ReadSettings();
    CameraSettings onCard;
    onCard.serialNumber = {'T', 'E', '$', 'T'};
    PutOnCard(kCameraSet, kCameraScrambleKey, ComposeCameraSettingsText(onCard));
    LoadFromCard();
    EXPECT_EQ(
        platform.messages.last(),
        QStringLiteral(
            "%1\nIt holds a value that the form does not offer: the "
            "list \"Serial number character 3\" has no item $.\nNothing in the form was changed.")
            .arg(InFolder(dir.path(), kCameraSet)));
    EXPECT_EQ(form.ReadSettings(), before);

    onCard = CameraSettings{};
    onCard.mode = 3;
    PutOnCard(kCameraSet, kCameraScrambleKey, ComposeCameraSettingsText(onCard));
    LoadFromCard();
    EXPECT_TRUE(
        platform.messages.last().contains(QStringLiteral("the list \"Mode\" has no item 3")))
        << platform.messages.last().toStdString();
    EXPECT_EQ(form.ReadSettings(), before);

    // A working window over midnight: every list has its item, but "Generate" would refuse it.
    onCard = CameraSettings{};
    onCard.timers[0] = {20, 0, 6, 0};
    PutOnCard(kCameraSet, kCameraScrambleKey, ComposeCameraSettingsText(onCard));
    LoadFromCard();
    EXPECT_EQ(platform.messages.last(),
              QStringLiteral("%1\nTimer 1 set error !\nStar time need < End time "
                             ".\nNothing in the form was changed.")
                  .arg(InFolder(dir.path(), kCameraSet)));
    EXPECT_EQ(form.ReadSettings(), before);
}

TEST_F(CameraDlgTest, SwitchedOffListsAreWrittenAllTheSame) {
    ChooseFolder(dir.path());
    Pick(IDC_CAMERA_SERIAL_NUMBER, QStringLiteral("On"));
    SetSerial("0A9Z");
    Pick(IDC_CAMERA_SERIAL_NUMBER, QStringLiteral("Off"));
    Pick(IDC_CAMERA_FIXED_TIME, QStringLiteral("On"));
    SetWindow(kWindow1, {8, 0, 18, 0});
    SetWindow(kWindow3, {0, 0, 0, 30});
    Pick(IDC_CAMERA_FIXED_TIME, QStringLiteral("Off"));
    Generate();

    const std::string text = Written();
    for (const char* line : {"SNUM=0\nSNUMS=0A9Z\n", "TIMER=0\n", "TIMERT1=08:00 18:00\n",
                             "TIMERT2=00:00 00:00\n", "TIMERT3=00:00 00:30\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
    }
}

TEST_F(CameraDlgTest, WrongWindowShowsItsMessageAndLeavesTheOlderFile) {
    ChooseFolder(dir.path());
    WriteFileBytes(dir.filePath(kCameraSet), "older settings");
    Pick(IDC_CAMERA_FIXED_TIME, QStringLiteral("On"));
    SetWindow(kWindow1, {18, 0, 8, 0});
    SetWindow(kWindow3, {12, 0, 12, 0});
    Pick(IDC_CAMERA_FIXED_TIME, QStringLiteral("Off"));
    Generate();
    EXPECT_EQ(platform.messages,
              QStringList{QStringLiteral("Timer 1 set error !\nStar time need < End time .")});
    EXPECT_EQ(ReadFileBytes(dir.filePath(kCameraSet)), "older settings");
    EXPECT_EQ(FolderContents(), QStringList{kCameraSet});
    EXPECT_EQ(Shown(IDC_CAMERA_WINDOW1_START_HOUR), QStringLiteral("18"));
    EXPECT_EQ(FolderShown(), dir.path());
}

TEST_F(CameraDlgTest, MissingFolderShowsThePathAndKeepsEveryValue) {
    const QString missing = dir.filePath(QStringLiteral("gone"));
    ChooseFolder(missing);
    Pick(IDC_CAMERA_PHOTO_RESOLUTION, QStringLiteral("8M"));
    Generate();
    const QString shown =
        InFolder(missing, kCameraSet) + QStringLiteral(
                                            "\nThere is no such folder: is the card in "
                                            "its slot, or was another folder meant?");
    EXPECT_EQ(platform.messages, QStringList{shown});
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_EQ(FolderShown(), missing);
    EXPECT_EQ(Shown(IDC_CAMERA_PHOTO_RESOLUTION), QStringLiteral("8M"));
    Click(IDC_CAMERA_GET_TIME);
    EXPECT_EQ(FolderShown(), missing);
    Generate();
    EXPECT_EQ(platform.messages.size(), 2);
    EXPECT_EQ(platform.messages.last(), shown);
}

TEST_F(CameraDlgTest, DefaultFolderGivesTheRootAndItsOwnSeparator) {
#if defined(_WIN32)
    // Drive C: may take new files; a read-only file there is refused all the same.
    const QString older = QStringLiteral("C:/CameraSet.dat");
    if (QFile::exists(older)) {
        GTEST_SKIP() << "C:\\CameraSet.dat exists already";
    }
    WriteFileBytes(older, "older settings");
    QFile::setPermissions(older, QFileDevice::ReadOwner);
    Generate();
    QFile::setPermissions(older, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(ReadFileBytes(older), "older settings");
    QFile::remove(older);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].section(u'\n', 0, 0), QStringLiteral("C:\\\\CameraSet.dat"));
#else
    if (RunningAsRoot()) {
        GTEST_SKIP() << "the superuser may write into the root folder";
    }
    Generate();
    EXPECT_EQ(platform.messages,
              QStringList{QStringLiteral("//CameraSet.dat\nThis folder may not be written to: "
                                         "choose the card's folder with \"Select\" first.")});
#endif
}

TEST_F(CameraDlgTest, CancelledBrowserKeepsTheFolder) {
    ChooseFolder(dir.path());
    platform.nextFolder.reset();
    Click(IDC_CAMERA_SELECT);
    EXPECT_EQ(FolderShown(), dir.path());
    EXPECT_EQ(form.TargetFolder(), dir.path());
}

TEST_F(CameraDlgTest, ExitEndsTheFormAsCancelled) {
    Click(IDC_EXIT);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);
}

TEST(CameraDlg, EveryOpeningStartsFromTheDefaults) {
    FakePlatform platform;
    QTemporaryDir dir;
    {
        CCameraDlg first;
        first.Create();
        platform.nextFolder = dir.path();
        QTest::mouseClick(first.Button(IDC_CAMERA_SELECT), Qt::LeftButton);
        first.List(IDC_CAMERA_MODE)->setCurrentIndex(2);
    }
    CCameraDlg second;
    second.Create();
    EXPECT_EQ(second.TargetFolder(), DefaultFolder());
    EXPECT_EQ(second.List(IDC_CAMERA_MODE)->currentIndex(), 0);
}

TEST_F(CameraDlgTest, ACardPulledAfterSelectGetsNothingWrittenOnItsMountPoint) {
    if (!ScratchMount::Unavailable().empty()) {
        GTEST_SKIP() << ScratchMount::Unavailable();
    }
    const QString message = GenerateAfterTheCardIsPulled();
    EXPECT_TRUE(
        message.endsWith(QStringLiteral("/CameraSet.dat\nThe selected card is no longer "
                                        "there: nothing was written.")))
        << message.toStdString();
}

}  // namespace
