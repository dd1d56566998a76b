#pragma once

// Reading a settings file back: its bytes unscrambled with the file's key, then read into its
// record by the file's own reading step, or the reason why it cannot be.
#include <filesystem>
#include <string>
#include <string_view>

#include "core/parsed.h"
#include "core/scramble.h"

// The bytes of the settings file at `path`, read once and never more than a settings file can
// hold: a named pipe, a device, a folder or anything else that is no regular file is refused
// before anything is read, and so is a file longer than the longest settings text.
Parsed<std::string> ReadSettingsFileBytes(const std::string& path);
// The same from the process's standard input, whatever it is.
Parsed<std::string> ReadSettingsFileBytesFromStandardInput();

// The settings text of the file at `path`.
Parsed<std::string> ReadSettingsText(const std::string& path, const ScrambleKey& key);

// The record that the file at `path` holds, read by `parse`. A text that `parse` refuses is said
// to be no valid file of the name that `path` ends in, then why.
template <class Record>
Parsed<Record> ReadSettingsFile(const std::string& path, const ScrambleKey& key,
                                Parsed<Record> (*parse)(std::string_view text)) {
    const Parsed<std::string> text = ReadSettingsText(path, key);
    if (!text) {
        return Parsed<Record>::Refused(text.Reason());
    }
    Parsed<Record> record = parse(*text);
    if (!record) {
        return Parsed<Record>::Refused("it is not a valid " +
                                       std::filesystem::path(path).filename().string() + ": " +
                                       record.Reason());
    }
    return record;
}
