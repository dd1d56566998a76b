#pragma once

// A program of the project run as a user runs it: in a child process, with its exit code, its
// output and its error output.
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>

// What a program said, as a failing check shows it.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// A program's output as text. On Windows the programs write their output in text mode, as
// console programs there do, so each line ends in a carriage return and a line feed.
inline QByteArray Lines(QByteArray bytes) {
#if defined(_WIN32)
    bytes.replace("\r\n", "\n");
#endif
    return bytes;
}

struct ProgramOutcome {
    int exitCode = -1;  // -1: crashed or had to be killed
    QString out;
    QString err;
};

inline ProgramOutcome RunProgram(
    const QString& program, const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ProgramOutcome outcome;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "still running: " << arguments.join(u' ').toStdString();
    } else if (process.exitStatus() == QProcess::NormalExit) {
        outcome.exitCode = process.exitCode();
    }
    outcome.out = QString::fromLocal8Bit(Lines(process.readAllStandardOutput()));
    outcome.err = QString::fromLocal8Bit(Lines(process.readAllStandardError()));
    return outcome;
}
