#pragma once

// SmtpSet.dat: how an SMTP camera reports by e-mail over its GPRS data connection.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/operator_rows.h"
#include "core/parsed.h"
#include "core/settings_file.h"

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

// The 15 lines of SmtpSet.dat before scrambling. Nothing is checked: values are written as
// they stand.
std::string ComposeSmtpSettingsText(const SmtpSettings& settings);

// The record that an SmtpSet.dat text holds, or why the text is none. The file holds no mode,
// country or operator, only the access point, so the record read is the canonical one: "Auto" at
// the first operator of the table, in table order, that "Auto" writes with the file's access point,
// with empty access point texts; "Manual" with the file's texts when no operator has it (among
// them an empty access point, which "Auto" writes for no operator). The law of reading and
// composing: for every text that parses, composing the record gives the text back byte for byte;
// for every record whose numbers are from 0 on and whose texts are printable ASCII, parsing its
// text gives a record that composes to the same text and equals it in every field the file holds.
Parsed<SmtpSettings> ParseSmtpSettingsText(std::string_view text);

// Every operator, in table order, that "Auto" writes with the access point that `settings` writes:
// in "Auto" that of its own operator, in "Manual" its texts.
std::vector<OperatorRow> GprsOperatorsWritingAccessPointOf(const SmtpSettings& settings);

// Reads the SmtpSet.dat at `path`.
Parsed<SmtpSettings> ReadSmtpSettingsFile(const std::string& path);

// Writes SmtpSet.dat into the folder.
SettingsFileOutcome WriteSmtpSettingsFile(
    const SmtpSettings& settings, const std::string& targetFolder,
    std::optional<FolderDevice> selectedDevice = std::nullopt);
