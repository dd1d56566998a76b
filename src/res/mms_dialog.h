#pragma once

#include "res/dialog_template.h"

// The layout of the MMS Setup form and the identifiers of its controls. "Exit" is the shared
// `IDC_EXIT` of res/dialogs.h.
namespace res {

inline constexpr int IDD_MMS = 105;

inline constexpr int IDC_MMS_MODE_LABEL = 1076;
inline constexpr int IDC_MMS_MODE = 1077;
inline constexpr int IDC_MMS_STATUS_LABEL = 1078;
inline constexpr int IDC_MMS_STATUS = 1079;
inline constexpr int IDC_MMS_NUMBER_LABEL = 1080;
inline constexpr int IDC_MMS_NUMBER = 1081;
inline constexpr int IDC_MMS_NUMBER_NOTE = 1082;
inline constexpr int IDC_MMS_DAILY_REPORT_LABEL = 1083;
inline constexpr int IDC_MMS_DAILY_REPORT = 1084;
inline constexpr int IDC_MMS_HOUR_LABEL = 1085;
inline constexpr int IDC_MMS_HOUR = 1086;
inline constexpr int IDC_MMS_COUNTRY_LABEL = 1087;
inline constexpr int IDC_MMS_COUNTRY = 1088;
inline constexpr int IDC_MMS_OPERATOR_LABEL = 1089;
inline constexpr int IDC_MMS_OPERATOR = 1090;
inline constexpr int IDC_MMS_URL_LABEL = 1091;
inline constexpr int IDC_MMS_URL = 1092;
inline constexpr int IDC_MMS_APN_LABEL = 1093;
inline constexpr int IDC_MMS_APN = 1094;
inline constexpr int IDC_MMS_GATEWAY_LABEL = 1095;
inline constexpr int IDC_MMS_GATEWAY = 1096;
inline constexpr int IDC_MMS_PORT_LABEL = 1097;
inline constexpr int IDC_MMS_PORT = 1098;
inline constexpr int IDC_MMS_ACCOUNT_LABEL = 1099;
inline constexpr int IDC_MMS_ACCOUNT = 1100;
inline constexpr int IDC_MMS_PASSWORD_LABEL = 1101;
inline constexpr int IDC_MMS_PASSWORD = 1102;
inline constexpr int IDC_MMS_MOBILE1_LABEL = 1103;
inline constexpr int IDC_MMS_MOBILE1 = 1104;
inline constexpr int IDC_MMS_MOBILE2_LABEL = 1105;
inline constexpr int IDC_MMS_MOBILE2 = 1106;
inline constexpr int IDC_MMS_MOBILE3_LABEL = 1107;
inline constexpr int IDC_MMS_MOBILE3 = 1108;
inline constexpr int IDC_MMS_MOBILE4_LABEL = 1109;
inline constexpr int IDC_MMS_MOBILE4 = 1110;
inline constexpr int IDC_MMS_EMAIL1_LABEL = 1111;
inline constexpr int IDC_MMS_EMAIL1 = 1112;
inline constexpr int IDC_MMS_EMAIL2_LABEL = 1113;
inline constexpr int IDC_MMS_EMAIL2 = 1114;
inline constexpr int IDC_MMS_EMAIL3_LABEL = 1115;
inline constexpr int IDC_MMS_EMAIL3 = 1116;
inline constexpr int IDC_MMS_EMAIL4_LABEL = 1117;
inline constexpr int IDC_MMS_EMAIL4 = 1118;
inline constexpr int IDC_MMS_SELECT = 1119;
inline constexpr int IDC_MMS_FOLDER = 1120;
inline constexpr int IDC_MMS_GENERATE = 1121;

extern const DialogTemplate kMmsDialog;

}  // namespace res
