#include "core/settings_file_reader.h"

#include "core/file_handle.h"
#include "core/settings_text.h"

namespace {

// The bytes of the open `file`, or why they are none.
Parsed<std::string> ReadOpenFile(FileHandle& file, std::error_code error) {
    std::string bytes;
    if (!error) {
        // One byte more than a settings file can hold tells a longer file.
        error = file.ReadAll(bytes, kMaxSettingsTextLength + 1);
    }
    if (error) {
        return Parsed<std::string>::Refused("it cannot be read: " + error.message());
    }
    if (bytes.size() > kMaxSettingsTextLength) {
        return Parsed<std::string>::Refused("it is longer than the " +
                                            std::to_string(kMaxSettingsTextLength) +
                                            " bytes a settings file holds");
    }
    return bytes;
}

}  // namespace

Parsed<std::string> ReadSettingsFileBytes(const std::string& path) {
    FileHandle file;
    const std::error_code error = file.OpenForReading(NativePath(path));
    return ReadOpenFile(file, error);
}

Parsed<std::string> ReadSettingsFileBytesFromStandardInput() {
    FileHandle file;
    const std::error_code error = file.OpenStandardInput();
    return ReadOpenFile(file, error);
}

Parsed<std::string> ReadSettingsText(const std::string& path, const ScrambleKey& key) {
    const Parsed<std::string> bytes = ReadSettingsFileBytes(path);
    return bytes ? Parsed<std::string>(UnscrambleSettingsText(*bytes, key)) : bytes;
}
