#pragma once

#include "res/dialog_template.h"

// The layout of the Smtp Setup form and the identifiers of its controls. "Exit" is the shared
// `IDC_EXIT` of res/dialogs.h.
namespace res {

inline constexpr int IDD_SMTP = 106;

inline constexpr int IDC_SMTP_MODE_LABEL = 1122;
inline constexpr int IDC_SMTP_MODE = 1123;
inline constexpr int IDC_SMTP_STATUS_LABEL = 1124;
inline constexpr int IDC_SMTP_STATUS = 1125;
inline constexpr int IDC_SMTP_NUMBER_LABEL = 1126;
inline constexpr int IDC_SMTP_NUMBER = 1127;
inline constexpr int IDC_SMTP_NUMBER_NOTE = 1128;
inline constexpr int IDC_SMTP_DAILY_REPORT_LABEL = 1129;
inline constexpr int IDC_SMTP_DAILY_REPORT = 1130;
inline constexpr int IDC_SMTP_HOUR_LABEL = 1131;
inline constexpr int IDC_SMTP_HOUR = 1132;
inline constexpr int IDC_SMTP_COUNTRY_LABEL = 1133;
inline constexpr int IDC_SMTP_COUNTRY = 1134;
inline constexpr int IDC_SMTP_OPERATOR_LABEL = 1135;
inline constexpr int IDC_SMTP_OPERATOR = 1136;
// The access point of the data connection.
inline constexpr int IDC_SMTP_APN = 1138;
inline constexpr int IDC_SMTP_ACCESS_POINT_FRAME = 1139;
inline constexpr int IDC_SMTP_SERVER_FRAME = 1140;
inline constexpr int IDC_SMTP_RECIPIENTS_FRAME = 1141;
inline constexpr int IDC_SMTP_APN_PASSWORD_LABEL = 1142;
inline constexpr int IDC_SMTP_APN_PASSWORD = 1143;
inline constexpr int IDC_SMTP_ACCOUNT_LABEL = 1144;
inline constexpr int IDC_SMTP_ACCOUNT = 1145;
// The mail server and the sender.
inline constexpr int IDC_SMTP_SENDER_LABEL = 1146;
inline constexpr int IDC_SMTP_SENDER = 1147;
inline constexpr int IDC_SMTP_PORT_LABEL = 1148;
inline constexpr int IDC_SMTP_PORT = 1149;
inline constexpr int IDC_SMTP_SERVER_LABEL = 1150;
inline constexpr int IDC_SMTP_SERVER = 1151;
inline constexpr int IDC_SMTP_SERVER_PASSWORD_LABEL = 1152;
inline constexpr int IDC_SMTP_SERVER_PASSWORD = 1153;
// The recipients.
inline constexpr int IDC_SMTP_EMAIL1_LABEL = 1154;
inline constexpr int IDC_SMTP_EMAIL2_LABEL = 1155;
inline constexpr int IDC_SMTP_EMAIL3_LABEL = 1156;
inline constexpr int IDC_SMTP_EMAIL4_LABEL = 1157;
inline constexpr int IDC_SMTP_EMAIL1 = 1158;
inline constexpr int IDC_SMTP_EMAIL2 = 1159;
inline constexpr int IDC_SMTP_EMAIL3 = 1160;
inline constexpr int IDC_SMTP_EMAIL4 = 1161;
// The form's commands and its target folder.
inline constexpr int IDC_SMTP_SELECT = 1162;
inline constexpr int IDC_SMTP_APN_LABEL = 1163;
inline constexpr int IDC_SMTP_FOLDER = 1164;
inline constexpr int IDC_SMTP_GENERATE = 1165;

extern const DialogTemplate kSmtpDialog;

}  // namespace res
