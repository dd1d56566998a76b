#include "smtp/smtp_settings.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "smtp/gprs_operator_table.h"
#include "tests/support/files.h"
#include "tests/support/printable.h"

namespace {

constexpr int kUnitedKingdom = 37;
constexpr int kUkO2 = 1;

SmtpSettings Manual() {
    SmtpSettings settings;
    settings.smtpMode = 1;
    return settings;
}

SmtpSettings WithTypedAccessPoint(int mode) {
    SmtpSettings settings;
    settings.smtpMode = mode;
    settings.countryIndex = kUnitedKingdom;
    settings.operatorIndex = kUkO2;
    settings.apn = "typed.apn";
    settings.account = "me";
    settings.apnPassword = "secret";
    return settings;
}

TEST(ComposeSmtpSettingsText, ManualWithEveryEditEmptyGivesTheHundredByteText) {
    const std::string text = ComposeSmtpSettingsText(Manual());
    EXPECT_EQ(text,
              "SMTPS=0\nSMTPDNUM=\nSMTPDR=0\nSMTPDRT=0\nAPN=\nACC=\nPWD1=\nSRV=\nPORT=\nSEND=\n"
              "PWD2=\nEML1=\nEMN2=\nEMN3=\nEML4=\n");
    EXPECT_EQ(text.size(), 100u);
}

TEST(ComposeSmtpSettingsText, FreshFormTakesTheFirstAustralianOperator) {
    EXPECT_EQ(ComposeSmtpSettingsText(SmtpSettings{}),
              "SMTPS=0\nSMTPDNUM=\nSMTPDR=0\nSMTPDRT=0\nAPN=internet\nACC=\nPWD1=\nSRV=\nPORT=\n"
              "SEND=\nPWD2=\nEML1=\nEMN2=\nEMN3=\nEML4=\n");
}

TEST(ComposeSmtpSettingsText, TypedAccessPointIsWrittenOnlyInManual) {
    const char* const table = "\nAPN=mobile.o2.co.uk\nACC=o2web\nPWD1=password\nSRV=";
    const char* const typed = "\nAPN=typed.apn\nACC=me\nPWD1=secret\nSRV=";
    EXPECT_NE(ComposeSmtpSettingsText(WithTypedAccessPoint(0)).find(table), std::string::npos);
    EXPECT_NE(ComposeSmtpSettingsText(WithTypedAccessPoint(1)).find(typed), std::string::npos);
    EXPECT_NE(ComposeSmtpSettingsText(WithTypedAccessPoint(7)).find(typed), std::string::npos);
}

TEST(ComposeSmtpSettingsText, ListPositionsAreWrittenAsTheyStand) {
    SmtpSettings settings;
    settings.gprsStatus = 3;
    settings.dailyReport = 0;
    settings.dailyReportHour = 13;
    EXPECT_EQ(
        ComposeSmtpSettingsText(settings).rfind("SMTPS=3\nSMTPDNUM=\nSMTPDR=0\nSMTPDRT=13\n", 0),
        0u);
}

TEST(WriteSmtpSettingsFile, FileUnscramblesToEveryLine) {
    SmtpSettings settings = Manual();
    settings.gprsStatus = 2;
    settings.emailsPerDay = "10";
    settings.dailyReport = 1;
    settings.dailyReportHour = 23;
    settings.apn = "internet.example";
    settings.account = "user name";
    settings.apnPassword = "pass~word";
    settings.smtpServer = "smtp.example.com";
    settings.port = "587";
    settings.senderEmail = "camera@example.com";
    settings.smtpPassword = "S3cret!";
    settings.recipients = {"a@example.com", "b@example.com", "", "d@example.com"};

    QTemporaryDir dir;
    const SettingsFileOutcome outcome = WriteSmtpSettingsFile(settings, dir.path().toStdString());
    ASSERT_TRUE(outcome.Written()) << outcome.reason.message();
    const QByteArray bytes = ReadFileBytes(dir.filePath(QStringLiteral("SmtpSet.dat")));
    EXPECT_EQ(Unscramble(bytes, kSmtpScrambleKey),
              "SMTPS=2\nSMTPDNUM=10\nSMTPDR=1\nSMTPDRT=23\nAPN=internet.example\nACC=user name\n"
              "PWD1=pass~word\nSRV=smtp.example.com\nPORT=587\nSEND=camera@example.com\n"
              "PWD2=S3cret!\nEML1=a@example.com\nEMN2=b@example.com\nEMN3=\nEML4=d@example.com\n");
    EXPECT_EQ(bytes.count('\x01'), 15);
}

TEST(ParseSmtpSettingsText, ReadsBackTypedTextsAndEveryListPosition) {
    for (int value = 0; value < 24; ++value) {
        SmtpSettings settings = Manual();
        settings.gprsStatus = value % 4;
        settings.dailyReport = value % 2;
        settings.dailyReportHour = value;
        std::size_t shift = static_cast<std::size_t>(value);
        for (std::string* text :
             {&settings.emailsPerDay, &settings.apn, &settings.account, &settings.apnPassword,
              &settings.smtpServer, &settings.port, &settings.senderEmail, &settings.smtpPassword,
              &settings.recipients[0], &settings.recipients[1], &settings.recipients[2]}) {
            *text = EveryPrintableCharacter(shift++);
        }
        const std::string text = ComposeSmtpSettingsText(settings);
        const ReadFrom<SmtpSettings> parsed = ParseSmtpSettingsText(text);
        ASSERT_TRUE(parsed) << parsed.Reason().line;
        EXPECT_EQ(*parsed, settings);
        EXPECT_EQ(ComposeSmtpSettingsText(*parsed), text);
    }
}

TEST(ParseSmtpSettingsText, AnOperatorsAccessPointReadsAsAutoAtItsFirstRow) {
    for (int country = 0; country < kGprsCountryCount; ++country) {
        for (int row = 0; row < GprsOperatorCount(country); ++row) {
            SmtpSettings settings = WithTypedAccessPoint(kSmtpModeAuto);
            settings.countryIndex = country;
            settings.operatorIndex = row;
            const std::string text = ComposeSmtpSettingsText(settings);
            const ReadFrom<SmtpSettings> parsed = ParseSmtpSettingsText(text);
            ASSERT_TRUE(parsed) << parsed.Reason().line;
            EXPECT_EQ(parsed->smtpMode, kSmtpModeAuto);
            EXPECT_LE(std::pair(parsed->countryIndex, parsed->operatorIndex),
                      std::pair(country, row));
            EXPECT_TRUE(parsed->apn.empty());
            EXPECT_EQ(ComposeSmtpSettingsText(*parsed), text);
        }
    }
    const ReadFrom<SmtpSettings> typed =
        ParseSmtpSettingsText(ComposeSmtpSettingsText(WithTypedAccessPoint(kSmtpModeManual)));
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->smtpMode, kSmtpModeManual);
    EXPECT_EQ(typed->apn, "typed.apn");
}

TEST(WriteSmtpSettingsFile, AutoRefusesAPositionWithoutAnAccessPoint) {
    QTemporaryDir dir;
    SmtpSettings settings;
    settings.countryIndex = 20;  // Namibia offers one operator
    settings.operatorIndex = 1;
    const SettingsFileOutcome outcome = WriteSmtpSettingsFile(settings, dir.path().toStdString());
    EXPECT_EQ(outcome.status, SettingsFileOutcome::Status::Refused);
    EXPECT_FALSE(outcome.reason);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

}  // namespace
