#include "framework/localised_texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
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

QString FindLocalisationFile() {
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::AppConfigLocation);
    folders << QCoreApplication::applicationDirPath();
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder), QString::fromLatin1(kLocalisationFileName));
        if (file.isFile()) {
            return file.absoluteFilePath();
        }
    }
    return {};
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
