#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/operator_rows.h"
#include "core/parsed.h"
#include "core/settings_file.h"

inline constexpr int kMmsModeAuto = 0;
inline constexpr int kMmsModeManual = 1;

// The camera's MMS reporting settings, one field per control of the MMS Setup form. Integers are
// the positions of list items; texts are written as typed. Both sources of the network values are
// held: Auto takes them from the operator table at (countryIndex, operatorIndex), Manual from the
// six texts.
struct MmsSettings {
    int status = 0;
    std::string numberPerDay;
    int dailyReport = 0;
    int reportHour = 0;
    int mode = kMmsModeAuto;
    int countryIndex = 0;
    int operatorIndex = 0;
    std::string url;
    std::string apn;
    std::string gateway;
    std::string port;
    std::string account;
    std::string password;
    std::array<std::string, 4> mobiles;
    std::array<std::string, 4> emails;

    bool operator==(const MmsSettings&) const = default;
};

// The 18 lines of MmsSet.dat before scrambling. Nothing is checked; the mode is not written.
std::string ComposeMmsSettingsText(const MmsSettings& settings);

// The record that an MmsSet.dat text holds, or why the text is none. The file holds no mode,
// country or operator, only the six network values, so the record read is the canonical one:
// "Auto" at the first operator of the table, in table order, that "Auto" writes with the six values
// of the file, with empty network texts; "Manual" with the file's texts when no operator has them
// (among them the empty values, which "Auto" writes for no operator). The law of reading and
// composing: for every text that parses, composing the record gives the text back byte for byte;
// for every record whose numbers are from 0 on and whose texts are printable ASCII, parsing its
// text gives a record that composes to the same text and equals it in every field the file holds.
Parsed<MmsSettings> ParseMmsSettingsText(std::string_view text);

// Every operator, in table order, that "Auto" writes with the network values that `settings`
// writes: in "Auto" those of its own operator, in "Manual" its texts.
std::vector<OperatorRow> MmsOperatorsWritingNetworkOf(const MmsSettings& settings);

// Reads the MmsSet.dat at `path`.
Parsed<MmsSettings> ReadMmsSettingsFile(const std::string& path);

// Writes MmsSet.dat into the folder.
SettingsFileOutcome WriteMmsSettingsFile(const MmsSettings& settings,
                                         const std::string& targetFolder,
                                         std::optional<FolderDevice> selectedDevice = std::nullopt);
