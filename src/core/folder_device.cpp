#include "core/folder_device.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

#if defined(_WIN32)
#include "core/file_handle.h"
#else
#include <sys/stat.h>
#include <sys/types.h>
#endif

std::optional<FolderDevice> ReadFolderDevice(const std::string& folder) {
#if defined(_WIN32)
    // The volume's serial number, as a file's identity has it: another card under the same
    // drive letter is another volume.
    const std::optional<FileIdentity> identity = IdentityOfName(NativePath(folder));
    if (!identity) {
        return std::nullopt;
    }
    return identity->device;
#else
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return static_cast<FolderDevice>(info.st_dev);
#endif
}

bool NoCardMountedAt(const std::string& folder) {
#if defined(_WIN32)
    // Cards have drive letters of their own there; an empty drive has no folder at all.
    (void)folder;
    return false;
#else
    constexpr std::array<std::string_view, 2> kRemovableMediaRoots{"/media", "/run/media"};
    // The folder as the system reaches it, its links followed, in one call to the system's own
    // resolver. A folder that is not there has no card behind it whatever its path, so it is
    // then taken as written.
    std::string path;
    if (char* const resolved = ::realpath(folder.c_str(), nullptr)) {
        path = resolved;
        std::free(resolved);
    } else {
        std::error_code error;
        path = std::filesystem::absolute(folder, error).lexically_normal().string();
    }
    const auto root = std::find_if(kRemovableMediaRoots.begin(), kRemovableMediaRoots.end(),
                                   [&](std::string_view root) {
                                       return path.size() > root.size() + 1 &&
                                              path.starts_with(root) && path[root.size()] == '/';
                                   });
    if (root == kRemovableMediaRoots.end()) {
        return false;
    }
    // The root itself may be a file system of its own, as /run is.
    const std::optional<FolderDevice> device = ReadFolderDevice(path);
    return device &&
           (device == ReadFolderDevice("/") || device == ReadFolderDevice(std::string(*root)));
#endif
}
