#include "words/read_words.h"

#include "core/settings_lines.h"
#include "core/settings_text.h"

namespace {

QString Quoted(const std::string& bytes) {
    return QString::fromLatin1(QuotedBytes(bytes));
}

}  // namespace

QString TextProblemWords(const ReadProblem& problem, bool withLine) {
    using Kind = ReadProblem::Kind;
    const QString key = QString::fromLatin1(problem.key);
    QString words;
    switch (problem.kind) {
        case Kind::Empty:
            return QStringLiteral("it is empty");
        case Kind::TextTooLong:
            return QStringLiteral(
                       "the settings are %1 bytes long; a settings file holds at most %2")
                .arg(problem.size)
                .arg(kMaxSettingsTextLength);
        case Kind::WrongKey:
            words = QStringLiteral("expected key %1, found %2").arg(key, Quoted(problem.found));
            break;
        case Kind::EndOfText:
            words = QStringLiteral("expected key %1, found the end of the text").arg(key);
            break;
        case Kind::NoLineEnd:
            words = QStringLiteral("%1 has no line end: the text is cut short").arg(key);
            break;
        case Kind::NotPrintable:
            words = QStringLiteral("the value of %1 holds a byte outside printable ASCII: %2")
                        .arg(key, Quoted(problem.found));
            break;
        case Kind::NotANumber:
            words = QStringLiteral("expected a number for %1, found %2")
                        .arg(key, Quoted(problem.found));
            break;
        case Kind::NumberOutOfRange:
            words = QStringLiteral("the number for %1 is out of range, found %2")
                        .arg(key, Quoted(problem.found));
            break;
        case Kind::WrongCharacters:
            words = QStringLiteral("expected %1 characters for %2, found %3")
                        .arg(problem.size)
                        .arg(key, Quoted(problem.found));
            break;
        case Kind::WrongTimes:
            words = QStringLiteral("expected %1 for %2, found %3")
                        .arg(QString::fromLatin1(TimesLayout(problem.size)), key,
                             Quoted(problem.found));
            break;
        case Kind::MoreText:
            words =
                QStringLiteral("expected the end of the text, found %1").arg(Quoted(problem.found));
            break;
        case Kind::Unreadable:
        case Kind::FileTooLong:
            return ReadProblemWords(problem, {});
    }
    return (withLine ? QStringLiteral("line %1: ").arg(problem.line) : QString()) + words;
}

QString ReadProblemWords(const ReadProblem& problem, std::string_view fileName) {
    if (problem.kind == ReadProblem::Kind::Unreadable) {
        return QStringLiteral("it cannot be read: ") +
               QString::fromLocal8Bit(problem.reason.message());
    }
    if (problem.kind == ReadProblem::Kind::FileTooLong) {
        return QStringLiteral("it is longer than the %1 bytes a settings file holds")
            .arg(kMaxSettingsTextLength);
    }
    return QStringLiteral("it is not a valid %1: ")
               .arg(QString::fromLatin1(fileName.data(), static_cast<qsizetype>(fileName.size()))) +
           TextProblemWords(problem);
}
