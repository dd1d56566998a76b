#include "mms/mms_settings.h"

#include <string_view>

#include "core/settings_text.h"
#include "mms/mms_operator_table.h"

namespace {

// The file's keys, irregular as the camera reads them.
constexpr std::array<const char*, 6> kNetworkKeys{"URL", "APN", "IP", "PORT", "ACC", "PWD"};
constexpr std::array<const char*, 4> kMobileKeys{"PHNO1", "PHNUM2", "PHNO3", "PHNUM4"};
constexpr std::array<const char*, 4> kEmailKeys{"EML1", "EMN2", "EMN3", "EML4"};

void AppendTextLine(std::string& text, const char* key, std::string_view value) {
    // An empty view may carry no pointer at all; printf wants one even for zero bytes.
    const char* bytes = value.empty() ? "" : value.data();
    AppendSettingsLine(text, "%s=%.*s\n", key, static_cast<int>(value.size()), bytes);
}

// The six network values in key order, from the table row in Auto mode and from the record's
// texts in Manual mode.
std::array<std::string_view, 6> NetworkValues(const MmsSettings& s) {
    if (s.mode == kMmsModeManual) {
        return {s.url, s.apn, s.gateway, s.port, s.account, s.password};
    }
    const MmsNetworkValues row = MmsOperatorNetwork(s.countryIndex, s.operatorIndex);
    return {row.url, row.apn, row.gateway, row.port, row.account, row.password};
}

}  // namespace

std::string ComposeMmsSettingsText(const MmsSettings& s) {
    std::string text;
    text.reserve(kSettingsTextCapacity);
    AppendSettingsLine(text, "MMSS=%d\n", s.status);
    AppendTextLine(text, "MMSDNUM", s.numberPerDay);
    AppendSettingsLine(text, "MMSDR=%d\n", s.dailyReport);
    AppendSettingsLine(text, "MMSDRT=%d\n", s.reportHour);
    const std::array<std::string_view, 6> network = NetworkValues(s);
    for (std::size_t i = 0; i < network.size(); ++i) {
        AppendTextLine(text, kNetworkKeys[i], network[i]);
    }
    for (std::size_t i = 0; i < s.mobiles.size(); ++i) {
        AppendTextLine(text, kMobileKeys[i], s.mobiles[i]);
    }
    for (std::size_t i = 0; i < s.emails.size(); ++i) {
        AppendTextLine(text, kEmailKeys[i], s.emails[i]);
    }
    return text;
}

SettingsFileOutcome WriteMmsSettingsFile(const MmsSettings& settings,
                                         const std::string& targetFolder,
                                         std::optional<FolderDevice> selectedDevice) {
    return WriteSettingsFile(
        targetFolder, kMmsSetFileName, kMmsScrambleKey,
        [&settings] { return ComposeMmsSettingsText(settings); }, selectedDevice);
}
