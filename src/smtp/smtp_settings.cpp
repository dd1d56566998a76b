#include "smtp/smtp_settings.h"

#include "core/settings_lines_fit.h"
#include "smtp/gprs_operator_table.h"

static_assert(LinesFitLayout<SmtpSettings>(res::kSmtpDialog, kSmtpSetLines, kSmtpChoiceLines,
                                           res::IDC_SMTP_FOLDER));

namespace {

using M = SmtpSettings;

std::array<std::string_view, 3> AccessPointOf(int country, int operatorIndex) {
    const GprsAccessPoint row = GprsOperatorAccessPoint(country, operatorIndex);
    return {row.apn, row.account, row.password};
}

// "Auto" takes the access point from the table; the camera cannot connect without one.
constexpr OperatorNetwork<M, 3> kAccessPoint{
    &M::smtpMode,
    &M::countryIndex,
    &M::operatorIndex,
    {&M::apn, &M::account, &M::apnPassword},
    &AccessPointOf,
    kGprsOperatorCatalogue,
    1,
    kSmtpModeAuto,
};

}  // namespace

std::string ComposeSmtpSettingsText(const SmtpSettings& settings) {
    // Auto takes the access point from the table row at the moment of composing.
    return ComposeSettingsText(WithNetworkWritten(kAccessPoint, settings), kSmtpSetLines);
}

ReadFrom<SmtpSettings> ParseSmtpSettingsText(std::string_view text) {
    SmtpSettings manual;
    manual.smtpMode = kSmtpModeManual;
    const ReadFrom<SmtpSettings> read = ParseSettingsText(text, manual, kSmtpSetLines);
    return read ? TakeOperatorOfTheTable(kAccessPoint, *read) : read;
}

ReadFrom<SmtpSettings> ReadSmtpSettingsFile(const std::string& path) {
    return ReadSettingsFile(path, kSmtpScrambleKey, &ParseSmtpSettingsText);
}

std::vector<OperatorRow> GprsOperatorsWritingAccessPointOf(const SmtpSettings& settings) {
    return OperatorsWriting(kAccessPoint, settings);
}

SettingsFileOutcome WriteSmtpSettingsFile(const SmtpSettings& settings,
                                          const std::string& targetFolder,
                                          std::optional<FolderDevice> selectedDevice) {
    if (AutoLacksNetwork(kAccessPoint, settings)) {
        return {SettingsFileOutcome::Status::Refused,
                ComposeSettingsFilePath(targetFolder, kSmtpSetFileName)};
    }
    return WriteSettingsFile(
        targetFolder, kSmtpSetFileName, kSmtpScrambleKey,
        [&settings] { return ComposeSmtpSettingsText(settings); }, selectedDevice);
}
