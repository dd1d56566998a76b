#include "framework/form_words.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>

#include "core/file_handle.h"
#include "core/settings_text.h"
#include "framework/controls.h"

// The words of this file, as they are translated.
struct FormWords {
    Q_DECLARE_TR_FUNCTIONS(FormWords)
};

namespace {

using Status = SettingsFileOutcome::Status;

bool IsFull(const std::error_code& reason) {
#if defined(EDQUOT)
    if (reason == std::error_code(EDQUOT, std::generic_category())) {
        return true;
    }
#endif
    return reason == std::errc::no_space_on_device;
}

bool IsDenied(const std::error_code& reason) {
    return reason == std::errc::permission_denied || reason == std::errc::operation_not_permitted;
}

// The system's own words for `reason`, its first letter made small or capital.
QString SystemWords(const std::error_code& reason, bool capital) {
    QString words = ReasonWords(reason);
    if (!words.isEmpty()) {
        words[0] = capital ? words[0].toUpper() : words[0].toLower();
    }
    return words + u'.';
}

QString CardRemoved() {
    return FormWords::tr(
        "The card was removed before the file was complete: put it back and press Generate "
        "again.");
}

// Why the file could not be created.
QString WhyNotCreated(const std::error_code& reason, const std::string& targetFolder) {
    if (reason == FileProblem::NoSuchFolder) {
        return FormWords::tr(
            "There is no such folder: is the card in its slot, or was another folder meant?");
    }
    if (reason == FileProblem::NotAFolder) {
        return FormWords::tr("It is not a folder: choose the card's folder with \"Select\".");
    }
    if (reason == std::errc::read_only_file_system) {
        return FormWords::tr("The card is read-only: is its lock switch set?");
    }
    if (reason == std::errc::no_space_on_device) {
        return FormWords::tr("The card is full.");
    }
    if (reason == std::errc::is_a_directory) {
        return FormWords::tr("A folder of that name is in the way.");
    }
    if (reason == FileProblem::NotAFile) {
        return FormWords::tr("Something that is no file is in the way.");
    }
    if (IsDenied(reason)) {
        return targetFolder == kDefaultTargetFolder
                   ? FormWords::tr(
                         "This folder may not be written to: choose the card's folder "
                         "with \"Select\" first.")
                   : FormWords::tr(
                         "The file there is read-only, or this folder may not be written to.");
    }
    return reason ? SystemWords(reason, true) : FormWords::tr("The file could not be created.");
}

// Why a file that had been created was not completed.
QString WhyNotWritten(const std::error_code& reason) {
    if (reason == FileProblem::CardRemoved) {
        return CardRemoved();
    }
    QString why = SystemWords(reason, false);
    if (IsFull(reason)) {
        why = FormWords::tr("the card is full. Make room on it, or use another card.");
    } else if (reason == std::errc::file_too_large) {
        why = FormWords::tr("the system lets this program write no file that large.");
    } else if (reason == std::errc::io_error) {
        why = FormWords::tr(
            "the card did not take it, as a loose or failing card does. Put it "
            "back firmly and press Generate again, or use another card.");
    } else if (reason == std::errc::read_only_file_system) {
        why = FormWords::tr(
            "the card turned read-only while it was written, as a failing card "
            "does. Use another card, or check this one on a computer.");
    } else if (reason == std::errc::filename_too_long) {
        why = FormWords::tr(
            "the folder's path is too long. Choose a folder nearer the top of the card.");
    } else if (IsDenied(reason)) {
        why = FormWords::tr("the file there belongs to another user and may not be replaced.");
    }
    return FormWords::tr("The file could not be written: %1").arg(why);
}

// Why a file that has its name on the card could not be checked.
QString WhyNotChecked(const std::error_code& reason) {
    if (reason == FileProblem::CardRemoved) {
        return CardRemoved();
    }
    if (reason == FileProblem::ReadsBackDifferently) {
        return FormWords::tr(
            "The file was written but reads back differently, as a failing card "
            "does: press Generate again, or use another card.");
    }
    QString why = SystemWords(reason, false);
    if (IsDenied(reason)) {
        why = FormWords::tr("this program may not read it back from that folder.");
    } else if (reason == std::errc::io_error) {
        why = FormWords::tr(
            "the card did not answer, as a loose or failing card does. Put it "
            "back firmly and press Generate again.");
    }
    return FormWords::tr("The file was written but could not be checked: %1").arg(why);
}

}  // namespace

QString ShownPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

QString OutcomeMessage(const SettingsFileOutcome& outcome, const std::string& targetFolder,
                       const QString& refusal) {
    const QString path = ShownPath(outcome.path) + u'\n';
    switch (outcome.status) {
        case Status::Written:
            return FormWords::tr("System configuration file has been generated.");
        case Status::Refused:
            if (outcome.reason != FileProblem::TooLong) {
                return refusal;
            }
            return FormWords::tr(
                       "The settings are too long for the camera: %1 bytes, at most %2 "
                       "fit.\nNothing was written.")
                .arg(outcome.length)
                .arg(kMaxSettingsTextLength);
        case Status::CardGone:
            if (outcome.reason == FileProblem::NoCardMounted) {
                return path + FormWords::tr("No card is mounted at %1: nothing was written.")
                                  .arg(ShownPath(targetFolder));
            }
            return path +
                   FormWords::tr("The selected card is no longer there: nothing was written.");
        case Status::CannotOpen:
            return path + WhyNotCreated(outcome.reason, targetFolder);
        case Status::Failed:
            return path + WhyNotWritten(outcome.reason);
        case Status::WrittenUnchecked:
            return path + WhyNotChecked(outcome.reason);
        case Status::Replaced:
            return path + FormWords::tr(
                              "The file was written, but another program has replaced "
                              "it since: the folder now holds that program's file.");
    }
    return path;
}

QString NoSuchItem(const QWidget* list, const QString& item) {
    return FormWords::tr(
               "it holds a value that the form does not offer: the list \"%1\" has no item %2")
        .arg(ControlName(list), item);
}
