// trailcam-card run as a user runs it, in a child process, on real files and folders.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

#include "camera/camera_dlg.h"
#include "camera/camera_settings.h"
#include "core/clock_text.h"
#include "core/program_notice.h"
#include "mms/mms_operator_table.h"
#include "mms/mms_settings.h"
#include "smtp/smtp_settings.h"
#include "tests/support/files.h"
#include "tests/support/form_fixture.h"
#include "tests/support/run_program.h"

namespace {

const QString kCameraSet = QStringLiteral("CameraSet.dat");

ProgramOutcome Card(const QStringList& arguments) {
    return RunProgram(QStringLiteral(TRAILCAM_CARD_PROGRAM), arguments);
}

class CardTest : public testing::Test {
protected:
    QString Path(const QString& name) const { return dir.filePath(name); }
    // Writes `text` scrambled with `key` as the file `name`; gives its path.
    QString Put(const QString& name, const ScrambleKey& key, std::string text) {
        ScrambleSettingsText(text.data(), text.size(), key);
        WriteFileBytes(Path(name), QByteArray::fromStdString(text));
        return Path(name);
    }
    std::string Read(const QString& path, const ScrambleKey& key) const {
        return Unscramble(ReadFileBytes(path), key);
    }

    QTemporaryDir dir;
};

// The Camera form's own file, generated from its defaults.
using CardOnTheFormsFileTest = FormFixture<CCameraDlg>;

TEST_F(CardOnTheFormsFileTest, ShowSaysTheFormsDefaultsAndWriteMakesTheSameBytesButTheClock) {
    ChooseFolder(dir.path());
    Generate();
    const QString generated = dir.filePath(kCameraSet);
    const ProgramOutcome show = Card({QStringLiteral("show"), generated});
    EXPECT_EQ(show.exitCode, 0) << show.err.toStdString();
    EXPECT_EQ(show.out, generated + QStringLiteral(": Camera Setup (CameraSet.dat)\n"
                                                   "  Mode: Camera\n"
                                                   "  Photo Resolution: 5M\n"
                                                   "  Video Resolution: 720P\n"
                                                   "  Series Photos: 1 Photo\n"
                                                   "  Video Length: 10S\n"
                                                   "  Beep Sound: On\n"
                                                   "  Sensitivity: Medium\n"
                                                   "  Time Stamp: On\n"
                                                   "  IR Led: High\n"
                                                   "  Set Clock: D/M/Y\n"
                                                   "  Set Clock: 06-12-2026 14:05:09\n"
                                                   "  PIR Interval: On\n"
                                                   "  PIR Interval: 00:05 (Min:Sec)\n"
                                                   "  Time Interval: Off\n"
                                                   "  Time Interval: 00:00 (Hour:Min)\n"
                                                   "  Serial Number: Off\n"
                                                   "  Serial Number: TEST\n"
                                                   "  Fixed Time: Off\n"
                                                   "  Fixed Time 1: 00:00 00:00\n"
                                                   "  Fixed Time 2: 00:00 00:00\n"
                                                   "  Fixed Time 3: 00:00 00:00\n"));

    const QString card = dir.filePath(QStringLiteral("card"));
    QDir().mkpath(card);
    const ProgramOutcome write = Card({QStringLiteral("write"), QStringLiteral("camera"), card});
    EXPECT_EQ(write.exitCode, 0) << write.err.toStdString();
    EXPECT_EQ(write.out, InFolder(card, kCameraSet) +
                             QStringLiteral(": System configuration file has been generated.\n"));
    EXPECT_TRUE(write.err.isEmpty());
    // The same 218 bytes but the clock's, taken now in the default date order.
    const std::string written =
        Unscramble(ReadFileBytes(card + QStringLiteral("/CameraSet.dat")), kCameraScrambleKey);
    const std::string formsText = WrittenText(kCameraSet, kCameraScrambleKey);
    ASSERT_EQ(written.size(), 218u);
    const std::size_t clock = formsText.find("CLK=") + 4;
    EXPECT_EQ(written.substr(0, clock), formsText.substr(0, clock));
    EXPECT_EQ(written.substr(clock + 19), formsText.substr(clock + 19));
    EXPECT_TRUE(IsClockText(kDateOrderDmy, written.substr(clock, 19))) << written;
}

#if !defined(_WIN32)
// Symbolic links that lead to each other and named pipes are POSIX matters.
TEST_F(CardTest, WriteIntoFoldersOfWhichSomeCannotBeReached) {
    QDir(dir.path()).mkdir(QStringLiteral("one"));
    QDir(dir.path()).mkdir(QStringLiteral("three"));
    // Two links that lead to each other: the folder cannot be looked at, for another reason than
    // its absence.
    QFile::link(Path(QStringLiteral("loop-b")), Path(QStringLiteral("loop-a")));
    QFile::link(Path(QStringLiteral("loop-a")), Path(QStringLiteral("loop-b")));
    const QString loop = Path(QStringLiteral("loop-a/inside"));
    const ProgramOutcome write =
        Card({QStringLiteral("write"), QStringLiteral("mms"), QStringLiteral("--set"),
              QStringLiteral("PHNO1=+4930123"), Path(QStringLiteral("one")),
              Path(QStringLiteral("two")), loop, Path(QStringLiteral("three"))});
    EXPECT_EQ(write.exitCode, 1);
    EXPECT_EQ(write.out.count(u'\n'), 2);
    EXPECT_EQ(
        write.err,
        QStringLiteral("trailcam-card: %1/MmsSet.dat: cannot create the file: No such folder\n"
                       "trailcam-card: %2/MmsSet.dat: cannot create the file: Too many "
                       "levels of symbolic links\n")
            .arg(Path(QStringLiteral("two")), loop));
    MmsSettings expected;
    expected.mobiles[0] = "+4930123";
    for (const QString& folder :
         {QStringLiteral("one/MmsSet.dat"), QStringLiteral("three/MmsSet.dat")}) {
        EXPECT_EQ(Read(Path(folder), kMmsScrambleKey), ComposeMmsSettingsText(expected))
            << folder.toStdString();
    }
    EXPECT_FALSE(QDir(Path(QStringLiteral("two"))).exists());
}

TEST_F(CardTest, ANamedPipeIsRefusedWithoutWaitingForAWriter) {
    const QString pipe = Path(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const ProgramOutcome show =
        Card({QStringLiteral("show"), QStringLiteral("--kind"), QStringLiteral("camera"), pipe});
    EXPECT_EQ(show.exitCode, 1);
    EXPECT_TRUE(show.err.contains(QStringLiteral("named pipe"))) << show.err.toStdString();
}
#endif

TEST_F(CardTest, BrokenFilesGiveAReasonEach) {
    const std::string camera = ComposeCameraSettingsText(CameraSettings{});
    const QString wrongKind = Put(QStringLiteral("MmsSet.dat"), kCameraScrambleKey, camera);
    const QString cut = Put(kCameraSet, kCameraScrambleKey, camera.substr(0, 100));
    const QString empty = Put(QStringLiteral("empty.dat"), kCameraScrambleKey, "");
    // One line mark changed: lines 5 and 6 run together.
    QByteArray bytes =
        ReadFileBytes(Put(QStringLiteral("changed.dat"), kCameraScrambleKey, camera));
    bytes[static_cast<qsizetype>(camera.find("\nBEEP"))] = 'x';
    WriteFileBytes(Path(QStringLiteral("changed.dat")), bytes);

    // Show and check say the same of a file they cannot read: on the error output, with the
    // program's name; nothing of it on the output.
    for (const QString& command : {QStringLiteral("show"), QStringLiteral("check")}) {
        const ProgramOutcome outcome =
            Card({command, QStringLiteral("--kind"), QStringLiteral("camera"), cut, empty,
                  Path(QStringLiteral("changed.dat"))});
        EXPECT_EQ(outcome.exitCode, 1) << command.toStdString();
        EXPECT_TRUE(outcome.out.isEmpty())
            << command.toStdString() << ": " << outcome.out.toStdString();
        EXPECT_EQ(
            outcome.err,
            QStringLiteral("trailcam-card: %1: it is not a valid CameraSet.dat: line 14: TINV "
                           "has no line end: the text is cut short\n"
                           "trailcam-card: %2: it is empty\n"
                           "trailcam-card: %3: it is not a valid CameraSet.dat: line 5: "
                           "expected a number for VLEN, found \"0lBEEP=1\"\n")
                .arg(cut, empty, Path(QStringLiteral("changed.dat"))))
            << command.toStdString();

        const ProgramOutcome other = Card({command, wrongKind, Path(QStringLiteral("none.dat"))});
        EXPECT_EQ(other.exitCode, 1);
        EXPECT_TRUE(other.out.isEmpty());
        EXPECT_EQ(
            other.err,
            QStringLiteral("trailcam-card: %1: it is not a valid MmsSet.dat (it reads as "
                           "CameraSet.dat): line 1: expected key MMSS, found \"?KY0;3\"\n"
                           "trailcam-card: %2: it cannot be read: No such file or directory\n")
                .arg(wrongKind, Path(QStringLiteral("none.dat"))));
    }
}

TEST_F(CardTest, CheckNamesEveryValueTheFormDoesNotOffer) {
    CameraSettings settings;
    settings.clockText = "06-12-2026 14:05:09";
    const QString fine =
        Put(QStringLiteral("fine.dat"), kCameraScrambleKey, ComposeCameraSettingsText(settings));
    settings.mode = 7;
    settings.dateOrder = 0;
    settings.serialNumber = {'T', 'E', '$', 'T'};
    settings.pirSeconds = 75;
    settings.timers[1] = {22, 0, 6, 0};
    const QString wrong = Put(kCameraSet, kCameraScrambleKey, ComposeCameraSettingsText(settings));

    const ProgramOutcome check =
        Card({QStringLiteral("check"), QStringLiteral("--kind=camera"), fine, wrong});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_EQ(
        check.out,
        QStringLiteral("%1: OK, Camera Setup (CameraSet.dat)\n"
                       "%2: MODE=7: allowed values are 0 (Camera), 1 (Video), 2 (Camera+Video)\n"
                       "%2: CLK=06-12-2026 14:05:09: allowed values are a date and time as "
                       "yyyy-mm-dd hh:mm:ss, the layout of YMD=0\n"
                       "%2: PINVT=00:75: allowed values are Min 00 to 59, Sec 00 to 59, as hh:mm\n"
                       "%2: SNUMS=TE$T: allowed values are 4 characters, each one of "
                       "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ\n"
                       "%2: TIMERT2=22:00 06:00: the working time 2 must start before it ends "
                       "on the same day (00:00 00:00 for none)\n")
            .arg(fine, wrong));
    EXPECT_EQ(Card({QStringLiteral("check"), QStringLiteral("--kind=camera"), fine}).exitCode, 0);
}

TEST_F(CardTest, WriteRefusesWhatTheFormCouldNotProduceAndWritesNothing) {
    const std::array<std::pair<QString, QString>, 4> refused{{
        {QStringLiteral("MRES=5"),
         QStringLiteral("MRES=5: allowed values are 0 (1080P), 1 (720P), 2 (VGA)")},
        {QStringLiteral("PINVT=1:30"),
         QStringLiteral("--set PINVT=1:30: expected hh:mm for PINVT, found \"1:30\"")},
        {QStringLiteral("CLK=2026-12-06 14:05:09"),
         QStringLiteral("CLK=2026-12-06 14:05:09: allowed values are a date and time as dd-mm-yyyy "
                        "hh:mm:ss, the layout of YMD=1")},
        {QStringLiteral("SNUMS=T\u00c4ST"),
         QStringLiteral("--set SNUMS: a value must be printable ASCII, without line breaks, tabs "
                        "or other characters the camera cannot read")},
    }};
    for (const auto& [set, problem] : refused) {
        const ProgramOutcome write = Card({QStringLiteral("write"), QStringLiteral("camera"),
                                           QStringLiteral("--set"), set, dir.path()});
        EXPECT_EQ(write.exitCode, 1) << set.toStdString();
        EXPECT_EQ(write.err,
                  QStringLiteral("trailcam-card: %1; nothing was written\n").arg(problem));
        EXPECT_TRUE(FolderEntries(dir.path()).isEmpty());
    }
}

TEST_F(CardTest, WriteFromAFileTakesItsSettingsAndTheChangesInOrder) {
    MmsSettings onCard;
    onCard.countryIndex = 37;
    onCard.operatorIndex = 3;
    onCard.status = 2;
    const QString from =
        Put(QStringLiteral("MmsSet.dat"), kMmsScrambleKey, ComposeMmsSettingsText(onCard));
    QDir(dir.path()).mkdir(QStringLiteral("card"));
    const ProgramOutcome write =
        Card({QStringLiteral("write"), QStringLiteral("mms"), QStringLiteral("--from"), from,
              QStringLiteral("--set"), QStringLiteral("EML1=a@example.org"),
              QStringLiteral("--set=EML1=b@example.org"), QStringLiteral("--set"),
              QStringLiteral("MMSDNUM=0"), Path(QStringLiteral("card"))});
    EXPECT_EQ(write.exitCode, 0) << write.err.toStdString();
    onCard.emails[0] = "b@example.org";
    onCard.numberPerDay = "0";
    EXPECT_EQ(Read(Path(QStringLiteral("card/MmsSet.dat")), kMmsScrambleKey),
              ComposeMmsSettingsText(onCard));

    const ProgramOutcome raw = Card(
        {QStringLiteral("show"), QStringLiteral("--raw"), Path(QStringLiteral("card/MmsSet.dat"))});
    EXPECT_EQ(raw.exitCode, 0);
    EXPECT_TRUE(raw.out.contains(QStringLiteral("\n  MMSS=2\n  MMSDNUM=0\n")))
        << raw.out.toStdString();

    const ProgramOutcome json = Card(
        {QStringLiteral("show"), QStringLiteral("--json"), from, Path(QStringLiteral("none"))});
    EXPECT_EQ(json.exitCode, 1);
    QJsonParseError error;
    const QJsonArray files = QJsonDocument::fromJson(json.out.toUtf8(), &error).array();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json.out.toStdString();
    ASSERT_EQ(files.size(), 2);
    const QJsonObject mms = files[0].toObject();
    EXPECT_EQ(mms[QStringLiteral("kind")].toString(), QStringLiteral("mms"));
    EXPECT_EQ(mms[QStringLiteral("form")].toString(), QStringLiteral("MMS Setup"));
    EXPECT_EQ(
        mms[QStringLiteral("mode")].toString(),
        QStringLiteral("Auto, United Kingdom, ") + QString::fromLatin1(MmsOperatorName(37, 3)));
    const QJsonArray lines = mms[QStringLiteral("lines")].toArray();
    ASSERT_EQ(lines.size(), 18);
    const QJsonObject status = lines[0].toObject();
    EXPECT_EQ(status[QStringLiteral("key")].toString(), QStringLiteral("MMSS"));
    EXPECT_EQ(status[QStringLiteral("value")].toString(), QStringLiteral("2"));
    EXPECT_EQ(status[QStringLiteral("label")].toString(), QStringLiteral("MMS Status"));
    EXPECT_EQ(status[QStringLiteral("shown")].toString(), QStringLiteral("VGA"));
    EXPECT_TRUE(files[1].toObject()[QStringLiteral("problem")].toString().startsWith(
        QStringLiteral("it cannot be read")));
}

TEST_F(CardTest, MisuseIsOneLineOnTheErrorOutputAndExitTwo) {
    const std::array<std::pair<QStringList, QString>, 12> misuses{{
        {{}, QStringLiteral("no command given")},
        {{QStringLiteral("list")}, QStringLiteral("unknown command 'list'")},
        {{QStringLiteral("show")}, QStringLiteral("no FILE given")},
        {{QStringLiteral("show"), QStringLiteral("--verbose"), QStringLiteral("x")},
         QStringLiteral("unknown option '--verbose'")},
        // Options that mean nothing to the command, or nothing together.
        {{QStringLiteral("show"), QStringLiteral("--from"), QStringLiteral("x")},
         QStringLiteral("show takes no --from")},
        {{QStringLiteral("check"), QStringLiteral("--raw"), QStringLiteral("x")},
         QStringLiteral("check takes no --raw")},
        {{QStringLiteral("show"), QStringLiteral("--raw"), QStringLiteral("--json"),
          QStringLiteral("x")},
         QStringLiteral("--raw and --json cannot be given together")},
        {{QStringLiteral("show"), QStringLiteral("--json"), QStringLiteral("x"),
          QStringLiteral("--raw")},
         QStringLiteral("--raw and --json cannot be given together")},
        {{QStringLiteral("check"), QStringLiteral("--kind=mms"), QStringLiteral("--kind=smtp"),
          QStringLiteral("x")},
         QStringLiteral("--kind may be given once")},
        {{QStringLiteral("write"), QStringLiteral("camera"), QStringLiteral("--kind=camera"),
          dir.path()},
         QStringLiteral("write takes no --kind: the KIND comes right after write")},
        {{QStringLiteral("write"), QStringLiteral("gps"), QStringLiteral("x")},
         QStringLiteral("write needs the kind of file first: camera, mms or smtp")},
        {{QStringLiteral("write"), QStringLiteral("smtp"), QStringLiteral("--set"),
          QStringLiteral("SERVER=x"), dir.path()},
         QStringLiteral("SmtpSet.dat has no key 'SERVER'; its keys are SMTPS, SMTPDNUM, SMTPDR, "
                        "SMTPDRT, APN, ACC, PWD1, SRV, PORT, SEND, PWD2, EML1, EMN2, EMN3, EML4")},
    }};
    for (const auto& [arguments, misuse] : misuses) {
        const ProgramOutcome outcome = Card(arguments);
        EXPECT_EQ(outcome.exitCode, 2) << misuse.toStdString();
        EXPECT_EQ(outcome.err,
                  QStringLiteral("trailcam-card: %1 (see trailcam-card --help)\n").arg(misuse));
        EXPECT_TRUE(outcome.out.isEmpty());
    }
    EXPECT_TRUE(FolderEntries(dir.path()).isEmpty());

    const ProgramOutcome help = Card({QStringLiteral("write"), QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: trailcam-card show")));
    EXPECT_TRUE(
        help.out.endsWith(QStringLiteral("\nReport bugs at <https://trailcamsetup.org>.\n")))
        << help.out.toStdString();
    const ProgramOutcome version = Card({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out,
              QStringLiteral("trailcam-card %1\n").arg(QString::fromUtf8(notice::kVersion)) +
                  QString::fromUtf8(notice::kCopyrightAndLicence));
    EXPECT_TRUE(
        version.out.contains(QStringLiteral("\nCopyright (C) 2026 the trailcam-setup "
                                            "developers\nLicense GPL-3.0-or-later")));
}

TEST_F(CardTest, OutputThatCannotBeWrittenIsAWriteError) {
    const QString card = Path(QStringLiteral("CARD"));
    QDir().mkpath(card);
    ASSERT_EQ(Card({QStringLiteral("write"), QStringLiteral("camera"), card}).exitCode, 0);
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("show"), card + "/" + kCameraSet},
          QStringList{QStringLiteral("--help")}}) {
        QProcess process;
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(TRAILCAM_CARD_PROGRAM), arguments);
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 1) << arguments.join(u' ').toStdString();
        EXPECT_EQ(Lines(process.readAllStandardError()), "trailcam-card: write error\n");
    }
}

}  // namespace

