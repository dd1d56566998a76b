#include "core/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/settings_text.h"
#include "core/temporary_file.h"
#include "tests/support/files.h"
#include "tests/support/ordinary_user.h"
#include "tests/support/scratch_mount.h"

// Statuses by name in failure reports.
static void PrintTo(SettingsFileOutcome::Status status, std::ostream* out) {
    constexpr const char* kNames[] = {"Written", "Refused",          "CardGone", "CannotOpen",
                                      "Failed",  "WrittenUnchecked", "Replaced"};
    *out << kNames[static_cast<int>(status)];
}

namespace {

using Status = SettingsFileOutcome::Status;

// One of the three settings files with its scrambling key.
struct SettingsFileKind {
    const std::string* fileName;
    const ScrambleKey* key;
};

void PrintTo(const SettingsFileKind& kind, std::ostream* out) {
    *out << kind.fileName->substr(1);
}

constexpr std::array<SettingsFileKind, 3> kKinds{{
    {&kCameraSetFileName, &kCameraScrambleKey},
    {&kMmsSetFileName, &kMmsScrambleKey},
    {&kSmtpSetFileName, &kSmtpScrambleKey},
}};

std::error_code Errc(std::errc error) {
    return std::make_error_code(error);
}

class WriteSettingsFileTest : public testing::TestWithParam<SettingsFileKind> {
protected:
    const std::string& FileName() const { return *GetParam().fileName; }
    // The file's name without its leading separator.
    QString Name() const { return QString::fromStdString(FileName().substr(1)); }
    QString Sub(const QString& name) const { return dir.filePath(name); }
    QString FileIn(const QString& folder) const { return QDir(folder).filePath(Name()); }

    SettingsFileOutcome Write(const QString& folder,
                              std::optional<FolderDevice> selected = std::nullopt) const {
        return WriteSettingsFile(
            folder.toStdString(), FileName(), *GetParam().key, [this] { return text; }, selected);
    }
    std::string Unscrambled(const QString& path) const {
        return Unscramble(ReadFileBytes(path), *GetParam().key);
    }
    QString MakeFolder(const QString& name) const {
        EXPECT_TRUE(QDir(dir.path()).mkdir(name));
        return Sub(name);
    }
    // Writes into `folder` and expects the write to fail with `status` and `reason`, naming the
    // file's path and leaving the folder as it was: no new file, no temporary file, an older file
    // byte for byte.
    void ExpectFailure(const QString& folder, Status status, std::error_code reason,
                       std::optional<FolderDevice> selected = std::nullopt) const {
        const QMap<QString, QByteArray> before = FolderContents(folder);
        const SettingsFileOutcome outcome = Write(folder, selected);
        EXPECT_EQ(outcome.status, status);
        EXPECT_EQ(outcome.reason, reason) << outcome.reason.message();
        EXPECT_EQ(outcome.path, FileIn(folder).toStdString());
        EXPECT_EQ(FolderContents(folder), before);
    }
    // Writes into `folder` as an ordinary user and expects `status` with `reason`.
    void ExpectAsOrdinaryUser(const QString& folder, Status status, std::error_code reason) const {
        const SettingsFileOutcome outcome = AsOrdinaryUser([&] { return Write(folder); });
        EXPECT_EQ(outcome.status, status);
        EXPECT_EQ(outcome.reason, reason) << outcome.reason.message();
    }
    // On a tmpfs of the test's own, first without and then with an older file on it: once
    // `spoil` has made the medium unusable, writing fails with `status` and the reason for each,
    // and the medium is left as it was.
    void ExpectFailureOnSpoiltCard(bool (ScratchMount::*spoil)(), Status status,
                                   std::error_code withoutOlder, std::error_code withOlder) const {
        for (const bool older : {false, true}) {
            SCOPED_TRACE(older ? "with an older file" : "without an older file");
            const QString card = MakeFolder(older ? QStringLiteral("old") : QStringLiteral("new"));
            ScratchMount mount(card, "size=64k,nr_inodes=16");
            ASSERT_TRUE(mount.Mounted());
            if (older) {
                WriteFileBytes(FileIn(card), "older settings");
            }
            ASSERT_TRUE((mount.*spoil)());
            ExpectFailure(card, status, older ? withOlder : withoutOlder);
        }
    }
    // Lets an ordinary user into the test's folder.
    void OpenToOrdinaryUser() const { SetMode(dir.path(), 0777); }

