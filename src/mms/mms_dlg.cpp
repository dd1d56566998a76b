#include "mms/mms_dlg.h"

#include <array>

#include "mms/mms_operator_table.h"
#include "res/mms_dialog.h"

namespace {

using namespace res;
using S = MmsSettings;

// "Manual" opens the network edits and closes the operator choice; "Auto" the other way round.
constexpr std::array<int, 6> kNetworkEdits{IDC_MMS_URL,  IDC_MMS_APN,     IDC_MMS_GATEWAY,
                                           IDC_MMS_PORT, IDC_MMS_ACCOUNT, IDC_MMS_PASSWORD};
constexpr std::array<int, 2> kOperatorChoice{IDC_MMS_COUNTRY, IDC_MMS_OPERATOR};
constexpr std::array<int, 1> kReportHour{IDC_MMS_HOUR};
constexpr std::array<EnableRule, 2> kEnableRules{{
    {IDC_MMS_MODE, kNetworkEdits, kOperatorChoice},
    {IDC_MMS_DAILY_REPORT, kReportHour},
}};

constexpr CReportForm<S>::Tables kTables{
    {{IDC_MMS_SELECT, IDC_MMS_FOLDER, IDC_MMS_GENERATE},
     kMmsSetLines,
     kMmsChoiceLines,
     kEnableRules,
     kMmsSetFileName,
     &WriteMmsSettingsFile,
     &ReadMmsSettingsFile},
    kMmsOperatorCatalogue,
    &MmsOperatorsWritingNetworkOf,
    QT_TRANSLATE_NOOP("ReportForm",
                      "There are no MMS network settings for %1 in %2. Choose \"Manual\" as MMS "
                      "Mode and type the "
                      "operator's settings."),
};

static_assert(CReportForm<S>::Fits(kMmsDialog, kTables.binding));

}  // namespace

CMmsDlg::CMmsDlg(QWidget* owner) : CReportForm<S>(kMmsDialog, kTables, owner) {}
