#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/operator_rows.h"
#include "core/settings_file.h"
#include "core/settings_file_reader.h"
#include "core/settings_lines.h"
#include "res/mms_dialog.h"

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

// The 18 lines of MmsSet.dat in file order: each key with the field it holds, the list or edit of
// the MMS Setup form that shows it, and the label that names it. The six network lines hold the
// record's texts, which "Auto" fills from the operator table as the file is composed.
inline constexpr auto kMmsSetLines = [] {
    using namespace res;
    using M = MmsSettings;
    return std::to_array<SettingsLine<M>>({
        ListLine("MMSS", IDC_MMS_STATUS_LABEL, IDC_MMS_STATUS, &Field<&M::status>),
        EditLine("MMSDNUM", IDC_MMS_NUMBER_LABEL, IDC_MMS_NUMBER, &Field<&M::numberPerDay>),
        ListLine("MMSDR", IDC_MMS_DAILY_REPORT_LABEL, IDC_MMS_DAILY_REPORT,
                 &Field<&M::dailyReport>),
        ListLine("MMSDRT", IDC_MMS_HOUR_LABEL, IDC_MMS_HOUR, &Field<&M::reportHour>),
        EditLine("URL", IDC_MMS_URL_LABEL, IDC_MMS_URL, &Field<&M::url>),
        EditLine("APN", IDC_MMS_APN_LABEL, IDC_MMS_APN, &Field<&M::apn>),
        EditLine("IP", IDC_MMS_GATEWAY_LABEL, IDC_MMS_GATEWAY, &Field<&M::gateway>),
        EditLine("PORT", IDC_MMS_PORT_LABEL, IDC_MMS_PORT, &Field<&M::port>),
        EditLine("ACC", IDC_MMS_ACCOUNT_LABEL, IDC_MMS_ACCOUNT, &Field<&M::account>),
        EditLine("PWD", IDC_MMS_PASSWORD_LABEL, IDC_MMS_PASSWORD, &Field<&M::password>),
        EditLine("PHNO1", IDC_MMS_MOBILE1_LABEL, IDC_MMS_MOBILE1, &Field<&M::mobiles, 0>),
        EditLine("PHNUM2", IDC_MMS_MOBILE2_LABEL, IDC_MMS_MOBILE2, &Field<&M::mobiles, 1>),
        EditLine("PHNO3", IDC_MMS_MOBILE3_LABEL, IDC_MMS_MOBILE3, &Field<&M::mobiles, 2>),
        EditLine("PHNUM4", IDC_MMS_MOBILE4_LABEL, IDC_MMS_MOBILE4, &Field<&M::mobiles, 3>),
        EditLine("EML1", IDC_MMS_EMAIL1_LABEL, IDC_MMS_EMAIL1, &Field<&M::emails, 0>),
        EditLine("EMN2", IDC_MMS_EMAIL2_LABEL, IDC_MMS_EMAIL2, &Field<&M::emails, 1>),
        EditLine("EMN3", IDC_MMS_EMAIL3_LABEL, IDC_MMS_EMAIL3, &Field<&M::emails, 2>),
        EditLine("EML4", IDC_MMS_EMAIL4_LABEL, IDC_MMS_EMAIL4, &Field<&M::emails, 3>),
    });
}();

// What the form shows beside the file's lines: the mode, then the country before the operators
// it fills the Operator list with. The file holds none of them.
inline constexpr auto kMmsChoiceLines = [] {
    using namespace res;
    using M = MmsSettings;
    return std::to_array<SettingsLine<M>>({
        ListLine({}, IDC_MMS_MODE_LABEL, IDC_MMS_MODE, &Field<&M::mode>),
        ListLine({}, IDC_MMS_COUNTRY_LABEL, IDC_MMS_COUNTRY, &Field<&M::countryIndex>),
        ListLine({}, IDC_MMS_OPERATOR_LABEL, IDC_MMS_OPERATOR, &Field<&M::operatorIndex>),
    });
}();

// The 18 lines of MmsSet.dat before scrambling. Nothing is checked; the mode is not written.
std::string ComposeMmsSettingsText(const MmsSettings& settings);

// The record that an MmsSet.dat text holds, or why the text is none: the canonical record of
// TakeOperatorOfTheTable, since the file holds the six network values but no mode, country or
// operator.
ReadFrom<MmsSettings> ParseMmsSettingsText(std::string_view text);

// Every operator, in table order, that "Auto" writes with the network values that `settings`
// writes: in "Auto" those of its own operator, in "Manual" its texts.
std::vector<OperatorRow> MmsOperatorsWritingNetworkOf(const MmsSettings& settings);

// Reads the MmsSet.dat at `path`.
ReadFrom<MmsSettings> ReadMmsSettingsFile(const std::string& path);

// Writes MmsSet.dat into the folder. "Auto" at an operator without the network values the camera
// needs (centre, access point, gateway and port) is refused.
SettingsFileOutcome WriteMmsSettingsFile(const MmsSettings& settings,
                                         const std::string& targetFolder,
                                         std::optional<FolderDevice> selectedDevice = std::nullopt);
