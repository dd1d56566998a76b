#pragma once

// Runs a settings-file write as an ordinary user, so that permission bits bind also when the
// tests run as the superuser: in a child process that gives up its privileges first.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/settings_file.h"

// The user and group "nobody".
inline constexpr uid_t kOrdinaryUser = 65534;
inline constexpr gid_t kOrdinaryGroup = 65534;

// Gives `path` the permission bits `mode`, set-user and sticky bits included.
inline void SetMode(const QString& path, mode_t mode) {
    EXPECT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0) << path.toStdString();
}

inline SettingsFileOutcome AsOrdinaryUser(const std::function<SettingsFileOutcome()>& write) {
    if (::geteuid() != 0) {
        return write();
    }
    int pipe[2];
    if (::pipe(pipe) != 0) {
        ADD_FAILURE() << "no pipe to the child process";
        return {SettingsFileOutcome::Status::Failed, {}};
    }
    const pid_t child = ::fork();
    if (child < 0) {
        ADD_FAILURE() << "no child process";
        return {SettingsFileOutcome::Status::Failed, {}};
    }
    if (child == 0) {
        ::close(pipe[0]);
        std::string reply;
        if (::setgroups(0, nullptr) == 0 && ::setgid(kOrdinaryGroup) == 0 &&
            ::setuid(kOrdinaryUser) == 0) {
            // The status, and the reason with its category: the system's or the program's own.
            const SettingsFileOutcome outcome = write();
            const bool own = outcome.reason.category() == std::error_code(FileProblem{}).category();
            reply = std::to_string(static_cast<int>(outcome.status)) + ':' +
                    std::to_string(outcome.reason.value()) + ':' + (own ? "own" : "system");
        }
        const bool sent =
            ::write(pipe[1], reply.data(), reply.size()) == static_cast<ssize_t>(reply.size());
        ::_exit(sent ? 0 : 1);
    }
    ::close(pipe[1]);
    std::string reply;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;) {
        reply.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(pipe[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    const std::size_t colon = reply.find(':');
    const std::size_t second = reply.find(':', colon + 1);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || second == std::string::npos) {
        ADD_FAILURE() << "the write as an ordinary user did not report back";
        return {SettingsFileOutcome::Status::Failed, {}};
    }
    const int value = std::stoi(reply.substr(colon + 1, second - colon - 1));
    const std::error_category& category = reply.substr(second + 1) == "own"
                                              ? std::error_code(FileProblem{}).category()
                                              : std::generic_category();
    return {static_cast<SettingsFileOutcome::Status>(std::stoi(reply.substr(0, colon))),
            {},
            std::error_code(value, category)};
}
