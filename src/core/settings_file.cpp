#include "core/settings_file.h"

#include <cctype>
#include <cerrno>
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

// Where a file that had been created was left unfinished, and what it was written for.
struct Unfinished {
    const std::string& path;
    const std::string& targetFolder;
    std::optional<FolderDevice> card;
};

SettingsFileOutcome Failure(const Unfinished& file, const std::error_code& reason) {
    return Outcome(Status::Failed,
                   file.path + "\n" + WhyNotWritten(file.targetFolder, file.card, reason));
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

SettingsFileOutcome Unchecked(const Unfinished& file, const std::error_code& reason) {
    return Outcome(Status::WrittenUnchecked,
                   file.path + "\n" + WhyNotChecked(file.targetFolder, file.card, reason));
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

namespace {

// The system's own words for `reason`, to follow a colon.
std::string SystemWords(const std::error_code& reason) {
    std::string words = reason.message();
    if (!words.empty()) {
        words[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(words[0])));
    }
    return words;
}

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

constexpr const char* kCardRemoved =
    "The card was removed before the file was complete: put it back and press Generate again.";
constexpr const char* kReadsBackDifferently =
    "The file was written but reads back differently, as a failing card does: press Generate "
    "again, or use another card.";

}  // namespace

std::string WhyNotWritten(const std::string& targetFolder, std::optional<FolderDevice> card,
                          const std::error_code& reason) {
    if (CardWentAway(targetFolder, card, reason)) {
        return kCardRemoved;
    }
    const std::string failed = "The file could not be written: ";
    bool full = reason == std::errc::no_space_on_device;
#if defined(EDQUOT)
    full = full || reason == std::error_code(EDQUOT, std::generic_category());
#endif
    if (full) {
        return failed + "the card is full. Make room on it, or use another card.";
    }
    if (reason == std::errc::file_too_large) {
        return failed + "the system lets this program write no file that large.";
    }
    if (reason == std::errc::io_error) {
        return failed +
               "the card did not take it, as a loose or failing card does. Put it back firmly "
               "and press Generate again, or use another card.";
    }
    if (reason == std::errc::read_only_file_system) {
        return failed +
               "the card turned read-only while it was written, as a failing card does. Use "
               "another card, or check this one on a computer.";
    }
    if (reason == std::errc::filename_too_long) {
        return failed +
               "the folder's path is too long. Choose a folder nearer the top of the card.";
    }
    if (reason == std::errc::permission_denied || reason == std::errc::operation_not_permitted) {
        return failed + "the file there belongs to another user and may not be replaced.";
    }
    return failed + SystemWords(reason) + ".";
}

std::string WhyNotChecked(const std::string& targetFolder, std::optional<FolderDevice> card,
                          const std::error_code& reason) {
    if (CardWentAway(targetFolder, card, reason)) {
        return kCardRemoved;
    }
    const std::string unchecked = "The file was written but could not be checked: ";
    if (reason == std::errc::permission_denied || reason == std::errc::operation_not_permitted) {
        return unchecked + "this program may not read it back from that folder.";
    }
    if (reason == std::errc::io_error) {
        return unchecked +
               "the card did not answer, as a loose or failing card does. Put it back firmly "
               "and press Generate again.";
    }
    return unchecked + SystemWords(reason) + ".";
}

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
    // A failure from here on is told apart from the card going away by the device the folder
    // lies on now.
    const Unfinished unfinished{path, targetFolder,
                                selectedDevice ? selectedDevice : ReadFolderDevice(targetFolder)};
    // Until the rename the older file stays untouched; giving up removes the new one.
    TemporaryFile file;
    if (const std::error_code error = file.Create(target, older.mode, selectedDevice)) {
        if (error == FileProblem::NotOnTheCard) {
            return CardGone(path);
        }
        // Only the name beside the file can be too long when the file's own name is not.
        if (error == std::errc::filename_too_long) {
            return Failure(unfinished, error);
        }
        return CannotOpen(path, error);
    }
    if (const std::error_code error = file.WriteAndSync(text)) {
        return Failure(unfinished, error);
    }
    if (const std::error_code error = file.TakeFinalName()) {
        return Failure(unfinished, error);
    }

    // From here on the new file has the name, whatever else goes wrong.
    FolderHandle folder;
    std::error_code synced = folder.Open(target.parent_path());
    if (!synced) {
        synced = folder.Sync();
    }
    if (synced) {
        return Unchecked(unfinished, synced);
    }
    const ReadBack readBack = ReadBackFile(file, text);
    if (const std::error_code error = file.Close()) {
        return Unchecked(unfinished, error);
    }
    if (readBack.replaced) {
        return Outcome(Status::Replaced,
                       path +
                           "\nThe file was written, but another program has replaced it "
                           "since: the folder now holds that program's file.");
    }
    if (readBack.problem) {
        return Unchecked(unfinished, readBack.problem);
    }
    if (readBack.different) {
        return Outcome(Status::WrittenUnchecked, path + "\n" + kReadsBackDifferently);
    }
    RemoveLeftoverTemporaries(target, folder);
    return Outcome(Status::Written, kGeneratedMessage);
}
