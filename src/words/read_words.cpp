#include "words/read_words.h"

#include <QCoreApplication>

#include "core/file_handle.h"
#include "core/settings_lines.h"
#include "core/settings_text.h"

// The words of this file, as they are translated.
struct ReadWords {
    Q_DECLARE_TR_FUNCTIONS(ReadWords)
};

namespace {

QString Quoted(const std::string& bytes) {
    return QString::fromLatin1(QuotedBytes(bytes));
}

}  // namespace

QString TextProblemWords(const ReadProblem& problem, bool withLine) {
    using Kind = ReadProblem::Kind;
    const QString key = QString::fromLatin1(problem.key);
    const QString found = Quoted(problem.found);
    QString words;
    switch (problem.kind) {
        case Kind::Empty:
            return ReadWords::tr("it is empty");
        case Kind::TextTooLong:
            return ReadWords::tr("the settings are %1 bytes long; a settings file holds at most %2")
                .arg(problem.size)
                .arg(kMaxSettingsTextLength);
        case Kind::WrongKey:
            words = ReadWords::tr("expected key %1, found %2").arg(key, found);
            break;
        case Kind::EndOfText:
            words = ReadWords::tr("expected key %1, found the end of the text").arg(key);
            break;
        case Kind::NoLineEnd:
            words = ReadWords::tr("%1 has no line end: the text is cut short").arg(key);
            break;
        case Kind::NotPrintable:
            words = ReadWords::tr("the value of %1 holds a byte outside printable ASCII: %2")
                        .arg(key, found);
            break;
        case Kind::NotANumber:
            words = ReadWords::tr("expected a number for %1, found %2").arg(key, found);
            break;
        case Kind::NumberOutOfRange:
            words = ReadWords::tr("the number for %1 is out of range, found %2").arg(key, found);
            break;
        case Kind::WrongCharacters:
            words = ReadWords::tr("expected %1 characters for %2, found %3")
                        .arg(QString::number(problem.size), key, found);
            break;
        case Kind::WrongTimes:
            words = ReadWords::tr("expected %1 for %2, found %3")
                        .arg(QString::fromLatin1(TimesLayout(problem.size)), key, found);
            break;
        case Kind::MoreText:
            words = ReadWords::tr("expected the end of the text, found %1").arg(found);
            break;
        case Kind::Unreadable:
        case Kind::FileTooLong:
            return ReadProblemWords(problem, {});
    }
    return withLine ? ReadWords::tr("line %1: %2").arg(QString::number(problem.line), words)
                    : words;
}

QString ReasonWords(const std::error_code& reason) {
    if (reason.category() != std::error_code(FileProblem{}).category()) {
        return QString::fromLocal8Bit(reason.message());
    }
    switch (static_cast<FileProblem>(reason.value())) {
        case FileProblem::NamedPipe:
            return ReadWords::tr("Is a named pipe, not a file");
        case FileProblem::Device:
            return ReadWords::tr("Is a device, not a file");
        case FileProblem::Socket:
            return ReadWords::tr("Is a socket, not a file");
        case FileProblem::NotAFile:
            return ReadWords::tr("Is not a regular file");
        case FileProblem::NotOnTheCard:
            return ReadWords::tr("The file is not on the selected card");
        case FileProblem::NoCardMounted:
            return ReadWords::tr("No card is mounted at the folder");
        case FileProblem::NoSuchFolder:
            return ReadWords::tr("No such folder");
        case FileProblem::NotAFolder:
            return ReadWords::tr("Not a folder");
        case FileProblem::CardRemoved:
            return ReadWords::tr("The card was removed");
        case FileProblem::ReadsBackDifferently:
            return ReadWords::tr("The file reads back differently");
        case FileProblem::TooLong:
            return ReadWords::tr("The settings text is too long");
    }
    return QString::fromLocal8Bit(reason.message());
}

QString ReadProblemWords(const ReadProblem& problem, std::string_view fileName) {
    if (problem.kind == ReadProblem::Kind::Unreadable) {
        return ReadWords::tr("it cannot be read: %1").arg(ReasonWords(problem.reason));
    }
    if (problem.kind == ReadProblem::Kind::FileTooLong) {
        return ReadWords::tr("it is longer than the %1 bytes a settings file holds")
            .arg(kMaxSettingsTextLength);
    }
    return ReadWords::tr("it is not a valid %1: %2")
        .arg(QString::fromLatin1(fileName.data(), static_cast<qsizetype>(fileName.size())),
             TextProblemWords(problem));
}
