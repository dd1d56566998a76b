#pragma once

#include <array>
#include <string_view>

#include "res/dialog_template.h"
#include "res/dialogs.h"
#include "res/report_lists.h"

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

// The country and operator lists carry one placeholder each until the form fills them.
inline constexpr std::array<std::string_view, 1> kMmsCountryPlaceholder{"1"};
inline constexpr std::array<std::string_view, 1> kMmsOperatorPlaceholder{"2"};

inline constexpr auto kMmsControls = [] {
    using K = ControlKind;
    using Items = std::span<const std::string_view>;
    return std::to_array<ControlTemplate>({
        // Mode, status and messages per day, daily report, country and operator.
        LabelFor(IDC_MMS_MODE_LABEL, QT_TRANSLATE_NOOP("MmsSetup", "MMS Mode"), 23, 16, 45, 8,
                 IDC_MMS_MODE),
        {IDC_MMS_MODE, K::DropDownList, "", 80, 14, 56, 45, Items(kReportModeItems)},
        LabelFor(IDC_MMS_STATUS_LABEL, QT_TRANSLATE_NOOP("MmsSetup", "MMS Status"), 26, 63, 45, 8,
                 IDC_MMS_STATUS),
        {IDC_MMS_STATUS, K::DropDownList, "", 81, 61, 56, 46, Items(kReportStatusItems)},
        LabelFor(IDC_MMS_NUMBER_LABEL, QT_TRANSLATE_NOOP("MmsSetup", "MMS Number/Day"), 152, 62, 61,
                 8, IDC_MMS_NUMBER),
        {IDC_MMS_NUMBER, K::Edit, "", 217, 61, 54, 12},
        {IDC_MMS_NUMBER_NOTE, K::Label, QT_TRANSLATE_NOOP("MmsSetup", "Note: 0 = Unlimited"), 282,
         62, 105, 8},
        LabelFor(IDC_MMS_DAILY_REPORT_LABEL, QT_TRANSLATE_NOOP("MmsSetup", "Daily Report"), 292, 37,
                 52, 8, IDC_MMS_DAILY_REPORT),
        {IDC_MMS_DAILY_REPORT, K::DropDownList, "", 347, 37, 56, 30, Items(kDailyReportItems)},
        LabelFor(IDC_MMS_HOUR_LABEL, QT_TRANSLATE_NOOP("MmsSetup", "Hour"), 409, 37, 45, 8,
                 IDC_MMS_HOUR),
        {IDC_MMS_HOUR, K::DropDownList, "", 460, 37, 56, 84, Numbers(0, 23)},
        LabelFor(IDC_MMS_COUNTRY_LABEL, QT_TRANSLATE_NOOP("MmsSetup", "Country"), 25, 37, 45, 8,
                 IDC_MMS_COUNTRY),
        {IDC_MMS_COUNTRY, K::DropDownList, "", 61, 37, 73, 30, Items(kMmsCountryPlaceholder)},
        LabelFor(IDC_MMS_OPERATOR_LABEL, QT_TRANSLATE_NOOP("MmsSetup", "Operator"), 138, 37, 45, 8,
                 IDC_MMS_OPERATOR),
        {IDC_MMS_OPERATOR, K::DropDownList, "", 178, 37, 73, 30, Items(kMmsOperatorPlaceholder)},
        // Labels of the network settings and recipients.
        LabelFor(IDC_MMS_URL_LABEL, QT_TRANSLATE_NOOP("MmsSetup", "URL"), 27, 85, 45, 8,
                 IDC_MMS_URL),
        LabelFor(IDC_MMS_APN_LABEL, QT_TRANSLATE_NOOP("MmsSetup", "APN"), 27, 101, 45, 8,
                 IDC_MMS_APN),
        LabelFor(IDC_MMS_GATEWAY_LABEL, QT_TRANSLATE_NOOP("MmsSetup", "Gateway"), 27, 117, 45, 8,
                 IDC_MMS_GATEWAY),
        LabelFor(IDC_MMS_PORT_LABEL, QT_TRANSLATE_NOOP("MmsSetup", "Port"), 27, 133, 45, 8,
                 IDC_MMS_PORT),
        LabelFor(IDC_MMS_ACCOUNT_LABEL, QT_TRANSLATE_NOOP("MmsSetup", "Account"), 27, 149, 45, 8,
                 IDC_MMS_ACCOUNT),
        LabelFor(IDC_MMS_PASSWORD_LABEL, QT_TRANSLATE_NOOP("MmsSetup", "Password"), 27, 165, 45, 8,
                 IDC_MMS_PASSWORD),
        LabelFor(IDC_MMS_MOBILE1_LABEL, QT_TRANSLATE_NOOP("MmsSetup", "Mobile 1"), 27, 181, 45, 8,
                 IDC_MMS_MOBILE1),
        LabelFor(IDC_MMS_MOBILE2_LABEL, QT_TRANSLATE_NOOP("MmsSetup", "Mobile 2"), 277, 86, 45, 8,
                 IDC_MMS_MOBILE2),
        LabelFor(IDC_MMS_MOBILE3_LABEL, QT_TRANSLATE_NOOP("MmsSetup", "Mobile 3"), 277, 102, 45, 8,
                 IDC_MMS_MOBILE3),
        LabelFor(IDC_MMS_MOBILE4_LABEL, QT_TRANSLATE_NOOP("MmsSetup", "Mobile 4"), 277, 118, 45, 8,
                 IDC_MMS_MOBILE4),
        LabelFor(IDC_MMS_EMAIL1_LABEL, QT_TRANSLATE_NOOP("MmsSetup", "Email 1"), 277, 134, 45, 8,
                 IDC_MMS_EMAIL1),
        LabelFor(IDC_MMS_EMAIL2_LABEL, QT_TRANSLATE_NOOP("MmsSetup", "Email 2"), 277, 150, 45, 8,
                 IDC_MMS_EMAIL2),
        LabelFor(IDC_MMS_EMAIL3_LABEL, QT_TRANSLATE_NOOP("MmsSetup", "Email 3"), 277, 166, 45, 8,
                 IDC_MMS_EMAIL3),
        LabelFor(IDC_MMS_EMAIL4_LABEL, QT_TRANSLATE_NOOP("MmsSetup", "Email 4"), 277, 182, 45, 8,
                 IDC_MMS_EMAIL4),
        // The form's commands and its target folder.
        {IDC_MMS_SELECT, K::PushButton, QT_TRANSLATE_NOOP("MmsSetup", "Select"), 15, 212, 62, 11},
        {IDC_MMS_GENERATE, K::PushButton, QT_TRANSLATE_NOOP("MmsSetup", "Generate"), 382, 212, 62,
         11},
        {IDC_EXIT, K::PushButton, QT_TRANSLATE_NOOP("MmsSetup", "Exit"), 460, 212, 62, 11},
        Named(QT_TRANSLATE_NOOP("MmsSetup", "Target folder"),
              {IDC_MMS_FOLDER, K::Edit, "", 82, 212, 276, 12, {}, kDisabled}),
        // Network settings and recipients.
        {IDC_MMS_URL, K::Edit, "", 69, 84, 189, 12},
        {IDC_MMS_APN, K::Edit, "", 69, 100, 189, 12},
        {IDC_MMS_GATEWAY, K::Edit, "", 69, 116, 189, 12},
        {IDC_MMS_PORT, K::Edit, "", 69, 132, 189, 12},
        {IDC_MMS_ACCOUNT, K::Edit, "", 69, 148, 189, 12},
        {IDC_MMS_PASSWORD, K::Edit, "", 69, 164, 189, 12},
        {IDC_MMS_MOBILE1, K::Edit, "", 69, 180, 189, 12},
        {IDC_MMS_MOBILE2, K::Edit, "", 326, 85, 189, 12},
        {IDC_MMS_MOBILE3, K::Edit, "", 326, 100, 189, 12},
        {IDC_MMS_MOBILE4, K::Edit, "", 326, 116, 189, 12},
        {IDC_MMS_EMAIL1, K::Edit, "", 326, 132, 189, 12},
        {IDC_MMS_EMAIL2, K::Edit, "", 326, 148, 189, 12},
        {IDC_MMS_EMAIL3, K::Edit, "", 326, 164, 189, 12},
        {IDC_MMS_EMAIL4, K::Edit, "", 325, 180, 189, 12},
        // Frames: the whole form, the status row, the daily report, the network settings and
        // recipients, the country and operator.
        {kUnnamedId, K::GroupBox, "", 3, 6, 530, 225},
        {kUnnamedId, K::GroupBox, "", 17, 52, 508, 25},
        {kUnnamedId, K::GroupBox, "", 283, 28, 242, 25},
        {kUnnamedId, K::GroupBox, "", 17, 76, 508, 128},
        {kUnnamedId, K::GroupBox, "", 17, 28, 242, 25},
    });
}();
static_assert(IsWellFormed(kMmsControls));

inline constexpr DialogTemplate kMmsDialog{
    IDD_MMS, QT_TRANSLATE_NOOP("MmsSetup", "MMS Setup"), 536, 238, 10, kMmsControls, "MmsSetup"};

}  // namespace res
