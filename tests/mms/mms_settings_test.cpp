#include "mms/mms_settings.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "mms/mms_operator_table.h"
#include "tests/support/files.h"
#include "tests/support/printable.h"

namespace {

// A fresh form: Auto, Australia, Optus, everything else at its default.
const char* const kDefaultText =
    "MMSS=0\nMMSDNUM=\nMMSDR=0\nMMSDRT=0\n"
    "URL=http://mmsc.optus.com.au:8002/\nAPN=mms\nIP=61.88.190.10\nPORT=8070\nACC=\nPWD=\n"
    "PHNO1=\nPHNUM2=\nPHNO3=\nPHNUM4=\nEML1=\nEMN2=\nEMN3=\nEML4=\n";

MmsSettings WithNetworkTexts() {
    MmsSettings settings;
    settings.url = "http://mms.example.net/send";
    settings.apn = "mms.example";
    settings.gateway = "10.1.2.3";
    settings.port = "9201";
    settings.account = "cam";
    settings.password = "secret";
    return settings;
}

TEST(ComposeMmsSettingsText, DefaultsGiveTheEighteenLinesWithTheFirstOperatorsValues) {
    const std::string text = ComposeMmsSettingsText(MmsSettings{});
    EXPECT_EQ(text, kDefaultText);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 18);
}

TEST(ComposeMmsSettingsText, EveryFieldLandsUnderItsOwnKey) {
    MmsSettings settings = WithNetworkTexts();
    settings.mode = kMmsModeManual;
    settings.status = 3;
    settings.numberPerDay = "007";
    settings.dailyReport = 0;
    settings.reportHour = 17;
    settings.mobiles = {"+111", "+222", "+333", "+444"};
    settings.emails = {"a@x.org", "b@x.org", "c@x.org", "d@x.org"};
    EXPECT_EQ(ComposeMmsSettingsText(settings),
              "MMSS=3\nMMSDNUM=007\nMMSDR=0\nMMSDRT=17\n"
              "URL=http://mms.example.net/send\nAPN=mms.example\nIP=10.1.2.3\nPORT=9201\n"
              "ACC=cam\nPWD=secret\n"
              "PHNO1=+111\nPHNUM2=+222\nPHNO3=+333\nPHNUM4=+444\n"
              "EML1=a@x.org\nEMN2=b@x.org\nEMN3=c@x.org\nEML4=d@x.org\n");
}

