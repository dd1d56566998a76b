// The MMS Setup form under input the camera cannot take: every edit refuses a text that would
// break the file, texts that together overflow it are refused whole, and a localisation file of
// garbage changes nothing but the texts it names readably.
#include <gtest/gtest.h>

#include <array>

#include "mms/mms_dlg.h"
#include "res/mms_dialog.h"
#include "tests/support/localisation_file.h"
#include "tests/support/typed_text_refusal.h"

namespace {

using namespace res;

const QString kMmsSet = QStringLiteral("MmsSet.dat");

// Every edit the user types into, by its label; in Manual mode all of them are written.
constexpr std::array<LabelledEdit, 15> kEdits{{
    {IDC_MMS_NUMBER, "MMS Number/Day"},
    {IDC_MMS_URL, "URL"},
    {IDC_MMS_APN, "APN"},
    {IDC_MMS_GATEWAY, "Gateway"},
    {IDC_MMS_PORT, "Port"},
    {IDC_MMS_ACCOUNT, "Account"},
    {IDC_MMS_PASSWORD, "Password"},
    {IDC_MMS_MOBILE1, "Mobile 1"},
    {IDC_MMS_MOBILE2, "Mobile 2"},
    {IDC_MMS_MOBILE3, "Mobile 3"},
    {IDC_MMS_MOBILE4, "Mobile 4"},
    {IDC_MMS_EMAIL1, "Email 1"},
    {IDC_MMS_EMAIL2, "Email 2"},
    {IDC_MMS_EMAIL3, "Email 3"},
    {IDC_MMS_EMAIL4, "Email 4"},
}};

// All the bytes of a literal, NUL bytes inside it included.
template <std::size_t N>
QByteArray Bytes(const char (&literal)[N]) {
    return QByteArray(literal, N - 1);
}

class MmsBadInputTest : public TypedTextRefusal<CMmsDlg> {
protected:
    void SetUp() override {
        TypedTextRefusal<CMmsDlg>::SetUp();
        Pick(IDC_MMS_MODE, QStringLiteral("Manual"));
    }
};

TEST_F(MmsBadInputTest, EveryEditRefusesATextTheCameraCannotRead) {
    ExpectEveryEditRefusesUnreadableTexts(kEdits, kMmsSet);
}

TEST_F(MmsBadInputTest, TextsThatTogetherPassTheFilesCapacityAreRefused) {
    ExpectTextsPastTheCapacityRefused(kEdits, kMmsSet);
}

// Two sections "String", a key given twice, a NUL inside a value and inside a key, a line of half a
// megabyte, binary garbage and no final line break: the first readable value of each key is
// taken, cut to 999 characters, and nothing else changes; a tab it puts into an edit is refused
// like a typed one.
TEST(MmsLocalisationGarbage, ChangesOnlyTheTextsItNamesReadably) {
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i) {
        garbage += static_cast<char>((i * 7919 + 13) % 256);
    }
    const QByteArray ini =
        garbage + "\n[String]\nIDD105_Title=First title\n" + QByteArray(1 << 19, 'x') +
        "\nIDD105_Title=Second title\n" + Bytes("IDD105_1083=Report\0hidden\n") +
        Bytes(
            "IDD105_10\0"
            "85=Hidden hour\n") +
        "IDD105_1080=" + QByteArray(5000, 'n') + "\n" + garbage + "\n[String]\n" +
        "IDD105_1083=Second report\nIDD105_1081=1\t2\nIDD105_1119=Choose";
    const ScopedLocalisationFile texts(ini);
    FakePlatform platform;
    QTemporaryDir dir;
    CMmsDlg form;
    form.Create();
    form.show();

    EXPECT_EQ(form.windowTitle(), QStringLiteral("First title"));
    EXPECT_EQ(GetWindowText(form.Item(IDC_MMS_DAILY_REPORT_LABEL)), QStringLiteral("Report"));
    EXPECT_EQ(GetWindowText(form.Item(IDC_MMS_HOUR_LABEL)), QStringLiteral("Hour"));
    EXPECT_EQ(GetWindowText(form.Item(IDC_MMS_NUMBER_LABEL)), QString(999, QLatin1Char('n')));
    EXPECT_EQ(GetWindowText(form.Item(IDC_MMS_SELECT)), QStringLiteral("Choose"));
    EXPECT_EQ(GetWindowText(form.Item(IDC_MMS_STATUS_LABEL)), QStringLiteral("MMS Status"));
    EXPECT_EQ(form.Edit(IDC_MMS_NUMBER)->text(), QStringLiteral("1\t2"));

    platform.nextFolder = dir.path();
    QTest::mouseClick(form.Button(IDC_MMS_SELECT), Qt::LeftButton);
    QTest::mouseClick(form.Button(IDC_MMS_GENERATE), Qt::LeftButton);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].startsWith(QLatin1Char('"') + QString(999, QLatin1Char('n')) +
                                                QStringLiteral("\" holds a line break")));
    EXPECT_TRUE(FolderEntries(dir.path()).isEmpty());
    form.close();
}

}  // namespace
