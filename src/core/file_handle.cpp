#include "core/file_handle.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>

#if defined(_WIN32)
#include <io.h>
#include <windows.h>
#else
#include <dirent.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace {

std::error_code LastError() {
    return {errno, std::generic_category()};
}

class FileProblemCategory final : public std::error_category {
public:
    const char* name() const noexcept override { return "file"; }
    std::string message(int problem) const override {
        switch (static_cast<FileProblem>(problem)) {
            case FileProblem::NamedPipe:
                return "Is a named pipe, not a file";
            case FileProblem::Device:
                return "Is a device, not a file";
            case FileProblem::Socket:
                return "Is a socket, not a file";
            case FileProblem::NotAFile:
                return "Is not a regular file";
            case FileProblem::NotOnTheCard:
                return "The file is not on the selected card";
            case FileProblem::NoCardMounted:
                return "No card is mounted at the folder";
            case FileProblem::NoSuchFolder:
                return "No such folder";
            case FileProblem::NotAFolder:
                return "Not a folder";
            case FileProblem::CardRemoved:
                return "The card was removed";
            case FileProblem::ReadsBackDifferently:
                return "The file reads back differently";
            case FileProblem::TooLong:
                return "The settings text is too long";
        }
        return "Unknown problem";
    }
};

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
// What the open file is, if it is not a regular file.
std::error_code NotARegularFile(int fd) {
    struct _stat64 info {};
    if (::_fstat64(fd, &info) != 0) {
        return LastError();
    }
    if ((info.st_mode & _S_IFMT) == _S_IFDIR) {
        return std::make_error_code(std::errc::is_a_directory);
    }
    if ((info.st_mode & _S_IFMT) == _S_IFCHR) {
        return FileProblem::Device;
    }
    if ((info.st_mode & _S_IFMT) != _S_IFREG) {
        return FileProblem::NotAFile;
    }
    return {};
}
#else
int OpenFile(const std::filesystem::path& path, int flags, unsigned mode) {
    return ::open(path.c_str(), flags | O_CLOEXEC, static_cast<mode_t>(mode));
}
constexpr int kCreateFlags = O_WRONLY | O_CREAT | O_EXCL;
// Opening a named pipe without a writer, or a terminal, would wait; so nothing waits.
constexpr int kReadFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY;
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
std::error_code NotARegularFile(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return LastError();
    }
    if (S_ISREG(info.st_mode)) {
        return {};
    }
    if (S_ISDIR(info.st_mode)) {
        return std::make_error_code(std::errc::is_a_directory);
    }
    if (S_ISFIFO(info.st_mode)) {
        return FileProblem::NamedPipe;
    }
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode)) {
        return FileProblem::Device;
    }
    if (S_ISSOCK(info.st_mode)) {
        return FileProblem::Socket;
    }
    return FileProblem::NotAFile;
}
#endif

}  // namespace

std::error_code make_error_code(FileProblem problem) {
    static const FileProblemCategory category;
    return {static_cast<int>(problem), category};
}

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
    if (m_fd < 0) {
        return LastError();
    }
    if (const std::error_code problem = NotARegularFile(m_fd)) {
        Close();
        return problem;
    }
#if !defined(_WIN32)
    // A regular file never makes a read wait; reads of it are the usual blocking ones again.
    const int flags = ::fcntl(m_fd, F_GETFL);
    if (flags < 0 || ::fcntl(m_fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        const std::error_code error = LastError();
        Close();
        return error;
    }
#endif
    return {};
}

std::error_code FileHandle::OpenToReadBack(const std::filesystem::path& path) {
    // Whatever the name leads to, opening it does not wait, and reading a regular file ignores
    // that it was opened so.
    m_fd = OpenFile(path, kReadFlags, 0);
    return m_fd < 0 ? LastError() : std::error_code();
}

