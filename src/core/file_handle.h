#pragma once

// The few file calls of the system that the settings-file writer makes, each giving the
// system's reason when it fails, so the writer reads the same on every platform.

#include <cstddef>
#include <filesystem>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

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
    std::error_code OpenForReading(const std::filesystem::path& path);

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

private:
    int m_fd = -1;
};

// Whether this process may write to the existing file `path`.
bool CanWriteTo(const std::filesystem::path& path);

// Makes the names in `folder` durable on the medium, so a file renamed there is found under its
// new name after the medium is pulled. File systems that cannot sync a folder are no failure.
std::error_code SyncFolder(const std::filesystem::path& folder);
