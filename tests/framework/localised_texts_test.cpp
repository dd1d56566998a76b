#include "framework/localised_texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>

#include "core/profile.h"
#include "framework/controls.h"
#include "framework/dialog.h"
#include "res/about_dialog.h"
#include "res/dialogs.h"
#include "res/mms_dialog.h"
#include "res/smtp_dialog.h"
#include "tests/support/localisation_file.h"

namespace {

using K = res::ControlKind;

constexpr std::array<std::string_view, 3> kColours{"Red", "Green", "Blue"};
constexpr std::array<res::ControlTemplate, 8> kControls{{
    {res::kUnnamedId, K::GroupBox, "", 2, 2, 196, 96},
    {res::kUnnamedId, K::Icon, "", 6, 6, 21, 20},
    {20, K::GroupBox, "Named", 30, 4, 160, 40},
    {21, K::Label, "Colour", 36, 14, 40, 8, {}, res::kNoFlags, 22},
    {22, K::DropDownList, "", 80, 12, 60, 50, res::ListItems{kColours}},
    {23, K::Edit, "typed", 36, 50, 100, 12},
    {24, K::PushButton, "Go", 36, 70, 50, 14},
    {res::kUnnamedId, K::GroupBox, "", 30, 46, 160, 40},
}};
constexpr int kTestDialogId = 910;
constexpr res::DialogTemplate kTestDialog{kTestDialogId, "Test", 200, 100, 9, kControls};

// A dialog whose edit 23 mirrors a text field, as a form's edits do.
class FieldDialog : public CDialog {
public:
    explicit FieldDialog(const res::DialogTemplate& layout = kTestDialog)
        : CDialog(layout, Frame::Platform) {
        Create();
    }
    QString field;

protected:
    void DoDataExchange(bool save) override {
        if (FindItem(23) != nullptr) {
            ExchangeText(save, 23, field);
        }
    }
};

// The window texts of a dialog: its title, then every control's in template order.
QStringList Texts(const CDialog& dialog) {
    QStringList texts{dialog.windowTitle()};
    for (const QWidget* control : dialog.Controls()) {
        texts << GetWindowText(control);
    }
    return texts;
}

// The texts of a fresh dialog after applying the file `ini` to it.
QStringList TextsAfter(const QByteArray& ini, const res::DialogTemplate& layout) {
    const ScopedLocalisationFile file(ini);
    FieldDialog dialog(layout);
    ApplyLocalisedTexts(dialog, dialog.Controls(), dialog.Layout().controls, layout.id);
    return Texts(dialog);
}

QStringList ResourceTexts(const res::DialogTemplate& layout) {
    return Texts(FieldDialog(layout));
}

// `texts` with the window text at `index` (0 is the title, then the controls) replaced.
QStringList With(QStringList texts, std::initializer_list<std::pair<qsizetype, QString>> changes) {
    for (const auto& [index, text] : changes) {
        texts[index] = text;
    }
    return texts;
}

qsizetype IndexOf(const res::DialogTemplate& layout, int id) {
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        if (layout.controls[i].id == id) {
            return static_cast<qsizetype>(i) + 1;
        }
    }
    return -1;
}

TEST(ApplyLocalisedTexts, WithoutAFileOrItsSectionEveryTextStays) {
    const QStringList resource = ResourceTexts(kTestDialog);
    ASSERT_EQ(resource.first(), QStringLiteral("Test"));
    {
        FieldDialog dialog;
        SetLocalisationFile(QString());
        ApplyLocalisedTexts(dialog, dialog.Controls(), dialog.Layout().controls, kTestDialogId);
        EXPECT_EQ(Texts(dialog), resource);
        SetLocalisationFile(QDir::temp().filePath(QStringLiteral("no-such-folder/none.ini")));
        ApplyLocalisedTexts(dialog, dialog.Controls(), dialog.Layout().controls, kTestDialogId);
        EXPECT_EQ(Texts(dialog), resource);
        SetLocalisationFile(QString());
    }
    const QByteArray elsewhere =
        "IDD910_Title=Outside any section\n"
        "[Strings]\nIDD910_Title=Other section\nIDD910_24=Other section\n"
        "[String]\nIDD910_Title=\nIDD910_24=\"\"\nIDD910_21=   \n"
        "IDD911_24=Another dialog\n";
    EXPECT_EQ(TextsAfter(elsewhere, kTestDialog), resource);
    for (const res::DialogTemplate* layout : {&res::kMmsDialog, &res::kSmtpDialog}) {
        EXPECT_EQ(TextsAfter("[Other]\nIDD105_Title=X\nIDD106_Title=X\nIDD105_-1=X\n", *layout),
                  ResourceTexts(*layout))
            << layout->id;
    }
}

