// The writer's failures as Windows makes them.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "core/settings_file.h"
#include "tests/support/files.h"
#include "tests/support/wine.h"

namespace {

using Status = SettingsFileOutcome::Status;

const std::string kText = "MODE=0\nPRES=2\nBEEP=1\n";

// The 8-bit path of `folder`, as the folder browser gives it to the writer.
std::string EightBit(const QString& folder) {
    return QDir::toNativeSeparators(folder).toLocal8Bit().toStdString();
}

SettingsFileOutcome Write(const std::string& folder,
                          std::optional<FolderDevice> selected = std::nullopt) {
    return WriteSettingsFile(
        folder, kCameraSetFileName, kCameraScrambleKey, [] { return kText; }, selected);
}

// Drive letter T: leads to a folder of its own, whose volume serial number is written in its
// root (Wine reads it there): changing the number swaps the card under the letter.
constexpr const char* kCardDrive = "T:\\";

void SetVolumeSerial(const char* serial) {
    WriteFileBytes(QStringLiteral("T:/.windows-serial"), serial);
}

TEST(WriteSettingsFileOnWindows, FolderWithLettersBeyondAsciiIsWrittenAndReplacesTheOlderFile) {
    QTemporaryDir dir;
    // "Karte-ä": a letter of the system's code page.
    const QString folder = dir.filePath(QStringLiteral("Karte-%1").arg(QChar(0xE4)));
    ASSERT_TRUE(QDir().mkpath(folder));
    WriteFileBytes(QDir(folder).filePath(QStringLiteral("CameraSet.dat")), "older settings");
    const SettingsFileOutcome outcome = Write(EightBit(folder));
    EXPECT_EQ(outcome.status, Status::Written) << outcome.reason.message();
    EXPECT_EQ(Unscramble(ReadFileBytes(QDir(folder).filePath(QStringLiteral("CameraSet.dat"))),
                         kCameraScrambleKey),
              kText);
    EXPECT_EQ(FolderEntries(folder), QStringList{QStringLiteral("CameraSet.dat")});
}

TEST(WriteSettingsFileOnWindows, ReadOnlyOlderFileIsRefusedWithExactlyThePathAndKept) {
    QTemporaryDir dir;
    const QString older = dir.filePath(QStringLiteral("CameraSet.dat"));
    WriteFileBytes(older, "older settings");
    ASSERT_TRUE(QFile::setPermissions(older, QFileDevice::ReadOwner));
    const std::string folder = EightBit(dir.path());
    const SettingsFileOutcome outcome = Write(folder);
    EXPECT_EQ(outcome.status, Status::CannotOpen);
    EXPECT_EQ(outcome.path, folder + "\\CameraSet.dat");
    EXPECT_EQ(FolderEntries(dir.path()), QStringList{QStringLiteral("CameraSet.dat")});
    EXPECT_EQ(ReadFileBytes(older), "older settings");
    QFile::setPermissions(older, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST(WriteSettingsFileOnWindows, CardSwappedUnderItsDriveLetterIsNotWritten) {
    if (RunningUnderWine()) {
        GTEST_SKIP() << "Wine reads a drive's volume serial number once a process, so a card "
                        "swapped under T: keeps its first number";
    }
    if (!QDir(QString::fromLatin1(kCardDrive)).exists()) {
        GTEST_SKIP() << "no drive T: that leads to a folder of its own";
    }
    SetVolumeSerial("1a2b3c4d\n");
    const std::optional<FolderDevice> selected = ReadFolderDevice(kCardDrive);
    ASSERT_TRUE(selected);
    EXPECT_EQ(Write(kCardDrive, selected).status, Status::Written);
    QFile::remove(QStringLiteral("T:/CameraSet.dat"));

    SetVolumeSerial("5e6f7a8b\n");
    ASSERT_NE(ReadFolderDevice(kCardDrive), selected);
    const SettingsFileOutcome outcome = Write(kCardDrive, selected);
    EXPECT_EQ(outcome.status, Status::CardGone);
    EXPECT_EQ(outcome.path, "T:\\\\CameraSet.dat");
    EXPECT_EQ(outcome.reason, FileProblem::NotOnTheCard);
    EXPECT_FALSE(QFile::exists(QStringLiteral("T:/CameraSet.dat")));
    QFile::remove(QStringLiteral("T:/.windows-serial"));
}

}  // namespace