    std::string text = "MODE=0\nPRES=2\nBEEP=1\n";
    QTemporaryDir dir;
};

INSTANTIATE_TEST_SUITE_P(EachFile, WriteSettingsFileTest, testing::ValuesIn(kKinds),
                         [](const testing::TestParamInfo<SettingsFileKind>& info) {
                             const std::string& name = *info.param.fileName;
                             return name.substr(1, name.find('.') - 1);
                         });

#define SKIP_UNLESS_MOUNTING_WORKS()                                                \
    if (const std::string& reason = ScratchMount::Unavailable(); !reason.empty()) { \
        GTEST_SKIP() << reason;                                                     \
    }

TEST(ComposeSettingsFilePath, PutsFolderAndFileNameSideBySide) {
    EXPECT_EQ(ComposeSettingsFilePath("/", kCameraSetFileName), "//CameraSet.dat");
    EXPECT_EQ(ComposeSettingsFilePath("/media/card", kSmtpSetFileName), "/media/card/SmtpSet.dat");
    EXPECT_EQ(ComposeSettingsFilePath("/media/card", kMmsSetFileName), "/media/card/MmsSet.dat");
}

TEST_P(WriteSettingsFileTest, WritesTheScrambledTextAndNothingElse) {
    const SettingsFileOutcome outcome = Write(dir.path());
    ASSERT_TRUE(outcome.Written()) << outcome.reason.message();
    EXPECT_EQ(outcome.path, FileIn(dir.path()).toStdString());
    EXPECT_EQ(ReadFileBytes(FileIn(dir.path())).size(), static_cast<qsizetype>(text.size()));
    EXPECT_EQ(Unscrambled(FileIn(dir.path())), text);
    EXPECT_EQ(FolderEntries(dir.path()), QStringList{Name()});
}

TEST_P(WriteSettingsFileTest, ReplacesAnOlderFileAsAWholeAndKeepsItsPermissions) {
    // 0640 passes the usual mask unchanged; 0666 loses bits to it that are given back.
    const mode_t mask = ::umask(022);
    for (const unsigned mode : {0640u, 0666u}) {
        SCOPED_TRACE(mode);
        WriteFileBytes(FileIn(dir.path()), QByteArray(500, 'x'));
        ASSERT_EQ(::chmod(QFile::encodeName(FileIn(dir.path())).constData(), mode), 0);
        ASSERT_TRUE(Write(dir.path()).Written());
        EXPECT_EQ(Unscrambled(FileIn(dir.path())), text);
        struct stat info {};
        ASSERT_EQ(::stat(QFile::encodeName(FileIn(dir.path())).constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, mode);
        EXPECT_EQ(FolderEntries(dir.path()), QStringList{Name()});
    }
    ::umask(mask);
}

TEST_P(WriteSettingsFileTest, MissingFolderIsToldFromTheFile) {
    const QString never = Sub(QStringLiteral("no-such-folder"));
    ExpectFailure(never, Status::CannotOpen, FileProblem::NoSuchFolder);

    // Selected, then removed before "Generate".
    const QString removed = MakeFolder(QStringLiteral("removed"));
    const std::optional<FolderDevice> device = ReadFolderDevice(removed.toStdString());
    ASSERT_TRUE(device);
    ASSERT_TRUE(QDir(removed).removeRecursively());
    ExpectFailure(removed, Status::CannotOpen, FileProblem::NoSuchFolder, device);
    EXPECT_TRUE(FolderEntries(dir.path()).isEmpty());
}

TEST_P(WriteSettingsFileTest, FolderThatIsARegularFileIsNoFolder) {
    const QString below = Sub(QStringLiteral("plain"));
    WriteFileBytes(below, "data");
    const QMap<QString, QByteArray> before = FolderContents(dir.path());
    ExpectFailure(below, Status::CannotOpen, FileProblem::NotAFolder);
    EXPECT_EQ(FolderContents(dir.path()), before);
}

TEST_P(WriteSettingsFileTest, AFolderInPlaceOfTheFileIsNotReplaced) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(Name()));
    ExpectFailure(dir.path(), Status::CannotOpen, Errc(std::errc::is_a_directory));
}

