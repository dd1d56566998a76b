#include "smtp/smtp_dlg.h"

#include <array>

#include "res/smtp_dialog.h"
#include "smtp/gprs_operator_table.h"

namespace {

using namespace res;
using S = SmtpSettings;

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

constexpr CReportForm<S>::Tables kTables{
    {{IDC_SMTP_SELECT, IDC_SMTP_FOLDER, IDC_SMTP_GENERATE},
     kSmtpSetLines,
     kSmtpChoiceLines,
     kEnableRules,
     kSmtpSetFileName,
     &WriteSmtpSettingsFile,
     &ReadSmtpSettingsFile},
    kGprsOperatorCatalogue,
    &GprsOperatorsWritingAccessPointOf,
    QT_TRANSLATE_NOOP(
        "ReportForm",
        "There is no GPRS access point for %1 in %2. Choose \"Manual\" as SMTP Mode and type the "
        "operator's settings."),
};

static_assert(CReportForm<S>::Fits(kSmtpDialog, kTables.binding));

}  // namespace

CSmtpDlg::CSmtpDlg(QWidget* owner) : CReportForm<S>(kSmtpDialog, kTables, owner) {}
