#include "framework/settings_form.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QUrl>

#include <gtest/gtest.h>

#include <array>

#include "framework/enable_rules.h"
#include "framework/form_words.h"
#include "framework/record_fields.h"
#include "res/dialogs.h"
#include "tests/support/form_fixture.h"

namespace {

using K = res::ControlKind;

constexpr std::array<std::string_view, 2> kOffOn{"Off", "On"};
constexpr std::array<res::ControlTemplate, 11> kControls{{
    {20, K::Label, "Mode", 8, 8, 40, 8, {}, res::kNoFlags, 21},
    {21, K::DropDownList, "", 50, 6, 60, 40, res::ListItems{kOffOn}},
    {22, K::Label, "Name", 8, 24, 40, 8, {}, res::kNoFlags, 23},
    {23, K::Edit, "", 50, 22, 100, 12},
    {24, K::Label, "Server", 8, 40, 40, 8, {}, res::kNoFlags, 25},
    {25, K::Edit, "", 50, 38, 100, 12},
    {26, K::Edit, "", 50, 54, 100, 12, {}, res::kDisabled},  // a value the form makes itself
    {30, K::PushButton, "Select", 8, 80, 40, 12},
    {31, K::Edit, "", 50, 80, 100, 12, {}, res::kDisabled},
    {32, K::PushButton, "Generate", 8, 96, 40, 12},
    {res::IDC_EXIT, K::PushButton, "Exit", 60, 96, 40, 12},
}};
constexpr res::DialogTemplate kTestForm{901, "Test Form", 200, 120, 9, kControls};

// "Server" is written only while the mode is "On".
constexpr std::array<int, 1> kServer{25};
constexpr std::array<EnableRule, 1> kRules{{{21, kServer}}};

const std::string kFileName = std::string(1, kNativeSeparator) + "Test.dat";

// A form that records where it was asked to write or read and answers with a chosen outcome.
class TestForm : public CSettingsForm {
public:
    explicit TestForm(QWidget* owner = nullptr)
        : CSettingsForm(kTestForm, {30, 31, 32}, kFileName, Texts::Fixed, owner) {}

