#include "framework/localised_texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QStandardPaths>

#include <filesystem>
#include <string>

#include "core/profile.h"
#include "framework/controls.h"

namespace {

constexpr std::string_view kSection = "String";

std::filesystem::path g_localisationFile;

// Looks `key` up in the localisation texts and gives the value to `window`, if there is one.
void ApplyText(const Profile& texts, QWidget* window, const std::string& key) {
    const std::string value = texts.Lookup(kSection, key);
    if (!value.empty()) {
        SetWindowText(window, QString::fromStdString(value));
    }
}

bool IsPicture(const QWidget* control) {
    const auto* label = qobject_cast<const QLabel*>(control);
    return label != nullptr && !label->pixmap().isNull();
}

}  // namespace

QString FindLocalisationFile(const QStringList& languages) {
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::AppConfigLocation);
    folders << QCoreApplication::applicationDirPath();
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder), QString::fromLatin1(kLocalisationFileName));
        if (file.isFile()) {
            return file.absoluteFilePath();
        }
    }
    // The texts that come with the program, one file a language: "de" for "de-AT" too. English
    // is the program's own, so languages the user ranks below it are not looked for.
    QStringList names;
    for (const QString& language : languages) {
        const QString name = language.section(QLatin1Char('-'), 0, 0).toLower();
        if (name == QLatin1String("en")) {
            break;
        }
        if (!name.isEmpty() && !names.contains(name)) {
            names << name;
        }
    }
    const QString base = QFileInfo(QString::fromLatin1(kLocalisationFileName)).completeBaseName();
    for (const QString& name : names) {
        const QString file =
            QStandardPaths::locate(QStandardPaths::AppDataLocation, base + "." + name + ".ini");
        if (!file.isEmpty() && QFileInfo(file).isFile()) {
            return file;
        }
    }
    return {};
}

QString FindLocalisationFile() {
    return FindLocalisationFile(QLocale::system().uiLanguages());
}

void SetLocalisationFile(const QString& path) {
    g_localisationFile = std::filesystem::path(path.toStdU16String());
}

void ApplyLocalisedTexts(QWidget& window, std::span<QWidget* const> controls,
                         std::span<const res::ControlTemplate> layout, int dialogId) {
    if (g_localisationFile.empty()) {
        return;
    }
    // Read once for the whole window, so the file is taken as it is at this moment.
    const Profile texts = Profile::Read(g_localisationFile);
    const std::string prefix = "IDD" + std::to_string(dialogId) + "_";
    ApplyText(texts, &window, prefix + "Title");
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (!IsPicture(controls[i])) {
            ApplyText(texts, controls[i], prefix + std::to_string(layout[i].id));
        }
    }
}
