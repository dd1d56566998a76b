#include "mms/mms_dlg.h"

#include <QLineEdit>

#include <gtest/gtest.h>

#include <array>

#include "mms/mms_operator_table.h"
#include "res/mms_dialog.h"
#include "tests/support/form_fixture.h"
#include "tests/support/localisation_file.h"
#include "tests/support/operator_round_trip.h"

namespace {

using namespace res;

const QString kMmsSet = QStringLiteral("MmsSet.dat");

constexpr std::array<int, 6> kNetworkEdits{IDC_MMS_URL,  IDC_MMS_APN,     IDC_MMS_GATEWAY,
                                           IDC_MMS_PORT, IDC_MMS_ACCOUNT, IDC_MMS_PASSWORD};

std::string NetworkLines(const MmsNetworkValues& row) {
    return "URL=" + std::string(row.url) + "\nAPN=" + std::string(row.apn) +
           "\nIP=" + std::string(row.gateway) + "\nPORT=" + std::string(row.port) +
           "\nACC=" + std::string(row.account) + "\nPWD=" + std::string(row.password) + "\n";
}

class MmsDlgTest : public FormFixture<CMmsDlg> {
protected:
    std::string Written() { return WrittenText(kMmsSet, kMmsScrambleKey); }
    void GenerateHere() {
        ChooseFolder(dir.path());
        Generate();
    }
};

TEST_F(MmsDlgTest, OpensWithTheDefaults) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("MMS Setup"));
    EXPECT_EQ(Shown(IDC_MMS_MODE), QStringLiteral("Auto"));
    EXPECT_EQ(Shown(IDC_MMS_STATUS), QStringLiteral("Off"));
    EXPECT_EQ(Shown(IDC_MMS_DAILY_REPORT), QStringLiteral("Off"));
    EXPECT_EQ(Shown(IDC_MMS_HOUR), QStringLiteral("0"));
    EXPECT_EQ(Shown(IDC_MMS_COUNTRY), QStringLiteral("Australia"));
    EXPECT_EQ(Shown(IDC_MMS_OPERATOR), QStringLiteral("Optus"));
    EXPECT_EQ(form.List(IDC_MMS_COUNTRY)->count(), 39);
    EXPECT_EQ(form.List(IDC_MMS_OPERATOR)->count(), 6);
    for (const int id : kNetworkEdits) {
        EXPECT_FALSE(Enabled(id)) << id;
        EXPECT_TRUE(Shown(id).isEmpty()) << id;
    }
    EXPECT_FALSE(Enabled(IDC_MMS_HOUR));
    EXPECT_TRUE(Enabled(IDC_MMS_COUNTRY));
    EXPECT_TRUE(Enabled(IDC_MMS_OPERATOR));
    EXPECT_EQ(Shown(IDC_MMS_FOLDER), DefaultFolder());
    EXPECT_FALSE(Enabled(IDC_MMS_FOLDER));
    EXPECT_EQ(form.Edit(IDC_MMS_PASSWORD)->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(QApplication::focusWidget(), form.Item(IDC_MMS_MODE));
}

TEST_F(MmsDlgTest, GeneratingAtOnceWritesTheFirstOperatorsNetworkAndEmptyTexts) {
    GenerateHere();
    EXPECT_EQ(platform.messages,
              QStringList{QStringLiteral("System configuration file has been generated.")});
    EXPECT_EQ(Written(), "MMSS=0\nMMSDNUM=\nMMSDR=0\nMMSDRT=0\n" +
                             NetworkLines(MmsOperatorNetwork(0, 0)) +
                             "PHNO1=\nPHNUM2=\nPHNO3=\nPHNUM4=\nEML1=\nEMN2=\nEMN3=\nEML4=\n");
}

// "Auto" at an operator without the values the camera needs writes nothing and says why.
TEST_F(MmsDlgTest, AutoAtAnOperatorWithoutNetworkValuesIsRefusedByName) {
    Pick(IDC_MMS_OPERATOR, QStringLiteral("Mic1"));
    GenerateHere();
    EXPECT_EQ(platform.messages,
              QStringList{QStringLiteral("There are no MMS network settings for Mic1 in Australia. "
                                         "Choose \"Manual\" as MMS Mode and type the operator's "
                                         "settings.")});
    EXPECT_TRUE(FolderEntries(dir.path()).isEmpty());
}

TEST_F(MmsDlgTest, CountryRefillsTheOperatorsAndSelectsTheFirst) {
    Pick(IDC_MMS_COUNTRY, QStringLiteral("United Kingdom"));
    EXPECT_EQ(form.List(IDC_MMS_OPERATOR)->count(), 9);
    EXPECT_EQ(Shown(IDC_MMS_OPERATOR), QStringLiteral("Vodafone"));
    Pick(IDC_MMS_OPERATOR, QStringLiteral("ASDA Mobile"));
    Pick(IDC_MMS_COUNTRY, QStringLiteral("Namibia"));
    EXPECT_EQ(form.List(IDC_MMS_OPERATOR)->count(), 1);
    EXPECT_EQ(Shown(IDC_MMS_OPERATOR), QStringLiteral("MTC"));
}

