#pragma once

#include <functional>
#include <optional>
#include <string>
#include <system_error>

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

inline constexpr const char* kGeneratedMessage = "System configuration file has been generated.";

// What became of one attempt to write a settings file, and the text to show the user.
struct SettingsFileOutcome {
    enum class Status {
        Written,           // the file is complete on the medium
        Refused,           // nothing was opened: the text could not be written as it stands
        CardGone,          // the folder is no longer on the selected card; nothing was written
        CannotOpen,        // the file could not be created; nothing changed
        Failed,            // creating worked, a later step did not; an older file is left as it was
        WrittenUnchecked,  // the new file has replaced the older one, but checking it failed
        Replaced,          // the new file was written, and another writer's has replaced it since
    };
    Status status;
    std::string message;
    // Why the file could not be created, where the message is only its path.
    std::error_code reason = {};

    bool Written() const { return status == Status::Written; }
};

// Why a settings file could not be created in `targetFolder`, in plain words for the line after
// its path, with a hint where one helps: "The card is read-only: is its lock switch set?".
std::string WhyNotCreated(const std::string& targetFolder, const std::error_code& reason);

// Why a settings file that had been created in `targetFolder` was not completed (written,
// synced, given its name), in plain words for the line after its path, with a hint where one
// helps: "The file could not be written: the card is full. ...". `card` is the device the folder
// lay on when the file was made; when the folder has left it, the card was removed.
std::string WhyNotWritten(const std::string& targetFolder, std::optional<FolderDevice> card,
                          const std::error_code& reason);
// The same for a file that has its name on the card but could not be checked afterwards.
std::string WhyNotChecked(const std::string& targetFolder, std::optional<FolderDevice> card,
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
