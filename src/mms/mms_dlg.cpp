#include "mms/mms_dlg.h"

#include <array>

#include "mms/mms_operator_table.h"
#include "res/mms_dialog.h"

namespace {

using namespace res;
using S = MmsSettings;

constexpr std::array<PositionField<S>, 6> kPositionFields{{
    {IDC_MMS_STATUS, &S::status},
    {IDC_MMS_DAILY_REPORT, &S::dailyReport},
    {IDC_MMS_HOUR, &S::reportHour},
    {IDC_MMS_MODE, &S::mode},
    {IDC_MMS_COUNTRY, &S::countryIndex},
    {IDC_MMS_OPERATOR, &S::operatorIndex},
}};

constexpr std::array<TextField<S>, 15> kTextFields{{
    {IDC_MMS_NUMBER, &Text<S, &S::numberPerDay>},
    {IDC_MMS_URL, &Text<S, &S::url>},
    {IDC_MMS_APN, &Text<S, &S::apn>},
    {IDC_MMS_GATEWAY, &Text<S, &S::gateway>},
    {IDC_MMS_PORT, &Text<S, &S::port>},
    {IDC_MMS_ACCOUNT, &Text<S, &S::account>},
    {IDC_MMS_PASSWORD, &Text<S, &S::password>},
    {IDC_MMS_MOBILE1, &TextAt<S, &S::mobiles, 0>},
    {IDC_MMS_MOBILE2, &TextAt<S, &S::mobiles, 1>},
    {IDC_MMS_MOBILE3, &TextAt<S, &S::mobiles, 2>},
    {IDC_MMS_MOBILE4, &TextAt<S, &S::mobiles, 3>},
    {IDC_MMS_EMAIL1, &TextAt<S, &S::emails, 0>},
    {IDC_MMS_EMAIL2, &TextAt<S, &S::emails, 1>},
    {IDC_MMS_EMAIL3, &TextAt<S, &S::emails, 2>},
    {IDC_MMS_EMAIL4, &TextAt<S, &S::emails, 3>},
}};

// "Manual" opens the network edits and closes the operator choice; "Auto" the other way round.
constexpr std::array<int, 6> kNetworkEdits{IDC_MMS_URL,  IDC_MMS_APN,     IDC_MMS_GATEWAY,
                                           IDC_MMS_PORT, IDC_MMS_ACCOUNT, IDC_MMS_PASSWORD};
constexpr std::array<int, 2> kOperatorChoice{IDC_MMS_COUNTRY, IDC_MMS_OPERATOR};
constexpr std::array<int, 1> kReportHour{IDC_MMS_HOUR};
constexpr std::array<EnableRule, 2> kEnableRules{{
    {IDC_MMS_MODE, kNetworkEdits, kOperatorChoice},
    {IDC_MMS_DAILY_REPORT, kReportHour},
}};

constexpr OperatorCatalogue kOperators{kMmsCountryCount, &MmsCountryName, &MmsOperatorCount,
                                       &MmsOperatorName};

constexpr CReportForm<S>::Tables kTables{
    {IDC_MMS_SELECT, IDC_MMS_FOLDER, IDC_MMS_GENERATE},
    kPositionFields,
    kTextFields,
    kEnableRules,
    IDC_MMS_COUNTRY,
    IDC_MMS_OPERATOR,
    kOperators,
    kMmsSetFileName,
    &WriteMmsSettingsFile,
    &ReadMmsSettingsFile,
    &MmsOperatorsWritingNetworkOf,
};

static_assert(CReportForm<S>::Fits(kMmsDialog, kTables));

}  // namespace

CMmsDlg::CMmsDlg(QWidget* owner) : CReportForm<S>(kMmsDialog, kTables, owner) {}
