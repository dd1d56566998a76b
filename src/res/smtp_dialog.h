#pragma once

#include <array>
#include <string_view>

#include "res/dialog_template.h"
#include "res/dialogs.h"
#include "res/report_lists.h"

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

inline constexpr auto kSmtpControls = [] {
    using K = ControlKind;
    using Items = std::span<const std::string_view>;
    return std::to_array<ControlTemplate>({
        // Mode, status and e-mails per day, daily report, country and operator (filled by the
        // form).
        LabelFor(IDC_SMTP_MODE_LABEL, QT_TRANSLATE_NOOP("SmtpSetup", "SMTP Mode"), 17, 12, 45, 8,
                 IDC_SMTP_MODE),
        {IDC_SMTP_MODE, K::DropDownList, "", 81, 10, 56, 30, Items(kReportModeItems)},
        LabelFor(IDC_SMTP_STATUS_LABEL, QT_TRANSLATE_NOOP("SmtpSetup", "GPRS Status"), 26, 57, 45,
                 8, IDC_SMTP_STATUS),
        {IDC_SMTP_STATUS, K::DropDownList, "", 81, 55, 56, 50, Items(kReportStatusItems)},
        LabelFor(IDC_SMTP_NUMBER_LABEL, QT_TRANSLATE_NOOP("SmtpSetup", "Email Number/Day"), 144, 56,
                 69, 8, IDC_SMTP_NUMBER),
        {IDC_SMTP_NUMBER, K::Edit, "", 217, 55, 54, 12},
        {IDC_SMTP_NUMBER_NOTE, K::Label, QT_TRANSLATE_NOOP("SmtpSetup", "Note: 0 = Unlimited"), 280,
         57, 84, 8},
        LabelFor(IDC_SMTP_DAILY_REPORT_LABEL, QT_TRANSLATE_NOOP("SmtpSetup", "Daily Report"), 291,
                 31, 51, 8, IDC_SMTP_DAILY_REPORT),
        {IDC_SMTP_DAILY_REPORT, K::DropDownList, "", 346, 30, 56, 30, Items(kDailyReportItems)},
        LabelFor(IDC_SMTP_HOUR_LABEL, QT_TRANSLATE_NOOP("SmtpSetup", "Hour"), 408, 31, 45, 8,
                 IDC_SMTP_HOUR),
        {IDC_SMTP_HOUR, K::DropDownList, "", 459, 30, 56, 81, Numbers(0, 23)},
        LabelFor(IDC_SMTP_COUNTRY_LABEL, QT_TRANSLATE_NOOP("SmtpSetup", "Country"), 26, 30, 45, 8,
                 IDC_SMTP_COUNTRY),
        {IDC_SMTP_COUNTRY, K::DropDownList, "", 61, 29, 73, 30},
        LabelFor(IDC_SMTP_OPERATOR_LABEL, QT_TRANSLATE_NOOP("SmtpSetup", "Operator"), 138, 30, 45,
                 8, IDC_SMTP_OPERATOR),
        {IDC_SMTP_OPERATOR, K::DropDownList, "", 178, 29, 73, 30},
        // The access point: name and password on the left, account on the right.
        LabelFor(IDC_SMTP_APN_LABEL, QT_TRANSLATE_NOOP("SmtpSetup", "APN"), 26, 83, 45, 8,
                 IDC_SMTP_APN),
        LabelFor(IDC_SMTP_APN_PASSWORD_LABEL, QT_TRANSLATE_NOOP("SmtpSetup", "Password"), 26, 97,
                 45, 8, IDC_SMTP_APN_PASSWORD),
        {IDC_SMTP_APN, K::Edit, "", 70, 81, 189, 12},
        {IDC_SMTP_APN_PASSWORD, K::Edit, "", 70, 95, 189, 12},
        {IDC_SMTP_ACCOUNT, K::Edit, "", 326, 81, 189, 12},
        // The mail server and the sender.
        LabelFor(IDC_SMTP_SERVER_LABEL, QT_TRANSLATE_NOOP("SmtpSetup", "Smtp Server"), 26, 130, 45,
                 8, IDC_SMTP_SERVER),
        LabelFor(IDC_SMTP_SENDER_LABEL, QT_TRANSLATE_NOOP("SmtpSetup", "Sender Email"), 26, 143, 45,
                 8, IDC_SMTP_SENDER),
        {IDC_SMTP_SERVER, K::Edit, "", 70, 128, 189, 12},
        {IDC_SMTP_SENDER, K::Edit, "", 70, 142, 189, 12},
        LabelFor(IDC_SMTP_PORT_LABEL, QT_TRANSLATE_NOOP("SmtpSetup", "Port"), 272, 130, 45, 8,
                 IDC_SMTP_PORT),
        LabelFor(IDC_SMTP_SERVER_PASSWORD_LABEL, QT_TRANSLATE_NOOP("SmtpSetup", "Password"), 272,
                 143, 45, 8, IDC_SMTP_SERVER_PASSWORD),
        {IDC_SMTP_PORT, K::Edit, "", 326, 128, 189, 12},
        {IDC_SMTP_SERVER_PASSWORD, K::Edit, "", 326, 142, 189, 12},
        // The recipients, column by column.
        LabelFor(IDC_SMTP_EMAIL1_LABEL, QT_TRANSLATE_NOOP("SmtpSetup", "Email 1"), 26, 173, 45, 8,
                 IDC_SMTP_EMAIL1),
        LabelFor(IDC_SMTP_EMAIL3_LABEL, QT_TRANSLATE_NOOP("SmtpSetup", "Email 3"), 26, 186, 45, 8,
                 IDC_SMTP_EMAIL3),
        {IDC_SMTP_EMAIL1, K::Edit, "", 70, 170, 189, 12},
        {IDC_SMTP_EMAIL3, K::Edit, "", 70, 186, 189, 12},
        LabelFor(IDC_SMTP_EMAIL2_LABEL, QT_TRANSLATE_NOOP("SmtpSetup", "Email 2"), 272, 173, 45, 8,
                 IDC_SMTP_EMAIL2),
        LabelFor(IDC_SMTP_EMAIL4_LABEL, QT_TRANSLATE_NOOP("SmtpSetup", "Email 4"), 272, 186, 45, 8,
                 IDC_SMTP_EMAIL4),
        {IDC_SMTP_EMAIL2, K::Edit, "", 326, 170, 189, 12},
        {IDC_SMTP_EMAIL4, K::Edit, "", 326, 186, 189, 12},
        // The form's commands.
        {IDC_SMTP_SELECT, K::PushButton, QT_TRANSLATE_NOOP("SmtpSetup", "Select"), 16, 212, 62, 11},
        {IDC_SMTP_GENERATE, K::PushButton, QT_TRANSLATE_NOOP("SmtpSetup", "Generate"), 383, 212, 62,
         11},
        {IDC_EXIT, K::PushButton, QT_TRANSLATE_NOOP("SmtpSetup", "Exit"), 461, 212, 62, 11},
        // Frames: access point, mail server, recipients; then the whole form, the status line, the
        // daily report, the country and operator.
        {IDC_SMTP_ACCESS_POINT_FRAME, K::GroupBox, "", 18, 73, 508, 42},
        {IDC_SMTP_SERVER_FRAME, K::GroupBox, "", 19, 118, 508, 42},
        {IDC_SMTP_RECIPIENTS_FRAME, K::GroupBox, "", 18, 161, 508, 42},
        {kUnnamedId, K::GroupBox, "", 4, 2, 530, 233},
        {kUnnamedId, K::GroupBox, "", 17, 46, 508, 25},
        {kUnnamedId, K::GroupBox, "", 282, 21, 242, 25},
        {kUnnamedId, K::GroupBox, "", 17, 21, 242, 25},
        // Last in the template: the account label and the target folder.
        LabelFor(IDC_SMTP_ACCOUNT_LABEL, QT_TRANSLATE_NOOP("SmtpSetup", "Account"), 272, 83, 45, 8,
                 IDC_SMTP_ACCOUNT),
        Named(QT_TRANSLATE_NOOP("SmtpSetup", "Target folder"),
              {IDC_SMTP_FOLDER, K::Edit, "", 82, 212, 276, 12, {}, kDisabled}),
    });
}();
static_assert(IsWellFormed(kSmtpControls));

inline constexpr DialogTemplate kSmtpDialog{
    IDD_SMTP,   QT_TRANSLATE_NOOP("SmtpSetup", "Smtp Setup"), 537, 237, 10, kSmtpControls,
    "SmtpSetup"};

}  // namespace res
