#include "camera/camera_dlg.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <array>

#include "framework/controls.h"
#include "res/dialogs.h"
#include "tests/support/fake_platform.h"
#include "tests/support/files.h"

namespace {

constexpr std::array<int, 12> kTimerLists{1056, 1057, 1058, 1060, 1061, 1062,
                                          1064, 1065, 1066, 1068, 1069, 1070};

class CameraDlgTest : public testing::Test {
protected:
    void SetUp() override {
        form.Create();
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    // Picks an item the way a user does: the list takes the focus and the keyboard moves it.
    void Pick(int id, const QString& text) {
        CComboBox* list = form.List(id);
        ASSERT_TRUE(list->isEnabled()) << id;
        const int target = list->findText(text);
        ASSERT_GE(target, 0) << text.toStdString();
        list->setFocus();
        while (list->currentIndex() < target) {
            QTest::keyClick(list, Qt::Key_Down);
        }
        while (list->currentIndex() > target) {
            QTest::keyClick(list, Qt::Key_Up);
        }
    }
    void Click(int id) { QTest::mouseClick(form.Button(id), Qt::LeftButton); }
    QString Shown(int id) { return form.List(id)->currentText(); }
    QString ClockShown() { return form.Edit(res::IDC_CLOCK)->text(); }
    QString FolderShown() { return form.Edit(res::IDC_CAMERA_FOLDER)->text(); }

    void ChooseFolder(const QString& folder) {
        platform.nextFolder = folder;
        Click(res::IDC_CAMERA_SELECT);
    }
    void SetWindow(int startHour, int startMinute, int endHour, int endMinute,
                   const std::array<int, 4>& lists) {
        const std::array<int, 4> values{startHour, startMinute, endHour, endMinute};
        for (std::size_t i = 0; i < lists.size(); ++i) {
            Pick(lists[i], QString::number(values[i]));
        }
    }

    FakePlatform platform;
    CCameraDlg form;
    QTemporaryDir dir;
    QString cameraSet = dir.filePath(QStringLiteral("CameraSet.dat"));
};

TEST_F(CameraDlgTest, OpensWithEveryDefault) {
    const std::array<std::pair<int, const char*>, 34> expected{{
        {1009, "Camera"}, {1011, "5M"},     {1013, "720P"}, {1015, "1 Photo"}, {1017, "10S"},
        {1019, "On"},     {1021, "Medium"}, {1025, "On"},   {1063, "High"},    {1028, "D/M/Y"},
        {1031, "On"},     {1039, "0"},      {1041, "5"},    {1033, "Off"},     {1043, "0"},
        {1045, "0"},      {1035, "Off"},    {1046, "T"},    {1047, "E"},       {1048, "S"},
        {1049, "T"},      {1037, "Off"},    {1056, "0"},    {1060, "0"},       {1057, "0"},
        {1061, "0"},      {1058, "0"},      {1062, "0"},    {1064, "0"},       {1068, "0"},
        {1065, "0"},      {1069, "0"},      {1066, "0"},    {1070, "0"},
    }};
    for (const auto& [id, text] : expected) {
        EXPECT_EQ(Shown(id), QString::fromLatin1(text)) << id;
    }
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Camera Setup"));
    EXPECT_EQ(ClockShown(), QStringLiteral("06-12-2026 14:05:09"));
    EXPECT_EQ(FolderShown(), QStringLiteral("/"));
    EXPECT_FALSE(form.Edit(res::IDC_CLOCK)->isEnabled());
    EXPECT_FALSE(form.Edit(res::IDC_CAMERA_FOLDER)->isEnabled());
}

TEST_F(CameraDlgTest, ListsHoldTheirItems) {
    EXPECT_EQ(form.List(1017)->count(), 4);
    EXPECT_EQ(form.List(1017)->itemText(3), QStringLiteral("60S"));
    EXPECT_EQ(form.List(1009)->itemText(2), QStringLiteral("Camera+Video"));
    EXPECT_EQ(form.List(1043)->count(), 24);
    EXPECT_EQ(form.List(1041)->count(), 60);
    EXPECT_EQ(form.List(1041)->itemText(59), QStringLiteral("59"));
    EXPECT_EQ(form.List(1046)->count(), 36);
    EXPECT_EQ(form.List(1046)->itemText(10), QStringLiteral("A"));
    EXPECT_EQ(form.List(1046)->itemText(35), QStringLiteral("Z"));
    EXPECT_EQ(form.List(1035)->itemText(0), QStringLiteral("Off"));
    for (const int id : kTimerLists) {
        EXPECT_EQ(form.List(id)->count(), id < 1060 || (id >= 1064 && id < 1068) ? 24 : 60) << id;
    }
}

TEST_F(CameraDlgTest, SwitchesEnableTheirListsAtOnAndDisableThemAtOff) {
    const std::array<std::pair<int, std::vector<int>>, 4> rules{{
        {1031, {1039, 1041}},
        {1033, {1043, 1045}},
        {1035, {1046, 1047, 1048, 1049}},
        {1037, {kTimerLists.begin(), kTimerLists.end()}},
    }};
    const std::array<bool, 4> onAtStart{true, false, false, false};
    for (std::size_t r = 0; r < rules.size(); ++r) {
        const auto& [switchId, dependents] = rules[r];
        for (const int id : dependents) {
            EXPECT_EQ(form.Item(id)->isEnabled(), onAtStart[r]) << id;
        }
        for (const char* position : {"On", "Off", "On"}) {
            Pick(switchId, QString::fromLatin1(position));
            for (const int id : dependents) {
                EXPECT_EQ(form.Item(id)->isEnabled(), QLatin1String(position) == "On") << id;
            }
            EXPECT_TRUE(form.Item(switchId)->isEnabled());
        }
    }
}

TEST_F(CameraDlgTest, DateOrderChangeTakesTheClockAgainInTheNewLayout) {
    platform.now = FakePlatform::Time(2027, 3, 4, 5, 6, 7);
    Pick(res::IDC_DATE_ORDER, QStringLiteral("Y/M/D"));
    EXPECT_EQ(ClockShown(), QStringLiteral("2027-03-04 05:06:07"));
    platform.now = FakePlatform::Time(2027, 3, 4, 5, 6, 8);
    Click(res::IDC_GET_TIME);
    EXPECT_EQ(ClockShown(), QStringLiteral("2027-03-04 05:06:08"));
    Pick(res::IDC_DATE_ORDER, QStringLiteral("M/D/Y"));
    EXPECT_EQ(ClockShown(), QStringLiteral("03-04-2027 05:06:08"));
}

TEST_F(CameraDlgTest, GetTimeKeepsTheFolderShown) {
    ChooseFolder(dir.path());
    platform.now = FakePlatform::Time(2026, 12, 6, 14, 6, 0);
    Click(res::IDC_GET_TIME);
    EXPECT_EQ(ClockShown(), QStringLiteral("06-12-2026 14:06:00"));
    EXPECT_EQ(FolderShown(), dir.path());
}

TEST_F(CameraDlgTest, DefaultRestoresListsAndRulesButKeepsFolderAndClock) {
    ChooseFolder(dir.path());
    Pick(1009, QStringLiteral("Video"));
    Pick(1011, QStringLiteral("12M"));
    Pick(1033, QStringLiteral("On"));
    Pick(1043, QStringLiteral("7"));
    Pick(1035, QStringLiteral("On"));
    Pick(1046, QStringLiteral("Z"));
    Pick(1037, QStringLiteral("On"));
    Pick(1056, QStringLiteral("9"));
    Pick(1031, QStringLiteral("Off"));
    platform.now = FakePlatform::Time(2026, 12, 6, 15, 0, 0);

    Click(res::IDC_CAMERA_DEFAULT);
    EXPECT_EQ(form.ReadSettings().mode, 0);
    const CameraSettings settings = form.ReadSettings();
    const CameraSettings defaults;
    EXPECT_EQ(settings.photoResolution, defaults.photoResolution);
    EXPECT_EQ(settings.timeInterval, 0);
    EXPECT_EQ(settings.timeIntervalHours, 0);
    EXPECT_EQ(settings.serialNumberOn, 0);
    EXPECT_EQ(settings.serialNumber, defaults.serialNumber);
    EXPECT_EQ(settings.timers[0].startHour, 0);
    EXPECT_EQ(settings.pirInterval, 1);
    EXPECT_FALSE(form.Item(1043)->isEnabled());
    EXPECT_FALSE(form.Item(1046)->isEnabled());
    EXPECT_FALSE(form.Item(1056)->isEnabled());
    EXPECT_TRUE(form.Item(1039)->isEnabled());
    EXPECT_EQ(FolderShown(), dir.path());
    // The date order did not change, so neither did the clock.
    EXPECT_EQ(ClockShown(), QStringLiteral("06-12-2026 14:05:09"));
}

TEST_F(CameraDlgTest, DefaultAfterAnotherDateOrderTakesTheClockInTheDefaultLayout) {
    Pick(res::IDC_DATE_ORDER, QStringLiteral("Y/M/D"));
    EXPECT_EQ(ClockShown(), QStringLiteral("2026-12-06 14:05:09"));
    platform.now = FakePlatform::Time(2026, 12, 6, 15, 0, 0);
    Click(res::IDC_CAMERA_DEFAULT);
    EXPECT_EQ(Shown(res::IDC_DATE_ORDER), QStringLiteral("D/M/Y"));
    EXPECT_EQ(ClockShown(), QStringLiteral("06-12-2026 15:00:00"));
}

TEST_F(CameraDlgTest, EnterAndEscapeDoNothing) {
    for (const int id : {1009, 1041, res::IDC_CAMERA_GENERATE, res::IDC_EXIT}) {
        form.Item(id)->setFocus();
        QTest::keyClick(form.Item(id), Qt::Key_Return);
        QTest::keyClick(form.Item(id), Qt::Key_Escape);
    }
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(CameraDlgTest, ATimeListLeftWithoutAnItemGetsItsFirst) {
    Pick(res::IDC_FIXED_TIME, QStringLiteral("On"));
    CComboBox* list = form.List(1062);
    list->setCurrentIndex(-1);
    list->showPopup();
    list->hidePopup();
    EXPECT_EQ(list->currentText(), QStringLiteral("0"));
    Pick(1062, QStringLiteral("45"));
    list->showPopup();
    list->hidePopup();
    EXPECT_EQ(list->currentText(), QStringLiteral("45"));
}

TEST_F(CameraDlgTest, GenerateWithDefaultsWritesTheWorkedExample) {
    ChooseFolder(dir.path());
    Click(res::IDC_CAMERA_GENERATE);
    EXPECT_EQ(platform.messages,
              QStringList{QStringLiteral("System configuration file has been generated.")});
    const QByteArray bytes = ReadFileBytes(cameraSet);
    ASSERT_EQ(bytes.size(), 218);
    EXPECT_EQ(Unscramble(bytes, kCameraScrambleKey),
              "MODE=0\nPRES=2\nMRES=1\nIMGB=0\nVLEN=0\nBEEP=1\nSENL=1\nTSTP=1\nIRLED=1\nYMD=1\n"
              "CLK=06-12-2026 14:05:09\nPINV=1\nPINVT=00:05\nTINV=0\nTINVT=00:00\nSNUM=0\n"
              "SNUMS=TEST\nTIMER=0\nTIMERT1=00:00 00:00\nTIMERT2=00:00 00:00\n"
              "TIMERT3=00:00 00:00\n");
    EXPECT_EQ(bytes.count('\x01'), 21);
    EXPECT_EQ(FolderShown(), dir.path());
    EXPECT_EQ(ClockShown(), QStringLiteral("06-12-2026 14:05:09"));
}

TEST_F(CameraDlgTest, GenerateWritesWhatTheListsShow) {
    ChooseFolder(dir.path());
    Pick(1009, QStringLiteral("Camera+Video"));
    Pick(1017, QStringLiteral("60S"));
    Pick(1063, QStringLiteral("Medium"));
    Pick(1039, QStringLiteral("1"));
    Pick(1041, QStringLiteral("30"));
    Pick(1033, QStringLiteral("On"));
    Pick(1043, QStringLiteral("2"));
    Pick(1045, QStringLiteral("15"));
    Pick(1035, QStringLiteral("On"));
    Pick(1046, QStringLiteral("0"));
    Pick(1047, QStringLiteral("A"));
    Pick(1048, QStringLiteral("9"));
    Pick(1049, QStringLiteral("Z"));
    Pick(1035, QStringLiteral("Off"));  // the serial number is written all the same
    Pick(1037, QStringLiteral("On"));
    SetWindow(8, 0, 18, 0, {1056, 1060, 1064, 1068});
    SetWindow(0, 0, 0, 30, {1058, 1062, 1066, 1070});
    Pick(1037, QStringLiteral("Off"));  // and so are the windows
    Click(res::IDC_CAMERA_GENERATE);

    const std::string text = Unscramble(ReadFileBytes(cameraSet), kCameraScrambleKey);
    for (const char* line :
         {"MODE=2\n", "VLEN=3\n", "IRLED=0\n", "PINVT=01:30\n", "TINV=1\n", "TINVT=02:15\n",
          "SNUM=0\nSNUMS=0A9Z\n", "TIMER=0\n", "TIMERT1=08:00 18:00\n", "TIMERT2=00:00 00:00\n",
          "TIMERT3=00:00 00:30\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
    }
}

TEST_F(CameraDlgTest, WrongWindowShowsItsMessageAndLeavesTheOlderFile) {
    ChooseFolder(dir.path());
    WriteFileBytes(cameraSet, "older settings");
    Pick(1037, QStringLiteral("On"));
    SetWindow(18, 0, 8, 0, {1056, 1060, 1064, 1068});
    SetWindow(12, 0, 12, 0, {1058, 1062, 1066, 1070});
    Pick(1037, QStringLiteral("Off"));
    Click(res::IDC_CAMERA_GENERATE);
    EXPECT_EQ(platform.messages,
              QStringList{QStringLiteral("Timer 1 set error !\nStar time need < End time .")});
    EXPECT_EQ(ReadFileBytes(cameraSet), "older settings");
    EXPECT_EQ(FolderEntries(dir.path()), QStringList{QStringLiteral("CameraSet.dat")});
    EXPECT_EQ(Shown(1056), QStringLiteral("18"));
    EXPECT_EQ(FolderShown(), dir.path());
}

TEST_F(CameraDlgTest, MissingFolderShowsThePathAndKeepsEveryValue) {
    const QString missing = dir.filePath(QStringLiteral("gone"));
    ChooseFolder(missing);
    Pick(1011, QStringLiteral("8M"));
    Click(res::IDC_CAMERA_GENERATE);
    EXPECT_EQ(platform.messages, QStringList{missing + QStringLiteral("/CameraSet.dat")});
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_EQ(FolderShown(), missing);
    EXPECT_EQ(Shown(1011), QStringLiteral("8M"));
    Click(res::IDC_GET_TIME);
    EXPECT_EQ(FolderShown(), missing);
    Click(res::IDC_CAMERA_GENERATE);
    EXPECT_EQ(platform.messages.size(), 2);
    EXPECT_EQ(platform.messages.last(), missing + QStringLiteral("/CameraSet.dat"));
}

TEST_F(CameraDlgTest, DefaultFolderGivesTheRootAndItsOwnSeparator) {
    if (RunningAsRoot()) {
        GTEST_SKIP() << "the superuser may write into the root folder";
    }
    Click(res::IDC_CAMERA_GENERATE);
    EXPECT_EQ(platform.messages, QStringList{QStringLiteral("//CameraSet.dat")});
}

TEST_F(CameraDlgTest, FullCardShowsPathAndReasonNeverSuccessAndKeepsTheOlderFile) {
    ChooseFolder(dir.path());
    WriteFileBytes(cameraSet, "older settings");
    {
        const FileSizeLimit full(100);
        Click(res::IDC_CAMERA_GENERATE);
    }
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].startsWith(cameraSet + QStringLiteral("\n")))
        << platform.messages[0].toStdString();
    EXPECT_FALSE(platform.messages[0].contains(QStringLiteral("generated")));
    EXPECT_EQ(ReadFileBytes(cameraSet), "older settings");
    EXPECT_EQ(FolderEntries(dir.path()), QStringList{QStringLiteral("CameraSet.dat")});
}

TEST_F(CameraDlgTest, CancelledBrowserKeepsTheFolder) {
    ChooseFolder(dir.path());
    platform.nextFolder.reset();
    Click(res::IDC_CAMERA_SELECT);
    EXPECT_EQ(FolderShown(), dir.path());
    EXPECT_EQ(form.TargetFolder(), dir.path().toStdString());
}

TEST_F(CameraDlgTest, ExitEndsTheFormAsCancelled) {
    Click(res::IDC_EXIT);
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
        QTest::mouseClick(first.Button(res::IDC_CAMERA_SELECT), Qt::LeftButton);
        first.List(1009)->setCurrentIndex(2);
    }
    CCameraDlg second;
    second.Create();
    EXPECT_EQ(second.TargetFolder(), "/");
    EXPECT_EQ(second.List(1009)->currentIndex(), 0);
}

}  // namespace
