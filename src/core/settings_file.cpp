#include "core/settings_file.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "core/file_handle.h"
#include "core/settings_text.h"
#include "core/temporary_file.h"

namespace {

namespace fs = std::filesystem;
using Status = SettingsFileOutcome::Status;

// Whether the card went while its file was made: the medium is gone, or the folder is no longer
// there or no longer on the card's device.
bool CardWentAway(const std::string& targetFolder, std::optional<FolderDevice> card,
                  const std::error_code& reason) {
    if (reason == std::errc::no_such_device || reason == std::errc::no_such_device_or_address) {
        return true;
    }
#if defined(ENOMEDIUM)
    if (reason == std::error_code(ENOMEDIUM, std::generic_category())) {
        return true;
    }
#endif
    if (NoCardMountedAt(targetFolder)) {
        return true;
    }
    const std::optional<FolderDevice> now = ReadFolderDevice(targetFolder);
    return !now || (card && *now != *card);
}

// Why the file could not be created in `targetFolder`: the folder is not there or is none, or
// what the system says.
std::error_code WhyNotCreated(const std::string& targetFolder, const std::error_code& reason) {
    std::error_code error;
    const fs::file_status folder = fs::status(NativePath(targetFolder), error);
    if (folder.type() == fs::file_type::not_found) {
        return FileProblem::NoSuchFolder;
    }
    if (!error && !fs::is_directory(folder)) {
        return FileProblem::NotAFolder;
    }
    return reason;
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
    bool replaced = false;    // another file has taken the name since
    bool different = false;   // the name holds other bytes than were written
    std::error_code problem;  // why the name could not be read back
};

ReadBack ReadBackFile(TemporaryFile& file, const std::string& bytes) {
    ReadBack readBack;
    std::string read;
    // One byte more than was written tells a longer file.
    readBack.problem = file.ReadBack(read, bytes.size() + 1, readBack.replaced);
    readBack.different = !readBack.problem && !readBack.replaced && read != bytes;
    return readBack;
}

}  // namespace

std::error_code WhyUnfinished(const std::string& targetFolder, std::optional<FolderDevice> card,
                              const std::error_code& reason) {
    return CardWentAway(targetFolder, card, reason) ? FileProblem::CardRemoved : reason;
}

std::string ComposeSettingsFilePath(const std::string& targetFolder, const std::string& fileName) {
    return targetFolder + fileName;
}

SettingsFileOutcome WriteSettingsFile(const std::string& targetFolder, const std::string& fileName,
                                      const ScrambleKey& key,
                                      const std::function<std::string()>& compose,
                                      std::optional<FolderDevice> selectedDevice) {
    const std::string path = ComposeSettingsFilePath(targetFolder, fileName);
    const auto outcome = [&path](Status status, std::error_code reason = {}) {
        return SettingsFileOutcome{status, path, reason};
    };

    // Composing has no side effects, so the text is checked before anything is opened.
    std::string text = compose();
    if (text.size() > kMaxSettingsTextLength) {
        SettingsFileOutcome tooLong = outcome(Status::Refused, FileProblem::TooLong);
        tooLong.length = text.size();
        return tooLong;
    }

    // A pulled card can leave its folder behind as an empty mount point on the system disk.
    if (NoCardMountedAt(targetFolder)) {
        return outcome(Status::CardGone, FileProblem::NoCardMounted);
    }
    if (selectedDevice) {
        const std::optional<FolderDevice> device = ReadFolderDevice(targetFolder);
        if (device && *device != *selectedDevice) {
            return outcome(Status::CardGone, FileProblem::NotOnTheCard);
        }
    }

    const fs::path target = NativePath(path);
    const OlderFile older = InspectOlderFile(target);
    if (older.problem) {
        return outcome(Status::CannotOpen, WhyNotCreated(targetFolder, older.problem));
    }

    ScrambleSettingsText(text.data(), text.size(), key);
    // A failure from here on is told apart from the card going away by the device the folder
    // lies on now.
    const std::optional<FolderDevice> card =
        selectedDevice ? selectedDevice : ReadFolderDevice(targetFolder);
    const auto unfinished = [&](Status status, const std::error_code& reason) {
        return outcome(status, WhyUnfinished(targetFolder, card, reason));
    };
    // Until the rename the older file stays untouched; giving up removes the new one.
    TemporaryFile file;
    if (const std::error_code error = file.Create(target, older.mode, selectedDevice)) {
        if (error == FileProblem::NotOnTheCard) {
            return outcome(Status::CardGone, error);
        }
        // Only the name beside the file can be too long when the file's own name is not.
        if (error == std::errc::filename_too_long) {
            return unfinished(Status::Failed, error);
        }
        return outcome(Status::CannotOpen, WhyNotCreated(targetFolder, error));
    }
    if (const std::error_code error = file.WriteAndSync(text)) {
        return unfinished(Status::Failed, error);
    }
    if (const std::error_code error = file.TakeFinalName()) {
        return unfinished(Status::Failed, error);
    }

    // From here on the new file has the name, whatever else goes wrong.
    FolderHandle folder;
    std::error_code synced = folder.Open(target.parent_path());
    if (!synced) {
        synced = folder.Sync();
    }
    if (synced) {
        return unfinished(Status::WrittenUnchecked, synced);
    }
    const ReadBack readBack = ReadBackFile(file, text);
    if (const std::error_code error = file.Close()) {
        return unfinished(Status::WrittenUnchecked, error);
    }
    if (readBack.replaced) {
        return outcome(Status::Replaced);
    }
    if (readBack.problem) {
        return unfinished(Status::WrittenUnchecked, readBack.problem);
    }
    if (readBack.different) {
        return outcome(Status::WrittenUnchecked, FileProblem::ReadsBackDifferently);
    }
    RemoveLeftoverTemporaries(target, folder);
    return outcome(Status::Written);
}
