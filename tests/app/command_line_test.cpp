// The program's own command line, run as a user runs it: the installed-to-be executable in a
// child process.
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include "app/build_info.h"
#include "core/program_notice.h"
#include "tests/support/run_program.h"

namespace {

using Outcome = ProgramOutcome;

// Runs trailcam-setup with `arguments` where no window system can be reached: the default
// platform is X11 with no display, on which opening the application would abort the program.
Outcome RunWithoutDisplay(const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return RunProgram(QStringLiteral(TRAILCAM_SETUP_PROGRAM), arguments, environment);
}

TEST(CommandLine, AnswersHelpAndVersionWithoutAnyDisplay) {
    for (const QString& option : {QStringLiteral("--help"), QStringLiteral("-h")}) {
        const Outcome help = RunWithoutDisplay({option});
        EXPECT_EQ(help.exitCode, 0) << help.err.toStdString();
        EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: trailcam-setup [OPTION]...\n")));
        EXPECT_TRUE(help.out.contains(QStringLiteral("--version")));
        EXPECT_TRUE(help.out.endsWith(QString::fromUtf8(notice::kReportBugs)))
            << help.out.toStdString();
        EXPECT_TRUE(help.err.isEmpty()) << help.err.toStdString();
    }

    const Outcome version = RunWithoutDisplay({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0) << version.err.toStdString();
    EXPECT_EQ(version.out, QStringLiteral("trailcam-setup %1\n").arg(build::kProgramVersion) +
                               QString::fromUtf8(notice::kCopyrightAndLicence));
    EXPECT_TRUE(
        version.out.contains(QStringLiteral("Copyright (C) 2026 the trailcam-setup developers\n"
                                            "License GPL-3.0-or-later")));
    EXPECT_TRUE(version.err.isEmpty()) << version.err.toStdString();
}

TEST(CommandLine, TakesQtsOwnOptionsAndRefusesAnyOtherArgument) {
    // -platform is Qt's and is taken; the argument after it is nobody's.
    const Outcome refused = RunWithoutDisplay(
        {QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--verbose")});
    EXPECT_EQ(refused.exitCode, 2);
    // Qt may warn about the desktop before the refusal.
    EXPECT_TRUE(refused.err.endsWith(QStringLiteral(
        "trailcam-setup: unknown argument '--verbose' (see trailcam-setup --help)\n")))
        << refused.err.toStdString();
    EXPECT_TRUE(refused.out.isEmpty());

    const Outcome file =
        RunWithoutDisplay({QStringLiteral("-platform"), QStringLiteral("offscreen"),
                           QStringLiteral("CameraSet.dat")});
    EXPECT_EQ(file.exitCode, 2);
    EXPECT_TRUE(file.err.contains(QStringLiteral("unknown argument 'CameraSet.dat'")))
        << file.err.toStdString();
}

TEST(CommandLine, AnAnswerThatCannotBeWrittenIsAWriteError) {
    QProcess process;
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(QStringLiteral(TRAILCAM_SETUP_PROGRAM), {QStringLiteral("--help")});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_EQ(Lines(process.readAllStandardError()), "trailcam-setup: write error\n");
}

TEST(CommandLine, RefusesAnUnknownArgumentEvenWithoutAnyDisplay) {
    // Without a display the application object could not be made; the refusal comes first.
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("--bogus")},
          QStringList{QStringLiteral("-style=Fusion"), QStringLiteral("-platform"),
                      QStringLiteral("xcb"), QStringLiteral("--bogus")}}) {
        const Outcome refused = RunWithoutDisplay(arguments);
        EXPECT_EQ(refused.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_EQ(refused.err,
                  QStringLiteral(
                      "trailcam-setup: unknown argument '--bogus' (see trailcam-setup --help)\n"));
    }
}

}  // namespace
