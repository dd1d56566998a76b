#include "smtp/smtp_dlg.h"

#include <array>

#include "res/smtp_dialog.h"
#include "smtp/gprs_operator_table.h"

namespace {

using namespace res;
using S = SmtpSettings;

constexpr std::array<PositionField<S>, 6> kPositionFields{{
    {IDC_SMTP_STATUS, &S::gprsStatus},
    {IDC_SMTP_DAILY_REPORT, &S::dailyReport},
    {IDC_SMTP_HOUR, &S::dailyReportHour},
    {IDC_SMTP_MODE, &S::smtpMode},
    {IDC_SMTP_COUNTRY, &S::countryIndex},
    {IDC_SMTP_OPERATOR, &S::operatorIndex},
}};

constexpr std::array<TextField<S>, 12> kTextFields{{
    {IDC_SMTP_NUMBER, &Text<S, &S::emailsPerDay>},
    {IDC_SMTP_APN, &Text<S, &S::apn>},
    {IDC_SMTP_ACCOUNT, &Text<S, &S::account>},
    {IDC_SMTP_APN_PASSWORD, &Text<S, &S::apnPassword>},
    {IDC_SMTP_SERVER, &Text<S, &S::smtpServer>},
    {IDC_SMTP_PORT, &Text<S, &S::port>},
    {IDC_SMTP_SENDER, &Text<S, &S::senderEmail>},
    {IDC_SMTP_SERVER_PASSWORD, &Text<S, &S::smtpPassword>},
    {IDC_SMTP_EMAIL1, &TextAt<S, &S::recipients, 0>},
    {IDC_SMTP_EMAIL2, &TextAt<S, &S::recipients, 1>},
    {IDC_SMTP_EMAIL3, &TextAt<S, &S::recipients, 2>},
    {IDC_SMTP_EMAIL4, &TextAt<S, &S::recipients, 3>},
}};

// "Manual" opens the access point edits and closes the operator choice; "Auto" the other way
// round.
constexpr std::array<int, 3> kAccessPointEdits{IDC_SMTP_APN, IDC_SMTP_ACCOUNT,
                                               IDC_SMTP_APN_PASSWORD};
constexpr std::array<int, 2> kOperatorChoice{IDC_SMTP_COUNTRY, IDC_SMTP_OPERATOR};
constexpr std::array<int, 1> kReportHour{IDC_SMTP_HOUR};
constexpr std::array<EnableRule, 2> kEnableRules{{
    {IDC_SMTP_MODE, kAccessPointEdits, kOperatorChoice},
    {IDC_SMTP_DAILY_REPORT, kReportHour},
}};

constexpr OperatorCatalogue kOperators{kGprsCountryCount, &GprsCountryName, &GprsOperatorCount,
                                       &GprsOperatorName};

constexpr CReportForm<S>::Tables kTables{
    {IDC_SMTP_SELECT, IDC_SMTP_FOLDER, IDC_SMTP_GENERATE},
    kPositionFields,
    kTextFields,
    kEnableRules,
    IDC_SMTP_COUNTRY,
    IDC_SMTP_OPERATOR,
    kOperators,
    kSmtpSetFileName,
    &WriteSmtpSettingsFile,
    &ReadSmtpSettingsFile,
    &GprsOperatorsWritingAccessPointOf,
};

static_assert(CReportForm<S>::Fits(kSmtpDialog, kTables));

}  // namespace

CSmtpDlg::CSmtpDlg(QWidget* owner) : CReportForm<S>(kSmtpDialog, kTables, owner) {}
