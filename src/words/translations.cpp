#include "words/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <vector>

namespace {

// The translations installed, the program's first.
std::vector<std::unique_ptr<QTranslator>>& Installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

void Install(std::unique_ptr<QTranslator> translator) {
    QCoreApplication::installTranslator(translator.get());
    Installed().push_back(std::move(translator));
}

}  // namespace

QString TemplateText(std::string_view text, const char* context) {
    // Texts of layouts end where their literals do, so the view is its own C string.
    if (context == nullptr || text.empty()) {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    return QCoreApplication::translate(context, text.data());
}

void InstallTranslations(const QLocale& locale) {
    auto program = std::make_unique<QTranslator>();
    const QString chosen = qEnvironmentVariable("TRAILCAM_TRANSLATION");
    const bool found = chosen.isEmpty()
                           ? program->load(locale, QStringLiteral("trailcam"), QStringLiteral("_"),
                                           QStringLiteral(":/i18n"))
                           : program->load(chosen);
    if (!found) {
        return;
    }
    const QString language = program->language();
    Install(std::move(program));
    // Qt's own: from the system's Qt on Linux, from beside the program on Windows. Portuguese
    // comes with Qt as Brazil's only.
    const QStringList folders{
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        QCoreApplication::applicationDirPath() + QStringLiteral("/translations")};
    for (const QString& folder : folders) {
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"), folder) ||
            (language.startsWith(QStringLiteral("pt")) &&
             qt->load(QStringLiteral("qtbase_pt_BR"), folder))) {
            Install(std::move(qt));
            return;
        }
    }
}

InEnglish::InEnglish() {
    for (const std::unique_ptr<QTranslator>& translator : Installed()) {
        QCoreApplication::removeTranslator(translator.get());
    }
}

InEnglish::~InEnglish() {
    for (const std::unique_ptr<QTranslator>& translator : Installed()) {
        QCoreApplication::installTranslator(translator.get());
    }
}
