#include "core/settings_file_reader.h"

#include "core/file_handle.h"
#include "core/settings_text.h"

Parsed<std::string> ReadSettingsText(const std::string& path, const ScrambleKey& key) {
    FileHandle file;
    std::string bytes;
    std::error_code error = file.OpenForReading(path);
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
    return UnscrambleSettingsText(bytes, key);
}
