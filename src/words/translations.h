#pragma once

// The program's words in the user's language: the texts of the layouts, translated in their
// contexts, and the translations that are installed once at start-up.
#include <QLocale>
#include <QString>

#include <string_view>

// A text of a layout in the user's language: translated in `context` (the layout's, or "Lists"
// for the items of lists), as it stands where there is no translation or no context.
QString TemplateText(std::string_view text, const char* context);

// The language the user's desktop asks for: QLocale::system(), but on Linux, as for programs that
// speak through gettext, LANGUAGE counts only while the messages' locale (LC_ALL, else
// LC_MESSAGES, else LANG) is a language: under the C or POSIX locale, or none, the program speaks
// English, so that LC_ALL=C gives the output scripts expect.
QLocale UsersLanguage();

// Installs the program's translation for `locale` and Qt's own for the same language (the
// buttons of message boxes, the folder browser). A translation file named in the environment
// variable TRAILCAM_TRANSLATION takes the place of the program's own, so that a translator can
// try one without building the program. Nothing is installed for English, for the C locale, or
// for a language without a translation, nor for those the user ranks below English: the program
// then speaks its own English.
void InstallTranslations(const QLocale& locale = UsersLanguage());

// While it lives, the program speaks English whatever translations are installed: for output
// that scripts read, which never changes with the language.
class InEnglish {
public:
    InEnglish();
    ~InEnglish();
    InEnglish(const InEnglish&) = delete;
    InEnglish& operator=(const InEnglish&) = delete;
};