std::error_code FileHandle::OpenStandardInput() {
#if defined(_WIN32)
    m_fd = ::_dup(0);
    if (m_fd >= 0) {
        ::_setmode(m_fd, _O_BINARY);
    }
#else
    m_fd = ::fcntl(0, F_DUPFD_CLOEXEC, 0);
#endif
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

#if defined(_WIN32)
namespace {
// The volume's serial number and the file's index on it: what tells files apart there (the C
// library's inode numbers are all zero).
std::optional<FileIdentity> IdentityOfHandle(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (handle == INVALID_HANDLE_VALUE || !::GetFileInformationByHandle(handle, &info)) {
        return std::nullopt;
    }
    return FileIdentity{info.dwVolumeSerialNumber,
                        (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}
}  // namespace
#endif

std::filesystem::path NativePath(const std::string& path) {
#if defined(_WIN32)
    if (path.empty()) {
        return {};
    }
    const int size = static_cast<int>(path.size());
    const int wide = ::MultiByteToWideChar(CP_ACP, 0, path.data(), size, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(wide), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, path.data(), size, text.data(), wide);
    return std::filesystem::path(text);
#else
    return std::filesystem::path(path);
#endif
}

std::optional<FileIdentity> FileHandle::Identity(unsigned* mode) const {
#if defined(_WIN32)
    (void)mode;
    return IdentityOfHandle(reinterpret_cast<HANDLE>(::_get_osfhandle(m_fd)));
#else
    struct stat info {};
    if (::fstat(m_fd, &info) != 0) {
        return std::nullopt;
    }
    if (mode != nullptr) {
        *mode = static_cast<unsigned>(info.st_mode & 07777);
    }
    return FileIdentity{static_cast<std::uint64_t>(info.st_dev),
                        static_cast<std::uint64_t>(info.st_ino)};
#endif
}

std::error_code FileHandle::Lock() {
#if defined(_WIN32)
    // An open file cannot be removed there, which is all the lock is for.
    return {};
#else
    while (::flock(m_fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            return LastError();
        }
    }
    return {};
#endif
}

bool FileHandle::TryLock() {
#if defined(_WIN32)
    return true;
#else
    return ::flock(m_fd, LOCK_EX | LOCK_NB) == 0;
#endif
}

std::optional<FileIdentity> IdentityOfName(const std::filesystem::path& path) {
#if defined(_WIN32)
    // Asking for no access opens even a file that is open elsewhere, and a folder.
    const HANDLE handle = ::CreateFileW(
        path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    const std::optional<FileIdentity> identity = IdentityOfHandle(handle);
    if (handle != INVALID_HANDLE_VALUE) {
        ::CloseHandle(handle);
    }
    return identity;
#else
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return FileIdentity{static_cast<std::uint64_t>(info.st_dev),
                        static_cast<std::uint64_t>(info.st_ino)};
#endif
}

bool CanWriteTo(const std::filesystem::path& path) {
#if defined(_WIN32)
    return ::_waccess(path.c_str(), 2) == 0;
#else
    return ::access(path.c_str(), W_OK) == 0;
#endif
}

void RemoveIfAbandoned(const std::filesystem::path& path) {
#if defined(_WIN32)
    // A file that another process has open cannot be removed there.
    std::error_code ignored;
    if (std::filesystem::is_regular_file(std::filesystem::symlink_status(path, ignored))) {
        std::filesystem::remove(path, ignored);
    }
#else
    FileHandle file;
    file.m_fd = OpenFile(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW, 0);
    if (file.m_fd < 0 || NotARegularFile(file.m_fd) || !file.TryLock()) {
        return;
    }
    // Still the file that was locked under that name, not one made there since.
    if (file.Identity() && file.Identity() == IdentityOfName(path)) {
        ::unlink(path.c_str());
    }
#endif
}

FolderHandle::~FolderHandle() {
#if !defined(_WIN32)
    if (m_fd >= 0) {
        ::close(m_fd);
    }
#endif
}

std::error_code FolderHandle::Open(const std::filesystem::path& folder) {
    m_path = folder;
#if defined(_WIN32)
    // Nothing is held there: the folder is synced with its files and listed by its name.
    return {};
#else
    m_fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return m_fd < 0 ? LastError() : std::error_code();
#endif
}

std::error_code FolderHandle::Sync() {
#if defined(_WIN32)
    // The system keeps no separate folder entry to sync; the file's own sync covers it.
    return {};
#else
    if (::fsync(m_fd) != 0 && errno != EINVAL && errno != ENOTSUP) {
        return LastError();
    }
    return {};
#endif
}

std::vector<std::string> FolderHandle::TakeNames() {
    std::vector<std::string> names;
#if defined(_WIN32)
    std::error_code error;
    for (std::filesystem::directory_iterator entry(m_path, error), end; !error && entry != end;
         entry.increment(error)) {
        names.push_back(entry->path().filename().string());
    }
#else
    // Read straight from the handle: a directory stream would first ask the system about the
    // handle three times over.
    alignas(dirent64) char buffer[16 * 1024];
    ssize_t size = 0;
    while (m_fd >= 0 && (size = ::getdents64(m_fd, buffer, sizeof buffer)) > 0) {
        for (ssize_t at = 0; at < size;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer + at);
            const std::string_view name = entry->d_name;
            if (name != "." && name != "..") {
                names.emplace_back(name);
            }
            at += entry->d_reclen;
        }
    }
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
#endif
    return names;
}