TEST_P(WriteSettingsFileTest, ReadOnlyOlderFileIsRefusedAndKept) {
    OpenToOrdinaryUser();
    WriteFileBytes(FileIn(dir.path()), "older settings");
    SetMode(FileIn(dir.path()), 0444);
    const QMap<QString, QByteArray> before = FolderContents(dir.path());
    ExpectAsOrdinaryUser(dir.path(), Status::CannotOpen, Errc(std::errc::permission_denied));
    EXPECT_EQ(FolderContents(dir.path()), before);
}

TEST_P(WriteSettingsFileTest, FileSizeLimitReportsPathAndReasonAndKeepsTheOlderFile) {
    WriteFileBytes(FileIn(dir.path()), "older settings");
    text = std::string(200, 'A');
    const FileSizeLimit full(100);
    ExpectFailure(dir.path(), Status::Failed, Errc(std::errc::file_too_large));
}

TEST_P(WriteSettingsFileTest, FullMediumReportsPathAndReasonAndKeepsTheOlderFile) {
    SKIP_UNLESS_MOUNTING_WORKS();
    ExpectFailureOnSpoiltCard(&ScratchMount::FillBlocks, Status::Failed,
                              Errc(std::errc::no_space_on_device),
                              Errc(std::errc::no_space_on_device));
}

TEST_P(WriteSettingsFileTest, NoFreeInodesIsTheSystemsReasonAndKeepsTheOlderFile) {
    SKIP_UNLESS_MOUNTING_WORKS();
    ExpectFailureOnSpoiltCard(&ScratchMount::FillInodes, Status::CannotOpen,
                              Errc(std::errc::no_space_on_device),
                              Errc(std::errc::no_space_on_device));
}

TEST_P(WriteSettingsFileTest, ReadOnlyMediumIsRefusedAndKeepsTheOlderFile) {
    SKIP_UNLESS_MOUNTING_WORKS();
    // An older file there may not be written to, as on any medium that forbids it.
    ExpectFailureOnSpoiltCard(&ScratchMount::RemountReadOnly, Status::CannotOpen,
                              Errc(std::errc::read_only_file_system),
                              Errc(std::errc::permission_denied));
}

// Failures the system gives only on a real card that fails or is pulled: a card pulled while its
// file is made is told by its folder, whatever the system said.
TEST(WhyUnfinished, IsTheCardsGoingWhereItWentElseTheSystemsReason) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    const std::optional<FolderDevice> card = ReadFolderDevice(folder);
    ASSERT_TRUE(card);
    const std::error_code io = Errc(std::errc::io_error);
    const std::error_code removed = FileProblem::CardRemoved;
    EXPECT_EQ(WhyUnfinished(folder, card, io), io);
    EXPECT_EQ(WhyUnfinished(folder, card, Errc(std::errc::no_such_device)), removed);
    // The folder now lies on another device, or is gone.
    EXPECT_EQ(WhyUnfinished(folder, ReadFolderDevice("/proc"), io), removed);
    ASSERT_TRUE(dir.remove());
    EXPECT_EQ(WhyUnfinished(folder, card, Errc(std::errc::permission_denied)), removed);
}

