#pragma once

// The new file that a settings file is written to beside its final name, and that takes that
// name in one rename once it is complete and synced. Its name is the final name followed by
// ".trailcam-", six lower-case hexadecimal digits and ".tmp": a write that was cut off (the
// card pulled, the program killed) leaves a file that a later write of the same settings file
// recognises as its own, and no name a person would give a file is mistaken for one. The writer
// holds a lock on its file until the file has its final name, so a file that nobody holds is
// known to be left over, and one being written is never taken for a leftover.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "core/file_handle.h"
#include "core/folder_device.h"

class TemporaryFile {
public:
    TemporaryFile() = default;
    // Removes the file unless it has taken its final name.
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // Creates the file in the folder of `target`. It gets the permission bits of the file it
    // will replace, `olderMode`, or the usual ones for a new file when there is none. Given the
    // device of the card it is meant for, a file that lands on any other device is removed again
    // and FileProblem::NotOnTheCard is the reason.
    std::error_code Create(const std::filesystem::path& target, std::optional<unsigned> olderMode,
                           std::optional<FolderDevice> card = std::nullopt);
    // Writes all of `bytes` and syncs them to the medium; the file stays open and locked.
    std::error_code WriteAndSync(std::string_view bytes);
    // Renames the file over its target in one step.
    std::error_code TakeFinalName();
    // Reads back what the final name holds, at most `limit` bytes; `replaced` tells that another
    // file has taken the name since the rename, and then nothing is read. The file stays open
    // and locked until it has been read back: a closed file that another writer has replaced
    // can free its number on the medium for that writer's next file, which would then pass for
    // this one.
    std::error_code ReadBack(std::string& bytes, std::size_t limit, bool& replaced);
    // Closes the file, which lets go of its lock.
    std::error_code Close();

    // Which file was written; nothing when the system cannot say.
    const std::optional<FileIdentity>& Identity() const { return m_identity; }

private:
    std::filesystem::path m_target;
    std::filesystem::path m_path;
    FileHandle m_file;
    std::optional<FileIdentity> m_identity;
};

// Removes the temporary files of `target` that cut-off writes left in its folder, listed through
// `folder`: plain files whose names match exactly and that no writer holds, nothing else. What
// cannot be removed is left alone.
void RemoveLeftoverTemporaries(const std::filesystem::path& target, FolderHandle& folder);