namespace {

class CardFolderTest : public CardTest {
protected:
    void SetUp() override {
        QDir().mkpath(Path(QStringLiteral("CARD")));
        QDir().mkpath(Path(QStringLiteral("EMPTY")));
        QDir().mkpath(Path(QStringLiteral("ONE")));
        for (const QString& kind :
             {QStringLiteral("smtp"), QStringLiteral("camera"), QStringLiteral("mms")}) {
            ASSERT_EQ(Card({QStringLiteral("write"), kind, Path(QStringLiteral("CARD"))}).exitCode,
                      0);
        }
        // A card's file system may keep the name in capitals.
        Put(QStringLiteral("ONE/SMTPSET.DAT"), kSmtpScrambleKey,
            ComposeSmtpSettingsText(SmtpSettings{}));
    }
};

// A folder stands for the settings files in it, named by the folder as given without separators
// at its end, in the order camera, mms, smtp.
TEST_F(CardFolderTest, AFolderStandsForEverySettingsFileInIt) {
    const QString card = Path(QStringLiteral("CARD"));
    const QString one = Path(QStringLiteral("ONE"));
    struct Case {
        QStringList arguments;
        int exitCode;
        QStringList firstLines;  // of the output, or of the error output where nothing is shown
    };
    const std::vector<Case> cases{
        {{QStringLiteral("check"), card + QStringLiteral("/")},
         0,
         {card + QStringLiteral("/CameraSet.dat: OK, Camera Setup (CameraSet.dat)"),
          card + QStringLiteral("/MmsSet.dat: OK, MMS Setup (MmsSet.dat)"),
          card + QStringLiteral("/SmtpSet.dat: OK, Smtp Setup (SmtpSet.dat)")}},
        {{QStringLiteral("show"), QStringLiteral("--raw"), card + QStringLiteral("//"), one},
         0,
         {card + QStringLiteral("/CameraSet.dat: Camera Setup (CameraSet.dat)"),
          card + QStringLiteral("/MmsSet.dat: MMS Setup (MmsSet.dat)"),
          card + QStringLiteral("/SmtpSet.dat: Smtp Setup (SmtpSet.dat)"),
          one + QStringLiteral("/SMTPSET.DAT: Smtp Setup (SmtpSet.dat)")}},
        {{QStringLiteral("check"), QStringLiteral("--kind=mms"), card},
         0,
         {card + QStringLiteral("/MmsSet.dat: OK, MMS Setup (MmsSet.dat)")}},
        {{QStringLiteral("show"), Path(QStringLiteral("EMPTY/"))},
         1,
         {QStringLiteral("trailcam-card: %1: it is a folder without CameraSet.dat, MmsSet.dat or "
                         "SmtpSet.dat")
              .arg(Path(QStringLiteral("EMPTY")))}},
        {{QStringLiteral("check"), QStringLiteral("--kind"), QStringLiteral("camera"), one},
         1,
         {QStringLiteral("trailcam-card: %1: it is a folder without CameraSet.dat").arg(one)}},
        // write takes a card's file of its kind as --from, and its folders without the
        // separators at their ends too.
        {{QStringLiteral("write"), QStringLiteral("smtp"), QStringLiteral("--from"), one,
          Path(QStringLiteral("EMPTY/"))},
         0,
         {InFolder(Path(QStringLiteral("EMPTY")), QStringLiteral("SmtpSet.dat")) +
          QStringLiteral(": System configuration file has been generated.")}},
    };
    for (const Case& c : cases) {
        const ProgramOutcome outcome = Card(c.arguments);
        const std::string command = c.arguments.join(u' ').toStdString();
        EXPECT_EQ(outcome.exitCode, c.exitCode) << command << ": " << outcome.err.toStdString();
        const QString said = c.exitCode == 0 ? outcome.out : outcome.err;
        QStringList lines = said.split(u'\n', Qt::SkipEmptyParts);
        lines.removeIf([](const QString& line) { return line.startsWith(u' '); });
        EXPECT_EQ(lines, c.firstLines) << command;
    }
}

// The values of lists by the texts that the form shows, in any case of letters, as well as by
// their positions.
TEST_F(CardTest, SetTakesAListsItemByItsTextOrItsPosition) {
    const std::array<std::pair<QString, std::string>, 5> taken{{
        {QStringLiteral("MRES=1080P"), "\nMRES=0\n"},
        {QStringLiteral("MRES=vga"), "\nMRES=2\n"},
        {QStringLiteral("MODE=camera+video"), "MODE=2\n"},
        {QStringLiteral("VLEN=1"), "\nVLEN=1\n"},
        {QStringLiteral("YMD=Y/M/D"), "\nYMD=0\n"},
    }};
    for (const auto& [set, line] : taken) {
        const ProgramOutcome write = Card({QStringLiteral("write"), QStringLiteral("camera"),
                                           QStringLiteral("--set"), set, dir.path()});
        EXPECT_EQ(write.exitCode, 0) << set.toStdString() << ": " << write.err.toStdString();
        EXPECT_NE(Read(Path(kCameraSet), kCameraScrambleKey).find(line), std::string::npos)
            << set.toStdString();
    }
    const ProgramOutcome refused =
        Card({QStringLiteral("write"), QStringLiteral("mms"), QStringLiteral("--set"),
              QStringLiteral("MMSS=4K"), Path(QStringLiteral("card"))});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, QStringLiteral("trailcam-card: MMSS=4K: allowed values are 0 (Off), 1 "
                                          "(800X600), 2 (VGA), 3 (SMS); nothing was written\n"));
}

