#pragma once

// A small tmpfs of a test's own, for a medium that is really full, out of inodes or read-only,
// and for a card that is pulled. Its mounts are made in a mount namespace of the test program's
// own, so nothing outside the test sees them and none outlives it: the superuser enters one at
// the first mount; any other user enters one at start-up (PrepareScratchMounts), in a user
// namespace of his own where he keeps his own identity and takes the power to mount only while
// he mounts, so that permission bits bind him as everywhere else.

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <string>

#if defined(_WIN32)
// Windows mounts no file system of a test's own; every test that needs one is skipped there.
class ScratchMount {
public:
    static const std::string& Unavailable() {
        static const std::string reason = "Windows mounts no file system of a test's own";
        return reason;
    }
    ScratchMount(const QString&, const char*) {}
    static void Prepare() {}
    bool Mounted() const { return false; }
    bool RemountReadOnly() { return false; }
    void Unmount() {}
    bool FillBlocks() { return false; }
    bool FillInodes() { return false; }
};
#else
#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>

#include <fcntl.h>
#include <linux/capability.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/syscall.h>
#include <unistd.h>

class ScratchMount {
public:
    // Gives a user who is not the superuser a user and mount namespace of the program's own. Must
    // run before the program starts a thread: a process with threads cannot enter a user
    // namespace.
    static void Prepare() {
        if (::geteuid() != 0) {
            PreparationProblem() = EnterNamespacesOfOurOwn();
        }
    }

    // Why no file system can be mounted here; empty when one can.
    static const std::string& Unavailable() {
        static const std::string reason = [] {
            if (!PreparationProblem().empty()) {
                return PreparationProblem();
            }
            if (::geteuid() == 0 &&
                (::unshare(CLONE_NEWNS) != 0 ||
                 ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)) {
                return "no mount namespace of the test's own: " + std::string(std::strerror(errno));
            }
            const QTemporaryDir probe;
            const QByteArray folder = QFile::encodeName(probe.path());
            if (!Mounting(
                    [&] { return ::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=4k"); })) {
                return "a tmpfs cannot be mounted here: " + std::string(std::strerror(errno));
            }
            Mounting([&] { return ::umount2(folder.constData(), MNT_DETACH); });
            return std::string();
        }();
        return reason;
    }

    // Mounts a tmpfs with `options` (for example "size=16k") on the existing `folder`.
    ScratchMount(const QString& folder, const char* options) : m_folder(QFile::encodeName(folder)) {
        m_mounted =
            Mounting([&] { return ::mount("tmpfs", m_folder.constData(), "tmpfs", 0, options); });
    }
    ~ScratchMount() { Unmount(); }
    ScratchMount(const ScratchMount&) = delete;
    ScratchMount& operator=(const ScratchMount&) = delete;

    bool Mounted() const { return m_mounted; }

    bool RemountReadOnly() {
        return Mounting([&] {
            return ::mount(nullptr, m_folder.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr);
        });
    }

    void Unmount() {
        if (m_mounted) {
            Mounting([&] { return ::umount2(m_folder.constData(), MNT_DETACH); });
            m_mounted = false;
        }
    }

    // Takes every free block with one file; true when the file system says it is full.
    bool FillBlocks() {
        const int fd = ::open((m_folder + "/filler").constData(), O_WRONLY | O_CREAT, 0644);
        const std::string block(4096, 'f');
        int error = 0;
        while (fd >= 0 && error == 0) {
            error = ::write(fd, block.data(), block.size()) < 0 ? errno : 0;
        }
        if (fd >= 0) {
            ::close(fd);
        }
        return error == ENOSPC;
    }

    // Takes every free inode with empty files; true when the file system says it has none left.
    bool FillInodes() {
        int error = 0;
        for (int i = 0; error == 0 && i < 100000; ++i) {
            const int fd = ::open((m_folder + "/inode-" + QByteArray::number(i)).constData(),
                                  O_WRONLY | O_CREAT, 0644);
            error = fd < 0 ? errno : 0;
            if (fd >= 0) {
                ::close(fd);
            }
        }
        return error == ENOSPC;
    }

private:
    static std::string& PreparationProblem() {
        static std::string problem;
        return problem;
    }

    // Whether the call, a mount or an unmount, succeeds. Where the process holds the power to
    // mount only in its own user namespace, it takes it for the call alone.
    static bool Mounting(const std::function<int()>& call) {
        const bool own = ::geteuid() != 0;
        if (own) {
            SetMountingPower(true);
        }
        const bool done = call() == 0;
        const int error = errno;
        if (own) {
            SetMountingPower(false);
        }
        errno = error;
        return done;
    }

    // Takes up or puts down this thread's power to mount, which its user namespace grants it.
    static bool SetMountingPower(bool on) {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct sets[2]{};
        if (::syscall(SYS_capget, &header, sets) != 0) {
            return false;
        }
        sets[0].effective = on ? sets[0].permitted & (1u << CAP_SYS_ADMIN) : 0;
        sets[1].effective = 0;
        return ::syscall(SYS_capset, &header, sets) == 0;
    }

    static bool WriteProcFile(const char* name, const std::string& text) {
        std::ofstream file(name);
        return static_cast<bool>(file << text << std::flush);
    }

    // Enters a user namespace where this user and group are themselves, and a mount namespace,
    // then puts down every power that the new user namespace grants; empty when that worked.
    static std::string EnterNamespacesOfOurOwn() {
        const uid_t user = ::geteuid();
        const gid_t group = ::getegid();
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
            return "mounting a file system needs the superuser or a user namespace, which this "
                   "system does not give: " +
                   std::string(std::strerror(errno));
        }
        const bool mapped =
            WriteProcFile("/proc/self/uid_map",
                          std::to_string(user) + " " + std::to_string(user) + " 1\n") &&
            WriteProcFile("/proc/self/setgroups", "deny") &&
            WriteProcFile("/proc/self/gid_map",
                          std::to_string(group) + " " + std::to_string(group) + " 1\n");
        if (!mapped || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            !SetMountingPower(false)) {
            return "the user namespace of the tests could not be set up";
        }
        return {};
    }

    QByteArray m_folder;
    bool m_mounted = false;
};
#endif
