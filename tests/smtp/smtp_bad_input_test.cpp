// The Smtp Setup form under input the camera cannot take: every edit refuses a text that would
// break the file, and texts that together overflow it are refused whole.
#include <gtest/gtest.h>

#include <array>

#include "res/smtp_dialog.h"
#include "smtp/smtp_dlg.h"
#include "tests/support/typed_text_refusal.h"

namespace {

using namespace res;

const QString kSmtpSet = QStringLiteral("SmtpSet.dat");

// Every edit the user types into, by its label; in Manual mode all of them are written.
constexpr std::array<LabelledEdit, 12> kEdits{{
    {IDC_SMTP_NUMBER, "Email Number/Day"},
    {IDC_SMTP_APN, "APN"},
    {IDC_SMTP_APN_PASSWORD, "Password"},
    {IDC_SMTP_ACCOUNT, "Account"},
    {IDC_SMTP_SERVER, "Smtp Server"},
    {IDC_SMTP_SENDER, "Sender Email"},
    {IDC_SMTP_PORT, "Port"},
    {IDC_SMTP_SERVER_PASSWORD, "Password"},
    {IDC_SMTP_EMAIL1, "Email 1"},
    {IDC_SMTP_EMAIL3, "Email 3"},
    {IDC_SMTP_EMAIL2, "Email 2"},
    {IDC_SMTP_EMAIL4, "Email 4"},
}};

class SmtpBadInputTest : public TypedTextRefusal<CSmtpDlg> {
protected:
    void SetUp() override {
        TypedTextRefusal<CSmtpDlg>::SetUp();
        Pick(IDC_SMTP_MODE, QStringLiteral("Manual"));
    }
};

TEST_F(SmtpBadInputTest, EveryEditRefusesATextTheCameraCannotRead) {
    ExpectEveryEditRefusesUnreadableTexts(kEdits, kSmtpSet);
}

TEST_F(SmtpBadInputTest, TextsThatTogetherPassTheFilesCapacityAreRefused) {
    ExpectTextsPastTheCapacityRefused(kEdits, kSmtpSet);
}

}  // namespace