// Every control away from its default, in Manual mode so that the typed network texts are
// written: a control bound to the wrong field shows in the file.
TEST_F(MmsDlgTest, EveryControlAwayFromItsDefaultReachesItsOwnLine) {
    Pick(IDC_MMS_STATUS, QStringLiteral("VGA"));
    Type(IDC_MMS_NUMBER, QStringLiteral("007"));
    Pick(IDC_MMS_DAILY_REPORT, QStringLiteral("On"));
    Pick(IDC_MMS_HOUR, QStringLiteral("17"));
    Pick(IDC_MMS_MODE, QStringLiteral("Manual"));
    const std::array<std::pair<int, const char*>, 14> typed{{
        {IDC_MMS_URL, "http://mms.example/mms"},
        {IDC_MMS_APN, "mms.example"},
        {IDC_MMS_GATEWAY, "10.0.0.1"},
        {IDC_MMS_PORT, "8080"},
        {IDC_MMS_ACCOUNT, "user"},
        {IDC_MMS_PASSWORD, "secret"},
        {IDC_MMS_MOBILE1, "+441"},
        {IDC_MMS_MOBILE2, "+442"},
        {IDC_MMS_MOBILE3, "+443"},
        {IDC_MMS_MOBILE4, "+444"},
        {IDC_MMS_EMAIL1, "a@example.org"},
        {IDC_MMS_EMAIL2, "b@example.org"},
        {IDC_MMS_EMAIL3, "c@example.org"},
        {IDC_MMS_EMAIL4, "d@example.org"},
    }};
    for (const auto& [id, text] : typed) {
        Type(id, QString::fromLatin1(text));
    }
    GenerateHere();
    EXPECT_EQ(Written(),
              "MMSS=2\nMMSDNUM=007\nMMSDR=1\nMMSDRT=17\nURL=http://mms.example/mms\n"
              "APN=mms.example\nIP=10.0.0.1\nPORT=8080\nACC=user\nPWD=secret\nPHNO1=+441\n"
              "PHNUM2=+442\nPHNO3=+443\nPHNUM4=+444\nEML1=a@example.org\nEMN2=b@example.org\n"
              "EMN3=c@example.org\nEML4=d@example.org\n");
}

// An operator's values read back as that operator in "Auto"; values of no operator as "Manual"
// with their texts. Either way "Generate" writes the file back byte for byte.
TEST_F(MmsDlgTest, LoadFromCardShowsTheFileAndGenerateWritesItBack) {
    MmsSettings auto_;
    auto_.countryIndex = 37;  // United Kingdom
    auto_.operatorIndex = 3;
    auto_.status = 3;
    auto_.reportHour = 9;
    auto_.emails[2] = "c@example.org";
    MmsSettings manual = auto_;
    manual.mode = kMmsModeManual;
    manual.url = "http://mms.example/mms";
    manual.password = "p=w d";
    for (const MmsSettings& onCard : {auto_, manual}) {
        const std::string text = ComposeMmsSettingsText(onCard);
        PutOnCard(kMmsSet, kMmsScrambleKey, text);
        LoadFromCard();
        const bool isAuto = onCard.mode == kMmsModeAuto;
        EXPECT_EQ(platform.messages.last(),
                  QStringLiteral("Settings loaded from %1.").arg(InFolder(dir.path(), kMmsSet)) +
                      (isAuto ? QString()
                              : QStringLiteral("\nIts network values are those of no operator in "
                                               "the lists, so the form shows them in \"Manual\" "
                                               "mode.")));
        EXPECT_EQ(Shown(IDC_MMS_MODE), isAuto ? QStringLiteral("Auto") : QStringLiteral("Manual"));
        EXPECT_EQ(Shown(IDC_MMS_OPERATOR),
                  QString::fromLatin1(isAuto ? MmsOperatorName(37, 3) : MmsOperatorName(0, 0)));
        EXPECT_EQ(Enabled(IDC_MMS_URL), !isAuto);
        EXPECT_EQ(Shown(IDC_MMS_URL), QString::fromStdString(onCard.url));
        EXPECT_EQ(Shown(IDC_MMS_STATUS), QStringLiteral("SMS"));
        EXPECT_EQ(Shown(IDC_MMS_EMAIL3), QStringLiteral("c@example.org"));
        Generate();
        EXPECT_EQ(Written(), text);
    }
}

TEST_F(MmsDlgTest, ModesSwitchControlsButNeverCopyOrLoseTexts) {
    Pick(IDC_MMS_COUNTRY, QStringLiteral("Italy"));
    Pick(IDC_MMS_MODE, QStringLiteral("Manual"));
    for (const int id : kNetworkEdits) {
        EXPECT_TRUE(Enabled(id)) << id;
        EXPECT_TRUE(Shown(id).isEmpty()) << id;  // nothing copied from the operator
    }
    EXPECT_FALSE(Enabled(IDC_MMS_COUNTRY));
    EXPECT_FALSE(Enabled(IDC_MMS_OPERATOR));
    Type(IDC_MMS_APN, QStringLiteral("typed.apn"));

    Pick(IDC_MMS_MODE, QStringLiteral("Auto"));
    EXPECT_EQ(Shown(IDC_MMS_APN), QStringLiteral("typed.apn"));
    EXPECT_EQ(Shown(IDC_MMS_COUNTRY), QStringLiteral("Italy"));
    GenerateHere();
    const std::string text = Written();
    EXPECT_NE(text.find(NetworkLines(MmsOperatorNetwork(17, 0))), std::string::npos) << text;
    EXPECT_EQ(text.find("typed.apn"), std::string::npos) << text;
}

