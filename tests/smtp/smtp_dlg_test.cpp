#include "smtp/smtp_dlg.h"

#include <gtest/gtest.h>

#include <array>

#include "res/smtp_dialog.h"
#include "smtp/gprs_operator_table.h"
#include "tests/support/form_fixture.h"
#include "tests/support/localisation_file.h"
#include "tests/support/operator_round_trip.h"

namespace {

using namespace res;

const QString kSmtpSet = QStringLiteral("SmtpSet.dat");

constexpr std::array<int, 3> kAccessPointEdits{IDC_SMTP_APN, IDC_SMTP_APN_PASSWORD,
                                               IDC_SMTP_ACCOUNT};

std::string AccessPointLines(const GprsAccessPoint& row) {
    return "APN=" + std::string(row.apn) + "\nACC=" + std::string(row.account) +
           "\nPWD1=" + std::string(row.password) + "\n";
}

class SmtpDlgTest : public FormFixture<CSmtpDlg> {
protected:
    std::string Written() { return WrittenText(kSmtpSet, kSmtpScrambleKey); }
    void GenerateHere() {
        ChooseFolder(dir.path());
        Generate();
    }
    int FocusedId() { return CDialog::ControlId(QApplication::focusWidget()); }
};

TEST_F(SmtpDlgTest, OpensWithTheDefaults) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Smtp Setup"));
    EXPECT_EQ(Shown(IDC_SMTP_MODE), QStringLiteral("Auto"));
    EXPECT_EQ(Shown(IDC_SMTP_STATUS), QStringLiteral("Off"));
    EXPECT_EQ(Shown(IDC_SMTP_DAILY_REPORT), QStringLiteral("Off"));
    EXPECT_EQ(Shown(IDC_SMTP_HOUR), QStringLiteral("0"));
    EXPECT_EQ(Shown(IDC_SMTP_COUNTRY), QStringLiteral("Australia"));
    EXPECT_EQ(Shown(IDC_SMTP_OPERATOR), QStringLiteral("Optus"));
    EXPECT_EQ(form.List(IDC_SMTP_COUNTRY)->count(), 39);
    EXPECT_EQ(form.List(IDC_SMTP_OPERATOR)->count(), 5);
    for (const int id : kAccessPointEdits) {
        EXPECT_FALSE(Enabled(id)) << id;
        EXPECT_TRUE(Shown(id).isEmpty()) << id;
    }
    EXPECT_FALSE(Enabled(IDC_SMTP_HOUR));
    EXPECT_EQ(Shown(IDC_SMTP_FOLDER), DefaultFolder());
    EXPECT_FALSE(Enabled(IDC_SMTP_FOLDER));
}

TEST_F(SmtpDlgTest, GeneratingAtOnceWritesTheFirstOperatorsAccessPoint) {
    GenerateHere();
    EXPECT_EQ(Written(), "SMTPS=0\nSMTPDNUM=\nSMTPDR=0\nSMTPDRT=0\n" +
                             AccessPointLines(GprsOperatorAccessPoint(0, 0)) +
                             "SRV=\nPORT=\nSEND=\nPWD2=\nEML1=\nEMN2=\nEMN3=\nEML4=\n");
}

TEST_F(SmtpDlgTest, ManualWithEveryEditEmptyWritesTheHundredByteText) {
    Pick(IDC_SMTP_MODE, QStringLiteral("Manual"));
    GenerateHere();
    const std::string text = Written();
    EXPECT_EQ(text,
              "SMTPS=0\nSMTPDNUM=\nSMTPDR=0\nSMTPDRT=0\nAPN=\nACC=\nPWD1=\nSRV=\nPORT=\nSEND=\n"
              "PWD2=\nEML1=\nEMN2=\nEMN3=\nEML4=\n");
    EXPECT_EQ(text.size(), 100u);
}

