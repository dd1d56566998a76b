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

QLocale UsersLanguage() {
#if !defined(_WIN32)
    QByteArray messages = qgetenv("LC_ALL");
    if (messages.isEmpty()) {
        messages = qgetenv("LC_MESSAGES");
    }
    if (messages.isEmpty()) {
        messages = qgetenv("LANG");
    }
    if (messages.isEmpty() || messages == "C" || messages == "POSIX" || messages.startsWith("C.")) {
        return QLocale::c();
    }
#endif
    return QLocale::system();
}

void InstallTranslations(const QLocale& locale) {
    auto program = std::make_unique<QTranslator>();
    const QString chosen = qEnvironmentVariable("TRAILCAM_TRANSLATION");
    bool found = !chosen.isEmpty() && program->load(chosen);
    if (!chosen.isEmpty() && !found) {
        qWarning("TRAILCAM_TRANSLATION: cannot load %s", qPrintable(chosen));
    }
    // The user's languages in their order; English is the program's own, so the languages the
    // user ranks below it are not looked for. "de-AT" finds "de", "pt-PT" "pt".
    for (const QString& language : locale.uiLanguages()) {
        if (found || language.section(u'-', 0, 0) == QStringLiteral("en")) {
            break;
        }
        found = program->load(QStringLiteral("trailcam_") + QString(language).replace(u'-', u'_'),
                              QStringLiteral(":/i18n"));
    }
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
