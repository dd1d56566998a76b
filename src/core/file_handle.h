#pragma once

// The few file calls of the system that the settings-file writer makes, each giving the
// system's reason when it fails, so the writer reads the same on every platform.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

// Why a file was not taken or not written, beyond the reasons the system itself gives.
enum class FileProblem {
    NamedPipe = 1,  // a name that would make the reader wait for a writer
    Device,         // a terminal, a disk, /dev/zero: nothing that holds settings
    Socket,
    NotAFile,              // anything else that is no regular file
    NotOnTheCard,          // the file lies on another device than the card it was meant for
    NoCardMounted,         // the folder is a card's mount point with no card in it
    NoSuchFolder,          // the folder for the file is not there
    NotAFolder,            // the folder for the file is something else
    CardRemoved,           // the card went away while its file was made
    ReadsBackDifferently,  // the file holds other bytes than were written to it
    TooLong,               // the settings text is longer than the camera takes
};
std::error_code make_error_code(FileProblem problem);
template <>
struct std::is_error_code_enum<FileProblem> : std::true_type {};

// Which file an open handle or a name is: two equal identities are the same file.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

// The path that the 8-bit text `path` names: its bytes as they are, or on Windows in the
// system's code page (as the folder browser and the command line give them), so a folder with
// letters beyond ASCII is still found.
std::filesystem::path NativePath(const std::string& path);

// An open file, closed when it goes out of scope.
class FileHandle {
public:
    FileHandle() = default;
    ~FileHandle();
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    // Creates `path` for writing with the permission bits `mode` (less the process's mask);
    // fails if anything, a dangling link included, already has that name.
    std::error_code CreateNew(const std::filesystem::path& path, unsigned mode);
    // Opens the regular file `path` for reading. Opening never waits: a named pipe, a device, a
    // socket or a folder is refused with its reason, before anything is read from it.
    std::error_code OpenForReading(const std::filesystem::path& path);
    // Opens `path` for reading without waiting, whatever it is, for a caller that tells by the
    // handle's Identity whether it is the file it wrote.
    std::error_code OpenToReadBack(const std::filesystem::path& path);
    // Reads from the process's standard input, whatever it is: the user said so.
    std::error_code OpenStandardInput();

    std::error_code WriteAll(std::string_view bytes);
    // Reads the rest of the file, or its next `limit` bytes if it holds more.
    std::error_code ReadAll(std::string& bytes,
                            std::size_t limit = std::numeric_limits<std::size_t>::max());
    // Gives the file exactly the permission bits `mode`.
    std::error_code SetMode(unsigned mode);
    // Makes the bytes written so far durable on the medium.
    std::error_code Sync();
    // Closes the file if it is open.
    std::error_code Close();

    // Which file is open; nothing when the system cannot say. Where files have permission bits,
    // `mode` (if given) gets the file's.
    std::optional<FileIdentity> Identity(unsigned* mode = nullptr) const;
    // Takes this process's exclusive lock on the file, waiting while another process holds it.
    // Other processes see the lock until the file is closed.
    std::error_code Lock();
    // Takes the lock only if no other process holds it; false when one does.
    bool TryLock();

private:
    friend void RemoveIfAbandoned(const std::filesystem::path& path);

    int m_fd = -1;
};

// The identity of the file that `path` names itself, a symbolic link not followed.
std::optional<FileIdentity> IdentityOfName(const std::filesystem::path& path);

// Whether this process may write to the existing file `path`.
bool CanWriteTo(const std::filesystem::path& path);

// Removes the regular file `path` if no process holds its lock: the process that made it has
// gone. A file in use, a link or anything but a regular file stays.
void RemoveIfAbandoned(const std::filesystem::path& path);

// A folder held open, so that syncing it and then listing it take one opening.
class FolderHandle {
public:
    FolderHandle() = default;
    ~FolderHandle();
    FolderHandle(const FolderHandle&) = delete;
    FolderHandle& operator=(const FolderHandle&) = delete;

    std::error_code Open(const std::filesystem::path& folder);
    // Makes the names in the folder durable on the medium, so a file renamed there is found under
    // its new name after the medium is pulled. File systems that cannot sync a folder are no
    // failure.
    std::error_code Sync();
    // The names in the folder, "." and ".." left out; nothing when it cannot be read. This
    // closes the folder.
    std::vector<std::string> TakeNames();

private:
    std::filesystem::path m_path;
    int m_fd = -1;
};
