#include "core/folder_device.h"

#include <sys/stat.h>
#include <sys/types.h>

std::optional<FolderDevice> ReadFolderDevice(const std::string& folder) {
#if defined(_WIN32)
    struct _stat64 info {};
    if (::_stat64(folder.c_str(), &info) != 0) {
        return std::nullopt;
    }
#else
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) {
        return std::nullopt;
    }
#endif
    return static_cast<FolderDevice>(info.st_dev);
}
