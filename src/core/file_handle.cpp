#include "core/file_handle.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

std::error_code LastError() {
    return {errno, std::generic_category()};
}

#if defined(_WIN32)
int OpenFile(const std::filesystem::path& path, int flags, unsigned) {
    return ::_wopen(path.c_str(), flags | _O_BINARY, _S_IREAD | _S_IWRITE);
}
constexpr int kCreateFlags = _O_WRONLY | _O_CREAT | _O_EXCL;
constexpr int kReadFlags = _O_RDONLY;
int WriteSome(int fd, const char* bytes, std::size_t size) {
    return ::_write(fd, bytes, static_cast<unsigned>(size));
}
int ReadSome(int fd, char* bytes, std::size_t size) {
    return ::_read(fd, bytes, static_cast<unsigned>(size));
}
int ChangeMode(int, unsigned) {
    return 0;
}
int SyncFile(int fd) {
    return ::_commit(fd);
}
int CloseFile(int fd) {
    return ::_close(fd);
}
#else
int OpenFile(const std::filesystem::path& path, int flags, unsigned mode) {
    return ::open(path.c_str(), flags | O_CLOEXEC, static_cast<mode_t>(mode));
}
constexpr int kCreateFlags = O_WRONLY | O_CREAT | O_EXCL;
constexpr int kReadFlags = O_RDONLY;
ssize_t WriteSome(int fd, const char* bytes, std::size_t size) {
    return ::write(fd, bytes, size);
}
ssize_t ReadSome(int fd, char* bytes, std::size_t size) {
    return ::read(fd, bytes, size);
}
int ChangeMode(int fd, unsigned mode) {
    return ::fchmod(fd, static_cast<mode_t>(mode));
}
int SyncFile(int fd) {
    return ::fsync(fd);
}
int CloseFile(int fd) {
    return ::close(fd);
}
#endif

}  // namespace

FileHandle::~FileHandle() {
    if (m_fd >= 0) {
        CloseFile(m_fd);
    }
}

std::error_code FileHandle::CreateNew(const std::filesystem::path& path, unsigned mode) {
    m_fd = OpenFile(path, kCreateFlags, mode);
    return m_fd < 0 ? LastError() : std::error_code();
}

std::error_code FileHandle::OpenForReading(const std::filesystem::path& path) {
    m_fd = OpenFile(path, kReadFlags, 0);
    return m_fd < 0 ? LastError() : std::error_code();
}

std::error_code FileHandle::WriteAll(std::string_view bytes) {
    while (!bytes.empty()) {
        const auto written = WriteSome(m_fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return LastError();
        }
        // A write that takes nothing would never finish; the medium has no room left.
        if (written == 0) {
            return std::make_error_code(std::errc::no_space_on_device);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

std::error_code FileHandle::ReadAll(std::string& bytes, std::size_t limit) {
    bytes.clear();
    char buffer[4096];
    while (bytes.size() < limit) {
        const auto read = ReadSome(m_fd, buffer, std::min(sizeof buffer, limit - bytes.size()));
        if (read < 0) {
            if (errno == EINTR) {
                continue;
            }
            return LastError();
        }
        if (read == 0) {
            return {};
        }
        bytes.append(buffer, static_cast<std::size_t>(read));
    }
    return {};
}

std::error_code FileHandle::SetMode(unsigned mode) {
    return ChangeMode(m_fd, mode) != 0 ? LastError() : std::error_code();
}

std::error_code FileHandle::Sync() {
    return SyncFile(m_fd) != 0 ? LastError() : std::error_code();
}

std::error_code FileHandle::Close() {
    if (m_fd < 0) {
        return {};
    }
    const int fd = m_fd;
    m_fd = -1;
    return CloseFile(fd) != 0 ? LastError() : std::error_code();
}

bool CanWriteTo(const std::filesystem::path& path) {
#if defined(_WIN32)
    return ::_waccess(path.c_str(), 2) == 0;
#else
    return ::access(path.c_str(), W_OK) == 0;
#endif
}

std::error_code SyncFolder(const std::filesystem::path& folder) {
#if defined(_WIN32)
    // The system keeps no separate folder entry to sync; the file's own sync covers it.
    (void)folder;
    return {};
#else
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return LastError();
    }
    std::error_code error;
    if (::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP) {
        error = LastError();
    }
    ::close(fd);
    return error;
#endif
}
