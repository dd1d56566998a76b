#include "core/settings_file.h"

#include <cctype>
#include <filesystem>
#include <system_error>

#include "core/file_handle.h"
#include "core/settings_text.h"
#include "core/temporary_file.h"

namespace {

namespace fs = std::filesystem;
using Status = SettingsFileOutcome::Status;

SettingsFileOutcome Outcome(Status status, std::string message) {
    return SettingsFileOutcome{status, std::move(message)};
}

SettingsFileOutcome Failure(const std::string& path, const std::error_code& reason) {
    return Outcome(Status::Failed, path + "\nThe file could not be written: " + reason.message());
}

// As opening the file fails: the message is exactly the path, the reason is kept beside it.
SettingsFileOutcome CannotOpen(const std::string& path, const std::error_code& reason) {
    SettingsFileOutcome outcome = Outcome(Status::CannotOpen, path);
    outcome.reason = reason;
    return outcome;
}

SettingsFileOutcome CardGone(const std::string& path) {
    return Outcome(Status::CardGone,
                   path + "\nThe selected card is no longer there: nothing was written.");
}

SettingsFileOutcome Unchecked(const std::string& path, const std::string& reason) {
    return Outcome(Status::WrittenUnchecked,
                   path + "\nThe file was written but could not be checked: " + reason);
}

// What lies at the file's name before the write.
struct OlderFile {
    // Why the write is refused: as opening the name for writing would, a folder, a read-only
    // file or anything else but nothing, a symbolic link (which the new file replaces as a
    // whole) or a plain file that may be written to.
    std::error_code problem;
    // The permission bits of a plain file there, which the new file takes over.
    std::optional<unsigned> mode;
};

OlderFile InspectOlderFile(const fs::path& target) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(target, error);
    if (status.type() == fs::file_type::not_found || fs::is_symlink(status)) {
        return {};
    }
    if (error) {
        return {error, std::nullopt};
    }
    if (fs::is_directory(status)) {
        return {std::make_error_code(std::errc::is_a_directory), std::nullopt};
    }
    if (!fs::is_regular_file(status)) {
        return {FileProblem::NotAFile, std::nullopt};
    }
    if (!CanWriteTo(target)) {
        return {std::make_error_code(std::errc::permission_denied), std::nullopt};
    }
    return {{}, static_cast<unsigned>(status.permissions() & fs::perms::mask)};
}

// What reading the name back after the rename finds.
struct ReadBack {
    bool replaced = false;               // another file has taken the name since
    std::optional<std::string> problem;  // why the name does not hold exactly what was written
};

ReadBack ReadBackFile(const fs::path& target, const std::string& bytes,
                      const std::optional<FileIdentity>& written) {
    FileHandle file;
    std::error_code error = file.OpenForReading(target);
    if (!error && written && file.Identity() && file.Identity() != written) {
        return {true, std::nullopt};
    }
    std::string read;
    if (!error) {
        // One byte more than was written tells a longer file.
        error = file.ReadAll(read, bytes.size() + 1);
    }
    if (error) {
        return {false, error.message()};
    }
    if (read != bytes) {
        return {false, "it reads back differently from what was written"};
    }
    return {};
}

}  // namespace

std::string WhyNotCreated(const std::string& targetFolder, const std::error_code& reason) {
    std::error_code error;
    const fs::file_status folder = fs::status(targetFolder, error);
    if (folder.type() == fs::file_type::not_found) {
        return "There is no such folder: is the card in its slot, or was another folder meant?";
    }
    if (!error && !fs::is_directory(folder)) {
        return "It is not a folder: choose the card's folder with \"Select\".";
    }
    if (reason == std::errc::read_only_file_system) {
        return "The card is read-only: is its lock switch set?";
    }
    if (reason == std::errc::no_space_on_device) {
        return "The card is full.";
    }
    if (reason == std::errc::is_a_directory) {
        return "A folder of that name is in the way.";
    }
    if (reason == FileProblem::NotAFile) {
        return "Something that is no file is in the way.";
    }
    if (reason == std::errc::permission_denied || reason == std::errc::operation_not_permitted) {
        if (targetFolder == kDefaultTargetFolder) {
            return "This folder may not be written to: choose the card's folder with \"Select\" "
                   "first.";
        }
        return "The file there is read-only, or this folder may not be written to.";
    }
    std::string words = reason ? reason.message() : "The file could not be created";
    if (!words.empty()) {
        words[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(words[0])));
    }
    return words + ".";
}

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
    if (NoCardMountedAt(targetFolder)) {
        return Outcome(Status::CardGone,
                       path + "\nNo card is mounted at " + targetFolder + ": nothing was written.");
    }
    if (selectedDevice) {
        const std::optional<FolderDevice> device = ReadFolderDevice(targetFolder);
        if (device && *device != *selectedDevice) {
            return CardGone(path);
        }
    }

    const fs::path target = NativePath(path);
    const OlderFile older = InspectOlderFile(target);
    if (older.problem) {
        return CannotOpen(path, older.problem);
    }

    ScrambleSettingsText(text.data(), text.size(), key);
    // Until the rename the older file stays untouched; giving up removes the new one.
    TemporaryFile file;
    if (const std::error_code error = file.Create(target, older.mode, selectedDevice)) {
        if (error == FileProblem::NotOnTheCard) {
            return CardGone(path);
        }
        // Only the name beside the file can be too long when the file's own name is not.
        if (error == std::errc::filename_too_long) {
            return Failure(path, error);
        }
        return CannotOpen(path, error);
    }
    if (const std::error_code error = file.WriteAndSync(text)) {
        return Failure(path, error);
    }
    if (const std::error_code error = file.TakeFinalName()) {
        return Failure(path, error);
    }

    // From here on the new file has the name, whatever else goes wrong. It stays open until it
    // has been read back: a closed file that another writer has replaced can free its number on
    // the medium for that writer's next file, which would then pass for this one.
    if (const std::error_code error = SyncFolder(target.parent_path())) {
        return Unchecked(path, error.message());
    }
    const ReadBack readBack = ReadBackFile(target, text, file.Identity());
    if (const std::error_code error = file.Close()) {
        return Unchecked(path, error.message());
    }
    if (readBack.replaced) {
        return Outcome(Status::Replaced,
                       path +
                           "\nThe file was written, but another program has replaced it "
                           "since: the folder now holds that program's file.");
    }
    if (readBack.problem) {
        return Unchecked(path, *readBack.problem);
    }
    RemoveLeftoverTemporaries(target);
    return Outcome(Status::Written, kGeneratedMessage);
}
