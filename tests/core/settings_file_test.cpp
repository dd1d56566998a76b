#include "core/settings_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "core/settings_text.h"
#include "tests/support/files.h"

namespace {

class WriteSettingsFileTest : public testing::Test {
protected:
    std::string Folder() const { return dir.path().toStdString(); }
    QString FilePath() const { return dir.filePath(QStringLiteral("CameraSet.dat")); }

    SettingsFileOutcome Write(const std::string& text, const std::string& folder) {
        ++composed;
        return WriteSettingsFile(folder, kCameraSetFileName, kCameraScrambleKey,
                                 [&] { return text; });
    }
    SettingsFileOutcome Write(const std::string& text) { return Write(text, Folder()); }

    QTemporaryDir dir;
    int composed = 0;
};

TEST_F(WriteSettingsFileTest, PathIsFolderAndFileNameSideBySide) {
    EXPECT_EQ(ComposeSettingsFilePath("/", kCameraSetFileName), "//CameraSet.dat");
    EXPECT_EQ(ComposeSettingsFilePath("/media/card", kSmtpSetFileName), "/media/card/SmtpSet.dat");
    EXPECT_EQ(ComposeSettingsFilePath("/media/card", kMmsSetFileName), "/media/card/MmsSet.dat");
}

TEST_F(WriteSettingsFileTest, WritesTheScrambledTextAndNothingElse) {
    const SettingsFileOutcome outcome = Write("MODE=0\nPRES=2\n");
    ASSERT_TRUE(outcome.Written()) << outcome.message;
    EXPECT_EQ(outcome.message, "System configuration file has been generated.");
    const QByteArray bytes = ReadFileBytes(FilePath());
    EXPECT_EQ(bytes.size(), 14);
    EXPECT_EQ(Unscramble(bytes, kCameraScrambleKey), "MODE=0\nPRES=2\n");
    EXPECT_EQ(FolderEntries(dir.path()), QStringList{QStringLiteral("CameraSet.dat")});
}

TEST_F(WriteSettingsFileTest, ReplacesAnOlderFileAsAWhole) {
    WriteFileBytes(FilePath(), QByteArray(500, 'x'));
    ASSERT_TRUE(Write("MODE=1\n").Written());
    EXPECT_EQ(Unscramble(ReadFileBytes(FilePath()), kCameraScrambleKey), "MODE=1\n");
}

TEST_F(WriteSettingsFileTest, FolderThatDoesNotExistShowsExactlyThePath) {
    const std::string folder = Folder() + "/no-such-folder";
    const SettingsFileOutcome outcome = Write("MODE=0\n", folder);
    EXPECT_EQ(outcome.status, SettingsFileOutcome::Status::CannotOpen);
    EXPECT_EQ(outcome.message, folder + "/CameraSet.dat");
    EXPECT_TRUE(FolderEntries(dir.path()).isEmpty());
}

TEST_F(WriteSettingsFileTest, FolderBelowARegularFileCannotBeOpened) {
    WriteFileBytes(dir.filePath(QStringLiteral("plain")), "data");
    const SettingsFileOutcome outcome = Write("MODE=0\n", Folder() + "/plain");
    EXPECT_EQ(outcome.status, SettingsFileOutcome::Status::CannotOpen);
    EXPECT_EQ(outcome.message, Folder() + "/plain/CameraSet.dat");
    EXPECT_EQ(ReadFileBytes(dir.filePath(QStringLiteral("plain"))), "data");
}

TEST_F(WriteSettingsFileTest, AFolderWhereTheFileShouldBeIsNotReplaced) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("CameraSet.dat")));
    const SettingsFileOutcome outcome = Write("MODE=0\n");
    EXPECT_EQ(outcome.status, SettingsFileOutcome::Status::CannotOpen);
    EXPECT_TRUE(QFileInfo(FilePath()).isDir());
}

TEST_F(WriteSettingsFileTest, ReadOnlyFileIsRefusedAndKept) {
    if (RunningAsRoot()) {
        GTEST_SKIP() << "permission bits do not bind the superuser";
    }
    WriteFileBytes(FilePath(), "old");
    QFile::setPermissions(FilePath(), QFile::ReadOwner);
    const SettingsFileOutcome outcome = Write("MODE=0\n");
    EXPECT_EQ(outcome.status, SettingsFileOutcome::Status::CannotOpen);
    EXPECT_EQ(outcome.message, FilePath().toStdString());
    EXPECT_EQ(ReadFileBytes(FilePath()), "old");
}

TEST_F(WriteSettingsFileTest, FullMediumReportsPathAndReasonAndKeepsTheOlderFile) {
    WriteFileBytes(FilePath(), "older settings");
    SettingsFileOutcome outcome{SettingsFileOutcome::Status::Written, {}};
    {
        const FileSizeLimit full(100);
        outcome = Write(std::string(200, 'A'));
    }
    EXPECT_EQ(outcome.status, SettingsFileOutcome::Status::Failed);
    EXPECT_EQ(outcome.message.rfind(FilePath().toStdString() + "\n", 0), 0u) << outcome.message;
    EXPECT_NE(outcome.message.find("too large"), std::string::npos) << outcome.message;
    EXPECT_EQ(ReadFileBytes(FilePath()), "older settings");
    EXPECT_EQ(FolderEntries(dir.path()), QStringList{QStringLiteral("CameraSet.dat")});
}

TEST_F(WriteSettingsFileTest, TextBeyondTheCapacityIsRefusedBeforeAnythingIsOpened) {
    WriteFileBytes(FilePath(), "older settings");
    const SettingsFileOutcome outcome = Write(std::string(kSettingsTextCapacity, 'A'));
    EXPECT_EQ(outcome.status, SettingsFileOutcome::Status::Refused);
    EXPECT_NE(outcome.message.find("3000 bytes, at most 2999"), std::string::npos)
        << outcome.message;
    EXPECT_EQ(ReadFileBytes(FilePath()), "older settings");
    EXPECT_EQ(FolderEntries(dir.path()), QStringList{QStringLiteral("CameraSet.dat")});
}

TEST_F(WriteSettingsFileTest, TextOfExactlyTheLargestLengthIsWritten) {
    const SettingsFileOutcome outcome = Write(std::string(kMaxSettingsTextLength, 'A'));
    ASSERT_TRUE(outcome.Written()) << outcome.message;
    EXPECT_EQ(ReadFileBytes(FilePath()).size(), 2999);
}

}  // namespace
