#pragma once

// Reading a settings file back: its bytes unscrambled with the file's key, then read into its
// record by the file's own reading step, or the reason why it cannot be.
#include <string>
#include <string_view>

#include "core/parsed.h"
#include "core/scramble.h"

// The settings text of the file at `path`.
Parsed<std::string> ReadSettingsText(const std::string& path, const ScrambleKey& key);

// The record that the file at `path` holds, read by `parse`.
template <class Record>
Parsed<Record> ReadSettingsFile(const std::string& path, const ScrambleKey& key,
                                Parsed<Record> (*parse)(std::string_view text)) {
    const Parsed<std::string> text = ReadSettingsText(path, key);
    return text ? parse(*text) : Parsed<Record>::Refused(text.Reason());
}
