#include "core/settings_file_reader.h"

#include "core/file_handle.h"
#include "core/settings_text.h"

namespace {

// The bytes of the open `file`, or why they are none.
ReadFrom<std::string> ReadOpenFile(FileHandle& file, std::error_code error) {
    std::string bytes;
    if (!error) {
        // One byte more than a settings file can hold tells a longer file.
        error = file.ReadAll(bytes, kMaxSettingsTextLength + 1);
    }
    if (error) {
        return ReadFrom<std::string>::Refused({ReadProblem::Kind::Unreadable, error});
    }
    if (bytes.size() > kMaxSettingsTextLength) {
        return ReadFrom<std::string>::Refused({ReadProblem::Kind::FileTooLong});
    }
    return bytes;
}

}  // namespace

ReadFrom<std::string> ReadSettingsFileBytes(const std::string& path) {
    FileHandle file;
    const std::error_code error = file.OpenForReading(NativePath(path));
    return ReadOpenFile(file, error);
}

ReadFrom<std::string> ReadSettingsFileBytesFromStandardInput() {
    FileHandle file;
    const std::error_code error = file.OpenStandardInput();
    return ReadOpenFile(file, error);
}

ReadFrom<std::string> ReadSettingsText(const std::string& path, const ScrambleKey& key) {
    const ReadFrom<std::string> bytes = ReadSettingsFileBytes(path);
    return bytes ? ReadFrom<std::string>(UnscrambleSettingsText(*bytes, key)) : bytes;
}