TEST_P(WriteSettingsFileTest, LinkInPlaceOfTheFileIsReplacedAndNeverWrittenThrough) {
    // Someone else's card may aim the name at any file of the user's, or nowhere.
    const QString elsewhere = MakeFolder(QStringLiteral("elsewhere"));
    WriteFileBytes(FileIn(elsewhere), "the user's own file");
    const std::array<QString, 4> targets{FileIn(elsewhere), QStringLiteral("../elsewhere/none"),
                                         QStringLiteral("../missing/") + Name(), Name()};
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const QString& target = targets[i];
        SCOPED_TRACE(target.toStdString());
        const QString card = MakeFolder(QStringLiteral("card-%1").arg(i));
        // The last one is a link to itself: a loop.
        ASSERT_TRUE(QFile::link(target, FileIn(card)));
        const SettingsFileOutcome outcome = Write(card);
        EXPECT_EQ(outcome.status, Status::Written) << outcome.reason.message();
        const QFileInfo written(FileIn(card));
        EXPECT_TRUE(written.isFile() && !written.isSymLink());
        EXPECT_EQ(Unscrambled(FileIn(card)), text);
        EXPECT_EQ(FolderEntries(card), QStringList{Name()});
    }
    EXPECT_EQ(ReadFileBytes(FileIn(elsewhere)), "the user's own file");
    EXPECT_EQ(FolderEntries(elsewhere), QStringList{Name()});
}

TEST_P(WriteSettingsFileTest, FailedRenameReportsPathAndReasonAndKeepsTheOlderFile) {
    if (!RunningAsRoot()) {
        GTEST_SKIP() << "needs an older file of another user, which only the superuser can make";
    }
    // In a shared folder with the sticky bit, another user's file cannot be renamed over,
    // although it may be written to and new files may be made beside it.
    OpenToOrdinaryUser();
    const QString shared = MakeFolder(QStringLiteral("shared"));
    SetMode(shared, 01777);
    WriteFileBytes(FileIn(shared), "older settings");
    SetMode(FileIn(shared), 0666);
    const QMap<QString, QByteArray> before = FolderContents(shared);
    ExpectAsOrdinaryUser(shared, Status::Failed, Errc(std::errc::operation_not_permitted));
    EXPECT_EQ(FolderContents(shared), before);
}

TEST_P(WriteSettingsFileTest, FolderThatCannotBeSyncedAfterTheRenameIsReportedAsUnchecked) {
    OpenToOrdinaryUser();
    const QString card = MakeFolder(QStringLiteral("card"));
    SetMode(card, 0333);
    ExpectAsOrdinaryUser(card, Status::WrittenUnchecked, Errc(std::errc::permission_denied));
    SetMode(card, 0777);
    EXPECT_EQ(Unscrambled(FileIn(card)), text);
    EXPECT_EQ(FolderEntries(card), QStringList{Name()});
}

TEST_P(WriteSettingsFileTest, FileThatCannotBeReadBackIsReportedAsUnchecked) {
    OpenToOrdinaryUser();
    WriteFileBytes(FileIn(dir.path()), "older settings");
    SetMode(FileIn(dir.path()), 0222);
    ExpectAsOrdinaryUser(dir.path(), Status::WrittenUnchecked, Errc(std::errc::permission_denied));
    SetMode(FileIn(dir.path()), 0666);
    EXPECT_EQ(Unscrambled(FileIn(dir.path())), text);
    EXPECT_EQ(FolderEntries(dir.path()), QStringList{Name()});
}

TEST_P(WriteSettingsFileTest, PathAtTheLengthLimitGivesTheSystemsReason) {
    // Folders deep enough that the file's path has the longest length the system takes; the
    // temporary file's longer name beside it does not fit.
    QString folder = dir.path();
    for (qsizetype left = PATH_MAX - 1 - static_cast<qsizetype>(FileName().size()) - folder.size();
         left > 0;) {
        const qsizetype length = left > 201 ? std::min<qsizetype>(200, left - 3) : left - 1;
        folder += QLatin1Char('/') + QString(length, QLatin1Char('d'));
        left -= length + 1;
    }
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_EQ(FileIn(folder).size(), PATH_MAX - 1);
    WriteFileBytes(FileIn(folder), "older settings");
    ASSERT_EQ(ReadFileBytes(FileIn(folder)), "older settings");
    ExpectFailure(folder, Status::Failed, Errc(std::errc::filename_too_long));
}

