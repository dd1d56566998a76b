#pragma once

#include <functional>
#include <optional>
#include <string>
#include <system_error>

#include "core/file_handle.h"
#include "core/folder_device.h"
#include "core/scramble.h"

#if defined(_WIN32)
inline constexpr char kNativeSeparator = '\\';
inline constexpr const char* kDefaultTargetFolder = "C:\\";
#else
inline constexpr char kNativeSeparator = '/';
inline constexpr const char* kDefaultTargetFolder = "/";
#endif

// The file names that the forms append to their target folder, each with its own leading
// separator, so "/" + "/CameraSet.dat" gives "//CameraSet.dat", which the system reads as
// "/CameraSet.dat".
inline const std::string kCameraSetFileName = std::string(1, kNativeSeparator) + "CameraSet.dat";
inline const std::string kMmsSetFileName = std::string(1, kNativeSeparator) + "MmsSet.dat";
inline const std::string kSmtpSetFileName = std::string(1, kNativeSeparator) + "SmtpSet.dat";

// What became of one attempt to write a settings file. The program's edges put it into words.
struct SettingsFileOutcome {
    enum class Status {
        Written,           // the file is complete on the medium
        Refused,           // nothing was opened: the record's own check refused it (no reason),
                           // or the text is longer than the camera takes (`TooLong`, `length`)
        CardGone,          // nothing was written: the folder is no longer on the selected card
                           // (`NotOnTheCard`), or no card is mounted at it (`NoCardMounted`)
        CannotOpen,        // the file could not be created; nothing changed
        Failed,            // creating worked, a later step did not; an older file is left as it was
        WrittenUnchecked,  // the new file has replaced the older one, but checking it failed
        Replaced,          // the new file was written, and another writer's has replaced it since
    };
    Status status;
    // The file's path, target folder and file name side by side.
    std::string path = {};
    // Why, where the status leaves it open: the system's reason, or a `FileProblem` that the
    // writer found out itself (`NoSuchFolder`, `CardRemoved`, `ReadsBackDifferently` ...).
    std::error_code reason = {};
    // The length in bytes of a text refused as `TooLong`.
    std::size_t length = 0;

    bool Written() const { return status == Status::Written; }
};

// Why a file that had been created in `targetFolder`, on the device `card`, was not completed or
// could not be checked: `CardRemoved` when the card went away (the medium is gone, or the folder
// is no longer there or no longer on that device), else `reason` as the system gave it.
std::error_code WhyUnfinished(const std::string& targetFolder, std::optional<FolderDevice> card,
                              const std::error_code& reason);

// Target folder and file name side by side, nothing added or removed.
std::string ComposeSettingsFilePath(const std::string& targetFolder, const std::string& fileName);

// Writes the scrambled settings text that `compose` returns as `fileName` into `targetFolder`.
// The file is written beside its final name, synced and only then renamed over an older one,
// so the name on the medium always holds either the old file or the complete new one. The file
// written is always a regular file in `targetFolder`: a symbolic link in place of the file is
// replaced, never written through. Given the device the folder lay on when it was selected,
// nothing is written anywhere else: not when the folder now lies on another device, nor when
// the card goes while the file is made. A mount point below the removable-media roots with no
// card in it is refused.
SettingsFileOutcome WriteSettingsFile(const std::string& targetFolder, const std::string& fileName,
                                      const ScrambleKey& key,
                                      const std::function<std::string()>& compose,
                                      std::optional<FolderDevice> selectedDevice = std::nullopt);
