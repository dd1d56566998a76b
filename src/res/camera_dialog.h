#pragma once

// The Camera Setup form: the camera's operating settings, its clock, the working-time windows and
// the target folder of CameraSet.dat.
#include <array>
#include <string_view>

#include "res/dialog_template.h"
#include "res/dialogs.h"

namespace res {

inline constexpr int IDD_CAMERA = 104;

// Rows 1 to 5: label and list side by side.
inline constexpr int IDC_CAMERA_MODE_LABEL = 1008;
inline constexpr int IDC_CAMERA_MODE = 1009;
inline constexpr int IDC_CAMERA_PHOTO_RESOLUTION_LABEL = 1010;
inline constexpr int IDC_CAMERA_PHOTO_RESOLUTION = 1011;
inline constexpr int IDC_CAMERA_VIDEO_RESOLUTION_LABEL = 1012;
inline constexpr int IDC_CAMERA_VIDEO_RESOLUTION = 1013;
inline constexpr int IDC_CAMERA_SERIES_PHOTOS_LABEL = 1014;
inline constexpr int IDC_CAMERA_SERIES_PHOTOS = 1015;
inline constexpr int IDC_CAMERA_VIDEO_LENGTH_LABEL = 1016;
inline constexpr int IDC_CAMERA_VIDEO_LENGTH = 1017;
inline constexpr int IDC_CAMERA_BEEP_LABEL = 1018;
inline constexpr int IDC_CAMERA_BEEP = 1019;
inline constexpr int IDC_CAMERA_SENSITIVITY_LABEL = 1020;
inline constexpr int IDC_CAMERA_SENSITIVITY = 1021;
inline constexpr int IDC_CAMERA_TIME_STAMP_LABEL = 1024;
inline constexpr int IDC_CAMERA_TIME_STAMP = 1025;
inline constexpr int IDC_CAMERA_IR_LED_LABEL = 1059;
inline constexpr int IDC_CAMERA_IR_LED = 1063;
// Row 6: the clock.
inline constexpr int IDC_CAMERA_CLOCK_LABEL = 1026;
inline constexpr int IDC_CAMERA_CLOCK = 1027;
inline constexpr int IDC_CAMERA_DATE_ORDER = 1028;
inline constexpr int IDC_CAMERA_GET_TIME = 1029;
// Rows 7 to 9: PIR interval, time interval, serial number.
inline constexpr int IDC_CAMERA_PIR_INTERVAL_LABEL = 1030;
inline constexpr int IDC_CAMERA_PIR_INTERVAL = 1031;
inline constexpr int IDC_CAMERA_PIR_MINUTES_LABEL = 1038;
inline constexpr int IDC_CAMERA_PIR_MINUTES = 1039;
inline constexpr int IDC_CAMERA_PIR_SECONDS_LABEL = 1040;
inline constexpr int IDC_CAMERA_PIR_SECONDS = 1041;
inline constexpr int IDC_CAMERA_TIME_INTERVAL_LABEL = 1032;
inline constexpr int IDC_CAMERA_TIME_INTERVAL = 1033;
inline constexpr int IDC_CAMERA_INTERVAL_HOURS_LABEL = 1042;
inline constexpr int IDC_CAMERA_INTERVAL_HOURS = 1043;
inline constexpr int IDC_CAMERA_INTERVAL_MINUTES_LABEL = 1044;
inline constexpr int IDC_CAMERA_INTERVAL_MINUTES = 1045;
inline constexpr int IDC_CAMERA_SERIAL_NUMBER_LABEL = 1034;
inline constexpr int IDC_CAMERA_SERIAL_NUMBER = 1035;
inline constexpr int IDC_CAMERA_SERIAL_CHAR1 = 1046;
inline constexpr int IDC_CAMERA_SERIAL_CHAR2 = 1047;
inline constexpr int IDC_CAMERA_SERIAL_CHAR3 = 1048;
inline constexpr int IDC_CAMERA_SERIAL_CHAR4 = 1049;
// Row 10: the three daily working-time windows under their column headings.
inline constexpr int IDC_CAMERA_START_HEADING = 1050;
inline constexpr int IDC_CAMERA_START_HOUR_HEADING = 1051;
inline constexpr int IDC_CAMERA_START_MINUTE_HEADING = 1052;
inline constexpr int IDC_CAMERA_END_HEADING = 1053;
inline constexpr int IDC_CAMERA_END_HOUR_HEADING = 1054;
inline constexpr int IDC_CAMERA_END_MINUTE_HEADING = 1055;
inline constexpr int IDC_CAMERA_FIXED_TIME_LABEL = 1036;
inline constexpr int IDC_CAMERA_FIXED_TIME = 1037;
inline constexpr int IDC_CAMERA_WINDOW1_START_HOUR = 1056;
inline constexpr int IDC_CAMERA_WINDOW1_START_MINUTE = 1060;
inline constexpr int IDC_CAMERA_WINDOW1_END_HOUR = 1064;
inline constexpr int IDC_CAMERA_WINDOW1_END_MINUTE = 1068;
inline constexpr int IDC_CAMERA_WINDOW2_START_HOUR = 1057;
inline constexpr int IDC_CAMERA_WINDOW2_START_MINUTE = 1061;
inline constexpr int IDC_CAMERA_WINDOW2_END_HOUR = 1065;
inline constexpr int IDC_CAMERA_WINDOW2_END_MINUTE = 1069;
inline constexpr int IDC_CAMERA_WINDOW3_START_HOUR = 1058;
inline constexpr int IDC_CAMERA_WINDOW3_START_MINUTE = 1062;
inline constexpr int IDC_CAMERA_WINDOW3_END_HOUR = 1066;
inline constexpr int IDC_CAMERA_WINDOW3_END_MINUTE = 1070;
// Rows 11 and 12: target folder and the form's commands.
inline constexpr int IDC_CAMERA_SELECT = 1072;
inline constexpr int IDC_CAMERA_FOLDER = 1073;
inline constexpr int IDC_CAMERA_GENERATE = 1074;
inline constexpr int IDC_CAMERA_DEFAULT = 1075;

namespace camera_items {

inline constexpr std::array<std::string_view, 3> kModes{QT_TRANSLATE_NOOP("Lists", "Camera"),
                                                        QT_TRANSLATE_NOOP("Lists", "Video"),
                                                        QT_TRANSLATE_NOOP("Lists", "Camera+Video")};
inline constexpr std::array<std::string_view, 3> kPhotoResolutions{"12M", "8M", "5M"};
inline constexpr std::array<std::string_view, 3> kVideoResolutions{"1080P", "720P", "VGA"};
inline constexpr std::array<std::string_view, 3> kSeries{QT_TRANSLATE_NOOP("Lists", "1 Photo"),
                                                         QT_TRANSLATE_NOOP("Lists", "2 Photos"),
                                                         QT_TRANSLATE_NOOP("Lists", "3 Photos")};
inline constexpr std::array<std::string_view, 4> kVideoLengths{"10S", "20S", "30S", "60S"};
inline constexpr std::array<std::string_view, 2> kOffOn{QT_TRANSLATE_NOOP("Lists", "Off"),
                                                        QT_TRANSLATE_NOOP("Lists", "On")};
inline constexpr std::array<std::string_view, 3> kSensitivities{
    QT_TRANSLATE_NOOP("Lists", "Low"), QT_TRANSLATE_NOOP("Lists", "Medium"),
    QT_TRANSLATE_NOOP("Lists", "High")};
inline constexpr std::array<std::string_view, 2> kIrLeds{QT_TRANSLATE_NOOP("Lists", "Medium"),
                                                         QT_TRANSLATE_NOOP("Lists", "High")};
inline constexpr std::array<std::string_view, 3> kDateOrders{QT_TRANSLATE_NOOP("Lists", "Y/M/D"),
                                                             QT_TRANSLATE_NOOP("Lists", "D/M/Y"),
                                                             QT_TRANSLATE_NOOP("Lists", "M/D/Y")};
inline constexpr std::array<std::string_view, 36> kSerialCharacters{
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B", "C", "D", "E", "F", "G", "H",
    "I", "J", "K", "L", "M", "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};
inline constexpr ListItems kHours = Numbers(0, 23);
inline constexpr ListItems kMinutes = Numbers(0, 59);

}  // namespace camera_items

inline constexpr auto kCameraControls = [] {
    using K = ControlKind;
    using namespace camera_items;
    using Items = ListItems;
    return std::to_array<ControlTemplate>({
        // Frames: rows 1 to 4 in two columns, row 5, rows 6 to 9, the working-time windows.
        {kUnnamedId, K::GroupBox, "", 9, 0, 135, 25},
        {kUnnamedId, K::GroupBox, "", 147, 0, 135, 25},
        {kUnnamedId, K::GroupBox, "", 9, 23, 135, 25},
        {kUnnamedId, K::GroupBox, "", 147, 23, 135, 25},
        {kUnnamedId, K::GroupBox, "", 9, 46, 135, 25},
        {kUnnamedId, K::GroupBox, "", 147, 46, 135, 25},
        {kUnnamedId, K::GroupBox, "", 9, 69, 135, 25},
        {kUnnamedId, K::GroupBox, "", 147, 69, 135, 25},
        {kUnnamedId, K::GroupBox, "", 9, 93, 135, 25},
        {kUnnamedId, K::GroupBox, "", 9, 117, 272, 25},
        {kUnnamedId, K::GroupBox, "", 9, 141, 272, 25},
        {kUnnamedId, K::GroupBox, "", 9, 165, 272, 25},
        {kUnnamedId, K::GroupBox, "", 9, 189, 272, 25},
        {kUnnamedId, K::GroupBox, "", 9, 212, 272, 79},
        // Rows 1 to 5.
        LabelFor(IDC_CAMERA_MODE_LABEL, QT_TRANSLATE_NOOP("CameraSetup", "Mode"), 15, 10, 58, 8,
                 IDC_CAMERA_MODE),
        {IDC_CAMERA_MODE, K::DropDownList, "", 76, 8, 65, 56, Items{kModes}},
        LabelFor(IDC_CAMERA_PHOTO_RESOLUTION_LABEL,
                 QT_TRANSLATE_NOOP("CameraSetup", "Photo Resolution"), 152, 10, 60, 8,
                 IDC_CAMERA_PHOTO_RESOLUTION),
        {IDC_CAMERA_PHOTO_RESOLUTION, K::DropDownList, "", 214, 8, 65, 81,
         Items{kPhotoResolutions}},
        LabelFor(IDC_CAMERA_VIDEO_RESOLUTION_LABEL,
                 QT_TRANSLATE_NOOP("CameraSetup", "Video Resolution"), 15, 33, 58, 8,
                 IDC_CAMERA_VIDEO_RESOLUTION),
        {IDC_CAMERA_VIDEO_RESOLUTION, K::DropDownList, "", 76, 31, 65, 52,
         Items{kVideoResolutions}},
        LabelFor(IDC_CAMERA_SERIES_PHOTOS_LABEL, QT_TRANSLATE_NOOP("CameraSetup", "Series Photos"),
                 152, 33, 60, 8, IDC_CAMERA_SERIES_PHOTOS),
        {IDC_CAMERA_SERIES_PHOTOS, K::DropDownList, "", 214, 31, 65, 99, Items{kSeries}},
        LabelFor(IDC_CAMERA_VIDEO_LENGTH_LABEL, QT_TRANSLATE_NOOP("CameraSetup", "Video Length"),
                 15, 56, 58, 8, IDC_CAMERA_VIDEO_LENGTH),
        {IDC_CAMERA_VIDEO_LENGTH, K::DropDownList, "", 76, 54, 65, 61, Items{kVideoLengths}},
        LabelFor(IDC_CAMERA_BEEP_LABEL, QT_TRANSLATE_NOOP("CameraSetup", "Beep Sound"), 152, 56, 60,
                 8, IDC_CAMERA_BEEP),
        {IDC_CAMERA_BEEP, K::DropDownList, "", 214, 54, 65, 57, Items{kOffOn}},
        LabelFor(IDC_CAMERA_SENSITIVITY_LABEL, QT_TRANSLATE_NOOP("CameraSetup", "Sensitivity"), 15,
                 79, 58, 8, IDC_CAMERA_SENSITIVITY),
        {IDC_CAMERA_SENSITIVITY, K::DropDownList, "", 76, 77, 65, 83, Items{kSensitivities}},
        LabelFor(IDC_CAMERA_TIME_STAMP_LABEL, QT_TRANSLATE_NOOP("CameraSetup", "Time Stamp"), 152,
                 79, 60, 8, IDC_CAMERA_TIME_STAMP),
        {IDC_CAMERA_TIME_STAMP, K::DropDownList, "", 214, 77, 65, 59, Items{kOffOn}},
        LabelFor(IDC_CAMERA_IR_LED_LABEL, QT_TRANSLATE_NOOP("CameraSetup", "IR Led"), 15, 103, 58,
                 8, IDC_CAMERA_IR_LED),
        {IDC_CAMERA_IR_LED, K::DropDownList, "", 76, 101, 65, 56, Items{kIrLeds}},
        // Row 6: the clock.
        LabelFor(IDC_CAMERA_CLOCK_LABEL, QT_TRANSLATE_NOOP("CameraSetup", "Set Clock"), 15, 127, 40,
                 8, IDC_CAMERA_CLOCK),
        {IDC_CAMERA_CLOCK, K::Edit, "", 57, 125, 85, 12, {}, kDisabled},
        Named(QT_TRANSLATE_NOOP("CameraSetup", "Date order"),
              {IDC_CAMERA_DATE_ORDER, K::DropDownList, "", 151, 125, 48, 50, Items{kDateOrders}}),
        {IDC_CAMERA_GET_TIME, K::PushButton, QT_TRANSLATE_NOOP("CameraSetup", "Get Time"), 202, 124,
         66, 14},
        // Rows 7 to 9: PIR interval, time interval, serial number.
        LabelFor(IDC_CAMERA_PIR_INTERVAL_LABEL, QT_TRANSLATE_NOOP("CameraSetup", "PIR Interval"),
                 15, 152, 47, 8, IDC_CAMERA_PIR_INTERVAL),
        {IDC_CAMERA_PIR_INTERVAL, K::DropDownList, "", 64, 150, 35, 30, Items{kOffOn}},
        LabelFor(IDC_CAMERA_PIR_MINUTES_LABEL, QT_TRANSLATE_NOOP("CameraSetup", "Min"), 130, 152,
                 18, 8, IDC_CAMERA_PIR_MINUTES),
        {IDC_CAMERA_PIR_MINUTES, K::DropDownList, "", 151, 150, 30, 80, kMinutes},
        LabelFor(IDC_CAMERA_PIR_SECONDS_LABEL, QT_TRANSLATE_NOOP("CameraSetup", "Sec"), 219, 152,
                 18, 8, IDC_CAMERA_PIR_SECONDS),
        {IDC_CAMERA_PIR_SECONDS, K::DropDownList, "", 240, 150, 30, 80, kMinutes},
        LabelFor(IDC_CAMERA_TIME_INTERVAL_LABEL, QT_TRANSLATE_NOOP("CameraSetup", "Time Interval"),
                 15, 175, 47, 8, IDC_CAMERA_TIME_INTERVAL),
        {IDC_CAMERA_TIME_INTERVAL, K::DropDownList, "", 64, 173, 35, 30, Items{kOffOn}},
        LabelFor(IDC_CAMERA_INTERVAL_HOURS_LABEL, QT_TRANSLATE_NOOP("CameraSetup", "Hour"), 128,
                 175, 20, 8, IDC_CAMERA_INTERVAL_HOURS),
        {IDC_CAMERA_INTERVAL_HOURS, K::DropDownList, "", 151, 173, 30, 82, kHours},
        LabelFor(IDC_CAMERA_INTERVAL_MINUTES_LABEL, QT_TRANSLATE_NOOP("CameraSetup", "Min"), 219,
                 175, 18, 8, IDC_CAMERA_INTERVAL_MINUTES),
        {IDC_CAMERA_INTERVAL_MINUTES, K::DropDownList, "", 240, 173, 30, 82, kMinutes},
        LabelFor(IDC_CAMERA_SERIAL_NUMBER_LABEL, QT_TRANSLATE_NOOP("CameraSetup", "Serial Number"),
                 15, 199, 47, 8, IDC_CAMERA_SERIAL_NUMBER),
        {IDC_CAMERA_SERIAL_NUMBER, K::DropDownList, "", 64, 197, 35, 30, Items{kOffOn}, kSorted},
        Named(QT_TRANSLATE_NOOP("CameraSetup", "Serial number character 1"),
              {IDC_CAMERA_SERIAL_CHAR1, K::DropDownList, "", 113, 197, 26, 78,
               Items{kSerialCharacters}}),
        Named(QT_TRANSLATE_NOOP("CameraSetup", "Serial number character 2"),
              {IDC_CAMERA_SERIAL_CHAR2, K::DropDownList, "", 156, 197, 26, 78,
               Items{kSerialCharacters}}),
        Named(QT_TRANSLATE_NOOP("CameraSetup", "Serial number character 3"),
              {IDC_CAMERA_SERIAL_CHAR3, K::DropDownList, "", 199, 197, 26, 78,
               Items{kSerialCharacters}}),
        Named(QT_TRANSLATE_NOOP("CameraSetup", "Serial number character 4"),
              {IDC_CAMERA_SERIAL_CHAR4, K::DropDownList, "", 242, 197, 26, 78,
               Items{kSerialCharacters}}),
        // Row 10: the three daily working-time windows under their column headings.
        {IDC_CAMERA_START_HEADING, K::Label, QT_TRANSLATE_NOOP("CameraSetup", "Start"), 64, 219, 30,
         8},
        {IDC_CAMERA_START_HOUR_HEADING, K::Label, QT_TRANSLATE_NOOP("CameraSetup", "Hour"), 110,
         219, 24, 8},
        {IDC_CAMERA_START_MINUTE_HEADING, K::Label, QT_TRANSLATE_NOOP("CameraSetup", "Min"), 146,
         219, 24, 8},
        {IDC_CAMERA_END_HEADING, K::Label, QT_TRANSLATE_NOOP("CameraSetup", "End"), 176, 219, 20,
         8},
        {IDC_CAMERA_END_HOUR_HEADING, K::Label, QT_TRANSLATE_NOOP("CameraSetup", "Hour"), 202, 219,
         24, 8},
        {IDC_CAMERA_END_MINUTE_HEADING, K::Label, QT_TRANSLATE_NOOP("CameraSetup", "Min"), 238, 219,
         24, 8},
        LabelFor(IDC_CAMERA_FIXED_TIME_LABEL, QT_TRANSLATE_NOOP("CameraSetup", "Fixed Time"), 15,
                 256, 47, 8, IDC_CAMERA_FIXED_TIME),
        {IDC_CAMERA_FIXED_TIME, K::DropDownList, "", 64, 254, 30, 30, Items{kOffOn}},
        Named(QT_TRANSLATE_NOOP("CameraSetup", "Window 1 start hour"),
              {IDC_CAMERA_WINDOW1_START_HOUR, K::DropDownList, "", 107, 233, 30, 82, kHours}),
        Named(QT_TRANSLATE_NOOP("CameraSetup", "Window 1 start minute"),
              {IDC_CAMERA_WINDOW1_START_MINUTE, K::DropDownList, "", 143, 233, 30, 80, kMinutes}),
        Named(QT_TRANSLATE_NOOP("CameraSetup", "Window 1 end hour"),
              {IDC_CAMERA_WINDOW1_END_HOUR, K::DropDownList, "", 199, 233, 30, 82, kHours}),
        Named(QT_TRANSLATE_NOOP("CameraSetup", "Window 1 end minute"),
              {IDC_CAMERA_WINDOW1_END_MINUTE, K::DropDownList, "", 235, 233, 30, 80, kMinutes}),
        Named(QT_TRANSLATE_NOOP("CameraSetup", "Window 2 start hour"),
              {IDC_CAMERA_WINDOW2_START_HOUR, K::DropDownList, "", 107, 254, 30, 82, kHours}),
        Named(QT_TRANSLATE_NOOP("CameraSetup", "Window 2 start minute"),
              {IDC_CAMERA_WINDOW2_START_MINUTE, K::DropDownList, "", 143, 254, 30, 80, kMinutes}),
        Named(QT_TRANSLATE_NOOP("CameraSetup", "Window 2 end hour"),
              {IDC_CAMERA_WINDOW2_END_HOUR, K::DropDownList, "", 199, 254, 30, 82, kHours}),
        Named(QT_TRANSLATE_NOOP("CameraSetup", "Window 2 end minute"),
              {IDC_CAMERA_WINDOW2_END_MINUTE, K::DropDownList, "", 235, 254, 30, 80, kMinutes}),
        Named(QT_TRANSLATE_NOOP("CameraSetup", "Window 3 start hour"),
              {IDC_CAMERA_WINDOW3_START_HOUR, K::DropDownList, "", 107, 275, 30, 82, kHours}),
        Named(QT_TRANSLATE_NOOP("CameraSetup", "Window 3 start minute"),
              {IDC_CAMERA_WINDOW3_START_MINUTE, K::DropDownList, "", 143, 275, 30, 80, kMinutes}),
        Named(QT_TRANSLATE_NOOP("CameraSetup", "Window 3 end hour"),
              {IDC_CAMERA_WINDOW3_END_HOUR, K::DropDownList, "", 199, 275, 30, 82, kHours}),
        Named(QT_TRANSLATE_NOOP("CameraSetup", "Window 3 end minute"),
              {IDC_CAMERA_WINDOW3_END_MINUTE, K::DropDownList, "", 236, 275, 30, 80, kMinutes}),
        // Rows 11 and 12: target folder and the form's commands.
        {IDC_CAMERA_SELECT, K::PushButton, QT_TRANSLATE_NOOP("CameraSetup", "Select"), 8, 295, 62,
         12},
        Named(QT_TRANSLATE_NOOP("CameraSetup", "Target folder"),
              {IDC_CAMERA_FOLDER, K::Edit, "", 80, 295, 201, 12, {}, kDisabled}),
        {IDC_CAMERA_GENERATE, K::PushButton, QT_TRANSLATE_NOOP("CameraSetup", "Generate"), 60, 313,
         62, 12},
        {IDC_CAMERA_DEFAULT, K::PushButton, QT_TRANSLATE_NOOP("CameraSetup", "Default"), 135, 313,
         62, 12},
        {IDC_EXIT, K::PushButton, QT_TRANSLATE_NOOP("CameraSetup", "Exit"), 210, 313, 62, 12},
    });
}();

inline constexpr DialogTemplate kCameraDialog{
    IDD_CAMERA,   QT_TRANSLATE_NOOP("CameraSetup", "Camera Setup"), 291, 331, 10, kCameraControls,
    "CameraSetup"};

}  // namespace res