TEST(ApplyLocalisedTexts, ATitleKeyChangesTheTitleAndNothingElse) {
    EXPECT_EQ(TextsAfter("[String]\nIDD910_Title=Über den Test\n", kTestDialog),
              With(ResourceTexts(kTestDialog), {{0, QStringLiteral("Über den Test")}}));
}

TEST(ApplyLocalisedTexts, EveryKindOfControlTakesItsText) {
    const ScopedLocalisationFile file(
        "[String]\n"
        " idd910_20 = Rahmen mit Namen\n"
        "IDD910_21=Farbe\n"
        "IDD910_22=Blue\n"
        "IDD910_23=getippt\n"
        "IDD910_24=" +
        QByteArray(1200, 'L') +
        "\n"
        "IDD910_-1=Rahmen\n");
    FieldDialog dialog;
    ApplyLocalisedTexts(dialog, dialog.Controls(), dialog.Layout().controls, kTestDialogId);

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Test"));
    const std::vector<QWidget*>& controls = dialog.Controls();
    EXPECT_EQ(static_cast<QGroupBox*>(controls[0])->title(), QStringLiteral("Rahmen"));
    EXPECT_EQ(static_cast<QGroupBox*>(controls[7])->title(), QStringLiteral("Rahmen"));
    EXPECT_EQ(static_cast<QGroupBox*>(controls[2])->title(), QStringLiteral("Rahmen mit Namen"));
    // The unnamed picture keeps its picture.
    const auto* icon = static_cast<QLabel*>(controls[1]);
    EXPECT_FALSE(icon->pixmap().isNull());
    EXPECT_TRUE(icon->text().isEmpty());

    EXPECT_EQ(GetWindowText(dialog.Item(21)), QStringLiteral("Farbe"));
    EXPECT_EQ(dialog.List(22)->currentIndex(), 2);
    EXPECT_EQ(dialog.Button(24)->text(), QString(999, QLatin1Char('L')));
    // An edit's text is taken as if it had been typed.
    EXPECT_EQ(dialog.Edit(23)->text(), QStringLiteral("getippt"));
    dialog.UpdateData(true);
    EXPECT_EQ(dialog.field, QStringLiteral("getippt"));
}

TEST(ApplyLocalisedTexts, AListWithoutTheGivenItemKeepsItsSelection) {
    for (const QByteArray& text : {QByteArray("blue"), QByteArray("Blu"), QByteArray("Purple")}) {
        EXPECT_EQ(TextsAfter("[String]\nIDD910_22=" + text + "\n", kTestDialog),
                  ResourceTexts(kTestDialog))
            << text.toStdString();
    }
}

TEST(ApplyLocalisedTexts, GarbageInTheFileChangesOnlyTheReadableKeys) {
    QByteArray garbage;
    for (int i = 0; i < 2048; ++i) {
        garbage += static_cast<char>((i * 131 + 7) % 256);
    }
    const QByteArray ini = garbage + "\n[String]\n" + garbage + QByteArray(2, '\0') + "\n" +
                           "IDD910_24=Los\n" + QByteArray("IDD910_") + '\0' + "23=hidden\n" +
                           garbage + "\n[String]\nIDD910_21=Farbe";  // no final line break
    const QStringList resource = ResourceTexts(kTestDialog);
    EXPECT_EQ(TextsAfter(ini, kTestDialog),
              With(resource, {{IndexOf(kTestDialog, 21), QStringLiteral("Farbe")},
                              {IndexOf(kTestDialog, 24), QStringLiteral("Los")}}));
}

