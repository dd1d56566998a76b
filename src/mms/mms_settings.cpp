#include "mms/mms_settings.h"

#include "core/settings_lines_fit.h"
#include "mms/mms_operator_table.h"

static_assert(LinesFitLayout<MmsSettings>(res::kMmsDialog, kMmsSetLines, kMmsChoiceLines,
                                          res::IDC_MMS_FOLDER));

namespace {

using M = MmsSettings;

std::array<std::string_view, 6> NetworkOf(int country, int operatorIndex) {
    const MmsNetworkValues row = MmsOperatorNetwork(country, operatorIndex);
    return {row.url, row.apn, row.gateway, row.port, row.account, row.password};
}

// "Auto" takes the network values from the table. The camera cannot send without a centre, an
// access point and a gateway with its port.
constexpr OperatorNetwork<M, 6> kNetwork{
    &M::mode,
    &M::countryIndex,
    &M::operatorIndex,
    {&M::url, &M::apn, &M::gateway, &M::port, &M::account, &M::password},
    &NetworkOf,
    kMmsOperatorCatalogue,
    4,
    kMmsModeAuto,
};

}  // namespace

std::string ComposeMmsSettingsText(const MmsSettings& settings) {
    // Auto takes the network values from the table row at the moment of composing.
    return ComposeSettingsText(WithNetworkWritten(kNetwork, settings), kMmsSetLines);
}

ReadFrom<MmsSettings> ParseMmsSettingsText(std::string_view text) {
    MmsSettings manual;
    manual.mode = kMmsModeManual;
    const ReadFrom<MmsSettings> read = ParseSettingsText(text, manual, kMmsSetLines);
    return read ? TakeOperatorOfTheTable(kNetwork, *read) : read;
}

ReadFrom<MmsSettings> ReadMmsSettingsFile(const std::string& path) {
    return ReadSettingsFile(path, kMmsScrambleKey, &ParseMmsSettingsText);
}

std::vector<OperatorRow> MmsOperatorsWritingNetworkOf(const MmsSettings& settings) {
    return OperatorsWriting(kNetwork, settings);
}

SettingsFileOutcome WriteMmsSettingsFile(const MmsSettings& settings,
                                         const std::string& targetFolder,
                                         std::optional<FolderDevice> selectedDevice) {
    if (AutoLacksNetwork(kNetwork, settings)) {
        return {SettingsFileOutcome::Status::Refused,
                ComposeSettingsFilePath(targetFolder, kMmsSetFileName)};
    }
    return WriteSettingsFile(
        targetFolder, kMmsSetFileName, kMmsScrambleKey,
        [&settings] { return ComposeMmsSettingsText(settings); }, selectedDevice);
}
