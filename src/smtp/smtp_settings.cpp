#include "smtp/smtp_settings.h"

#include <optional>

#include "core/settings_file_reader.h"
#include "core/settings_lines.h"
#include "smtp/gprs_operator_table.h"

namespace {

// The 15 lines of SmtpSet.dat, in file order, with the access point in the record's texts.
void WalkLines(SettingsLines& lines, SmtpSettings& s) {
    lines.Number("SMTPS", s.gprsStatus);
    lines.Text("SMTPDNUM", s.emailsPerDay);
    lines.Number("SMTPDR", s.dailyReport);
    lines.Number("SMTPDRT", s.dailyReportHour);
    lines.Text("APN", s.apn);
    lines.Text("ACC", s.account);
    lines.Text("PWD1", s.apnPassword);
    lines.Text("SRV", s.smtpServer);
    lines.Text("PORT", s.port);
    lines.Text("SEND", s.senderEmail);
    lines.Text("PWD2", s.smtpPassword);
    for (std::size_t i = 0; i < kRecipientEmailKeys.size(); ++i) {
        lines.Text(kRecipientEmailKeys[i], s.recipients[i]);
    }
}

// Why "Auto" writes no file for the record's operator; nothing when it does.
std::optional<std::string> AutoOperatorRefusal(const SmtpSettings& settings) {
    if (settings.smtpMode != kSmtpModeAuto ||
        !GprsOperatorAccessPoint(settings.countryIndex, settings.operatorIndex).apn.empty()) {
        return std::nullopt;
    }
    return "There is no GPRS access point for " +
           std::string(GprsOperatorName(settings.countryIndex, settings.operatorIndex)) + " in " +
           std::string(GprsCountryName(settings.countryIndex)) +
           ". Choose \"Manual\" as SMTP Mode and type the operator's settings.";
}

// The record with the access point it writes in its texts.
SmtpSettings WithAccessPointWritten(SmtpSettings settings) {
    if (settings.smtpMode == kSmtpModeAuto) {
        const GprsAccessPoint row =
            GprsOperatorAccessPoint(settings.countryIndex, settings.operatorIndex);
        settings.apn = row.apn;
        settings.account = row.account;
        settings.apnPassword = row.password;
    }
    return settings;
}

// Makes a "Manual" record read from a file "Auto" at the first operator that "Auto" writes with
// its access point.
SmtpSettings TakeOperatorOfTheTable(SmtpSettings s) {
    const std::vector<OperatorRow> rows = GprsOperatorsWritingAccessPointOf(s);
    if (rows.empty()) {
        return s;
    }
    s.smtpMode = kSmtpModeAuto;
    s.countryIndex = rows.front().country;
    s.operatorIndex = rows.front().operatorIndex;
    s.apn.clear();
    s.account.clear();
    s.apnPassword.clear();
    return s;
}

}  // namespace

std::string ComposeSmtpSettingsText(const SmtpSettings& settings) {
    // Auto takes the access point from the table row at the moment of composing.
    return ComposeSettingsText(WithAccessPointWritten(settings), &WalkLines);
}

Parsed<SmtpSettings> ParseSmtpSettingsText(std::string_view text) {
    SmtpSettings manual;
    manual.smtpMode = kSmtpModeManual;
    const Parsed<SmtpSettings> read = ParseSettingsText(text, manual, &WalkLines);
    return read ? TakeOperatorOfTheTable(*read) : read;
}

Parsed<SmtpSettings> ReadSmtpSettingsFile(const std::string& path) {
    return ReadSettingsFile(path, kSmtpScrambleKey, &ParseSmtpSettingsText);
}

std::vector<OperatorRow> GprsOperatorsWritingAccessPointOf(const SmtpSettings& settings) {
    const SmtpSettings written = WithAccessPointWritten(settings);
    std::vector<OperatorRow> rows;
    for (int country = 0; country < kGprsCountryCount; ++country) {
        for (int row = 0; row < GprsOperatorCount(country); ++row) {
            SmtpSettings candidate;
            candidate.countryIndex = country;
            candidate.operatorIndex = row;
            const GprsAccessPoint accessPoint = GprsOperatorAccessPoint(country, row);
            if (!AutoOperatorRefusal(candidate) && written.apn == accessPoint.apn &&
                written.account == accessPoint.account &&
                written.apnPassword == accessPoint.password) {
                rows.push_back({country, row});
            }
        }
    }
    return rows;
}

SettingsFileOutcome WriteSmtpSettingsFile(const SmtpSettings& settings,
                                          const std::string& targetFolder,
                                          std::optional<FolderDevice> selectedDevice) {
    if (std::optional<std::string> refusal = AutoOperatorRefusal(settings)) {
        return {SettingsFileOutcome::Status::Refused, *refusal};
    }
    return WriteSettingsFile(
        targetFolder, kSmtpSetFileName, kSmtpScrambleKey,
        [&settings] { return ComposeSmtpSettingsText(settings); }, selectedDevice);
}
