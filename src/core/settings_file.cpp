#include "core/settings_file.h"

#include <filesystem>
#include <system_error>

#include "core/file_handle.h"
#include "core/settings_text.h"
#include "core/temporary_file.h"

namespace {

namespace fs = std::filesystem;
using Status = SettingsFileOutcome::Status;

// As many links as the system itself follows in one path before it gives up.
constexpr int kMaxLinksFollowed = 40;

SettingsFileOutcome Outcome(Status status, std::string message) {
    return SettingsFileOutcome{status, std::move(message)};
}

SettingsFileOutcome Failure(const std::string& path, const std::error_code& reason) {
    return Outcome(Status::Failed, path + "\nThe file could not be written: " + reason.message());
}

SettingsFileOutcome Unchecked(const std::string& path, const std::string& reason) {
    return Outcome(Status::WrittenUnchecked,
                   path + "\nThe file was written but could not be checked: " + reason);
}

// The file that writing `path` replaces: symbolic links in place of the file are followed,
// dangling ones too, so the links stay and the file they lead to is written. Nothing when a
// name on the way cannot be read.
std::optional<fs::path> FollowLinks(const std::string& path) {
    std::error_code error;
    fs::path target = fs::absolute(path, error);
    for (int links = 0; !error && links <= kMaxLinksFollowed; ++links) {
        const fs::file_status status = fs::symlink_status(target, error);
        if (status.type() == fs::file_type::not_found) {
            return target;
        }
        if (error || !fs::is_symlink(status)) {
            break;
        }
        const fs::path link = fs::read_symlink(target, error);
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    return error ? std::nullopt : std::optional<fs::path>(target);
}

// What lies at the file's name before the write.
struct OlderFile {
    // Nothing, or a plain file that may be written to: as opening it for writing would, a
    // folder, a read-only file or anything else than a plain file refuses the write.
    bool replaceable = false;
    // The permission bits of a plain file there, which the new file takes over.
    std::optional<unsigned> mode;
};

OlderFile InspectOlderFile(const fs::path& target) {
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    if (status.type() == fs::file_type::not_found) {
        return {true, std::nullopt};
    }
    if (error || !fs::is_regular_file(status) || !CanWriteTo(target)) {
        return {false, std::nullopt};
    }
    return {true, static_cast<unsigned>(status.permissions() & fs::perms::mask)};
}

// Why the name does not now hold exactly the bytes just written, if it does not.
std::optional<std::string> ReadBackProblem(const fs::path& target, const std::string& bytes) {
    FileHandle file;
    std::string read;
    std::error_code error = file.OpenForReading(target);
    if (!error) {
        error = file.ReadAll(read);
    }
    if (error) {
        return error.message();
    }
    if (read != bytes) {
        return std::string("it reads back differently from what was written");
    }
    return std::nullopt;
}

}  // namespace

std::string ComposeSettingsFilePath(const std::string& targetFolder, const std::string& fileName) {
    return targetFolder + fileName;
}

SettingsFileOutcome WriteSettingsFile(const std::string& targetFolder, const std::string& fileName,
                                      const ScrambleKey& key,
                                      const std::function<std::string()>& compose,
                                      std::optional<FolderDevice> selectedDevice) {
    const std::string path = ComposeSettingsFilePath(targetFolder, fileName);

    // Composing has no side effects, so the text is checked before anything is opened.
    std::string text = compose();
    if (text.size() > kMaxSettingsTextLength) {
        return Outcome(Status::Refused,
                       "The settings are too long for the camera: " + std::to_string(text.size()) +
                           " bytes, at most " + std::to_string(kMaxSettingsTextLength) +
                           " fit.\nNothing was written.");
    }

    // A pulled card can leave its folder behind as an empty mount point on the system disk.
    if (selectedDevice) {
        const std::optional<FolderDevice> device = ReadFolderDevice(targetFolder);
        if (device && *device != *selectedDevice) {
            return Outcome(Status::CardGone,
                           path + "\nThe selected card is no longer there: nothing was written.");
        }
    }

    const std::optional<fs::path> target = FollowLinks(path);
    const OlderFile older = target ? InspectOlderFile(*target) : OlderFile{};
    if (!older.replaceable) {
        return Outcome(Status::CannotOpen, path);
    }

    ScrambleSettingsText(text.data(), text.size(), key);
    // Until the rename the older file stays untouched; giving up removes the new one.
    TemporaryFile file;
    if (const std::error_code error = file.Create(*target, older.mode)) {
        // Only the name beside the file can be too long when the file's own name is not.
        if (error == std::errc::filename_too_long) {
            return Failure(path, error);
        }
        return Outcome(Status::CannotOpen, path);
    }
    if (const std::error_code error = file.WriteAndSync(text)) {
        return Failure(path, error);
    }
    if (const std::error_code error = file.TakeFinalName()) {
        return Failure(path, error);
    }

    // From here on the new file has the name, whatever else goes wrong.
    if (const std::error_code error = SyncFolder(target->parent_path())) {
        return Unchecked(path, error.message());
    }
    if (const std::optional<std::string> reason = ReadBackProblem(*target, text)) {
        return Unchecked(path, *reason);
    }
    RemoveLeftoverTemporaries(*target);
    return Outcome(Status::Written, kGeneratedMessage);
}