#if !defined(_WIN32)
// The JSON of show and check, read by a script, with a file name that is not UTF-8 beside one
// that is: each byte that is no UTF-8 is U+FFFD, UTF-8 stays as it is.
TEST_F(CardTest, JsonIsValidForEveryFileNameAndCheckSaysWhatItFinds) {
    CameraSettings wrong;
    wrong.mode = 7;
    wrong.clockText = "06-12-2026 14:05:09";
    const QString script = QStringLiteral(
        "set -e; cd \"$1\"; a=\"$(printf 'card-\\377\\303')\"; b=\"$(printf 'K\\303\\244fer')\"; "
        "mkdir \"$a\" \"$b\"; \"$0\" write camera \"$a\" \"$b\" >/dev/null; "
        "cp wrong.dat \"$b/CameraSet.dat\"; "
        "for command in show check; do "
        "  \"$0\" $command --json \"$a\" \"$b\" missing.dat 2>>errors | python3 -c '"
        "import json, sys\n"
        "for f in json.load(sys.stdin):\n"
        "    print(ascii(f[\"file\"]), f.get(\"ok\"), f.get(\"problems\", f.get(\"problem\")),"
        " len(f.get(\"lines\", [])))'; "
        "done; cat errors");
    Put(QStringLiteral("wrong.dat"), kCameraScrambleKey, ComposeCameraSettingsText(wrong));
    const ProgramOutcome outcome = RunProgram(
        QStringLiteral("/bin/sh"),
        {QStringLiteral("-c"), script, QStringLiteral(TRAILCAM_CARD_PROGRAM), dir.path()});
    EXPECT_EQ(outcome.exitCode, 0) << outcome.err.toStdString();
    EXPECT_EQ(outcome.out,
              QStringLiteral(
                  "'card-\\ufffd\\ufffd/CameraSet.dat' None None 21\n"
                  "'K\\xe4fer/CameraSet.dat' None None 21\n"
                  "'missing.dat' None it cannot be read: No such file or directory 0\n"
                  "'card-\\ufffd\\ufffd/CameraSet.dat' True [] 0\n"
                  "'K\\xe4fer/CameraSet.dat' False ['MODE=7: allowed values are 0 (Camera), 1 "
                  "(Video), 2 (Camera+Video)'] 0\n"
                  "'missing.dat' None it cannot be read: No such file or directory 0\n"
                  "trailcam-card: missing.dat: it cannot be read: No such file or directory\n"
                  "trailcam-card: missing.dat: it cannot be read: No such file or directory\n"));
}
#endif

}  // namespace