TEST_F(MmsDlgTest, HourKeepsItsValueWhileDisabledAndIsWritten) {
    Pick(IDC_MMS_DAILY_REPORT, QStringLiteral("On"));
    EXPECT_TRUE(Enabled(IDC_MMS_HOUR));
    Pick(IDC_MMS_HOUR, QStringLiteral("13"));
    Pick(IDC_MMS_DAILY_REPORT, QStringLiteral("Off"));
    EXPECT_FALSE(Enabled(IDC_MMS_HOUR));
    EXPECT_EQ(Shown(IDC_MMS_HOUR), QStringLiteral("13"));
    GenerateHere();
    EXPECT_NE(Written().find("MMSDR=0\nMMSDRT=13\n"), std::string::npos);
}

TEST_F(MmsDlgTest, ATextTheCameraCannotReadIsRefusedByItsLabel) {
    Type(IDC_MMS_EMAIL2, QStringLiteral("jörg@example.org"));
    GenerateHere();
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].startsWith(QStringLiteral("\"Email 2\"")))
        << platform.messages[0].toStdString();
    EXPECT_TRUE(FolderContents().isEmpty());
    EXPECT_EQ(Shown(IDC_MMS_EMAIL2), QStringLiteral("jörg@example.org"));
}

TEST_F(MmsDlgTest, ACardPulledAfterSelectGetsNothingWrittenOnItsMountPoint) {
    if (!ScratchMount::Unavailable().empty()) {
        GTEST_SKIP() << ScratchMount::Unavailable();
    }
    const QString message = GenerateAfterTheCardIsPulled();
    EXPECT_TRUE(
        message.endsWith(QStringLiteral("/MmsSet.dat\nThe selected card is no longer "
                                        "there: nothing was written.")))
        << message.toStdString();
}

}  // namespace

namespace {

// Whatever values the table's rows hold: a row that shares its values with an earlier one loads
// as that one, a row without values as "Manual", and either way writes the same bytes again.
TEST(MmsDlgLoad, EveryAutoFileOfEveryOperatorLoadsIntoAFreshFormAndGeneratesTheSameBytes) {
    const int pairs = ExpectEveryAutoFileLoadsAndGeneratesTheSameBytes<CMmsDlg>(
        kMmsCountryCount, &MmsOperatorCount,
        [](int country, int row) {
            MmsSettings settings;
            settings.countryIndex = country;
            settings.operatorIndex = row;
            settings.status = 2;
            settings.emails[0] = "a@example.org";
            return ComposeMmsSettingsText(settings);
        },
        kMmsSet, kMmsScrambleKey);
    EXPECT_EQ(pairs, 114);
}

// The file's country is chosen before its operator is looked for.
TEST_F(MmsDlgTest, AnOperatorBeyondTheFirstCountrysRowsLoads) {
    MmsSettings onCard;
    onCard.countryIndex = 37;  // United Kingdom
    onCard.operatorIndex = MmsOperatorCount(37) - 1;
    ASSERT_GT(onCard.operatorIndex, MmsOperatorCount(0) - 1);
    const std::string text = ComposeMmsSettingsText(onCard);
    PutOnCard(kMmsSet, kMmsScrambleKey, text);
    LoadFromCard();
    EXPECT_TRUE(platform.messages.last().startsWith(QStringLiteral("Settings loaded")))
        << platform.messages.last().toStdString();
    Generate();
    EXPECT_EQ(Written(), text);
}

TEST(MmsDlgTexts, ComeFromTheLocalisationFileAfterTheListsAreFilled) {
    const ScopedLocalisationFile texts(
        "[String]\nIDD105_Title=MMS-Einstellungen\nIDD105_1076=MMS-Modus\nIDD105_1077=Manual\n"
        "IDD104_Title=Kamera\n");
    FakePlatform platform;
    CMmsDlg form;
    form.Create();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("MMS-Einstellungen"));
    EXPECT_EQ(GetWindowText(form.Item(res::IDC_MMS_MODE_LABEL)), QStringLiteral("MMS-Modus"));
    // A list's text picks its item, and the form follows as if the user had picked it.
    EXPECT_EQ(form.List(res::IDC_MMS_MODE)->currentText(), QStringLiteral("Manual"));
    EXPECT_TRUE(form.Item(res::IDC_MMS_URL)->isEnabled());
    EXPECT_EQ(GetWindowText(form.Item(res::IDC_MMS_STATUS_LABEL)), QStringLiteral("MMS Status"));
}

}  // namespace
