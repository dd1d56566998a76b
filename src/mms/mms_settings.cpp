#include "mms/mms_settings.h"

#include <algorithm>
#include <optional>

#include "core/settings_file_reader.h"
#include "core/settings_lines.h"
#include "mms/mms_operator_table.h"

namespace {

// The file's keys, irregular as the camera reads them.
constexpr std::array<std::string_view, 6> kNetworkKeys{"URL", "APN", "IP", "PORT", "ACC", "PWD"};
constexpr std::array<std::string_view, 4> kMobileKeys{"PHNO1", "PHNUM2", "PHNO3", "PHNUM4"};

// The six network texts of a record, in key order.
std::array<std::string*, 6> NetworkTexts(MmsSettings& s) {
    return {&s.url, &s.apn, &s.gateway, &s.port, &s.account, &s.password};
}

std::array<std::string_view, 6> OperatorNetwork(int country, int operatorIndex) {
    const MmsNetworkValues row = MmsOperatorNetwork(country, operatorIndex);
    return {row.url, row.apn, row.gateway, row.port, row.account, row.password};
}

// The 18 lines of MmsSet.dat, in file order, with the network values in the record's texts.
void WalkLines(SettingsLines& lines, MmsSettings& s) {
    lines.Number("MMSS", s.status);
    lines.Text("MMSDNUM", s.numberPerDay);
    lines.Number("MMSDR", s.dailyReport);
    lines.Number("MMSDRT", s.reportHour);
    const std::array<std::string*, 6> network = NetworkTexts(s);
    for (std::size_t i = 0; i < network.size(); ++i) {
        lines.Text(kNetworkKeys[i], *network[i]);
    }
    for (std::size_t i = 0; i < s.mobiles.size(); ++i) {
        lines.Text(kMobileKeys[i], s.mobiles[i]);
    }
    for (std::size_t i = 0; i < s.emails.size(); ++i) {
        lines.Text(kRecipientEmailKeys[i], s.emails[i]);
    }
}

// Why "Auto" writes no file for the record's operator; nothing when it does.
std::optional<std::string> AutoOperatorRefusal(const MmsSettings& settings) {
    if (settings.mode == kMmsModeManual) {
        return std::nullopt;
    }
    // The camera cannot send without a centre, an access point and a gateway with its port.
    const MmsNetworkValues row = MmsOperatorNetwork(settings.countryIndex, settings.operatorIndex);
    if (!row.url.empty() && !row.apn.empty() && !row.gateway.empty() && !row.port.empty()) {
        return std::nullopt;
    }
    return "There are no MMS network settings for " +
           std::string(MmsOperatorName(settings.countryIndex, settings.operatorIndex)) + " in " +
           std::string(MmsCountryName(settings.countryIndex)) +
           ". Choose \"Manual\" as MMS Mode and type the operator's settings.";
}

// The six network values that the record writes.
std::array<std::string, 6> NetworkWritten(const MmsSettings& settings) {
    if (settings.mode != kMmsModeManual) {
        const std::array<std::string_view, 6> row =
            OperatorNetwork(settings.countryIndex, settings.operatorIndex);
        return {std::string(row[0]), std::string(row[1]), std::string(row[2]),
                std::string(row[3]), std::string(row[4]), std::string(row[5])};
    }
    return {settings.url,  settings.apn,     settings.gateway,
            settings.port, settings.account, settings.password};
}

// Makes a "Manual" record read from a file "Auto" at the first operator that "Auto" writes with
// its values.
MmsSettings TakeOperatorOfTheTable(MmsSettings s) {
    const std::vector<OperatorRow> rows = MmsOperatorsWritingNetworkOf(s);
    if (rows.empty()) {
        return s;
    }
    s.mode = kMmsModeAuto;
    s.countryIndex = rows.front().country;
    s.operatorIndex = rows.front().operatorIndex;
    for (std::string* text : NetworkTexts(s)) {
        text->clear();
    }
    return s;
}

}  // namespace

std::string ComposeMmsSettingsText(const MmsSettings& settings) {
    // Auto takes the network values from the table row at the moment of composing.
    MmsSettings fields = settings;
    if (settings.mode != kMmsModeManual) {
        const std::array<std::string_view, 6> row =
            OperatorNetwork(settings.countryIndex, settings.operatorIndex);
        const std::array<std::string*, 6> network = NetworkTexts(fields);
        for (std::size_t i = 0; i < network.size(); ++i) {
            *network[i] = row[i];
        }
    }
    return ComposeSettingsText(fields, &WalkLines);
}

Parsed<MmsSettings> ParseMmsSettingsText(std::string_view text) {
    MmsSettings manual;
    manual.mode = kMmsModeManual;
    const Parsed<MmsSettings> read = ParseSettingsText(text, manual, &WalkLines);
    return read ? TakeOperatorOfTheTable(*read) : read;
}

Parsed<MmsSettings> ReadMmsSettingsFile(const std::string& path) {
    return ReadSettingsFile(path, kMmsScrambleKey, &ParseMmsSettingsText);
}

std::vector<OperatorRow> MmsOperatorsWritingNetworkOf(const MmsSettings& settings) {
    const std::array<std::string, 6> written = NetworkWritten(settings);
    std::vector<OperatorRow> rows;
    for (int country = 0; country < MmsCountryCount(); ++country) {
        for (int row = 0; row < MmsOperatorCount(country); ++row) {
            MmsSettings candidate;
            candidate.countryIndex = country;
            candidate.operatorIndex = row;
            const std::array<std::string_view, 6> values = OperatorNetwork(country, row);
            if (!AutoOperatorRefusal(candidate) &&
                std::equal(values.begin(), values.end(), written.begin(), written.end())) {
                rows.push_back({country, row});
            }
        }
    }
    return rows;
}

SettingsFileOutcome WriteMmsSettingsFile(const MmsSettings& settings,
                                         const std::string& targetFolder,
                                         std::optional<FolderDevice> selectedDevice) {
    if (std::optional<std::string> refusal = AutoOperatorRefusal(settings)) {
        return {SettingsFileOutcome::Status::Refused, *refusal};
    }
    return WriteSettingsFile(
        targetFolder, kMmsSetFileName, kMmsScrambleKey,
        [&settings] { return ComposeMmsSettingsText(settings); }, selectedDevice);
}
