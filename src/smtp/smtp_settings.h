#pragma once

// SmtpSet.dat: how an SMTP camera reports by e-mail over its GPRS data connection.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/operator_rows.h"
#include "core/settings_file.h"
#include "core/settings_file_reader.h"
#include "core/settings_lines.h"
#include "res/smtp_dialog.h"

// The SMTP mode decides where the access point of the data connection comes from: "Auto" takes
// the operator table's row at (countryIndex, operatorIndex), any other mode ("Manual") the typed
// apn, account and apnPassword.
inline constexpr int kSmtpModeAuto = 0;
inline constexpr int kSmtpModeManual = 1;

// The values of SmtpSet.dat, one field per control of the Smtp Setup form. Integers are list
// positions, texts stand as typed; the defaults are those of a freshly opened form.
struct SmtpSettings {
    int gprsStatus = 0;
    std::string emailsPerDay;
    int dailyReport = 0;
    int dailyReportHour = 0;
    int smtpMode = kSmtpModeAuto;
    int countryIndex = 0;
    int operatorIndex = 0;
    std::string apn;
    std::string account;
    std::string apnPassword;
    std::string smtpServer;
    std::string port;
    std::string senderEmail;
    std::string smtpPassword;
    std::array<std::string, 4> recipients;

    bool operator==(const SmtpSettings&) const = default;
};

// The 15 lines of SmtpSet.dat in file order: each key with the field it holds, the list or edit
// of the Smtp Setup form that shows it, and the label that names it. The access point lines hold
// the record's texts, which "Auto" fills from the operator table as the file is composed.
inline constexpr auto kSmtpSetLines = [] {
    using namespace res;
    using M = SmtpSettings;
    return std::to_array<SettingsLine<M>>({
        ListLine("SMTPS", IDC_SMTP_STATUS_LABEL, IDC_SMTP_STATUS, &Field<&M::gprsStatus>),
        EditLine("SMTPDNUM", IDC_SMTP_NUMBER_LABEL, IDC_SMTP_NUMBER, &Field<&M::emailsPerDay>),
        ListLine("SMTPDR", IDC_SMTP_DAILY_REPORT_LABEL, IDC_SMTP_DAILY_REPORT,
                 &Field<&M::dailyReport>),
        ListLine("SMTPDRT", IDC_SMTP_HOUR_LABEL, IDC_SMTP_HOUR, &Field<&M::dailyReportHour>),
        EditLine("APN", IDC_SMTP_APN_LABEL, IDC_SMTP_APN, &Field<&M::apn>),
        EditLine("ACC", IDC_SMTP_ACCOUNT_LABEL, IDC_SMTP_ACCOUNT, &Field<&M::account>),
        EditLine("PWD1", IDC_SMTP_APN_PASSWORD_LABEL, IDC_SMTP_APN_PASSWORD,
                 &Field<&M::apnPassword>),
        EditLine("SRV", IDC_SMTP_SERVER_LABEL, IDC_SMTP_SERVER, &Field<&M::smtpServer>),
        EditLine("PORT", IDC_SMTP_PORT_LABEL, IDC_SMTP_PORT, &Field<&M::port>),
        EditLine("SEND", IDC_SMTP_SENDER_LABEL, IDC_SMTP_SENDER, &Field<&M::senderEmail>),
        EditLine("PWD2", IDC_SMTP_SERVER_PASSWORD_LABEL, IDC_SMTP_SERVER_PASSWORD,
                 &Field<&M::smtpPassword>),
        EditLine("EML1", IDC_SMTP_EMAIL1_LABEL, IDC_SMTP_EMAIL1, &Field<&M::recipients, 0>),
        EditLine("EMN2", IDC_SMTP_EMAIL2_LABEL, IDC_SMTP_EMAIL2, &Field<&M::recipients, 1>),
        EditLine("EMN3", IDC_SMTP_EMAIL3_LABEL, IDC_SMTP_EMAIL3, &Field<&M::recipients, 2>),
        EditLine("EML4", IDC_SMTP_EMAIL4_LABEL, IDC_SMTP_EMAIL4, &Field<&M::recipients, 3>),
    });
}();

// What the form shows beside the file's lines: the mode, then the country before the operators
// it fills the Operator list with. The file holds none of them.
inline constexpr auto kSmtpChoiceLines = [] {
    using namespace res;
    using M = SmtpSettings;
    return std::to_array<SettingsLine<M>>({
        ListLine({}, IDC_SMTP_MODE_LABEL, IDC_SMTP_MODE, &Field<&M::smtpMode>),
        ListLine({}, IDC_SMTP_COUNTRY_LABEL, IDC_SMTP_COUNTRY, &Field<&M::countryIndex>),
        ListLine({}, IDC_SMTP_OPERATOR_LABEL, IDC_SMTP_OPERATOR, &Field<&M::operatorIndex>),
    });
}();

// The 15 lines of SmtpSet.dat before scrambling. Nothing is checked: values are written as
// they stand.
std::string ComposeSmtpSettingsText(const SmtpSettings& settings);

// The record that an SmtpSet.dat text holds, or why the text is none: the canonical record of
// TakeOperatorOfTheTable, since the file holds the access point but no mode, country or operator.
ReadFrom<SmtpSettings> ParseSmtpSettingsText(std::string_view text);

// Every operator, in table order, that "Auto" writes with the access point that `settings` writes:
// in "Auto" that of its own operator, in "Manual" its texts.
std::vector<OperatorRow> GprsOperatorsWritingAccessPointOf(const SmtpSettings& settings);

// Reads the SmtpSet.dat at `path`.
ReadFrom<SmtpSettings> ReadSmtpSettingsFile(const std::string& path);

// Writes SmtpSet.dat into the folder. "Auto" at an operator without an access point is refused.
SettingsFileOutcome WriteSmtpSettingsFile(
    const SmtpSettings& settings, const std::string& targetFolder,
    std::optional<FolderDevice> selectedDevice = std::nullopt);
