#pragma once

// SmtpSet.dat: how an SMTP camera reports by e-mail over its GPRS data connection.

#include <array>
#include <string>

#include "core/settings_file.h"

// The SMTP mode decides where the access point of the data connection comes from: "Auto" takes
// the operator table's row at (countryIndex, operatorIndex), any other mode ("Manual") the typed
// apn, account and apnPassword.
inline constexpr int kSmtpModeAuto = 0;

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
};

// The 15 lines of SmtpSet.dat before scrambling. Nothing is checked: values are written as
// they stand.
std::string ComposeSmtpSettingsText(const SmtpSettings& settings);

// Writes SmtpSet.dat into the folder.
SettingsFileOutcome WriteSmtpSettingsFile(
    const SmtpSettings& settings, const std::string& targetFolder,
    std::optional<FolderDevice> selectedDevice = std::nullopt);