// Every control away from its default, in Manual mode so that the typed access point is written:
// a control bound to the wrong field shows in the file.
TEST_F(SmtpDlgTest, EveryControlAwayFromItsDefaultReachesItsOwnLine) {
    Pick(IDC_SMTP_STATUS, QStringLiteral("SMS"));
    Type(IDC_SMTP_NUMBER, QStringLiteral("12"));
    Pick(IDC_SMTP_DAILY_REPORT, QStringLiteral("On"));
    Pick(IDC_SMTP_HOUR, QStringLiteral("13"));
    Pick(IDC_SMTP_MODE, QStringLiteral("Manual"));
    const std::array<std::pair<int, const char*>, 11> typed{{
        {IDC_SMTP_APN, "internet.example"},
        {IDC_SMTP_ACCOUNT, "gprs-user"},
        {IDC_SMTP_APN_PASSWORD, "gprs-secret"},
        {IDC_SMTP_SERVER, "smtp.example.org"},
        {IDC_SMTP_PORT, "587"},
        {IDC_SMTP_SENDER, "camera@example.org"},
        {IDC_SMTP_SERVER_PASSWORD, "mail-secret"},
        {IDC_SMTP_EMAIL1, "a@example.org"},
        {IDC_SMTP_EMAIL2, "b@example.org"},
        {IDC_SMTP_EMAIL3, "c@example.org"},
        {IDC_SMTP_EMAIL4, "d@example.org"},
    }};
    for (const auto& [id, text] : typed) {
        Type(id, QString::fromLatin1(text));
    }
    GenerateHere();
    EXPECT_EQ(Written(),
              "SMTPS=3\nSMTPDNUM=12\nSMTPDR=1\nSMTPDRT=13\nAPN=internet.example\n"
              "ACC=gprs-user\nPWD1=gprs-secret\nSRV=smtp.example.org\nPORT=587\n"
              "SEND=camera@example.org\nPWD2=mail-secret\nEML1=a@example.org\n"
              "EMN2=b@example.org\nEMN3=c@example.org\nEML4=d@example.org\n");
}

TEST_F(SmtpDlgTest, TypedAccessPointSurvivesAutoAndIsWrittenOnlyInManual) {
    Pick(IDC_SMTP_MODE, QStringLiteral("Manual"));
    EXPECT_FALSE(Enabled(IDC_SMTP_COUNTRY));
    EXPECT_FALSE(Enabled(IDC_SMTP_OPERATOR));
    Type(IDC_SMTP_APN, QStringLiteral("typed.apn"));
    Pick(IDC_SMTP_MODE, QStringLiteral("Auto"));
    Pick(IDC_SMTP_COUNTRY, QStringLiteral("Deutschland"));
    EXPECT_EQ(form.List(IDC_SMTP_OPERATOR)->count(), 7);
    Pick(IDC_SMTP_OPERATOR, QStringLiteral("O2"));
    GenerateHere();
    EXPECT_NE(Written().find(AccessPointLines(GprsOperatorAccessPoint(8, 4))), std::string::npos);
    EXPECT_EQ(Shown(IDC_SMTP_APN), QStringLiteral("typed.apn"));

    Pick(IDC_SMTP_MODE, QStringLiteral("Manual"));
    Generate();
    EXPECT_NE(Written().find("APN=typed.apn\nACC=\nPWD1=\n"), std::string::npos);
}

TEST_F(SmtpDlgTest, LoadFromCardShowsTheFileAndGenerateWritesItBack) {
    SmtpSettings onCard;
    onCard.smtpMode = kSmtpModeManual;
    onCard.apn = "internet.example";
    onCard.dailyReport = 1;
    onCard.dailyReportHour = 13;
    onCard.smtpServer = "smtp.example.org";
    onCard.recipients[3] = "d@example.org";
    const std::string text = ComposeSmtpSettingsText(onCard);
    PutOnCard(kSmtpSet, kSmtpScrambleKey, text);
    LoadFromCard();
    EXPECT_EQ(platform.messages.last(),
              QStringLiteral("Settings loaded from %1.\nIts network values are those "
                             "of no operator in the lists, so the form shows them in \"Manual\" "
                             "mode.")
                  .arg(InFolder(dir.path(), kSmtpSet)));
    EXPECT_EQ(Shown(IDC_SMTP_MODE), QStringLiteral("Manual"));
    EXPECT_EQ(Shown(IDC_SMTP_APN), QStringLiteral("internet.example"));
    EXPECT_TRUE(Enabled(IDC_SMTP_APN));
    EXPECT_TRUE(Enabled(IDC_SMTP_HOUR));
    EXPECT_EQ(Shown(IDC_SMTP_HOUR), QStringLiteral("13"));
    EXPECT_EQ(Shown(IDC_SMTP_EMAIL4), QStringLiteral("d@example.org"));
    Generate();
    EXPECT_EQ(Written(), text);
}

