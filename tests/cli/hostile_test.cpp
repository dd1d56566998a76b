// trailcam-card fed what a careless or hostile user can give it, and run fifty times at once
// into one folder: it never crashes, never waits, and says the truth about every write.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iostream>
#include <memory>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "camera/camera_settings.h"
#include "core/scramble.h"
#include "tests/support/files.h"
#include "tests/support/run_program.h"

namespace {

ProgramOutcome Card(const QStringList& arguments) {
    return RunProgram(QStringLiteral(TRAILCAM_CARD_PROGRAM), arguments);
}

struct HostileInput {
    const char* what;
    // Makes the input in `dir`, gives its path; "" when it cannot be made here.
    std::function<QString(const QDir& dir)> make;
    const char* reason;  // what the refusal must say
};

const std::vector<HostileInput> kHostileInputs = {
    {"named pipe",
     [](const QDir& dir) {
         const QString path = dir.filePath(QStringLiteral("pipe"));
         return mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
     },
     "named pipe"},
    {"folder",
     [](const QDir& dir) {
         dir.mkdir(QStringLiteral("folder"));
         return dir.filePath(QStringLiteral("folder"));
     },
     "it is a folder without CameraSet.dat"},
    {"endless device", [](const QDir&) { return QStringLiteral("/dev/zero"); }, "device"},
    {"100 MB file",
     [](const QDir& dir) {
         const QString path = dir.filePath(QStringLiteral("huge.dat"));
         QFile file(path);
         return file.open(QIODevice::WriteOnly) && file.resize(100 << 20) ? path : QString();
     },
     "longer than the 2999 bytes"},
    {"loop of links",
     [](const QDir& dir) {
         QFile::link(dir.filePath(QStringLiteral("b")), dir.filePath(QStringLiteral("a")));
         QFile::link(dir.filePath(QStringLiteral("a")), dir.filePath(QStringLiteral("b")));
         return dir.filePath(QStringLiteral("a"));
     },
     "Too many levels of symbolic links"},
    {"unreadable file",
     [](const QDir& dir) {
         // The superuser reads every file: there is no unreadable one to make.
         if (geteuid() == 0) {
             return QString();
         }
         const QString path = dir.filePath(QStringLiteral("secret.dat"));
         WriteFileBytes(path, "MODE=0\n");
         QFile::setPermissions(path, QFileDevice::WriteOwner);
         return path;
     },
     "Permission denied"},
};

void PrintTo(const HostileInput& input, std::ostream* out) {
    *out << input.what;
}

class HostileInputTest : public testing::TestWithParam<HostileInput> {
protected:
    QTemporaryDir dir;
};

// Each command that reads a file refuses the input at once, with its path and the reason, and
// writes nothing.
TEST_P(HostileInputTest, EveryReadingCommandRefusesItWithPathAndReason) {
    const QString input = GetParam().make(QDir(dir.path()));
    if (input.isEmpty()) {
        GTEST_SKIP() << GetParam().what << " cannot be made here";
    }
    QDir(dir.path()).mkdir(QStringLiteral("card"));
    const QString card = dir.filePath(QStringLiteral("card"));
    const QString kind = QStringLiteral("camera");
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("show"), QStringLiteral("--kind"), kind, input},
          QStringList{QStringLiteral("check"), QStringLiteral("--kind"), kind, input},
          QStringList{QStringLiteral("write"), kind, QStringLiteral("--from"), input, card}}) {
        const ProgramOutcome outcome = Card(arguments);
        const QString said = outcome.out + outcome.err;
        EXPECT_EQ(outcome.exitCode, 1) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(said.contains(input) && said.contains(QString::fromLatin1(GetParam().reason)))
            << arguments.join(u' ').toStdString() << " said: " << said.toStdString();
    }
    EXPECT_TRUE(FolderEntries(card).isEmpty()) << FolderEntries(card).join(u' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(EachInput, HostileInputTest, testing::ValuesIn(kHostileInputs),
                         [](const testing::TestParamInfo<HostileInput>& info) {
                             QString name = QString::fromLatin1(info.param.what);
                             name.replace(u' ', u'_');
                             return name.toStdString();
                         });

