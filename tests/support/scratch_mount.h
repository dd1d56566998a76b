#pragma once

// A small tmpfs of a test's own, for a medium that is really full, out of inodes or read-only,
// and for a card that is pulled. The first mount moves this process into a mount namespace of
// its own, so nothing outside the test sees its mounts and none outlives it.

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
    bool Mounted() const { return false; }
    bool RemountReadOnly() { return false; }
    void Unmount() {}
    bool FillBlocks() { return false; }
    bool FillInodes() { return false; }
};
#else
#include <cerrno>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

class ScratchMount {
public:
    // Why no file system can be mounted here; empty when one can.
    static const std::string& Unavailable() {
        static const std::string reason = [] {
            if (::geteuid() != 0) {
                return std::string("mounting a file system needs the superuser");
            }
            if (::unshare(CLONE_NEWNS) != 0 ||
                ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
                return "no mount namespace of the test's own: " + std::string(std::strerror(errno));
            }
            const QTemporaryDir probe;
            const QByteArray folder = QFile::encodeName(probe.path());
            if (::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=4k") != 0) {
                return "a tmpfs cannot be mounted here: " + std::string(std::strerror(errno));
            }
            ::umount2(folder.constData(), MNT_DETACH);
            return std::string();
        }();
        return reason;
    }

    // Mounts a tmpfs with `options` (for example "size=16k") on the existing `folder`.
    ScratchMount(const QString& folder, const char* options) : m_folder(QFile::encodeName(folder)) {
        m_mounted = ::mount("tmpfs", m_folder.constData(), "tmpfs", 0, options) == 0;
    }
    ~ScratchMount() { Unmount(); }
    ScratchMount(const ScratchMount&) = delete;
    ScratchMount& operator=(const ScratchMount&) = delete;

    bool Mounted() const { return m_mounted; }

    bool RemountReadOnly() {
        return ::mount(nullptr, m_folder.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) ==
               0;
    }

    void Unmount() {
        if (m_mounted) {
            ::umount2(m_folder.constData(), MNT_DETACH);
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
    QByteArray m_folder;
    bool m_mounted = false;
};
#endif
