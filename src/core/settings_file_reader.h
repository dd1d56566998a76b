#pragma once

// Reading a settings file back: its bytes unscrambled with the file's key, then read into its
// record by the file's own reading step, or the problem that keeps it from being read.
#include <string>
#include <string_view>

#include "core/parsed.h"
#include "core/read_problem.h"
#include "core/scramble.h"

template <class Value>
using ReadFrom = Parsed<Value, ReadProblem>;

// The bytes of the settings file at `path`, read once and never more than a settings file can
// hold: a named pipe, a device, a folder or anything else that is no regular file is refused
// before anything is read, and so is a file longer than the longest settings text.
ReadFrom<std::string> ReadSettingsFileBytes(const std::string& path);
// The same from the process's standard input, whatever it is.
ReadFrom<std::string> ReadSettingsFileBytesFromStandardInput();

// The settings text of the file at `path`.
ReadFrom<std::string> ReadSettingsText(const std::string& path, const ScrambleKey& key);

// The record that the file at `path` holds, read by `parse`.
template <class Record>
ReadFrom<Record> ReadSettingsFile(const std::string& path, const ScrambleKey& key,
                                  ReadFrom<Record> (*parse)(std::string_view text)) {
    const ReadFrom<std::string> text = ReadSettingsText(path, key);
    if (!text) {
        return ReadFrom<Record>::Refused(text.Reason());
    }
    return parse(*text);
}