    QString name = QStringLiteral("initial");
    QString made = QStringLiteral("made by the form");
    std::vector<std::string> folders;
    std::vector<std::optional<FolderDevice>> devices;
    std::vector<std::string> namesWritten;
    SettingsFileOutcome next{SettingsFileOutcome::Status::Written};

protected:
    void OnInitForm() override { ConnectEnableRules(*this, kRules); }
    void ExchangeFields(bool save) override {
        ExchangeText(save, 23, name);
        ExchangeText(save, 26, made);
    }
    SettingsFileOutcome WriteSettingsFileInto(const std::string& folder,
                                              std::optional<FolderDevice> device) override {
        devices.push_back(device);
        made = QStringLiteral("made while writing");
        folders.push_back(folder);
        namesWritten.push_back(SettingsText(name));
        return next;
    }
    std::optional<QString> LoadSettingsFileFrom(const std::string& path) override {
        pathsRead.push_back(path);
        if (!unreadable) {
            name = QStringLiteral("loaded");
            UpdateData(false);
        }
        return unreadable;
    }

public:
    std::vector<std::string> pathsRead;
    std::optional<QString> unreadable;
};

using SettingsFormTest = FormFixture<TestForm>;

// A text as the writer takes and gives it: 8-bit, in the system's code page.
std::string EightBit(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

TEST_F(SettingsFormTest, StartsAtTheSystemRootAndSelectChangesTheFolderUnlessCancelled) {
    EXPECT_EQ(Shown(31), DefaultFolder());
    EXPECT_FALSE(Enabled(31));
    ChooseFolder(QStringLiteral("/media/card"));
    EXPECT_EQ(platform.browserTitles, QStringList{QStringLiteral("Select :")});
    EXPECT_EQ(platform.browserStarts, QStringList{DefaultFolder()});
    EXPECT_EQ(Shown(31), QStringLiteral("/media/card"));
    EXPECT_EQ(form.TargetFolder(), QStringLiteral("/media/card"));

    platform.nextFolder.reset();
    Click(30);
    EXPECT_EQ(Shown(31), QStringLiteral("/media/card"));
    EXPECT_EQ(form.TargetFolder(), QStringLiteral("/media/card"));
}

TEST_F(SettingsFormTest, GenerateWritesIntoTheFolderAndShowsWhatBecameOfIt) {
    ChooseFolder(QStringLiteral("/media/Kärtchen"));
    Type(23, QStringLiteral("typed"));
    Generate();
    EXPECT_EQ(form.folders, std::vector<std::string>{EightBit(QStringLiteral("/media/Kärtchen"))});
    EXPECT_EQ(form.namesWritten, std::vector<std::string>{"typed"});
    EXPECT_EQ(platform.messages, QStringList{kGenerated});
    EXPECT_EQ(platform.owners, std::vector<QWidget*>{&form});
}

TEST_F(SettingsFormTest, FieldsGoBackIntoTheirEditsOnlyAfterACompleteWrite) {
    form.next = {SettingsFileOutcome::Status::CannotOpen,
                 EightBit(QStringLiteral("/media/Kärtchen/Test.dat")),
                 std::make_error_code(std::errc::read_only_file_system)};
    Generate();
    EXPECT_EQ(Shown(26), QStringLiteral("made by the form"));
    EXPECT_EQ(platform.messages, QStringList{QStringLiteral(
                                     "/media/Kärtchen/Test.dat\nThe card is read-only: is its lock "
                                     "switch set?")});

    form.next = {SettingsFileOutcome::Status::Written};
    Generate();
    EXPECT_EQ(Shown(26), QStringLiteral("made while writing"));
    EXPECT_EQ(platform.messages.size(), 2);
}

TEST_F(SettingsFormTest, ATypedTextTheCameraCannotReadIsRefusedByItsLabelBeforeWriting) {
    for (const QString& unreadable :
         {QStringLiteral("Grüße"), QStringLiteral("a\tb"), QStringLiteral("line\nbreak"),
          QStringLiteral("carriage\rreturn"), QString(QChar(0x7F))}) {
        platform.messages.clear();
        form.Edit(23)->setText(unreadable);
        Generate();
        EXPECT_TRUE(form.folders.empty()) << unreadable.toStdString();
        ASSERT_EQ(platform.messages.size(), 1) << unreadable.toStdString();
        EXPECT_TRUE(platform.messages[0].startsWith(QStringLiteral("\"Name\" holds a line break")))
            << platform.messages[0].toStdString();
        EXPECT_EQ(form.Edit(23)->text(), unreadable);
        EXPECT_TRUE(form.Edit(23)->hasFocus());
    }
    // A localised label names the field in the words the window shows.
    static_cast<QLabel*>(form.Item(22))->setText(QStringLiteral("Nom"));
    Generate();
    EXPECT_TRUE(platform.messages.last().startsWith(QStringLiteral("\"Nom\"")));
}

TEST_F(SettingsFormTest, OnlyTheTextsAFormWritesAreChecked) {
    Pick(21, QStringLiteral("On"));
    Type(25, QStringLiteral("smtp.exämple.org"));
    Pick(21, QStringLiteral("Off"));  // "Server" is not written now
    form.Edit(26)->setText(QStringLiteral("disabled and made by the form: é"));
    Generate();
    EXPECT_EQ(form.folders.size(), 1u);
    EXPECT_EQ(platform.messages, QStringList{kGenerated});

    Pick(21, QStringLiteral("On"));
    Generate();
    EXPECT_EQ(form.folders.size(), 1u);
    EXPECT_TRUE(platform.messages.last().startsWith(QStringLiteral("\"Server\"")));
}

TEST_F(SettingsFormTest, EnableRulesFollowTheirSwitchBothWays) {
    EXPECT_FALSE(Enabled(25));
    Pick(21, QStringLiteral("On"));
    EXPECT_TRUE(Enabled(25));
    Type(25, QStringLiteral("kept"));
    Pick(21, QStringLiteral("Off"));
    EXPECT_FALSE(Enabled(25));
    EXPECT_EQ(Shown(25), QStringLiteral("kept"));
}

TEST_F(SettingsFormTest, LoadFromCardReadsTheFileInTheTargetFolderAndSaysWhatBecameOfIt) {
    const QString folder = dir.filePath(QStringLiteral("Kärtchen"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString file = QDir(folder).filePath(QStringLiteral("Test.dat"));
    WriteFileBytes(file, "on the card");
    ChooseFolder(folder);
    LoadFromCard();
    const QString path = InFolder(folder, QStringLiteral("Test.dat"));
    EXPECT_EQ(form.pathsRead, std::vector<std::string>{EightBit(path)});
    EXPECT_EQ(Shown(23), QStringLiteral("loaded"));
    EXPECT_EQ(platform.messages, QStringList{QStringLiteral("Settings loaded from %1.").arg(path)});

    form.unreadable = QStringLiteral("line 7: expected key CLK, found \"CLOCK\"");
    Type(23, QStringLiteral("typed"));
    LoadFromCard();
    EXPECT_EQ(Shown(23), QStringLiteral("typed"));
    EXPECT_EQ(platform.messages.last(),
              path + QStringLiteral("\nLine 7: expected key CLK, found "
                                    "\"CLOCK\".\nNothing in the form was changed."));
    // A reason in Chinese ends in the Chinese stop; one that has its stop keeps it.
    form.unreadable = QStringLiteral(u"第 7 行：应为键 CLK");
    LoadFromCard();
    EXPECT_TRUE(platform.messages.last().contains(QStringLiteral(u"\n第 7 行：应为键 CLK。\n")));
    form.unreadable = QStringLiteral(u"这是存储卡的文件夹吗？");
    LoadFromCard();
    EXPECT_TRUE(platform.messages.last().contains(QStringLiteral(u"\n这是存储卡的文件夹吗？\n")));
    EXPECT_TRUE(form.folders.empty());
}

// Where there is nothing to load, the form says so without reading anything.
TEST_F(SettingsFormTest, LoadFromCardWithoutAFileSaysWhereTheFileWasLookedFor) {
    LoadFromCard();
    EXPECT_EQ(platform.messages.last(),
              InFolder(DefaultFolder(), QStringLiteral("Test.dat")) +
                  QStringLiteral("\nThis folder holds no such file: choose the card's folder "
                                 "with \"Select\" first.\nNothing in the form was changed."));
    ChooseFolder(dir.path());
    LoadFromCard();
    EXPECT_EQ(platform.messages.last(),
              InFolder(dir.path(), QStringLiteral("Test.dat")) +
                  QStringLiteral("\nThis folder holds no such file: is it the card's folder?\n"
                                 "Nothing in the form was changed."));
    ASSERT_TRUE(dir.remove());
    LoadFromCard();
    EXPECT_EQ(platform.messages.last(),
              InFolder(dir.path(), QStringLiteral("Test.dat")) +
                  QStringLiteral("\nThere is no such folder: is the card in its slot, or was "
                                 "another folder meant?\nNothing in the form was changed."));
    EXPECT_TRUE(form.pathsRead.empty());
}

// "Select" offers what "Load from card" does, once, when the chosen folder holds the form's file.
TEST_F(SettingsFormTest, SelectAsksOnceToLoadTheFileTheFolderHolds) {
    const QString file = InFolder(dir.path(), QStringLiteral("Test.dat"));
    const QString question =
        file + QStringLiteral("\nThis folder holds settings already. Load them into the form?");
    // A folder of that name is no file to load.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Test.dat")));
    ChooseFolder(dir.path());
    EXPECT_TRUE(platform.questions.isEmpty());
    ASSERT_TRUE(QDir(dir.path()).rmdir(QStringLiteral("Test.dat")));

    WriteFileBytes(file, "on the card");
    Type(23, QStringLiteral("typed"));
    platform.answer = false;
    ChooseFolder(dir.path());
    EXPECT_EQ(platform.questions, QStringList{question});
    EXPECT_TRUE(form.pathsRead.empty());
    EXPECT_EQ(Shown(23), QStringLiteral("typed"));
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(form.TargetFolder(), dir.path());

    platform.answer = true;
    ChooseFolder(dir.path());
    EXPECT_EQ(platform.questions, QStringList({question, question}));
    EXPECT_EQ(form.pathsRead, std::vector<std::string>{EightBit(file)});
    EXPECT_EQ(Shown(23), QStringLiteral("loaded"));
    EXPECT_EQ(platform.messages, QStringList{QStringLiteral("Settings loaded from %1.").arg(file)});
    EXPECT_EQ(platform.owners, std::vector<QWidget*>(3, &form));

    // Cancelling the browser asks nothing.
    platform.nextFolder.reset();
    Click(30);
    EXPECT_EQ(platform.questions.size(), 2);
}

TEST_F(SettingsFormTest, ExitEndsTheFormAsCancelled) {
    Click(res::IDC_EXIT);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);
}

// Each outcome of a write in the forms' words: the path of the file, then what went wrong and
// what to do about it.
TEST(FormWords, SayWhatBecameOfAWrite) {
    using Status = SettingsFileOutcome::Status;
    const auto errc = [](std::errc error) { return std::make_error_code(error); };
    const std::string card = "/media/CARD";
    const std::string path = card + "/CameraSet.dat";
    const std::string removed =
        "The card was removed before the file was complete: put it back and press Generate again.";
    const std::string failed = "The file could not be written: ";
    const std::string unchecked = "The file was written but could not be checked: ";
    struct Case {
        Status status;
        std::error_code reason;
        std::string said;  // after the path
    };
    const std::vector<Case> cases{
        {Status::CardGone, FileProblem::NotOnTheCard,
         "The selected card is no longer there: nothing was written."},
        {Status::CardGone, FileProblem::NoCardMounted,
         "No card is mounted at /media/CARD: nothing was written."},
        {Status::CannotOpen, FileProblem::NoSuchFolder,
         "There is no such folder: is the card in its slot, or was another folder meant?"},
        {Status::CannotOpen, FileProblem::NotAFolder,
         "It is not a folder: choose the card's folder with \"Select\"."},
        {Status::CannotOpen, errc(std::errc::no_space_on_device), "The card is full."},
        {Status::CannotOpen, errc(std::errc::is_a_directory),
         "A folder of that name is in the way."},
        {Status::CannotOpen, FileProblem::NotAFile, "Something that is no file is in the way."},
        {Status::CannotOpen, errc(std::errc::permission_denied),
         "The file there is read-only, or this folder may not be written to."},
#ifndef _WIN32
        // A reason the forms have no words of their own for, in the system's; Windows reports
        // no such reason.
        {Status::CannotOpen, errc(std::errc::too_many_symbolic_link_levels),
         "Too many levels of symbolic links."},
#endif
        {Status::Failed, FileProblem::CardRemoved, removed},
        {Status::Failed, errc(std::errc::no_space_on_device),
         failed + "the card is full. Make room on it, or use another card."},
        {Status::Failed, errc(std::errc::file_too_large),
         failed + "the system lets this program write no file that large."},
        {Status::Failed, errc(std::errc::io_error),
         failed + "the card did not take it, as a loose or failing card does. Put it back firmly "
                  "and press Generate again, or use another card."},
        {Status::Failed, errc(std::errc::read_only_file_system),
         failed + "the card turned read-only while it was written, as a failing card does. Use "
                  "another card, or check this one on a computer."},
        {Status::Failed, errc(std::errc::filename_too_long),
         failed + "the folder's path is too long. Choose a folder nearer the top of the card."},
        {Status::Failed, errc(std::errc::operation_not_permitted),
         failed + "the file there belongs to another user and may not be replaced."},
        {Status::Failed, errc(std::errc::bad_file_descriptor), failed + "bad file descriptor."},
        {Status::WrittenUnchecked, FileProblem::CardRemoved, removed},
        {Status::WrittenUnchecked, FileProblem::ReadsBackDifferently,
         "The file was written but reads back differently, as a failing card does: press "
         "Generate again, or use another card."},
        {Status::WrittenUnchecked, errc(std::errc::permission_denied),
         unchecked + "this program may not read it back from that folder."},
        {Status::WrittenUnchecked, errc(std::errc::io_error),
         unchecked + "the card did not answer, as a loose or failing card does. Put it back "
                     "firmly and press Generate again."},
        {Status::Replaced,
         {},
         "The file was written, but another program has replaced it since: the folder now holds "
         "that program's file."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OutcomeMessage({c.status, path, c.reason}, card, QString()),
                  QString::fromStdString(path + "\n" + c.said))
            << c.reason.message();
    }
    EXPECT_EQ(OutcomeMessage({Status::Written, path}, card, QString()), kGenerated);
    // At the default folder, the way out is "Select".
    EXPECT_EQ(
        OutcomeMessage({Status::CannotOpen, "//CameraSet.dat", errc(std::errc::permission_denied)},
                       kDefaultTargetFolder, QString()),
        QStringLiteral("//CameraSet.dat\nThis folder may not be written to: choose the "
                       "card's folder with \"Select\" first."));
    // A text too long, and the form's own refusal.
    SettingsFileOutcome tooLong{Status::Refused, path, FileProblem::TooLong};
    tooLong.length = 3000;
    EXPECT_EQ(OutcomeMessage(tooLong, card, QString()),
              QStringLiteral("The settings are too long for the camera: 3000 bytes, at most 2999 "
                             "fit.\nNothing was written."));
    EXPECT_EQ(OutcomeMessage({Status::Refused, path}, card, QStringLiteral("the form's words")),
              QStringLiteral("the form's words"));
}

// Why a file cannot be loaded, as the form says it after the file's path.
TEST(FormWords, SayWhyAFileCannotBeRead) {
    using Kind = ReadProblem::Kind;
    const std::string name = "CameraSet.dat";
    const QString invalid = QStringLiteral("it is not a valid CameraSet.dat: ");
    EXPECT_EQ(ReadProblemWords({Kind::Unreadable, FileProblem::NamedPipe}, name),
              QStringLiteral("it cannot be read: Is a named pipe, not a file"));
    EXPECT_EQ(ReadProblemWords({Kind::FileTooLong}, name),
              QStringLiteral("it is longer than the 2999 bytes a settings file holds"));
    EXPECT_EQ(ReadProblemWords({Kind::Empty}, name), invalid + QStringLiteral("it is empty"));
    const std::vector<std::pair<ReadProblem, QString>> lines{
        {{Kind::WrongKey, {}, 7, "SENL", "TSTP"},
         QStringLiteral("expected key SENL, found \"TSTP\"")},
        {{Kind::EndOfText, {}, 2, "PRES"},
         QStringLiteral("expected key PRES, found the end of the text")},
        {{Kind::NoLineEnd, {}, 2, "PRES"},
         QStringLiteral("PRES has no line end: the text is cut short")},
        {{Kind::NotPrintable, {}, 2, "CLK", "a\tb"},
         QStringLiteral("the value of CLK holds a byte outside printable ASCII: \"a\\x09b\"")},
        {{Kind::NotANumber, {}, 2, "PRES", "07"},
         QStringLiteral("expected a number for PRES, found \"07\"")},
        {{Kind::NumberOutOfRange, {}, 2, "PRES", "1234567890"},
         QStringLiteral("the number for PRES is out of range, found \"1234567890\"")},
        {{Kind::WrongCharacters, {}, 17, "SNUMS", "AB", 4},
         QStringLiteral("expected 4 characters for SNUMS, found \"AB\"")},
        {{Kind::WrongTimes, {}, 19, "TIMERT1", "1:2", 4},
         QStringLiteral("expected hh:mm hh:mm for TIMERT1, found \"1:2\"")},
        {{Kind::MoreText, {}, 22, {}, "MORE=1"},
         QStringLiteral("expected the end of the text, found \"MORE=1\"")},
    };
    for (const auto& [problem, said] : lines) {
        EXPECT_EQ(ReadProblemWords(problem, name),
                  invalid + QStringLiteral("line %1: ").arg(problem.line) + said);
    }
}

// Two cards both stand in the browser's sidebar; with one card alone the browser opens in it,
// unless a folder has been chosen already.
TEST(FolderBrowser, OffersEveryCardAndOpensInTheOnlyOne) {
    QTemporaryDir first;
    QTemporaryDir second;
    const RemovableVolume card1{first.path(), QStringLiteral("CARD1"), 8LL << 30};
    const RemovableVolume card2{second.path(), QStringLiteral("CARD2"), 16LL << 30};
    std::unique_ptr<QFileDialog> two(
        MakeFolderBrowser(nullptr, QStringLiteral("Select :"), DefaultFolder(), {card1, card2}));
    const QList<QUrl> sidebar = two->sidebarUrls();
    EXPECT_TRUE(sidebar.contains(QUrl::fromLocalFile(first.path())));
    EXPECT_TRUE(sidebar.contains(QUrl::fromLocalFile(second.path())));
    EXPECT_EQ(two->directory().absolutePath(), QDir(DefaultFolder()).absolutePath());
    // Each card by its label and size, as the sidebar shows it.
    QStringList shown;
    const QAbstractItemModel* places =
        two->findChild<QAbstractItemView*>(QStringLiteral("sidebar"))->model();
    for (int row = 0; row < places->rowCount(); ++row) {
        shown << places->index(row, 0).data().toString();
    }
    // The system's root comes first, named as the system names it.
    const QStringList named{QStringLiteral("CARD1 (8.6 GB)"), QStringLiteral("CARD2 (17.2 GB)")};
    EXPECT_EQ(shown.mid(1), named);
    // Qt names a place by its folder again once it has read the folder's own folder.
    auto* files = two->findChild<QFileSystemModel*>();
    ASSERT_NE(files, nullptr);
    bool loaded = false;
    QObject::connect(files, &QFileSystemModel::directoryLoaded, files,
                     [&loaded, &first](const QString& folder) {
                         loaded = loaded || QFileInfo(folder) == QFileInfo(first.path() + "/..");
                     });
    two->setDirectory(first.path() + QStringLiteral("/.."));
    two->show();
    ASSERT_TRUE(QTest::qWaitFor([&loaded] { return loaded; }));
    QCoreApplication::processEvents();
    shown.clear();
    for (int row = 0; row < places->rowCount(); ++row) {
        shown << places->index(row, 0).data().toString();
    }
    EXPECT_EQ(shown.mid(1), named);
    two->close();

    std::unique_ptr<QFileDialog> one(
        MakeFolderBrowser(nullptr, QStringLiteral("Select :"), DefaultFolder(), {card2}));
    EXPECT_EQ(one->directory().absolutePath(), second.path());
    std::unique_ptr<QFileDialog> chosen(
        MakeFolderBrowser(nullptr, QStringLiteral("Select :"), first.path(), {card2}));
    EXPECT_EQ(chosen->directory().absolutePath(), first.path());
}

}  // namespace
