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
    const QString found = Quoted(problem.found);
    const QString line = withLine ? QStringLiteral("line %1: ").arg(problem.line) : QString();
    switch (problem.kind) {
        case Kind::Empty:
            return QStringLiteral("it is empty");
        case Kind::TextTooLong:
            return QStringLiteral(
                       "the settings are %1 bytes long; a settings file holds at most %2")
                .arg(problem.size)
                .arg(kMaxSettingsTextLength);
        case Kind::WrongKey:
            return line + QStringLiteral("expected key %1, found %2").arg(key, found);
        case Kind::EndOfText:
            return line + QStringLiteral("expected key %1, found the end of the text").arg(key);
        case Kind::NoLineEnd:
            return line + QStringLiteral("%1 has no line end: the text is cut short").arg(key);
        case Kind::NotPrintable:
            return line + QStringLiteral("the value of %1 holds a byte outside printable ASCII: %2")
                              .arg(key, found);
        case Kind::NotANumber:
            return line + QStringLiteral("expected a number for %1, found %2").arg(key, found);
        case Kind::NumberOutOfRange:
            return line +
                   QStringLiteral("the number for %1 is out of range, found %2").arg(key, found);
        case Kind::WrongCharacters:
            return line + QStringLiteral("expected %1 characters for %2, found %3")
                              .arg(QString::number(problem.size), key, found);
        case Kind::WrongTimes:
            return line + QStringLiteral("expected %1 for %2, found %3")
                              .arg(QString::fromLatin1(TimesLayout(problem.size)), key, found);
        case Kind::MoreText:
            return line + QStringLiteral("expected the end of the text, found %1").arg(found);
        case Kind::Unreadable:
        case Kind::FileTooLong:
            break;
    }
    return ReadProblemWords(problem, {});
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