TEST(ComposeMmsSettingsText, AutoTakesTheChosenRowAndIgnoresTypedNetworkTexts) {
    MmsSettings settings = WithNetworkTexts();
    settings.mode = kMmsModeAuto;
    settings.countryIndex = 17;  // Italy
    settings.operatorIndex = 1;  // Vodafone
    const std::string text = ComposeMmsSettingsText(settings);
    EXPECT_NE(text.find("\nURL=http://mms.vodafone.it/servlets/mms\nAPN=mms.vodafone.it\n"
                        "IP=10.128.224.10\nPORT=80\nACC=\nPWD=\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("example"), std::string::npos);
}

TEST(ComposeMmsSettingsText, ManualWithEmptyTextsStillWritesTheSixKeys) {
    MmsSettings settings;
    settings.mode = kMmsModeManual;
    EXPECT_NE(ComposeMmsSettingsText(settings).find(
                  "\nMMSDRT=0\nURL=\nAPN=\nIP=\nPORT=\nACC=\nPWD=\nPHNO1=\n"),
              std::string::npos);
}

TEST(ComposeMmsSettingsText, AutoWithoutAnOperatorRowWritesTheSixKeysEmpty) {
    MmsSettings settings;
    settings.countryIndex = 20;  // Namibia offers one operator
    settings.operatorIndex = 1;
    EXPECT_NE(ComposeMmsSettingsText(settings).find(
                  "\nMMSDRT=0\nURL=\nAPN=\nIP=\nPORT=\nACC=\nPWD=\nPHNO1=\n"),
              std::string::npos);
}

TEST(ParseMmsSettingsText, ReadsBackTypedTextsAndEveryListPosition) {
    for (int value = 0; value < 24; ++value) {
        MmsSettings settings;
        settings.mode = kMmsModeManual;
        settings.status = value % 4;
        settings.dailyReport = value % 2;
        settings.reportHour = value;
        std::size_t shift = static_cast<std::size_t>(value);
        for (std::string* text :
             {&settings.numberPerDay, &settings.url, &settings.apn, &settings.gateway,
              &settings.port, &settings.account, &settings.password}) {
            *text = EveryPrintableCharacter(shift++);
        }
        for (std::size_t i = 0; i < 4; ++i) {
            settings.mobiles[i] = EveryPrintableCharacter(shift++).substr(i);
            settings.emails[i] = i == 3 ? "" : EveryPrintableCharacter(shift++);
        }
        const std::string text = ComposeMmsSettingsText(settings);
        const ReadFrom<MmsSettings> parsed = ParseMmsSettingsText(text);
        ASSERT_TRUE(parsed) << parsed.Reason().line;
        EXPECT_EQ(*parsed, settings);
        EXPECT_EQ(ComposeMmsSettingsText(*parsed), text);
    }
}

TEST(ParseMmsSettingsText, NetworkValuesOfAnOperatorReadAsAutoAtItsFirstRow) {
    for (int country = 0; country < kMmsCountryCount; ++country) {
        for (int row = 0; row < MmsOperatorCount(country); ++row) {
            MmsSettings settings;
            settings.countryIndex = country;
            settings.operatorIndex = row;
            const std::string text = ComposeMmsSettingsText(settings);
            const ReadFrom<MmsSettings> parsed = ParseMmsSettingsText(text);
            ASSERT_TRUE(parsed) << parsed.Reason().line;
            EXPECT_EQ(ComposeMmsSettingsText(*parsed), text);
            // A row whose values "Auto" does not write reads as "Manual", so that "Generate"
            // writes the same values again.
            const MmsNetworkValues values = MmsOperatorNetwork(country, row);
            if (values.url.empty() || values.apn.empty() || values.gateway.empty() ||
                values.port.empty()) {
                EXPECT_EQ(parsed->mode, kMmsModeManual);
                continue;
            }
            EXPECT_EQ(parsed->mode, kMmsModeAuto);
            EXPECT_LE(std::pair(parsed->countryIndex, parsed->operatorIndex),
                      std::pair(country, row));
            EXPECT_TRUE(parsed->url.empty() && parsed->password.empty());
        }
    }
    // Typed values that an operator has are that operator's.
    MmsSettings typed;
    typed.mode = kMmsModeManual;
    const MmsNetworkValues italy = MmsOperatorNetwork(17, 1);
    typed.url = italy.url;
    typed.apn = italy.apn;
    typed.gateway = italy.gateway;
    typed.port = italy.port;
    const ReadFrom<MmsSettings> parsed = ParseMmsSettingsText(ComposeMmsSettingsText(typed));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(std::pair(parsed->countryIndex, parsed->operatorIndex), std::pair(17, 1));
}

TEST(WriteMmsSettingsFile, WritesTheScrambledTextAndTheSameFileAgain) {
    QTemporaryDir dir;
    MmsSettings settings;
    settings.numberPerDay = "0";
    settings.mobiles[0] = "+15551234";
    const std::string folder = dir.path().toStdString();
    const QString path = dir.filePath(QStringLiteral("MmsSet.dat"));

    const SettingsFileOutcome first = WriteMmsSettingsFile(settings, folder);
    ASSERT_TRUE(first.Written()) << first.reason.message();
    const QByteArray bytes = ReadFileBytes(path);
    const std::string text = ComposeMmsSettingsText(settings);
    EXPECT_EQ(bytes.size(), static_cast<qsizetype>(text.size()));
    EXPECT_EQ(bytes.count('\x01'), 18);
    EXPECT_EQ(Unscramble(bytes, kMmsScrambleKey), text);
    EXPECT_NE(text.find("\nMMSDNUM=0\n"), std::string::npos);

    ASSERT_TRUE(WriteMmsSettingsFile(settings, folder).Written());
    EXPECT_EQ(ReadFileBytes(path), bytes);
}

// An operator row without a gateway would give the camera nothing to send through, so Auto
// refuses it before anything is written.
TEST(WriteMmsSettingsFile, AutoRefusesAnOperatorWithoutNetworkValues) {
    QTemporaryDir dir;
    for (const auto& [country, row] : {std::pair(0, 2), std::pair(12, 1)}) {
        MmsSettings settings;
        settings.countryIndex = country;
        settings.operatorIndex = row;
        const SettingsFileOutcome outcome =
            WriteMmsSettingsFile(settings, dir.path().toStdString());
        EXPECT_EQ(outcome.status, SettingsFileOutcome::Status::Refused);
        EXPECT_FALSE(outcome.reason);
        EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("MmsSet.dat"))));

        settings.mode = kMmsModeManual;
        settings.url = "http://mms.free.fr";
        EXPECT_TRUE(WriteMmsSettingsFile(settings, dir.path().toStdString()).Written());
        ASSERT_TRUE(QFile::remove(dir.filePath(QStringLiteral("MmsSet.dat"))));
    }
}

}  // namespace