TEST_P(WriteSettingsFileTest, CardPulledBetweenSelectAndGenerateWritesNothing) {
    SKIP_UNLESS_MOUNTING_WORKS();
    const QString card = MakeFolder(QStringLiteral("card"));
    ScratchMount mount(card, "size=64k");
    ASSERT_TRUE(mount.Mounted());
    const std::optional<FolderDevice> selected = ReadFolderDevice(card.toStdString());
    ASSERT_TRUE(selected);
    ASSERT_TRUE(Write(card, selected).Written());

    // What stays behind is the empty mount point on the disk below.
    mount.Unmount();
    ExpectFailure(card, Status::CardGone, FileProblem::NotOnTheCard, selected);
    EXPECT_TRUE(FolderEntries(card).isEmpty());
}

TEST_P(WriteSettingsFileTest, CardPulledAsTheFileIsMadeLeavesNothingOnTheDiskBelow) {
    SKIP_UNLESS_MOUNTING_WORKS();
    // The card goes after its folder was looked at, before the file is made: the name then
    // leads to the empty mount point on the disk below.
    const QString card = MakeFolder(QStringLiteral("card"));
    ScratchMount mount(card, "size=64k");
    ASSERT_TRUE(mount.Mounted());
    const std::optional<FolderDevice> selected = ReadFolderDevice(card.toStdString());
    ASSERT_TRUE(selected);
    mount.Unmount();
    {
        TemporaryFile file;
        EXPECT_EQ(file.Create(FileIn(card).toStdString(), std::nullopt, selected),
                  std::error_code(FileProblem::NotOnTheCard));
    }
    EXPECT_TRUE(FolderEntries(card).isEmpty());
}

TEST_P(WriteSettingsFileTest, EmptyMountPointBelowTheRemovableMediaRootsIsNoCard) {
    SKIP_UNLESS_MOUNTING_WORKS();
    // Seen by this test alone: a fresh /media whose folders are all on one device, as an
    // unmounted card's mount point is on the system's disk.
    if (!QFileInfo(QStringLiteral("/media")).isDir()) {
        GTEST_SKIP() << "the system has no /media";
    }
    ScratchMount media(QStringLiteral("/media"), "size=64k");
    ASSERT_TRUE(media.Mounted());
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("/media/user/CARD")));
    const QString empty = QStringLiteral("/media/user/CARD");
    ExpectFailure(empty, Status::CardGone, FileProblem::NoCardMounted);
    // Reached through a link from elsewhere, it is the same empty mount point.
    const QTemporaryDir elsewhere;
    const QString link = QDir(elsewhere.path()).filePath(QStringLiteral("card"));
    ASSERT_TRUE(QFile::link(empty, link));
    ExpectFailure(link, Status::CardGone, FileProblem::NoCardMounted);
    // A card mounted there is written.
    ScratchMount card(empty, "size=64k");
    ASSERT_TRUE(card.Mounted());
    EXPECT_TRUE(Write(empty).Written());
    EXPECT_EQ(Unscrambled(FileIn(empty)), text);
}

TEST_P(WriteSettingsFileTest, TemporaryFileOfAWriterStillAtWorkIsNoLeftover) {
    // Another process has made its temporary file and is still writing it.
    int ready[2];
    int done[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(done), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        TemporaryFile file;
        char go = 0;
        const bool made = !file.Create(FileIn(dir.path()).toStdString(), std::nullopt) &&
                          ::write(ready[1], "x", 1) == 1 && ::read(done[0], &go, 1) == 1 &&
                          !file.WriteAndSync("the other writer's settings") &&
                          !file.TakeFinalName();
        ::_exit(made ? 0 : 1);
    }
    char made = 0;
    ASSERT_EQ(::read(ready[0], &made, 1), 1);
    const QStringList others = FolderEntries(dir.path());
    ASSERT_EQ(others.size(), 1);

    ASSERT_TRUE(Write(dir.path()).Written());
    EXPECT_EQ(FolderEntries(dir.path()), QStringList({Name(), others[0]}));
    ASSERT_EQ(::write(done[1], "x", 1), 1);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadFileBytes(FileIn(dir.path())), "the other writer's settings");
    EXPECT_EQ(FolderEntries(dir.path()), QStringList{Name()});
    for (const int fd : {ready[0], ready[1], done[0], done[1]}) {
        ::close(fd);
    }
}