// A folder whose name holds control characters or bytes that are no UTF-8 is a folder like any
// other: it is written and read back, and the program shows its name quoted as the shell reads
// it back, so no control character of it reaches the terminal. The names go to the program as
// the bytes they are, through the shell, as a user's shell passes them.
TEST(HostileNames, NamesWithControlCharactersAreWrittenAndShownAsTheShellReadsThem) {
    QTemporaryDir dir;
    const QString script = QStringLiteral(R"sh(
        set -e
        for name in $'card-\377\376' $'a\nb' $'bar\e[31m' $'x\x7f' $'\xc2\x9b' "it's"$'\t'; do
            folder="$1/$name"
            mkdir "$folder"
            written=$("$0" write camera --set 'CLK=08-12-2026 10:00:00' "$folder")
            checked=$("$0" check "$folder/CameraSet.dat")
            for line in "$written" "$checked"; do
                case $line in *[[:cntrl:]]*) echo "control characters: $line"; exit 1;; esac
                shown=${line%%: *}
                eval "back=$shown"
                [ "$back" = "$folder/CameraSet.dat" ] || { echo "not the name: $line"; exit 1; }
            done
            echo "$checked"
        done)sh");
    const ProgramOutcome outcome = RunProgram(
        QStringLiteral("/bin/bash"),
        {QStringLiteral("-c"), script, QStringLiteral(TRAILCAM_CARD_PROGRAM), dir.path()});
    EXPECT_EQ(outcome.exitCode, 0) << outcome.out.toStdString() << outcome.err.toStdString();
    const QStringList lines = outcome.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6) << outcome.out.toStdString();
    EXPECT_EQ(lines[1], QStringLiteral("'%1/a'$'\\n''b/CameraSet.dat': OK, Camera Setup "
                                       "(CameraSet.dat)")
                            .arg(dir.path()));
}

// Fifty writers into one folder at once. Each says either that it wrote the file or that
// another has replaced it since; none fails for a reason that is not true. Afterwards the folder
// holds one complete file, the one of a writer that said it wrote it, and no leftovers.
TEST(ConcurrentWriters, FiftyAtOnceEachTellTheTruthAndLeaveOneCompleteFile) {
    constexpr int kWriters = 50;
    QTemporaryDir dir;
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int i = 0; i < kWriters; ++i) {
        auto& writer = writers.emplace_back(std::make_unique<QProcess>());
        writer->start(
            QStringLiteral(TRAILCAM_CARD_PROGRAM),
            {QStringLiteral("write"), QStringLiteral("camera"), QStringLiteral("--set"),
             QStringLiteral("CLK=08-12-2026 10:00:%1").arg(i, 2, 10, QChar(u'0')), dir.path()});
    }
    const QString path = dir.filePath(QStringLiteral("CameraSet.dat"));
    std::vector<int> written;
    int replaced = 0;
    for (int i = 0; i < kWriters; ++i) {
        QProcess& writer = *writers[i];
        ASSERT_TRUE(writer.waitForFinished(60000)) << "writer " << i << " still running";
        const QString out = QString::fromLocal8Bit(writer.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(writer.readAllStandardError());
        if (writer.exitStatus() == QProcess::NormalExit && writer.exitCode() == 0) {
            EXPECT_EQ(out,
                      path + QStringLiteral(": System configuration file has been generated.\n"));
            written.push_back(i);
        } else {
            EXPECT_EQ(err, QStringLiteral("trailcam-card: %1: written, but another program has "
                                          "replaced it since\n")
                               .arg(path))
                << "writer " << i;
            ++replaced;
        }
    }
    EXPECT_EQ(FolderEntries(dir.path()), QStringList{QStringLiteral("CameraSet.dat")});
    // Every writer's file is the defaults with its own clock: the seconds tell whose it is.
    const std::string onCard = Unscramble(ReadFileBytes(path), kCameraScrambleKey);
    const std::size_t clock = onCard.find("CLK=08-12-2026 10:00:");
    ASSERT_NE(clock, std::string::npos) << onCard;
    const int last = std::stoi(onCard.substr(clock + 21, 2));
    CameraSettings expected;
    expected.clockText = onCard.substr(clock + 4, 19);
    EXPECT_EQ(onCard, ComposeCameraSettingsText(expected));
    EXPECT_NE(std::find(written.begin(), written.end(), last), written.end())
        << "the file in the folder is writer " << last << "'s, which did not say it wrote it";
    std::cout << "[ figures  ] " << written.size() << " writers wrote, " << replaced
              << " found their file replaced\n";
}

}  // namespace

#if !defined(_WIN32)
// A card's folder may hold anything, files named as the system's libraries too: started there,
// the program loads none of them. An empty or relative entry in its run path would have the
// system look for libraries in the working folder; these are no libraries, so it would not start.
TEST(HostileFolders, LibrariesInTheWorkingFolderAreNotLoaded) {
    const QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"libc.so.6", "libstdc++.so.6", "libQt6Core.so.6", "libm.so.6"}) {
        WriteFileBytes(QDir(dir.path()).filePath(QString::fromLatin1(name)), "not a library\n");
    }
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start(QStringLiteral(TRAILCAM_CARD_PROGRAM), {QStringLiteral("--version")});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(process.readAllStandardOutput().startsWith("trailcam-card "));
}
#endif
