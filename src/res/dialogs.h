#pragma once

// Identifiers shared by several dialogs, and the program's strings and pictures. Each dialog's
// layout and its own control identifiers live in a header of their own (about_dialog.h,
// main_dialog.h, camera_dialog.h, ...).
#include <QtGlobal>

#include <string_view>

namespace res {

inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDR_MAINFRAME = 103;

// The command of the About item in the main window's system menu.
inline constexpr int IDM_ABOUTBOX = 16;

// Controls that several dialogs share.
inline constexpr int IDOK = 1;
inline constexpr int IDC_EXIT = 1172;

// String 101: the About item of the main window's system menu.
inline constexpr std::string_view kAboutMenuText =
    QT_TRANSLATE_NOOP("MainWindow", "关于 Kestrivo(&A)...");

// Where the application icon lives among the compiled-in resources.
inline constexpr const char* kAppIconPath = ":/trailcam/app_icon.bmp";

}  // namespace res
