#include "smtp/smtp_settings.h"

#include <string_view>

#include "core/settings_text.h"
#include "smtp/gprs_operator_table.h"

namespace {

// The recipient keys as the camera reads them: the middle two with N, the outer two with L.
constexpr std::array<const char*, 4> kRecipientKeys{"EML1", "EMN2", "EMN3", "EML4"};

void AppendTextLine(std::string& text, const char* key, std::string_view value) {
    AppendSettingsLine(text, "%s=%.*s\n", key, static_cast<int>(value.size()), value.data());
}

GprsAccessPoint AccessPoint(const SmtpSettings& s) {
    if (s.smtpMode == kSmtpModeAuto) {
        return GprsOperatorAccessPoint(s.countryIndex, s.operatorIndex);
    }
    return {s.apn, s.account, s.apnPassword};
}

}  // namespace

std::string ComposeSmtpSettingsText(const SmtpSettings& s) {
    const GprsAccessPoint accessPoint = AccessPoint(s);
    std::string text;
    text.reserve(kSettingsTextCapacity);
    AppendSettingsLine(text, "SMTPS=%d\n", s.gprsStatus);
    AppendTextLine(text, "SMTPDNUM", s.emailsPerDay);
    AppendSettingsLine(text, "SMTPDR=%d\n", s.dailyReport);
    AppendSettingsLine(text, "SMTPDRT=%d\n", s.dailyReportHour);
    AppendTextLine(text, "APN", accessPoint.apn);
    AppendTextLine(text, "ACC", accessPoint.account);
    AppendTextLine(text, "PWD1", accessPoint.password);
    AppendTextLine(text, "SRV", s.smtpServer);
    AppendTextLine(text, "PORT", s.port);
    AppendTextLine(text, "SEND", s.senderEmail);
    AppendTextLine(text, "PWD2", s.smtpPassword);
    for (std::size_t i = 0; i < kRecipientKeys.size(); ++i) {
        AppendTextLine(text, kRecipientKeys[i], s.recipients[i]);
    }
    return text;
}

SettingsFileOutcome WriteSmtpSettingsFile(const SmtpSettings& settings,
                                          const std::string& targetFolder,
                                          std::optional<FolderDevice> selectedDevice) {
    return WriteSettingsFile(
        targetFolder, kSmtpSetFileName, kSmtpScrambleKey,
        [&settings] { return ComposeSmtpSettingsText(settings); }, selectedDevice);
}