TEST_F(SmtpDlgTest, HourKeepsItsValueWhileDisabledAndIsWritten) {
    Pick(IDC_SMTP_DAILY_REPORT, QStringLiteral("On"));
    Pick(IDC_SMTP_HOUR, QStringLiteral("13"));
    Pick(IDC_SMTP_DAILY_REPORT, QStringLiteral("Off"));
    EXPECT_FALSE(Enabled(IDC_SMTP_HOUR));
    GenerateHere();
    EXPECT_NE(Written().find("SMTPDR=0\nSMTPDRT=13\n"), std::string::npos);
}

TEST_F(SmtpDlgTest, TabFollowsTheLayoutOrder) {
    Pick(IDC_SMTP_MODE, QStringLiteral("Manual"));
    form.Edit(IDC_SMTP_APN)->setFocus();
    for (const int next :
         {IDC_SMTP_APN_PASSWORD, IDC_SMTP_ACCOUNT, IDC_SMTP_SERVER, IDC_SMTP_SENDER, IDC_SMTP_PORT,
          IDC_SMTP_SERVER_PASSWORD, IDC_SMTP_EMAIL1, IDC_SMTP_EMAIL3, IDC_SMTP_EMAIL2,
          IDC_SMTP_EMAIL4, IDC_SMTP_SELECT, IDC_SMTP_GENERATE, IDC_EXIT}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(FocusedId(), next);
    }
}

TEST_F(SmtpDlgTest, ATextTheCameraCannotReadIsRefusedByItsLabel) {
    Type(IDC_SMTP_SERVER, QStringLiteral("smtp.exämple.org"));
    GenerateHere();
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].startsWith(QStringLiteral("\"Smtp Server\"")))
        << platform.messages[0].toStdString();
    EXPECT_TRUE(FolderContents().isEmpty());
}

TEST_F(SmtpDlgTest, ACardPulledAfterSelectGetsNothingWrittenOnItsMountPoint) {
    if (!ScratchMount::Unavailable().empty()) {
        GTEST_SKIP() << ScratchMount::Unavailable();
    }
    const QString message = GenerateAfterTheCardIsPulled();
    EXPECT_TRUE(
        message.endsWith(QStringLiteral("/SmtpSet.dat\nThe selected card is no longer "
                                        "there: nothing was written.")))
        << message.toStdString();
}

}  // namespace

namespace {

TEST(SmtpDlgTexts, GroupBoxesTitleAndTheFolderComeFromTheLocalisationFile) {
    QTemporaryDir card;
    const ScopedLocalisationFile texts(
        "[String]\nIDD106_-1=Rahmen\nIDD106_Title=SMTP\nIDD106_1164=" + card.path().toUtf8() +
        "\n");
    FakePlatform platform;
    CSmtpDlg form;
    form.Create();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("SMTP"));
    int frames = 0;
    for (const QWidget* control : form.Controls()) {
        if (CDialog::ControlId(control) == res::kUnnamedId) {
            EXPECT_EQ(GetWindowText(control), QStringLiteral("Rahmen"));
            ++frames;
        }
    }
    EXPECT_EQ(frames, 4);
    EXPECT_TRUE(GetWindowText(form.Item(res::IDC_SMTP_ACCESS_POINT_FRAME)).isEmpty());
    EXPECT_EQ(GetWindowText(form.Item(res::IDC_SMTP_SERVER_LABEL)), QStringLiteral("Smtp Server"));

    QTest::mouseClick(form.Button(res::IDC_SMTP_GENERATE), Qt::LeftButton);
    EXPECT_EQ(platform.messages,
              QStringList{QStringLiteral("System configuration file has been generated.")});
    EXPECT_TRUE(QFile::exists(card.filePath(QStringLiteral("SmtpSet.dat"))));
}

