#pragma once

#include "res/dialog_template.h"

namespace res {

// Dialog, icon and string identifiers.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDD_MAIN = 102;
inline constexpr int IDR_MAINFRAME = 103;
inline constexpr int IDD_CAMERA = 104;

// The command of the About item in the main window's system menu.
inline constexpr int IDM_ABOUTBOX = 16;

// Controls shared by several dialogs.
inline constexpr int IDOK = 1;
inline constexpr int IDC_EXIT = 1172;

// Main window.
inline constexpr int IDC_MODEL_LABEL = 1001;
inline constexpr int IDC_MODEL = 1003;
inline constexpr int IDC_MMS_SETUP = 1004;
inline constexpr int IDC_SMTP_SETUP = 1005;
inline constexpr int IDC_CAMERA_SETUP = 1006;

// Camera Setup form.
inline constexpr int IDC_CLOCK = 1027;
inline constexpr int IDC_DATE_ORDER = 1028;
inline constexpr int IDC_GET_TIME = 1029;
inline constexpr int IDC_PIR_INTERVAL = 1031;
inline constexpr int IDC_TIME_INTERVAL = 1033;
inline constexpr int IDC_SERIAL_NUMBER = 1035;
inline constexpr int IDC_FIXED_TIME = 1037;
inline constexpr int IDC_CAMERA_SELECT = 1072;
inline constexpr int IDC_CAMERA_FOLDER = 1073;
inline constexpr int IDC_CAMERA_GENERATE = 1074;
inline constexpr int IDC_CAMERA_DEFAULT = 1075;

extern const DialogTemplate kAboutDialog;
extern const DialogTemplate kMainDialog;
extern const DialogTemplate kCameraDialog;

// String 101: the About item of the main window's system menu.
inline constexpr std::string_view kAboutMenuText = "关于 Kestrivo(&A)...";

// Where the application icon lives among the compiled-in resources.
inline constexpr const char* kAppIconPath = ":/trailcam/app_icon.png";

}  // namespace res
