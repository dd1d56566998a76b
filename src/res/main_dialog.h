#pragma once

// The main window: the camera model and the buttons that open the setup forms.
#include <array>
#include <string_view>

#include "res/dialog_template.h"
#include "res/dialogs.h"

namespace res {

inline constexpr int IDD_MAIN = 102;
inline constexpr int IDC_MODEL_LABEL = 1001;
inline constexpr int IDC_MODEL = 1003;
inline constexpr int IDC_MMS_SETUP = 1004;
inline constexpr int IDC_SMTP_SETUP = 1005;
inline constexpr int IDC_CAMERA_SETUP = 1006;

inline constexpr std::array<std::string_view, 3> kModels{"CAMERA", "MMS-CAMERA", "SMTP-CAMERA"};

inline constexpr std::array<ControlTemplate, 8> kMainControls{{
    {kUnnamedId, ControlKind::GroupBox, "", 15, 14, 329, 68},
    LabelFor(IDC_MODEL_LABEL, QT_TRANSLATE_NOOP("MainWindow", "Camera Model"), 21, 25, 127, 16,
             IDC_MODEL),
    {IDC_MODEL, ControlKind::DropDownList, "", 21, 53, 314, 68, ListItems{kModels}},
    {kUnnamedId, ControlKind::GroupBox, "", 15, 87, 329, 146},
    {IDC_CAMERA_SETUP, ControlKind::PushButton, QT_TRANSLATE_NOOP("MainWindow", "Camera Setup"), 21,
     98, 154, 58},
    {IDC_MMS_SETUP, ControlKind::PushButton, QT_TRANSLATE_NOOP("MainWindow", "MMS Setup"), 183, 99,
     154, 58},
    {IDC_SMTP_SETUP, ControlKind::PushButton, QT_TRANSLATE_NOOP("MainWindow", "Smtp Setup"), 22,
     168, 154, 58},
    {IDC_EXIT, ControlKind::PushButton, QT_TRANSLATE_NOOP("MainWindow", "Exit"), 183, 168, 154, 58},
}};

inline constexpr DialogTemplate kMainDialog{
    IDD_MAIN,    QT_TRANSLATE_NOOP("MainWindow", "Setup  V2.1"), 361, 251, 9, kMainControls,
    "MainWindow"};

}  // namespace res