// Whatever values the table's rows hold: a row that shares its access point with an earlier one
// loads as that one, a row without one as "Manual", and either way writes the same bytes again.
TEST(SmtpDlgLoad, EveryAutoFileOfEveryOperatorLoadsIntoAFreshFormAndGeneratesTheSameBytes) {
    const int pairs = ExpectEveryAutoFileLoadsAndGeneratesTheSameBytes<CSmtpDlg>(
        kGprsCountryCount, &GprsOperatorCount,
        [](int country, int row) {
            SmtpSettings settings;
            settings.countryIndex = country;
            settings.operatorIndex = row;
            settings.smtpServer = "smtp.example.org";
            settings.recipients[3] = "d@example.org";
            return ComposeSmtpSettingsText(settings);
        },
        kSmtpSet, kSmtpScrambleKey);
    EXPECT_EQ(pairs, 102);
}

// The file's country is chosen before its operator is looked for: the last operator of the
// United Kingdom lies beyond the rows of the first country.
TEST_F(SmtpDlgTest, AnOperatorBeyondTheFirstCountrysRowsLoads) {
    SmtpSettings onCard;
    onCard.countryIndex = 37;
    onCard.operatorIndex = GprsOperatorCount(37) - 1;
    ASSERT_GT(onCard.operatorIndex, GprsOperatorCount(0) - 1);
    const std::string text = ComposeSmtpSettingsText(onCard);
    PutOnCard(kSmtpSet, kSmtpScrambleKey, text);
    LoadFromCard();
    EXPECT_TRUE(platform.messages.last().startsWith(QStringLiteral("Settings loaded")))
        << platform.messages.last().toStdString();
    Generate();
    EXPECT_EQ(Written(), text);
}

// Values that several operators share load as the first, and the message names them all. The
// operators sharing an access point are found in the table itself.
TEST_F(SmtpDlgTest, ValuesOfSeveralOperatorsLoadAsTheFirstAndTheMessageSaysSo) {
    const auto same = [](const GprsAccessPoint& a, const GprsAccessPoint& b) {
        return a.apn == b.apn && a.account == b.account && a.password == b.password;
    };
    std::vector<OperatorRow> rows;
    for (int country = 0; country < kGprsCountryCount && rows.size() < 2; ++country) {
        for (int row = 0; row < GprsOperatorCount(country) && rows.size() < 2; ++row) {
            const GprsAccessPoint accessPoint = GprsOperatorAccessPoint(country, row);
            rows.clear();
            for (int c = 0; c < kGprsCountryCount; ++c) {
                for (int r = 0; r < GprsOperatorCount(c); ++r) {
                    if (!accessPoint.apn.empty() &&
                        same(GprsOperatorAccessPoint(c, r), accessPoint)) {
                        rows.push_back({c, r});
                    }
                }
            }
        }
    }
    ASSERT_GE(rows.size(), 2u) << "the table has no two operators with one access point";
    SmtpSettings onCard;
    onCard.countryIndex = rows.back().country;
    onCard.operatorIndex = rows.back().operatorIndex;
    PutOnCard(kSmtpSet, kSmtpScrambleKey, ComposeSmtpSettingsText(onCard));
    LoadFromCard();
    const auto name = [](const OperatorRow& row) {
        return QString::fromLatin1(GprsCountryName(row.country)) + QStringLiteral(", ") +
               QString::fromLatin1(GprsOperatorName(row.country, row.operatorIndex));
    };
    QStringList all;
    for (const OperatorRow& row : rows) {
        all << name(row);
    }
    EXPECT_TRUE(platform.messages.last().endsWith(
        QStringLiteral("\nIts network values are those of %1 operators (%2): the form shows the "
                       "first, %3.")
            .arg(QString::number(rows.size()), all.join(QStringLiteral("; ")), name(rows[0]))))
        << platform.messages.last().toStdString();
    EXPECT_EQ(Shown(IDC_SMTP_COUNTRY), QString::fromLatin1(GprsCountryName(rows[0].country)));
    EXPECT_EQ(Shown(IDC_SMTP_OPERATOR),
              QString::fromLatin1(GprsOperatorName(rows[0].country, rows[0].operatorIndex)));
}

}  // namespace