TEST_P(WriteSettingsFileTest, FolderOnAnotherDeviceThanTheSelectedOneIsNotWritten) {
    WriteFileBytes(FileIn(dir.path()), "older settings");
    const std::optional<FolderDevice> other = ReadFolderDevice("/proc");
    ASSERT_TRUE(other);
    ASSERT_NE(other, ReadFolderDevice(dir.path().toStdString()));
    ExpectFailure(dir.path(), Status::CardGone, FileProblem::NotOnTheCard, other);
}

TEST_P(WriteSettingsFileTest, LeftoversOfACutOffWriteAreRemovedByTheNextWrite) {
    // A write cut off for good: the process dies as its file reaches the medium's limit.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{10, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        Write(dir.path());
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ);
    const QStringList cutOff = FolderEntries(dir.path());
    ASSERT_EQ(cutOff.size(), 1);
    EXPECT_TRUE(cutOff[0].startsWith(Name() + QStringLiteral(".trailcam-")))
        << cutOff[0].toStdString();

    // Names of other files and names that merely look alike are left alone.
    QStringList kept{Name() + QStringLiteral(".backup"),
                     Name() + QStringLiteral(".trailcam-12345.tmp"),
                     Name() + QStringLiteral(".trailcam-ABCDEF.tmp"),
                     Name() + QStringLiteral(".trailcam-abcdeg.tmp"),
                     Name() + QStringLiteral(".trailcam-abcdef.tmp.old"),
                     QStringLiteral("x") + Name() + QStringLiteral(".trailcam-abcdef.tmp")};
    for (const SettingsFileKind& kind : kKinds) {
        if (kind.fileName != GetParam().fileName) {
            kept << QString::fromStdString(kind.fileName->substr(1)) +
                        QStringLiteral(".trailcam-abcdef.tmp");
        }
    }
    for (const QString& name : kept) {
        WriteFileBytes(Sub(name), "keep");
    }
    const QString folderLookalike = Name() + QStringLiteral(".trailcam-012345.tmp");
    const QString linkLookalike = Name() + QStringLiteral(".trailcam-0a0b0c.tmp");
    ASSERT_TRUE(QDir(dir.path()).mkdir(folderLookalike));
    ASSERT_TRUE(QFile::link(Sub(QStringLiteral("missing")), Sub(linkLookalike)));
    kept << folderLookalike << linkLookalike;
    WriteFileBytes(Sub(Name() + QStringLiteral(".trailcam-00ff9e.tmp")), "cut off");

    ASSERT_TRUE(Write(dir.path()).Written());
    kept << Name();
    kept.sort();
    EXPECT_EQ(FolderEntries(dir.path()), kept);
}

TEST_P(WriteSettingsFileTest, TextBeyondTheCapacityIsRefusedBeforeAnythingIsOpened) {
    WriteFileBytes(FileIn(dir.path()), "older settings");
    text = std::string(kSettingsTextCapacity, 'A');
    ExpectFailure(dir.path(), Status::Refused, FileProblem::TooLong);
    EXPECT_EQ(Write(dir.path()).length, kSettingsTextCapacity);
}

TEST_P(WriteSettingsFileTest, TextOfExactlyTheLargestLengthIsWritten) {
    text = std::string(kMaxSettingsTextLength, 'A');
    const SettingsFileOutcome outcome = Write(dir.path());
    ASSERT_TRUE(outcome.Written()) << outcome.reason.message();
    EXPECT_EQ(ReadFileBytes(FileIn(dir.path())).size(), 2999);
}

}  // namespace