#if defined(TRAILCAM_CARD_COMPLETION)
namespace {

// What bash offers at the end of each command line, as the installed completion answers it.
TEST(CardCompletion, OffersCommandsOptionsKindsKeysAndTheListsValues) {
    const std::array<std::pair<QString, QString>, 10> lines{{
        {QStringLiteral("trailcam-card "), QStringLiteral("show check write --help --version")},
        {QStringLiteral("trailcam-card ch"), QStringLiteral("check")},
        {QStringLiteral("trailcam-card write "), QStringLiteral("camera mms smtp")},
        {QStringLiteral("trailcam-card show --kind s"), QStringLiteral("smtp")},
        {QStringLiteral("trailcam-card check --"), QStringLiteral("--kind --json --help")},
        {QStringLiteral("trailcam-card write smtp --"), QStringLiteral("--from --set --help")},
        {QStringLiteral("trailcam-card write camera --set TIMERT"),
         QStringLiteral("TIMERT1= TIMERT2= TIMERT3=")},
        // After the = readline completes only the value, in any case of letters.
        {QStringLiteral("trailcam-card write camera --set MRES="),
         QStringLiteral("0 1 2 1080P 720P VGA")},
        {QStringLiteral("trailcam-card write mms --set MMSS=v"), QStringLiteral("VGA")},
        {QStringLiteral("trailcam-card write camera --set IMGB=2"), QStringLiteral("2 2\\ Photos")},
    }};
    for (const auto& [line, offered] : lines) {
        const ProgramOutcome outcome = RunProgram(
            QStringLiteral("bash"),
            {QStringLiteral("-c"),
             QStringLiteral("source \"$0\"; COMP_LINE=$1; COMP_POINT=${#1}; _trailcam_card; "
                            "echo \"${COMPREPLY[*]}\""),
             QStringLiteral(TRAILCAM_CARD_COMPLETION), line});
        EXPECT_EQ(outcome.out, offered + u'\n') << line.toStdString() << outcome.err.toStdString();
    }
}

// Every key that the completion knows stands in the manual page's table, and every value it
// offers is one the program takes.
TEST(CardCompletion, TheManualHasEveryKeyAndTheProgramTakesEveryValueOffered) {
    QTemporaryDir dir;
    const ProgramOutcome outcome = RunProgram(
        QStringLiteral("bash"),
        {QStringLiteral("-c"),
         QStringLiteral("source \"$1\"; keys=0; values=0; for kind in camera mms smtp; do "
                        "  for key in $(_trailcam_card_keys $kind); do keys=$((keys + 1)); "
                        "    grep -qx \".B $key\" \"$2\" || echo \"the manual has no $key\"; "
                        "    while IFS= read -r value; do values=$((values + 1)); "
                        "      \"$0\" write $kind --set \"$key=$value\" \"$3\" >/dev/null || "
                        "        echo \"$kind $key=$value is refused\"; "
                        "    done < <(_trailcam_card_values $kind.$key); "
                        "  done; "
                        "done; echo \"$keys keys, $values values\""),
         QStringLiteral(TRAILCAM_CARD_PROGRAM), QStringLiteral(TRAILCAM_CARD_COMPLETION),
         QStringLiteral(TRAILCAM_CARD_MANUAL), dir.path()});
    EXPECT_EQ(outcome.err, QString());
    EXPECT_EQ(outcome.out, QStringLiteral("54 keys, 144 values\n"));
}

}  // namespace
#endif