TEST(ApplyLocalisedTexts, TheMmsFormsFramesListsAndFolderTakeTheirTexts) {
    const res::DialogTemplate& mms = res::kMmsDialog;
    QStringList expected =
        With(ResourceTexts(mms), {{0, QStringLiteral("MMS-Einstellungen")},
                                  {IndexOf(mms, 1077), QStringLiteral("Manual")},
                                  {IndexOf(mms, 1120), QStringLiteral("/media/karte")}});
    for (std::size_t i = 0; i < mms.controls.size(); ++i) {
        if (mms.controls[i].id == res::kUnnamedId) {
            expected[static_cast<qsizetype>(i) + 1] = QStringLiteral("Rahmen");
        }
    }
    EXPECT_EQ(TextsAfter("[String]\nIDD105_Title=MMS-Einstellungen\nIDD105_-1=Rahmen\n"
                         "IDD105_1077=Manual\nIDD105_1120=/media/karte\nIDD105_1088=Germany\n",
                         mms),
              expected);
    EXPECT_EQ(expected.count(QStringLiteral("Rahmen")), 5);
}

TEST(ApplyLocalisedTexts, MinusOneNamesTheFourUnnamedFramesOfTheSmtpForm) {
    const res::DialogTemplate& smtp = res::kSmtpDialog;
    const ScopedLocalisationFile file("[String]\nIDD106_-1=Rahmen\nIDD106_1164=/media/karte\n");
    FieldDialog dialog(smtp);
    ApplyLocalisedTexts(dialog, dialog.Controls(), dialog.Layout().controls, res::IDD_SMTP);
    int renamed = 0;
    for (QWidget* control : dialog.Controls()) {
        if (auto* frame = qobject_cast<QGroupBox*>(control)) {
            const bool unnamed = CDialog::ControlId(frame) == res::kUnnamedId;
            EXPECT_EQ(frame->title(), unnamed ? QStringLiteral("Rahmen") : QString());
            renamed += unnamed ? 1 : 0;
        }
    }
    EXPECT_EQ(renamed, 4);
    EXPECT_EQ(dialog.Edit(res::IDC_SMTP_FOLDER)->text(), QStringLiteral("/media/karte"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Smtp Setup"));
}

// The key = value lines of the example German texts, in file order.
std::vector<std::pair<QString, QString>> ExampleGermanEntries() {
    QFile file(QStringLiteral(TRAILCAM_EXAMPLE_TEXTS));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<std::pair<QString, QString>> entries;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!line.startsWith(QLatin1Char(';')) && equals > 0) {
            entries.emplace_back(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
        }
    }
    return entries;
}

TEST(ExampleGermanTexts, EveryKeyNamesARealControlAndEveryCaptionHasOne) {
    const std::map<int, const res::DialogTemplate*> dialogs{
        {res::IDD_ABOUTBOX, &res::kAboutDialog},
        {res::IDD_MMS, &res::kMmsDialog},
        {res::IDD_SMTP, &res::kSmtpDialog},
    };
    const QString path = QStringLiteral(TRAILCAM_EXAMPLE_TEXTS);
    const QRegularExpression keyForm(QStringLiteral("^IDD(\\d+)_(Title|-?\\d+)$"));
    std::set<QString> keys;
    for (const auto& [key, value] : ExampleGermanEntries()) {
        const QRegularExpressionMatch match = keyForm.match(key);
        ASSERT_TRUE(match.hasMatch()) << key.toStdString();
        const auto dialog = dialogs.find(match.captured(1).toInt());
        ASSERT_NE(dialog, dialogs.end()) << key.toStdString();
        if (match.captured(2) != QStringLiteral("Title")) {
            const int id = match.captured(2).toInt();
            EXPECT_GE(IndexOf(*dialog->second, id), 1) << key.toStdString();
        }
        EXPECT_TRUE(keys.insert(key).second) << "twice: " << key.toStdString();
        // The program reads exactly the text the line shows.
        EXPECT_EQ(QString::fromStdString(
                      ReadProfileString(path.toStdString(), "String", key.toStdString())),
                  value)
            << key.toStdString();
        EXPECT_FALSE(value.isEmpty()) << key.toStdString();
    }
    for (const auto& [id, layout] : dialogs) {
        const QString prefix = QStringLiteral("IDD%1_").arg(id);
        EXPECT_TRUE(keys.contains(prefix + QStringLiteral("Title"))) << id;
        for (const res::ControlTemplate& control : layout->controls) {
            if (!control.text.empty()) {
                EXPECT_TRUE(keys.contains(prefix + QString::number(control.id)))
                    << prefix.toStdString() << control.id;
            }
        }
    }
}

#if defined(_WIN32)
// The user's file lies in %LOCALAPPDATA%\<program>\, else the file beside the program serves.
TEST(FindLocalisationFile, TheUsersFileComesBeforeTheOneBesideTheProgram) {
    const QString besideProgram =
        QDir(QCoreApplication::applicationDirPath()).filePath(kLocalisationFileName);
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const QString user = QDir(userFolder).filePath(kLocalisationFileName);
    if (QFile::exists(besideProgram) || QFile::exists(user)) {
        GTEST_SKIP() << "a localisation file is set up already";
    }
    EXPECT_TRUE(userFolder.startsWith(
        QDir::fromNativeSeparators(qEnvironmentVariable("LOCALAPPDATA")) + u'/'))
        << userFolder.toStdString();
    EXPECT_EQ(FindLocalisationFile(), QString());
    WriteFileBytes(besideProgram, "[String]\n");
    EXPECT_EQ(QDir::cleanPath(FindLocalisationFile()), QDir::cleanPath(besideProgram));
    const bool madeFolder = !QDir(userFolder).exists() && QDir().mkpath(userFolder);
    WriteFileBytes(user, "[String]\n");
    EXPECT_EQ(QDir::cleanPath(FindLocalisationFile()), QDir::cleanPath(user));
    QFile::remove(user);
    if (madeFolder) {
        QDir().rmdir(userFolder);
    }
    QFile::remove(besideProgram);
}
#else
// Points the user's and the system's configuration folders at folders of a test.
class ConfigurationFolders {
public:
    ConfigurationFolders()
        : m_saved{qgetenv("XDG_CONFIG_HOME"), qgetenv("XDG_CONFIG_DIRS")} {
        qputenv("XDG_CONFIG_HOME", m_root.filePath(QStringLiteral("user")).toLocal8Bit());
        qputenv("XDG_CONFIG_DIRS", (m_root.filePath(QStringLiteral("system1")) + ":" +
                                    m_root.filePath(QStringLiteral("system2")))
                                       .toLocal8Bit());
    }
    ~ConfigurationFolders() {
        qputenv("XDG_CONFIG_HOME", m_saved[0]);
        qputenv("XDG_CONFIG_DIRS", m_saved[1]);
    }
    // Puts a localisation file into the program's folder below `base` and says where it is.
    QString Place(const QString& base) {
        const QString folder = m_root.filePath(base + "/" + QCoreApplication::applicationName());
        QDir().mkpath(folder);
        const QString path = QDir(folder).filePath(kLocalisationFileName);
        WriteFileBytes(path, "[String]\n");
        return path;
    }

private:
    QTemporaryDir m_root;
    std::array<QByteArray, 2> m_saved;
};

TEST(FindLocalisationFile, TheUsersFileComesBeforeTheSystemsFiles) {
    const QString besideProgram =
        QDir(QCoreApplication::applicationDirPath()).filePath(kLocalisationFileName);
    if (QFile::exists(besideProgram)) {
        GTEST_SKIP() << "a localisation file lies beside the test program";
    }
    ConfigurationFolders folders;
    EXPECT_EQ(FindLocalisationFile(), QString());
    const QString second = folders.Place(QStringLiteral("system2"));
    EXPECT_EQ(FindLocalisationFile(), second);
    const QString first = folders.Place(QStringLiteral("system1"));
    EXPECT_EQ(FindLocalisationFile(), first);
    const QString user = folders.Place(QStringLiteral("user"));
    EXPECT_EQ(FindLocalisationFile(), user);
    // A folder of that name is not a file.
    QFile::remove(user);
    QDir().mkpath(user);
    EXPECT_EQ(FindLocalisationFile(), first);
}

#endif

}  // namespace
