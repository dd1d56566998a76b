// Every window, message and line of the command line in a language of the tests' own, made at
// build time from every text that the sources mark for translation: each text is translated as
// itself in brackets, "[Camera Setup]". A text shown without its brackets slipped past
// translation. Every real language, in its turn, must give each text a place it fits.
#include <QAccessible>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "app/about_dlg.h"
#include "camera/camera_settings.h"
#include "core/file_handle.h"
#include "core/scramble.h"
#include "framework/control_factory.h"
#include "framework/controls.h"
#include "framework/form_words.h"
#include "mms/mms_dlg.h"
#include "res/about_dialog.h"
#include "res/camera_dialog.h"
#include "res/mms_dialog.h"
#include "res/smtp_dialog.h"
#include "tests/support/every_window.h"
#include "tests/support/files.h"
#include "tests/support/localisation_file.h"
#include "tests/support/run_program.h"
#include "words/read_words.h"

namespace {

// Whether every word of `text` is translated: once the data a message shows (`data`: paths,
// file names, the system's reasons) is taken out, every letter lies in brackets. Codes, numbers
// and product names, which have no small letter ("720P", "SMTP-CAMERA", "06-12-2026 14:05:09"),
// stay as they are in every language.
testing::AssertionResult AllTranslated(const QString& text, const QStringList& data = {}) {
    QString rest = text;
    for (const QString& shown : data) {
        rest.remove(shown);
    }
    static const QRegularExpression kInnermost(QStringLiteral("\\[[^\\[\\]]*\\]"));
    while (rest.contains(kInnermost)) {
        rest.remove(kInnermost);
    }
    static const QRegularExpression kWord(QStringLiteral("[\\p{Ll}\\p{Lo}]"));
    if (rest.contains(kWord)) {
        return testing::AssertionFailure() << "not translated: \"" << text.toStdString() << '"';
    }
    return testing::AssertionSuccess();
}

// The tests' own language, installed for as long as it lives.
class PseudoLanguage {
public:
    PseudoLanguage() {
        EXPECT_TRUE(m_translator.load(QStringLiteral(TRAILCAM_PSEUDO_QM)));
        QCoreApplication::installTranslator(&m_translator);
    }
    ~PseudoLanguage() { QCoreApplication::removeTranslator(&m_translator); }

private:
    QTranslator m_translator;
};

QString AccessibleName(QWidget* control) {
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(control);
    return access != nullptr ? access->text(QAccessible::Name) : QString();
}

// The lists that show the operator tables' countries and operators: their names are the
// operators' own.
bool ShowsTableNames(int id) {
    using namespace res;
    return id == IDC_MMS_COUNTRY || id == IDC_MMS_OPERATOR || id == IDC_SMTP_COUNTRY ||
           id == IDC_SMTP_OPERATOR;
}

class Translated : public testing::TestWithParam<Window> {
protected:
    PseudoLanguage language;
    FakePlatform platform;
};

// Its title, every caption, every item of its lists, every name a screen reader announces and
// every command of its window menu.
TEST_P(Translated, EveryTextOfTheWindow) {
    const std::unique_ptr<CDialog> window = GetParam().make();
    window->Create();
    EXPECT_TRUE(AllTranslated(window->windowTitle()));
    const auto& layout = window->Layout().controls;
    for (std::size_t i = 0; i < layout.size(); ++i) {
        QWidget* control = window->Controls()[i];
        SCOPED_TRACE(layout[i].id);
        if (IsTabStop(layout[i].kind)) {
            EXPECT_TRUE(AllTranslated(AccessibleName(control)));
        }
        if (ShowsTableNames(layout[i].id)) {
            continue;
        }
        EXPECT_TRUE(AllTranslated(GetWindowText(control)));
        if (auto* list = qobject_cast<CComboBox*>(control)) {
            for (int item = 0; item < list->count(); ++item) {
                EXPECT_TRUE(AllTranslated(list->itemText(item)));
            }
        }
    }
    if (WindowMenu* menu = window->SystemMenu()) {
        EXPECT_TRUE(AllTranslated(menu->accessibleName()));
        for (const QAction* action : menu->actions()) {
            EXPECT_TRUE(AllTranslated(action->text()));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(PseudoLanguage, Translated, testing::ValuesIn(kEveryWindow), WindowName);

// Every outcome of a write and every reason why a file cannot be read.
TEST(TranslatedMessages, EveryOutcomeAndEveryReason) {
    const PseudoLanguage language;
    using Status = SettingsFileOutcome::Status;
    const std::string path = "/media/CARD/CameraSet.dat";
    const QStringList data{QString::fromStdString(path), QStringLiteral("/media/CARD"),
                           QStringLiteral("CameraSet.dat")};
    const auto errc = [](std::errc error) { return std::make_error_code(error); };
    const std::vector<std::error_code> reasons{
        {},
        FileProblem::NoSuchFolder,
        FileProblem::NotAFolder,
        FileProblem::NotAFile,
        FileProblem::CardRemoved,
        FileProblem::ReadsBackDifferently,
        FileProblem::NotOnTheCard,
        FileProblem::NoCardMounted,
        FileProblem::TooLong,
        errc(std::errc::read_only_file_system),
        errc(std::errc::no_space_on_device),
        errc(std::errc::is_a_directory),
        errc(std::errc::permission_denied),
        errc(std::errc::file_too_large),
        errc(std::errc::io_error),
        errc(std::errc::filename_too_long),
        errc(std::errc::bad_file_descriptor),
    };
    for (const Status status :
         {Status::Written, Status::Refused, Status::CardGone, Status::CannotOpen, Status::Failed,
          Status::WrittenUnchecked, Status::Replaced}) {
        for (const std::error_code& reason : reasons) {
            const SettingsFileOutcome outcome{status, path, reason};
            QStringList shown = data;
            shown << QString::fromStdString(reason.message());
            for (const std::string& folder : {std::string("/media/CARD"), std::string("/")}) {
                EXPECT_TRUE(AllTranslated(
                    OutcomeMessage(outcome, folder, QStringLiteral("[refused]")), shown));
            }
        }
    }
    for (int kind = 0; kind <= static_cast<int>(ReadProblem::Kind::MoreText); ++kind) {
        const ReadProblem problem{static_cast<ReadProblem::Kind>(kind),
                                  errc(std::errc::is_a_directory),
                                  7,
                                  "SENL",
                                  "xyz",
                                  2};
        const QStringList shown =
            data + QStringList{QStringLiteral("SENL"), QStringLiteral("\"xyz\""),
                               QString::fromStdString(problem.reason.message())};
        EXPECT_TRUE(AllTranslated(ReadProblemWords(problem, "CameraSet.dat"), shown));
    }
}

// What the forms say when the user generates, selects and loads: refusals, questions, the
// file loaded and why it could not be.
TEST(TranslatedMessages, WhatTheFormsSayOfWritingAndLoading) {
    const PseudoLanguage language;
    FakePlatform platform;
    QTemporaryDir dir;
    const QString folder = dir.path();
    platform.nextFolder = folder;
    platform.answer = true;
    const auto check = [&] {
        for (const QString& message : platform.messages + platform.questions) {
            EXPECT_TRUE(AllTranslated(
                message, {folder, QStringLiteral("CameraSet.dat"), QStringLiteral("MmsSet.dat")}));
        }
        platform.messages.clear();
        platform.questions.clear();
    };

    CCameraDlg camera;
    camera.Create();
    camera.Button(res::IDC_CAMERA_SELECT)->click();
    camera.List(res::IDC_CAMERA_WINDOW1_START_HOUR)->setCurrentIndex(18);
    camera.Button(res::IDC_CAMERA_GENERATE)->click();
    camera.SendSysCommand(IDM_LOAD_FROM_CARD);  // no such file
    camera.List(res::IDC_CAMERA_WINDOW1_START_HOUR)->setCurrentIndex(0);
    camera.Button(res::IDC_CAMERA_GENERATE)->click();
    camera.SendSysCommand(IDM_LOAD_FROM_CARD);
    std::string other = "XYZ=1\n";  // a file of no kind
    ScrambleSettingsText(other.data(), other.size(), kCameraScrambleKey);
    WriteFileBytes(QDir(folder).filePath(QStringLiteral("CameraSet.dat")),
                   QByteArray::fromStdString(other));
    camera.Button(res::IDC_CAMERA_SELECT)->click();  // asks, loads
    CameraSettings wrong;
    wrong.mode = 7;
    std::string text = ComposeCameraSettingsText(wrong);
    ScrambleSettingsText(text.data(), text.size(), kCameraScrambleKey);
    WriteFileBytes(QDir(folder).filePath(QStringLiteral("CameraSet.dat")),
                   QByteArray::fromStdString(text));
    camera.SendSysCommand(IDM_LOAD_FROM_CARD);
    check();

    CMmsDlg mms;
    mms.Create();
    mms.Button(res::IDC_MMS_SELECT)->click();
    mms.List(res::IDC_MMS_OPERATOR)->setCurrentIndex(2);  // Mic1, without network values
    mms.Button(res::IDC_MMS_GENERATE)->click();
    mms.List(res::IDC_MMS_MODE)->setCurrentIndex(1);
    mms.Edit(res::IDC_MMS_URL)->setText(QStringLiteral("Grüße"));
    mms.Button(res::IDC_MMS_GENERATE)->click();
    mms.Edit(res::IDC_MMS_URL)->setText(QStringLiteral("http://mms"));
    mms.Button(res::IDC_MMS_GENERATE)->click();
    mms.SendSysCommand(IDM_LOAD_FROM_CARD);  // values of no operator: "Manual"
    check();
    EXPECT_FALSE(platform.browserTitles.isEmpty());
    for (const QString& title : platform.browserTitles) {
        EXPECT_TRUE(AllTranslated(title));
    }
}

// The user's own texts file wins over the translation where it gives a text; everything else the
// window shows is translated.
TEST(TranslatedWindows, TheUsersOwnTextsWinOverTheTranslation) {
    const PseudoLanguage language;
    FakePlatform platform;
    const ScopedLocalisationFile texts(
        "[String]\nIDD105_Title=Meine MMS\nIDD105_1076=Betriebsart\nIDD100_998=Version 2.1\n");
    CMmsDlg mms;
    mms.Create();
    EXPECT_EQ(mms.windowTitle(), QStringLiteral("Meine MMS"));
    EXPECT_EQ(GetWindowText(mms.Item(res::IDC_MMS_MODE_LABEL)), QStringLiteral("Betriebsart"));
    EXPECT_EQ(mms.Button(res::IDC_MMS_GENERATE)->text(), QStringLiteral("[Generate]"));
    CAboutDlg about;
    about.Create();
    EXPECT_EQ(GetWindowText(about.Item(res::IDC_ABOUT_VERSION)), QStringLiteral("Version 2.1"));
    EXPECT_TRUE(AllTranslated(about.windowTitle()));
}

// trailcam-card in the tests' language: every line it says is translated, but for the names,
// keys and values it shows; its JSON, which scripts read, stays as it is in every language.
TEST(TranslatedCommandLine, SaysEveryLineInTheUsersLanguageButItsJson) {
    QTemporaryDir dir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TRAILCAM_TRANSLATION"), QStringLiteral(TRAILCAM_PSEUDO_QM));
    const auto card = [&](const QStringList& arguments) {
        return RunProgram(QStringLiteral(TRAILCAM_CARD_PROGRAM), arguments, environment);
    };
    const QString file = QDir(dir.path()).filePath(QStringLiteral("CameraSet.dat"));
    const QString none = QDir(dir.path()).filePath(QStringLiteral("none"));
    const QStringList data{none,
                           dir.path(),
                           QStringLiteral("CameraSet.dat"),
                           QStringLiteral("MmsSet.dat"),
                           QStringLiteral("SmtpSet.dat"),
                           QStringLiteral("trailcam-card"),
                           QStringLiteral("camera"),
                           QStringLiteral("mms"),
                           QStringLiteral("smtp"),
                           QStringLiteral("bogus")};
    const std::vector<QStringList> runs{
        {QStringLiteral("write"), QStringLiteral("camera"), dir.path()},
        {QStringLiteral("show"), file},
        {QStringLiteral("check"), file},
        {QStringLiteral("write"), QStringLiteral("camera"), QStringLiteral("--set"),
         QStringLiteral("MODE=9"), dir.path()},
        {QStringLiteral("write"), QStringLiteral("camera"), none},
        {QStringLiteral("show"), QStringLiteral("--kind"), QStringLiteral("mms"), file},
        {QStringLiteral("bogus")},
        {QStringLiteral("--help")},
    };
    for (const QStringList& arguments : runs) {
        const ProgramOutcome outcome = card(arguments);
        // The help is one text; every other output a line of its own.
        const QStringList said = arguments.first() == QStringLiteral("--help")
                                     ? QStringList{outcome.out}
                                     : (outcome.out + outcome.err).split(u'\n', Qt::SkipEmptyParts);
        for (const QString& text : said) {
            EXPECT_TRUE(AllTranslated(text, data)) << arguments.join(u' ').toStdString();
        }
    }
    const ProgramOutcome json = card({QStringLiteral("show"), QStringLiteral("--json"), file});
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_FALSE(json.out.contains(u'[' + QStringLiteral("Mode")));
    EXPECT_TRUE(json.out.contains(QStringLiteral("\"label\": \"Mode\"")));
}

#if !defined(_WIN32)
// The language comes from the desktop as for the other programs there: LANGUAGE's list while the
// messages' locale is a language, else that locale; English ranked first, LC_ALL=C or no locale
// at all give the program's own English.
TEST(LanguageOfTheDesktop, IsTheOneItsLocaleAndLanguageListAskFor) {
    const auto translated = [](const char* language) {
        QTranslator translator;
        EXPECT_TRUE(translator.load(QStringLiteral(":/i18n/trailcam_%1.qm").arg(language)));
        const QString text = translator.translate("TrailcamCard", "unknown command '%1'");
        EXPECT_FALSE(text.isEmpty()) << language;
        return text.arg(QStringLiteral("bogus"));
    };
    const auto said = [](std::initializer_list<std::pair<const char*, const char*>> settings) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name :
             {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG", "TRAILCAM_TRANSLATION"}) {
            environment.remove(QString::fromLatin1(name));
        }
        for (const auto& [name, value] : settings) {
            environment.insert(QString::fromLatin1(name), QString::fromLatin1(value));
        }
        return RunProgram(QStringLiteral(TRAILCAM_CARD_PROGRAM), {QStringLiteral("bogus")},
                          environment)
            .err;
    };
    const QString english =
        QStringLiteral("trailcam-card: unknown command 'bogus' (see trailcam-card --help)\n");
    EXPECT_EQ(said({}), english);
    EXPECT_EQ(said({{"LC_ALL", "C"}, {"LANGUAGE", "de"}, {"LANG", "de_DE.UTF-8"}}), english);
    EXPECT_EQ(said({{"LANG", "C.UTF-8"}, {"LANGUAGE", "de"}}), english);
    EXPECT_EQ(said({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en_GB:de"}}), english);
    EXPECT_EQ(said({{"LANG", "sv_SE.UTF-8"}}), english);

    const QString german = translated("de");
    EXPECT_TRUE(said({{"LANG", "de_AT.UTF-8"}}).contains(german));
    EXPECT_TRUE(said({{"LANG", "C"}, {"LC_MESSAGES", "de_CH.UTF-8"}}).contains(german));
    EXPECT_TRUE(said({{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "sv:de:en"}}).contains(german));
    // Portugal and Brazil share one Portuguese; Chinese is the Simplified script's.
    EXPECT_TRUE(said({{"LANG", "pt_PT.UTF-8"}}).contains(translated("pt")));
    EXPECT_TRUE(said({{"LANG", "zh_CN.UTF-8"}}).contains(translated("zh_CN")));
}

// The files hold positions and the camera's own words: they are the same bytes in every language.
TEST(LanguageOfTheDesktop, WritesTheSameBytesInEveryLanguage) {
    const auto written = [](const QString& locale) {
        QTemporaryDir card;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("LANGUAGE"));
        environment.remove(QStringLiteral("TRAILCAM_TRANSLATION"));
        environment.insert(QStringLiteral("LC_ALL"), locale);
        QByteArray bytes;
        for (const QStringList& kind :
             {QStringList{QStringLiteral("camera"), QStringLiteral("--set"),
                          QStringLiteral("CLK=08-12-2026 10:20:30"), QStringLiteral("--set"),
                          QStringLiteral("MODE=Camera+Video")},
              QStringList{QStringLiteral("mms"), QStringLiteral("--set"),
                          QStringLiteral("MMSS=1")},
              QStringList{QStringLiteral("smtp")}}) {
            const ProgramOutcome outcome = RunProgram(QStringLiteral(TRAILCAM_CARD_PROGRAM),
                                                      QStringList{QStringLiteral("write")} +
                                                          kind + QStringList{card.path()},
                                                      environment);
            EXPECT_EQ(outcome.exitCode, 0) << locale.toStdString() << outcome.err.toStdString();
        }
        for (const char* name : {"CameraSet.dat", "MmsSet.dat", "SmtpSet.dat"}) {
            bytes += ReadFileBytes(QDir(card.path()).filePath(QString::fromLatin1(name)));
        }
        return bytes;
    };
    const QByteArray english = written(QStringLiteral("C"));
    ASSERT_FALSE(english.isEmpty());
    for (const char* locale : {"de_DE.UTF-8", "es_ES.UTF-8", "fr_FR.UTF-8", "it_IT.UTF-8",
                               "nl_NL.UTF-8", "pl_PL.UTF-8", "pt_BR.UTF-8", "ru_RU.UTF-8",
                               "zh_CN.UTF-8"}) {
        EXPECT_EQ(written(QString::fromLatin1(locale)), english) << locale;
    }
}
#endif

}  // namespace
